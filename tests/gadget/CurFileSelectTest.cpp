// CurFileSelectTest.cpp - the file selection on a directory of every kind of
// entry (subdirectories, a link to one, a hidden one, a FIFO, a link loop, a
// name with a control character and a bad byte): the lists after each key,
// the path handed out, and paths that name no directory.
#include "CursesTest.h"
#include "InputsTestUtil.h"

#include <CurFileSelect.h>
#include <CurWindow.h>

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct SelectCase {
    std::vector<int> keys;               // from the path "<dir>/" with the path line focused; CLICK(row, col) a click
    std::string path;                    // what getPath gives, after "<dir>/"
    std::vector<std::string> dirs;       // the directory list's rows
    std::vector<std::string> files;      // the file list's rows
};

// The names in a list's rows: after the frame, the mark and a blank.
std::vector<std::string> rowsOf(WINDOW* w, int col, int width)
{
    std::vector<std::string> rows;
    for (int r = 2; r < 11; r++) {
        std::string text = cellsText(w, r, col + 3, width - 4);
        text.erase(text.find_last_not_of(' ') + 1);
        if (!text.empty())
            rows.push_back(text);
    }
    return rows;
}

class FileSelectTest : public CursesTest {
protected:
    void SetUp() override
    {
        CursesTest::SetUp();
        char name[] = "/tmp/velmora-fselect-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(name));
        dir = name;
        for (const char* d : {"alpha", "beta", ".hidden"})
            mkdir((dir + "/" + d).c_str(), 0700);
        for (const char* f : {"apple", "banana", "b\x01\xff" "ad"})
            close(open((dir + "/" + f).c_str(), O_CREAT | O_WRONLY, 0600));
        mkfifo((dir + "/pipe").c_str(), 0600);
        symlink("loop", (dir + "/loop").c_str());
        symlink("beta", (dir + "/tobeta").c_str());
    }
    void TearDown() override
    {
        std::string command = "rm -rf '" + dir + "'";
        EXPECT_EQ(0, system(command.c_str()));
        CursesTest::TearDown();
    }
    std::string dir;
};

}  // namespace

static int CLICK(int row, int col)
{
    return -(row * 100 + col) - 1;
}

TEST_F(FileSelectTest, ListsFollowTheKeysAndClicksAndThePathKeepsTheNamesBytes)
{
    const int D = KEY_DOWN, TAB = 9;
    const std::vector<std::string> allDirs = {"../", "alpha/", "beta/", "tobeta/"};
    const std::vector<SelectCase> cases = {
        {{}, "", allDirs, {"apple", "b??ad", "banana", "loop", "pipe"}},
        {{'b'}, "b", {"../", "beta/"}, {"b??ad", "banana"}},
        {{'b', 'a', TAB}, "banana", {"../"}, {"banana"}},
        {{'t', TAB}, "tobeta/", {"../"}, {}},                  // completed, then entered
        {{TAB, D, 13}, "alpha/", {"../"}, {}},
        {{TAB, D, 13, 13}, "", allDirs, {"apple", "b??ad", "banana", "loop", "pipe"}},
        {{TAB, TAB, D}, "b\x01\xff" "ad", allDirs, {"apple", "b??ad", "banana", "loop", "pipe"}},
        {{'.'}, ".", {"../", ".hidden/"}, {}},
        {{'a', 'l', 'p', 'h', 'a', 13}, "alpha/", {"../"}, {}},
        {{CLICK(3, 35)}, "b\x01\xff" "ad", allDirs, {"apple", "b??ad", "banana", "loop", "pipe"}},
        {{CLICK(3, 5), CLICK(3, 5)}, "alpha/", {"../"}, {}},  // current, then entered...
        {{CLICK(3, 5), CLICK(3, 5), CLICK(2, 5)}, "", allDirs,   // ...and left
         {"apple", "b??ad", "banana", "loop", "pipe"}},
    };
    CurWindow win(20, 60, 0, 0);
    for (const SelectCase& c : cases) {
        CurFileSelect select(&win);
        select.setGeometry(12, 60, 0, 0);
        select.setPath((dir + "/").c_str(), true);
        for (int key : c.keys)
            if (key >= 0)
                select.processKey(key);
            else
                select.processMouse({(-key - 1) / 100, (-key - 1) % 100, CurInit::MOUSE_LEFT, CurInit::MOUSE_CLICK, 0});
        select.draw();
        std::string what = std::to_string(c.keys.size()) + " keys, path " + c.path;
        EXPECT_EQ(dir + "/" + c.path, select.getPath()) << what;
        EXPECT_EQ(c.dirs, rowsOf(win.getWindow(), 0, 30)) << what;
        std::vector<std::string> files = rowsOf(win.getWindow(), 30, 30);
        for (std::string& f : files)              // controls and bad bytes show as some mark
            for (char& ch : f)
                ch = ch < 32 || ch > 126 ? '?' : ch;
        EXPECT_EQ(c.files, files) << what;
        EXPECT_STREQ("", select.getError()) << what;
    }
}

TEST_F(FileSelectTest, PathsThatNameNoDirectoryReportWhyAndDirectoryModeListsDirectoriesOnly)
{
    CurWindow win(20, 60, 0, 0);
    CurFileSelect select(&win);
    select.setGeometry(12, 60, 0, 0);
    select.setPath((dir + "/pipe/").c_str(), true);   // a FIFO: never opened as one
    EXPECT_STRNE("", select.getError());
    select.setPath((dir + "/missing/x").c_str(), true);
    EXPECT_STRNE("", select.getError());
    select.setPath((dir + "/loop/").c_str(), true);
    EXPECT_STRNE("", select.getError());
    select.setDirectoryMode(true, false);
    select.setShowHidden(true, false);
    select.setPath((dir + "/").c_str(), true);
    EXPECT_EQ(4, select.getDirectoryCount());
    EXPECT_EQ(std::vector<std::string>({"../", ".hidden/", "alpha/", "beta/", "tobeta/"}),
              rowsOf(win.getWindow(), 0, 60));
}
