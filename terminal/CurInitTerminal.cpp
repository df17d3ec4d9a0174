// CurInitTerminal.cpp - which terminal CurInit draws on (terminal/): the
// controlling terminal in place of standard output or input when either is
// not one, the check of TERM, and the terminal's initialisation strings sent
// from its description.
#include "CurInit.h"
#include "CurTermDetect.h"
#include "CurTermGuard.h"
#include "CurTermSession.h"
#include "CurTerminal.h"
#include "CurTty.h"

#include <curses.h>
#include <term.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

int CurTerminal::tty_in = 0;
int CurTerminal::tty_out = 1;

static FILE*   ttyFile = nullptr;      // /dev/tty while curses uses it, for keys or screen, else null
static SCREEN* ttyScreen = nullptr;    // the curses screen made on it
static FILE*   output = stdout;        // where the strings below are sent
static bool    alternateScreen = true;

// Character set G0 to ASCII, G1 to the line-drawing set, shift in to G0:
// a terminal left in the graphics set by an earlier program shows text again.
static const char CHARSET_RESET[] = "\x1b(B\x1b)0\x0f";

// A soft terminal reset designates ASCII into every character set and
// shifts to G0 itself, so init strings holding one make the reset above
// redundant.
static const char SOFT_RESET[] = "\x1b[!p";

static int putOutput(int c)
{
    return putc(c, output);
}

// A string capability of the description in use, or null when it is absent
// or cancelled.
static const char* capability(const char* name)
{
    char* value = tigetstr(name);
    return value == nullptr || value == (char*)-1 ? nullptr : value;
}

static bool send(const char* value)
{
    if (value == nullptr)
        return false;
    tputs(value, 1, putOutput);
    return true;
}

// Margins cleared with the first means the description offers.
static void clearMargins()
{
    int last = columns > 0 ? columns - 1 : 79;
    const char* both = capability("smglr");
    const char* left = capability("smglp");
    const char* right = capability("smgrp");
    if (send(capability("mgc")))
        return;
    if (both != nullptr) {
        send(tiparm(both, 0, last));
    } else if (left != nullptr && right != nullptr) {
        send(tiparm(left, 0));
        send(tiparm(right, last));
    } else if (capability("smgl") != nullptr && capability("smgr") != nullptr) {
        putOutput('\r');
        send(capability("smgl"));
        const char* forward = capability("cuf");
        if (forward != nullptr)
            send(tiparm(forward, last));
        else
            for (int i = 0; i < last; i++)
                putOutput(' ');
        send(capability("smgr"));
        putOutput('\r');
    }
}

// Tab stops every eight columns, for a terminal whose description says its
// own stops lie elsewhere.
static void setTabs()
{
    const char* clearAll = capability("tbc");
    const char* set = capability("hts");
    if (init_tabs == 8 || clearAll == nullptr || set == nullptr)
        return;
    putOutput('\r');
    send(clearAll);
    for (int col = 8; col < (columns > 0 ? columns : 80); col += 8) {
        fputs("        ", output);
        send(set);
    }
    putOutput('\r');
}

// The description's own file of initialisation bytes, copied as it is.
static void sendFile(const char* path)
{
    FILE* in = path != nullptr ? fopen(path, "r") : nullptr;
    if (in == nullptr)
        return;
    char buffer[512];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, in)) > 0)
        fwrite(buffer, 1, n, output);
    fclose(in);
}

static bool resetsCharsets(const char* value)
{
    return value != nullptr && strstr(value, SOFT_RESET) != nullptr;
}

// What "tput init" sends, in its order, without a shell or a child process:
// the first two strings, margins, tab stops, the file, the third string. A
// program named by the description to run first (iprog) is not run. The
// character set reset goes first unless those strings already do it.
static void sendInitStrings()
{
    if (!resetsCharsets(capability("is1")) && !resetsCharsets(capability("is2")))
        fputs(CHARSET_RESET, output);
    send(capability("is1"));
    send(capability("is2"));
    clearMargins();
    setTabs();
    sendFile(capability("if"));
    send(capability("is3"));
    fflush(output);
}

// Descriptors 0 to 2 that the program was started without are opened on
// /dev/null: otherwise the next file opened (the terminal, the resize pipe)
// would take one of their numbers and be read or written as standard input,
// output or error.
static void openStandardDescriptors()
{
    for (int fd = 0; fd < 3; fd++) {
        if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF)
            continue;
        int got = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (got >= 0 && got != fd)         // a lower one was closed meanwhile: not ours to fill
            close(got);
    }
}

bool CurInit::findTerminal(int* screen, int* keys, int* opened)
{
    openStandardDescriptors();
    *screen = isatty(STDOUT_FILENO) ? STDOUT_FILENO : -1;
    *keys = isatty(STDIN_FILENO) ? STDIN_FILENO : -1;
    *opened = -1;
    if (*screen < 0 || *keys < 0) {
        *opened = CurTty::open(O_RDWR);
        if (*opened >= 0 && *screen < 0)
            *screen = *opened;
        if (*opened >= 0 && *keys < 0)
            *keys = *opened;
    }
    return *screen >= 0;
}

// Standard output that is not a terminal stays free for the program's
// results, and standard input that is not one (a file, a pipe, closed)
// keeps its data, when the process has a terminal of its own. With no
// terminal to draw on the program ends here, as with an unusable TERM: it
// must not run on with answers nobody gave. With no terminal for keys they
// come from standard input, whose end ends the loops.
static void chooseTerminal(int* in, int* out)
{
    int opened = -1;
    if (!CurInit::findTerminal(out, in, &opened)) {
        fprintf(stderr, "velmora: no terminal to draw on: standard output is not one "
                        "and there is no controlling terminal.\n");
        exit(1);
    }
    if (*in < 0)
        *in = STDIN_FILENO;
    if (opened >= 0 && (ttyFile = fdopen(opened, "r+")) == nullptr)
        close(opened);
    if (ttyFile == nullptr) {            // no memory: keys and screen from the standard ones
        *in = STDIN_FILENO;
        *out = STDOUT_FILENO;
    }
    output = *out == STDOUT_FILENO ? stdout : ttyFile;
}

// Whether the type has a description; it is loaded and becomes current. No
// description has a name as long as the limit, which keeps odd values short.
static bool loadType(const char* term, int fd)
{
    int err = 0;
    return term != nullptr && term[0] != '\0' && strlen(term) < 128 &&
           setupterm(term, fd, &err) == OK;
}

void CurTerminal::openTerminal()
{
    chooseTerminal(&tty_in, &tty_out);
    fflush(stdout);
    TERMINAL* before = cur_term;
    if (!loadType(getenv("TERM"), tty_out)) {
        CurTermDetect::autodetect();
        if (!loadType(getenv("TERM"), tty_out))
            exit(1);            // the accepted type vanished: detection said nothing more
    }
    TERMINAL* loaded = cur_term;
    if (capability("cup") == nullptr) {
        fprintf(stderr, "The terminal type \"%s\" cannot move the cursor; "
                        "set TERM to the type of your terminal.\n", getenv("TERM"));
        exit(1);
    }
    sendInitStrings();
    CurTermGuard::guardTerminal();            // prepares the session's restoring bytes from this description
    set_curterm(before);
    del_curterm(loaded);
}

void CurInit::setAlternateScreen(bool on)
{
    alternateScreen = on;
}

bool CurInit::usesAlternateScreen()
{
    return alternateScreen;
}

// Curses has the string that enters the alternate screen sent as it starts,
// ahead of any drawing. Without the alternate screen its counterpart follows
// at once, so the terminal is back on its normal screen before anything is
// drawn; both are then emptied where curses keeps them, so that neither
// endwin nor a resume sends them, and the next update redraws everything.
static void leaveAlternateScreen()
{
    const char* leave = capability("rmcup");
    if (alternateScreen || capability("smcup") == nullptr || leave == nullptr)
        return;
    refresh();
    send(leave);
    fflush(output);
    static const char* const BOTH[] = {"smcup", "rmcup"};
    for (const char* name : BOTH) {
        char* value = tigetstr(name);
        if (value != nullptr && value != (char*)-1)
            value[0] = '\0';
    }
    clearok(curscr, TRUE);
}

void CurTerminal::startCurses()
{
    if (ttyFile == nullptr) {
        initscr();
        leaveAlternateScreen();
        return;
    }
    ttyScreen = newterm(nullptr, tty_out == STDOUT_FILENO ? stdout : ttyFile,
                        tty_in == STDIN_FILENO ? stdin : ttyFile);
    if (ttyScreen == nullptr) {
        fprintf(stderr, "The terminal type \"%s\" cannot be used.\n", getenv("TERM"));
        exit(1);
    }
    set_term(ttyScreen);
    leaveAlternateScreen();
}

void CurTerminal::endCurses()
{
    endwin();
    if (ttyFile == nullptr)
        return;
    delscreen(ttyScreen);
    fclose(ttyFile);
    ttyScreen = nullptr;
    ttyFile = nullptr;
    output = stdout;
    tty_in = STDIN_FILENO;
    tty_out = STDOUT_FILENO;
}
