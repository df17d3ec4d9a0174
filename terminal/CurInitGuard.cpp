// CurInitGuard.cpp - the guard that gives the terminal back (terminal/) on a
// signal, a stop, exit and std::terminate; bytes and modes are prepared at
// set-up, so a handler does nothing but write, tcsetattr and raise.
#include "CurInit.h"
#include "CurInitPrivate.h"

#include <curses.h>
#include <term.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

// The signals caught while curses runs. Those of the first set are caught
// even when the program has a handler of its own, which the guard calls
// after giving the terminal back. All but the last two end the process;
// SIGTSTP stops it and SIGCONT continues it. SIGWINCH is left to curses and
// the resize handling.
static const int CHAINED[] = {SIGINT,  SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGSEGV,
                              SIGBUS,  SIGFPE,  SIGILL, SIGABRT, SIGTSTP, SIGCONT};
// Every other signal whose default action ends the process (and each
// real-time signal, SIGRTMIN to SIGRTMAX) is caught only while it has that
// default action: one the program has taken for itself stays the program's.
static const int AT_DEFAULT[] = {SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGXCPU,
                                 SIGXFSZ, SIGSYS,  SIGTRAP, SIGIO,     SIGPWR,  SIGSTKFLT};

static struct sigaction previous[NSIG];          // the program's handlers
static bool             caught[NSIG];            // the guard's handler was installed
static std::terminate_handler previousTerminate = nullptr;
static bool exitHookSet = false;

// What a handler needs, prepared by guardTerminal.
static char           leaveBytes[512];       // normal screen, keypad off, cursor shown
static size_t         leaveLength = 0;
static char           enterBytes[256];       // alternate screen and keypad on again
static size_t         enterLength = 0;
static struct termios startModes;            // the modes the program started with
static int            modesFd = -1;          // the descriptor they belong to
static int            outFd = -1;            // where the bytes go
static volatile sig_atomic_t guarding = 0;
static volatile sig_atomic_t resumed = 0;    // stopped and continued: repaint pending

static char*   collecting;                   // the buffer tputs fills below
static size_t* collected;
static size_t  room;

static int collect(int c)
{
    if (*collected < room)
        collecting[(*collected)++] = (char)c;
    return c;
}

static void append(char* buffer, size_t size, size_t* length, const char* value)
{
    if (value == nullptr || value == (char*)-1)
        return;
    collecting = buffer;
    collected = length;
    room = size;
    tputs(value, 1, collect);
}

static void writeAll(const char* bytes, size_t length)
{
    while (length > 0) {
        ssize_t n = write(outFd, bytes, length);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        bytes += n;
        length -= (size_t)n;
    }
}

// The guard itself: async-signal-safe, and harmless when repeated.
static void leaveTerminal()
{
    if (!guarding)
        return;
    writeAll(leaveBytes, leaveLength);
    if (modesFd >= 0)
        tcsetattr(modesFd, TCSADRAIN, &startModes);
}

// Back into the program's screen after it went on: the modes it had, the
// alternate screen and keypad; the picture follows at repaintIfResumed.
static void enterTerminal(const struct termios* modes)
{
    if (modes != nullptr)
        tcsetattr(modesFd, TCSADRAIN, modes);
    writeAll(enterBytes, enterLength);
    resumed = 1;
}

// Calls the handler the program had set, if any; false when there was none.
static bool chain(int sig, siginfo_t* info, void* context)
{
    const struct sigaction& old = previous[sig];
    if (old.sa_flags & SA_SIGINFO) {
        if (old.sa_sigaction == nullptr)
            return false;
        old.sa_sigaction(sig, info, context);
        return true;
    }
    if (old.sa_handler == SIG_DFL || old.sa_handler == SIG_IGN)
        return false;
    old.sa_handler(sig);
    return true;
}

// The signal's own action, delivered again: death (with a core where the
// signal makes one) or, for SIGTSTP, a stop that returns on SIGCONT.
static void deliverByDefault(int sig, const struct sigaction* afterwards)
{
    struct sigaction plain;
    memset(&plain, 0, sizeof plain);
    plain.sa_handler = SIG_DFL;
    sigemptyset(&plain.sa_mask);
    sigaction(sig, &plain, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, sig);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    raise(sig);
    if (afterwards != nullptr)
        sigaction(sig, afterwards, nullptr);
}

static void onSignal(int sig, siginfo_t* info, void* context)
{
    int savedErrno = errno;
    if (sig == SIGCONT) {
        resumed = 1;
        chain(sig, info, context);
        errno = savedErrno;
        return;
    }
    struct termios programModes;
    bool haveModes = modesFd >= 0 && tcgetattr(modesFd, &programModes) == 0;
    leaveTerminal();
    // A handler of the program's that returns keeps the program running, and
    // a stop ends in a continue: either way the screen is taken up again.
    bool handled = chain(sig, info, context);
    if (!handled) {
        struct sigaction ours;
        sigaction(sig, nullptr, &ours);
        deliverByDefault(sig, &ours);
    }
    enterTerminal(haveModes ? &programModes : nullptr);
    errno = savedErrno;
}

static void onTerminate()
{
    leaveTerminal();
    if (previousTerminate != nullptr)
        previousTerminate();
    abort();
}

// exit() and a return from main without cleanup end curses the proper way.
static void onExit()
{
    if (CurInit::isInitialized())
        CurInit::cleanup();
    else
        leaveTerminal();
}

static void prepareBytes()
{
    leaveLength = enterLength = 0;
    size_t size = sizeof leaveBytes;
    append(leaveBytes, size, &leaveLength, tigetstr("sgr0"));
    append(leaveBytes, size, &leaveLength, tigetstr("rmacs"));
    struct winsize ws;
    int rows = ioctl(outFd, TIOCGWINSZ, &ws) == 0 && ws.ws_row > 0 ? ws.ws_row : lines;
    char* cup = tigetstr("cup");
    if (rows > 0 && cup != nullptr && cup != (char*)-1)
        append(leaveBytes, size, &leaveLength, tiparm(cup, rows - 1, 0));
    append(leaveBytes, size, &leaveLength, tigetstr("cnorm"));
    append(leaveBytes, size, &leaveLength, tigetstr("rmkx"));
    if (CurInit::usesAlternateScreen()) {
        append(leaveBytes, size, &leaveLength, tigetstr("rmcup"));
        append(enterBytes, sizeof enterBytes, &enterLength, tigetstr("smcup"));
    }
    append(enterBytes, sizeof enterBytes, &enterLength, tigetstr("smkx"));
}

static bool isDefault(const struct sigaction& action)
{
    return !(action.sa_flags & SA_SIGINFO) && action.sa_handler == SIG_DFL;
}

// A signal the program ignores stays ignored.
static void catchSignal(int sig, bool onlyAtDefault, const struct sigaction& ours)
{
    sigaction(sig, nullptr, &previous[sig]);
    bool ignored = !(previous[sig].sa_flags & SA_SIGINFO) && previous[sig].sa_handler == SIG_IGN;
    caught[sig] = onlyAtDefault ? isDefault(previous[sig]) : !ignored;
    if (caught[sig])
        sigaction(sig, &ours, nullptr);
}

static void installHandlers()
{
    struct sigaction ours;
    memset(&ours, 0, sizeof ours);
    ours.sa_sigaction = onSignal;
    ours.sa_flags = SA_SIGINFO;          // no SA_RESTART: a waiting read sees the stop
    sigemptyset(&ours.sa_mask);
    for (int sig : CHAINED)
        sigaddset(&ours.sa_mask, sig);
    for (int sig : AT_DEFAULT)
        sigaddset(&ours.sa_mask, sig);
    for (int sig = SIGRTMIN; sig <= SIGRTMAX; sig++)
        sigaddset(&ours.sa_mask, sig);
    for (int sig : CHAINED)
        catchSignal(sig, false, ours);
    for (int sig : AT_DEFAULT)
        catchSignal(sig, true, ours);
    for (int sig = SIGRTMIN; sig <= SIGRTMAX; sig++)
        catchSignal(sig, true, ours);
}

// Runs before curses starts, so that curses, which sets handlers of its own
// only where none is set, leaves these signals to the guard.
void CurInitPrivate::guardTerminal()
{
    outFd = tty_out;
    modesFd = -1;
    const int candidates[] = {tty_out, tty_in, STDERR_FILENO};
    for (int fd : candidates) {
        if (tcgetattr(fd, &startModes) == 0) {
            modesFd = fd;
            break;
        }
    }
    prepareBytes();
    installHandlers();
    previousTerminate = std::set_terminate(onTerminate);
    if (!exitHookSet)
        exitHookSet = atexit(onExit) == 0;
    guarding = 1;
}

void CurInitPrivate::releaseTerminal()
{
    if (!guarding)
        return;
    guarding = 0;
    // A handler the program set meanwhile is its own and stays.
    for (int sig = 1; sig < NSIG; sig++) {
        struct sigaction now;
        if (caught[sig] && sigaction(sig, nullptr, &now) == 0 && (now.sa_flags & SA_SIGINFO) &&
            now.sa_sigaction == onSignal)
            sigaction(sig, &previous[sig], nullptr);
        caught[sig] = false;
    }
    std::set_terminate(previousTerminate);
    previousTerminate = nullptr;
}

// readKey asks at every turn; a signal wakes its wait.
bool CurInit::repaintIfResumed()
{
    if (!resumed || !CurInitPrivate::initialized)
        return false;
    resumed = 0;
    // The guard showed the cursor; curses still believes in its own state.
    int visibility = curs_set(1);
    if (visibility != ERR && visibility != 1)
        curs_set(visibility);
    repaintScreen();
    return true;
}
