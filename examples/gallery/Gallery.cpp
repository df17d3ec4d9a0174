// Gallery.cpp - what the gallery pages share: the banner on the top row, the
// hint on the bottom row, key reading and a small cache of colour pairs.
#include "Gallery.h"

#include <CurBanner.h>
#include <CurInit.h>
#include <CurSession.h>
#include <curses.h>

static CurSession* session = nullptr;     // galleryStart to galleryEnd
static CurBanner* banner = nullptr;
static int        pairOf[8][8];            // colour pair per foreground and background; 0 = none yet

void galleryStart()
{
    session = new CurSession;
    CurInit::setMouse(true);               // clicks and the wheel, where the terminal reports them
    banner = new CurBanner();
    banner->setAttributes(galleryColor(CurInit::white, CurInit::blue) | CurInit::bold);
    banner->leftLabel.setText("Velmora gallery", false);
}

void galleryEnd()
{
    delete banner;
    banner = nullptr;
    delete session;
    session = nullptr;
}

void galleryTitle(const char* title, const char* keys)
{
    if (banner == nullptr)
        return;
    // A shorter text would leave the tail of the old one: clear the row first.
    banner->erase();
    banner->centerLabel.setText(title, false);
    banner->rightLabel.setText(keys, false);
    banner->leftLabel.draw();
    banner->centerLabel.draw();
    banner->rightLabel.draw();
    banner->update();
}

int galleryColor(int fg, int bg)
{
    if (fg < 0 || fg > 7 || bg < 0 || bg > 7)
        return 0;
    if (pairOf[fg][bg] == 0) {
        int pair = CurInit::addColorPair(fg, bg);
        if (pair <= 0)
            return 0;
        pairOf[fg][bg] = pair;
    }
    return CurInit::pairToAttr(pairOf[fg][bg]);
}

void galleryClear()
{
    werase(stdscr);
    CurInit::refreshAllWindows();
}

// Keys come through the toolkit's reader, which also follows resizes and
// repaints on Ctrl-L; ERR there means the input is gone. Of the mouse only
// clicks count, so that "any key" is not answered twice by a press and its
// release.
static bool isClick()
{
    CurInit::MouseEvent e;
    return CurInit::getMouse(&e) && (e.action == CurInit::MOUSE_CLICK || e.action == CurInit::MOUSE_DOUBLE_CLICK);
}

int galleryWaitKey()
{
    int key;
    while ((key = CurInit::readKey(nullptr)) == KEY_MOUSE && !isClick()) {
    }
    return key;
}

int galleryWaitKeyFor(int ms)
{
    wtimeout(stdscr, ms);
    int key = CurInit::readKey(nullptr);
    wtimeout(stdscr, -1);
    return key;
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
