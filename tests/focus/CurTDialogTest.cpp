// CurTDialogTest.cpp - the dialog window: its button row arithmetic, the
// separator, the keyboard loop's result, Enter handling, and rows of buttons
// that do not fit.
#include "FormTest.h"

#include "CurButton.h"
#include "CurLabel.h"
#include "CurTDialog.h"

#include <string>

namespace {

// Opens the dialog's buttons and focuser to the test.
class Dialog : public CurTDialog {
public:
    Dialog(int height, int width, int y, int x) : CurTDialog(height, width, y, x) {}
    CurButton* button(int i) const { return buttons[i]; }
    int count() const { return numButtons; }
    CurFocuser& form() { return focuser; }
};

struct Place {
    int x, width;
};

class CurTDialogTest : public FormTest {
protected:
    static void expectRow(const Dialog& d, std::initializer_list<Place> places)
    {
        ASSERT_EQ((int)places.size(), d.count());
        int i = 0;
        for (const Place& p : places) {
            EXPECT_EQ(p.x, d.button(i)->getX()) << "button " << i;
            EXPECT_EQ(p.width, d.button(i)->getWidth()) << "button " << i;
            EXPECT_EQ(d.getHeight() - 2, d.button(i)->getY()) << "button " << i;
            EXPECT_EQ(1, d.button(i)->getHeight()) << "button " << i;
            i++;
        }
    }
};

TEST_F(CurTDialogTest, OneButtonIsCentredOnTheRowAboveTheBottomFrame)
{
    Dialog d(8, 20, 2, 2);
    EXPECT_EQ(0, d.addButton(" OK "));
    expectRow(d, {{7, 6}});
    d.draw();
    d.update();
    EXPECT_EQ("  OK  ", screen().text(2 + 6, 2 + 7, 6)) << screen().dump();
    for (int c = 9; c < 15; c++)
        EXPECT_TRUE(screen().cell(8, c).reverse) << c << "\n" << screen().dump();
    EXPECT_FALSE(screen().cell(8, 8).reverse);
    EXPECT_FALSE(screen().cell(8, 15).reverse);
}

TEST_F(CurTDialogTest, TwoButtonsStartAtTheLeftFrameAndEndAtTheRight)
{
    Dialog d(8, 48, 0, 0);
    EXPECT_EQ(0, d.addButton("Yes"));
    EXPECT_EQ(1, d.addButton("No"));
    expectRow(d, {{1, 5}, {42, 5}});
}

TEST_F(CurTDialogTest, ThreeButtonsShareTheWidthOfTheLongestAndEqualGaps)
{
    Dialog d(8, 40, 0, 0);
    d.addButton("ab");
    d.addButton("abcdef");
    EXPECT_EQ(2, d.addButton("abcd"));
    expectRow(d, {{1, 8}, {16, 8}, {31, 8}});
}

TEST_F(CurTDialogTest, LongerButtonAddedLaterWidensAndMovesTheEarlierOnes)
{
    Dialog d(8, 40, 0, 0);
    d.addButton("A");
    expectRow(d, {{18, 3}});
    d.addButton("Longer");
    expectRow(d, {{1, 8}, {31, 8}});
}

TEST_F(CurTDialogTest, ButtonsTooWideForTheRowAreNarrowedInsideTheFrame)
{
    Dialog d(8, 20, 0, 0);
    for (const char* text : {"First button", "Second button", "Third button", "Fourth"})
        d.addButton(text);
    for (int i = 0; i < d.count(); i++) {
        EXPECT_GE(d.button(i)->getX(), 1) << i;
        EXPECT_LE(d.button(i)->getX() + d.button(i)->getWidth(), 19) << i;
        if (i > 0) {
            EXPECT_GE(d.button(i)->getX(), d.button(i - 1)->getX() + d.button(i - 1)->getWidth()) << i;
        }
    }
    d.draw();
    d.update();
    EXPECT_TRUE(screen().cell(6, 0).isVLine()) << screen().dump();
    EXPECT_TRUE(screen().cell(6, 19).isVLine()) << screen().dump();
}

TEST_F(CurTDialogTest, SingleButtonWiderThanTheDialogNeverGetsANegativeColumn)
{
    Dialog d(6, 10, 0, 0);
    d.addButton("A text far wider than the dialog");
    expectRow(d, {{1, 8}});
    d.draw();
    d.update();
    EXPECT_EQ("A text f", screen().text(4, 1, 8)) << screen().dump();
    EXPECT_TRUE(screen().cell(4, 0).isVLine()) << screen().dump();
    EXPECT_TRUE(screen().cell(4, 9).isVLine()) << screen().dump();
}

TEST_F(CurTDialogTest, DrawShowsFrameTitleSeparatorAndButtons)
{
    Dialog d(7, 24, 3, 10);
    d.setTitle("Choose", CurInit::CENTER);
    d.addButton("One");
    d.addButton("Two");
    d.draw();
    d.update();
    VtScreen& s = screen();
    EXPECT_TRUE(s.cell(3, 10).isUpperLeft()) << s.dump();
    EXPECT_TRUE(s.cell(9, 33).isLowerRight()) << s.dump();
    EXPECT_NE(std::string::npos, s.rowText(3).find("Choose")) << s.dump();
    EXPECT_TRUE(s.cell(3 + 4, 10).is(Box::LTEE)) << s.dump();
    for (int c = 11; c < 33; c++)
        EXPECT_TRUE(s.cell(3 + 4, c).isHLine()) << c << "\n" << s.dump();
    EXPECT_TRUE(s.cell(3 + 4, 33).is(Box::RTEE)) << s.dump();
    EXPECT_EQ(" One ", s.text(3 + 5, 11, 5)) << s.dump();
    EXPECT_TRUE(s.cell(3 + 5, 11).bold) << "the first button starts with the focus\n" << s.dump();
    EXPECT_FALSE(s.cell(3 + 5, 28).bold) << s.dump();
}

TEST_F(CurTDialogTest, WithoutButtonsDrawIsFrameAndSeparatorAndTheLoopReadsNothing)
{
    Dialog d(6, 20, 0, 0);
    d.draw();
    d.update();
    EXPECT_TRUE(screen().cell(3, 0).is(Box::LTEE)) << screen().dump();
    EXPECT_TRUE(screen().cell(3, 19).is(Box::RTEE)) << screen().dump();
    for (int c = 1; c < 19; c++)
        EXPECT_FALSE(screen().cell(4, c).reverse) << c;
    screen().sendText("x");
    EXPECT_EQ(-1, d.kbdLoop());
    nodelay(stdscr, TRUE);
    EXPECT_EQ('x', wgetch(stdscr));
    nodelay(stdscr, FALSE);
}

TEST_F(CurTDialogTest, LoopReturnsTheIndexThatAddButtonReturned)
{
    Dialog d(8, 40, 2, 2);
    d.addButton("Red");
    int green = d.addButton("Green");
    d.addButton("Blue");
    d.draw();
    screen().tab();
    screen().enter();
    EXPECT_EQ(green, d.kbdLoop());
    EXPECT_TRUE(d.button(green)->isActivated());
    EXPECT_FALSE(d.button(0)->isActivated());
}

TEST_F(CurTDialogTest, AnEarlierRunsChoiceDoesNotCount)
{
    Dialog d(8, 40, 2, 2);
    d.addButton("Red");
    d.addButton("Green");
    d.addButton("Blue");
    d.draw();
    armKeypad();
    screen().right();
    screen().right();
    screen().sendText(" ");
    EXPECT_EQ(2, d.kbdLoop());
    screen().backTab();
    screen().backTab();
    screen().enter();
    EXPECT_EQ(0, d.kbdLoop());
    EXPECT_FALSE(d.button(2)->isActivated());
}

TEST_F(CurTDialogTest, EnterLeftByAGadgetEndsTheLoopOnlyWithExitOnEnter)
{
    Dialog d(8, 40, 2, 2);
    d.addButton("OK");
    CurLabel note(&d, false);            // declines every key
    note.setGeometry(1, 10, 2, 2);
    d.form().addGadget(&note);
    d.draw();

    // Off: Enter on the label does nothing; back to the button to finish.
    screen().tab();
    screen().enter();
    screen().backTab();
    screen().enter();
    EXPECT_EQ(0, d.kbdLoop());

    d.setExitOnEnter(true);
    screen().tab();
    screen().enter();
    EXPECT_EQ(-1, d.kbdLoop());
}

} // namespace
