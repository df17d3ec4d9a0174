// CurTDialogLists.cpp - the one-call menu, check-list and radio-list boxes
// of CurTDialog (boxes/): rows of tags and items in a CurList under the
// box's text, the help line of the current row, and the answers handed back.
#include "CurTDialog.h"
#include "CurKeyReader.h"
#include "CurLabel.h"
#include "CurLineEdit.h"
#include "CurList.h"
#include "CurText.h"

#include <curses.h>
#include <cstring>
#include <memory>
#include <unordered_set>

void CurTDialog::addButtons(const char* const* texts)
{
    static const char* const standard[] = {" OK ", "Cancel", nullptr};
    for (const char* const* t = texts != nullptr ? texts : standard; *t != nullptr; t++)
        addButton(*t);
}

namespace {

// The line the list shows for a row: the tag padded to the tag column,
// two blanks, the item; either part alone when the other column is left out.
class RowText {
public:
    RowText(const CurTDialog::ListSetup& setup) : setup(setup), tagColumns(0)
    {
        if (setup.tags != nullptr && setup.items != nullptr)
            for (int i = 0; i < setup.count; i++)
                if (columns(setup.tags[i]) > tagColumns)
                    tagColumns = columns(setup.tags[i]);
    }
    const char* line(int i)
    {
        const char* tag = setup.tags != nullptr && setup.tags[i] != nullptr ? setup.tags[i] : "";
        const char* item = setup.items != nullptr && setup.items[i] != nullptr ? setup.items[i] : "";
        if (setup.items == nullptr)
            return tag;
        if (setup.tags == nullptr)
            return item;
        text.assign(tag);
        text.append(tagColumns - columns(tag) + 2, ' ');
        text.append(item);
        return text.c_str();
    }
    static int columns(const char* s) { return s != nullptr ? CurText::columns(s) : 0; }
    // Where a row's item starts in its line.
    int itemColumn() const { return setup.tags != nullptr && setup.items != nullptr ? tagColumns + 2 : 0; }

private:
    const CurTDialog::ListSetup& setup;
    int         tagColumns;
    std::string text;
};

// The list of a list box: Enter is left to the dialog (it presses the
// default button), and so is a double click on a menu's row; Space in a
// radio list leaves a marked row marked, and every move shows the current
// row's help on the screen's last row.
class BoxList : public CurList {
public:
    BoxList(CurTDialog* dialog, CurTDialog::LIST_KIND kind, const CurTDialog::ListSetup& setup,
            CurWindow* helpLine)
        : CurList(dialog), kind(kind), setup(setup), helpLine(helpLine), dialog(dialog)
    {
        if (kind == CurTDialog::RADIO)
            setSelectMode(SINGLE);
        setThemeMarks(kind != CurTDialog::MENU);
    }
    bool processKey(int key) override
    {
        if (key == 13)
            return false;
        if (key == ' ' && (kind == CurTDialog::MENU
                           || (kind == CurTDialog::RADIO && getCurrent() >= 0 && marked(getCurrent()))))
            return true;
        bool used = CurList::processKey(key);
        showHelp();
        return used;
    }
    bool processMouse(const CurInit::MouseEvent& event) override
    {
        bool used = CurList::processMouse(event);
        showHelp();
        if (kind == CurTDialog::MENU && event.action == CurInit::MOUSE_DOUBLE_CLICK &&
            lineAt(event.row, event.column) >= 0)
            CurTDialog::enterCB(dialog);
        return used;
    }
    void showHelp()
    {
        WINDOW* w = helpLine != nullptr ? helpLine->getWindow() : nullptr;
        int row = getCurrent();
        if (w == nullptr || row < 0)
            return;
        const char* help = setup.helps[row] != nullptr ? setup.helps[row] : "";
        int used = CurText::draw(w, 0, 0, help, (int)strlen(help), getmaxx(w), 0);
        CurText::blank(w, 0, used, getmaxx(w) - used, 0);
        helpLine->update();
    }
private:
    bool marked(int row)
    {
        int* rows = nullptr;
        int count = 0;
        getSelected(&rows, &count);
        bool found = count > 0 && rows[0] == row;
        delete[] rows;
        return found;
    }
    CurTDialog::LIST_KIND        kind;
    const CurTDialog::ListSetup& setup;
    CurWindow*                   helpLine;
    CurTDialog*                  dialog;
};

// The editor of the input menu's rename, run by the gadget loop: Enter ends
// it with 0, Esc with 1, input that ended with -1. Esc ends the loop as a
// callback's stop does, after the key.
class RenameEdit : public CurLineEdit {
public:
    explicit RenameEdit(CurWindow* window) : CurLineEdit(window) {}
    int kbdLoop() override
    {
        escaped = false;
        int ended = CurLineEdit::kbdLoop();
        return escaped ? 1 : ended;
    }
    bool processKey(int key) override
    {
        if (key != 27)
            return CurLineEdit::processKey(key);
        escaped = true;
        CurKeyReader::stopNextRead();
        return true;
    }
private:
    bool escaped = false;
};

// The current row's item becomes a line editor where it stands, from the
// item's column to the list's frame. True when Enter accepted the text.
bool renameInPlace(CurWindow* dialog, CurList* list, int itemColumn,
                   const CurTDialog::ListSetup& setup, std::string* renamed)
{
    list->draw();                        // leaves the cursor on the current row
    WINDOW* w = dialog->getWindow();
    if (w == nullptr)
        return false;
    int row = getcury(w), col = list->getX() + 3 + itemColumn;   // frame, mark and its blank
    int width = list->getX() + list->getWidth() - 1 - col;
    if (width < 1) {
        col = list->getX() + 3;
        width = list->getWidth() - 4;
    }
    int current = list->getCurrent();
    RenameEdit edit(dialog);
    edit.setGeometry(1, width, row, col);
    edit.setText(setup.items != nullptr && setup.items[current] != nullptr ? setup.items[current] : "",
                 false);
    edit.acceptFocus(true);
    dialog->update();
    if (edit.kbdLoop() != 0)
        return false;
    renamed->assign(edit.getText());
    return true;
}

// Columns of the widest row, with the mark, its blank and the list's frame.
int listColumns(const CurTDialog::ListSetup& setup)
{
    RowText rows(setup);
    int widest = 0;
    for (int i = 0; i < setup.count; i++) {
        int c = RowText::columns(rows.line(i));
        if (c > widest)
            widest = c;
    }
    return widest + 4;
}

// The columns of the theme's marks for a check or radio list.
int markWidth(CurTDialog::LIST_KIND kind)
{
    const CurInit::ThemeShapes& shapes = CurInit::getThemeShapes();
    const char* on = kind == CurTDialog::RADIO ? shapes.radioOn : shapes.checkOn;
    const char* off = kind == CurTDialog::RADIO ? shapes.radioOff : shapes.checkOff;
    int cols = CurText::columns(on) > CurText::columns(off) ? CurText::columns(on) : CurText::columns(off);
    return cols > 0 ? cols : 1;
}

int buttonColumns(const char* const* texts)
{
    static const char* const standard[] = {" OK ", "Cancel", nullptr};
    int n = 0, widest = 0;
    for (const char* const* t = texts != nullptr ? texts : standard; *t != nullptr; t++, n++)
        if (CurText::columns(*t) > widest)
            widest = CurText::columns(*t);
    return n * (widest + 3);
}

} // namespace

// The box: text rows from row 1, the list's frame below them, separator
// and buttons. The box is wide enough for the text, the widest row and the
// buttons, cut to the screen; the list gets the rows it asks for, or all
// that the screen leaves once the text is placed, and no fewer than one.
int CurTDialog::showList(int textHeight, int textWidth, int listHeight, int attributes,
                         const char* text, const char* title, LIST_KIND kind,
                         ListSetup* setup)
{
    return runList(textHeight, textWidth, listHeight, attributes, text, title, kind, setup, -1,
                   nullptr);
}

int CurTDialog::showInputMenu(int textHeight, int textWidth, int listHeight, int attributes,
                              const char* text, const char* title, ListSetup* setup,
                              int renameButton, std::string* renamed)
{
    return runList(textHeight, textWidth, listHeight, attributes, text, title, MENU, setup,
                   renamed != nullptr ? renameButton : -1, renamed);
}

int CurTDialog::runList(int textHeight, int textWidth, int listHeight, int attributes,
                        const char* text, const char* title, LIST_KIND kind, ListSetup* setup,
                        int renameButton, std::string* renamed)
{
    if (setup == nullptr || setup->count < 0)
        return -1;
    if (text == nullptr)
        text = "";
    int inner = listColumns(*setup) + (kind != MENU ? markWidth(kind) - 1 : 0);
    if (inner < buttonColumns(setup->buttons))
        inner = buttonColumns(setup->buttons);
    int boxWidth = CurText::boxSize(text, 0, textWidth, {0, 4}, inner).cols;
    if (textHeight < 0)
        textHeight = text[0] != '\0' ? CurText::wrappedLines(text, boxWidth - 4) : 0;
    int rows = listHeight > 0 ? listHeight : setup->count;
    int room = LINES - 6 - (setup->helps != nullptr ? 1 : 0);
    if (textHeight > room - 1)
        textHeight = room - 1 > 0 ? room - 1 : 0;
    if (rows > room - textHeight)
        rows = room - textHeight;
    if (rows < 1)
        rows = 1;

    int chosen;
    {
        CurTDialog dialog(textHeight + rows + 6, boxWidth, -1, -1);
        int W = dialog.getWidth();
        if (attributes != 0)                // 0: the theme's dialog
            dialog.setAttributes(attributes);
        dialog.setKeyCB(CurTDialog::escapeEndsCB, &dialog);
        dialog.addButtons(setup->buttons);
        if (title != nullptr && title[0] != '\0')
            dialog.setTitle(title, CurInit::CENTER);
        CurLabel label(&dialog, false);
        placeText(&label, text, textHeight, W - 4);
        std::unique_ptr<CurWindow> help(setup->helps != nullptr ? new CurWindow(1, COLS, LINES - 1, 0)
                                                                : nullptr);
        dialog.enterButton = setup->defaultButton;
        BoxList list(&dialog, kind, *setup, help.get());
        list.setGeometry(rows + 2, W - 4, 1 + textHeight, 2);
        RowText rowText(*setup);
        for (int i = 0; i < setup->count; i++)
            list.addLine(rowText.line(i), kind != MENU && setup->marks != nullptr && setup->marks[i],
                         false);
        if (kind == RADIO)
            list.setSelectMode(CurList::SINGLE);   // the first of several marks stays
        list.setCurrent(setup->current, false);
        list.setTypeAhead(true);
        dialog.focusFirst(&list, setup->defaultButton);

        dialog.draw();                  // sent with the loop's first key read
        label.draw();
        list.draw();
        if (setup->helps != nullptr)
            list.showHelp();
        for (;;) {
            chosen = dialog.kbdLoop();
            if (chosen < 0 || chosen != renameButton || list.getCurrent() < 0 ||
                renameInPlace(&dialog, &list, rowText.itemColumn(), *setup, renamed))
                break;
            dialog.focuser.setFocus(0);   // Esc: back to the menu
            dialog.draw();
            label.draw();
            list.draw();
        }

        setup->current = list.getCurrent() >= 0 ? list.getCurrent() : 0;
        if (kind != MENU && setup->marks != nullptr) {
            int* marked = nullptr;
            int count = 0;
            list.getSelected(&marked, &count);
            memset(setup->marks, 0, setup->count * sizeof(bool));
            for (int k = 0; k < count; k++)
                setup->marks[marked[k]] = true;
            delete[] marked;
        }
    }
    CurInit::refreshAllWindows();
    return chosen;
}

int CurTDialog::showMenu(int textHeight, int textWidth, int listHeight, int attributes,
                         const char* text, const char* title, const char* const* tags,
                         const char* const* items, int count, int* choice)
{
    ListSetup setup;
    setup.tags = tags;
    setup.items = items;
    setup.count = count;
    setup.current = choice != nullptr ? *choice : 0;
    int answer = showList(textHeight, textWidth, listHeight, attributes, text, title, MENU, &setup);
    if (answer == 0 && choice != nullptr)
        *choice = setup.current;
    return answer;
}

int CurTDialog::showCheckList(int textHeight, int textWidth, int listHeight, int attributes,
                              const char* text, const char* title, const char* const* tags,
                              const char* const* items, const bool* marked, int count,
                              int** indices, int* markedCount)
{
    if (count < 0)
        return -1;
    bool* marks = new bool[count > 0 ? count : 1]();
    for (int i = 0; marked != nullptr && i < count; i++)
        marks[i] = marked[i];
    ListSetup setup;
    setup.tags = tags;
    setup.items = items;
    setup.count = count;
    setup.marks = marks;
    int answer = showList(textHeight, textWidth, listHeight, attributes, text, title, CHECK, &setup);
    if (answer == 0) {
        int n = 0;
        for (int i = 0; i < count; i++)
            n += marks[i] ? 1 : 0;
        int* rows = n > 0 ? new int[n] : nullptr;
        for (int i = 0, k = 0; k < n; i++)
            if (marks[i])
                rows[k++] = i;
        if (markedCount != nullptr)
            *markedCount = n;
        if (indices != nullptr)
            *indices = rows;
        else
            delete[] rows;
    }
    delete[] marks;
    return answer;
}

int CurTDialog::showRadioList(int textHeight, int textWidth, int listHeight, int attributes,
                              const char* text, const char* title, const char* const* tags,
                              const char* const* items, int count, int* choice)
{
    if (count < 0)
        return -1;
    bool* marks = new bool[count > 0 ? count : 1]();
    ListSetup setup;
    setup.tags = tags;
    setup.items = items;
    setup.count = count;
    setup.marks = marks;
    if (choice != nullptr && *choice >= 0 && *choice < count) {
        marks[*choice] = true;
        setup.current = *choice;
    }
    int answer = showList(textHeight, textWidth, listHeight, attributes, text, title, RADIO, &setup);
    if (answer == 0 && choice != nullptr) {
        *choice = -1;
        for (int i = 0; i < count; i++)
            if (marks[i])
                *choice = i;
    }
    delete[] marks;
    return answer;
}

// The std forms hand the C forms arrays of pointers into the strings.
static std::vector<const char*> pointers(const std::vector<std::string>& texts)
{
    std::vector<const char*> p;
    p.reserve(texts.size());
    for (const std::string& t : texts)
        p.push_back(t.c_str());
    return p;
}

static int find(const std::vector<std::string>& tags, const std::string& tag)
{
    for (size_t i = 0; i < tags.size(); i++)
        if (tags[i] == tag)
            return (int)i;
    return -1;
}

int CurTDialog::showMenu(int textHeight, int textWidth, int listHeight, int attributes,
                         std::string_view text, std::string_view title,
                         const std::vector<std::string>& tags,
                         const std::vector<std::string>& items, std::string& tag)
{
    std::vector<const char*> t = pointers(tags), i = pointers(items);
    int choice = find(tags, tag);
    int answer = showMenu(textHeight, textWidth, listHeight, attributes, std::string(text).c_str(),
                          std::string(title).c_str(), t.data(),
                          items.size() == tags.size() ? i.data() : nullptr, (int)t.size(), &choice);
    if (answer == 0)
        tag = choice >= 0 && choice < (int)tags.size() ? tags[choice] : std::string();
    return answer;
}

int CurTDialog::showCheckList(int textHeight, int textWidth, int listHeight, int attributes,
                              std::string_view text, std::string_view title,
                              const std::vector<std::string>& tags,
                              const std::vector<std::string>& items,
                              std::vector<std::string>& marked)
{
    std::vector<const char*> t = pointers(tags), i = pointers(items);
    std::unordered_set<std::string> wanted(marked.begin(), marked.end());
    bool* first = new bool[tags.size() + 1]();
    for (size_t k = 0; k < tags.size(); k++)
        first[k] = wanted.count(tags[k]) > 0;
    int* rows = nullptr;
    int count = 0;
    int answer = showCheckList(textHeight, textWidth, listHeight, attributes,
                               std::string(text).c_str(), std::string(title).c_str(), t.data(),
                               items.size() == tags.size() ? i.data() : nullptr, first,
                               (int)t.size(), &rows, &count);
    delete[] first;
    if (answer == 0) {
        marked.clear();
        for (int k = 0; k < count; k++)
            marked.push_back(tags[rows[k]]);
    }
    delete[] rows;
    return answer;
}

int CurTDialog::showRadioList(int textHeight, int textWidth, int listHeight, int attributes,
                              std::string_view text, std::string_view title,
                              const std::vector<std::string>& tags,
                              const std::vector<std::string>& items, std::string& tag)
{
    std::vector<const char*> t = pointers(tags), i = pointers(items);
    int choice = find(tags, tag);
    int answer = showRadioList(textHeight, textWidth, listHeight, attributes,
                               std::string(text).c_str(), std::string(title).c_str(), t.data(),
                               items.size() == tags.size() ? i.data() : nullptr, (int)t.size(),
                               &choice);
    if (answer == 0)
        tag = choice >= 0 ? tags[choice] : std::string();
    return answer;
}
