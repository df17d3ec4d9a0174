// GalleryTest.cpp - the gallery as a newcomer meets it: the banner and the
// page list, the log pane and note pages, leaving every page with its key,
// and the terminal as it was after the gallery ends. The README's screen
// samples are captured here too, so that they stay true: the test compares
// them with what the gallery shows, and rewrites them when
// VELMORA_UPDATE_README=1 is set.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "ScreenSession.h"
#include "CurTestTerminal.h"

namespace {

bool press(ScreenSession& s, const std::string& keys)
{
    s.sendText(keys);
    return s.waitQuiet();
}

void startGallery(ScreenSession& s)
{
    ASSERT_TRUE(s.start({examplePath("gallery")}));
    ASSERT_TRUE(s.waitForText("About this page") && s.waitQuiet()) << s.dump();
}

// The banner's three fields on row 0 of an 80-column screen.
void expectBanner(const ScreenSession& s, const std::string& title, const std::string& keys)
{
    EXPECT_EQ("Velmora gallery", s.text(0, 0, 15)) << s.dump();
    EXPECT_EQ(title, s.text(0, (80 - (int)title.size()) / 2, (int)title.size())) << s.dump();
    EXPECT_EQ(keys, s.text(0, 80 - (int)keys.size(), (int)keys.size())) << s.dump();
    EXPECT_TRUE(s.cell(0, 40).bold) << s.dump();
}

// The whole screen as text, one line per row, trailing blanks cut.
std::string capture(const ScreenSession& s)
{
    std::string text;
    for (int row = 0; row < s.rows(); row++)
        text += s.rowText(row) + "\n";
    return text;
}

// The README's samples: a line "<!-- gallery sample: NAME -->", then a fenced
// block holding the capture.
class ReadmeSamples {
public:
    ReadmeSamples() : path(std::string(VELMORA_SOURCE_DIR) + "/README.md")
    {
        std::ifstream in(path);
        std::stringstream all;
        all << in.rdbuf();
        text = all.str();
    }

    // Compares the sample with the capture, or puts the capture in its place.
    void check(const std::string& name, const std::string& captured)
    {
        std::string marker = "<!-- gallery sample: " + name + " -->\n```text\n";
        size_t start = text.find(marker);
        ASSERT_NE(std::string::npos, start) << "README.md has no sample " << name;
        start += marker.size();
        size_t end = text.find("```\n", start);
        ASSERT_NE(std::string::npos, end);
        if (updating()) {
            text.replace(start, end - start, captured);
            std::ofstream(path) << text;
            return;
        }
        EXPECT_EQ(text.substr(start, end - start), captured)
            << "the README's sample " << name << " differs from the gallery; "
            << "rerun with VELMORA_UPDATE_README=1 to capture it anew";
    }

    static bool updating()
    {
        const char* update = std::getenv("VELMORA_UPDATE_README");
        return update != nullptr && std::string(update) == "1";
    }

private:
    std::string path;
    std::string text;
};

}  // namespace

TEST(Gallery, PageListShowsTheBannerAndOpensPagesWithArrowsEnterAndClicks)
{
    ScreenSession s(24, 80);
    startGallery(s);
    expectBanner(s, "Pages", "Enter: open, q: quit");
    EXPECT_EQ(4, s.findRow("1  Windows and colours")) << s.dump();
    EXPECT_TRUE(s.cell(4, 5).reverse) << "the first page is the current one";
    EXPECT_NE(-1, s.findRow("Framed windows, placed or centred")) << s.dump();

    for (int i = 0; i < 4; i++)
        s.down();
    ASSERT_TRUE(s.waitQuiet());
    EXPECT_TRUE(s.cell(8, 5).reverse) << s.dump();
    EXPECT_FALSE(s.cell(4, 5).reverse) << s.dump();
    EXPECT_NE(-1, s.findRow("A CurLogger streaming lines")) << s.dump();
    s.enter();
    ASSERT_TRUE(s.waitForText("How it works") && s.waitQuiet()) << s.dump();
    expectBanner(s, "Log pane", "q: back");
    ASSERT_TRUE(press(s, "q"));
    ASSERT_TRUE(s.waitForText("About this page") && s.waitQuiet()) << s.dump();
    EXPECT_TRUE(s.cell(8, 5).reverse) << "the list comes back on the page just left\n" << s.dump();

    ASSERT_TRUE(s.terminal().click(6, 8) && s.waitQuiet());   // a click makes a page current...
    EXPECT_TRUE(s.cell(6, 5).reverse) << s.dump();
    EXPECT_NE(-1, s.findRow("Push buttons in a form")) << s.dump();
    ASSERT_TRUE(s.terminal().doubleClick(6, 8));              // ...a double click opens it
    ASSERT_TRUE(s.waitForText("Buttons and dialogs") && s.waitQuiet()) << s.dump();
    expectBanner(s, "Buttons and dialogs", "q: back");
    ASSERT_TRUE(press(s, "q"));
    ASSERT_TRUE(s.waitForText("About this page") && s.waitQuiet()) << s.dump();
    s.sendText("q");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

// The form is left with its Cancel button (back-tab from the first field),
// every other page with q.
TEST(Gallery, EveryPageIsLeftWithItsKeyBackToTheList)
{
    ScreenSession s(24, 80);
    startGallery(s);
    for (char page : std::string("123456890")) {   // the text page has a test of its own
        s.sendText(std::string(1, page));
        ASSERT_TRUE(s.waitFor([&] { return !s.contains("About this page"); })) << page << "\n" << s.dump();
        ASSERT_TRUE(s.waitQuiet()) << s.dump();
        if (page == '4' || page == '9') {   // back-tab to the last button
            s.backTab();
            s.enter();
        } else
            s.sendText("q");
        ASSERT_TRUE(s.waitForText("About this page") && s.waitQuiet()) << page << "\n" << s.dump();
        expectBanner(s, "Pages", "Enter: open, q: quit");
    }
    s.sendText("q");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

// The Theme menu on the menus page: classic paints the screen blue and the
// page's windows grey, default gives the terminal's colours back.
TEST(Gallery, MenusPageSwitchesThemesAndMakesItsWindowsAgain)
{
    ScreenSession s(24, 80);
    startGallery(s);
    s.sendText("0");
    ASSERT_TRUE(s.waitForText("Nothing yet.") && s.waitQuiet()) << s.dump();
    const struct {
        char key;
        int  screenBg, windowBg;
    } themes[] = {{'c', 4, 7}, {'d', ScreenCell::DEFAULT, ScreenCell::DEFAULT}};
    for (const auto& t : themes) {
        s.sendText("\x1bt");            // Alt-T: the Theme menu
        ASSERT_TRUE(s.waitForText("Classic") && s.waitQuiet()) << s.dump();
        s.sendText(std::string(1, t.key));
        ASSERT_TRUE(s.waitFor([&] { return !s.contains("Classic"); }) && s.waitQuiet()) << s.dump();
        int row = s.findRow("Nothing yet.");
        ASSERT_NE(-1, row) << s.dump();
        EXPECT_EQ(t.screenBg, s.cell(row + 4, 0).bg) << t.key << "\n" << s.dump();
        EXPECT_EQ(t.windowBg, s.cell(row, 4).bg) << t.key << "\n" << s.dump();
    }
    s.sendText("q");
    ASSERT_TRUE(s.waitForText("About this page")) << s.dump();
}

TEST(Gallery, TextPageEditsItsListLiveAndFollowsAResize)
{
    ScreenSession s(24, 80);
    s.setEnv("LC_ALL", "C.UTF-8");
    startGallery(s);
    ASSERT_TRUE(press(s, "7\t")) << s.dump();   // the focus on the list, its first line current
    const struct { const char *keys, *shows, *gone, *count; } steps[] = {  // shows: the second line
        {"aHej\r", "Hej", "", "Line 1 of 8"},       // added below the current line
        {"\x1b[Br!\r", "Hej!", "", "Line 2 of 8"}, // Down to it, renamed
        {"\x1b[3~", "Ελληνικά:", "Hej", "Line 2 of 7"}, // Delete: the next line is current
    };
    for (const auto& step : steps) {
        ASSERT_TRUE(press(s, step.keys)) << s.dump();
        EXPECT_EQ(0u, s.rowText(9).find(std::string("│ │  ") + step.shows + " ")) << step.keys << s.dump();
        EXPECT_TRUE(!*step.gone || !s.contains(step.gone)) << s.dump();
        EXPECT_TRUE(s.contains(step.count)) << s.dump();
    }
    ASSERT_TRUE(s.resize(30, 100));
    ASSERT_TRUE(s.waitFor([&] { return s.text(28, 0, 1) == "└"; })) << s.dump();
    EXPECT_EQ("┘", s.text(28, 99, 1)) << s.dump();
    EXPECT_EQ("Line 2 of 7", s.text(27, 2, 11)) << s.dump();
    EXPECT_EQ("Your text", s.text(8, 62, 9)) << "the right column keeps to the edge\n" << s.dump();
}

TEST(Gallery, LogPageStreamsLinesWithErrorsInBoldRed)
{
    ScreenSession s(24, 80);
    startGallery(s);
    s.sendText("5");
    ASSERT_TRUE(s.waitForText("0003")) << "lines arrive by themselves\n" << s.dump();
    ASSERT_TRUE(press(s, " c"));                         // pause, start again
    EXPECT_EQ(-1, s.findRow("0001")) << s.dump();
    ASSERT_TRUE(press(s, "sssss"));
    EXPECT_EQ("0005 GET /admin 403", s.text(6, 2, 19)) << s.dump();
    EXPECT_TRUE(s.cell(6, 2).bold) << s.dump();
    EXPECT_EQ(1, s.cell(6, 2).fg) << s.dump();
    EXPECT_FALSE(s.cell(5, 2).bold) << s.dump();
    ASSERT_TRUE(press(s, "e"));
    EXPECT_EQ(7, s.findRow("you pressed e")) << s.dump();
    s.sendText("w");                                     // a worker thread posts 20 steps
    ASSERT_TRUE(s.waitForText("worker: build step 20 of 20") && s.waitForText("100%")) << s.dump();
    s.sendText("q");
    ASSERT_TRUE(s.waitForText("About this page")) << s.dump();
    s.sendText("q");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

TEST(Gallery, NotePageAlignsTheTextAndShowsAOneCallNoteUntilARepaint)
{
    ScreenSession s(24, 80);
    startGallery(s);
    s.sendText("6");
    ASSERT_TRUE(s.waitForText("CENTER and") && s.waitQuiet()) << s.dump();
    expectBanner(s, "Note", "q: back");
    s.left();
    s.up();
    ASSERT_TRUE(s.waitForText("LEFT and") && s.waitQuiet()) << s.dump();
    EXPECT_EQ("This text is aligned LEFT and", s.text(3, 4, 29)) << s.dump();
    EXPECT_EQ("TOP.", s.text(4, 4, 4)) << s.dump();
    ASSERT_TRUE(press(s, "n"));
    EXPECT_NE(-1, s.findRow("This note came from one call to showNote.")) << s.dump();
    ASSERT_TRUE(press(s, "r"));
    EXPECT_EQ(-1, s.findRow("This note came from one call")) << s.dump();
    EXPECT_EQ("Velmora gallery", s.text(0, 0, 15)) << "the banner survives a repaint";
    ASSERT_TRUE(press(s, "f"));
    EXPECT_FALSE(s.cell(2, 2).isUpperLeft()) << "the frame is switched off\n" << s.dump();
    s.sendText("q");
    ASSERT_TRUE(s.waitForText("About this page")) << s.dump();
    s.sendText("q");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

// Run from a shell on the same terminal: the terminal modes after the
// gallery are those before it, and the shell's next line starts in column 0.
TEST(Gallery, LeavingTheGalleryGivesTheTerminalBack)
{
    char dir[] = "/tmp/velmora-gallery-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(dir));
    std::string before = std::string(dir) + "/before", after = std::string(dir) + "/after";
    std::string script = "stty -g >" + before + "; '" + examplePath("gallery") + "'; stty -g >"
                         + after + "; echo TERMINAL-BACK; sleep 5";
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({"/bin/sh", "-c", script}));
    ASSERT_TRUE(s.waitForText("About this page") && s.waitQuiet()) << s.dump();
    s.sendText("q");
    ASSERT_TRUE(s.waitForText("TERMINAL-BACK")) << s.dump();
    int row = s.findRow("TERMINAL-BACK");
    EXPECT_EQ("TERMINAL-BACK", s.text(row, 0, 13)) << s.dump();
    std::ifstream beforeFile(before), afterFile(after);
    std::string modesBefore, modesAfter;
    std::getline(beforeFile, modesBefore);
    std::getline(afterFile, modesAfter);
    EXPECT_FALSE(modesBefore.empty());
    EXPECT_EQ(modesBefore, modesAfter);
    s.kill();
    unlink(before.c_str());
    unlink(after.c_str());
    rmdir(dir);
}

TEST(Gallery, ReadmeSamplesShowWhatTheGalleryShows)
{
    ReadmeSamples readme;
    ScreenSession s(24, 80);
    startGallery(s);
    readme.check("pages", capture(s));

    s.sendText("5");
    ASSERT_TRUE(s.waitForText("How it works")) << s.dump();
    ASSERT_TRUE(press(s, " c" + std::string(14, 's')));  // pause, start again, 14 lines
    ASSERT_TRUE(s.waitForText("0014")) << s.dump();
    readme.check("log", capture(s));
    s.sendText("q");
    ASSERT_TRUE(s.waitForText("About this page")) << s.dump();

    s.sendText("4");
    ASSERT_TRUE(s.waitForText("Items (space marks several)") && s.waitQuiet()) << s.dump();
    readme.check("form", capture(s));
    s.backTab();                                         // to Cancel
    s.enter();
    ASSERT_TRUE(s.waitForText("About this page")) << s.dump();

    s.sendText("6");
    ASSERT_TRUE(s.waitForText("CENTER and") && press(s, "n")) << s.dump();
    readme.check("note", capture(s));
    s.sendText("q");
    ASSERT_TRUE(s.waitForText("About this page")) << s.dump();
    s.sendText("q");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}
