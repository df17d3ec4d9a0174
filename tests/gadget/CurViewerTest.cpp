// CurViewerTest.cpp - the text viewer on a real terminal over generated
// files: the scroll keys, search and its repeat, wrapping, sideways
// scrolling, and files that are missing, empty, binary, one huge line, a
// FIFO, growing while shown; in the test process, a long search with keys
// typed meanwhile and a path that names another file or none.
#include "CurViewer.h"
#include "CurWindow.h"
#include "CursesTest.h"
#include "ScreenSession.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A temporary directory with the files of one test; removed with them.
class ViewerTest : public ::testing::Test {
protected:
    std::string dir;
    std::unique_ptr<ScreenSession> session;

    void SetUp() override
    {
        char pattern[] = "/tmp/velmora-viewer-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        dir = pattern;
    }
    void TearDown() override
    {
        session.reset();
        std::string cmd = "rm -rf '" + dir + "'";
        ASSERT_EQ(0, system(cmd.c_str()));
    }
    std::string write(const std::string& name, const std::string& bytes,
                      std::ios::openmode mode = std::ios::trunc)
    {
        std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary | std::ios::out | mode) << bytes;
        return path;
    }
    std::string lines(int from, int to)
    {
        std::string text;
        for (int i = from; i <= to; i++)
            text += "line " + std::to_string(i) + "\n";
        return text;
    }
    // A new viewer session on path; the one before is ended.
    void open(const std::string& path, const char* wrap = "plain")
    {
        session.reset(new ScreenSession(24, 80));
        ScreenSession& s = *session;
        s.setEnv("ESCDELAY", "50");
        s.setEnv("LC_ALL", "C.UTF-8");  // controls show as their pictures
        ASSERT_TRUE(s.start({scenarioPath("more_boxes"), "viewer", path, wrap}));
        ASSERT_TRUE(s.waitForResult("opened")) << s.dump();
        ASSERT_TRUE(s.waitQuiet()) << s.dump();
    }
    std::string trimmed(int r)
    {
        std::string t = session->text(r, 1, 38);
        return t.substr(0, t.find_last_not_of(' ') + 1);
    }
};

}  // namespace

TEST_F(ViewerTest, KeysScrollAndSearchAFileOfThousandLines)
{
    struct Case {
        const char* what;
        std::function<void(ScreenSession&)> keys;
        const char* first;               // the first row afterwards
        const char* last;                // the last row afterwards
    } cases[] = {
        {"nothing", [](ScreenSession&) {}, "line 1", "line 10"},
        {"down", [](ScreenSession& s) { s.down(); }, "line 2", "line 11"},
        {"up at the top", [](ScreenSession& s) { s.up(); }, "line 1", "line 10"},
        {"page down", [](ScreenSession& s) { s.pageDown(); }, "line 11", "line 20"},
        {"page down twice, up", [](ScreenSession& s) { s.pageDown(); s.pageDown(); s.pageUp(); },
         "line 11", "line 20"},
        {"end", [](ScreenSession& s) { s.end(); }, "line 991", "line 1000"},
        {"end, down", [](ScreenSession& s) { s.end(); s.down(); }, "line 991", "line 1000"},
        {"end, home", [](ScreenSession& s) { s.end(); s.home(); }, "line 1", "line 10"},
        {"search", [](ScreenSession& s) { s.sendText("/line 50"); s.enter(); },
         "line 50", "line 59"},
        {"search, again", [](ScreenSession& s) { s.sendText("/line 50"); s.enter(); s.sendText("n"); },
         "line 500", "line 509"},
        {"search near the end", [](ScreenSession& s) { s.sendText("/line 999"); s.enter(); },
         "line 991", "line 1000"},
        {"search, none", [](ScreenSession& s) { s.sendText("/zzz"); s.enter(); },
         "line 1", "line 10"},
        {"search, Esc", [](ScreenSession& s) { s.sendText("/line 5"); s.escape(); },
         "line 1", "line 10"},
    };
    std::string path = write("lines", lines(1, 1000));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open(path);
        ScreenSession& s = *session;
        c.keys(s);
        s.sendText("");
        ASSERT_TRUE(s.waitFor([&] { return trimmed(1) == c.first; })) << s.dump();
        ASSERT_TRUE(s.waitQuiet()) << s.dump();
        EXPECT_EQ(c.last, trimmed(10)) << s.dump();
        bool marked = std::string(c.what).find("search") == 0 && std::string(c.what) != "search, none"
                      && std::string(c.what) != "search, Esc";
        int markRow = std::string(c.what) == "search near the end" ? 9 : 1;
        EXPECT_EQ(marked, s.cell(markRow, 1).reverse) << s.dump();
        EXPECT_EQ(std::string(c.what) == "search, none", s.contains("Not found")) << s.dump();
        s.enter();
        EXPECT_EQ(0, s.waitExit()) << s.dump();
    }
}

TEST_F(ViewerTest, AwkwardFilesOpenOrAreRefused)
{
    std::string huge(10 * 1024 * 1024, 'a');
    std::string words, many, numbered;
    for (int i = 1; i <= 12; i++)
        words += "word" + std::to_string(i) + " ";
    for (int i = 100; i < 300; i++)
        many += "w" + std::to_string(i) + " ";
    char seq[40];                        // line 1872 crosses the first multiple of 65,536
    for (int i = 0; i <= 1874; i++) {
        snprintf(seq, sizeof seq, "line %06d the quick brown fox ju\n", i);
        numbered += seq;
    }
    ASSERT_EQ(0, mkfifo((dir + "/fifo").c_str(), 0600));
    struct Case {
        std::string path;
        const char* wrap;
        std::function<void(ScreenSession&)> keys;
        const char* opened;
        std::string first;               // the first row afterwards, blanks cut
        std::string shown;               // anywhere on the screen afterwards
    } cases[] = {
        {dir + "/missing", "plain", [](ScreenSession&) {}, "0", "", "100%"},
        {dir, "plain", [](ScreenSession&) {}, "0", "", "100%"},
        {dir + "/fifo", "plain", [](ScreenSession&) {}, "0", "", "100%"},
        {write("empty", ""), "plain", [](ScreenSession&) {}, "1", "", "100%"},
        {write("binary", std::string("\x01\x02\x7f" "ab\0c", 7)), "plain",
         [](ScreenSession&) {}, "1", "\u2401\u2402\u2421ab\u2400c", "100%"},
        {write("huge", huge + "END"), "wrap", [](ScreenSession& s) { s.end(); }, "1",
         std::string(38, 'a'), "END"},
        {write("long", lines(1, 40000)), "plain",
         [](ScreenSession& s) { s.sendText("/line 39990"); s.enter(); }, "1", "line 39990", "line 39999"},
        {write("sideways", lines(1, 3)), "plain",
         [](ScreenSession& s) { s.right(); s.right(); s.right(); }, "1", "e 1", "e 3"},
        {write("words", words), "wrap", [](ScreenSession&) {}, "1",
         "word1 word2 word3 word4 word5 word6", "word7 word8 word9 word10 word11 word12"},
        {write("past a character", std::string(65535, 'a') + "\u00e9XYZ\n" + lines(1, 20)), "plain",
         [](ScreenSession& s) { s.sendText("/\u00e9XY"); s.enter(); }, "1", "\u00e9XYZ", "99%"},
        {write("one long line", std::string(70000, 'x') + "END\nnext\n"), "plain",  // one row, not pieces
         [](ScreenSession& s) { s.sendText("/END"); s.enter(); s.left(); }, "1", "xEND", "100%"},
        {write("numbered", numbered), "plain", [](ScreenSession& s) { s.end(); }, "1",
         "line 001865 the quick brown fox ju", "line 001872 the quick brown fox ju"},
        {write("many words", many), "wrap", [](ScreenSession& s) { s.end(); s.pageUp(); }, "1",
         "w163 w164 w165 w166 w167 w168 w169", "w226 w227 w228 w229 w230 w231 w232"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + " " + c.wrap);
        open(c.path, c.wrap);
        ScreenSession& s = *session;
        EXPECT_EQ(c.opened, s.result("opened"));
        c.keys(s);
        ASSERT_TRUE(s.waitFor([&] { return trimmed(1) == c.first; })) << s.dump();
        EXPECT_TRUE(s.waitForText(c.shown)) << s.dump();
        s.enter();
        EXPECT_EQ(0, s.waitExit(10000)) << s.dump();
    }
}

TEST_F(ViewerTest, FileThatGrowsAndShrinksIsFollowed)
{
    std::string path = write("log", lines(1, 5));
    open(path);
    ScreenSession& s = *session;
    write("log", lines(6, 30), std::ios::app);
    s.end();
    ASSERT_TRUE(s.waitFor([&] { return trimmed(10) == "line 30"; })) << s.dump();
    write("log", lines(1, 3));
    s.up();
    ASSERT_TRUE(s.waitFor([&] { return trimmed(3) == "line 3" && trimmed(4).empty(); })) << s.dump();
    EXPECT_EQ("line 1", trimmed(1)) << s.dump();
    s.enter();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

namespace {

// A viewer of 12 x 40 cells in the test process over a file of its own.
class ViewerFileTest : public CursesTest {
protected:
    std::string path = "/tmp/velmora-viewer-" + std::to_string(getpid());
    void TearDown() override
    {
        unlink(path.c_str());
        unlink((path + ".1").c_str());
        CursesTest::TearDown();
    }
    std::string note(CurViewer& v, CurWindow& win)
    {
        v.draw();
        return winText(win.getWindow(), 11);
    }
};

}  // namespace

TEST_F(ViewerFileTest, LongSearchStopsAtEscAndKeepsOtherKeys)
{
    std::ofstream(path) << std::string(3 << 20, '.') << "needle\n";
    struct Case {
        std::vector<int> typed;          // waiting when the search starts
        bool found;
        std::vector<int> left;           // read after it, in order
    } cases[] = {
        {{27}, false, {}},
        {{'x', KEY_DOWN}, true, {'x', KEY_DOWN}},
        {{'x', 27}, false, {'x'}},
        {{27, 'y'}, true, {27, 'y'}},    // Alt and y
    };
    for (const Case& c : cases) {
        CurWindow win(12, 40, 0, 0);
        CurViewer v(&win);
        ASSERT_TRUE(v.openFile(path.c_str()));
        for (auto k = c.typed.rbegin(); k != c.typed.rend(); ++k)
            ungetch(*k);
        EXPECT_EQ(c.found, v.search("needle"));
        EXPECT_EQ(!c.found, note(v, win).find("Search stopped") != std::string::npos);
        nodelay(stdscr, TRUE);
        for (int key : c.left)
            EXPECT_EQ(key, getch());
        EXPECT_EQ(ERR, getch());
    }
    // x then Esc typed, recorded; the log replayed stops the search again
    std::string log = path + ".1";
    for (const char* file : {"VELMORA_KEYLOG", "VELMORA_REPLAY"}) {
        setenv(file, log.c_str(), 1);
        CurInit::keylogEnd();            // the environment is read again
        CurWindow win(12, 40, 0, 0);
        CurViewer v(&win);
        ASSERT_TRUE(v.openFile(path.c_str()));
        if (std::string(file) == "VELMORA_KEYLOG") {
            ungetch(27);
            ungetch('x');
        }
        EXPECT_FALSE(v.search("needle")) << file;
        EXPECT_EQ('x', CurInit::readKey(&win)) << file;
        unsetenv(file);
        CurInit::keylogEnd();
    }
}

TEST_F(ViewerFileTest, PathNamingAnotherFileOrNoneIsFollowedAtTheNextKey)
{
    struct Case {
        const char* what;
        std::function<void(const std::string&)> change;
        const char* first;               // the first row after the key
        const char* note;
    } cases[] = {
        {"removed", [](const std::string& p) { unlink(p.c_str()); }, "old", "File removed"},
        {"rotated", [](const std::string& p) {
             rename(p.c_str(), (p + ".1").c_str());
             std::ofstream(p) << "new\n";
         }, "new", "File reopened"},
        {"a FIFO", [](const std::string& p) { unlink(p.c_str()); mkfifo(p.c_str(), 0600); },
         "old", "File replaced"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::ofstream(path) << "old\n";
        CurWindow win(12, 40, 0, 0);
        CurViewer v(&win);
        ASSERT_TRUE(v.openFile(path.c_str()));
        c.change(path);
        v.processKey(KEY_DOWN);
        EXPECT_EQ(c.first, winText(win.getWindow(), 1, 1, 3));
        EXPECT_NE(std::string::npos, note(v, win).find(c.note)) << note(v, win);
        unlink(path.c_str());
    }
}
