// window_screen - scenario for windows on a real terminal: stacking and
// unmapping through the registry, titles in every alignment, window-wide
// attributes and frames switched off. The first argument names the case;
// 'n' moves to the next step, and the program ends after its last step.
#include <CurInit.h>
#include <CurWindow.h>
#include <curses.h>
#include <cstring>

#include "../harness/ScenarioResult.h"

static void next()
{
    wgetch(stdscr);
}

// Counts its own destruction, and shows whether its frame flag is set.
class ProbeWindow : public CurWindow {
public:
    ProbeWindow(int height, int width, int y, int x) : CurWindow(height, width, y, x) {}
    ~ProbeWindow() override { destroyed++; }
    bool isFramed() const { return framed; }
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

// Titles of eight characters on 30-column windows, left, right and centred;
// an empty title; a title too long for its window; reverse-video blanks and
// reverse-video dots. Then frames switched off and hidden.
static void titles()
{
    ProbeWindow left(5, 30, 0, 0);
    left.setTitle("Eight ch", CurInit::LEFT);
    ProbeWindow right(5, 30, 6, 0);
    right.setTitle("Eight ch", CurInit::RIGHT);
    CurWindow centre(5, 30, 12, 0);
    centre.setTitle("Eight ch", CurInit::CENTER);
    CurWindow empty(5, 20, 0, 40);
    empty.setTitle("", CurInit::CENTER);
    CurWindow longer(5, 20, 6, 40);
    longer.setTitle("A title much longer than its room", CurInit::LEFT);
    CurWindow reverse(4, 20, 12, 40);
    reverse.setAttributes(CurInit::reverse);
    CurWindow dotted(4, 20, 17, 40);
    dotted.setAttributes(CurInit::reverse | '.');
    mvwaddstr(dotted.getWindow(), 1, 1, "text");
    CurInit::refreshAllWindows();
    scenarioResult("step", "titles");
    next();

    left.enableFrame(false);
    right.hideFrame();
    scenarioResult("leftFramed", left.isFramed());
    scenarioResult("rightFramed", right.isFramed());
    CurInit::refreshAllWindows();
    scenarioResult("step", "hidden");
    next();
}

int main(int argc, char** argv)
{
    const char* which = argc > 1 ? argv[1] : "";
    CurInit::initialize();
    if (strcmp(which, "stack") == 0)
        stack();
    else if (strcmp(which, "titles") == 0)
        titles();
    CurInit::cleanup();
    scenarioResult("done", 1);
    return 0;
}
