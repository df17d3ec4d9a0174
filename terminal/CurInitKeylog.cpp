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
// point, four hex digits or more) and KeyNNN for any other curses code. Lines
// starting with # are comments.
#include "CurInit.h"

#include <curses.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
};

// The program's start, near enough: this library is loaded before main runs.
const std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();

std::FILE* logFile = nullptr;
bool       logTried = false;             // the environment was read; a failure was reported
std::FILE* replayFile = nullptr;
bool       replayTried = false;
const char* replayPath = "";
int        replayLine = 0;

void keyName(int code, char* out, size_t size)
{
    if (code >= CurInit::ALT && size > 4) {  // a key typed with Alt: "Alt-" and its name
        std::snprintf(out, size, "Alt-");
        keyName(code - CurInit::ALT, out + 4, size - 4);
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

// The code of a name written by keyName; -1 for any other text.
int keyCode(const char* name)
{
    for (const KeyName& k : KEY_NAMES)
        if (std::strcmp(k.name, name) == 0) return k.code;
    if (std::strncmp(name, "Alt-", 4) == 0) {
        int code = keyCode(name + 4);
        return code >= 0 && code < CurInit::ALT ? CurInit::ALT + code : -1;
    }
    size_t len = std::strlen(name);
    char* end = nullptr;
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
        return *end == '\0' && n >= KEY_MIN && n <= KEY_MAX ? int(n) : -1;
    }
    return -1;
}

// One line of a replay file: the key's code, -1 to skip a comment or blank
// line, -2 for a line that is no key.
int parseLine(char* line)
{
    line[std::strcspn(line, "\r\n")] = '\0';
    if (line[0] == '\0' || line[0] == '#') return -1;
    char* after = nullptr;
    double seconds = std::strtod(line, &after);
    if (after == line || seconds < 0 || *after != ' ') return -2;
    int code = keyCode(after + 1);
    return code >= 0 ? code : -2;
}

}  // namespace

// The log is opened for appending at the first key, so one file can collect
// several runs; a file that cannot be opened is reported once and skipped.
void CurInit::recordKey(int key)
{
    if (!logTried) {
        logTried = true;
        const char* path = getenv("VELMORA_KEYLOG");
        if (path == nullptr || path[0] == '\0')
            return;
        logFile = std::fopen(path, "a");
        if (logFile == nullptr) {
            std::fprintf(stderr, "velmora: cannot write the key log %s: %s\n", path, std::strerror(errno));
            return;
        }
        if (std::ftell(logFile) == 0)
            std::fputs("# velmora key log: seconds since start, key\n", logFile);
    }
    if (logFile == nullptr)
        return;
    char name[32];
    keyName(key, name, sizeof name);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::fprintf(logFile, "%.3f %s\n", seconds, name);
    std::fflush(logFile);                // a crash right after the key keeps it
}

// Keys come as fast as the loops ask for them; the recorded times are for
// the reader of the file. Lines that are no key are skipped with their place.
int CurInit::replayKey()
{
    if (!replayTried) {
        replayTried = true;
        const char* path = getenv("VELMORA_REPLAY");
        if (path == nullptr || path[0] == '\0')
            return -1;
        replayPath = path;
        replayLine = 0;
        replayFile = std::fopen(path, "r");
        if (replayFile == nullptr)
            std::fprintf(stderr, "velmora: cannot read the key replay %s: %s\n", path, std::strerror(errno));
    }
    char line[256];
    while (replayFile != nullptr && std::fgets(line, sizeof line, replayFile) != nullptr) {
        ++replayLine;
        int code = parseLine(line);
        if (code >= 0)
            return code;
        if (code == -2)
            std::fprintf(stderr, "%s:%d: not a key, skipped: %s\n", replayPath, replayLine, line);
    }
    if (replayFile != nullptr) {         // used up: the terminal's keys follow
        std::fclose(replayFile);
        replayFile = nullptr;
    }
    return -1;
}

void CurInit::keylogEnd()
{
    if (logFile != nullptr)
        std::fclose(logFile);
    if (replayFile != nullptr)
        std::fclose(replayFile);
    logFile = replayFile = nullptr;
    logTried = replayTried = false;
}
