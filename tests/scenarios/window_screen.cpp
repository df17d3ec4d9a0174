// window_screen - scenario for windows on a real terminal: stacking,
// unmapping and mapping through the registry, killAllWindows, and a window
// larger than the screen that a resize shows whole, then moved and resized.
// The first argument names the case; 'n' moves to the next step, and the
// program ends after its last step.
#include <CurInit.h>
#include <CurWindow.h>
#include <curses.h>
#include <cstring>
#include <string>

#include "ScenarioResult.h"

static void next()
{
    wgetch(stdscr);
}

// Counts its own destruction.
class ProbeWindow : public CurWindow {
public:
    ProbeWindow(int height, int width, int y, int x) : CurWindow(height, width, y, x) {}
    ~ProbeWindow() override { destroyed++; }
    static int destroyed;
};
int ProbeWindow::destroyed = 0;

// Two overlapping windows filled with 'A' and 'B' over a standard screen of
// dots: B, built later, lies on top; unmapped it gives way to A, and mapped
// again it comes back with its contents. Both die in killAllWindows.
static void stack()
{
    CurInit::clearScreen(0, '.');
    ProbeWindow* a = new ProbeWindow(6, 20, 2, 5);
    ProbeWindow* b = new ProbeWindow(6, 20, 4, 15);
    a->setAttributes('A');
    a->setTitle("first", CurInit::LEFT);
    b->setAttributes('B');
    b->setTitle("second", CurInit::LEFT);
    CurInit::refreshAllWindows();
    scenarioResult("step", "both");
    next();
    b->unmap();
    CurInit::refreshAllWindows();
    scenarioResult("step", "unmapped");
    next();
    b->map();
    CurInit::refreshAllWindows();
    scenarioResult("step", "mapped");
    next();
    a->unmap();
    b->unmap();
    CurInit::refreshAllWindows();
    scenarioResult("step", "none");
    next();
    CurInit::killAllWindows();
    scenarioResult("destroyed", ProbeWindow::destroyed);
    CurInit::killAllWindows();
    mvwaddstr(stdscr, 0, 0, "killed");
    CurInit::refreshAllWindows();
    scenarioResult("step", "killed");
    next();
}

// The key reader follows resizes while it waits for 'n'.
static void nextKey()
{
    int key;
    while ((key = CurInit::readKey(nullptr)) != 'n' && key != ERR)
        ;
}

// A framed window of 22 x 76 with "bottom" on its last inner row, built on
// a smaller terminal; after the test's resize, 10 x 30 at row 2, column 3.
static void large()
{
    CurWindow w(22, 76, -1, -1);
    w.setTitle("large", CurInit::LEFT);
    mvwaddstr(w.getWindow(), 20, 1, "bottom");
    CurInit::refreshAllWindows();
    scenarioResult("size", (std::to_string(w.getHeight()) + "x" + std::to_string(w.getWidth())).c_str());
    scenarioResult("step", "cut");
    nextKey();
    w.resize(10, 30);
    w.move(2, 3);
    CurInit::repaintScreen();
    scenarioResult("step", "moved");
    nextKey();
}

int main(int argc, char** argv)
{
    const char* which = argc > 1 ? argv[1] : "";
    CurInit::initialize();
    if (strcmp(which, "stack") == 0)
        stack();
    else if (strcmp(which, "large") == 0)
        large();
    CurInit::cleanup();
    scenarioResult("done", 1);
    return 0;
}
