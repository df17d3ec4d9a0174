// CurBannerTest.cpp - the banner on a real terminal: the three placements on
// 80 and 79 columns, the tail of a replaced longer text, empty texts, and a
// text longer than the row, and the fields following a resize.
#include <string>

#include <gtest/gtest.h>

#include "StepSession.h"

TEST(CurBanner, PlacesLeftCentredAndRightTextsOn80And79Columns)
{
    for (int width : {80, 79}) {
        SCOPED_TRACE(width);
        ScreenSession s(24, width);
        startSteps(s, "banner_demo", "fields");
        // 12, 20 and 8 characters: columns 0, (W - 20) / 2 and W - 8
        std::string expected(width, ' ');
        expected.replace(0, 12, "Left field 1");
        expected.replace((width - 20) / 2, 20, "The centred text 20c");
        expected.replace(width - 8, 8, "Right 8c");
        EXPECT_EQ(expected, s.text(0, 0, width)) << s.dump();
        EXPECT_EQ("", s.rowText(1));
        finishSteps(s);
    }
}

TEST(CurBanner, AnOddFreeWidthPutsTheExtraColumnRightOfTheCentredText)
{
    ScreenSession s(24, 79);
    startSteps(s, "banner_demo", "narrow");
    EXPECT_EQ("Centred10c", s.text(0, 34, 10)) << s.dump();
    EXPECT_EQ(34, (int)s.rowText(0).find('C'));
    finishSteps(s);
}

TEST(CurBanner, AShorterTextBlanksTheOldOneFirst)
{
    ScreenSession s(24, 80);
    startSteps(s, "banner_demo", "tail");
    EXPECT_EQ("ABCDEFGHIJKLMNOPQRST", s.text(0, 30, 20));
    nextStep(s, "replaced");
    // "short" lands on columns 37 to 41; the rest of the old text is blanked
    EXPECT_EQ("       short        ", s.text(0, 30, 20)) << s.dump();
    nextStep(s, "erased");
    EXPECT_EQ(std::string(37, ' ') + "short", s.rowText(0)) << s.dump();
    finishSteps(s);
}

TEST(CurBanner, EmptyTextsDrawNothing)
{
    ScreenSession s(24, 80);
    startSteps(s, "banner_demo", "empty");
    EXPECT_EQ(std::string(80, ' '), s.text(0, 0, 80));
    for (int col : {0, 40, 79})
        EXPECT_TRUE(s.cell(0, col).reverse) << "the background covers the row, column " << col;
    EXPECT_EQ("", s.rowText(1));
    finishSteps(s);
}

TEST(CurBanner, ATextLongerThanTheRowShowsOnlyItsFirstLine)
{
    ScreenSession s(24, 80);
    startSteps(s, "banner_demo", "long");
    // the words that fit into 80 columns, centred; nothing else on the screen
    std::string firstLine;
    for (int i = 0; i < 24; i++) {
        std::string word = i % 2 == 0 ? "word" + std::to_string(i / 2) : "and";
        std::string next = firstLine.empty() ? word : firstLine + " " + word;
        if (next.size() > 80)
            break;
        firstLine = next;
    }
    int col = (80 - (int)firstLine.size()) / 2;
    EXPECT_EQ(std::string(col, ' ') + firstLine, s.rowText(0)) << s.dump();
    for (int row = 1; row < 24; row++)
        EXPECT_EQ("", s.rowText(row)) << s.dump();
    finishSteps(s);
}

TEST(CurBanner, FollowsTheTerminalsWidthAfterAResize)
{
    ScreenSession s(24, 80);
    startSteps(s, "banner_demo", "resize");
    s.sendText(" ");                                 // into the program's key loop
    for (int width : {100, 60}) {
        SCOPED_TRACE(width);
        ASSERT_TRUE(s.resize(24, width));
        ASSERT_TRUE(s.waitFor([&] { return s.text(0, width - 8, 8) == "Right 8c"; })) << s.dump();
        EXPECT_EQ("The centred text 20c", s.text(0, (width - 20) / 2, 20)) << s.dump();
        EXPECT_EQ("Left field 1", s.text(0, 0, 12));
    }
    s.sendText(" ");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}
