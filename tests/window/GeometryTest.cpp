// GeometryTest.cpp - placement arithmetic at the ends of int: windows, note
// and box sizes, and every gadget's rectangle drawn and keyed at INT_MIN,
// -1, 0 and INT_MAX. The sanitizer fails the test on any signed overflow.
#include <CurButton.h>
#include <CurLabel.h>
#include <CurLineEdit.h>
#include <CurList.h>
#include <CurNote.h>
#include <CurTDialog.h>
#include <CurToggle.h>
#include <CurWindow.h>
#include <curses.h>

#include <climits>
#include <vector>

#include "CursesTest.h"

namespace {
const int ENDS[] = {INT_MIN, -1, 0, INT_MAX};

// Every gadget kind on one window, given the same rectangle.
void drawAndKeyEveryGadget(CurWindow* win, int h, int w, int y, int x)
{
    CurLabel label(win, true);
    label.setText("a label that wraps", false);
    CurButton button(win);
    CurToggle toggle(win);
    CurList list(win);
    for (int i = 0; i < 5; i++)
        list.addLine("line", false, false);
    CurLineEdit edit(win);
    edit.setText("some text", false);
    CurGadget* all[] = {&label, &button, &toggle, &list, &edit};
    for (CurGadget* g : all) {
        g->setGeometry(h, w, y, x);
        g->draw();
        for (int key : {KEY_DOWN, KEY_UP, KEY_END, KEY_HOME, KEY_LEFT, KEY_RIGHT, int('x'), KEY_BACKSPACE, int(' ')})
            g->processKey(key);
        g->draw();
    }
}
}  // namespace

TEST_F(CursesTest, GeometryAtTheEndsOfIntNeverOverflows)
{
    CurWindow host(20, 60, 1, 1);
    for (int h : ENDS)
        for (int w : ENDS)
            for (int y : ENDS)
                for (int x : ENDS) {
                    CurWindow win(h, w, y, x);
                    EXPECT_TRUE(win.getWindow() == nullptr || (win.getHeight() > 0 && win.getWidth() > 0));
                    drawAndKeyEveryGadget(&host, h, w, y, x);
                }
    const char* text = "words that wrap\nat any width";
    std::vector<char> wrapped(CurLabel::formatMsgSize(text));
    for (int w : ENDS) {
        CurLabel::getEffHeight(text, w);
        CurLabel::formatMsg(wrapped.data(), text, w);
    }
    for (int h : ENDS)
        for (int w : ENDS) {
            CurNote::showNote(h, w, 0, "a note");
            pushKeys({13});
            CurTDialog::showMessage(h, w, 0, "a message", "Title");
        }
}
