// init_screen - scenario for the screen set-up in a program of its own:
// colour pairs as the terminal shows them, and repeated set-up calls.
// The first argument names the case; 'n' moves to the next step, and the
// program ends after its last step.
#include <CurInit.h>
#include <CurWindow.h>
#include <curses.h>
#include <cstring>

#include "ScenarioResult.h"

static void next()
{
    wgetch(stdscr);
}

// Pairs handed out in order, the attribute of a pair, the checks of
// setColorPair, text in a pair and in none, a redefined pair on screen, and
// the table filled up.
static void colours()
{
    int first = CurInit::addColorPair(CurInit::red, CurInit::blue);
    int second = CurInit::addColorPair(CurInit::red, CurInit::blue);
    scenarioResult("first", first);
    scenarioResult("second", second);
    scenarioResult("attr3", CurInit::pairToAttr(3));
    scenarioResult("setBelow", CurInit::setColorPair(0, 1, 2));
    scenarioResult("setLatest", CurInit::setColorPair(second, CurInit::yellow, CurInit::blue));
    scenarioResult("setBeyond", CurInit::setColorPair(second + 1, 1, 2));

    CurWindow win(3, 20, 1, 2);
    win.setAttributes(CurInit::pairToAttr(first) | CurInit::bold);
    mvwaddstr(win.getWindow(), 1, 1, "coloured");
    mvwaddstr(stdscr, 5, 2, "plain");       // no colour pair
    CurInit::refreshAllWindows();
    next();
    CurInit::setColorPair(first, CurInit::green, CurInit::black);
    CurInit::refreshAllWindows();
    scenarioResult("step", "redefined");
    next();

    int handedOut = second;
    int pair;
    while ((pair = CurInit::addColorPair(CurInit::white, CurInit::black)) > 0)
        handedOut = pair;
    scenarioResult("last", handedOut);
    scenarioResult("full", pair);
    scenarioResult("fullAttr", CurInit::pairToAttr(pair));
}

// cleanup before any set-up does nothing; a second initialize is ignored and
// keeps the colour table; after cleanup, initialize starts over.
static void again()
{
    CurInit::cleanup();
    scenarioResult("before", CurInit::isInitialized());
    CurInit::initialize();
    int first = CurInit::addColorPair(CurInit::red, CurInit::black);
    CurInit::initialize();
    int second = CurInit::addColorPair(CurInit::red, CurInit::black);
    scenarioResult("first", first);
    scenarioResult("second", second);
    CurInit::cleanup();
    CurInit::cleanup();
    scenarioResult("after", CurInit::isInitialized());
    CurInit::initialize();
    scenarioResult("restarted", CurInit::addColorPair(CurInit::red, CurInit::black));
    CurWindow win(3, 20, 5, 5);
    mvwaddstr(win.getWindow(), 1, 1, "started again");
    CurInit::refreshAllWindows();
    next();
}

int main(int argc, char** argv)
{
    const char* which = argc > 1 ? argv[1] : "";
    if (strcmp(which, "again") == 0) {
        again();
    } else {
        CurInit::initialize();
        if (strcmp(which, "colours") == 0)
            colours();
        scenarioResult("width", CurInit::width);
        scenarioResult("height", CurInit::height);
    }
    CurInit::cleanup();
    scenarioResult("done", 1);
    return 0;
}
