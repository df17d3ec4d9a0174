// CurInitEventsTest.cpp - the key reader on a real terminal: resizes while a
// form, a log pane and a centred dialog are up, Ctrl-L over garbage, Esc in
// a dialog, the program's own keys, a watched FIFO and a timer.
#include "ScreenSession.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Every cell as text and attributes, to compare whole screens.
std::vector<std::string> image(const ScreenSession& s)
{
    std::vector<std::string> rows;
    for (int r = 0; r < s.rows(); r++) {
        std::string row;
        for (int c = 0; c < s.cols(); c++) {
            ScreenCell cell = s.cell(r, c);
            row += cell.text + (cell.bold ? "b" : "") + (cell.reverse ? "r" : "") + char('0' + cell.fg + 2);
        }
        rows.push_back(row);
    }
    return rows;
}

class EventsTest : public ::testing::Test {
protected:
    ScreenSession s{24, 80};

    void start(const std::vector<std::string>& args = {})
    {
        std::vector<std::string> argv = {scenarioPath("events_demo")};
        argv.insert(argv.end(), args.begin(), args.end());
        ASSERT_TRUE(s.start(argv));
        ASSERT_TRUE(s.waitForText("line 10")) << s.dump();
        ASSERT_TRUE(s.waitQuiet(150, 8000)) << s.dump();
    }
    void resize(int rows, int cols)
    {
        s.resize(rows, cols);
        ASSERT_TRUE(s.waitQuiet(200)) << s.dump();
    }
    void expectScreen(const std::vector<std::string>& before, const char* when)
    {
        SCOPED_TRACE(when);
        ASSERT_TRUE(s.waitQuiet(200)) << s.dump();
        std::vector<std::string> now = image(s);
        for (size_t r = 0; r < before.size() && r < now.size(); r++)
            EXPECT_EQ(before[r], now[r]) << "row " << r << "\n" << s.dump();
    }
    void end()
    {
        s.sendBytes("\x13");             // Ctrl-S
        EXPECT_EQ(0, s.waitExit()) << s.dump();
    }
};

TEST_F(EventsTest, ResizesKeepTheScreenAndCentreTheDialogAgain)
{
    start();
    std::vector<std::string> form = image(s);
    s.sendKey(VTermKey(VTERM_KEY_FUNCTION(2)));
    ASSERT_TRUE(s.waitForText("Drop") && s.waitQuiet()) << s.dump();
    std::vector<std::string> dialog = image(s);

    resize(12, 40);                      // the dialog centred anew, the form cut
    EXPECT_TRUE(s.cell(2, 5).isUpperLeft()) << s.dump();
    EXPECT_TRUE(s.cell(8, 34).isLowerRight()) << s.dump();
    EXPECT_EQ("1", s.result("resized"));
    resize(24, 80);
    expectScreen(dialog, "grown back");

    // A burst down to one cell and up past the first size, keys among them.
    int sizes[][2] = {{1, 1}, {100, 300}, {5, 9}, {2, 200}, {60, 3}};
    for (int i = 0; i < 20; i++) {
        s.resize(sizes[i % 5][0], sizes[i % 5][1]);
        if (i % 5 == 0)
            s.tab();                     // two buttons: an even number of Tabs
    }
    resize(24, 80);
    expectScreen(dialog, "after the burst");
    s.escape();
    ASSERT_TRUE(s.waitForResult("dialog")) << s.dump();
    EXPECT_EQ("1", s.result("dialog"));
    expectScreen(form, "dialog closed");
    end();
}

TEST_F(EventsTest, CtrlLWipesWhatOthersWroteAndKeysReachTheProgram)
{
    start();
    std::vector<std::string> clean = image(s);
    std::string garbage = "\x1b[3;5Hgarbage over the form\x1b[18;10H!!!!\x1b[1;1H";
    s.feed(garbage.data(), garbage.size());
    s.sendBytes("\x0c");
    expectScreen(clean, "Ctrl-L");

    s.sendText("ab");
    s.sendBytes("\x1bx");                // Alt+x
    s.sendKey(VTermKey(VTERM_KEY_FUNCTION(1)));
    s.escape();
    ASSERT_TRUE(s.waitForText("Esc")) << s.dump();
    EXPECT_EQ("Alt+x", s.text(17, 3, 5)) << s.dump();
    EXPECT_EQ("F1 pressed", s.text(18, 3, 10)) << s.dump();
    end();
    EXPECT_EQ("ab", s.result("text"));   // the x of Alt+x never reached the editor
}

TEST_F(EventsTest, WatchedFifoAndTimerShowOnTheScreen)
{
    std::string fifo = s.resultPath() + ".fifo";
    ASSERT_EQ(0, mkfifo(fifo.c_str(), 0600));
    start({fifo});
    int fd = open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(11, write(fd, "hello pipe\n", 11));
    ASSERT_TRUE(s.waitForText("hello pipe")) << s.dump();
    close(fd);
    ASSERT_TRUE(s.waitForText("closed")) << s.dump();
    EXPECT_TRUE(s.waitForText("ticks: 5")) << s.dump();
    unlink(fifo.c_str());
    end();
}

} // namespace
