// CurTextEditTest.cpp - the multi-line editor against a simple model of its
// text and cursor after every key, the view it shows, whole characters and
// kept bytes under UTF-8, wrapping, the size limit and Tab in a form.
#include "CursesTest.h"

#include <CurFocuser.h>
#include <CurInit.h>
#include <CurTextEdit.h>
#include <CurWindow.h>

#include <clocale>
#include <string>
#include <vector>

namespace {

const int VIEW_ROWS = 4, VIEW_COLS = 10;           // the view inside a frame of 6 x 12
const int U = KEY_UP, D = KEY_DOWN, L = KEY_LEFT, R = KEY_RIGHT, BS = KEY_BACKSPACE,
          DC = KEY_DC, TOP = CurInit::ALT + '<', END = CurInit::ALT + '>';

// ASCII text, one byte a column, a cursor as a byte offset: what the editor
// must do, written the plain way.
struct Model {
    std::string text;
    size_t cur = 0;
    size_t goal = 0;
    size_t max = 0;

    size_t start(size_t at) const { return at == 0 ? 0 : text.rfind('\n', at - 1) + 1; }
    size_t end(size_t at) const { size_t e = text.find('\n', at); return e == std::string::npos ? text.size() : e; }
    void vertical(int by)
    {
        size_t s = start(cur);
        for (; by < 0 && s > 0; by++)
            s = start(s - 1);
        for (; by > 0 && end(s) < text.size(); by--)
            s = end(s) + 1;
        cur = s + std::min(goal, end(s) - s);
    }
    void insert(const std::string& bytes)
    {
        if (max == 0 || text.size() + bytes.size() <= max) {
            text.insert(cur, bytes);
            cur += bytes.size();
        }
    }
    void key(int k)
    {
        if (k == U || k == D || k == KEY_PPAGE || k == KEY_NPAGE) {
            vertical(k == U ? -1 : k == D ? 1 : k == KEY_PPAGE ? -VIEW_ROWS : VIEW_ROWS);
            return;
        }
        if (k == L && cur > 0) cur--;
        else if (k == R && cur < text.size()) cur++;
        else if (k == KEY_HOME) cur = start(cur);
        else if (k == KEY_END) cur = end(cur);
        else if (k == TOP) cur = 0;
        else if (k == END) cur = text.size();
        else if (k == BS && cur > 0) text.erase(--cur, 1);
        else if (k == DC && cur < text.size()) text.erase(cur, 1);
        else if (k == 13) insert("\n");
        else if (k == 9) insert(std::string(4 - (cur - start(cur)) % 4, ' '));
        else if (k >= 32 && k < 127) insert(std::string(1, (char)k));
        goal = cur - start(cur);
    }
};

struct EditCase {
    std::string text;
    long max;
    std::vector<int> keys;
    std::vector<std::string> view;       // the rows in view after the keys; empty: not checked
};

size_t offsetOf(CurTextEdit& edit, const std::string& text)
{
    int line, byte;
    edit.getCursor(&line, &byte);
    size_t at = 0;
    for (; line > 0; line--)
        at = text.find('\n', at) + 1;
    return at + byte;
}

}  // namespace

TEST_F(CursesTest, TextEditFollowsTheModelAfterEveryKey)
{
    const std::string ten = "0123456789", many = "a\nbb\nccc\ndddd\neeeee\nf\ng\nhh\niii";
    const std::vector<EditCase> cases = {
        {"", 0, {'a', 13, 'b', U, 'c', D, BS, BS, BS, DC}, {"a", "", "", ""}},
        {"abc\nde\nfghij", 0, {R, R, R, D, D, U, U}, {}},                 // the goal column holds
        {"abc\nde", 0, {D, KEY_END, R, L, L, KEY_HOME, BS, DC, DC}, {"abc", "", "", ""}},
        {"abc\nde", 0, {KEY_END, DC, 13, 13, U, KEY_HOME, DC, BS}, {"abcde", "", "", ""}},
        {many, 0, {KEY_NPAGE, KEY_NPAGE, KEY_PPAGE, D, D, D}, {}},
        {many, 0, {END, U, U}, {"f", "g", "hh", "iii"}},
        {many, 0, {END, TOP, D, R}, {"a", "bb", "ccc", "dddd"}},
        {ten + ten, 0, {KEY_END}, {"123456789"}},              // sideways to the end
        {ten + ten, 0, {KEY_END, KEY_HOME, R, R}, {"0123456789"}},
        {ten + "\nx", 0, {KEY_END, D}, {"123456789", "", "", ""}},
        {"ab", 4, {'x', 'y', 'z', 13, R, BS, 13}, {"xy", "b", "", ""}}, // the size limit
        {"abcdef", 3, {KEY_HOME, 'x', DC, 'y', 'z'}, {"ybc"}},           // cut to it
        {"a", 0, {9, 'b', 9, 13, 9}, {"    b", "    a", "", ""}},
    };
    CurWindow win(8, 14, 0, 0);
    for (const EditCase& c : cases) {
        CurTextEdit edit(&win);
        edit.setGeometry(VIEW_ROWS + 2, VIEW_COLS + 2, 0, 0);
        edit.setMaxSize(c.max);
        edit.setTabWidth(4);
        edit.setText(c.text, true);
        Model model{c.max > 0 ? c.text.substr(0, c.max) : c.text, 0, 0, (size_t)c.max};
        for (size_t i = 0; i < c.keys.size(); i++) {
            edit.processKey(c.keys[i]);
            model.key(c.keys[i]);
            std::string text = edit.getText();
            ASSERT_EQ(model.text, text) << "\"" << c.text << "\" key " << i;
            ASSERT_EQ(model.cur, offsetOf(edit, text)) << "\"" << c.text << "\" key " << i;
        }
        for (size_t r = 0; r < c.view.size(); r++)
            EXPECT_EQ(c.view[r] + std::string(VIEW_COLS - c.view[r].size(), ' '),
                      winText(win.getWindow(), 1 + (int)r, 1, VIEW_COLS))
                << "\"" << c.text << "\" row " << r;
    }
}

// Under UTF-8 the editor takes whole characters as the key reader hands
// them on (a lone byte inserts nothing); bad bytes and controls given to
// setText come back unchanged, each removed as one character.
TEST_F(CursesTest, TextEditKeepsBytesAndEditsWholeCharactersUnderUtf8)
{
    ASSERT_NE(nullptr, setlocale(LC_CTYPE, "C.UTF-8"));
    CurWindow win(6, 12, 0, 0);
    CurTextEdit edit(&win);
    edit.setText("a\xff\x01\r\nz", true);
    for (int key : {KEY_END, 0xC3, CurGadget::WIDE_CHAR + 0xE9, CurGadget::WIDE_CHAR + 0x4E2D, L, L, BS})
        edit.processKey(key);
    EXPECT_EQ(std::string("a\xff\x01\xc3\xa9\xe4\xb8\xad\nz"), edit.getText()); // BS took the \r
    edit.setWrap(true, false);
    std::string six;
    for (int i = 0; i < 6; i++)
        six += "\xe4\xb8\xad";
    edit.setText(six.c_str(), true);
    edit.processKey(KEY_END);
    EXPECT_EQ(std::string("\xe4\xb8\xad "), winText(win.getWindow(), 2, 1, 4));
    int line, byte;
    edit.getCursor(&line, &byte);
    EXPECT_EQ(18, byte);
    EXPECT_EQ(std::make_pair(2, 3), std::make_pair(getcury(win.getWindow()), getcurx(win.getWindow())));
    setlocale(LC_CTYPE, "C");
}

// Tab inserts blanks only when set; back-tab still leaves. Read-only
// refuses edits and leaves Enter to the form.
TEST_F(CursesTest, TextEditTakesTabInAFormWhenSetAndRefusesEditsWhenReadOnly)
{
    CurWindow win(10, 30, 0, 0);
    CurTextEdit edit(&win), other(&win);
    edit.setGeometry(4, 12, 0, 0);
    other.setGeometry(4, 12, 5, 0);
    edit.setTabWidth(2);
    CurFocuser form;
    form.addGadget(&edit);
    form.addGadget(&other);
    form.setKeyCB([](int, void* data) { ((CurFocuser*)data)->stopKbdLoop(); return true; }, &form);
    pushKeys({9, 'x', KEY_BTAB, 'y', 27});
    form.kbdLoop();
    EXPECT_STREQ("  x", edit.getText());
    EXPECT_STREQ("y", other.getText());
    edit.setReadOnly(true);
    EXPECT_FALSE(edit.processKey(13));
    EXPECT_FALSE(edit.processKey('q'));
    EXPECT_TRUE(edit.processKey(KEY_HOME));
    EXPECT_STREQ("  x", edit.getText());
}

// Ctrl-Home and Ctrl-End as an xterm sends them: the terminal's own codes.
TEST_F(CursesTest, TextEditCtrlHomeAndCtrlEndFromTheTerminal)
{
    CurWindow win(6, 20, 0, 0);
    CurTextEdit edit(&win);
    edit.setText("ab\ncd", true);
    screen().sendBytes("\x1b[1;5Fz\x1b[1;5Hy\r");
    EXPECT_EQ(0, edit.kbdLoop());
    EXPECT_STREQ("y\nab\ncdz", edit.getText());
}

// A flag, a joined family and a letter with its accent are one character to
// the text editor's keys, typed joiners join, and wrapping never parts one.
TEST_F(CursesTest, TextEditMovesDeletesAndWrapsWholeClusters)
{
    ASSERT_NE(nullptr, setlocale(LC_CTYPE, "C.UTF-8"));
    const std::string flag = "\xf0\x9f\x87\xab\xf0\x9f\x87\xb7", zwj = "\xe2\x80\x8d";
    const std::string family = "\xf0\x9f\x91\xa8" + zwj + "\xf0\x9f\x91\xa9" + zwj + "\xf0\x9f\x91\xa7";
    const int W0 = CurGadget::WIDE_CHAR;
    const struct {
        std::string text;
        std::vector<int> keys;
        std::string expect;
        int byte;
    } cases[] = {
        {"a" + flag + "b", {KEY_END, L, BS}, "ab", 1},
        {"x" + family + "e\xcc\x81", {KEY_END, BS, BS}, "x", 1},
        {"x", {KEY_END, W0 + 0x1F1EB, W0 + 0x1F1F7, L}, "x" + flag, 1},
        {"\xf0\x9f\x91\xa8", {KEY_END, W0 + 0x200D, W0 + 0x1F469, BS}, "", 0},
    };
    CurWindow win(6, 12, 0, 0);
    for (const auto& c : cases) {
        CurTextEdit edit(&win);
        edit.setText(c.text.c_str(), true);
        for (int key : c.keys)
            edit.processKey(key);
        EXPECT_EQ(c.expect, edit.getText()) << c.text;
        EXPECT_EQ((size_t)c.byte, offsetOf(edit, c.expect)) << c.text;
    }
    CurTextEdit wrapped(&win);                  // rows of VIEW_COLS columns
    wrapped.setWrap(true, false);
    wrapped.setText(("abcdefghi" + flag + "z").c_str(), true);
    EXPECT_EQ(flag + "z", winText(win.getWindow(), 2, 1, 9));    // bytes
    setlocale(LC_CTYPE, "C");
}
