// ExamplesTest.cpp - the newcomer's example programs on a real terminal. The
// log viewer follows a growing file: lines already there, lines appended
// later, a line still being written, errors in their own attribute, a
// truncated file, and a file that does not exist. The login form takes a
// name and a masked password, or is cancelled. The question box answers.
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "ScreenSession.h"

namespace {

// A scratch file that the test appends to while logview watches it.
class LogFile {
public:
    LogFile()
    {
        char name[] = "/tmp/velmora-logview-XXXXXX";
        int fd = mkstemp(name);
        if (fd >= 0)
            close(fd);
        path = name;
    }
    ~LogFile() { unlink(path.c_str()); }
    void append(const std::string& text)
    {
        std::ofstream out(path, std::ios::app);
        out << text;
    }
    void truncate(const std::string& text)
    {
        std::ofstream out(path, std::ios::trunc);
        out << text;
    }
    std::string path;
};

}  // namespace

TEST(Logview, FollowsTheFileAndShowsErrorsInTheirOwnAttribute)
{
    LogFile file;
    file.append("first line\nsecond line\n");
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({examplePath("logview"), file.path}));
    ASSERT_TRUE(s.waitForText("second line") && s.waitQuiet()) << s.dump();
    EXPECT_EQ("logview", s.text(0, 0, 7));
    EXPECT_TRUE(s.cell(1, 0).isUpperLeft()) << s.dump();
    EXPECT_EQ("first line", s.text(2, 1, 10));
    EXPECT_EQ("second line", s.text(3, 1, 11));

    file.append("an ERROR appeared\nhalf a li");
    ASSERT_TRUE(s.waitForText("an ERROR appeared") && s.waitQuiet(400)) << s.dump();
    EXPECT_TRUE(s.cell(4, 1).bold) << s.dump();
    EXPECT_EQ(1, s.cell(4, 1).fg) << "red";
    EXPECT_FALSE(s.cell(3, 1).bold);
    EXPECT_EQ(-1, s.findRow("half a li")) << "a line shows once it is complete\n" << s.dump();
    file.append("ne\n");
    ASSERT_TRUE(s.waitForText("half a line")) << s.dump();
    EXPECT_EQ(5, s.findRow("half a line"));

    file.truncate("after rotation\n");
    ASSERT_TRUE(s.waitForText("after rotation")) << s.dump();
    EXPECT_EQ(6, s.findRow("truncated")) << s.dump();

    s.sendText("q");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

TEST(Logview, AMissingFileEndsItBeforeTheScreenIsTaken)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({examplePath("logview"), "/nonexistent/velmora.log"}));
    EXPECT_EQ(1, s.waitExit()) << s.dump();
    EXPECT_NE(std::string::npos, s.stderrText().find("/nonexistent/velmora.log")) << s.dump();
}

TEST(Login, TakesANameAndAMaskedPassword)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({examplePath("login")}));
    ASSERT_TRUE(s.waitForText("Password:") && s.waitQuiet()) << s.dump();
    s.sendText("anna");
    s.tab();
    s.sendText("secret");
    ASSERT_TRUE(s.waitForText("******")) << s.dump();
    EXPECT_FALSE(s.contains("secret")) << s.dump();
    s.enter();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
    EXPECT_TRUE(s.contains("Welcome, anna (your password has 6 characters).")) << s.dump();
}

TEST(Login, CancelEndsWithoutLoggingIn)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({examplePath("login")}));
    ASSERT_TRUE(s.waitForText("Password:") && s.waitQuiet()) << s.dump();
    s.sendText("anna");
    s.backTab();                         // from the first field round to Cancel
    s.enter();
    EXPECT_EQ(1, s.waitExit()) << s.dump();
    EXPECT_TRUE(s.contains("Cancelled.")) << s.dump();
}

TEST(Question, OneCallAsksAndTheAnswerComesBack)
{
    for (bool yes : {true, false}) {
        ScreenSession s(24, 80);
        ASSERT_TRUE(s.start({examplePath("question"), "Shall we?"}));
        ASSERT_TRUE(s.waitForText("Shall we?") && s.waitQuiet()) << s.dump();
        EXPECT_NE(-1, s.findRow("A question")) << "the title on the top border\n" << s.dump();
        if (!yes)
            s.tab();                     // the focus starts on Yes
        s.enter();
        EXPECT_EQ(yes ? 0 : 1, s.waitExit()) << s.dump();
        EXPECT_TRUE(s.contains(yes ? "You answered yes." : "You answered no.")) << s.dump();
    }
}


// The question box under each theme on terminals of 8, 16, 88 and 256
// colours and none. The example gives its box reverse video of its own,
// which wins over the theme's dialog (and reverses what is drawn in it); the
// screen and the focused button's colours come from the theme, or fall back
// to today's attributes without colours.
TEST(Question, ThemesColourTheScreenAndButtonsOnEveryKindOfTerminal)
{
    const int D = ScreenCell::DEFAULT;
    struct Case {
        const char* term;
        const char* theme;
        const char* colours;             // VELMORA_COLORS, or null
        bool        noColor;
        int         screenBg, buttonFg, buttonBg;
    } cases[] = {
        {"xterm", nullptr, nullptr, false, D, D, D},             // today's look
        {"xterm", "default", nullptr, false, D, D, D},
        {"xterm", "classic", nullptr, false, 4, 7, 1},          // bright white as bold white
        {"xterm-16color", "classic", nullptr, false, 4, 15, 1},
        {"xterm-88color", "classic", nullptr, false, 4, 15, 1},
        {"xterm-256color", "classic", nullptr, false, 4, 15, 1},
        {"vt100", "classic", nullptr, false, D, D, D},
        {"xterm", "classic", nullptr, true, D, D, D},            // NO_COLOR
        {"xterm-256color", "classic", "button-focused=green,black,bold:screen=", false, 4, 2, 0},
        {"xterm", nullptr, "button-focused=208,black", false, D, D, D},  // no colour 208 here
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.term) + " " + (c.theme ? c.theme : "-") + " " +
                     (c.colours ? c.colours : "-") + (c.noColor ? " NO_COLOR" : ""));
        ScreenSession s(24, 80);
        s.setTerm(c.term);
        if (c.theme != nullptr)
            s.setEnv("VELMORA_THEME", c.theme);
        if (c.colours != nullptr)
            s.setEnv("VELMORA_COLORS", c.colours);
        if (c.noColor)
            s.setEnv("NO_COLOR", "1");
        ASSERT_TRUE(s.start({examplePath("question"), "Shall we?"}));
        ASSERT_TRUE(s.waitForText("Shall we?") && s.waitQuiet()) << s.dump();
        int row = s.findRow("Yes");
        ASSERT_NE(-1, row) << s.dump();
        int col = (int)s.text(row, 0, 80).find("Yes");
        EXPECT_EQ(c.screenBg, s.cell(0, 0).bg) << s.dump();
        EXPECT_EQ(c.buttonFg, s.cell(row, col).fg) << s.dump();
        EXPECT_EQ(c.buttonBg, s.cell(row, col).bg) << s.dump();
        EXPECT_TRUE(s.cell(row, col).reverse && s.cell(row, col).bold) << s.dump();
        EXPECT_TRUE(s.cell(row - 2, col).reverse) << "the program's own attribute\n" << s.dump();
        s.enter();
        EXPECT_EQ(0, s.waitExit()) << s.dump();
    }
}

TEST(Worker, AThreadFillsTheGaugeAndTheLogThroughPosts)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({examplePath("worker")}));
    ASSERT_TRUE(s.waitForText("part 20 of 20 received", 10000)) << s.dump();
    ASSERT_TRUE(s.waitForText("done: q quits")) << s.dump();
    for (int part = 5; part <= 20; part++)   // the first ones have scrolled away
        EXPECT_NE(std::string::npos, s.dump().find("part " + std::to_string(part) + " of 20")) << part;
    EXPECT_TRUE(s.cell(2, 3).reverse && s.cell(2, 76).reverse) << "full\n" << s.dump();
    s.sendText("q");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

// The same program on three event loops: the loop's own timer and the
// toolkit's keys both reach the screen, and Esc ends the loop.
TEST(EventLoops, TheToolkitTakesTurnsInsideAnotherLoop)
{
    const struct {
        const char* program;
        const char* tick;
    } loops[] = {{"pollloop", "tick 2 from the program's own loop"},
                 {"uvloop", "tick 2 from libuv"},
                 {"glibloop", "tick 2 from GLib"}};
    std::string missing;
    for (const auto& loop : loops) {
        SCOPED_TRACE(loop.program);
        if (access(examplePath(loop.program).c_str(), X_OK) != 0) {
            missing += std::string(" ") + loop.program;
            continue;
        }
        ScreenSession s(24, 80);
        ASSERT_TRUE(s.start({examplePath(loop.program)}));
        ASSERT_TRUE(s.waitForText(loop.tick)) << s.dump();
        s.sendText("hello");
        s.enter();
        ASSERT_TRUE(s.waitForText("you typed: hello")) << s.dump();
        s.escape();
        EXPECT_EQ(0, s.waitExit()) << s.dump();
    }
    if (!missing.empty())
        GTEST_SKIP() << "not built (libuv1-dev or libglib2.0-dev missing):" << missing;
}

// The three-pane example follows the terminal from 200 x 60 down to 20 x 10
// and back: its frame on the screen's corners, the buttons on the last row
// inside it, the chosen note shown; Tab then reaches Quit.
TEST(Panes, FollowsEveryResizeWithNothingOutOfPlace)
{
    ScreenSession s(60, 200);
    ASSERT_TRUE(s.start({examplePath("panes")}));
    ASSERT_TRUE(s.waitForText("Quit") && s.waitSettled()) << s.dump();
    const int sizes[][2] = {{10, 20}, {24, 80}, {13, 41}, {60, 200}};
    for (auto& size : sizes) {
        int rows = size[0], cols = size[1];
        ASSERT_TRUE(s.resize(rows, cols));
        ASSERT_TRUE(s.waitFor([&] { return s.cell(rows - 1, cols - 1).isLowerRight(); })
                    && s.waitSettled()) << rows << " x " << cols << "\n" << s.dump();
        EXPECT_TRUE(s.cell(0, 0).isUpperLeft() && s.cell(rows - 1, 0).isLowerLeft()
                    && s.cell(0, cols - 1).isUpperRight()) << s.dump();
        EXPECT_NE(std::string::npos, s.text(rows - 2, 0, cols).find("Add")) << s.dump();
        EXPECT_NE(std::string::npos, s.text(rows - 2, 0, cols).find("Quit")) << s.dump();
    }
    s.down();
    ASSERT_TRUE(s.waitFor([&] { return s.text(1, 0, 200).find("work") != std::string::npos; }))
        << s.dump();                     // the note beside the list, on its first row
    s.tab();
    s.tab();
    s.tab();
    s.enter();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}
