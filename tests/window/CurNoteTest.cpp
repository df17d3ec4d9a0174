// CurNoteTest.cpp - the note on a real terminal: showNote's geometry with
// computed and given sizes, the note staying after the call, texts that do
// not fit, setText with and without redraw, and the frame switched off.
#include <string>

#include <gtest/gtest.h>

#include "StepSession.h"

namespace {

// A frame of height x width at (row, col): the four corners and the middle of each side.
void expectFrame(const ScreenSession& s, int row, int col, int height, int width)
{
    int bottom = row + height - 1, right = col + width - 1;
    EXPECT_TRUE(s.cell(row, col).isUpperLeft()) << s.dump();
    EXPECT_TRUE(s.cell(row, right).isUpperRight()) << s.dump();
    EXPECT_TRUE(s.cell(bottom, col).isLowerLeft()) << s.dump();
    EXPECT_TRUE(s.cell(bottom, right).isLowerRight()) << s.dump();
    EXPECT_TRUE(s.cell(row, col + width / 2).isHLine()) << s.dump();
    EXPECT_TRUE(s.cell(bottom, col + width / 2).isHLine()) << s.dump();
    EXPECT_TRUE(s.cell(row + height / 2, col).isVLine()) << s.dump();
    EXPECT_TRUE(s.cell(row + height / 2, right).isVLine()) << s.dump();
}

}  // namespace

TEST(CurNote, ShowNoteWithComputedSizesFitsTheTextAndStaysAfterTheCall)
{
    ScreenSession s(24, 80);
    startSteps(s, "note_demo", "computed");
    // 3 x 14, centred: row (24 - 3) / 2 = 10, column (80 - 14) / 2 = 33
    expectFrame(s, 10, 33, 3, 14);
    EXPECT_EQ("0123456789", s.text(11, 35, 10));
    EXPECT_EQ(" ", s.text(11, 34, 1));
    EXPECT_EQ(" ", s.text(11, 45, 1));
    EXPECT_EQ("", s.rowText(9));
    EXPECT_EQ("", s.rowText(13));
    finishSteps(s);
}

TEST(CurNote, ShowNoteWithGivenSizesCentresTheTextInItsArea)
{
    ScreenSession s(24, 80);
    startSteps(s, "note_demo", "given");
    // 7 x 34 at row 8, column 23; the text on the area's middle row (row 3 of
    // the note) from column 2 + (30 - 10) / 2 = 12 of the note
    expectFrame(s, 8, 23, 7, 34);
    EXPECT_EQ("0123456789", s.text(11, 35, 10));
    EXPECT_EQ(11, s.findRow("0123456789"));
    finishSteps(s);
}

TEST(CurNote, ShowNoteWiderThanTheScreenMeasuresAgainAtTheCutWidth)
{
    ScreenSession s(24, 80);
    startSteps(s, "note_demo", "wide");
    // 164 characters, cut to a text width of 76, wrap into three lines
    // (seven pairs of words, seven pairs, one pair): 5 x 80 at row 9
    std::string sevenPairs = "wordy word";
    for (int i = 1; i < 7; i++)
        sevenPairs += " wordy word";
    expectFrame(s, 9, 0, 5, 80);
    EXPECT_EQ(sevenPairs, s.text(10, 2, 76)) << s.dump();
    EXPECT_EQ(sevenPairs, s.text(11, 2, 76)) << s.dump();
    EXPECT_EQ("wordy word", s.text(12, 35, 10)) << s.dump();
    EXPECT_EQ("", s.rowText(8));
    EXPECT_EQ("", s.rowText(14));
    finishSteps(s);
}

TEST(CurNote, ShowNoteTallerThanTheScreenIsClippedToTheNote)
{
    ScreenSession s(24, 80);
    startSteps(s, "note_demo", "tall");
    // 30 lines need 32 rows: the note is cut to 24 rows and shows lines 1
    // to 22; "line 30" is the longest line, so the note is 11 wide, at column 34
    expectFrame(s, 0, 34, 24, 11);
    EXPECT_EQ("line 1", s.text(1, 36, 6)) << s.dump();
    EXPECT_EQ("line 22", s.text(22, 36, 7)) << s.dump();
    EXPECT_EQ(-1, s.findRow("line 23")) << s.dump();
    finishSteps(s);
}

TEST(CurNote, NullTextsAreIgnored)
{
    ScreenSession s(24, 80);
    startSteps(s, "note_demo", "null");
    for (int row = 0; row < 24; row++)
        EXPECT_EQ("", s.rowText(row)) << s.dump();
    finishSteps(s);
}

TEST(CurNote, SetTextShowsAtOnceWithRedrawAndAtTheNextDrawWithout)
{
    ScreenSession s(24, 80);
    startSteps(s, "note_demo", "object");
    // a 5 x 20 note at (2, 2): the 16 x 3 text area holds "AAAAA" centred at (4, 9)
    expectFrame(s, 2, 2, 5, 20);
    EXPECT_EQ("AAAAA", s.text(4, 9, 5));
    nextStep(s, "not drawn");
    EXPECT_EQ("AAAAA", s.text(4, 9, 5));
    nextStep(s, "drawn");
    EXPECT_EQ("BBBBB", s.text(4, 9, 5));
    nextStep(s, "redrawn");
    EXPECT_EQ("CCCCC", s.text(4, 9, 5));
    nextStep(s, "frame off");                 // a null text changed nothing
    EXPECT_EQ("CCCCC", s.text(4, 9, 5));
    EXPECT_EQ("     ", s.text(2, 2, 5));
    EXPECT_EQ(" ", s.text(6, 21, 1));
    EXPECT_EQ(" ", s.text(4, 2, 1));
    finishSteps(s);
}
