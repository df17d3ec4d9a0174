// CurInitKeylog.cpp - recording the keys the toolkit's loops read to the file
// named by VELMORA_KEYLOG, and replaying a recorded file named by
// VELMORA_REPLAY before the terminal's own keys (terminal/).
//
// The file is text, one key a line: the seconds since the program started,
// a blank, and the key's name, e.g. "1.250 Tab". Names: Tab, BackTab,
// Enter, KeypadEnter, Esc, Space, Backspace, Insert, Delete, Home, End,
// PageUp, PageDown, Up, Down, Left, Right, Resize, F0..F63, Ctrl-@..Ctrl-_
// and Ctrl-? for control codes, Alt- before the name of a key typed with Alt,
// the character itself for printable ASCII,
// 0xNN for bytes from 128, U+NNNN for a character read whole (its code
// point, four hex digits or more) and KeyNNN for any other curses code. A
// character typed as secret input is Hidden, which replays as the letter x.
// A mouse event is "Mouse", the button with the modifiers held before it
// (Shift-, Alt-, Ctrl-; buttons Left, Middle, Right, WheelUp, WheelDown),
// the action (Press, Release, Click, DoubleClick), the row and the column,
// e.g. "2.500 Mouse Ctrl-Left Click 5 12". Interrupt is the Esc that stopped
// a long task reading keys between its stretches of work (the viewer's
// search); a replay gives it to such a task only, never to a loop. Lines
// starting with # are comments.
//
// Both files are named by whoever starts the program, perhaps in a folder
// others write to, so neither is followed through a symbolic link and each
// must be a regular file of the user's own; the log must not be the replay
// file itself. Messages about them wait until the terminal is given back.
#include "CurInit.h"
#include "CurKeylog.h"
#include "CurMouse.h"
#include "CurText.h"

#include <curses.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct KeyName {
    int         code;
    const char* name;
};

const KeyName KEY_NAMES[] = {
    {9, "Tab"},            {KEY_BTAB, "BackTab"},     {13, "Enter"},        {KEY_ENTER, "KeypadEnter"},
    {27, "Esc"},           {' ', "Space"},            {KEY_BACKSPACE, "Backspace"},
    {KEY_IC, "Insert"},    {KEY_DC, "Delete"},        {KEY_HOME, "Home"},   {KEY_END, "End"},
    {KEY_PPAGE, "PageUp"}, {KEY_NPAGE, "PageDown"},   {KEY_UP, "Up"},       {KEY_DOWN, "Down"},
    {KEY_LEFT, "Left"},    {KEY_RIGHT, "Right"},      {KEY_RESIZE, "Resize"}, {127, "Ctrl-?"},
    {CurInit::PASTE, "Paste"}, {CurInit::FOCUS_IN, "FocusIn"}, {CurInit::FOCUS_OUT, "FocusOut"},
};

// The program's start, near enough: this library is loaded before main runs.
const std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();

std::FILE* logFile = nullptr;
bool       logTried = false;             // the environment was read
std::FILE* replayFile = nullptr;
bool       replayTried = false;
std::string replayPath;
long long  replayLine = 0;
bool       replaySeen = false;           // a replay file was opened: its identity below
dev_t      replayDev = 0;
ino_t      replayIno = 0;

// A replay line longer than this is no key: it is skipped whole, as far
// as SKIP_LIMIT bytes; one longer still ends the replay there, so that a
// file of one endless line is not read whole before anything is drawn.
const size_t LINE_LIMIT = 255;
const long   SKIP_LIMIT = 64 * 1024;
const char HIDDEN_NAME[] = "Hidden";
const int  HIDDEN_KEY = 'x';             // what a hidden character replays as
const char INTERRUPT_NAME[] = "Interrupt";
const int  INTERRUPT = CurInit::ALT - 1; // above every key, below those typed with Alt
int        replayedAhead = -1;           // read by replayInterrupt, the next replayKey's

// Messages held until keylogEnd: at most MAX_MESSAGES, and a count of the rest.
const int MAX_MESSAGES = 5;
std::vector<std::string> messages;
long long  messagesLeftOut = 0;

// Secret input now (CurInit::setSecretInput): who takes it, and the window
// its keys are read from.
struct SecretInput {
    const void* owner;
    CurWindow*  window;
};
std::vector<SecretInput> secretInputs;

// Keeps a message, made visible as the text module shows text: whatever a
// file or a path holds, no control byte reaches the terminal.
void report(const std::string& text)
{
    if ((int)messages.size() >= MAX_MESSAGES) {
        ++messagesLeftOut;
        return;
    }
    std::vector<char> shown(3 * text.size() + 1);   // a byte shows as 3 bytes at most
    CurText::visible(text.data(), (int)text.size(), shown.data(), (int)shown.size());
    messages.emplace_back(shown.data());
}

std::string reason(int error)
{
    return error == ELOOP ? "it is a symbolic link" : std::strerror(error);
}

// Bytes that show text: printable ASCII, the bytes of other characters,
// whole characters beyond ASCII, and a paste.
bool revealing(int code)
{
    return (code >= ' ' && code < 127) || (code >= 128 && code < 256)
           || (code >= CurInit::WIDE_CHAR && code <= CurInit::WIDE_CHAR + 0x10FFFF) || code == CurInit::PASTE;
}

// The name of a key; a character of secret input is Hidden.
void keyName(int code, bool secret, char* out, size_t size)
{
    if (code >= CurInit::ALT && size > 4) {  // a key typed with Alt: "Alt-" and its name
        std::snprintf(out, size, "Alt-");
        keyName(code - CurInit::ALT, secret, out + 4, size - 4);
        return;
    }
    if (secret && revealing(code)) {
        std::snprintf(out, size, "%s", HIDDEN_NAME);
        return;
    }
    if (code == INTERRUPT) {
        std::snprintf(out, size, "%s", INTERRUPT_NAME);
        return;
    }
    for (const KeyName& k : KEY_NAMES)
        if (k.code == code) {
            std::snprintf(out, size, "%s", k.name);
            return;
        }
    if (code >= KEY_F(0) && code <= KEY_F(63))
        std::snprintf(out, size, "F%d", code - KEY_F(0));
    else if (code >= 0 && code < 32)
        std::snprintf(out, size, "Ctrl-%c", char('@' + code));
    else if (code > 32 && code < 127)
        std::snprintf(out, size, "%c", char(code));
    else if (code >= 128 && code < 256)
        std::snprintf(out, size, "0x%02X", code);
    else if (code >= CurInit::WIDE_CHAR && code <= CurInit::WIDE_CHAR + 0x10FFFF)
        std::snprintf(out, size, "U+%04X", code - CurInit::WIDE_CHAR);
    else
        std::snprintf(out, size, "Key%d", code);
}

const char* const MOUSE_BUTTONS[] = {"", "Left", "Middle", "Right", "WheelUp", "WheelDown"};
const char* const MOUSE_ACTIONS[] = {"Press", "Release", "Click", "DoubleClick"};
const char* const MOUSE_MODIFIERS[] = {"Shift-", "Alt-", "Ctrl-"};   // bits 1, 2, 4

void mouseName(char* out, size_t size)
{
    CurInit::MouseEvent e;
    if (!CurInit::getMouse(&e) || e.button < 1 || e.button > 5 || e.action < 0 || e.action > 3) {
        std::snprintf(out, size, "Key%d", KEY_MOUSE);
        return;
    }
    std::snprintf(out, size, "Mouse %s%s%s%s %s %d %d", e.modifiers & 1 ? "Shift-" : "",
                  e.modifiers & 2 ? "Alt-" : "", e.modifiers & 4 ? "Ctrl-" : "",
                  MOUSE_BUTTONS[e.button], MOUSE_ACTIONS[e.action], e.row, e.column);
}

// Index of the name in the table, -1 when none.
int indexIn(const char* const* table, int size, const std::string& name)
{
    for (int i = 0; i < size; i++)
        if (name == table[i])
            return i;
    return -1;
}

// "Mouse" and its four words, as mouseName writes them. A cell outside the
// screen (while there is one), or a number that is not one, makes the line
// no key; a good line makes its event the last one read.
bool mouseEvent(const char* text)
{
    char button[48], action[16], row[8], column[8], extra;
    if (std::sscanf(text, "Mouse %47s %15s %7s %7s %c", button, action, row, column, &extra) != 4)
        return false;
    CurInit::MouseEvent e = {0, 0, 0, 0, 0};
    std::string b = button;
    for (int bit = 0; bit < 3; bit++)
        if (b.compare(0, std::strlen(MOUSE_MODIFIERS[bit]), MOUSE_MODIFIERS[bit]) == 0) {
            e.modifiers |= 1 << bit;
            b.erase(0, std::strlen(MOUSE_MODIFIERS[bit]));
        }
    e.button = indexIn(MOUSE_BUTTONS, 6, b);
    e.action = indexIn(MOUSE_ACTIONS, 4, action);
    char* end = nullptr;
    long r = std::strtol(row, &end, 10);
    bool numbers = *end == '\0' && std::strspn(row, "0123456789") == std::strlen(row);
    long c = std::strtol(column, &end, 10);
    numbers = numbers && *end == '\0' && std::strspn(column, "0123456789") == std::strlen(column);
    bool onScreen = !CurInit::isInitialized() || (r < CurInit::height && c < CurInit::width);
    if (e.button < 1 || e.action < 0 || !numbers || !onScreen)
        return false;
    e.row = (int)r;
    e.column = (int)c;
    CurMouse::setMouseEvent(e);
    return true;
}

// The code of a name written by keyName; -1 for any other text.
int keyCode(const char* name)
{
    for (const KeyName& k : KEY_NAMES)
        if (std::strcmp(k.name, name) == 0) return k.code;
    if (std::strncmp(name, "Alt-", 4) == 0) {
        int code = keyCode(name + 4);
        return code >= 0 && code < INTERRUPT ? CurInit::ALT + code : -1;
    }
    size_t len = std::strlen(name);
    char* end = nullptr;
    if (std::strcmp(name, HIDDEN_NAME) == 0) return HIDDEN_KEY;
    if (std::strcmp(name, INTERRUPT_NAME) == 0) return INTERRUPT;
    if (len == 1 && name[0] > 32 && name[0] < 127) return name[0];
    if (len == 6 && std::strncmp(name, "Ctrl-", 5) == 0 && name[5] >= '@' && name[5] <= '_') return name[5] - '@';
    if (len == 4 && std::strncmp(name, "0x", 2) == 0) {
        long byte = std::strtol(name + 2, &end, 16);
        return *end == '\0' && byte >= 128 && byte < 256 ? int(byte) : -1;
    }
    if (len > 1 && name[0] == 'F') {
        long n = std::strtol(name + 1, &end, 10);
        return *end == '\0' && n >= 0 && n <= 63 ? KEY_F(int(n)) : -1;
    }
    if (len >= 6 && len <= 8 && std::strncmp(name, "U+", 2) == 0) {
        long n = std::strtol(name + 2, nullptr, 16);
        bool hex = std::strspn(name + 2, "0123456789ABCDEFabcdef") == len - 2;
        return hex && n <= 0x10FFFF ? CurInit::WIDE_CHAR + int(n) : -1;
    }
    if (len > 3 && std::strncmp(name, "Key", 3) == 0) {
        long n = std::strtol(name + 3, &end, 10);
        return *end == '\0' && n >= KEY_MIN && n <= KEY_MAX && n != KEY_MOUSE ? int(n) : -1;
    }
    return -1;
}


// One line of a replay file: the key's code, -1 to skip a comment or blank
// line, -2 for a line that is no key. A NUL byte makes a line no key.
int parseLine(const std::string& line)
{
    if (line.empty() || line[0] == '#') return -1;
    if (line.find('\0') != std::string::npos) return -2;
    const char* text = line.c_str();
    char* after = nullptr;
    double seconds = std::strtod(text, &after);
    if (after == text || seconds < 0 || *after != ' ') return -2;
    if (std::strncmp(after + 1, "Mouse ", 6) == 0)
        return mouseEvent(after + 1) ? KEY_MOUSE : -2;
    int code = keyCode(after + 1);
    return code >= 0 ? code : -2;
}

enum LineRead { LINE_END, LINE_READ, LINE_TOO_LONG, LINE_ENDLESS };

// One whole line, its newline (and a carriage return before it) dropped.
// A line longer than LINE_LIMIT is read on to its end, up to SKIP_LIMIT
// bytes, and kept only as far as a comment mark needs.
LineRead readLine(std::FILE* in, std::string* line)
{
    line->clear();
    bool any = false, tooLong = false;
    long count = 0;
    for (int c; (c = getc(in)) != EOF;) {
        any = true;
        if (c == '\n')
            break;
        if (++count > SKIP_LIMIT)
            return LINE_ENDLESS;
        if (line->size() < LINE_LIMIT + 1)
            line->push_back((char)c);
        else
            tooLong = true;
    }
    if (!line->empty() && line->back() == '\r')
        line->pop_back();
    if (line->size() > LINE_LIMIT)
        tooLong = true;
    return !any ? LINE_END : tooLong ? LINE_TOO_LONG : LINE_READ;
}

// Opened without following a link and without waiting for a writer (a
// FIFO); the decision is made on what was opened. A replay that is the key
// log's own file would read back every key it is recorded for: the log is
// the one refused, and its check needs the replay opened first.
void openReplay()
{
    if (replayTried)
        return;
    replayTried = true;
    const char* path = getenv("VELMORA_REPLAY");
    if (path == nullptr || path[0] == '\0')
        return;
    replayPath = path;
    replayLine = 0;
    int fd = open(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0) {
        report("velmora: cannot read the key replay " + replayPath + ": " + reason(errno));
    } else if (!S_ISREG(st.st_mode)) {
        report("velmora: the key replay " + replayPath + " is not a regular file; not read");
    } else if (st.st_uid != geteuid()) {
        // Keys planted by another user would answer the program's questions.
        report("velmora: the key replay " + replayPath + " belongs to another user; not read");
    } else if ((replayFile = fdopen(fd, "r")) != nullptr) {
        replaySeen = true;
        replayDev = st.st_dev;
        replayIno = st.st_ino;
        return;
    }
    if (fd >= 0)
        close(fd);
}

// Created 0600 (the user may widen it), appended to, never through a link.
void openLog()
{
    if (logTried)
        return;
    logTried = true;
    const char* path = getenv("VELMORA_KEYLOG");
    if (path == nullptr || path[0] == '\0')
        return;
    std::string name = path;
    int fd = open(path, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    struct stat st;
    const char* refused = nullptr;
    if (fd < 0 || fstat(fd, &st) != 0)
        report("velmora: cannot write the key log " + name + ": " + reason(errno));
    else if (!S_ISREG(st.st_mode))
        refused = "is not a regular file";
    else if (st.st_uid != geteuid())
        refused = "belongs to another user";
    else if (replaySeen && st.st_dev == replayDev && st.st_ino == replayIno)
        refused = "is the key replay file";
    else if ((logFile = fdopen(fd, "a")) != nullptr) {
        if (st.st_size == 0)
            std::fputs("# velmora key log: seconds since start, key\n", logFile);
        return;
    }
    if (refused != nullptr)
        report("velmora: the key log " + name + " " + refused + "; no keys recorded");
    if (fd >= 0)
        close(fd);
}

}  // namespace

void CurInit::setSecretInput(const void* owner, CurWindow* window, bool on)
{
    if (owner == nullptr)
        return;
    for (size_t i = 0; i < secretInputs.size(); i++)
        if (secretInputs[i].owner == owner) {
            if (on)
                secretInputs[i].window = window;
            else
                secretInputs.erase(secretInputs.begin() + (long)i);
            return;
        }
    if (on)
        secretInputs.push_back({owner, window});
}

bool CurInit::isSecretInput(CurWindow* window)
{
    for (const SecretInput& input : secretInputs)
        if (input.window == window)
            return true;
    return false;
}

void CurKeylog::moveSecretInput(CurWindow* from, CurWindow* to)
{
    for (SecretInput& input : secretInputs)
        if (input.window == from)
            input.window = to;
}

void CurInit::recordKey(int key)
{
    recordKey(key, false);
}

// The log is opened for appending at the first key, so one file can collect
// several runs; a file that cannot be used is reported once and skipped.
void CurInit::recordKey(int key, bool secret)
{
    openReplay();
    openLog();
    if (logFile == nullptr)
        return;
    char name[64];
    if (key == KEY_MOUSE)
        mouseName(name, sizeof name);
    else
        keyName(key, secret, name, sizeof name);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::fprintf(logFile, "%.3f %s\n", seconds, name);
    std::fflush(logFile);                // a crash right after the key keeps it
}

// The next key of the replay file, Interrupt included; -1 once it is used
// up. Lines that are no key are skipped with their place.
static int nextReplayed()
{
    openReplay();
    std::string line;
    for (LineRead got; replayFile != nullptr && (got = readLine(replayFile, &line)) != LINE_END;) {
        ++replayLine;
        std::string place = replayPath + ":" + std::to_string(replayLine) + ": ";
        if (got == LINE_ENDLESS) {
            report(place + "longer than " + std::to_string(SKIP_LIMIT) + " bytes; the rest is not read");
            break;
        }
        if (got == LINE_TOO_LONG && line[0] != '#') {
            report(place + "longer than " + std::to_string(LINE_LIMIT) + " bytes, skipped");
            continue;
        }
        int code = got == LINE_TOO_LONG ? -1 : parseLine(line);
        if (code >= 0)
            return code;
        if (code == -2)
            report(place + "not a key, skipped: " + line);
    }
    if (replayFile != nullptr) {         // used up: the terminal's keys follow
        std::fclose(replayFile);
        replayFile = nullptr;
    }
    return -1;
}

// Keys come as fast as the loops ask for them; the recorded times are for
// the reader of the file.
int CurInit::replayKey()
{
    int key = replayedAhead;
    replayedAhead = -1;
    openReplay();
    while (key < 0 && replayFile != nullptr && (key = nextReplayed()) == INTERRUPT)
        key = -1;
    return key;
}

// A replayed Interrupt stops the task where the recorded session stopped;
// any other key waits for the next replayKey.
bool CurKeylog::replayInterrupt()
{
    openReplay();
    if (replayedAhead >= 0 || replayFile == nullptr)
        return false;
    int key = nextReplayed();
    if (key == INTERRUPT)
        return true;
    replayedAhead = key;
    return false;
}

void CurKeylog::recordInterrupt()
{
    CurInit::recordKey(INTERRUPT);
}

// Called by cleanup once the terminal is the user's again, so the held
// messages are written now.
void CurInit::keylogEnd()
{
    if (logFile != nullptr)
        std::fclose(logFile);
    if (replayFile != nullptr)
        std::fclose(replayFile);
    logFile = replayFile = nullptr;
    logTried = replayTried = replaySeen = false;
    replayedAhead = -1;
    for (const std::string& message : messages)
        std::fprintf(stderr, "%s\n", message.c_str());
    if (messagesLeftOut > 0)
        std::fprintf(stderr, "velmora: %lld more messages about the key files left out\n", messagesLeftOut);
    messages.clear();
    messagesLeftOut = 0;
}
