// CursesStart.cpp - how CursesTest starts and ends curses for the toolkit's
// unit tests: through the toolkit itself, exactly as a program does.
#include "CursesTest.h"

#include "CurInit.h"

void CursesTest::startCurses()
{
    CurInit::initialize();
}

void CursesTest::stopCurses()
{
    CurInit::cleanup();
}
