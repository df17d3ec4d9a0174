// GeometryTest.cpp - placement arithmetic at INT_MIN, -1, 0 and INT_MAX:
// windows, note and box sizes (gauge, input, viewer, menu and form boxes included), text
// measuring, every gadget drawn and keyed.
// The sanitizer fails the test on any signed overflow; besides, every box
// answers its Enter, every curses window starts on the screen, and text
// measures stay within their bounds.
#include <CurButton.h>
#include <CurGauge.h>
#include <CurLabel.h>
#include <CurLineEdit.h>
#include <CurList.h>
#include <CurNote.h>
#include <CurTDialog.h>
#include <CurToggle.h>
#include <CurViewer.h>
#include <curses.h>

#include <climits>
#include <cstring>
#include <vector>

#include "CursesTest.h"

// The toolkit's curses window, if any, starts on the screen (it may reach
// past it: its contents are kept for a larger screen).
static bool startsOnScreen(CurWindow& win)
{
    WINDOW* w = win.getWindow();
    return w == nullptr || (getbegy(w) >= 0 && getbegx(w) >= 0 && getbegy(w) < LINES && getbegx(w) < COLS);
}

// No key is left queued: each box read the Enter meant for it.
static bool nothingQueued()
{
    nodelay(stdscr, TRUE);
    int key = getch();
    nodelay(stdscr, FALSE);
    return key == ERR;
}

TEST_F(CursesTest, GeometryAtTheEndsOfIntNeverOverflows)
{
    const int ends[] = {INT_MIN, -1, 0, INT_MAX};
    const int keys[] = {KEY_DOWN, KEY_UP, KEY_END, KEY_HOME, KEY_LEFT, KEY_RIGHT, 'x', KEY_BACKSPACE, ' '};
    const char* text = "words that wrap\nat any width";
    std::vector<char> wrapped(CurLabel::formatMsgSize(text));
    CurWindow host(20, 60, 1, 1);
    CurLabel label(&host, true);
    CurButton button(&host);
    CurToggle toggle(&host);
    CurList list(&host);
    CurLineEdit edit(&host);
    CurGauge gauge(&host);
    CurViewer viewer(&host);
    gauge.setLabel("label", false);
    viewer.setText("a text\nof lines");
    list.addLine("line", false, false);
    label.setText(text, false);
    edit.setText("text", false);
    CurGadget* gadgets[] = {&label, &button, &toggle, &list, &edit, &gauge, &viewer};
    for (int h : ends) {
        SCOPED_TRACE("height " + std::to_string(h));
        EXPECT_GE(CurLabel::getEffHeight(text, h), 1);
        int rows = CurLabel::formatMsg(wrapped.data(), text, h);
        EXPECT_GE(rows, 1);
        EXPECT_LT(strlen(wrapped.data()), wrapped.size());
        for (int w : ends) {
            SCOPED_TRACE("width " + std::to_string(w));
            CurNote::showNote(h, w, 0, "a note");
            pushKeys({13});
            CurTDialog::showMessage(h, w, 0, "a message", "Title");
            EXPECT_TRUE(nothingQueued());
            CurGauge::openBox(h, w, 0, "progress", "Title", 50);
            CurGauge::closeBox();
            char answer[16] = "typed";
            pushKeys({13});
            EXPECT_EQ(0, CurTDialog::showInput(h, w, 0, "a question", "Title", answer, sizeof answer, false));
            EXPECT_STREQ("typed", answer);
            pushKeys({13});
            EXPECT_EQ(0, CurTDialog::showText(h, w, 0, "a text to read", "Title"));
            const char* const rows[] = {"row"};
            int choice = 0;
            pushKeys({13});
            EXPECT_EQ(0, CurTDialog::showMenu(h, w, h, 0, "a menu", "Title", rows, rows, 1, &choice));
            EXPECT_EQ(0, choice);
            CurTDialog::FormField field;
            field.label = "Field";
            field.labelY = field.fieldY = h;
            field.labelX = field.fieldX = field.width = w;
            pushKeys({13});
            EXPECT_EQ(0, CurTDialog::showForm(h, w, h, 0, "a form", "Title", &field, 1));
            EXPECT_TRUE(nothingQueued());
            for (int y : ends)
                for (int x : ends) {
                    CurWindow win(h, w, y, x);
                    EXPECT_TRUE(startsOnScreen(win)) << y << "," << x;
                    for (CurGadget* g : gadgets) {
                        g->setGeometry(h, w, y, x);
                        g->draw();
                        for (int key : keys)
                            g->processKey(key);
                        g->draw();
                    }
                }
        }
    }
    EXPECT_TRUE(startsOnScreen(host));
}
