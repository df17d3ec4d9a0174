// CurKeysTest.cpp - what the key reader makes of the bytes a terminal sends
// when its description knows none of their sequences: the common sequences
// as keys, the others dropped whole, Esc and Alt, and whole characters.
#include "../../terminal/CurKeys.h"

#include <CurInit.h>
#include <curses.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Bytes as they arrive, "|" where the escape delay passes without one.
struct Feed {
    std::string bytes;
    size_t      pos;
};

int nextByte(bool, void* data)
{
    Feed* f = static_cast<Feed*>(data);
    if (f->pos == f->bytes.size())
        return ERR;
    char c = f->bytes[f->pos++];
    return c == '|' ? ERR : (unsigned char)c;
}

// The keys a loop of whole characters reads, as the reader passes them on.
// Keys to be read again go on a stack, read before the bytes: as sent (an
// Esc there starts a key) or as the Esc handling left them.
std::vector<int> keysOf(const std::string& bytes)
{
    Feed f = {bytes, 0};
    CurKeys::Utf8 partial = {};
    std::vector<int> keys;
    std::vector<std::pair<int, bool>> stack;
    while (!stack.empty() || f.pos < bytes.size()) {
        int key = stack.empty() ? nextByte(false, &f) : stack.back().first, again[4], count = 0;
        bool sent = stack.empty() || stack.back().second;
        if (!stack.empty())
            stack.pop_back();
        if (key == 27 && sent) {
            key = CurKeys::escape(nextByte, &f, again);
            if (again[0] != ERR)
                stack.push_back({again[0], true});
        }
        if (key == CurKeys::MOUSE) {     // the report, as the key and its four numbers
            const CurKeys::MouseReport& r = CurKeys::report;
            keys.insert(keys.end(), {KEY_MOUSE, r.code, r.row, r.column, r.release});
        }
        if (key != ERR && key != CurKeys::DROPPED && key != CurKeys::MOUSE)
            key = CurKeys::utf8(&partial, key, again, &count);
        while (count > 0)
            stack.push_back({again[--count], false});
        if (key != ERR && key != CurKeys::DROPPED && key != CurKeys::MOUSE)
            keys.push_back(key);
    }
    return keys;
}

const int A = CurInit::ALT, W = CurInit::WIDE_CHAR, BAD = W + 0xFFFD, M = KEY_MOUSE;

struct Case {
    const char*      bytes;
    std::vector<int> keys;
};

const Case CASES[] = {
    {"\x1b[1~\x1b[7~\x1bOH\x1b[H", {KEY_HOME, KEY_HOME, KEY_HOME, KEY_HOME}},
    {"\x1b[4~\x1b[8~\x1bOF\x1b[F", {KEY_END, KEY_END, KEY_END, KEY_END}},
    {"\x1b[2~\x1b[3~\x1b[5~\x1b[6~\x1b[Z\x1bOA\x1b[D", {KEY_IC, KEY_DC, KEY_PPAGE, KEY_NPAGE, KEY_BTAB, KEY_UP, KEY_LEFT}},
    {"\x1bOP\x1b[11~\x1b[[A\x1b[[E\x1b[15~\x1bOS", {KEY_F(1), KEY_F(1), KEY_F(1), KEY_F(5), KEY_F(5), KEY_F(4)}},
    {"\x1b[17~\x1b[21~\x1b[23~\x1b[24~", {KEY_F(6), KEY_F(10), KEY_F(11), KEY_F(12)}},
    {"\x1b[1;3A\x1b[3;3~\x1b\x1b[1~\x1bOM\x1bOp\x1bOj", {A + KEY_UP, A + KEY_DC, A + KEY_HOME, KEY_ENTER, '0', '*'}},
    // unknown, modified and private sequences, a stray paste end: dropped whole
    {"\x1b[99~\x1b[1;5H\x1b[?1;2c\x1b[2$\x1b[201~x", {'x'}},
    // a paste's start (its text is the reader's), focus reports; modified, dropped
    {"\x1b[200~\x1b[I\x1b[O\x1b[200;2~\x1b[1I", {CurKeys::PASTE_START, CurKeys::FOCUS_GAINED, CurKeys::FOCUS_LOST}},
    // mouse reports read whole, either encoding: KEY_MOUSE, code, row, column, release
    {"\x1b[<0;300;12M\x1b[<0;300;12m", {M, 0, 11, 299, 0, M, 0, 11, 299, 1}},
    {"\x1b[<66;1;1M\x1b[<65;2;3Mx\x1b[<28;99999999;5M", {M, 66, 0, 0, 0, M, 65, 2, 1, 0, 'x', M, 28, 4, 99998, 0}},
    {"\x1b[M !!\x1b[M#\xff\xff" "a\x1b[Ma!!", {M, 0, 0, 0, 0, M, 3, 222, 222, 1, 'a', M, 65, 0, 0, 0}},
    // empty, missing and extra fields, other letters, cut by the delay: dropped
    {"\x1b[<;1;1M\x1b[<0;1M\x1b[<0;1;1;1M\x1b[<0;1;1Lq\x1b[<0;-1;1M\x1b[<0;1|x\x1b[M !|y", {'q', 'x', 'y'}},
    {"\x1b[[Zy\x1b[\x1b[9~z", {'y', A + '[', 'z'}},
    // cut off by the delay, broken off by a key that belongs to none
    {"\x1b[1|x\x1b[|y\x1bO|", {'x', A + '[', 'y', A + 'O'}},
    {"\x1b[1\r\x1b[\x7f\x1b[1;\x1b[2~", {13, A + '[', 127, KEY_IC}},
    // Esc alone, Alt with a key, with Esc, with a character
    {"\x1b|x\x1bx\x1b\x1b|\x1b\x1bx\x1b\xc3\xa9", {27, 'x', A + 'x', A + 27, A + 27, 'x', A + W + 0xE9}},
    // whole characters, also split by a delay; each bad byte one replacement
    {"\xc3\xa9\xe6\x97\xa5|\xf0\x9f|\x98\x80", {W + 0xE9, W + 0x65E5, W + 0x1F600}},
    {"\xff\xc3(\xe2\x82" "a\xc3\xc3\xa9\xc0\xaf", {BAD, BAD, '(', BAD, BAD, 'a', BAD, W + 0xE9, BAD, BAD}},
    {"\xed\xa0\x80\xf4\x90\xc3\x1b|\xe2\x82\xac", {BAD, BAD, BAD, BAD, BAD, BAD, 27, W + 0x20AC}},
};

}  // namespace

TEST(CurKeys, SequencesCharactersAndBadBytesBecomeTheKeysOfTheTable)
{
    for (const Case& c : CASES) {
        std::vector<int> keys = keysOf(c.bytes);
        std::string shown;
        for (char b : std::string(c.bytes))
            shown += b >= 32 && b < 127 ? std::string(1, b) : "\\x" + std::to_string((unsigned char)b);
        EXPECT_EQ(c.keys, keys) << shown;
    }
    int out[4];
    ASSERT_EQ(2, CurKeys::bytes(A + W + 0xE9, out));   // a reader of bytes gets a character's bytes
    EXPECT_EQ(A + 0xC3, out[0]);
    EXPECT_EQ(0xA9, out[1]);
}
