// CurRadioBoxTest.cpp - the radio group: exactly one member on, its own
// callback once per new choice, the re-entry guard, and members and groups
// destroyed in either order.
#include "CursesTest.h"
#include "InputsTestUtil.h"

#include <CurFocuser.h>
#include <CurRadioBox.h>
#include <CurToggle.h>
#include <CurWindow.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

struct Calls {
    int count = 0;
    CurToggle* last = nullptr;
    std::vector<bool> statesSeen;        // of every member, when called
    CurToggle* members[3] = {};
    CurToggle* switchOn = nullptr;       // switched on from inside the callback
};

void groupCB(CurToggle* t, void* data)
{
    Calls* c = (Calls*)data;
    c->count++;
    c->last = t;
    c->statesSeen.clear();
    for (CurToggle* m : c->members)
        if (m != nullptr)
            c->statesSeen.push_back(m->isToggled());
    if (c->switchOn != nullptr)
        c->switchOn->toggle(true, true);
}

void ownCB(CurToggle*, void* data)
{
    (*(int*)data)++;
}

// Three toggles on rows 1, 2, 3 of a window, grouped.
struct Group {
    CurWindow win{6, 30, 0, 0};
    std::unique_ptr<CurToggle> t[3];
    CurRadioBox box;
    Calls calls;

    Group()
    {
        for (int i = 0; i < 3; i++) {
            t[i].reset(new CurToggle(&win));
            t[i]->setGeometry(1, 20, 1 + i, 0);
            t[i]->setLabelAlignment(CurInit::LEFT, false);
            box.addButton(t[i].get());
            calls.members[i] = t[i].get();
        }
        box.setToggleCB(groupCB, &calls);
    }
    std::string marks()
    {
        std::string s;
        for (int i = 0; i < 3; i++)
            s += cellsText(win.getWindow(), 1 + i, 0, 3);
        return s;
    }
};

}  // namespace

TEST_F(CursesTest, RadioGroupSwitchesTheFirstOnAndDrawsRoundBrackets)
{
    Group g;
    EXPECT_EQ("(*)( )( )", g.marks());
    EXPECT_TRUE(g.t[0]->isToggled());
    EXPECT_FALSE(g.t[1]->isToggled());
    EXPECT_EQ(0, g.calls.count);
}

TEST_F(CursesTest, RadioGroupSpaceOnAnotherMemberMovesTheChoice)
{
    Group g;
    EXPECT_TRUE(g.t[1]->processKey(' '));
    EXPECT_EQ("( )(*)( )", g.marks());
    EXPECT_EQ(1, g.calls.count);
    EXPECT_EQ(g.t[1].get(), g.calls.last);
    EXPECT_EQ((std::vector<bool>{false, true, false}), g.calls.statesSeen)
        << "the others are off before the application hears of the choice";
}

TEST_F(CursesTest, RadioGroupKeepsTheChosenMemberOn)
{
    Group g;
    EXPECT_TRUE(g.t[0]->processKey(' '));
    EXPECT_EQ("(*)( )( )", g.marks());
    g.t[0]->toggle(false, true);
    EXPECT_TRUE(g.t[0]->isToggled());
    EXPECT_EQ("(*)( )( )", g.marks());
    EXPECT_EQ(0, g.calls.count);
}

TEST_F(CursesTest, RadioGroupProgramToggleActsLikeTheSpaceBar)
{
    Group g;
    g.t[2]->toggle(true, true);
    EXPECT_EQ("( )( )(*)", g.marks());
    EXPECT_EQ(1, g.calls.count);
    EXPECT_EQ(g.t[2].get(), g.calls.last);
}

TEST_F(CursesTest, RadioGroupLeavesChangesMadeInsideTheApplicationCallback)
{
    Group g;
    g.calls.switchOn = g.t[2].get();
    g.t[1]->toggle(true, true);
    EXPECT_EQ(1, g.calls.count) << "the inner change calls nothing";
    EXPECT_EQ("( )(*)(*)", g.marks()) << "and is not treated by the group";

    g.calls.switchOn = nullptr;
    g.t[0]->toggle(true, true);
    EXPECT_EQ("(*)( )( )", g.marks()) << "the next choice switches both off";
    EXPECT_EQ(2, g.calls.count);
}

TEST_F(CursesTest, RadioGroupCallsAMembersEarlierCallbackOnlyWhileAdding)
{
    CurWindow win(6, 30, 0, 0);
    CurToggle first(&win), second(&win), offAlready(&win);
    int firstCalls = 0, secondCalls = 0, offCalls = 0;
    first.setToggleCB(ownCB, &firstCalls);
    second.setToggleCB(ownCB, &secondCalls);
    offAlready.toggle(false, false);
    offAlready.setToggleCB(ownCB, &offCalls);

    CurRadioBox box;
    box.addButton(&first);               // on already: no change, no call
    box.addButton(&second);              // switched off: its own callback hears it
    box.addButton(&offAlready);          // off already: no call
    EXPECT_EQ(0, firstCalls);
    EXPECT_EQ(1, secondCalls);
    EXPECT_EQ(0, offCalls);

    second.toggle(true, false);
    first.toggle(true, false);
    EXPECT_EQ(1, secondCalls) << "the group's callback replaced it";
    EXPECT_EQ(0, firstCalls);
}

TEST_F(CursesTest, RadioGroupSwitchesOnAFirstMemberThatWasOff)
{
    CurWindow win(6, 30, 0, 0);
    CurToggle t(&win);
    t.toggle(false, false);
    int calls = 0;
    t.setToggleCB(ownCB, &calls);
    CurRadioBox box;
    box.addButton(&t);
    EXPECT_TRUE(t.isToggled());
    EXPECT_EQ(1, calls);
    EXPECT_EQ("(*)", winText(win.getWindow(), 3, 0, 3)) << "drawn round at once";
}

// Both orders of destruction are safe: the group detaches itself from its
// members, and a member leaves its group.
TEST_F(CursesTest, RadioGroupDestroyedFirstLeavesPlainToggles)
{
    CurWindow win(6, 30, 0, 0);
    CurToggle a(&win), b(&win);
    int appCalls = 0;
    {
        CurRadioBox box;
        box.addButton(&a);
        box.addButton(&b);
    }
    b.toggle(true, false);               // would call into the dead group
    a.toggle(false, false);
    EXPECT_TRUE(b.isToggled());
    EXPECT_FALSE(a.isToggled()) << "no group keeps it on any more";

    {
        CurRadioBox box;
        box.addButton(&a);
        a.setToggleCB(ownCB, &appCalls); // the application's own, set later
    }
    a.toggle(false, false);
    EXPECT_EQ(1, appCalls) << "a callback that is not the group's is kept";
}

TEST_F(CursesTest, RadioGroupOutlivesAMemberDestroyedFirst)
{
    CurWindow win(6, 30, 0, 0);
    CurRadioBox box;
    Calls calls;
    box.setToggleCB(groupCB, &calls);
    CurToggle a(&win), c(&win);
    box.addButton(&a);
    {
        CurToggle b(&win);
        box.addButton(&b);
        b.toggle(true, false);
        EXPECT_FALSE(a.isToggled());
    }
    box.addButton(&c);
    c.toggle(true, false);               // walks the members: b must be gone
    EXPECT_TRUE(c.isToggled());
    EXPECT_FALSE(a.isToggled());
    EXPECT_EQ(2, calls.count);
}

TEST_F(CursesTest, RadioGroupTakesAToggleAwayFromItsFormerGroup)
{
    CurWindow win(6, 30, 0, 0);
    CurToggle a(&win), b(&win), c(&win);
    CurRadioBox first, second;
    first.addButton(&a);
    first.addButton(&b);
    second.addButton(&c);
    second.addButton(&b);                // b now belongs to the second group only
    b.toggle(true, false);
    EXPECT_FALSE(c.isToggled());
    EXPECT_TRUE(a.isToggled()) << "the former group no longer links b";
    first.addButton(nullptr);            // ignored
}

// The program asks and sets the choice; its own choices call no group
// callback, a lambda's do, and a lambda that throws leaves the group working.
TEST_F(CursesTest, RadioGroupTellsAndSetsTheChoice)
{
    Group g;
    CurToggle outsider(&g.win);
    const struct { CurToggle* target; bool member; int index; const char* marks; } steps[] = {
        {g.t[2].get(), true, 2, "( )( )(*)"},
        {&outsider, false, 2, "( )( )(*)"},
        {nullptr, false, 2, "( )( )(*)"},
        {g.t[0].get(), true, 0, "(*)( )( )"},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(s.member, g.box.choose(s.target, true));
        EXPECT_EQ(s.index, g.box.getChosenIndex());
        EXPECT_EQ(g.t[s.index].get(), g.box.getChosen());
        EXPECT_EQ(s.marks, g.marks());
    }
    EXPECT_EQ(0, g.calls.count);
    EXPECT_EQ(-1, CurRadioBox().getChosenIndex());
    EXPECT_EQ(nullptr, CurRadioBox().getChosen());

    int heard = 0;
    g.box.setToggleCB([&](CurToggle* t) {
        heard++;
        if (t == g.t[2].get())
            throw std::runtime_error("from the callback");
    });
    g.t[1]->processKey(' ');
    EXPECT_THROW(g.t[2]->processKey(' '), std::runtime_error);
    g.t[1]->processKey(' ');
    EXPECT_EQ(3, heard);
    EXPECT_EQ("( )(*)( )", g.marks());
}
