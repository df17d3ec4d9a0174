// pageText.cpp - the gallery page "Text in every language": a label, a list
// and a line editor holding accented, Greek, Cyrillic and CJK text, framed
// with box lines. In a UTF-8 locale everything is measured in columns;
// elsewhere the bytes show as marks, one per byte, and never break a frame.
// The list is edited live (a or Insert adds a line, r renames the current
// one, d or Delete removes it) and the page is laid out again on a resize.
#include "Gallery.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurLineEdit.h>
#include <CurList.h>
#include <CurTDialog.h>
#include <CurWindow.h>
#include <curses.h>

#include <algorithm>
#include <cstdio>
#include <string>

static const char* const greetings[] = {
    "Grüße aus Köln",
    "Ελληνικά: Καλημέρα",
    "Русский: Привет, мир",
    "日本語: こんにちは",
    "中文: 你好，世界",
    "한국어: 안녕하세요",
    "Français: déjà vu, où ça",
};
static const int numGreetings = sizeof(greetings) / sizeof(greetings[0]);

static const char* about =
    "Texts are UTF-8 when the terminal is: widths count screen columns, so "
    "「日本語」 takes two columns a character and centres like any other word. "
    "Type any character into the line editor; Backspace and Delete remove "
    "whole characters.";

static void stopCB(void* data)
{
    static_cast<CurFocuser*>(data)->stopKbdLoop();
}

// Asks for a line's text; false when the box was cancelled.
static bool askLine(const char* title, char* buffer, int size)
{
    bool accepted = CurTDialog::showInput(1, 40, 0, "Text of the line:", title, buffer, size, false) == 0;
    CurInit::refreshAllWindows();
    return accepted;
}

void pageText()
{
    CurWindow win(CurInit::height - 2, CurInit::width, 1, 0);
    win.setTitle("Text in every language · テキスト", CurInit::CENTER);
    CurLabel label(&win, true);
    label.setAlignment(CurInit::CENTER, CurInit::TOP, false);

    CurList list(&win);
    for (int i = 0; i < numGreetings; i++)
        list.addLine(greetings[i], i == 3, false);
    CurLabel count(&win, false);
    count.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    auto showCount = [&](bool redraw) {
        count.setText("Line " + std::to_string(list.getCurrent() + 1) + " of " +
                      std::to_string(list.getCount()) + "; on the list a adds, r renames, d removes",
                      redraw);
    };
    list.setChangeCB([&](CurList*) { showCount(true); });
    CurLabel editLabel(&win, false);
    editLabel.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    editLabel.setText("Your text (any script):", false);
    CurLineEdit edit(&win);
    edit.setText("Grüße, 日本", false);
    CurButton back(&win);
    back.setText("Back", false);

    // The label and the list take the window's width and height; the right
    // column keeps to the right edge.
    auto layout = [&] {
        galleryFooter("Tab moves between the gadgets; type in the editor; Back leaves.");
        win.resize(CurInit::height - 2, CurInit::width);
        int right = std::max(win.getWidth() - 38, 12);
        label.setGeometry(4, win.getWidth() - 4, 1, 2);
        list.setGeometry(std::max(win.getHeight() - 9, 2), right - 6, 6, 2);
        count.setGeometry(1, win.getWidth() - 4, win.getHeight() - 2, 2);
        editLabel.setGeometry(1, 30, 7, right);
        edit.setGeometry(1, 30, 8, right);
        back.setGeometry(1, 10, 11, right);
        win.erase();
        win.drawFrame();
        label.setText(about, false);
        showCount(false);
        for (CurGadget* g : {(CurGadget*)&label, (CurGadget*)&list, (CurGadget*)&count,
                             (CurGadget*)&editLabel, (CurGadget*)&edit, (CurGadget*)&back})
            g->draw();
    };
    layout();
    win.update();
    CurInit::setResizeCB(layout);

    CurFocuser form;
    form.addGadget(&edit);
    form.addGadget(&list);
    form.addGadget(&back);
    back.setActivateCB(stopCB, &form);
    form.setKeyFilterCB([&](int key) {
        if (form.getFocusGadget() != &list)
            return false;
        char text[80] = "";
        int current = list.getCurrent();
        if (key == 'a' || key == KEY_IC) {
            if (askLine("Add a line", text, sizeof text))
                list.insertLine(current + 1, text, false, true);
        } else if (key == 'r' && current >= 0) {
            snprintf(text, sizeof text, "%s", list.getLine(current));
            if (askLine("Rename the line", text, sizeof text))
                list.setLine(current, text, true);
        } else if ((key == 'd' || key == KEY_DC) && current >= 0)
            list.removeLine(current, true);
        else
            return false;
        showCount(true);
        win.update();
        return true;
    });
    form.kbdLoop();
    CurInit::setResizeCB(nullptr, nullptr);
}
