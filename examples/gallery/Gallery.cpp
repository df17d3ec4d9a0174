// Gallery.cpp - small helpers the gallery pages share.
#include "Gallery.h"

#include <CurInit.h>
#include <curses.h>

void galleryClear()
{
    werase(stdscr);
    CurInit::refreshAllWindows();
}

int galleryWaitKey()
{
    return wgetch(stdscr);
}

void galleryFooter(const char* hint)
{
    wmove(stdscr, CurInit::height - 1, 0);
    wclrtoeol(stdscr);
    wattron(stdscr, A_DIM);
    mvwaddnstr(stdscr, CurInit::height - 1, 1, hint, CurInit::width - 2);
    wattroff(stdscr, A_DIM);
    wrefresh(stdscr);
}
