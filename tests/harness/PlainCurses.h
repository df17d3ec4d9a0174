#ifndef VELMORA_TESTS_PLAINCURSES_H
#define VELMORA_TESTS_PLAINCURSES_H
// The curses set-up calls CurInit::initialize makes, in its order, made
// directly: for the harness' own tests, which must not depend on the toolkit.
#include <curses.h>

inline void startPlainCurses()
{
    use_env(FALSE);
    use_tioctl(TRUE);
    initscr();
    nonl();
    cbreak();
    noecho();
    keypad(stdscr, TRUE);
    if (has_colors()) start_color();
}
#endif
