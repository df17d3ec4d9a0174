// CurMenuTest.cpp - menus driven by keys on a real terminal (scenario
// menu_demo): the bar opened with F10, its own key and Alt letters, moving
// between titles and items, choosing, Esc closing a level, the screen
// restored, the focus given back; the pop-up's answers on bad input.
#include "ScreenSession.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Keys one at a time, each waited for: an Esc followed at once by a key
// would read as Alt plus that key.
bool press(ScreenSession& s, const std::string& keys)
{
    size_t start = 0;
    while (start < keys.size()) {
        size_t end = keys.find(' ', start);
        if (end == std::string::npos)
            end = keys.size();
        if (!s.key(keys.substr(start, end - start)) || !s.waitSettled())
            return false;
        start = end + 1;
    }
    return true;
}

std::string screenText(const ScreenSession& s)
{
    std::string text;
    for (int row = 0; row < s.rows(); row++)
        text += s.rowText(row) + "\n";
    return text;
}

void startBar(ScreenSession& s, const char* mode)
{
    ASSERT_TRUE(s.start({scenarioPath("menu_demo"), mode}));
    ASSERT_TRUE(s.waitForText("Help") && s.waitSettled()) << s.dump();
}

}  // namespace

// Each row: the keys, then what the callbacks reported. The focuser's
// Enter ends the bar scenario, so a row may end with it to stop there.
TEST(CurMenuBar, KeysOpenMoveAndChoose)
{
    struct Case {
        const char* mode;
        const char* keys;
        const char* chosen;
        const char* wrap;
    } cases[] = {
        {"bar", "F10 Enter Enter Enter", "new", "0"},
        {"bar", "Alt-e Enter Enter", "copy", "0"},
        {"bar", "Alt-e Down Enter Enter", "paste", "0"},
        {"bar", "Alt-f Down Down Enter Enter", "wrap", "1"},   // past the separator and the disabled item
        {"bar", "Alt-f Up Up Enter Enter", "wrap", "1"},       // wraps to the end
        {"bar", "Alt-f Left Enter Enter", "about", "0"},       // Left from the first title: the last
        {"bar", "F10 Right Right Down Enter Enter", "about", "0"},
        {"bar", "Alt-m e p Enter", "paste", "0"},              // the program's key, then hot keys
        {"bar", "Alt-f Alt-h Enter Enter", "about", "0"},      // an Alt key in a menu names another
        {"bar", "Alt-f p Esc Esc Enter", "", "0"},       // a disabled item's hot key does nothing
        {"bar", "Alt-f W Alt-f w Enter", "wrap", "0"},   // a check item flips each time
        {"bar", "F10 Esc Alt-h Esc Right Enter Esc Esc Enter", "", "0"},
        {"bar", "Alt-f x", "exit", "0"},
        {"own", "Alt-e c F10 Alt-f x", "exit", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + ": " + c.keys);
        ScreenSession s(24, 80);
        startBar(s, c.mode);
        ASSERT_TRUE(press(s, c.keys)) << s.dump();
        EXPECT_EQ(0, s.waitExit()) << s.dump();
        EXPECT_EQ(c.chosen, s.result("chosen"));
        EXPECT_EQ(c.wrap, s.result("wrap"));
    }
}

// What lay under a pull-down comes back cell for cell, and the keys go to
// the focused editor again, the cursor in it, also after a resize.
TEST(CurMenuBar, ClosingRestoresTheScreenAndTheFocus)
{
    ScreenSession s(24, 80);
    startBar(s, "bar");
    ASSERT_TRUE(press(s, "a b")) << s.dump();
    std::string before = screenText(s);
    int row = s.cursorRow(), col = s.cursorCol();

    ASSERT_TRUE(press(s, "Alt-f")) << s.dump();
    EXPECT_EQ("     New         Ctrl-N ", s.text(2, 2, 24)) << s.dump();
    EXPECT_EQ("[ ] Wrap lines", s.text(6, 3, 14)) << s.dump();
    EXPECT_TRUE(s.cell(2, 2).reverse) << "the first item is current\n" << s.dump();
    EXPECT_TRUE(s.cell(2, 7).underline) << "its hot key\n" << s.dump();
    EXPECT_FALSE(s.cell(0, 2).reverse) << "the open title stands out of the bar\n" << s.dump();
    EXPECT_TRUE(s.cell(0, 8).reverse) << s.dump();
    ASSERT_TRUE(press(s, "Right")) << s.dump();
    EXPECT_NE(-1, s.findRow("Paste")) << s.dump();
    EXPECT_EQ(-1, s.findRow("Open...")) << "the neighbour's menu replaced it\n" << s.dump();

    ASSERT_TRUE(press(s, "Esc Esc")) << s.dump();
    EXPECT_EQ(before, screenText(s)) << s.dump();
    EXPECT_EQ(row, s.cursorRow());
    EXPECT_EQ(col, s.cursorCol());
    ASSERT_TRUE(press(s, "Alt-f")) << s.dump();      // a resize under an open menu
    ASSERT_TRUE(s.resize(3, 12) && s.waitSettled()) << s.dump();
    ASSERT_TRUE(press(s, "Down Esc Esc c Enter")) << s.dump();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
    EXPECT_EQ("abc", s.result("text"));
}

// The pop-up's answer for keys on menus of every size and shape, screens
// down to one cell, and the screen under it given back.
TEST(CurMenu, PopupAnswersOnAnyMenuAndScreen)
{
    struct Case {
        int rows, cols;
        std::vector<std::string> args;
        const char* keys;
        const char* popup;
    } cases[] = {
        {24, 80, {"4"}, "Down Enter", "1"},
        {24, 80, {"4"}, "Esc", "-1"},
        {24, 80, {"4"}, "b", "1"},                       // two items share b: the first has it
        {24, 80, {"4"}, "Alt-a", "0"},                   // A0's letter is its hot key
        {24, 80, {"4", "accent"}, "é", "3"},             // a hot key beyond ASCII
        {24, 80, {"4", "accent"}, "Alt-é", "3"},
        {24, 80, {"0"}, "", "-1"},                       // nothing to choose: at once
        {24, 80, {"1000"}, "End Enter", "999"},
        {24, 80, {"1000"}, "PageDown PageDown Enter", "44"},
        {24, 80, {"1000"}, "Up Enter", "999"},
        {24, 80, {"3", "wide"}, "End Enter", "2"},
        {1, 1, {"4"}, "Down Down Enter", "2"},
        {2, 5, {"1000", "wide"}, "End Enter", "999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.rows) + "x" + std::to_string(c.cols) + " " + c.args[0] + " "
                     + c.keys);
        ScreenSession s(c.rows, c.cols);
        if (c.args.size() > 1 && c.args[1] == "accent")
            s.setEnv("LC_ALL", "C.UTF-8");
        std::vector<std::string> argv = {scenarioPath("menu_demo"), "popup"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        ASSERT_TRUE(s.start(argv));
        ASSERT_TRUE(s.waitSettled()) << s.dump();
        ASSERT_TRUE(press(s, c.keys)) << s.dump();
        EXPECT_EQ(0, s.waitExit()) << s.dump();
        EXPECT_EQ(c.popup, s.result("popup"));
        EXPECT_EQ(std::string(c.cols, '.'), s.rowText(c.rows / 2)) << s.dump();
    }
}
