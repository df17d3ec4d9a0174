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

// Every cell as text and attributes, row by row, to compare whole screens.
std::vector<std::string> image(const ScreenSession& s)
{
    std::vector<std::string> rows(s.rows());
    for (int r = 0; r < s.rows(); r++)
        for (int col = 0; col < s.cols(); col++) {
            ScreenCell c = s.cell(r, col);
            rows[r] += c.text + (c.bold ? "b" : "") + (c.reverse ? "r" : "") + char('2' + c.fg);
        }
    return rows;
}

class EventsTest : public ::testing::Test {
protected:
    ScreenSession s{24, 80};

    void start(const std::string& fifo = "")
    {
        ASSERT_TRUE(fifo.empty() ? s.start({scenarioPath("events_demo")})
                                 : s.start({scenarioPath("events_demo"), fifo}));
        ASSERT_TRUE(s.waitForText("line 10")) << s.dump();
        ASSERT_TRUE(s.waitQuiet(150, 8000)) << s.dump();
    }
    void resize(int rows, int cols)
    {
        s.resize(rows, cols);
        EXPECT_TRUE(s.waitQuiet(200)) << s.dump();
    }
    void expectScreen(const std::vector<std::string>& before, const char* when)
    {
        SCOPED_TRACE(when);
        s.waitFor([&] { return image(s) == before; }, 10000);   // a burst takes a while
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
    EXPECT_TRUE(s.cell(2, 5).isUpperLeft() && s.cell(8, 34).isLowerRight()) << s.dump();
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
    static const char garbage[] = "\x1b[3;5Hgarbage over the form\x1b[18;10H!!!!\x1b[1;1H";
    s.feed(garbage, sizeof garbage - 1);
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
    start(fifo);
    int fd = open(fifo.c_str(), O_WRONLY);
    ASSERT_TRUE(fd >= 0 && write(fd, "hello pipe\n", 11) == 11);
    ASSERT_TRUE(s.waitForText("hello pipe")) << s.dump();
    close(fd);
    ASSERT_TRUE(s.waitForText("closed")) << s.dump();
    EXPECT_TRUE(s.waitForText("ticks: 5")) << s.dump();
    unlink(fifo.c_str());
    end();
}

} // namespace
