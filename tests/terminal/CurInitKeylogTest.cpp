// CurInitKeylogTest.cpp - the key log's format: keys (and mouse events)
// replayed from a file come back as the codes they name and are recorded
// under the same names; damaged lines and hostile files are reported on
// standard error at the end.
#include <algorithm>
#include <functional>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <CurInit.h>
#include <curses.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct KeyCase {
    int         code;
    const char* name;
};

const KeyCase KEYS[] = {
    {9, "Tab"},       {KEY_BTAB, "BackTab"},   {13, "Enter"},        {27, "Esc"},
    {' ', "Space"},   {'a', "a"},              {'#', "#"},           {1, "Ctrl-A"},
    {0, "Ctrl-@"},    {127, "Ctrl-?"},         {KEY_UP, "Up"},       {KEY_NPAGE, "PageDown"},
    {KEY_DC, "Delete"}, {KEY_BACKSPACE, "Backspace"}, {KEY_F(12), "F12"}, {0xE9, "0xE9"},
    {KEY_RESIZE, "Resize"}, {CurInit::ALT + 'x', "Alt-x"}, {CurInit::ALT + KEY_F(2), "Alt-F2"},
    {CurInit::WIDE_CHAR + 0xE9, "U+00E9"}, {CurInit::ALT + CurInit::WIDE_CHAR + 0x1F600, "Alt-U+1F600"},
};

std::string tempPath(const char* name)
{
    return std::string(testing::TempDir()) + "keylog-" + name;
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

}  // namespace

TEST(CurInitKeylog, ReplayedKeysAreTheNamedCodesAndAreRecordedUnderTheSameNames)
{
    std::string replay = tempPath("replay"), log = tempPath("log");
    std::remove(log.c_str());
    // every named key, and a curses code without a name of its own
    std::vector<std::pair<int, std::string>> cases = {{9, "Tab"}};
    for (const KeyCase& k : KEYS) cases.emplace_back(k.code, k.name);
    cases.emplace_back(KEY_MOUSE, "Mouse Left Click 3 9999");
    cases.emplace_back(KEY_MOUSE, "Mouse Shift-Ctrl-WheelUp Press 0 0");
    std::ofstream out(replay);
    out << "# a comment\n\n0.100 Tab\nnonsense\n0.200 NoSuchKey\n-1 Tab\n0.300\n"
        << "1 Mouse Left Click -1 2\n1 Mouse Left Click 1 2 3\n1 Mouse Ctrl-Shift-Left Press 1 2\n"
        << "1 Mouse Left Click 1 99999999\n1 Mouse Up Click 1 2\n1 Key" << KEY_MOUSE << "\n";
    for (size_t i = 1; i < cases.size(); ++i) out << "1.5 " << cases[i].second << "\n";
    out.close();
    setenv("VELMORA_REPLAY", replay.c_str(), 1);
    setenv("VELMORA_KEYLOG", log.c_str(), 1);
    CurInit::keylogEnd();

    testing::internal::CaptureStderr();
    std::vector<int> got;
    for (int key; (key = CurInit::replayKey()) >= 0 && got.size() < 100;) {
        got.push_back(key);
        CurInit::recordKey(key);
    }
    EXPECT_EQ(-1, CurInit::replayKey());            // used up: the terminal's turn
    CurInit::keylogEnd();
    std::string err = testing::internal::GetCapturedStderr();
    for (int line : {4, 5, 6, 7, 8})
        EXPECT_NE(std::string::npos, err.find(replay + ":" + std::to_string(line) + ":")) << err;
    EXPECT_NE(std::string::npos, err.find(" 5 more messages")) << "the other bad mouse lines\n" << err;
    EXPECT_EQ(std::string::npos, err.find(replay + ":3:")) << err;

    std::istringstream recorded(readAll(log));
    std::string line;
    std::getline(recorded, line);
    EXPECT_EQ('#', line[0]) << line;
    ASSERT_EQ(cases.size(), got.size());
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(cases[i].first, got[i]) << cases[i].second;
        ASSERT_TRUE(std::getline(recorded, line));
        double seconds = -1;
        int at = 0;
        EXPECT_EQ(1, std::sscanf(line.c_str(), "%lf %n", &seconds, &at)) << line;
        EXPECT_GE(seconds, 0.0) << line;
        EXPECT_EQ(cases[i].second, line.substr(at)) << line;
    }
}

// Each case makes the replay or the log file hostile (the replay names
// "other" through a link where asked), replays, records z, and ends: the
// keys that came, a part of the messages held until the end, and "other"
// never written through.
TEST(CurInitKeylog, HostileFilesAreRefusedAndTheirMessagesHeldAndShownSafely)
{
    std::string dir = tempPath("hostile"), replay = dir + "/replay", log = dir + "/log", other = dir + "/other";
    auto write = [](const std::string& path, const std::string& text) { std::ofstream(path) << text; };
    std::string manyBad;
    for (int i = 0; i < 20; i++) manyBad += "junk\n";
    const struct {
        std::function<void()> make;
        const char* replayPath;              // null: the replay file in dir; "": none
        const char* keys;
        const char* message;
        bool logKept;                        // the log got z, and is 0600
    } cases[] = {
        {[&] { symlink(other.c_str(), replay.c_str()); }, nullptr, "", "replay: it is a symbolic link", true},
        {[&] { mkfifo(replay.c_str(), 0600); }, nullptr, "", "replay is not a regular file", true},
        {[&] { mkdir(replay.c_str(), 0700); }, nullptr, "", "replay is not a regular file", true},
        {[] {}, "/dev/zero", "", "/dev/zero is not a regular file", true},
        {[&] { write(replay, "#" + std::string(300, ' ') + "0.1 Tab\n0.1 " + std::string(300, 'a') + "\n0.1 b\r\n" +
                             std::string(248, '0') + "0.1 c\n"); }, nullptr, "bc", ":2: longer than 255 bytes", true},
        {[&] { write(replay, "0.1 \x1b]0;owned\x07\n"); }, nullptr, "", ":1: not a key, skipped: 0.1 ?]0;owned?", true},
        {[&] { write(replay, manyBad); }, nullptr, "", "15 more messages", true},
        {[&] { symlink(other.c_str(), log.c_str()); }, "", "", "log: it is a symbolic link", false},
        {[&] { mkfifo(log.c_str(), 0600); }, "", "", "cannot write the key log", false},
        {[&] { write(replay, "0.1 a\n"); link(replay.c_str(), log.c_str()); }, nullptr, "a", "is the key replay file", false},
        {[&] { write(log, ""); chown(log.c_str(), 65534, 65534); }, "", "", "belongs to another user", false},
        {[&] { write(replay, "0.1 a\n"); chown(replay.c_str(), 65534, 65534); }, nullptr, "",
         "replay belongs to another user; not read", true},
        {[&] { write(replay, "0.1 a\n" + std::string(1 << 20, 'b') + "\n0.1 c\n"); }, nullptr, "a",
         ":2: longer than 65536 bytes; the rest is not read", true},
    };
    umask(022);
    for (const auto& c : cases) {
        if (geteuid() != 0 && std::strstr(c.message, "another user") != nullptr)
            continue;                        // only root can give a file away
        std::system(("rm -rf '" + dir + "' && mkdir '" + dir + "'").c_str());
        write(other, "0.1 q\n");
        c.make();
        setenv("VELMORA_REPLAY", c.replayPath != nullptr ? c.replayPath : replay.c_str(), 1);
        setenv("VELMORA_KEYLOG", log.c_str(), 1);
        CurInit::keylogEnd();
        testing::internal::CaptureStderr();
        std::string keys;
        for (int key; (key = CurInit::replayKey()) >= 0;) keys += char(key);
        CurInit::recordKey('z');
        std::string early = testing::internal::GetCapturedStderr();
        testing::internal::CaptureStderr();
        CurInit::keylogEnd();
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ("", early) << "messages wait for the end";
        EXPECT_EQ(c.keys, keys) << c.message;
        EXPECT_NE(std::string::npos, err.find(c.message)) << err;
        EXPECT_EQ(std::string::npos, err.find('\x1b')) << err;
        EXPECT_GE(6, std::count(err.begin(), err.end(), '\n')) << err;
        EXPECT_EQ("0.1 q\n", readAll(other)) << c.message;
        struct stat st;
        EXPECT_EQ(c.logKept, stat(log.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0777) == 0600 &&
                                 readAll(log).find(" z\n") != std::string::npos) << c.message;
    }
    std::system(("rm -rf '" + dir + "'").c_str());
}
