// CurTestTerminal.cpp - the test kit's session (testkit/): a child process on
// a pseudo-terminal, its output fed into the emulated screen, waits with time
// limits, resizing, replaying a key log, and ending and reaping the child.
#include "CurTestTerminal.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

extern char** environ;

struct CurTestTerminal::Setup {
    bool        termSet = true;
    std::string term = "xterm";
    std::string locale;
    std::vector<std::pair<std::string, std::pair<bool, std::string>>> env;   // name, (set, value)
    std::string dir;                     // temporary: the child's standard error
    std::string text;                    // the last text handed out by stderrText or stdoutText
    bool        stdoutCaptured = false;
    bool        stdinGiven = false;
    std::string stdinBytes;

    std::vector<std::string> environment() const;
};

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

}  // namespace

CurTestTerminal::CurTestTerminal(int rows, int cols)
    : CurTestScreen(rows, cols), setup(new Setup), master(-1), pid(-1), exitCode(-1), signalNumber(0),
      outputClosed(false), hung(false)
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/velmora-test-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (mkdtemp(buf.data())) setup->dir = buf.data();
}

CurTestTerminal::~CurTestTerminal()
{
    kill();
    if (master >= 0) close(master);
    std::string err = stderrText();
    if (!err.empty()) std::fprintf(stderr, "[program stderr]\n%s\n", err.c_str());
    // Files the program or the test left in the folder go with it.
    if (DIR* d = setup->dir.empty() ? nullptr : opendir(setup->dir.c_str())) {
        while (struct dirent* e = readdir(d))
            if (e->d_type != DT_DIR) unlink((setup->dir + "/" + e->d_name).c_str());
        closedir(d);
        rmdir(setup->dir.c_str());
    }
    delete setup;
}

void CurTestTerminal::setTerm(const char* term)
{
    setup->termSet = term != nullptr;
    setup->term = term ? term : "";
}

void CurTestTerminal::setLocale(const char* locale)
{
    setup->locale = locale ? locale : "";
}

void CurTestTerminal::setEnv(const char* name, const char* value)
{
    setup->env.emplace_back(name, std::make_pair(value != nullptr, value ? value : ""));
}

void CurTestTerminal::captureStdout()
{
    setup->stdoutCaptured = true;
}

void CurTestTerminal::setStdin(const char* bytes, size_t len)
{
    setup->stdinBytes.assign(bytes ? bytes : "", bytes ? len : 0);
    setup->stdinGiven = true;
}

const char* CurTestTerminal::workDir() const
{
    return setup->dir.c_str();
}

bool CurTestTerminal::start(const char* const* argv)
{
    return argv && argv[0] && launch(argv, nullptr, nullptr);
}

bool CurTestTerminal::startFunction(int (*body)(void*), void* data)
{
    return body && launch(nullptr, body, data);
}

// The program's environment: the test's own without LINES and COLUMNS (the
// size comes from the terminal), TERM and LC_ALL as chosen, then setEnv's.
std::vector<std::string> CurTestTerminal::Setup::environment() const
{
    const Setup& s = *this;
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        std::string name = entry.substr(0, entry.find('='));
        bool replaced = name == "TERM" || name == "LINES" || name == "COLUMNS" ||
                        (name == "LC_ALL" && !s.locale.empty());
        for (const auto& extra : s.env) replaced = replaced || extra.first == name;
        if (!replaced) env.push_back(entry);
    }
    if (s.termSet) env.push_back("TERM=" + s.term);
    if (!s.locale.empty()) env.push_back("LC_ALL=" + s.locale);
    for (const auto& extra : s.env) {
        auto old = std::find_if(env.begin(), env.end(),
                                [&](const std::string& e) { return e.rfind(extra.first + "=", 0) == 0; });
        if (old != env.end()) env.erase(old);
        if (extra.second.first) env.push_back(extra.first + "=" + extra.second.second);
    }
    return env;
}

bool CurTestTerminal::launch(const char* const* argv, int (*body)(void*), void* data)
{
    if (pid > 0 || setup->dir.empty()) return false;
    // Everything the child needs is prepared before fork: after it, only
    // async-signal-safe calls are allowed (a function child is on its own).
    std::vector<std::string> env = setup->environment();
    std::vector<char*> envp;
    for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    int errFd = open((setup->dir + "/stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    int outFd = -1, inFd = -1;
    if (setup->stdoutCaptured)
        outFd = open((setup->dir + "/stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (setup->stdinGiven) {
        std::ofstream(setup->dir + "/stdin", std::ios::binary) << setup->stdinBytes;
        inFd = open((setup->dir + "/stdin").c_str(), O_RDONLY | O_CLOEXEC);
    }
    struct winsize ws = {};
    ws.ws_row = (unsigned short)rows();
    ws.ws_col = (unsigned short)cols();
    std::fflush(nullptr);

    pid = forkpty(&master, nullptr, nullptr, &ws);
    if (pid == 0) {
        if (errFd >= 0) dup2(errFd, 2);  // sanitizer reports stay readable
        if (outFd >= 0) dup2(outFd, 1);
        if (inFd >= 0) dup2(inFd, 0);
        if (body) {
            environ = envp.data();
            int status = body(data);
            std::fflush(nullptr);
            _exit(status);
        }
        execve(argv[0], const_cast<char* const*>(argv), envp.data());
        const char msg[] = "CurTestTerminal: cannot execute the program\n";
        ssize_t ignored = write(2, msg, sizeof msg - 1);
        (void)ignored;
        _exit(127);
    }
    if (errFd >= 0) close(errFd);
    if (outFd >= 0) close(outFd);
    if (inFd >= 0) close(inFd);
    if (pid < 0) {
        pid = master = -1;
        return false;
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    fcntl(master, F_SETFD, FD_CLOEXEC);
    setInputFd(master);
    outputClosed = hung = false;
    exitCode = -1;
    signalNumber = 0;
    return true;
}

long CurTestTerminal::nowMs()
{
    using namespace std::chrono;
    return long(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// Whether the program has not ended yet; it is not reaped here.
static bool programRunning(int pid)
{
    siginfo_t info = {};
    return pid > 0 && waitid(P_PID, (id_t)pid, &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == 0;
}

bool CurTestTerminal::pump(long ms)
{
    if (master < 0 || outputClosed) {
        if (ms > 0) poll(nullptr, 0, int(ms));
        return false;
    }
    struct pollfd p = {master, POLLIN, 0};
    if (poll(&p, 1, int(ms)) <= 0) return false;
    bool got = false;
    char buf[4096];
    for (;;) {
        ssize_t n = read(master, buf, sizeof buf);
        if (n > 0) {
            feed(buf, size_t(n));
            got = true;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            // EIO: every holder of the terminal's other end has closed it.
            // A program that is still running may open it again (its
            // standard descriptors all redirected, it opens /dev/tty to
            // draw): the output has ended only with the program.
            if ((n == 0 || errno == EIO) && programRunning(pid)) {
                if (!got && ms > 0) poll(nullptr, 0, int(std::min(ms, 5L)));
                return got;
            }
            if (n == 0 || errno == EIO) outputClosed = true;
            return got;
        }
    }
}

void CurTestTerminal::beforeKey()
{
    pump(0);
}

bool CurTestTerminal::waitFor(bool (*done)(CurTestTerminal*, void*), void* data, int limitMs)
{
    for (long end = nowMs() + limitMs;;) {
        if (done(this, data)) return true;
        long left = end - nowMs();
        if (left <= 0) return false;
        pump(std::min(left, 20L));
    }
}

bool CurTestTerminal::waitForText(const char* utf8, int limitMs)
{
    struct Check {
        static bool shown(CurTestTerminal* t, void* text) { return t->contains(static_cast<const char*>(text)); }
    };
    return waitFor(Check::shown, const_cast<char*>(utf8), limitMs);
}

bool CurTestTerminal::waitQuiet(int quietMs, int limitMs)
{
    long end = nowMs() + limitMs;
    long quietFrom = nowMs();
    for (;;) {
        long now = nowMs();
        if (outputClosed || now - quietFrom >= quietMs) return true;
        if (now >= end) return false;
        if (pump(std::min(quietFrom + quietMs, end) - now)) quietFrom = nowMs();
    }
}

// Whether the program is blocked waiting for input: the system call its main
// thread sleeps in, as the kernel shows it, is a read of standard input or
// a wait on descriptors. Where the kernel does not show it, quiet output is
// all there is to go by.
bool CurTestTerminal::programWaitsForInput() const
{
    if (pid <= 0) return true;
    std::string call = readFile("/proc/" + std::to_string(pid) + "/syscall");
    if (call.empty()) return true;
    long number = -1, firstArg = -1;
    if (std::sscanf(call.c_str(), "%ld %lx", &number, &firstArg) < 1) return false;
    bool waits = number == SYS_ppoll || number == SYS_pselect6 || (number == SYS_read && firstArg == 0);
#ifdef SYS_poll
    waits = waits || number == SYS_poll;
#endif
#ifdef SYS_select
    waits = waits || number == SYS_select;
#endif
    return waits;
}

bool CurTestTerminal::waitSettled(int quietMs, int limitMs)
{
    long end = nowMs() + limitMs;
    for (;;) {
        long left = end - nowMs();
        if (left <= 0 || !waitQuiet(quietMs, int(left))) return false;
        if (outputClosed || programWaitsForInput()) return true;
        pump(std::min(left, 10L));
    }
}

// Output still pending was drawn for the old size and is read at it. The
// kernel signals a changed size itself; SIGWINCH is sent as well, so that a
// program is told even when the size stayed.
bool CurTestTerminal::resize(int newRows, int newCols)
{
    if (newRows < 1 || newCols < 1) return false;
    while (pump(0)) {}
    CurTestScreen::resize(newRows, newCols);
    if (master < 0) return true;
    struct winsize ws = {};
    ws.ws_row = (unsigned short)newRows;
    ws.ws_col = (unsigned short)newCols;
    bool done = ioctl(master, TIOCSWINSZ, &ws) == 0;
    if (pid > 0) ::kill(-pid, SIGWINCH);
    return done;
}

void CurTestTerminal::reap(int status)
{
    signalNumber = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + signalNumber;
    pid = -1;
}

int CurTestTerminal::waitExit(int limitMs)
{
    long end = nowMs() + limitMs;
    while (pid > 0) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            reap(status);
            while (pump(0)) {}            // what it wrote last
            break;
        }
        long left = end - nowMs();
        if (left <= 0) {
            kill();
            hung = true;
            return -1;
        }
        pump(std::min(left, 20L));
    }
    return hung ? -1 : exitCode;
}

int CurTestTerminal::exitSignal() const
{
    return signalNumber;
}

void CurTestTerminal::kill()
{
    if (pid <= 0) return;
    ::kill(-pid, SIGKILL);               // the child leads its own session
    ::kill(pid, SIGKILL);                // in case it had not got that far
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    reap(status);
}

bool CurTestTerminal::running() const
{
    return pid > 0;
}

int CurTestTerminal::childPid() const
{
    return pid;
}

const char* CurTestTerminal::stderrText()
{
    setup->text = setup->dir.empty() ? std::string() : readFile(setup->dir + "/stderr");
    return setup->text.c_str();
}

bool CurTestTerminal::terminalModes(struct termios* modes) const
{
    return master >= 0 && tcgetattr(master, modes) == 0;
}

const char* CurTestTerminal::stdoutText()
{
    setup->text = setup->dir.empty() ? std::string() : readFile(setup->dir + "/stdout");
    return setup->text.c_str();
}

const char* CurTestTerminal::dump()
{
    std::string out = CurTestScreen::dump();
    if (hung)
        out += "the program did not end in time and was killed\n";
    else if (pid <= 0 && signalNumber > 0)
        out += "the program was killed by signal " + std::to_string(signalNumber) + " (" +
               strsignal(signalNumber) + ")\n";
    else if (pid <= 0)
        out += "child exit code " + std::to_string(exitCode) + "\n";
    std::string err = stderrText();
    if (!err.empty()) out += "child stderr:\n" + err;
    return keep(DUMP, out.c_str());
}

// A key log holds one key a line: the seconds since the program started, a
// blank, and the key's name; lines starting with # are comments.
bool CurTestTerminal::replay(const char* keylogPath)
{
    std::ifstream in(keylogPath ? keylogPath : "");
    if (!in) {
        std::fprintf(stderr, "%s: cannot read the key log\n", keylogPath ? keylogPath : "(none)");
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#') continue;
        char* after = nullptr;
        double seconds = std::strtod(line.c_str(), &after);
        size_t at = size_t(after - line.c_str());
        bool timed = at > 0 && seconds >= 0 && at + 1 < line.size() && line[at] == ' ';
        if (timed)
            waitSettled(50, 5000);       // each key as the program asks for the next one
        const char* name = line.c_str() + at + 1;
        bool sent = timed && (std::strncmp(name, "Mouse ", 6) == 0 ? mouse(name + 6) : key(name));
        if (!sent)
            std::fprintf(stderr, "%s:%d: skipped: %s\n", keylogPath, number, line.c_str());
    }
    return waitSettled(50, 5000);
}
