// GalleryWindowsLabelsTest.cpp - the gallery's pages "Windows and colours"
// and "Labels and word wrap", driven by keys as a person would, so a broken
// page fails here.
#include <string>
#include <unistd.h>

#include "ScreenSession.h"
#include <gtest/gtest.h>

namespace {
// Starts the gallery and waits for its page list.
::testing::AssertionResult startGallery(ScreenSession& s)
{
    if (!s.start({examplePath("gallery")}))
        return ::testing::AssertionFailure() << "the gallery did not start";
    if (!s.waitForText("Velmora gallery"))
        return ::testing::AssertionFailure() << "no page list\n" << s.dump();
    return ::testing::AssertionSuccess();
}

bool press(ScreenSession& s, const std::string& key)
{
    s.sendText(key);
    return s.waitQuiet();
}
}  // namespace

// On 80 x 24 the centred window is 9 x 40 at row 7, column 20; the colours
// window 10 x 32 at 1, 2 lies under it where they overlap.
TEST(GalleryScreen, WindowsPageStacksHidesAndRestacks)
{
    if (access(examplePath("gallery").c_str(), X_OK) != 0)
        GTEST_SKIP() << "the gallery is not built (VELMORA_EXAMPLES is off)";
    ScreenSession s(24, 80);
    ASSERT_TRUE(startGallery(s));
    s.sendText("1");
    ASSERT_TRUE(s.waitForText("Centred") && s.waitQuiet()) << s.dump();
    EXPECT_EQ("Placed at 1,2", s.text(1, 4, 13)) << s.dump();
    EXPECT_EQ(7, s.findRow("Centred")) << s.dump();
    EXPECT_EQ("Attributes", s.text(13, 67, 10)) << s.dump();
    EXPECT_TRUE(s.cell(7, 20).isUpperLeft()) << s.dump();
    EXPECT_TRUE(s.cell(1, 0).is(Box::BULLET)) << s.dump();
    EXPECT_EQ("Velmora gallery", s.text(0, 0, 15)) << s.dump();   // the banner stays
    EXPECT_EQ(6, s.cell(8, 22).bg) << s.dump();      // black on cyan, over the colours window

    ASSERT_TRUE(press(s, "3")) << s.dump();          // the centred window hidden
    EXPECT_EQ(-1, s.findRow("Centred")) << s.dump();
    EXPECT_EQ("5  magenta", s.text(7, 4, 10)) << s.dump();
    ASSERT_TRUE(press(s, "3")) << s.dump();
    EXPECT_EQ(7, s.findRow("Centred")) << s.dump();

    ASSERT_TRUE(press(s, "s")) << s.dump();          // the colours window comes on top
    EXPECT_EQ("5  magenta  on black", s.text(7, 4, 20)) << s.dump();
    EXPECT_TRUE(s.cell(7, 33).isVLine()) << s.dump();

    ASSERT_TRUE(press(s, "c")) << s.dump();          // the centred window's pair redefined
    EXPECT_EQ(7, s.cell(12, 40).bg) << s.dump();       // cyan, then white

    s.sendText("q");
    ASSERT_TRUE(s.waitForText("Velmora gallery") && s.waitQuiet()) << s.dump();
    EXPECT_EQ(-1, s.findRow("Placed at 1,2")) << s.dump();
    s.sendText("q");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

TEST(GalleryScreen, LabelsPageShowsEveryAlignmentAndWrapping)
{
    if (access(examplePath("gallery").c_str(), X_OK) != 0)
        GTEST_SKIP() << "the gallery is not built (VELMORA_EXAMPLES is off)";
    ScreenSession s(24, 80);
    ASSERT_TRUE(startGallery(s));
    s.sendText("2");
    ASSERT_TRUE(s.waitForText("word wrap on") && s.waitQuiet()) << s.dump();
    // below the banner, cells of 7 rows; the label inside the frame of
    // each, a blank column away from it
    EXPECT_EQ("Velmora gallery", s.text(0, 0, 15)) << s.dump();
    EXPECT_EQ("Labels wrap their text", s.text(2, 2, 22)) << s.dump();        // left, top
    EXPECT_EQ("given.", s.text(5, 2, 6)) << s.dump();
    EXPECT_EQ("given.", s.text(5, 36, 6)) << s.dump();                        // centre, top
    EXPECT_EQ("given.", s.text(5, 72, 6)) << s.dump();                        // right, top
    EXPECT_EQ("given.", s.text(12, 2, 6)) << s.dump();                        // left, centre
    EXPECT_EQ("given.", s.text(20, 2, 6)) << s.dump();                        // left, bottom
    EXPECT_EQ("right, bottom", s.text(15, 60, 13)) << s.dump();

    ASSERT_TRUE(press(s, "t")) << s.dump();
    EXPECT_EQ("Line one", s.text(2, 2, 8)) << s.dump();
    EXPECT_EQ("", s.text(4, 2, 8).find_first_not_of(' ') == std::string::npos ? "" : "x") << s.dump();
    EXPECT_EQ("After an empty line", s.text(5, 2, 19)) << s.dump();

    ASSERT_TRUE(press(s, "t")) << s.dump();          // a word longer than the label
    EXPECT_EQ(" Supercalifragilistice", s.text(2, 2, 22)) << s.dump();
    ASSERT_TRUE(press(s, "w")) << s.dump();
    EXPECT_TRUE(s.contains("word wrap off")) << s.dump();
    EXPECT_EQ("Supercalifragilisticex \xe2\x94\x82", s.text(2, 2, 24)) << s.dump();   // cut at the label

    s.sendText("q");
    ASSERT_TRUE(s.waitForText("Velmora gallery") && s.waitQuiet()) << s.dump();
    s.sendText("q");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}
