// CurInitKeylogTest.cpp - the key log's format: keys replayed from a file
// come back as the codes they name and are recorded under the same names;
// damaged lines and an unwritable log are reported on standard error.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <CurInit.h>
#include <curses.h>
#include <gtest/gtest.h>

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
    cases.emplace_back(KEY_MOUSE, "Key" + std::to_string(KEY_MOUSE));
    std::ofstream out(replay);
    out << "# a comment\n\n0.100 Tab\nnonsense\n0.200 NoSuchKey\n-1 Tab\n0.300\n";
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
    for (int line : {4, 5, 6, 7})
        EXPECT_NE(std::string::npos, err.find(replay + ":" + std::to_string(line) + ":")) << err;
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
        char name[32] = "";
        EXPECT_EQ(2, std::sscanf(line.c_str(), "%lf %31s", &seconds, name)) << line;
        EXPECT_GE(seconds, 0.0) << line;
        EXPECT_EQ(cases[i].second, name) << line;
    }
}

TEST(CurInitKeylog, UnwritableLogIsSkippedWithOneLine)
{
    setenv("VELMORA_KEYLOG", "/nonexistent-folder/keys", 1);
    unsetenv("VELMORA_REPLAY");
    CurInit::keylogEnd();
    testing::internal::CaptureStderr();
    CurInit::recordKey('a');
    CurInit::recordKey('b');
    EXPECT_EQ(-1, CurInit::replayKey());
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(1, std::count(err.begin(), err.end(), '\n')) << err;
    EXPECT_NE(std::string::npos, err.find("/nonexistent-folder/keys")) << err;
    CurInit::keylogEnd();
}
