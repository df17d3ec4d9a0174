// CurInitMouseTest.cpp - the mouse on a real terminal (scenario mouse_form):
// what a click, a double click and the wheel do to each kind of gadget and
// to menus, in the order a person would go, and a terminal that must not be
// asked for the mouse.
#include "ScreenSession.h"

#include <CurTestTerminal.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

enum Act { CLICK, DOUBLE, RIGHT_CLICK, WHEEL_UP, WHEEL_DOWN, CUT_WHEEL_UP, FLOOD_CLICK };

// One step: what is done where, then what must follow: a result's value,
// or (key "") the text at (row, col) of the screen, or (key "cursor",
// "row") the cursor's column or row.
struct Step {
    const char* what;
    Act         act;
    int         row, col;
    const char* key;
    const char* value;
    int         atRow, atCol;
};

// The window lies at screen row 2, column 0: a gadget's window row r is
// screen row r + 2. The list's lines start at row 10, its scroll bar is in
// column 21; the viewer's text starts at row 10, column 31; the calendar's
// weeks at row 5, column 40, the time's fields at row 16, column 63.
const Step STEPS[] = {
    {"a button presses", CLICK, 3, 5, "pressed", "1", 0, 0},
    {"a check box flips", CLICK, 4, 3, "check", "0", 0, 0},
    {"a radio button is chosen", CLICK, 6, 3, "radio", "1", 0, 0},
    {"a line editor takes the cursor", CLICK, 7, 6, "cursor", "6", 0, 0},
    {"behind its text the cursor goes to the end", CLICK, 7, 19, "cursor", "12", 0, 0},
    {"so does a text editor", CLICK, 19, 7, "cursor", "7", 0, 0},
    {"whose wheel moves it up", WHEEL_UP, 19, 7, "row", "18", 0, 0},
    {"a list line becomes current", CLICK, 12, 8, "list", "2:", 0, 0},
    {"a second click marks it", CLICK, 12, 8, "list", "2:2", 0, 0},
    {"a double click makes current and marks", DOUBLE, 13, 8, "list", "3:2,3", 0, 0},
    {"the wheel scrolls the list three rows", WHEEL_DOWN, 11, 8, "", "line 3", 10, 5},
    {"the scroll bar's arrow moves a line", CLICK, 13, 21, "list", "4:2,3", 0, 0},
    {"the wheel scrolls the viewer", WHEEL_DOWN, 11, 40, "", "row 3", 10, 31},
    {"and back", WHEEL_UP, 11, 40, "", "row 0", 10, 31},
    {"its scroll bar pages", CLICK, 12, 59, "", "row 4", 10, 31},
    {"a click chooses a calendar's day", CLICK, 6, 44, "date", "9.3", 0, 0},
    {"whose wheel turns the months", WHEEL_DOWN, 6, 44, "date", "9.4", 0, 0},
    {"a click makes a time's field current", CLICK, 16, 67, "cursor", "66", 0, 0},
    {"and the wheel steps it", WHEEL_UP, 16, 67, "time", "0:1:0", 0, 0},
    {"a click on no gadget goes to the key callback", CLICK, 18, 70, "outside", "18,70,1,2,0", 0, 0},
    {"whose pop-up a right click opens", RIGHT_CLICK, 18, 66, "", "Paste", 20, 68},
    {"and a click chooses in", CLICK, 20, 69, "popup", "1", 0, 0},
    {"so does one off every window", CLICK, 23, 0, "outside", "23,0,1,2,0", 0, 0},
    {"a title pulls its menu down", CLICK, 0, 3, "", "Open", 2, 3},
    {"an item is chosen", CLICK, 2, 4, "menu", "open", 0, 0},
    {"a click off an open menu closes it", CLICK, 0, 9, "", "Copy", 2, 9},
    {"", CLICK, 20, 40, "", "Drop", 3, 16},
    {"a button opens a question box", CLICK, 3, 27, "", "Sure?", 10, 35},
    {"whose buttons answer it", CLICK, 13, 41, "answer", "0", 0, 0},
    {"a button deletes the check box", CLICK, 3, 16, "dropped", "1", 0, 0},
    {"where it was a click finds no gadget", CLICK, 4, 3, "outside", "4,3,1,2,0", 0, 0},
    {"a wheel step cutting a character short still counts", CUT_WHEEL_UP, 11, 8, "", "line 0", 10, 5},
    {"after a flood of motion and presses off the screen", FLOOD_CLICK, 3, 5, "pressed", "2", 0, 0},
};

bool act(CurTestTerminal& t, const Step& step)
{
    if (step.act == CUT_WHEEL_UP)
        t.sendBytes("\xc3", 1);         // the first byte of a character, and no more
    std::string flood = "\x1b[<0;10001;10001M\x1b[<0;-5;99999999M\x1b[M\x20\xff\xff";
    for (int i = 0; i < 500 && step.act == FLOOD_CLICK; i++)
        flood += "\x1b[<35;" + std::to_string(i % 80 + 1) + ";5M";
    if (step.act == FLOOD_CLICK)
        t.sendBytes(flood.data(), flood.size());
    std::string cell = " " + std::to_string(step.row) + " " + std::to_string(step.col);
    if (step.act == RIGHT_CLICK)
        return t.mouse(("Right Press" + cell).c_str()) && t.mouse(("Right Release" + cell).c_str());
    if (step.act != WHEEL_UP && step.act != WHEEL_DOWN && step.act != CUT_WHEEL_UP)
        return step.act == DOUBLE ? t.doubleClick(step.row, step.col) : t.click(step.row, step.col);
    return t.wheel(step.row, step.col, step.act != WHEEL_DOWN);
}

bool done(ScreenSession& s, const Step& step)
{
    if (step.key[0] == '\0')
        return s.text(step.atRow, step.atCol, (int)strlen(step.value)) == step.value;
    if (strcmp(step.key, "cursor") == 0 || strcmp(step.key, "row") == 0)
        return std::to_string(step.key[0] == 'r' ? s.cursorRow() : s.cursorCol()) == step.value;
    return s.result(step.key) == step.value;
}

}  // namespace

TEST(CurInitMouse, ClicksAndTheWheelWorkEachKindOfGadgetAndTheMenus)
{
    ScreenSession s(24, 80);
    s.setEnv("LC_ALL", "C.UTF-8");
    ASSERT_TRUE(s.start({scenarioPath("mouse_form")}));
    ASSERT_TRUE(s.waitForText("line 3")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_EQ("1", s.result("mouse"));
    CurTestTerminal& t = s.terminal();
    for (const Step& step : STEPS) {
        EXPECT_TRUE(act(t, step)) << step.what;
        EXPECT_TRUE(s.waitFor([&] { return done(s, step); })) << step.what << "\n" << s.dump();
        ASSERT_TRUE(s.waitQuiet()) << s.dump();
    }
    s.terminal().key("Esc");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
    EXPECT_FALSE(t.mouseReporting()) << "reporting off at the end";
}

// Off by default, and never asked of a terminal whose description knows no
// mouse: not a byte of the request is written, and clicks send nothing.
TEST(CurInitMouse, OffOrWithoutTerminalSupportNothingIsAskedOrSent)
{
    struct { const char* term; const char* arg; const char* answer; } cases[] = {
        {"xterm", "off", "0"}, {"vt100", "on", "0"}, {"screen", "on", "1"}};
    for (const auto& c : cases) {
        ScreenSession s(24, 80);
        s.setTerm(c.term);
        ASSERT_TRUE(s.start({scenarioPath("mouse_form"), c.arg}));
        ASSERT_TRUE(s.waitForText("line 3")) << s.dump();
        ASSERT_TRUE(s.waitQuiet()) << s.dump();
        EXPECT_EQ(c.answer, s.result("mouse")) << c.term;
        bool on = c.answer[0] == '1';
        EXPECT_EQ(on, strstr(s.terminal().output(), "\x1b[?1000h") != nullptr) << c.term;
        EXPECT_EQ(on, s.terminal().click(3, 5)) << c.term;
        if (on) {                        // then as the plain encoding reports it
            EXPECT_TRUE(s.waitFor([&] { return s.result("pressed") == "1"; })) << c.term << s.dump();
            s.terminal().sendBytes("\x1b[M &$\x1b[M#&$", 12);
            EXPECT_TRUE(s.waitFor([&] { return s.result("pressed") == "2"; })) << c.term << s.dump();
        }
        s.terminal().key("Esc");
        EXPECT_EQ(0, s.waitExit()) << s.dump();
        EXPECT_FALSE(s.hasResult("outside")) << c.term;
    }
}
