// ScreenSession.cpp - screen-level test support: a child process on a
// pseudo-terminal as the program under test, its output fed into a VtScreen.
#include "ScreenSession.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

}  // namespace

ScreenSession::ScreenSession(int rows, int cols) : VtScreen(rows, cols)
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/velmora-screen-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (mkdtemp(buf.data())) dir = buf.data();
}

ScreenSession::~ScreenSession()
{
    kill();
    if (master >= 0) close(master);
    std::string err = stderrText();
    if (!err.empty()) std::fprintf(stderr, "[scenario stderr]\n%s\n", err.c_str());
    unlink(resultPath().c_str());
    unlink((dir + "/stderr").c_str());
    unlink((dir + "/stdout").c_str());
    unlink((dir + "/stdin").c_str());
    rmdir(dir.c_str());
}

void ScreenSession::setEnv(const std::string& name, const std::string& value)
{
    extraEnv.emplace_back(name, value);
}

// The test's environment with TERM as chosen, the result file named, the
// extra variables added, and no LINES/COLUMNS to override the terminal size.
std::vector<std::string> ScreenSession::childEnvironment() const
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        std::string name = entry.substr(0, entry.find('='));
        bool replaced = name == "TERM" || name == "LINES" || name == "COLUMNS" || name == "VELMORA_TEST_RESULT";
        for (const auto& extra : extraEnv) replaced = replaced || extra.first == name;
        if (!replaced) env.push_back(entry);
    }
    if (termMode == TERM_SET) env.push_back("TERM=" + termValue);
    if (termMode == TERM_EMPTY) env.push_back("TERM=");
    env.push_back("VELMORA_TEST_RESULT=" + resultPath());
    for (const auto& extra : extraEnv) env.push_back(extra.first + "=" + extra.second);
    return env;
}

bool ScreenSession::start(const std::vector<std::string>& argv)
{
    if (pid > 0 || argv.empty() || dir.empty()) return false;
    // Everything the child needs is prepared before fork: after it, only
    // async-signal-safe calls are allowed.
    std::vector<std::string> env = childEnvironment();
    std::vector<char*> argp, envp;
    for (const auto& a : argv) argp.push_back(const_cast<char*>(a.c_str()));
    for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    argp.push_back(nullptr);
    envp.push_back(nullptr);
    int errFd = open((dir + "/stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    int outFd = -1, inFd = -1;
    if (stdoutCaptured)
        outFd = open((dir + "/stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (stdinGiven) {
        std::ofstream(dir + "/stdin", std::ios::binary) << stdinBytes;
        inFd = open((dir + "/stdin").c_str(), O_RDONLY | O_CLOEXEC);
    }
    struct winsize ws = {};
    ws.ws_row = rows();
    ws.ws_col = cols();
    std::fflush(nullptr);

    pid = forkpty(&master, nullptr, nullptr, &ws);
    if (pid == 0) {
        if (errFd >= 0) dup2(errFd, 2);  // sanitizer reports stay readable
        if (outFd >= 0) dup2(outFd, 1);
        if (inFd >= 0) dup2(inFd, 0);
        execve(argp[0], argp.data(), envp.data());
        const char msg[] = "ScreenSession: cannot execute the program\n";
        ssize_t ignored = write(2, msg, sizeof msg - 1);
        (void)ignored;
        _exit(127);
    }
    if (errFd >= 0) close(errFd);
    if (outFd >= 0) close(outFd);
    if (inFd >= 0) close(inFd);
    if (pid < 0) {
        master = -1;
        return false;
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    fcntl(master, F_SETFD, FD_CLOEXEC);
    setInputFd(master);
    outputClosed = false;
    exitCode = -1;
    return true;
}

long ScreenSession::nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool ScreenSession::pump(long ms)
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
            raw.append(buf, size_t(n));
            got = true;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            // EIO: every holder of the terminal's other end has closed it.
            if (n == 0 || errno == EIO) outputClosed = true;
            return got;
        }
    }
}

bool ScreenSession::waitQuiet(int quietMs, int limitMs)
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

bool ScreenSession::waitForText(const std::string& utf8, int limitMs)
{
    return waitFor([&] { return contains(utf8); }, limitMs);
}

bool ScreenSession::waitForResult(const std::string& key, int limitMs)
{
    return waitFor([&] { return hasResult(key); }, limitMs);
}

void ScreenSession::reap(int status)
{
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    pid = -1;
}

int ScreenSession::waitExit(int limitMs)
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
            return -1;
        }
        pump(std::min(left, 20L));
    }
    return exitCode;
}

bool ScreenSession::terminalModes(struct termios* modes) const
{
    return master >= 0 && tcgetattr(master, modes) == 0;
}

void ScreenSession::kill()
{
    if (pid <= 0) return;
    ::kill(-pid, SIGKILL);               // the child leads its own session
    ::kill(pid, SIGKILL);                // in case it had not got that far
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    reap(status);
}

void ScreenSession::resize(int rows, int cols)
{
    while (pump(0)) {}
    setSize(rows, cols);
    if (master < 0) return;
    struct winsize ws = {};
    ws.ws_row = (unsigned short)rows;
    ws.ws_col = (unsigned short)cols;
    ioctl(master, TIOCSWINSZ, &ws);
    if (pid > 0) ::kill(-pid, SIGWINCH);
}

std::vector<std::pair<std::string, std::string>> ScreenSession::results() const
{
    return readResults(resultPath());
}

std::string ScreenSession::result(const std::string& key) const
{
    std::string value;
    for (const auto& kv : results())
        if (kv.first == key) value = kv.second;
    return value;
}

bool ScreenSession::hasResult(const std::string& key) const
{
    for (const auto& kv : results())
        if (kv.first == key) return true;
    return false;
}

std::string ScreenSession::stderrText() const
{
    return dir.empty() ? std::string() : readFile(dir + "/stderr");
}

std::string ScreenSession::stdoutText() const
{
    return dir.empty() ? std::string() : readFile(dir + "/stdout");
}

std::string ScreenSession::dump() const
{
    std::string out = VtScreen::dump();
    if (pid <= 0) out += "child exit code " + std::to_string(exitCode) + "\n";
    std::string err = stderrText();
    if (!err.empty()) out += "child stderr:\n" + err;
    return out;
}

// ------------------------------------------------------------ free helpers

std::string scenarioPath(const std::string& name)
{
    return std::string(VELMORA_SCENARIO_DIR) + "/" + name;
}

std::string examplePath(const std::string& name)
{
    return std::string(VELMORA_EXAMPLE_DIR) + "/" + name;
}

// Lines are "key=value"; the writer turns a newline inside a value into "\n".
std::vector<std::pair<std::string, std::string>> readResults(const std::string& path)
{
    std::vector<std::pair<std::string, std::string>> out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string value;
        for (size_t i = eq + 1; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) {
                ++i;
                value += line[i] == 'n' ? '\n' : line[i];
            } else {
                value += line[i];
            }
        }
        out.emplace_back(line.substr(0, eq), value);
    }
    return out;
}
