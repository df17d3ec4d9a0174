// CurInitEvents.cpp - the one key reader of every toolkit loop (terminal/):
// it waits at once for a key, watched descriptors and the next timer, and
// handles the terminal's own events (resize, Ctrl-L, Alt) before a key leaves;
// CurKeys decodes escape sequences and puts characters together.
#include "CurInit.h"
#include "CurKeyReader.h"
#include "CurMouse.h"
#include "CurPaste.h"
#include "CurPosts.h"
#include "CurKeys.h"
#include "CurText.h"
#include "CurScreenOwner.h"
#include "CurSyncFrame.h"

#include <curses.h>
#include <term.h>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

struct TimerNode {
    int       id;
    int       interval;                  // milliseconds
    long long due;                       // monotonic milliseconds
    bool (*callback)(void*);
    void*     data;
    bool      removed;                   // freed once no callback runs
    TimerNode* next;
    std::function<bool()> function;      // the other form, when callback is null
};

struct WatchNode {
    int        id;
    int        fd;
    bool (*callback)(int, void*);
    void*      data;
    bool       removed;
    short      revents;                  // what the last poll reported
    WatchNode* next;
    std::function<bool(int)> function;   // the other form, when callback is null
};

static TimerNode* timers = nullptr;      // in the order added
static WatchNode* watches = nullptr;
static int        nextId = 1;            // timers and watches share the ids
static int        depth = 0;             // readKey calls running (callbacks may nest loops)
static int        keyFd = 0;             // where curses reads the keys
static int        winchPipe[2] = {-1, -1}; // the resize signal's wake-up
static void (*resizeCallback)(void*) = nullptr;
static void*      resizeData = nullptr;
static std::function<void()> resizeFunction;
static struct pollfd* pollSet = nullptr; // grown as watches are added
static int        pollSize = 0;
static WINDOW*    readPad = nullptr;     // reads keys for windows past the screen's edge
static bool       stopPending = false;   // an inner prompt ended on STOP: the loop around it gets it
bool              CurKeyReader::turning = false;
// Keys of the replay file to be read again before its next line: what a
// character cut short leaves, or the further bytes of a character for a
// reader of bytes. The terminal's keys go back into curses' own queue.
static int        replayAhead[8];
static int        replayAheadCount = 0;
static CurKeys::Utf8 partial = {};       // a character's bytes while it arrives, within one read

static const int CTRL_L = 12;
static const int ESC = 27;
static const int ESC_DELAY_MS = 25;      // unless ESCDELAY is set

static void purge();
static int  addTimerNode(TimerNode* node);
static int  addWatchNode(WatchNode* node);

// The readKey calls running, counted however they end, a throw included:
// removed entries are freed when the outermost one ends.
struct Depth {
    Depth() { depth++; }
    ~Depth()
    {
        depth--;
        purge();
    }
};

// The curses windows the running reads wait on, innermost first. A timer,
// watch or resize callback run inside a wait may destroy the window read
// from: its owner says so (CurKeyReader::windowGone) before freeing it, and
// the wait ends on STOP without touching it again.
struct ReadFrame {
    WINDOW*    w;
    bool       gone;
    ReadFrame* outer;
};
static ReadFrame* reads = nullptr;

struct Reading {
    ReadFrame frame;
    explicit Reading(WINDOW* w) : frame{w, false, reads} { reads = &frame; }
    ~Reading() { reads = frame.outer; }
};

static bool readingGone()
{
    return reads != nullptr && reads->gone;
}

void CurKeyReader::windowGone(WINDOW* w)
{
    for (ReadFrame* f = reads; f != nullptr; f = f->outer)
        if (f->w == w)
            f->gone = true;
}

// Each callback in one of its two forms; a function is called through a
// copy, since it may remove its own entry.
static bool callTimer(TimerNode* t)
{
    if (t->callback != nullptr)
        return t->callback(t->data);
    std::function<bool()> call = t->function;
    return call();
}

static bool callWatch(WatchNode* w)
{
    if (w->callback != nullptr)
        return w->callback(w->fd, w->data);
    std::function<bool(int)> call = w->function;
    return call(w->fd);
}

static long long nowMs()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000 + ts.tv_nsec / 1000000;
}

// The signal only writes a byte: the loop that polls the pipe does the work.
static void onWinch(int)
{
    int saved = errno;
    char byte = 1;
    ssize_t ignored = write(winchPipe[1], &byte, 1);   // a full pipe already wakes the loop
    (void)ignored;
    errno = saved;
}

static bool takeWinch()
{
    char buf[64];
    bool got = false;
    while (winchPipe[0] >= 0 && read(winchPipe[0], buf, sizeof buf) > 0)
        got = true;
    return got;
}

// Curses' own resize handler is replaced: it would cut windows that no
// longer fit before the toolkit could keep their contents. Output flow
// control goes off, so Ctrl-S and Ctrl-Q reach the program as keys instead
// of freezing the screen; curses is told, and gives it back at the end.
void CurKeyReader::startEvents(int fd)
{
    keyFd = fd;
    if (getenv("ESCDELAY") == nullptr)
        set_escdelay(ESC_DELAY_MS);
    struct termios mode;
    if (tcgetattr(fd, &mode) == 0) {
        mode.c_iflag &= ~(tcflag_t)IXON;
        tcsetattr(fd, TCSANOW, &mode);
        def_prog_mode();
    }
    if (winchPipe[0] < 0 && pipe2(winchPipe, O_NONBLOCK | O_CLOEXEC) != 0)
        winchPipe[0] = winchPipe[1] = -1;
    if (winchPipe[0] >= 0) {
        struct sigaction sa = {};
        sa.sa_handler = onWinch;
        sa.sa_flags = SA_RESTART;
        sigemptyset(&sa.sa_mask);
        sigaction(SIGWINCH, &sa, nullptr);
    }
}

// Timers and watches end with the screen; the resize callback stays.
void CurKeyReader::stopEvents()
{
    stopPending = false;
    signal(SIGWINCH, SIG_DFL);
    for (int i = 0; i < 2; i++) {
        if (winchPipe[i] >= 0)
            close(winchPipe[i]);
        winchPipe[i] = -1;
    }
    for (TimerNode* t = timers; t != nullptr; t = t->next)
        t->removed = true;
    for (WatchNode* w = watches; w != nullptr; w = w->next)
        w->removed = true;
    CurPosts::dropPosts();
    if (depth == 0) {
        delete[] pollSet;
        pollSet = nullptr;
        pollSize = 0;
        if (readPad != nullptr)
            delwin(readPad);
        readPad = nullptr;
        replayAheadCount = 0;
    }
    purge();
}

void CurInit::setResizeCB(void (*callback)(void*), void* data)
{
    resizeCallback = callback;
    resizeData = data;
    resizeFunction = nullptr;
}

void CurInit::setResizeCB(std::function<void()> callback)
{
    resizeFunction = std::move(callback);
    resizeCallback = nullptr;
    resizeData = nullptr;
}

// The windows are the window floor's: it repaints them over the standard
// screen once it has any.
void CurInit::repaintScreen()
{
    clearok(curscr, TRUE);
    if (CurScreenOwner::owner != nullptr) {
        CurScreenOwner::owner->repaint();
        return;
    }
    wtouchln(stdscr, 0, getmaxy(stdscr), 1);
    wnoutrefresh(stdscr);
    CurSyncFrame::update();
}

int CurInit::addTimer(int ms, bool (*callback)(void*), void* data)
{
    if (callback == nullptr)
        return -1;
    if (ms < 0)
        ms = 0;
    return addTimerNode(new TimerNode{nextId++, ms, nowMs() + ms, callback, data, false, nullptr, {}});
}

int CurInit::addTimer(int ms, std::function<bool()> callback)
{
    if (!callback)
        return -1;
    if (ms < 0)
        ms = 0;
    return addTimerNode(new TimerNode{nextId++, ms, nowMs() + ms, nullptr, nullptr, false, nullptr,
                                      std::move(callback)});
}

static int addTimerNode(TimerNode* node)
{
    TimerNode** tail = &timers;
    while (*tail != nullptr)
        tail = &(*tail)->next;
    *tail = node;
    return node->id;
}

bool CurInit::removeTimer(int id)
{
    for (TimerNode* t = timers; t != nullptr; t = t->next) {
        if (t->id == id && !t->removed) {
            t->removed = true;
            return true;
        }
    }
    return false;
}

int CurInit::addWatch(int fd, bool (*callback)(int, void*), void* data)
{
    if (fd < 0 || callback == nullptr)
        return -1;
    return addWatchNode(new WatchNode{nextId++, fd, callback, data, false, 0, nullptr, {}});
}

int CurInit::addWatch(int fd, std::function<bool(int fd)> callback)
{
    if (fd < 0 || !callback)
        return -1;
    return addWatchNode(new WatchNode{nextId++, fd, nullptr, nullptr, false, 0, nullptr,
                                      std::move(callback)});
}

static int addWatchNode(WatchNode* node)
{
    WatchNode** tail = &watches;
    while (*tail != nullptr)
        tail = &(*tail)->next;
    *tail = node;
    CurPosts::watchesChanged();
    return node->id;
}

bool CurInit::removeWatch(int id)
{
    for (WatchNode* w = watches; w != nullptr; w = w->next) {
        if (w->id == id && !w->removed) {
            w->removed = true;
            CurPosts::watchesChanged();
            return true;
        }
    }
    return false;
}

// Removed entries are freed only when no readKey runs: a callback may have
// removed the very entry a loop further out is walking through.
static void purge()
{
    if (depth > 0)
        return;
    for (TimerNode** link = &timers; *link != nullptr;) {
        TimerNode* t = *link;
        if (t->removed) {
            *link = t->next;
            delete t;
        } else {
            link = &t->next;
        }
    }
    for (WatchNode** link = &watches; *link != nullptr;) {
        WatchNode* w = *link;
        if (w->removed) {
            *link = w->next;
            delete w;
        } else {
            link = &w->next;
        }
    }
}

// Runs every timer that is due, each once, timers added meanwhile not
// before the next turn; a timer's next time counts from now, so a late
// loop never runs one timer in a burst. True when a callback asked to stop.
static bool runTimers()
{
    int limit = nextId;
    bool stop = false;
    long long now = nowMs();
    for (TimerNode* t = timers; t != nullptr; t = t->next) {
        if (t->removed || t->id >= limit || t->due > now)
            continue;
        t->due = now + t->interval;
        if (callTimer(t))                // may add, remove, draw or nest a loop
            stop = true;
    }
    return stop;
}

// Milliseconds until the next timer or the end of the reader's own delay,
// whichever is first; -1 for neither.
static int waitTime(long long end)
{
    long long now = nowMs();
    long long first = end;
    for (TimerNode* t = timers; t != nullptr; t = t->next)
        if (!t->removed && (first < 0 || t->due < first))
            first = t->due;
    if (first < 0)
        return -1;
    if (first <= now)
        return 0;
    return first - now > INT_MAX ? INT_MAX : (int)(first - now);
}

int CurKeyReader::timerWait()
{
    return waitTime(-1);
}

bool CurKeyReader::inLoop()
{
    return depth > 0;
}

void CurKeyReader::eventFds(std::vector<int>* fds)
{
    fds->push_back(keyFd);
    if (winchPipe[0] >= 0)
        fds->push_back(winchPipe[0]);
    for (WatchNode* w = watches; w != nullptr; w = w->next)
        if (!w->removed)
            fds->push_back(w->fd);
}

static int countWatches()
{
    int n = 0;
    for (WatchNode* w = watches; w != nullptr; w = w->next)
        n += w->removed ? 0 : 1;
    return n;
}

// Runs the callbacks of the watches poll found ready. A descriptor that hung
// up or failed is told once and dropped, so it cannot wake the loop forever.
static bool runWatches()
{
    bool stop = false;
    for (WatchNode* w = watches; w != nullptr; w = w->next) {
        short ev = w->revents;
        w->revents = 0;
        if (w->removed || ev == 0)
            continue;
        if (ev & (POLLHUP | POLLERR | POLLNVAL)) {
            w->removed = true;
            CurPosts::watchesChanged();
        }
        if (callWatch(w))                 // may add, remove, draw or nest a loop
            stop = true;
    }
    return stop;
}

// What one wait brought.
enum Wake { WAKE_NONE, WAKE_KEYS, WAKE_ENDED, WAKE_STOP };

// Waits up to ms (-1: no limit) for the keyboard, the resize pipe, the
// wake pipe (posts) and every watch at once, then runs the watches that
// are ready.
static Wake waitEvents(int ms)
{
    int n = countWatches() + 3;
    if (n > pollSize) {
        delete[] pollSet;
        pollSize = n + 8;
        pollSet = new struct pollfd[pollSize];
    }
    pollSet[0] = {keyFd, POLLIN, 0};
    pollSet[1] = {winchPipe[0], POLLIN, 0};
    pollSet[2] = {CurPosts::wakeFd(), POLLIN, 0};
    int i = 3;
    for (WatchNode* w = watches; w != nullptr; w = w->next)
        if (!w->removed)
            pollSet[i++] = {w->fd, POLLIN, 0};
    if (poll(pollSet, (nfds_t)n, ms) <= 0)
        return WAKE_NONE;                // time-out or a signal
    // The results go into the watches before any callback runs: a callback
    // may nest a loop that polls with this same array.
    i = 3;
    for (WatchNode* w = watches; w != nullptr; w = w->next)
        if (!w->removed)
            w->revents = pollSet[i++].revents;
    short keys = pollSet[0].revents;
    if (runWatches())
        return WAKE_STOP;
    if (keys & (POLLHUP | POLLERR | POLLNVAL))
        return WAKE_ENDED;
    return (keys & POLLIN) ? WAKE_KEYS : WAKE_NONE;
}

// Windows keep what no longer fits, curses takes the new size, windows are
// cut, moved or made whole, and the program lays out before the repaint.
void CurKeyReader::followResize()
{
    int rows = LINES, cols = COLS;
    struct winsize ws;
    if ((ioctl(keyFd, TIOCGWINSZ, &ws) == 0 || ioctl(1, TIOCGWINSZ, &ws) == 0)
        && ws.ws_row > 0 && ws.ws_col > 0) {
        rows = ws.ws_row;
        cols = ws.ws_col;
    }
    // A signal without a change of size still repaints: the terminal may
    // have reflowed or cleared its lines, and one change may signal twice.
    if (rows == LINES && cols == COLS) {
        CurInit::repaintScreen();
        return;
    }
    if (CurScreenOwner::owner != nullptr)
        CurScreenOwner::owner->keepContents();
    // resize_term, not resizeterm: the latter queues a KEY_RESIZE, which
    // would bring the reader back here for ever.
    resize_term(rows, cols);
    CurInit::height = LINES;
    CurInit::width = COLS;
    if (CurScreenOwner::owner != nullptr)
        CurScreenOwner::owner->fitScreen();
    if (resizeCallback != nullptr) {
        resizeCallback(resizeData);
    } else if (resizeFunction) {
        std::function<void()> call = resizeFunction;   // it may replace itself
        call();
    }
    CurInit::repaintScreen();
}

// After a repaint the terminal's cursor goes back to the reading window's,
// where the loop left it (the focused gadget's draw put it there).
static void placeCursor(WINDOW* w)
{
    if (!is_pad(w)) {
        int y, x;
        getyx(w, y, x);
        setsyx(getbegy(w) + y, getbegx(w) + x);
    }
    CurSyncFrame::update();
}

// Curses refreshes the window it reads from, and cannot refresh one that a
// resize left starting past the screen's edge (it fails, or worse). Keys
// for a window not wholly on the screen are read through a pad of one cell,
// which curses never refreshes, in the window's keypad mode and with its
// delay; the toolkit updates its windows itself after drawing.
static WINDOW* readingWindow(WINDOW* w)
{
    if (getbegy(w) <= LINES - getmaxy(w) && getbegx(w) <= COLS - getmaxx(w))
        return w;
    if (readPad == nullptr)
        readPad = newpad(1, 1);
    if (readPad == nullptr)
        return w;
    keypad(readPad, is_keypad(w));
    wtimeout(readPad, wgetdelay(w));
    return readPad;
}

// The next key curses has, within ms milliseconds (0: at once); first the
// bytes read past a paste, which were typed after it.
static int getKey(WINDOW* w, int ms)
{
    int typed = CurPaste::typedAhead();
    if (typed >= 0)
        return typed;
    int saved = wgetdelay(w);
    wtimeout(w, ms);
    CurSyncFrame::beforeRead(w);
    int key = wgetch(w);
    wtimeout(w, saved);
    return key;
}

// An Esc put back after it was told apart from Alt: read as 27, never as
// the start of another key. No key has this code.
static const int ESC_ALONE = CurInit::ALT - 1;
// A mouse event put back the same way: read as KEY_MOUSE again, never as
// curses' KEY_MOUSE, after which the reader would take the bytes that
// follow for a report.
static const int MOUSE_AGAIN = CurInit::ALT - 2;

// Puts keys the Esc handling is done with back to be read next, in their
// order. The reader keeps no key of the terminal's between reads: they go
// back into curses' input queue, where flushinp discards them with the rest
// of what was typed ahead.
static void readAgain(const int* keys, int n, bool replayed)
{
    if (replayed) {
        if (replayAheadCount + n > (int)(sizeof replayAhead / sizeof replayAhead[0]))
            return;                      // cannot happen: a read puts back 4 keys at most
        memmove(replayAhead + n, replayAhead, replayAheadCount * sizeof replayAhead[0]);
        memcpy(replayAhead, keys, n * sizeof replayAhead[0]);
        replayAheadCount += n;
        return;
    }
    for (int i = n; i-- > 0;)
        ungetch(keys[i] == ESC ? ESC_ALONE : keys[i] == KEY_MOUSE ? MOUSE_AGAIN : keys[i]);
}

// The keys after an Esc. Curses has already waited the escape delay for a
// sequence it knows, and holds what came for the following reads: a key
// there at once was typed with Alt or begins a sequence curses does not
// know, whose further bytes may each take the delay again.
static int sequenceKey(bool wait, void* w)
{
    return getKey(static_cast<WINDOW*>(w), wait ? get_escdelay() : 0);
}

// Whether the description's mouse report starts "ESC [ <" (SGR) rather
// than "ESC [ M" (X10).
static bool sgrMouse()
{
    const char* start = tigetstr("kmous");
    return start != nullptr && start != (char*)-1 && strcmp(start, "\x1b[<") == 0;
}

// One key curses has or the terminal sends without waiting. Ctrl-L is
// handled here and read as no key, as is a sequence that stands for none;
// a resize is passed on as KEY_RESIZE.
static int takeKey(WINDOW* w, bool* handled)
{
    int key = getKey(w, 0);
    int again = ERR;
    if (key == ESC_ALONE || key == MOUSE_AGAIN)
        key = key == ESC_ALONE ? ESC : KEY_MOUSE;
    else if (key == ESC)
        key = CurKeys::escape(sequenceKey, w, &again);
    else if (key == KEY_MOUSE)
        key = CurKeys::mouse(sequenceKey, w, sgrMouse(), &again);
    if (again != ERR)
        ungetch(again);                  // read past the sequence: the start of the next key
    if (key == CurKeys::MOUSE)
        key = CurMouse::mouseEvent(CurKeys::report);
    else if (key == CurKeys::PASTE_START)
        key = CurPaste::readPaste(keyFd);
    else if (key == CurKeys::FOCUS_GAINED || key == CurKeys::FOCUS_LOST)
        key = !CurPaste::focusReporting ? CurKeys::DROPPED
            : key == CurKeys::FOCUS_GAINED ? CurInit::FOCUS_IN : CurInit::FOCUS_OUT;
    *handled = key == CTRL_L || key == CurKeys::DROPPED;
    if (key == CTRL_L) {
        CurInit::repaintScreen();
        placeCursor(w);
    }
    return *handled ? ERR : key;
}

// The wait of readKey: posts and keys first, then timers due, then poll
// until something happens or the window's own delay runs out. A turn for
// another loop waits for nothing, but looks at the descriptors once.
static int nextKey(WINDOW* w)
{
    int delay = CurKeyReader::turning ? 0 : wgetdelay(w);
    long long end = delay > 0 ? nowMs() + delay : -1;
    bool looked = !CurKeyReader::turning;
    for (;;) {
        if (takeWinch())
            return KEY_RESIZE;
        if (CurInit::repaintIfResumed())
            placeCursor(w);
        if (CurPosts::takePosts())
            return CurInit::STOP;
        bool handled = false;
        int key = takeKey(w, &handled);
        if (key != ERR)
            return key;
        if (runTimers() || readingGone())
            return CurInit::STOP;
        if (handled)
            continue;                    // a repaint may leave keys behind
        if ((delay == 0 || (end >= 0 && nowMs() >= end)) && looked)
            return ERR;
        Wake wake = waitEvents(looked ? waitTime(end) : 0);
        looked = true;
        if (wake == WAKE_STOP || readingGone())
            return CurInit::STOP;
        if (wake == WAKE_ENDED)
            return ERR;
        if (wake == WAKE_KEYS) {
            key = takeKey(w, &handled);
            // Readable, yet no key: the input has ended (end of file).
            if (key == ERR && !handled && delay < 0)
                return ERR;
            if (key != ERR)
                return key;
        }
    }
}

void CurKeyReader::stopNextRead()
{
    stopPending = true;
}

// What a key read from w means to a loop (CurInit::loopStep).
CurInit::LOOP_STEP CurKeyReader::loopStep(int key, WINDOW* w, bool inner)
{
    if (key == CurInit::STOP) {
        stopPending = inner;
        return CurInit::LOOP_END;
    }
    if (key != ERR)
        return CurInit::LOOP_KEY;
    return w != nullptr && wgetdelay(w) >= 0 ? CurInit::LOOP_IDLE : CurInit::LOOP_END;
}

// The next key from the replay file, then from the terminal through the
// Esc handling (takeKey); true in *replayed for a key of the replay.
int CurKeyReader::rawKey(WINDOW* w, bool* replayed)
{
    *replayed = true;
    if (replayAheadCount > 0) {
        int key = replayAhead[0];
        memmove(replayAhead, replayAhead + 1, --replayAheadCount * sizeof replayAhead[0]);
        return key;
    }
    // A replayed session's keys come first, as fast as the loops ask.
    int key = CurInit::replayKey();
    if (key >= 0)
        return key;
    *replayed = false;
    Depth running;                       // a callback that throws leaves the count right
    Reading reading(w);
    while ((key = nextKey(readingWindow(w))) == KEY_RESIZE) {
        followResize();
        if (readingGone())
            return CurInit::STOP;        // the resize callback destroyed the window
        placeCursor(readingWindow(w));
    }
    return key;
}

// A reader of whole characters puts them together from their bytes here,
// holding them across waits of any length; a reader of bytes gets a whole
// character of the replay file as its bytes.
int CurKeyReader::readKeyAs(WINDOW* w, const CurWindow* reader, bool whole)
{
    if (stopPending) {
        stopPending = false;
        return CurInit::STOP;
    }
    if (w == nullptr)
        return ERR;                      // an inert window has no input
    bool assemble = whole && CurText::utf8();
    int key = CurKeys::DROPPED;
    while (key == CurKeys::DROPPED) {
        bool replayed;
        int raw = rawKey(w, &replayed);
        int again[4], count = 0;
        if (replayed && raw == CurInit::PASTE)
            CurPaste::clearPaste();
        if (raw == ERR || raw == CurInit::STOP) {
            // Bytes of a character still held wait in curses' queue.
            readAgain(again, CurKeys::release(&partial, again), false);
            return raw;
        }
        if (assemble) {
            key = CurKeys::utf8(&partial, raw, again, &count);
        } else if (!whole) {
            int bytes[4];
            count = CurKeys::bytes(raw, bytes) - 1;
            key = bytes[0];
            memcpy(again, bytes + 1, count * sizeof again[0]);
        } else {
            key = raw;
        }
        readAgain(again, count, replayed);
    }
    // Every key a toolkit loop gets has been obtained here, just before it
    // is handed back: the place where a session's keys are recorded.
    CurInit::recordKey(key, CurInit::isSecretInput(const_cast<CurWindow*>(reader)));
    return key;
}
