// CurTDialogBoxesTest.cpp - the one-call message and question boxes on a
// real terminal: sizes measured and computed from the text, the centred
// box, title, default focus, the keys that answer, boxes the screen cuts,
// and the screen beneath coming back afterwards.
#include "ScreenSession.h"

#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <string>

namespace {

class BoxTest : public ::testing::Test {
protected:
    ScreenSession s{24, 80};
    int top = 0, left = 0;

    // Starts the scenario and waits until the box shows `text` and is quiet.
    void open(const char* name, const std::string& text)
    {
        ASSERT_TRUE(s.start({scenarioPath("dialog_boxes"), name}));
        ASSERT_TRUE(s.waitForText(text)) << s.dump();
        ASSERT_TRUE(s.waitQuiet()) << s.dump();
    }

    // The box of height x width, centred on the 24 x 80 screen: frame,
    // separator joined to the frame, button row inside it.
    void expectBox(int height, int width)
    {
        top = (24 - height) / 2;
        left = (80 - width) / 2;
        int bottom = top + height - 1, right = left + width - 1;
        EXPECT_TRUE(s.cell(top, left).isUpperLeft()) << s.dump();
        EXPECT_TRUE(s.cell(top, right).isUpperRight()) << s.dump();
        EXPECT_TRUE(s.cell(bottom, left).isLowerLeft()) << s.dump();
        EXPECT_TRUE(s.cell(bottom, right).isLowerRight()) << s.dump();
        EXPECT_TRUE(s.cell(bottom - 2, left).is(Box::LTEE)) << s.dump();
        EXPECT_TRUE(s.cell(bottom - 2, right).is(Box::RTEE)) << s.dump();
        for (int r = top + 1; r < bottom; r++) {
            if (r == bottom - 2)
                continue;
            EXPECT_TRUE(s.cell(r, left).isVLine()) << "row " << r << "\n" << s.dump();
            EXPECT_TRUE(s.cell(r, right).isVLine()) << "row " << r << "\n" << s.dump();
        }
    }

    // A bar of `width` reverse cells starting at column `col` of the button
    // row, with plain cells on both sides.
    void expectBar(int col, int width, bool bold)
    {
        int row = top + 0;
        for (int r = top; r < 24; r++)
            if (s.cell(r, left).is(Box::LTEE))
                row = r + 1;
        for (int c = col; c < col + width; c++) {
            EXPECT_TRUE(s.cell(row, c).reverse) << "column " << c << "\n" << s.dump();
            EXPECT_EQ(bold, s.cell(row, c).bold) << "column " << c << "\n" << s.dump();
        }
        EXPECT_FALSE(s.cell(row, col - 1).reverse) << "column " << col - 1 << "\n" << s.dump();
        EXPECT_FALSE(s.cell(row, col + width).reverse) << "column " << col + width << "\n" << s.dump();
    }

    // Waits for the box to return, for the screen beneath to be repainted,
    // and ends the scenario.
    void finish(const char* key, const char* value)
    {
        ASSERT_TRUE(s.waitForResult(key)) << s.dump();
        EXPECT_EQ(value, s.result(key));
        ASSERT_TRUE(s.waitForText("Back")) << s.dump();
        ASSERT_TRUE(s.waitQuiet()) << s.dump();
    }
    void end()
    {
        s.sendText("x");
        EXPECT_EQ(0, s.waitExit()) << s.dump();
    }
    void answer(const char* name, bool defaultYes, const std::function<void()>& keys,
                const char* expected)
    {
        open(name, "Proceed with the plan?");
        expectBox(6, 26);
        expectBar(left + 1, 5, defaultYes);
        expectBar(left + 20, 5, !defaultYes);
        keys();
        finish("answer", expected);
        end();
    }
};

TEST_F(BoxTest, MessageIsSizedToItsTextCentredTitledAndFocused)
{
    open("message", "Twenty one characters");
    expectBox(7, 25);
    EXPECT_EQ("Note", s.text(top, left + 11, 4)) << s.dump();
    EXPECT_EQ("Short text", s.text(top + 1, left + 2, 10)) << s.dump();
    EXPECT_EQ("Twenty one characters", s.text(top + 2, left + 2, 21)) << s.dump();
    EXPECT_EQ("  OK  ", s.text(top + 5, left + 9, 6)) << s.dump();
    expectBar(left + 9, 6, true);
    EXPECT_EQ(top + 5, s.cursorRow());
    EXPECT_EQ(left + 14, s.cursorCol());     // right after " OK "
    s.enter();
    finish("returned", "1");
    end();
}

TEST_F(BoxTest, ScreenBeneathTheBoxComesBackAfterIt)
{
    open("message", "Twenty one characters");
    s.tab();                             // the only button keeps the focus
    s.sendText(" ");
    finish("returned", "1");
    EXPECT_EQ("This window lies under the box.", s.text(11, 22, 31)) << s.dump();
    EXPECT_TRUE(s.cell(9, 20).isUpperLeft()) << s.dump();
    EXPECT_NE(std::string::npos, s.rowText(9).find("Beneath")) << s.dump();
    for (int r : {8, 14})
        for (int c = 27; c < 52; c++)
            EXPECT_EQ(".", s.text(r, c, 1)) << r << "," << c << "\n" << s.dump();
    for (int c = 0; c < 80; c++)
        EXPECT_FALSE(s.cell(13, c).reverse) << c << "\n" << s.dump();
    end();
}

// Sizes measured from the text or given: the width of a line counts from
// its first character that is not blank, trailing blanks included; blank
// lines do not widen the box; a given size is used as it is.
TEST_F(BoxTest, BoxSizeFollowsTheMeasuredOrGivenTextArea)
{
    struct Case {
        const char* name;
        const char* shows;
        int height, width;
    } cases[] = {
        {"leading", "Leading blanks are not counted", 6, 34},
        {"trailing", "Trailing blanks count", 7, 28},
        {"given", "Both sizes given", 8, 34},
        {"width", "abc def", 7, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScreenSession box(24, 80);
        ASSERT_TRUE(box.start({scenarioPath("dialog_boxes"), c.name}));
        ASSERT_TRUE(box.waitForText(c.shows) && box.waitQuiet()) << box.dump();
        int top = (24 - c.height) / 2, left = (80 - c.width) / 2;
        EXPECT_TRUE(box.cell(top, left).isUpperLeft()) << box.dump();
        EXPECT_TRUE(box.cell(top + c.height - 1, left + c.width - 1).isLowerRight()) << box.dump();
        EXPECT_EQ(c.shows, box.text(top + 1, left + 2, (int)strlen(c.shows))) << box.dump();
        box.enter();
        EXPECT_TRUE(box.waitForResult("returned")) << box.dump();
    }
}

TEST_F(BoxTest, HeightIsComputedByWrappingAtTheGivenWidth)
{
    open("height", "three four");
    expectBox(8, 14);
    EXPECT_EQ("one two", s.text(top + 1, left + 2, 7)) << s.dump();
    EXPECT_EQ("three four", s.text(top + 2, left + 2, 10)) << s.dump();
    EXPECT_EQ("five", s.text(top + 3, left + 2, 4)) << s.dump();
    s.enter();
    finish("returned", "1");
    end();
}

TEST_F(BoxTest, TextWiderThanTheScreenIsWrappedAgainAtTheWidthLeft)
{
    open("wide", "line 2");
    // Cut to 80 columns, 76 of text: the line of thirty words takes two
    // rows there, so the box is 4 + 5 rows high and nothing passes its edge.
    expectBox(9, 80);
    EXPECT_EQ("line 1", s.text(top + 1, 2, 6)) << s.dump();
    EXPECT_EQ("word", s.text(top + 3, 2, 4)) << s.dump();
    EXPECT_EQ("word", s.text(top + 4, 2, 4)) << s.dump();
    for (int r = top + 1; r <= top + 5; r++) {
        EXPECT_EQ(" ", s.text(r, 1, 1)) << r << "\n" << s.dump();
        EXPECT_EQ(" ", s.text(r, 78, 1)) << r << "\n" << s.dump();
    }
    s.enter();
    finish("returned", "1");
    end();
}

TEST_F(BoxTest, TextTallerThanTheScreenIsClippedAboveTheSeparator)
{
    open("tall", "line 19");
    expectBox(24, 11);
    EXPECT_EQ("line 1 ", s.text(1, left + 2, 7)) << s.dump();
    EXPECT_EQ("line 19", s.text(19, left + 2, 7)) << s.dump();
    EXPECT_EQ(std::string(9, ' '), s.text(20, left + 1, 9)) << s.dump();
    EXPECT_FALSE(s.contains("line 20")) << s.dump();
    expectBar(left + 2, 6, true);
    s.enter();
    finish("returned", "1");
    end();
}

TEST_F(BoxTest, NullTextShowsAnEmptyBoxAndNullButtonTextsShowYesAndNo)
{
    ASSERT_TRUE(s.start({scenarioPath("dialog_boxes"), "null"}));
    ASSERT_TRUE(s.waitForText("OK")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    expectBox(6, 8);
    for (int c = left + 1; c < left + 7; c++)
        EXPECT_TRUE(s.cell(top, c).isHLine()) << "no title, column " << c << "\n" << s.dump();
    EXPECT_EQ("      ", s.text(top + 1, left + 1, 6)) << s.dump();
    s.enter();
    ASSERT_TRUE(s.waitForText("Yes")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    expectBox(6, 13);
    EXPECT_EQ(" Yes ", s.text(top + 4, left + 1, 5)) << s.dump();
    EXPECT_EQ(" No  ", s.text(top + 4, left + 7, 5)) << s.dump();
    expectBar(left + 1, 5, true);
    expectBar(left + 7, 5, false);
    s.enter();
    finish("answer", "1");
    end();
}

TEST_F(BoxTest, ButtonsWiderThanTheTextWidenTheBox)
{
    open("narrow", "Absolutely");
    expectBox(6, 27);
    expectBar(left + 1, 12, true);
    expectBar(left + 14, 12, false);
    s.enter();
    finish("answer", "1");
    end();
}

TEST_F(BoxTest, QuestionWithFocusOnNoAnswersNoToEnterAtOnce)
{
    answer("no", false, [this] { s.enter(); }, "0");
}

TEST_F(BoxTest, QuestionWithFocusOnYesAnswersYesToEnterAtOnce)
{
    answer("yes", true, [this] { s.enter(); }, "1");
}

TEST_F(BoxTest, TabThenEnterChoosesTheOtherButton)
{
    answer("no", false, [this] { s.tab(); s.enter(); }, "1");
}

TEST_F(BoxTest, ArrowThenSpaceChoosesTheOtherButton)
{
    answer("no", false, [this] { s.left(); s.sendText(" "); }, "1");
}

TEST_F(BoxTest, EscAnswersNoWhicheverButtonHasTheFocus)
{
    answer("yes", true, [this] { s.escape(); }, "0");
}

TEST_F(BoxTest, EscClosesAMessage)
{
    open("message", "Twenty one characters");
    s.escape();
    finish("returned", "1");
    end();
}

TEST_F(BoxTest, ArrowsWrapAndBackTabMovesBack)
{
    answer("yes", true, [this] { s.right(); s.right(); s.backTab(); s.enter(); }, "0");
}

TEST_F(BoxTest, DetectionQuestionIsFortyEightColumnsWideInItsColours)
{
    open("detection", "navigate.");
    int row = s.findRow("Terminal detection");
    ASSERT_GE(row, 0) << s.dump();
    EXPECT_TRUE(s.cell(row, 16).isUpperLeft()) << s.dump();
    EXPECT_TRUE(s.cell(row, 63).isUpperRight()) << s.dump();
    EXPECT_EQ(4, s.cell(row + 1, 30).bg) << "white on blue\n" << s.dump();
    EXPECT_EQ(" Yes ", s.text(s.cursorRow(), 17, 5)) << s.dump();
    EXPECT_TRUE(s.cell(s.cursorRow(), 59).bold) << "the focus starts on No\n" << s.dump();
    s.enter();
    finish("answer", "0");
    end();
}

// The input box over a buffer holding "Bob": Enter in the editor accepts,
// Cancel and Esc leave the buffer alone, the result is cut to the buffer.
TEST(InputBox, AcceptCancelEscHiddenAndSmallBuffers)
{
    struct Case {
        const char* size;
        const char* mode;
        const char* shown;               // the editor's row at first
        std::function<void(ScreenSession&)> keys;
        const char* answer;
        const char* text;
    } cases[] = {
        {"64", "plain", "Bob", [](ScreenSession& s) { s.sendText("x"); s.enter(); }, "0", "Bobx"},
        {"64", "plain", "Bob", [](ScreenSession& s) { s.sendText("x"); s.tab(); s.enter(); }, "0", "Bobx"},
        {"64", "plain", "Bob", [](ScreenSession& s) { s.sendText("x"); s.backTab(); s.enter(); }, "1", "Bob"},
        {"64", "plain", "Bob", [](ScreenSession& s) { s.sendText("x"); s.escape(); }, "-1", "Bob"},
        {"64", "hidden", "***", [](ScreenSession& s) { s.sendText("y"); s.enter(); }, "0", "Boby"},
        {"3", "plain", "Bo ", [](ScreenSession& s) { s.sendText("b"); s.enter(); }, "0", "Bo"},
        {"1", "plain", "   ", [](ScreenSession& s) { s.sendText("ab"); s.enter(); }, "0", ""},
        {"0", "plain", "   ", [](ScreenSession& s) { s.sendText("ab"); s.enter(); }, "0", "Bob"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.size) + " " + c.mode + " " + c.answer);
        ScreenSession s(24, 80);
        s.setEnv("ESCDELAY", "50");
        ASSERT_TRUE(s.start({scenarioPath("more_boxes"), "input", c.size, c.mode}));
        ASSERT_TRUE(s.waitForText("Your name?")) << s.dump();
        ASSERT_TRUE(s.waitQuiet()) << s.dump();
        int row = s.findRow("Your name?");
        EXPECT_EQ(c.shown, s.text(row + 1, 25, 3)) << s.dump();
        EXPECT_NE(std::string::npos, s.rowText(row + 3).find("Cancel")) << s.dump();
        c.keys(s);
        ASSERT_TRUE(s.waitForResult("text")) << s.dump();
        EXPECT_EQ(c.answer, s.result("answer"));
        EXPECT_EQ(c.text, s.result("text"));
        EXPECT_EQ(0, s.waitExit()) << s.dump();
    }
}

} // namespace
