// GeometryTest.cpp - placement arithmetic at INT_MIN, -1, 0 and INT_MAX:
// windows, note and box sizes (gauge, input, viewer, menu and form boxes included), text
// measuring, every gadget drawn and keyed.
// The sanitizer fails the test on any signed overflow.
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
#include <vector>

#include "CursesTest.h"

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
        CurLabel::getEffHeight(text, h);
        CurLabel::formatMsg(wrapped.data(), text, h);
        for (int w : ends) {
            CurNote::showNote(h, w, 0, "a note");
            pushKeys({13});
            CurTDialog::showMessage(h, w, 0, "a message", "Title");
            CurGauge::openBox(h, w, 0, "progress", "Title", 50);
            CurGauge::closeBox();
            char answer[16] = "typed";
            pushKeys({13});
            CurTDialog::showInput(h, w, 0, "a question", "Title", answer, sizeof answer, false);
            pushKeys({13});
            CurTDialog::showText(h, w, 0, "a text to read", "Title");
            const char* const rows[] = {"row"};
            int choice = 0;
            pushKeys({13});
            CurTDialog::showMenu(h, w, h, 0, "a menu", "Title", rows, rows, 1, &choice);
            CurTDialog::FormField field;
            field.label = "Field";
            field.labelY = field.fieldY = h;
            field.labelX = field.fieldX = field.width = w;
            pushKeys({13});
            CurTDialog::showForm(h, w, h, 0, "a form", "Title", &field, 1);
            for (int y : ends)
                for (int x : ends) {
                    CurWindow win(h, w, y, x);
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
}
