// GalleryDialogsTest.cpp - the gallery's page "Buttons and dialogs", driven
// by keys as a person would: focus moves over the grid of buttons, the
// message box, the question box and its answer, and the way back.
#include <string>
#include <unistd.h>

#include "ScreenSession.h"
#include <gtest/gtest.h>

namespace {

// On 80 x 24 the page is 17 x 62 at row 3, column 9; its buttons are 14
// columns wide on screen rows 9, 12 and 15, from columns 14, 33 and 52.
const int ROWS[] = {9, 12, 15};
const int COLS[] = {14, 33, 52};

class GalleryDialogs : public ::testing::Test {
protected:
    ScreenSession s{24, 80};

    void SetUp() override
    {
        if (access(examplePath("gallery").c_str(), X_OK) != 0)
            GTEST_SKIP() << "the gallery is not built (VELMORA_EXAMPLES is off)";
        ASSERT_TRUE(s.start({examplePath("gallery")}));
        ASSERT_TRUE(s.waitForText("Velmora gallery")) << s.dump();
        s.sendText("3");
        ASSERT_TRUE(s.waitForText("Nothing pressed yet.") && s.waitQuiet()) << s.dump();
    }
    // Whether exactly the button in grid row r, column c shows the focus.
    bool focusedAt(int r, int c)
    {
        s.waitQuiet();
        for (int i = 0; i < 3; i++)
            for (int j = 0; j < 3; j++)
                if (s.cell(ROWS[i], COLS[j] + 1).bold != (i == r && j == c))
                    return false;
        return true;
    }
};

TEST_F(GalleryDialogs, TabBackTabAndArrowsMoveTheFocusOverTheGrid)
{
    EXPECT_TRUE(s.contains("presses the focused button.")) << "the introduction's last line\n" << s.dump();
    EXPECT_TRUE(focusedAt(0, 0)) << s.dump();
    s.tab();
    EXPECT_TRUE(focusedAt(0, 1)) << s.dump();
    s.backTab();
    s.backTab();
    EXPECT_TRUE(focusedAt(2, 2)) << "back-tab wraps to the last\n" << s.dump();
    s.up();
    EXPECT_TRUE(focusedAt(1, 2)) << s.dump();
    s.left();
    EXPECT_TRUE(focusedAt(1, 1)) << s.dump();
    s.down();
    EXPECT_TRUE(focusedAt(2, 1)) << s.dump();
    // At the bottom, down wraps to the top-most button of the whole form,
    // the first added of the top row.
    s.down();
    EXPECT_TRUE(focusedAt(0, 0)) << s.dump();
    s.right();
    s.sendText(" ");
    EXPECT_TRUE(s.waitForText("A question")) << s.dump();
}

TEST_F(GalleryDialogs, PressingAPlainButtonSaysWhichOne)
{
    s.down();
    s.right();
    s.enter();
    EXPECT_TRUE(s.waitForText("You pressed Beta.")) << s.dump();
}

TEST_F(GalleryDialogs, MessageBoxComesAndGoesLeavingThePageAsItWas)
{
    s.enter();
    ASSERT_TRUE(s.waitForText("This is a message box.") && s.waitQuiet()) << s.dump();
    EXPECT_GE(s.findRow("A message"), 0) << s.dump();
    s.enter();
    ASSERT_TRUE(s.waitForText("The message box was closed.") && s.waitQuiet()) << s.dump();
    EXPECT_FALSE(s.contains("This is a message box.")) << s.dump();
    EXPECT_EQ("    Alpha     ", s.text(ROWS[1], COLS[0], 14)) << s.dump();
    EXPECT_TRUE(focusedAt(0, 0)) << s.dump();
}

TEST_F(GalleryDialogs, QuestionBoxAnswerIsShownOnThePage)
{
    s.right();
    s.enter();
    ASSERT_TRUE(s.waitForText("Would you like a cup of tea?") && s.waitQuiet()) << s.dump();
    s.tab();
    s.enter();
    EXPECT_TRUE(s.waitForText("Your answer: No, thanks.")) << s.dump();
    s.enter();
    ASSERT_TRUE(s.waitForText("Would you like a cup of tea?") && s.waitQuiet()) << s.dump();
    s.enter();
    EXPECT_TRUE(s.waitForText("Your answer: Yes, please.")) << s.dump();
}

TEST_F(GalleryDialogs, QOrTheBackButtonLeaveForThePageList)
{
    s.sendText("q");
    ASSERT_TRUE(s.waitForText("Velmora gallery") && s.waitQuiet()) << s.dump();
    EXPECT_FALSE(s.contains("Tab and back-tab walk")) << s.dump();
    EXPECT_FALSE(s.contains("Nothing pressed")) << s.dump();
    s.sendText("3");
    ASSERT_TRUE(s.waitForText("Nothing pressed yet.") && s.waitQuiet()) << s.dump();
    s.tab();
    s.tab();
    s.enter();
    ASSERT_TRUE(s.waitForText("Velmora gallery") && s.waitQuiet()) << s.dump();
    EXPECT_FALSE(s.contains("Nothing pressed")) << s.dump();
    s.sendText("q");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

} // namespace
