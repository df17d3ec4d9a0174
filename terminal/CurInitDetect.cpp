// CurInitDetect.cpp - interactive terminal type detection (terminal/), run by
// CurInit::initialize when TERM is unset, empty or unknown. Each candidate type is
// tried in a child process that asks the user, in a question box drawn with
// that type (the box the session was started with), whether the
// screen looks right; the parent's terminal state and environment stay
// untouched until a type is accepted.
#include "CurInit.h"
#include "CurTermDetect.h"
#include "CurTermSession.h"
#include "CurTerminal.h"

#include <curses.h>
#include <term.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// The candidates in the order they are tried, with the environment entries
// that acceptance installs. putenv keeps the pointer, so these are literals.
static const struct {
    const char* term;
    const char* entry;
} candidates[] = {
    {"dtterm", "TERM=dtterm"}, {"xterm", "TERM=xterm"},   {"ansi", "TERM=ansi"},
    {"vt100", "TERM=vt100"},   {"vt102", "TERM=vt102"},   {"hp", "TERM=hp"},
    {"hpterm", "TERM=hpterm"}, {"vt52", "TERM=vt52"},     {"linux", "TERM=linux"},
};

static const char INTRODUCTION[] =
    "\n\n\n\n\n"
    "      +-----------------------------------------------------------------+\n"
    "      |                                                                 |\n"
    "      |   You do not have the TERM variable set in  your  environment.  |\n"
    "      |   We will now try to find the best settings for your terminal.  |\n"
    "      |                                                                 |\n"
    "      |   We will be displaying a rectangular box in the screen using   |\n"
    "      |   various terminal settings. Answer \"Yes\" as soon as you  see   |\n"
    "      |   an acceptable image.                                          |\n"
    "      |                                                                 |\n"
    "      |   If at any moment the screen appears completely corrupt, hit   |\n"
    "      |   <ENTER>, and we will keep trying.                             |\n"
    "      |                                                                 |\n"
    "      +-----------------------------------------------------------------+\n"
    "\n"
    "              Now press <ENTER> to begin the detection process...\n"
    "\n\n";

static const char QUESTION[] =
    "We're now trying to use settings for terminal \"%s\". You should see a "
    "centered rectangular window with border, title and two buttons at the "
    "bottom.\n\nDoes the screen look like described above?\n"
    "Use arrow keys and <TAB> to navigate.";

static const char FAREWELL[] =
    "\n\n\n\n\n\n\n\n\n"
    "We are sorry, but you have rejected all the settings that we had\n"
    "to offer. Please find out the type of the terminal that you are\n"
    "using, and assign correct value to the TERM environment variable.\n"
    "\n"
    "Thank you for using Velmora.\n";

// ANSI's home and erase, understood by nearly every candidate; with the
// type unknown, no description can say better. Sent without a shell.
static const char CLEAR[] = "\x1b[H\x1b[2J";

// Detection talks on the terminal curses will use: standard input and
// output, or the controlling terminal when output goes elsewhere.
static void say(int fd, const char* text)
{
    for (size_t left = strlen(text); left > 0;) {
        ssize_t n = write(fd, text, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        text += n;
        left -= (size_t)n;
    }
}

// The terminal is in line mode: this returns on Enter, false at the end of
// the input.
static bool awaitEnter(int fd)
{
    char c;
    for (;;) {
        ssize_t n = read(fd, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        if (c == '\n')
            return true;
    }
}

void CurTermDetect::autodetect()
{
    fflush(stdout);
    if (!isatty(CurTerminal::tty_in)) {
        fprintf(stderr, "TERM names no known terminal type, and there is no terminal "
                        "to ask which type it is.\n");
        exit(1);
    }
    say(CurTerminal::tty_out, CLEAR);
    say(CurTerminal::tty_out, INTRODUCTION);
    say(CurTerminal::tty_out, "\n");
    // At the end of the input nobody is there to answer, and every question
    // box would wait for keys that never come: no candidate can be accepted.
    if (awaitEnter(CurTerminal::tty_in)) {
        for (const auto& candidate : candidates) {
            if (tryTerm(candidate.term)) {
                putenv(const_cast<char*>(candidate.entry));
                return;
            }
        }
    }
    say(CurTerminal::tty_out, CLEAR);
    say(CurTerminal::tty_out, FAREWELL);
    say(CurTerminal::tty_out, "\n");
    exit(1);
}

// The child shows the question and answers through its exit status: 0 for
// "Yes", anything else (including a missing description) for "No". It ends
// with _exit so that the program's buffers and exit handlers, which belong
// to the parent, are not flushed or run twice.
static void askInChild(const char* term)
{
    int err = 0;
    if (setupterm(term, 1, &err) != OK)
        _exit(1);           // no description: skipped without a word
    char entry[1024];
    snprintf(entry, sizeof entry, "TERM=%s", term);
    putenv(entry);          // initialize below finds TERM and does not detect again

    // Standard error now reaches the null device, so nothing written there
    // disturbs the box: 2 is the lowest free descriptor once closed.
    close(2);
    int null = open("/dev/null", O_RDWR);
    (void)null;             // stays open for the life of the child

    CurTermSession::start(CurTermSession::asker());
    int attr = CurInit::pairToAttr(CurInit::addColorPair(CurInit::white, CurInit::blue));
    char question[1024];
    snprintf(question, sizeof question, QUESTION, term);
    CurTermSession::Ask ask = CurTermSession::asker();
    bool answer = ask != nullptr && ask(question, "Terminal detection", attr);
    CurInit::cleanup();
    fflush(stdout);
    _exit(answer ? 0 : 1);
}

bool CurTermDetect::tryTerm(const char* term)
{
    fflush(stdout);         // the child must not write the parent's pending output again
    pid_t child = fork();
    if (child == -1)
        return false;
    if (child == 0)
        askInChild(term);

    // Only this child is waited for, so a status the program expects from a
    // child of its own is not taken away from it.
    int status = 0;
    while (waitpid(child, &status, 0) == -1) {
        if (errno != EINTR)
            return false;
    }
    if (WIFSIGNALED(status))
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
