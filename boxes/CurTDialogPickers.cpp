// CurTDialogPickers.cpp - the one-call editor, calendar, time and file
// selection boxes of CurTDialog (boxes/): each gadget in a dialog with OK
// and Cancel, its answer handed back only when OK ends the box.
#include "CurTDialog.h"
#include "CurCalendar.h"
#include "CurFileSelect.h"
#include "CurLabel.h"
#include "CurTextEdit.h"
#include "CurTimeEdit.h"

#include <curses.h>
#include <cstring>
#include <string>

namespace {
// A negative size leaves a margin around the box; a large one takes the screen.
int fitCells(int size, int screen, int chrome)
{
    if (size < 0)
        size = screen - chrome - 2;
    if (size > screen - chrome)
        size = screen - chrome;
    return size < 1 ? 1 : size;
}
} // namespace

void CurTDialog::setUpPicker(CurTDialog& dialog, int attributes, const char* title)
{
    if (attributes != 0)                // 0: the theme's dialog
        dialog.setAttributes(attributes);
    if (title != nullptr)
        dialog.setTitle(title, CurInit::CENTER);
    dialog.addButton(" OK ");
    dialog.addButton("Cancel");
}

// The dialog has its buttons already: the gadgets are made with OK.
int CurTDialog::runPicker(CurTDialog& dialog, CurGadget& gadget, CurLabel* label)
{
    dialog.setKeyCB(CurTDialog::escapeEndsCB, &dialog);
    dialog.enterButton = 0;             // Enter the gadget leaves presses OK
    dialog.focuser.addGadget(&gadget);
    dialog.focuser.setFocus(2);
    dialog.draw();                      // sent with the loop's first key read
    if (label != nullptr)
        label->draw();
    gadget.draw();
    return dialog.kbdLoop();
}

void CurTDialog::fitText(const char* text, int inner, int* textHeight, int* textWidth)
{
    if (*textWidth < 0)
        *textWidth = CurLabel::getLongestLine(text);
    if (*textWidth < inner)
        *textWidth = inner;
    if (*textWidth > COLS - 4)
        *textWidth = COLS - 4 > 0 ? COLS - 4 : 0;
    if (*textHeight < 0)
        *textHeight = text[0] != '\0' ? CurLabel::getEffHeight(text, *textWidth) : 0;
    if (*textHeight > LINES)
        *textHeight = LINES;
}

// The editor, framed itself, inside the dialog's frame as the viewer box's.
int CurTDialog::showEdit(int editHeight, int editWidth, int attributes, const char* title,
                         const char* text, char** edited)
{
    std::string result = text != nullptr ? text : "";
    int chosen = showEdit(editHeight, editWidth, attributes,
                          title != nullptr ? std::string_view(title) : std::string_view(), result);
    if (chosen == 0 && edited != nullptr) {
        *edited = new char[result.size() + 1];
        memcpy(*edited, result.c_str(), result.size() + 1);
    }
    return chosen;
}

int CurTDialog::showEdit(int editHeight, int editWidth, int attributes, std::string_view title,
                         std::string& text)
{
    int chosen;
    {
        CurTDialog dialog(fitCells(editHeight, LINES, 6) + 6, fitCells(editWidth, COLS, 6) + 6,
                          -1, -1);
        setUpPicker(dialog, attributes, title.empty() ? nullptr : std::string(title).c_str());
        CurTextEdit edit(&dialog);
        edit.setGeometry(dialog.getHeight() - 4, dialog.getWidth() - 4, 1, 2);
        edit.setText(std::string_view(text), false);
        chosen = runPicker(dialog, edit, nullptr);
        if (chosen == 0)
            text.assign(edit.getText(), (size_t)edit.getLength());
    }
    CurInit::refreshAllWindows();
    return chosen;
}

// The text from row 1 and the month's eight rows below it, at least the
// grid's 20 columns wide.
int CurTDialog::showCalendar(int textHeight, int textWidth, int attributes, const char* text,
                             const char* title, int* day, int* month, int* year)
{
    if (text == nullptr)
        text = "";
    fitText(text, 24, &textHeight, &textWidth);
    int chosen;
    {
        CurTDialog dialog(textHeight + 12, textWidth + 4, -1, -1);
        setUpPicker(dialog, attributes, title);
        CurLabel label(&dialog, false);
        placeText(&label, text, textHeight, dialog.getWidth() - 4);
        CurCalendar calendar(&dialog);
        calendar.setGeometry(8, dialog.getWidth() - 4, textHeight + 1, 2);
        if (day != nullptr && month != nullptr && year != nullptr)
            calendar.setDate(*day, *month, *year, false);
        chosen = runPicker(dialog, calendar, &label);
        if (chosen == 0)
            calendar.getDate(day, month, year);
    }
    CurInit::refreshAllWindows();
    return chosen;
}

// The text, a blank row, and the time's row.
int CurTDialog::showTime(int textHeight, int textWidth, int attributes, const char* text,
                         const char* title, int* hours, int* minutes, int* seconds)
{
    bool given = hours != nullptr && minutes != nullptr && seconds != nullptr;
    if (given && !CurTimeEdit(nullptr).setTime(*hours, *minutes, *seconds, false))
        return -2;              // out of range: refused, nothing shown
    if (text == nullptr)
        text = "";
    fitText(text, 20, &textHeight, &textWidth);
    int chosen;
    {
        CurTDialog dialog(textHeight + 6, textWidth + 4, -1, -1);
        setUpPicker(dialog, attributes, title);
        CurLabel label(&dialog, false);
        placeText(&label, text, textHeight, dialog.getWidth() - 4);
        CurTimeEdit time(&dialog);
        time.setGeometry(1, dialog.getWidth() - 4, textHeight + 2, 2);
        if (given)
            time.setTime(*hours, *minutes, *seconds, false);
        chosen = runPicker(dialog, time, &label);
        if (chosen == 0)
            time.getTime(hours, minutes, seconds);
    }
    CurInit::refreshAllWindows();
    return chosen;
}

int CurTDialog::showFileSelect(int selectHeight, int selectWidth, int attributes,
                               const char* title, bool directories, char* buffer, int size)
{
    int initialLen = buffer != nullptr && size > 0 ? (int)strnlen(buffer, size) : 0;
    std::string path(buffer != nullptr ? buffer : "", (size_t)initialLen);
    int chosen = showFileSelect(selectHeight, selectWidth, attributes,
                                title != nullptr ? std::string_view(title) : std::string_view(),
                                directories, path);
    if (chosen == 0 && buffer != nullptr && size > 0)
        copyCut(buffer, size, path.c_str(), (int)path.size());
    return chosen;
}

// The path line on row 1, the lists below it to the separator.
int CurTDialog::showFileSelect(int selectHeight, int selectWidth, int attributes,
                               std::string_view title, bool directories, std::string& path)
{
    int chosen;
    {
        CurTDialog dialog(fitCells(selectHeight, LINES, 4) + 4, fitCells(selectWidth, COLS, 4) + 4,
                          -1, -1);
        setUpPicker(dialog, attributes, title.empty() ? nullptr : std::string(title).c_str());
        CurFileSelect select(&dialog);
        select.setGeometry(dialog.getHeight() - 4, dialog.getWidth() - 4, 1, 2);
        select.setDirectoryMode(directories, false);
        select.setPath(path.c_str(), false);
        chosen = runPicker(dialog, select, nullptr);
        if (chosen == 0)
            path = select.getPath();
    }
    CurInit::refreshAllWindows();
    return chosen;
}
