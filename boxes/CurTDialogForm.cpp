// CurTDialogForm.cpp - the one-call form box of CurTDialog (boxes/):
// labelled line editors in the dialog's focuser, laid out where the caller
// asks or in rows, and their texts handed back when accepted.
#include "CurTDialog.h"
#include "CurLabel.h"
#include "CurLineEdit.h"
#include "CurText.h"

#include <curses.h>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

class FormView;

// A field's editor: taking the focus scrolls the form to its row.
class FormEdit : public CurLineEdit {
public:
    FormEdit(CurWindow* window, FormView* view, int index, int row)
        : CurLineEdit(window), view(view), index(index), row(row) {}
    void acceptFocus(bool redraw) override;

private:
    FormView* view;
    int       index, row;
};

// The form area: rows of the form from offset, `rows` of them, from row
// top of the window. Labels and editors out of view wait far below the
// window, where they draw nothing and the arrows find the buttons first;
// Tab and back-tab still reach them, and the area scrolls to show them.
class FormView {
public:
    FormView(CurWindow* window, const CurTDialog::FormField* placed, int count, int top, int rows)
        : window(window), placed(placed), count(count), top(top), rows(rows), offset(0),
          labels(new std::unique_ptr<CurLabel>[count + 1]),
          edits(new std::unique_ptr<FormEdit>[count + 1])
    {
    }
    void show(int row)
    {
        if (row >= offset && row < offset + rows)
            return;
        offset = row < offset ? row : row - rows + 1;
        place();
        draw();
    }
    void place()
    {
        for (int i = 0; i < count; i++) {
            const CurTDialog::FormField& f = placed[i];
            if (labels[i])
                labels[i]->setGeometry(1, labels[i]->getWidth(), rowOf(f.labelY), 2 + f.labelX);
            if (edits[i])
                edits[i]->setGeometry(1, edits[i]->getWidth(), rowOf(f.fieldY), 2 + f.fieldX);
        }
    }
    void draw()
    {
        WINDOW* w = window->getWindow();
        for (int r = 0; w != nullptr && r < rows; r++)
            CurText::blank(w, top + r, 2, window->getWidth() - 4, 0);
        for (int i = 0; i < count; i++) {
            if (labels[i])
                labels[i]->draw();
            if (edits[i])
                edits[i]->draw();
        }
    }
    // The focused field's help on the help row, if the form has one.
    void showHelp(int index)
    {
        focused = index;
        WINDOW* w = helpLine != nullptr ? helpLine->getWindow() : nullptr;
        if (w == nullptr)
            return;
        const char* help = placed[index].help != nullptr ? placed[index].help : "";
        int used = CurText::draw(w, 0, 0, help, (int)strlen(help), getmaxx(w), 0);
        CurText::blank(w, 0, used, getmaxx(w) - used, 0);
        helpLine->update();
    }
    CurWindow*                                   window;
    const CurTDialog::FormField*                 placed;
    int                                          count, top, rows, offset;
    int                                          focused = -1;
    CurWindow*                                   helpLine = nullptr;
    std::unique_ptr<std::unique_ptr<CurLabel>[]> labels;
    std::unique_ptr<std::unique_ptr<FormEdit>[]> edits;

private:
    int rowOf(int formRow) const
    {
        return formRow >= offset && formRow < offset + rows ? top + formRow - offset : 30000;
    }
};

void FormEdit::acceptFocus(bool redraw)
{
    view->show(row);
    view->showHelp(index);
    CurLineEdit::acceptFocus(redraw);
}

// The bytes a typed character takes in the text: its UTF-8 form in a
// multibyte locale, else the one byte the reader handed on.
int codeBytes(int code)
{
    if (MB_CUR_MAX == 1 || code < 0x80)
        return 1;
    return code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}

// Typing stops where the field's buffer is full, so that what the field
// shows is what its buffer receives.
void stopAtRoom(CurLineEdit* edit, int size)
{
    if (size <= 0)
        return;
    edit->setFilterCB([edit, size](int code) {
        return (int)strlen(edit->getText()) + codeBytes(code) <= size - 1;
    });
}

// The text a field starts with: its buffer up to a NUL or its size.
std::string firstText(const CurTDialog::FormField& f)
{
    if (f.buffer == nullptr || f.size <= 0)
        return std::string();
    return std::string(f.buffer, strnlen(f.buffer, f.size));
}

int labelColumns(const CurTDialog::FormField& f)
{
    return f.label != nullptr ? CurText::columns(f.label) : 0;
}

// The field with its places and width held at the largest coordinate a
// curses window has: nothing lies beyond it, and the sums below of a few
// such values never overflow.
CurTDialog::FormField bounded(CurTDialog::FormField f)
{
    const int LIMIT = 32767;
    for (int* value : {&f.labelY, &f.labelX, &f.fieldY, &f.fieldX, &f.width})
        if (*value > LIMIT)
            *value = LIMIT;
    return f;
}

} // namespace

// Fields without a place of their own take the row after the previous
// field and the column after the longest label; the form is as wide as its
// widest field needs and the rest of the row is the editor's where no width
// is given (at least 30 columns then, so that there is room to type).
int CurTDialog::showForm(int textHeight, int textWidth, int formHeight, int attributes,
                         const char* text, const char* title, FormField* fields, int count,
                         const char* const* buttonTexts, int defaultButton)
{
    if (count < 0 || (fields == nullptr && count > 0))
        return -1;
    if (text == nullptr)
        text = "";
    std::unique_ptr<FormField[]> placed(new FormField[count > 0 ? count : 1]);
    int labelRoom = 0, rows = 0, inner = 0;
    for (int i = 0; i < count; i++) {
        FormField f = bounded(fields[i]);
        if (f.fieldX < 0 && f.labelX + labelColumns(f) > labelRoom)
            labelRoom = f.labelX + labelColumns(f);
    }
    for (int i = 0; i < count; i++) {
        FormField f = bounded(fields[i]);
        if (f.labelY < 0)
            f.labelY = rows;
        if (f.fieldY < 0)
            f.fieldY = f.labelY;
        if (f.fieldX < 0)
            f.fieldX = labelRoom + 1;
        int right = f.fieldX + (f.width > 0 ? f.width : 30);
        if (f.labelX + labelColumns(f) > right)
            right = f.labelX + labelColumns(f);
        inner = right > inner ? right : inner;
        int last = f.fieldY > f.labelY ? f.fieldY : f.labelY;
        if (last + 1 > rows)
            rows = last + 1;
        placed[i] = f;
    }
    bool helps = false;
    for (int i = 0; i < count; i++)
        helps = helps || fields[i].help != nullptr;
    if (formHeight <= 0 || formHeight > rows)
        formHeight = rows;
    // A form taller than the screen leaves a row for the text (and one for
    // the help line) and scrolls.
    int room = LINES - 5 - (text[0] != '\0' ? 1 : 0) - (helps ? 1 : 0);
    if (formHeight > room)
        formHeight = room > 0 ? room : 1;
    // The form area lies below the text, as wide as its widest field; an
    // empty text takes no row.
    if (textHeight < 0 && text[0] == '\0')
        textHeight = 0;
    CurText::Size box = CurText::boxSize(text, textHeight, textWidth, {formHeight + 5, 4}, inner);
    textHeight = box.rows - formHeight - 5 > 0 ? box.rows - formHeight - 5 : 0;

    int chosen;
    {
        CurTDialog dialog(box.rows, box.cols, -1, -1);
        int W = dialog.getWidth();
        if (attributes != 0)                // 0: the theme's dialog
            dialog.setAttributes(attributes);
        dialog.setKeyCB(CurTDialog::escapeEndsCB, &dialog);
        dialog.addButtons(buttonTexts);
        if (title != nullptr && title[0] != '\0')
            dialog.setTitle(title, CurInit::CENTER);
        CurLabel label(&dialog, false);
        placeText(&label, text, textHeight, W - 4);
        dialog.enterButton = defaultButton;     // Enter in a field presses it

        std::unique_ptr<CurWindow> help(helps ? new CurWindow(1, COLS, LINES - 1, 0) : nullptr);
        FormView view(&dialog, placed.get(), count, 1 + textHeight, formHeight);
        view.helpLine = help.get();
        int firstEdit = -1;
        for (int i = 0; i < count; i++) {
            const FormField& f = placed[i];
            if (f.label != nullptr) {
                view.labels[i].reset(new CurLabel(&dialog, false));
                view.labels[i]->setGeometry(1, labelColumns(f), 0, 0);
                view.labels[i]->setAlignment(CurInit::LEFT, CurInit::TOP, false);
                view.labels[i]->setText(f.label, false);
            }
            int width = f.width > 0 ? f.width : W - 4 - f.fieldX;
            view.edits[i].reset(new FormEdit(&dialog, &view, i, f.fieldY));
            view.edits[i]->setGeometry(1, width, 0, 0);
            view.edits[i]->setText(firstText(f).c_str(), false);
            view.edits[i]->setHidden(f.hidden);
            if (f.buffer != nullptr)
                stopAtRoom(view.edits[i].get(), f.size);
            view.edits[i]->loseFocus(false);
            if (!f.readOnly) {
                dialog.focuser.addGadget(view.edits[i].get());
                if (firstEdit < 0)
                    firstEdit = dialog.numButtons;
            }
        }
        view.place();
        if (firstEdit >= 0)
            dialog.focuser.setFocus(firstEdit);

        dialog.draw();                  // sent with the loop's first key read
        label.draw();
        view.draw();
        if (view.focused >= 0)
            view.showHelp(view.focused);
        chosen = dialog.kbdLoop();
        for (int i = 0; i < count; i++)
            fields[i].focused = i == view.focused;
        for (int i = 0; (chosen == 0 || (helps && chosen > 0)) && i < count; i++)
            if (fields[i].buffer != nullptr && fields[i].size > 0)
                copyCut(fields[i].buffer, fields[i].size, view.edits[i]->getText(),
                        (int)strlen(view.edits[i]->getText()));
    }
    CurInit::refreshAllWindows();
    return chosen;
}

int CurTDialog::showForm(int textHeight, int textWidth, int attributes, std::string_view text,
                         std::string_view title, const std::vector<std::string>& labels,
                         std::vector<std::string>& texts)
{
    int count = (int)labels.size();
    std::unique_ptr<FormField[]> fields(new FormField[count > 0 ? count : 1]);
    std::unique_ptr<std::string[]> buffers(new std::string[count > 0 ? count : 1]);
    for (int i = 0; i < count; i++) {
        // Room for the first text and for as much typing as a line holds.
        buffers[i] = i < (int)texts.size() ? texts[i] : std::string();
        buffers[i].resize(buffers[i].size() + 4096, '\0');
        fields[i].label = labels[i].c_str();
        fields[i].buffer = &buffers[i][0];
        fields[i].size = (int)buffers[i].size();
    }
    int answer = showForm(textHeight, textWidth, -1, attributes, std::string(text).c_str(),
                          std::string(title).c_str(), fields.get(), count);
    if (answer == 0) {
        texts.resize(count);
        for (int i = 0; i < count; i++)
            texts[i] = buffers[i].c_str();
    }
    return answer;
}
