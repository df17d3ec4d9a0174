// CurInitTerminal.cpp - which terminal CurInit draws on (terminal/): the
// controlling terminal when standard output is not one, the check of TERM,
// and the terminal's initialisation strings sent from its description.
#include "CurInit.h"
#include "CurInitPrivate.h"

#include <curses.h>
#include <term.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

int CurInitPrivate::tty_in = 0;
int CurInitPrivate::tty_out = 1;

static FILE*   ttyFile = nullptr;      // /dev/tty while curses runs there, else null
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

// Standard output that is not a terminal stays free for the program's
// results when the process has a terminal of its own to draw on.
static void chooseTerminal(int* in, int* out)
{
    *in = STDIN_FILENO;
    *out = STDOUT_FILENO;
    output = stdout;
    if (isatty(STDOUT_FILENO))
        return;
    ttyFile = fopen("/dev/tty", "r+e");
    if (ttyFile == nullptr)
        return;
    *in = *out = fileno(ttyFile);
    output = ttyFile;
}

// Whether the type has a description; it is loaded and becomes current. No
// description has a name as long as the limit, which keeps odd values short.
static bool loadType(const char* term, int fd)
{
    int err = 0;
    return term != nullptr && term[0] != '\0' && strlen(term) < 128 &&
           setupterm(term, fd, &err) == OK;
}

void CurInitPrivate::openTerminal()
{
    chooseTerminal(&tty_in, &tty_out);
    fflush(stdout);
    TERMINAL* before = cur_term;
    if (!loadType(getenv("TERM"), tty_out)) {
        autodetect();
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
    guardTerminal();            // reads the restoring strings from this description
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

// Curses sends the strings that enter and leave the alternate screen at its
// first update and at endwin; without them it draws on the normal screen.
static void dropAlternateScreen()
{
    if (alternateScreen || cur_term == nullptr)
        return;
    enter_ca_mode = nullptr;
    exit_ca_mode = nullptr;
}

void CurInitPrivate::startCurses()
{
    if (ttyFile == nullptr) {
        initscr();
        dropAlternateScreen();
        return;
    }
    ttyScreen = newterm(nullptr, ttyFile, ttyFile);
    if (ttyScreen == nullptr) {
        fprintf(stderr, "The terminal type \"%s\" cannot be used.\n", getenv("TERM"));
        exit(1);
    }
    set_term(ttyScreen);
    dropAlternateScreen();
}

void CurInitPrivate::endCurses()
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
