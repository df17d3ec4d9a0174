// CurInitPaste.cpp - pasted text and focus reports (terminal/): switching
// the terminal's bracketed paste and focus reports on and off as a step of
// the session, and reading a paste whole once the key reader has seen its
// start marker (CurKeys decodes the markers and the reports).
#include "CurInit.h"
#include "CurPaste.h"
#include "CurTermSession.h"

#include <curses.h>
#include <term.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <unistd.h>

static const char PASTE_ON[] = "\033[?2004h";    // xterm's, for VELMORA_PASTE=1
static const char PASTE_OFF[] = "\033[?2004l";
static const char FOCUS_ON[] = "\033[?1004h";
static const char FOCUS_OFF[] = "\033[?1004l";
static const size_t DEFAULT_LIMIT = 16 * 1024 * 1024;
static const int SILENCE_MS = 1000;              // a paste that stops short ends here

static CurTermSession::Prepared pasteOn, pasteOff, focusOn, focusOff;
volatile sig_atomic_t CurPaste::pasteBracketing = 0;
volatile sig_atomic_t CurPaste::focusReporting = 0;
static bool wantPaste = false, wantFocus = false;   // the program's choices
static std::string pasteText;
static std::string ahead;                // bytes read past a paste's end, still to be typed
static size_t aheadPos = 0;
static size_t pasteLimit = DEFAULT_LIMIT;

static const char* capability(const char* name)
{
    const char* value = tigetstr(name);
    return value != nullptr && value != (char*)-1 && value[0] != '\0' ? value : nullptr;
}

// "1" forces bracketing on, "0" off; anything else leaves it to the
// description and the program.
static int pasteVariable()
{
    const char* v = getenv("VELMORA_PASTE");
    return v == nullptr ? -1 : strcmp(v, "1") == 0 ? 1 : strcmp(v, "0") == 0 ? 0 : -1;
}

// Prepared with the guard, before curses starts, from the description:
// a terminal that does not have them never gets the bytes.
void CurPaste::prepareInputModes()
{
    int forced = pasteVariable();
    const char* on = forced == 1 ? PASTE_ON : forced == 0 ? nullptr : capability("BE");
    const char* off = forced == 1 ? PASTE_OFF : forced == 0 ? nullptr : capability("BD");
    CurTermSession::prepare(&pasteOn, {on != nullptr && off != nullptr ? on : nullptr});
    CurTermSession::prepare(&pasteOff, {on != nullptr && off != nullptr ? off : nullptr});
    bool focus = capability("kmous") != nullptr || capability("fe") != nullptr;
    CurTermSession::prepare(&focusOn, {focus ? FOCUS_ON : nullptr});
    CurTermSession::prepare(&focusOff, {focus ? FOCUS_OFF : nullptr});
}

// Straight to the terminal, as the mouse's switch: curses keeps no state
// of these modes to disagree.
static void apply()
{
    bool paste = (wantPaste || pasteVariable() == 1) && pasteOn.length > 0;
    bool focus = wantFocus && focusOn.length > 0;
    if (paste != (CurPaste::pasteBracketing != 0))
        CurTermSession::writePrepared(paste ? &pasteOn : &pasteOff);
    if (focus != (CurPaste::focusReporting != 0))
        CurTermSession::writePrepared(focus ? &focusOn : &focusOff);
    CurPaste::pasteBracketing = paste;
    CurPaste::focusReporting = focus;
}

void CurPaste::startInputModes()
{
    apply();
}

void CurPaste::stopInputModes()
{
    leaveInputModes();
    pasteBracketing = focusReporting = 0;
    pasteText.clear();
    pasteText.shrink_to_fit();
    ahead.clear();
    aheadPos = 0;
}

void CurPaste::leaveInputModes()
{
    if (pasteBracketing)
        CurTermSession::writePrepared(&pasteOff);
    if (focusReporting)
        CurTermSession::writePrepared(&focusOff);
}

void CurPaste::enterInputModes()
{
    if (focusReporting)
        CurTermSession::writePrepared(&focusOn);
    if (pasteBracketing)
        CurTermSession::writePrepared(&pasteOn);
}

bool CurInit::setPaste(bool on)
{
    wantPaste = on;
    if (CurTermSession::initialized)
        apply();
    return CurPaste::pasteBracketing;
}

bool CurInit::usesPaste()
{
    return CurPaste::pasteBracketing;
}

std::string_view CurInit::getPaste()
{
    return pasteText;
}

void CurInit::setPasteLimit(size_t bytes)
{
    pasteLimit = bytes > 0 ? bytes : DEFAULT_LIMIT;
}

bool CurInit::setFocusReports(bool on)
{
    wantFocus = on;
    if (CurTermSession::initialized)
        apply();
    return CurPaste::focusReporting;
}

bool CurInit::usesFocusReports()
{
    return CurPaste::focusReporting;
}

// Read in large pieces straight from the terminal: curses would take a
// paste of megabytes one byte and one call at a time. Curses holds nothing
// of it: it read the start marker's bytes only as far as its own keys
// could match them. What comes after the end marker, or past the limit,
// is typed: the reader takes it before the terminal's next bytes.
int CurPaste::readPaste(int fd)
{
    static const char END[] = "\033[201~";
    const size_t endLength = sizeof END - 1;
    pasteText.clear();
    std::string rest(ahead, aheadPos);   // typed-ahead bytes come first
    ahead.clear();
    aheadPos = 0;
    pasteText.swap(rest);
    char buffer[65536];
    size_t searched = 0;                 // the marker cannot start before this
    for (;;) {
        size_t end = pasteText.find(END, searched);
        searched = pasteText.size() >= endLength ? pasteText.size() - endLength + 1 : 0;
        if (end != std::string::npos && end <= pasteLimit) {
            ahead.assign(pasteText, end + endLength, std::string::npos);
            pasteText.resize(end);
            break;
        }
        if (pasteText.size() > pasteLimit) {
            ahead.assign(pasteText, pasteLimit, std::string::npos);
            pasteText.resize(pasteLimit);
            break;
        }
        struct pollfd p = {fd, POLLIN, 0};
        int ready = poll(&p, 1, SILENCE_MS);
        if (ready < 0 && errno == EINTR)
            continue;
        ssize_t n = ready > 0 ? read(fd, buffer, sizeof buffer) : 0;
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;                       // silence, or the input ended: the paste is what came
        pasteText.append(buffer, (size_t)n);
    }
    return CurInit::PASTE;
}

int CurPaste::typedAhead()
{
    if (aheadPos >= ahead.size())
        return -1;
    unsigned char b = (unsigned char)ahead[aheadPos++];
    if (aheadPos == ahead.size()) {
        ahead.clear();
        aheadPos = 0;
    }
    return b;
}

void CurPaste::clearPaste()
{
    pasteText.clear();
}
