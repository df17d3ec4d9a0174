// ScreenSession.cpp - screen-level test support: libvterm as the terminal,
// a child process on a pseudo-terminal as the program under test.
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
#include <unistd.h>

extern char** environ;

namespace {

void appendUtf8(std::string& out, uint32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at s[i] and advances i; bad bytes pass as they are.
uint32_t nextUtf8(const std::string& s, size_t& i)
{
    unsigned char b = s[i++];
    int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    uint32_t c = more ? (b & (0x3F >> more)) : b;
    for (; more > 0 && i < s.size() && (s[i] & 0xC0) == 0x80; --more)
        c = (c << 6) | (s[i++] & 0x3F);
    return c;
}

int colourIndex(const VTermColor& c, bool foreground)
{
    if (foreground ? VTERM_COLOR_IS_DEFAULT_FG(&c) : VTERM_COLOR_IS_DEFAULT_BG(&c))
        return ScreenCell::DEFAULT;
    return VTERM_COLOR_IS_INDEXED(&c) ? c.indexed.idx : -2;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

}  // namespace

// ---------------------------------------------------------------- VtScreen

VtScreen::VtScreen(int rows, int cols) : numRows(rows), numCols(cols)
{
    vt = vterm_new(rows, cols);
    vterm_set_utf8(vt, 1);
    vterm_output_set_callback(vt, writeToInput, this);
    screen = vterm_obtain_screen(vt);
    static VTermScreenCallbacks callbacks;
    callbacks.settermprop = setTermProp;
    vterm_screen_set_callbacks(screen, &callbacks, this);
    // Bold must not turn colour 1 into colour 9: tests compare palette indexes.
    vterm_state_set_bold_highbright(vterm_obtain_state(vt), 0);
    vterm_screen_reset(screen, 1);
}

VtScreen::~VtScreen()
{
    vterm_free(vt);
}

// libvterm 0.1.4 leaves a pending line wrap after a REP (CSI n b, "repeat
// the last character") that ends in the last column, so the next character,
// such as a frame's lower-right corner, wraps and scrolls the screen. Curses
// uses REP on xterm; the repetitions are therefore spelt out here.
void VtScreen::feed(const char* bytes, size_t len)
{
    std::string out;
    for (size_t i = 0; i < len; ++i) {
        unsigned char b = bytes[i];
        if (seqState == SEQ_NONE) {
            if (b == 0x1b) {
                seqState = SEQ_ESC;
                seq.assign(1, char(b));
                continue;
            }
            if (b >= 0x20 && b != 0x7f) {
                if (b < 0x80 || b >= 0xC0) lastChar.clear();
                lastChar += char(b);
            }
            out += char(b);
            continue;
        }
        seq += char(b);
        if (seqState == SEQ_ESC && b == '[' && seq.size() == 2) {
            seqState = SEQ_CSI;
        } else if (seqState == SEQ_ESC && b >= 0x20 && b <= 0x2F) {
            // an intermediate byte: the sequence goes on
        } else if (seqState == SEQ_CSI && b >= 0x20 && b <= 0x3F) {
            // a parameter or intermediate byte
        } else {
            bool rep = seqState == SEQ_CSI && b == 'b' && seq.find_first_not_of("0123456789", 2) == seq.size() - 1;
            if (rep) {
                long n = seq.size() > 3 ? std::atol(seq.c_str() + 2) : 1;
                for (long k = 0; k < std::min(n, 100000L); ++k) out += lastChar;
            } else {
                out += seq;
            }
            seqState = SEQ_NONE;
        }
    }
    vterm_input_write(vt, out.data(), out.size());
}

void VtScreen::setInputFd(int fd)
{
    inputFd = fd;
}

// Keys and the terminal's answers to queries go to the program's input.
void VtScreen::writeToInput(const char* s, size_t len, void* user)
{
    int fd = static_cast<VtScreen*>(user)->inputFd;
    while (fd >= 0 && len > 0) {
        ssize_t n = write(fd, s, len);
        if (n > 0) {
            s += n;
            len -= size_t(n);
        } else if (n < 0 && errno == EAGAIN) {
            struct pollfd p = {fd, POLLOUT, 0};
            if (poll(&p, 1, 1000) <= 0) return;   // the program reads nothing: give up
        } else if (n < 0 && errno != EINTR) {
            return;
        }
    }
}

int VtScreen::setTermProp(VTermProp prop, VTermValue* val, void* user)
{
    if (prop == VTERM_PROP_CURSORVISIBLE)
        static_cast<VtScreen*>(user)->cursorShown = val->boolean;
    return 1;
}

void VtScreen::sendKey(VTermKey key, VTermModifier mod)
{
    beforeKey();
    vterm_keyboard_key(vt, key, mod);
}

void VtScreen::sendText(const std::string& utf8)
{
    beforeKey();
    for (size_t i = 0; i < utf8.size();)
        vterm_keyboard_unichar(vt, nextUtf8(utf8, i), VTERM_MOD_NONE);
}

void VtScreen::sendBytes(const std::string& raw)
{
    beforeKey();
    writeToInput(raw.data(), raw.size(), this);
}

ScreenCell VtScreen::cell(int row, int col) const
{
    ScreenCell out;
    VTermScreenCell c;
    VTermPos pos = {row, col};
    if (row < 0 || row >= numRows || col < 0 || col >= numCols || !vterm_screen_get_cell(screen, pos, &c))
        return out;
    if (c.chars[0] == uint32_t(-1)) {     // right half of a wide character
        out.ch = 0;
        out.text.clear();
    } else if (c.chars[0] != 0) {
        out.ch = c.chars[0];
        out.text.clear();
        for (int i = 0; i < VTERM_MAX_CHARS_PER_CELL && c.chars[i]; ++i)
            appendUtf8(out.text, c.chars[i]);
    }
    out.bold = c.attrs.bold;
    out.underline = c.attrs.underline != 0;
    out.reverse = c.attrs.reverse;
    out.blink = c.attrs.blink;
    out.fg = colourIndex(c.fg, true);
    out.bg = colourIndex(c.bg, false);
    return out;
}

std::string VtScreen::text(int row, int col, int len) const
{
    std::string out;
    for (int i = 0; i < len; ++i)
        out += cell(row, col + i).text;
    return out;
}

std::string VtScreen::rowText(int row) const
{
    std::string out = text(row, 0, numCols);
    out.erase(out.find_last_not_of(' ') + 1);
    return out;
}

int VtScreen::findRow(const std::string& utf8) const
{
    for (int r = 0; r < numRows; ++r)
        if (rowText(r).find(utf8) != std::string::npos) return r;
    return -1;
}

int VtScreen::cursorRow() const
{
    VTermPos pos;
    vterm_state_get_cursorpos(vterm_obtain_state(vt), &pos);
    return pos.row;
}

int VtScreen::cursorCol() const
{
    VTermPos pos;
    vterm_state_get_cursorpos(vterm_obtain_state(vt), &pos);
    return pos.col;
}

std::string VtScreen::dump() const
{
    std::ostringstream out;
    out << "screen " << numRows << "x" << numCols << ", cursor at row " << cursorRow() << " col "
        << cursorCol() << (cursorShown ? "" : " (hidden)") << "\n";
    for (int r = 0; r < numRows; ++r) {
        char num[16];
        std::snprintf(num, sizeof num, "%2d|", r);
        out << num << rowText(r) << "\n";
    }
    return out.str();
}

// ----------------------------------------------------------- ScreenSession

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
    struct winsize ws = {};
    ws.ws_row = rows();
    ws.ws_col = cols();
    std::fflush(nullptr);

    pid = forkpty(&master, nullptr, nullptr, &ws);
    if (pid == 0) {
        if (errFd >= 0) dup2(errFd, 2);  // sanitizer reports stay readable
        execve(argp[0], argp.data(), envp.data());
        const char msg[] = "ScreenSession: cannot execute the program\n";
        ssize_t ignored = write(2, msg, sizeof msg - 1);
        (void)ignored;
        _exit(127);
    }
    if (errFd >= 0) close(errFd);
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

void ScreenSession::kill()
{
    if (pid <= 0) return;
    ::kill(-pid, SIGKILL);               // the child leads its own session
    ::kill(pid, SIGKILL);                // in case it had not got that far
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    reap(status);
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
