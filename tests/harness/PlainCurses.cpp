// PlainCurses.cpp - how CursesTest starts and ends curses in the harness'
// own tests: with plain curses calls instead of CurInit.
#include "CursesTest.h"
#include "PlainCurses.h"

void CursesTest::startCurses()
{
    startPlainCurses();
}

void CursesTest::stopCurses()
{
    endwin();
}
