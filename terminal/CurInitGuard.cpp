// CurInitGuard.cpp - the guard that gives the terminal back (terminal/) on a
// signal, a stop, exit and std::terminate: it takes back the session's steps
// through their async-signal-safe forms (bytes prepared as the guard is set
// up, modes saved here), so a handler does nothing but write, tcsetattr and
// raise. Also the terminal step's own forms: its modes.
#include "CurInit.h"
#include "CurMouse.h"
#include "CurTermGuard.h"
#include "CurTermSession.h"
#include "CurTerminal.h"

#include <curses.h>
#include <term.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <exception>
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

// What the terminal step's own forms need, saved by guardTerminal.
static struct termios startModes;            // the modes the program started with
static int            modesFd = -1;          // the descriptor they belong to
static struct termios programModes;          // the modes it had when stopped
static volatile sig_atomic_t haveProgramModes = 0;
static int            outFd = -1;            // where prepared bytes go
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

// The length is set last, so that a handler meanwhile writes nothing.
void CurTermSession::prepare(Prepared* to, std::initializer_list<const char*> values)
{
    to->length = 0;
    size_t length = 0;
    collecting = to->bytes;
    collected = &length;
    room = sizeof to->bytes;
    for (const char* value : values)
        if (value != nullptr && value != (char*)-1)
            tputs(value, 1, collect);
    to->length = length;
}

void CurTermSession::writePrepared(const Prepared* prepared)
{
    if (prepared == nullptr || outFd < 0)
        return;
    const char* bytes = prepared->bytes;
    size_t length = prepared->length;
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

// The program's modes are noted first: a stop ends in a continue, which
// gives them back (restoreProgramModes).
void CurTermGuard::restoreStartModes()
{
    haveProgramModes = modesFd >= 0 && tcgetattr(modesFd, &programModes) == 0;
    if (modesFd >= 0)
        tcsetattr(modesFd, TCSADRAIN, &startModes);
}

void CurTermGuard::restoreProgramModes()
{
    if (haveProgramModes)
        tcsetattr(modesFd, TCSADRAIN, &programModes);
}

void CurTermGuard::repaintLater()
{
    resumed = 1;
}

// The guard itself: the steps taken, given back the last first through
// their async-signal-safe forms. Harmless when repeated. Returns how many
// steps it gave back, for enterSteps.
static int leaveSteps()
{
    if (!guarding)
        return 0;
    int taken = CurTermSession::stepsTaken;
    for (int i = taken - 1; i >= 0; i--) {
        const CurTermSession::Step& step = CurTermSession::session[i];
        CurTermSession::writePrepared(step.leaveBytes);
        if (step.leave != nullptr)
            step.leave();
    }
    return taken;
}

// Back into the program's screen after it went on: the same steps taken up
// again in order; the picture follows at repaintIfResumed.
static void enterSteps(int taken)
{
    for (int i = 0; i < taken; i++) {
        const CurTermSession::Step& step = CurTermSession::session[i];
        if (step.enter != nullptr)
            step.enter();
        CurTermSession::writePrepared(step.enterBytes);
    }
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
    int taken = leaveSteps();
    // A handler of the program's that returns keeps the program running, and
    // a stop ends in a continue: either way the screen is taken up again.
    bool handled = chain(sig, info, context);
    if (!handled) {
        struct sigaction ours;
        sigaction(sig, nullptr, &ours);
        deliverByDefault(sig, &ours);
    }
    enterSteps(taken);
    errno = savedErrno;
}

static void onTerminate()
{
    leaveSteps();
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
        leaveSteps();
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
// only where none is set, leaves these signals to the guard; the session's
// bytes are prepared from the description openTerminal has loaded.
void CurTermGuard::guardTerminal()
{
    outFd = CurTerminal::tty_out;
    modesFd = -1;
    const int candidates[] = {CurTerminal::tty_out, CurTerminal::tty_in, STDERR_FILENO};
    for (int fd : candidates) {
        if (tcgetattr(fd, &startModes) == 0) {
            modesFd = fd;
            break;
        }
    }
    for (int i = 0; i < CurTermSession::sessionSteps; i++)
        if (CurTermSession::session[i].prepare != nullptr)
            CurTermSession::session[i].prepare();
    installHandlers();
    previousTerminate = std::set_terminate(onTerminate);
    if (!exitHookSet)
        exitHookSet = atexit(onExit) == 0;
    guarding = 1;
}

void CurTermGuard::releaseTerminal()
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
    if (!resumed || !CurTermSession::initialized)
        return false;
    resumed = 0;
    // The guard showed the cursor; curses still believes in its own state.
    int visibility = curs_set(1);
    if (visibility != ERR && visibility != 1)
        curs_set(visibility);
    repaintScreen();
    return true;
}
