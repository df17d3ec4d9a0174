// CursesTest.cpp - the unit-level fixture: a pseudo-terminal on standard
// input and output for curses, its output read into libvterm, and window
// read-back helpers. How curses itself is started lives in CursesStart.cpp.
#include "CursesTest.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

namespace {

std::atomic<bool> cursesOwnsStdout{false};
int               startsInProcess = 0;
std::string       firstTerm;

// While the pseudo-terminal stands in for standard output, GoogleTest's own
// report of a failure lands on the emulated screen; this listener repeats
// it on standard error, which the fixture leaves alone.
class FailureEcho : public ::testing::EmptyTestEventListener {
    void OnTestPartResult(const ::testing::TestPartResult& r) override
    {
        if (!cursesOwnsStdout || !r.failed()) return;
        std::fprintf(stderr, "%s:%d: Failure\n%s\n", r.file_name() ? r.file_name() : "?",
                     r.line_number(), r.message());
        std::fflush(stderr);
    }
};

const bool failureEchoInstalled =
    (::testing::UnitTest::GetInstance()->listeners().Append(new FailureEcho), true);

// A test run without standard input (or output) must not have the
// pseudo-terminal land on descriptor 0 or 1 by accident when it is opened.
void ensureStandardDescriptors()
{
    for (int fd = 0; fd <= 2; ++fd)
        if (fcntl(fd, F_GETFD) < 0) {
            int nul = open("/dev/null", O_RDWR);
            if (nul >= 0 && nul != fd) {
                dup2(nul, fd);
                close(nul);
            }
        }
}

long secondsSince(std::chrono::steady_clock::time_point t)
{
    return long(std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - t).count());
}

}  // namespace

CursesTest::CursesTest(const char* termName) : term(termName)
{
    (void)failureEchoInstalled;
}

CursesTest::~CursesTest() = default;

void CursesTest::SetUp()
{
    if (startsInProcess > 0 && firstTerm != term)
        GTEST_SKIP() << "curses already runs as " << firstTerm << " in this process; run this test on its own";

    ensureStandardDescriptors();
    struct winsize ws = {};
    ws.ws_row = 24;
    ws.ws_col = 80;
    ASSERT_EQ(0, openpty(&master, &slave, nullptr, nullptr, &ws)) << "no pseudo-terminal";
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    fcntl(master, F_SETFD, FD_CLOEXEC);
    fcntl(slave, F_SETFD, FD_CLOEXEC);
    vt.reset(new VtScreen(24, 80));
    vt->setInputFd(master);

    const char* old = std::getenv("TERM");
    hadTerm = old != nullptr;
    savedTerm = old ? old : "";
    setenv("TERM", term, 1);
    termChanged = true;

    std::fflush(stdout);
    savedIn = fcntl(0, F_DUPFD_CLOEXEC, 3);
    savedOut = fcntl(1, F_DUPFD_CLOEXEC, 3);
    dup2(slave, 0);
    dup2(slave, 1);
    cursesOwnsStdout = true;
    stopping = false;
    drain = std::thread(&CursesTest::drainLoop, this);

    startCurses();
    started = true;
    if (startsInProcess++ == 0) {
        firstTerm = term;
    } else {
        // The same curses screen again (see the header): blank it, and
        // repaint everything on this test's terminal at the next refresh.
        werase(stdscr);
        clearok(curscr, TRUE);
    }
}

void CursesTest::TearDown()
{
    if (started) stopCurses();
    started = false;
    std::fflush(stdout);
    if (drain.joinable()) {
        stopping = true;
        drain.join();
    }
    if (savedOut >= 0) {
        dup2(savedIn, 0);
        dup2(savedOut, 1);
        close(savedIn);
        close(savedOut);
        savedIn = savedOut = -1;
    }
    cursesOwnsStdout = false;
    if (master >= 0) close(master);
    if (slave >= 0) close(slave);
    master = slave = -1;
    if (termChanged && hadTerm) setenv("TERM", savedTerm.c_str(), 1);
    else if (termChanged) unsetenv("TERM");
    termChanged = false;
}

void CursesTest::readOutput()
{
    char buf[4096];
    for (;;) {
        ssize_t n = read(master, buf, sizeof buf);
        if (n > 0) pending.append(buf, size_t(n));
        else if (n < 0 && errno == EINTR) continue;
        else return;
    }
}

// Keeps the pseudo-terminal from filling up (curses would block writing to
// it) and stops a test that waits for a key nobody will send.
void CursesTest::drainLoop()
{
    auto begun = std::chrono::steady_clock::now();
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    while (!stopping) {
        struct pollfd p = {master, POLLIN, 0};
        poll(&p, 1, 20);
        {
            std::lock_guard<std::mutex> hold(lock);
            readOutput();
        }
        if (hangLimitSeconds > 0 && secondsSince(begun) >= hangLimitSeconds) {
            std::fprintf(stderr, "%s.%s still runs after %d s: is it waiting for a key that was never sent?\n",
                         info ? info->test_suite_name() : "?", info ? info->name() : "?", hangLimitSeconds);
            std::fflush(stderr);
            _exit(1);
        }
    }
}

VtScreen& CursesTest::screen()
{
    std::string bytes;
    {
        std::lock_guard<std::mutex> hold(lock);
        if (master >= 0) readOutput();
        bytes.swap(pending);
    }
    vt->feed(bytes.data(), bytes.size());
    return *vt;
}

void CursesTest::pushKeys(std::initializer_list<int> keys)
{
    for (auto k = keys.end(); k != keys.begin();)
        ungetch(*--k);
}

std::string CursesTest::winText(WINDOW* w, int row, int col, int len)
{
    int y, x;
    getyx(w, y, x);
    if (len < 0) len = getmaxx(w) - col;
    std::vector<char> buf(size_t(len > 0 ? len : 0) + 1, '\0');
    if (len > 0) mvwinnstr(w, row, col, buf.data(), len);
    wmove(w, y, x);
    return buf.data();
}

chtype CursesTest::winCell(WINDOW* w, int row, int col)
{
    int y, x;
    getyx(w, y, x);
    chtype c = mvwinch(w, row, col);
    wmove(w, y, x);
    return c;
}

int CursesTest::winChar(WINDOW* w, int row, int col)
{
    return int(winCell(w, row, col) & A_CHARTEXT);
}

attr_t CursesTest::winAttrs(WINDOW* w, int row, int col)
{
    return winCell(w, row, col) & (A_ATTRIBUTES & ~A_COLOR);
}

int CursesTest::winPair(WINDOW* w, int row, int col)
{
    return int(PAIR_NUMBER(winCell(w, row, col)));
}

bool CursesTest::winIsAcs(WINDOW* w, int row, int col, chtype acs)
{
    const chtype mask = A_CHARTEXT | A_ALTCHARSET;
    return (winCell(w, row, col) & mask) == (acs & mask);
}
