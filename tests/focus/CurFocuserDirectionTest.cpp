// CurFocuserDirectionTest.cpp - the arrow keys moving a form's focus to the
// nearest gadget in that direction, typed as real key bytes, on the layouts
// where the geometric search has to decide something.
#include "FormTest.h"

namespace {

class DirectionTest : public FormTest {
protected:
    CurWindow* screenWin = nullptr;
    void SetUp() override
    {
        FormTest::SetUp();
        screenWin = window(24, 80, 0, 0);
    }
    int from(int index, const std::function<void(VtScreen&)>& keys)
    {
        form.setFocus(index);
        return focusAfter(keys);
    }
};

using Keys = std::function<void(VtScreen&)>;
const Keys up = [](VtScreen& s) { s.up(); };
const Keys down = [](VtScreen& s) { s.down(); };
const Keys left = [](VtScreen& s) { s.left(); };
const Keys right = [](VtScreen& s) { s.right(); };

TEST_F(DirectionTest, SingleColumnMovesOneStepUpOrDownAndWraps)
{
    for (int i = 0; i < 3; i++)
        button(screenWin, 2 + 3 * i, 10);
    EXPECT_EQ(1, from(0, down));
    EXPECT_EQ(2, from(1, down));
    EXPECT_EQ(0, from(2, down));
    EXPECT_EQ(0, from(1, up));
    EXPECT_EQ(2, from(0, up));
}

TEST_F(DirectionTest, SingleColumnNeverMovesSideways)
{
    for (int i = 0; i < 3; i++)
        button(screenWin, 2 + 3 * i, 10);
    EXPECT_EQ(1, from(1, left));
    EXPECT_EQ(1, from(1, right));
    EXPECT_EQ(2, from(2, left));
}

TEST_F(DirectionTest, SingleRowMovesToTheNeighbourAndWrapsAtTheEnds)
{
    for (int i = 0; i < 3; i++)
        button(screenWin, 3, 2 + 20 * i);
    EXPECT_EQ(1, from(0, right));
    EXPECT_EQ(0, from(2, right));
    EXPECT_EQ(2, from(0, left));
    EXPECT_EQ(1, from(2, left));
    // The terminal shows where the focus went.
    screen();
    EXPECT_TRUE(screen().cell(3, 22).bold) << screen().dump();
    EXPECT_FALSE(screen().cell(3, 42).bold) << screen().dump();
}

TEST_F(DirectionTest, SingleRowNeverMovesUpOrDown)
{
    for (int i = 0; i < 3; i++)
        button(screenWin, 3, 2 + 20 * i);
    EXPECT_EQ(1, from(1, up));
    EXPECT_EQ(1, from(1, down));
}

TEST_F(DirectionTest, DownFromTheLeftReachesAGadgetBelowItsNeighbourWhenNearEnough)
{
    button(screenWin, 2, 2, 10);
    button(screenWin, 2, 20, 10);
    button(screenWin, 5, 20, 10);        // middle column 25, 18 from the cursor
    EXPECT_EQ(2, from(0, down));
}

TEST_F(DirectionTest, DownFromTheLeftStaysWhenTheGadgetBelowIsBeyondHalfTheScreen)
{
    button(screenWin, 2, 2, 10);
    button(screenWin, 2, 60, 10);
    button(screenWin, 5, 60, 10);        // middle column 65, 58 from the cursor
    EXPECT_EQ(0, from(0, down));
}

TEST_F(DirectionTest, TallGadgetCoveringTheCursorRowWinsOverANearerShortOne)
{
    button(screenWin, 1, 40);
    button(screenWin, 0, 2, 8, 9);       // rows 0 to 8: in line by its span
    button(screenWin, 3, 20);            // middle two rows off, nearer in column
    EXPECT_EQ(1, from(0, left));
}

TEST_F(DirectionTest, TieInColumnGoesToTheGadgetAddedFirst)
{
    button(screenWin, 5, 40);
    button(screenWin, 4, 10);
    button(screenWin, 6, 10);
    EXPECT_EQ(1, from(0, left));
}

TEST_F(DirectionTest, TieInColumnGoesToTheGadgetAddedFirstWhateverItsRow)
{
    button(screenWin, 5, 40);
    button(screenWin, 6, 10);
    button(screenWin, 4, 10);
    EXPECT_EQ(1, from(0, left));
}

TEST_F(DirectionTest, GadgetsInTwoWindowsAreMeasuredOnTheScreen)
{
    windows.clear();
    CurWindow* top = window(8, 30, 0, 0);
    CurWindow* bottom = window(8, 30, 10, 40);
    button(top, 1, 2);                   // the same place inside each window
    button(bottom, 1, 2);
    EXPECT_EQ(1, from(0, down));
    EXPECT_EQ(0, from(1, up));
    EXPECT_EQ(1, from(0, right));
    // After a move the next key is read from the other window: down, then
    // up and down again, all in one run.
    EXPECT_EQ(1, from(0, [](VtScreen& s) { s.down(); s.up(); s.down(); }));
    screen();
    EXPECT_TRUE(screen().cell(11, 43).bold) << screen().dump();
}

TEST_F(DirectionTest, FarGadgetsAreFoundAndOneRowKeepsTheFocusUpAndDown)
{
    // Farther than any fixed bound would reach: a terminal may be that wide.
    button(screenWin, 1, 600);
    button(screenWin, 1, 700);
    EXPECT_EQ(1, from(0, right));
    EXPECT_EQ(1, from(0, left));         // the wrap-around from the far right
    for (auto key : {up, down})
        EXPECT_EQ(0, from(0, key));
}

} // namespace
