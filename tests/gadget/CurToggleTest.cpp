// CurToggleTest.cpp - the check box: its row for both bracket styles and
// every label placement, focus, the callback, and its keys alone and in a form.
#include "CursesTest.h"
#include "InputsTestUtil.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurToggle.h>
#include <CurWindow.h>

#include <string>
#include <vector>

namespace {

struct Counter {
    int calls = 0;
    bool stateSeen = false;
    int markSeen = 0;                    // the mark on the window when called
    WINDOW* w = nullptr;
    CurToggle* last = nullptr;
};

void countCB(CurToggle* t, void* data)
{
    Counter* c = (Counter*)data;
    c->calls++;
    c->last = t;
    c->stateSeen = t->isToggled();
    if (c->w != nullptr)
        c->markSeen = cellChar(c->w, 1, 3);
}

struct RowCase {
    const char* label;
    CurToggle::TYPE type;
    bool on;
    CurInit::ALIGNMENT align;
    int width;
    const char* text;
    const char* expected;                // the cells x .. x + width - 1
};

}  // namespace

TEST_F(CursesTest, ToggleRowForEveryTypeAlignmentAndWidth)
{
    const std::vector<RowCase> cases = {
        {"new toggle", CurToggle::CHECK, true, CurInit::CENTER, 20, "Toggle", "[*]      Toggle     "},
        {"left", CurToggle::CHECK, false, CurInit::LEFT, 20, "Toggle", "[ ] Toggle          "},
        {"right", CurToggle::RADIO, true, CurInit::RIGHT, 20, "Toggle", "(*)           Toggle"},
        {"right exact", CurToggle::RADIO, false, CurInit::RIGHT, 10, "Toggle", "( ) Toggle"},
        {"vertical value centres", CurToggle::RADIO, false, CurInit::TOP, 20, "Toggle", "( )      Toggle     "},
        {"other values: round, centred", (CurToggle::TYPE)7, true, (CurInit::ALIGNMENT)99, 20, "Toggle",
         "(*)      Toggle     "},
        {"centre cut", CurToggle::CHECK, true, CurInit::CENTER, 8, "Toggle", "[*] Togg"},
        {"right cut", CurToggle::CHECK, true, CurInit::RIGHT, 8, "Toggle", "[*] Togg"},
        {"left cut", CurToggle::CHECK, true, CurInit::LEFT, 12, "A rather long label", "[*] A rather"},
        {"no room for a label", CurToggle::CHECK, false, CurInit::LEFT, 4, "Toggle", "[ ] "},
        {"empty label", CurToggle::CHECK, true, CurInit::CENTER, 10, "", "[*]       "},
    };
    CurWindow win(3, 40, 0, 0);
    WINDOW* w = win.getWindow();
    for (const RowCase& c : cases) {
        fillWindow(w, '.');
        CurToggle t(&win);
        t.setGeometry(1, c.width, 1, 2);
        t.setType(c.type, false);
        t.setLabelAlignment(c.align, false);
        t.setText(c.text, false);
        t.toggle(c.on, false);
        t.draw();
        EXPECT_EQ(c.expected, winText(w, 1, 2, c.width)) << c.label;
        EXPECT_EQ(std::make_pair(1, 3), cursorOf(w)) << c.label << ": cursor on the mark";
        EXPECT_EQ(0, writtenOutside(w, '.', 1, c.width, 1, 2)) << c.label;
    }
}

TEST_F(CursesTest, ToggleIsReverseAcrossItsRowOnlyWhileFocused)
{
    CurWindow win(3, 40, 0, 0);
    WINDOW* w = win.getWindow();
    CurToggle t(&win);
    t.setGeometry(1, 12, 1, 2);
    fillWindow(w, '.');
    t.acceptFocus(false);
    EXPECT_EQ('.', winChar(w, 1, 2)) << "acceptFocus(false) draws nothing";
    t.draw();
    for (int col = 2; col < 14; col++)
        EXPECT_TRUE(winAttrs(w, 1, col) & A_REVERSE) << "column " << col;
    t.loseFocus(true);
    for (int col = 2; col < 14; col++)
        EXPECT_FALSE(winAttrs(w, 1, col) & A_REVERSE) << "column " << col;
    t.acceptFocus(true);
    EXPECT_TRUE(winAttrs(w, 1, 3) & A_REVERSE);
}

TEST_F(CursesTest, ToggleDrawsOnTheMiddleRowOfATallRectangle)
{
    CurWindow win(8, 40, 0, 0);
    WINDOW* w = win.getWindow();
    for (int height : {3, 4}) {
        fillWindow(w, '.');
        CurToggle t(&win);
        t.setGeometry(height, 10, 1, 0);
        t.setLabelAlignment(CurInit::LEFT, true);
        int row = 1 + height / 2;
        EXPECT_EQ("[*] Toggle", winText(w, row, 0, 10)) << "height " << height;
        EXPECT_EQ(0, writtenOutside(w, '.', 1, 10, row, 0)) << "height " << height;
    }
}

TEST_F(CursesTest, ToggleCallbackSeesTheNewStateBeforeTheRedraw)
{
    CurWindow win(3, 40, 0, 0);
    CurToggle t(&win);
    t.setGeometry(1, 20, 1, 2);
    Counter c;
    c.w = win.getWindow();
    t.setToggleCB(countCB, &c);
    t.draw();

    t.toggle(true, true);                // already on: nothing at all
    EXPECT_EQ(0, c.calls);

    t.toggle(false, true);
    EXPECT_EQ(1, c.calls);
    EXPECT_EQ(&t, c.last);
    EXPECT_FALSE(c.stateSeen);
    EXPECT_EQ('*', c.markSeen) << "not redrawn yet inside the callback";
    EXPECT_EQ(' ', winChar(win.getWindow(), 1, 3));

    t.setToggleCB(nullptr, &c);
    t.toggle(true, true);
    EXPECT_EQ(1, c.calls) << "a null callback switches reporting off";
    EXPECT_TRUE(t.isToggled());
}

TEST_F(CursesTest, ToggleIgnoresANullText)
{
    CurWindow win(3, 40, 0, 0);
    CurToggle t(&win);
    t.setGeometry(1, 12, 1, 0);
    t.setLabelAlignment(CurInit::LEFT, false);
    t.setText("Keep", false);
    t.setText(nullptr, true);            // changes nothing, draws nothing
    EXPECT_EQ(' ', winChar(win.getWindow(), 1, 0));
    t.draw();
    EXPECT_EQ("[*] Keep    ", winText(win.getWindow(), 1, 0, 12));
}

TEST_F(CursesTest, ToggleTakesOnlyTheSpaceBar)
{
    CurWindow win(3, 40, 0, 0);
    CurToggle t(&win);
    t.setGeometry(1, 12, 1, 0);
    Counter c;
    t.setToggleCB(countCB, &c);
    for (int key : std::vector<int>{13, 10, 9, 'x', KEY_LEFT, KEY_UP, KEY_ENTER})
        EXPECT_FALSE(t.processKey(key)) << key;
    EXPECT_EQ(0, c.calls);
    EXPECT_TRUE(t.processKey(' '));
    EXPECT_FALSE(t.isToggled());
    EXPECT_EQ(1, c.calls);
    EXPECT_EQ(' ', winChar(win.getWindow(), 1, 1)) << "redrawn";
}

TEST_F(CursesTest, ToggleRunAloneStopsAfterEnter)
{
    CurWindow win(3, 40, 0, 0);
    CurToggle t(&win);
    pushKeys({' ', 'q', ' ', ' ', 13});
    EXPECT_EQ(0, t.kbdLoop());
    EXPECT_FALSE(t.isToggled()) << "three spaces";
}

namespace {

struct FormCounts {
    CurFocuser* form;
    int enters = 0;
};

void enterCB(void* data)
{
    FormCounts* f = (FormCounts*)data;
    f->enters++;
    f->form->stopKbdLoop();
}

}  // namespace

TEST_F(CursesTest, ToggleInAFormFlipsOnSpaceAndLeavesEnterToTheForm)
{
    CurWindow win(6, 40, 0, 0);
    CurToggle t(&win);
    t.setGeometry(1, 20, 1, 1);
    CurButton b(&win);
    b.setGeometry(1, 10, 3, 1);
    CurFocuser form;
    form.addGadget(&t);
    form.addGadget(&b);
    FormCounts f{&form};
    form.setEnterCB(enterCB, &f);
    Counter c;
    t.setToggleCB(countCB, &c);

    pushKeys({' ', 13});
    form.kbdLoop();
    EXPECT_EQ(1, c.calls);
    EXPECT_FALSE(t.isToggled());
    EXPECT_EQ(1, f.enters);
    EXPECT_FALSE(b.isActivated());
    EXPECT_EQ("[ ]", winText(win.getWindow(), 1, 1, 3));
}
