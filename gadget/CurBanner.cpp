// CurBanner.cpp - the banner (gadget/, beside its labels): one row across the top of the screen
// with a left, a centred and a right field, each a label of its own.
#include "CurBanner.h"

#include <curses.h>

// The three labels cover the whole row and differ only in alignment. A text
// wider than the row wraps into further lines, which lie below the one-row
// window and are dropped, so only the first line shows.
CurBanner::CurBanner()
    : CurWindow(1, COLS, 0, 0), leftLabel(this, true), centerLabel(this, true),
      rightLabel(this, true)
{
    takeTheme(CurInit::THEME_BANNER);
    leftLabel.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    centerLabel.setAlignment(CurInit::CENTER, CurInit::TOP, false);
    rightLabel.setAlignment(CurInit::RIGHT, CurInit::TOP, false);
}

CurBanner::~CurBanner()
{
}

// After a terminal resize the banner spans the new width again, its fields
// placed anew: centred and flush right follow the right edge.
void CurBanner::fitScreen()
{
    CurWindow::fitScreen();
    if (getWindow() == nullptr || getWidth() == COLS || !resize(1, COLS))
        return;
    erase();
    for (CurLabel* label : {&leftLabel, &centerLabel, &rightLabel})
        label->setGeometry(1, COLS, 0, 0);
    leftLabel.draw();
    centerLabel.draw();
    rightLabel.draw();
}
