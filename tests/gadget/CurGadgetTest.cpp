// CurGadgetTest.cpp - the gadget base on a real curses screen: its rectangle,
// the harmless defaults, the plain keyboard loop every kind shares, and the
// one rule by which every loop takes the key reader's results, and every
// kind on a null window.
#include <CurCalendar.h>
#include <CurFocuser.h>
#include <CurGadget.h>
#include <CurInit.h>
#include <CurLineEdit.h>
#include <CurList.h>
#include <CurTextEdit.h>
#include <CurTimeEdit.h>
#include <CurViewer.h>
#include <CurWindow.h>

#include <fcntl.h>
#include <functional>
#include <string>
#include <memory>
#include <unistd.h>
#include <vector>

#include "CursesTest.h"

namespace {
// Records every key the loop hands over, and declines them all.
class KeyRecorder : public CurGadget {
public:
    explicit KeyRecorder(CurWindow* w) : CurGadget(w) {}
    bool processKey(int key) override
    {
        keys.push_back(key);
        return false;
    }
    std::vector<int> keys;
};
}  // namespace

TEST_F(CursesTest, GadgetCoversItsWindowUntilSetGeometry)
{
    CurWindow w(10, 40, 2, 3);
    CurGadget g(&w);
    EXPECT_EQ(0, g.getX());
    EXPECT_EQ(0, g.getY());
    EXPECT_EQ(40, g.getWidth());
    EXPECT_EQ(10, g.getHeight());
    EXPECT_EQ(&w, g.getWindow());

    g.setGeometry(1, 20, 3, 5);
    EXPECT_EQ(1, g.getHeight());
    EXPECT_EQ(20, g.getWidth());
    EXPECT_EQ(3, g.getY());
    EXPECT_EQ(5, g.getX());
    g.draw();
    g.acceptFocus(true);
    g.loseFocus(true);
    for (int row = 0; row < 10; row++)
        EXPECT_EQ(std::string(40, ' '), winText(w.getWindow(), row)) << "row " << row;
}

// A gadget placed inside a framed window is cut at the frame, on the
// window's resizes too, and grows back; one placed on the frame, or in a
// window without one, keeps its rectangle.
TEST_F(CursesTest, GadgetsInsideAFrameAreCutAtIt)
{
    const struct {
        bool framed;
        int height, width, y, x;     // setGeometry in a 6 x 20 window
        int windowHeight, windowWidth; // then resized to
        const char* expected;        // height x width, after setGeometry and after the resize
    } cases[] = {
        {true, 1, 30, 2, 12, 6, 20, "1x7 1x7"},
        {true, 9, 5, 1, 1, 3, 4, "4x5 1x2"},
        {true, 1, 30, 2, 12, 6, 60, "1x7 1x30"},
        {true, 2, 30, 0, 0, 2, 10, "2x30 2x30"},   // on the frame
        {false, 1, 30, 2, 12, 6, 10, "1x30 1x30"},
        {true, 1, 5, 2, 2, 1, 1, "1x5 0x0"},
    };
    for (const auto& c : cases) {
        CurWindow w(6, 20, 0, 0);
        w.enableFrame(c.framed);
        CurGadget g(&w);
        g.setGeometry(c.height, c.width, c.y, c.x);
        std::string got = std::to_string(g.getHeight()) + "x" + std::to_string(g.getWidth());
        w.resize(c.windowHeight, c.windowWidth);
        got += " " + std::to_string(g.getHeight()) + "x" + std::to_string(g.getWidth());
        EXPECT_EQ(c.expected, got) << c.height << "x" << c.width << " at " << c.y << "," << c.x;
    }
}

TEST_F(CursesTest, BaseGadgetConsumesNoKey)
{
    CurWindow w(3, 10, 0, 0);
    CurGadget g(&w);
    for (int key : {13, 32, KEY_LEFT, int('a'), 9})
        EXPECT_FALSE(g.processKey(key)) << "key " << key;
}

// Keys after Enter stay queued for whoever reads next.
TEST_F(CursesTest, KbdLoopHandsOverWholeCodesAndEndsAfterEnter)
{
    CurWindow w(3, 10, 0, 0);
    KeyRecorder g(&w);
    pushKeys({KEY_LEFT, 'x', 13, 'y'});
    EXPECT_EQ(0, g.kbdLoop());
    EXPECT_EQ((std::vector<int>{KEY_LEFT, 'x', 13}), g.keys);
    w.nodelay(true);
    EXPECT_EQ('y', w.getChar());
}

// Keys typed on the terminal reach the loop through the gadget's window;
// with keypad mode on for it, an arrow comes in as one code.
TEST_F(CursesTest, KbdLoopReadsTypedKeysFromItsWindow)
{
    CurWindow w(3, 10, 0, 0);
    keypad(w.getWindow(), TRUE);
    KeyRecorder g(&w);
    screen().right();
    screen().sendText("a");
    screen().enter();
    EXPECT_EQ(0, g.kbdLoop());
    EXPECT_EQ((std::vector<int>{KEY_RIGHT, 'a', 13}), g.keys);
}

// With the input at its end no Enter can come: the loop gives up with -1
// instead of reading nothing forever.
TEST_F(CursesTest, KbdLoopEndsWhenTheInputEnds)
{
    CurWindow w(3, 10, 0, 0);
    KeyRecorder g(&w);
    int terminal = dup(0);
    int nothing = open("/dev/null", O_RDONLY);
    ASSERT_GE(nothing, 0);
    dup2(nothing, 0);
    close(nothing);
    int result = g.kbdLoop();
    dup2(terminal, 0);
    close(terminal);
    EXPECT_EQ(-1, result);
    EXPECT_TRUE(g.keys.empty());
}

// Every loop takes the reader's results by one rule: a timer asking to stop
// ends a gadget's loop, a form's, and a form whose viewer has its search
// prompt open (the prompt ends, then the form).
TEST_F(CursesTest, ATimerStopEndsEveryLoopTheViewersSearchPromptToo)
{
    CurWindow w(10, 40, 0, 0);
    CurViewer viewer(&w);
    viewer.setText("some text\n");
    CurFocuser form;
    form.addGadget(&viewer);
    for (int loop = 0; loop < 3; loop++) {
        int timer = CurInit::addTimer(0, [](void*) { return true; }, nullptr);
        if (loop == 2)
            pushKeys({'/', 's'});
        if (loop == 0)
            EXPECT_EQ(-1, viewer.kbdLoop());
        else
            form.kbdLoop();
        CurInit::removeTimer(timer);
    }
}

// A gadget built on a null window is inert: it draws nowhere, takes keys
// without harm, and its loop ends at once, as does that of a form holding it.
TEST_F(CursesTest, EveryKindBuiltOnANullWindowDoesNothingHarmful)
{
    std::unique_ptr<CurGadget> kinds[] = {
        std::make_unique<CurCalendar>(nullptr), std::make_unique<CurLineEdit>(nullptr),
        std::make_unique<CurList>(nullptr),     std::make_unique<CurTextEdit>(nullptr),
        std::make_unique<CurTimeEdit>(nullptr), std::make_unique<CurViewer>(nullptr)};
    for (auto& g : kinds) {
        g->draw();
        for (int key : {(int)'a', (int)'/', KEY_DOWN})
            g->processKey(key);
        EXPECT_EQ(-1, g->kbdLoop());
        CurFocuser form;
        form.addGadget(g.get());
        form.kbdLoop();                  // returns at once
    }
}

// The calendar, the time and the text editor call their change callback
// through a copy, as every gadget does: one that replaces or clears itself
// runs to its end on its own captures (else a use after free is reported).
TEST_F(CursesTest, ChangeCallbacksMayReplaceOrClearThemselvesWhileTheyRun)
{
    CurWindow host(10, 40, 0, 0);
    CurCalendar calendar(&host);
    CurTimeEdit time(&host);
    CurTextEdit text(&host);
    using Action = std::function<void()>;
    const std::pair<std::function<void(Action)>, Action> cases[] = {
        {[&](Action f) { calendar.setChangeCB(f); }, [&] { calendar.processKey(KEY_RIGHT); }},
        {[&](Action f) { time.setChangeCB(f); }, [&] { time.processKey(KEY_UP); }},
        {[&](Action f) { text.setChangeCB(f); }, [&] { text.processKey('x'); }},
    };
    for (const auto& c : cases)
        for (bool clear : {false, true}) {
            std::string seen, tag(64, 'a');
            c.first([&c, &seen, tag, clear] { c.first(clear ? Action() : [] {}); seen += tag; });
            c.second();
            c.second();                     // the replacement, or nothing
            EXPECT_EQ(tag, seen) << (&c - cases) << (clear ? " cleared" : " replaced");
        }
}
