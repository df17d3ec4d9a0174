// CurFocuserTest.cpp - the form's keyboard loop driven by real key bytes:
// Tab and back-tab, the Enter callback, stopping, ignored keys, no-delay
// reads, and callbacks that change the set of gadgets under the loop.
#include "FormTest.h"

#include "CurGadget.h"
#include "CurMenu.h"

#include <csignal>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <functional>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace {

// A gadget that records what the focuser does to it and declines every key
// unless onKey says otherwise.
class Probe : public CurGadget {
public:
    explicit Probe(CurWindow* w) : CurGadget(w) {}
    std::vector<int> keys;
    int accepted = 0, lost = 0, drawn = 0;
    bool focused = false;
    std::function<bool(int)> onKey;

    bool processKey(int key) override
    {
        keys.push_back(key);
        return onKey ? onKey(key) : false;
    }
    void draw() override
    {
        drawn++;
        wmove(window->getWindow(), y, x);
    }
    void acceptFocus(bool redraw) override
    {
        accepted++;
        focused = true;
        if (redraw)
            draw();
    }
    void loseFocus(bool redraw) override
    {
        lost++;
        focused = false;
        if (redraw)
            draw();
    }
};

struct EnterCount {
    CurFocuser* form;
    int calls = 0;
    static void hit(void* data)
    {
        EnterCount* e = static_cast<EnterCount*>(data);
        e->calls++;
        e->form->stopKbdLoop();
    }
};

class CurFocuserTest : public FormTest {
protected:
    CurWindow* row = nullptr;
    void SetUp() override
    {
        FormTest::SetUp();
        row = window(5, 60, 2, 2);
    }
    Probe* probe(int y, int x)
    {
        probes.emplace_back(new Probe(row));
        Probe* p = probes.back().get();
        p->setGeometry(1, 6, y, x);
        form.addGadget(p);
        return p;
    }
    std::vector<std::unique_ptr<Probe>> probes;
};

TEST_F(CurFocuserTest, AddingGadgetsFocusesTheFirstAndDrawsNothing)
{
    form.addGadget(nullptr);             // ignored
    Probe* first = probe(1, 1);
    Probe* second = probe(1, 10);
    EXPECT_EQ(1, first->accepted);
    EXPECT_EQ(0, first->lost);
    EXPECT_EQ(0, second->accepted);
    EXPECT_EQ(1, second->lost);
    EXPECT_EQ(0, first->drawn + second->drawn);
}

TEST_F(CurFocuserTest, TabWalksForwardAndWrapsFromTheLastToTheFirst)
{
    for (int i = 0; i < 3; i++)
        button(row, 1, 2 + 12 * i);
    EXPECT_EQ(1, focusAfter([](VtScreen& s) { s.tab(); }));
    EXPECT_EQ(2, focusAfter([](VtScreen& s) { s.tab(); }));
    EXPECT_EQ(0, focusAfter([](VtScreen& s) { s.tab(); }));
    // The terminal shows the move: only the focused bar is bold.
    screen();
    EXPECT_TRUE(screen().cell(3, 2 + 4).bold) << screen().dump();
    EXPECT_FALSE(screen().cell(3, 14 + 4).bold) << screen().dump();
    EXPECT_FALSE(screen().cell(3, 26 + 4).bold) << screen().dump();
}

TEST_F(CurFocuserTest, BackTabWalksBackwardAndWrapsFromTheFirstToTheLast)
{
    for (int i = 0; i < 3; i++)
        button(row, 1, 2 + 12 * i);
    EXPECT_EQ(2, focusAfter([](VtScreen& s) { s.backTab(); }));
    EXPECT_EQ(1, focusAfter([](VtScreen& s) { s.backTab(); }));
    EXPECT_EQ(1, focusAfter([](VtScreen& s) { s.backTab(); s.backTab(); s.backTab(); }));
}

TEST_F(CurFocuserTest, OneGadgetKeepsTheFocusThroughTabBackTabAndArrows)
{
    Probe* only = probe(1, 1);
    only->onKey = [this](int key) {
        if (key == 13)
            form.stopKbdLoop();
        return key == 13;
    };
    armKeypad();
    screen().tab();
    screen().backTab();
    screen().up();
    screen().down();
    screen().left();
    screen().right();
    screen().enter();
    form.kbdLoop();
    EXPECT_EQ(2, only->lost);            // once per Tab and back-tab
    EXPECT_EQ(3, only->accepted);        // at addGadget, then once per Tab and back-tab
    EXPECT_TRUE(only->focused);
    // Tab and back-tab never reach the gadget; arrows do before the focuser.
    EXPECT_EQ((std::vector<int>{KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, 13}), only->keys);
}

TEST_F(CurFocuserTest, EnterPressesAButtonWithoutReachingTheEnterCallback)
{
    button(row, 1, 2);
    probe(1, 20);
    EnterCount enter{&form};
    form.setEnterCB(EnterCount::hit, &enter);
    EXPECT_EQ(0, focusAfter([](VtScreen&) {}));
    EXPECT_EQ(0, enter.calls);
}

TEST_F(CurFocuserTest, EnterDeclinedByTheGadgetReachesTheEnterCallbackAndKeepsTheFocus)
{
    button(row, 1, 2);
    Probe* p = probe(1, 20);
    EnterCount enter{&form};
    form.setEnterCB(EnterCount::hit, &enter);
    EXPECT_EQ(-1, focusAfter([](VtScreen& s) { s.tab(); }));
    EXPECT_EQ(1, enter.calls);
    EXPECT_EQ(std::vector<int>{13}, p->keys);
    EXPECT_TRUE(p->focused);
}

TEST_F(CurFocuserTest, StopFromACallbackEndsTheLoopRightAfterItsKey)
{
    button(row, 1, 2);
    button(row, 1, 14);
    armKeypad();
    screen().enter();
    screen().sendText("x");
    form.kbdLoop();
    EXPECT_EQ(0, activated());
    EXPECT_EQ('x', pendingKey());
}

TEST_F(CurFocuserTest, LoopStartedWhileStoppedDrawsEveryGadgetAndReadsNothing)
{
    button(row, 1, 2);
    button(row, 1, 14);
    form.stopKbdLoop();
    screen().sendText("x");
    form.kbdLoop();
    row->update();
    EXPECT_EQ(" 0 ", screen().text(3, 6, 3).substr(0, 3)) << screen().dump();
    EXPECT_TRUE(screen().cell(3, 4).reverse && screen().cell(3, 4).bold) << screen().dump();
    EXPECT_TRUE(screen().cell(3, 16).reverse && !screen().cell(3, 16).bold) << screen().dump();
    form.kbdLoop();                      // the request stays until enableKbdLoop
    EXPECT_EQ('x', pendingKey());
}

TEST_F(CurFocuserTest, KeysNobodyWantsChangeNothing)
{
    Probe* p = probe(1, 1);
    button(row, 1, 20);
    armKeypad();
    screen().sendText("xq");
    screen().sendBytes("\n");
    screen().sendKey(VTermKey(VTERM_KEY_FUNCTION(1)));
    EXPECT_EQ(0, focusAfter([](VtScreen& s) { s.tab(); })) << "the form's only button";
    EXPECT_EQ((std::vector<int>{'x', 'q', 10, KEY_F(1)}), p->keys);
    EXPECT_EQ(1, p->accepted);
}

TEST_F(CurFocuserTest, NoDelayWindowYieldsErrThatIsOfferedLikeAnyKey)
{
    row->nodelay(true);
    Probe* p = probe(1, 1);
    p->onKey = [this, p](int) {
        if (p->keys.size() == 3)
            form.stopKbdLoop();
        return false;
    };
    form.kbdLoop();
    EXPECT_EQ((std::vector<int>{ERR, ERR, ERR}), p->keys);
    EXPECT_TRUE(p->focused);
}

TEST_F(CurFocuserTest, EndOfInputEndsTheLoopInsteadOfSpinning)
{
    Probe* p = probe(1, 1);
    int saved = dup(0);
    int null = open("/dev/null", O_RDONLY);
    dup2(null, 0);                       // curses now reads the end of the input
    close(null);
    form.kbdLoop();
    dup2(saved, 0);
    close(saved);
    EXPECT_TRUE(p->keys.empty());
}

TEST_F(CurFocuserTest, CallbackRemovingTheFocusedGadgetHandsTheFocusOn)
{
    Probe* first = probe(1, 1);
    Probe* middle = probe(1, 10);
    Probe* last = probe(1, 20);
    first->onKey = [this](int key) {
        if (key == 13)
            form.stopKbdLoop();
        return true;
    };
    // The last gadget removes itself and the middle one, which is destroyed:
    // touching it again would be a use after free.
    last->onKey = [this, middle, last](int) {
        form.delGadget(middle);
        form.delGadget(last);
        probes.erase(probes.begin() + 1);
        return true;
    };
    form.setFocus(2);
    armKeypad();
    screen().sendText("r");
    screen().enter();
    form.kbdLoop();
    EXPECT_EQ(std::vector<int>{13}, first->keys);
    EXPECT_TRUE(first->focused);
    EXPECT_EQ(std::vector<int>{'r'}, last->keys);
}

TEST_F(CurFocuserTest, CallbackRemovingEveryGadgetEndsTheLoop)
{
    Probe* only = probe(1, 1);
    only->onKey = [this, only](int) {
        form.delGadget(only);
        return true;
    };
    screen().sendText("r");
    form.kbdLoop();                      // returns although nothing stopped it
    EXPECT_EQ(std::vector<int>{'r'}, only->keys);
    form.kbdLoop();                      // and at once with no gadgets
}

TEST_F(CurFocuserTest, SetFocusWithNoGadgetsOrANegativeIndexDoesNothing)
{
    form.setFocus(0);
    form.setFocus(-1);
    form.kbdLoop();                      // no gadgets: returns at once
    button(row, 1, 2);
    button(row, 1, 14);
    form.setFocus(1);
    form.setFocus(-1);
    EXPECT_EQ(1, focusAfter([](VtScreen&) {}));
}

TEST_F(CurFocuserTest, SetFocusPastTheEndWrapsAndRedrawsEveryGadget)
{
    Probe* a = probe(1, 1);
    Probe* b = probe(1, 10);
    Probe* c = probe(1, 20);
    form.setFocus(4);
    EXPECT_FALSE(a->focused);
    EXPECT_TRUE(b->focused);
    EXPECT_FALSE(c->focused);
    EXPECT_EQ(1, a->drawn);
    EXPECT_EQ(2, b->drawn);              // cleared, then focused
    EXPECT_EQ(1, c->drawn);
}

// The focus asked and set by gadget, the count, and the answers of an
// empty form; a gadget destroyed while held leaves the form by itself.
TEST_F(CurFocuserTest, TellsAndSetsTheFocusByGadget)
{
    EXPECT_EQ(-1, form.getFocus());
    EXPECT_EQ(nullptr, form.getFocusGadget());
    EXPECT_FALSE(form.setFocus((CurGadget*)nullptr));
    Probe* a = probe(1, 1);
    Probe* b = probe(1, 10);
    Probe* c = probe(1, 20);
    Probe outsider(row);
    const struct { CurGadget* target; bool held; CurGadget* focus; int index; } steps[] = {
        {c, true, c, 2}, {&outsider, false, c, 2}, {a, true, a, 0}, {b, true, b, 1},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(s.held, form.setFocus(s.target));
        EXPECT_EQ(s.focus, form.getFocusGadget());
        EXPECT_EQ(s.index, form.getFocus());
        EXPECT_TRUE(static_cast<Probe*>(s.focus)->focused);
    }
    EXPECT_EQ(3, form.getCount());
    probes.erase(probes.begin() + 2);    // c, destroyed while held
    EXPECT_EQ(2, form.getCount());
    form.setFocus(1);
    b->onKey = [this](int) { form.stopKbdLoop(); return true; };
    screen().sendText("x");
    form.kbdLoop();
    EXPECT_EQ(std::vector<int>{'x'}, b->keys);
}

// Windows, gadgets and focusers destroyed in any order: a gadget whose window
// went draws nothing and takes keys harmlessly, a focuser gone first is not
// told about its gadgets' end. A callback that throws ends the loop with the
// exception, and the form runs again afterwards.
TEST_F(CurFocuserTest, DestructionInAnyOrderAndThrowingCallbacksLeaveEverythingUsable)
{
    CurWindow* gone = new CurWindow(3, 20, 10, 2);
    CurButton orphan(gone);
    CurFocuser* early = new CurFocuser;
    early->addGadget(&orphan);
    delete gone;
    delete early;
    orphan.draw();
    EXPECT_TRUE(orphan.processKey(13));
    EXPECT_EQ(nullptr, orphan.getWindow()->getWindow());
    EXPECT_EQ(nullptr, CurButton(nullptr).getWindow()->getWindow());

    Probe* p = probe(1, 1);
    p->onKey = [](int) -> bool { throw std::runtime_error("from the gadget"); };
    form.setKeyCB([this](int key) {
        if (key == 'q')
            form.stopKbdLoop();
        return true;
    });
    screen().sendText("x");
    EXPECT_THROW(form.kbdLoop(), std::runtime_error);
    int timer = CurInit::addTimer(0, []() -> bool { throw std::logic_error("from a timer"); });
    EXPECT_THROW(form.kbdLoop(), std::logic_error);
    EXPECT_TRUE(CurInit::removeTimer(timer));
    p->onKey = nullptr;
    screen().sendText("q");
    form.kbdLoop();
    EXPECT_EQ((std::vector<int>{'x', 'q'}), p->keys);
}

} // namespace

// Every kind of callback run inside a form's loop destroys the focuser, its
// only gadget or that gadget's window; the loop ends cleanly (else a use
// after free is reported): at once, or for the callbacks the reader runs,
// once they stop its wait (a timer or watch returning true, a resize) or
// at the next key (a resize that leaves the window read from alone).
TEST_F(CurFocuserTest, DestroyedFromInsideEveryKindOfCallbackTheLoopEndsCleanly)
{
    enum Kind { BUTTON, ENTER, KEY, FILTER, MENU, TIMER, WATCH, RESIZE };
    for (int kind = BUTTON; kind <= RESIZE; kind++)
        for (int gone = 0; gone < 3; gone++) {
            SCOPED_TRACE("callback kind " + std::to_string(kind) + ", destroyed " + std::to_string(gone));
            CurWindow* w = new CurWindow(5, 30, 2, 2);
            CurFocuser* f = new CurFocuser;
            CurGadget* g = kind == BUTTON ? (CurGadget*)new CurButton(w) : new Probe(w);
            g->setGeometry(1, 6, 1, 1);
            f->addGadget(g);
            CurMenu menu;
            int calls = 0, fds[2] = {-1, -1}, timer = -1, watch = -1;
            std::function<void()> destroy = [&] {
                calls++;
                if (gone == 0) delete f, f = nullptr;
                if (gone == 1) delete g, g = nullptr;
                if (gone == 2) delete w, w = nullptr;
            };
            auto taken = [&](int) { destroy(); return true; };
            struct winsize size;
            if (kind == BUTTON) static_cast<CurButton*>(g)->setActivateCB(destroy);
            if (kind == ENTER) f->setEnterCB(destroy);
            if (kind == KEY) f->setKeyCB(taken);
            if (kind == FILTER) f->setKeyFilterCB(taken);
            if (kind == MENU) {
                menu.addItem("&Go", "", destroy);
                f->setKeyCB([&](int) { menu.popup(); return true; });
            }
            if (kind == TIMER) timer = CurInit::addTimer(0, [&] { return taken(0); });
            if (kind == WATCH) {
                ASSERT_TRUE(pipe(fds) == 0 && write(fds[1], "w", 1) == 1);
                watch = CurInit::addWatch(fds[0], taken);
            }
            if (kind == RESIZE) {           // the terminal one or two columns narrower
                CurInit::setResizeCB(destroy);
                ASSERT_EQ(0, ioctl(0, TIOCGWINSZ, &size));
                size.ws_col -= gone + 1;
                ASSERT_EQ(0, ioctl(0, TIOCSWINSZ, &size));
                raise(SIGWINCH);
            }
            if (kind == KEY || kind == FILTER || kind == MENU || kind == RESIZE)
                screen().sendText("x");      // the menu opens on x and chooses with Enter
            if (kind == BUTTON || kind == ENTER || kind == MENU)
                screen().enter();
            f->kbdLoop();
            EXPECT_EQ(1, calls);
            CurInit::removeTimer(timer);
            CurInit::removeWatch(watch);
            CurInit::setResizeCB(nullptr);
            for (int fd : fds)
                close(fd);
            delete f;
            delete g;
            delete w;
        }
}
