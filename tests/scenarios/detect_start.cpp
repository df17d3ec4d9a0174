// detect_start.cpp - a screen-test scenario: a program that starts the
// toolkit, so that a missing TERM runs terminal type detection. Once curses
// runs it shows and reports the TERM it started with, then waits for a key.
#include "CurInit.h"
#include "ScenarioResult.h"

#include <curses.h>
#include <cstdlib>

int main()
{
    CurInit::initialize();
    const char* term = getenv("TERM");
    scenarioResult("term", term != nullptr ? term : "(unset)");
    scenarioResult("curses", CurInit::isInitialized() ? 1 : 0);
    mvwprintw(stdscr, 2, 2, "Started with TERM=%s", term != nullptr ? term : "(unset)");
    wrefresh(stdscr);
    wgetch(stdscr);
    CurInit::cleanup();
    return 0;
}
