// CurSyncFrame.cpp - synchronized output (terminal/): the decision, the
// begin and end of each frame, and the end the guard writes on its way out.
#include "CurSyncFrame.h"
#include "CurTerminal.h"

#include <curses.h>
#include <term.h>
#include <cstdlib>
#include <cstring>

CurTermSession::Prepared CurSyncFrame::end = {{0}, 0};
static CurTermSession::Prepared begin = {{0}, 0};
static bool decided = false;
static bool inUse = false;

// The capability takes one parameter: 1 begins a frame, 2 ends it. Forced
// on a terminal whose description lacks it, the mode's own bytes are sent.
void CurSyncFrame::prepare()
{
    const char* forced = getenv("VELMORA_SYNC");
    const char* cap = tigetstr("Sync");
    bool hasCap = cap != nullptr && cap != (char*)-1 && cap[0] != '\0';
    if (forced != nullptr && strcmp(forced, "0") == 0)
        decided = false;
    else
        decided = hasCap || (forced != nullptr && strcmp(forced, "1") == 0);
    if (!decided) {
        begin.length = end.length = 0;
        return;
    }
    if (hasCap) {
        CurTermSession::prepare(&begin, {tiparm(cap, 1)});
        CurTermSession::prepare(&end, {tiparm(cap, 2)});
    } else {
        CurTermSession::prepare(&begin, {"\033[?2026h"});
        CurTermSession::prepare(&end, {"\033[?2026l"});
    }
}

void CurSyncFrame::take()
{
    inUse = decided && begin.length > 0 && end.length > 0;
}

void CurSyncFrame::undo()
{
    inUse = false;
}

// Curses flushes what it has at the end of doupdate, so the begin and the
// end, written straight to the terminal, hold the whole frame between them.
void CurSyncFrame::update()
{
    if (!inUse) {
        doupdate();
        return;
    }
    CurTermSession::writePrepared(&begin);
    doupdate();
    CurTermSession::writePrepared(&end);
}

void CurSyncFrame::beforeRead(WINDOW* w)
{
    if (inUse && !is_pad(w) && is_wintouched(w)) {
        wnoutrefresh(w);
        update();
    }
}
