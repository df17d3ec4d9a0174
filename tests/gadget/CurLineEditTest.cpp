// CurLineEditTest.cpp - the line editor: every key of its table on empty,
// short, fitting and long texts at the start, middle and end of the text;
// the marks, the cursor column, masking, growth, narrow boxes, and its keys
// inside a form.
#include "CursesTest.h"
#include "InputsTestUtil.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLineEdit.h>
#include <CurWindow.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

const int W = 6;                         // field width of the table below
const int X = 2;                         // field column in the window
const char* const ALPHABET = "abcdefghijklmnopqrstuvwxyz";

struct KeyCase {
    const char* text;                    // set with setText: the cursor starts behind it
    std::vector<int> setup;              // keys that bring the cursor into place
    int key;
    std::string expectText;
    const char* expectField;
    int expectCol;
};

const int H = KEY_HOME, R = KEY_RIGHT, L = KEY_LEFT, BS = KEY_BACKSPACE, DC = KEY_DC;

std::vector<int> homeThenRight(int n)
{
    std::vector<int> keys{H};
    keys.insert(keys.end(), n, R);
    return keys;
}

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string describe(const KeyCase& c)
{
    std::string s = std::string("text \"") + c.text + "\", setup";
    for (int k : c.setup)
        s += " " + std::to_string(k);
    return s + ", key " + std::to_string(c.key);
}

}  // namespace

TEST_F(CursesTest, LineEditKeysOnEveryKindOfTextAndPosition)
{
    const std::string az = ALPHABET;
    const std::vector<KeyCase> cases = {
        // empty: nothing moves, End repaints the same blank field
        {"", {}, H, "", "      ", 0},
        {"", {}, KEY_PPAGE, "", "      ", 0},
        {"", {}, KEY_EOL, "", "      ", 0},
        {"", {}, KEY_NPAGE, "", "      ", 0},
        {"", {}, L, "", "      ", 0},
        {"", {}, R, "", "      ", 0},
        {"", {}, BS, "", "      ", 0},
        {"", {}, 8, "", "      ", 0},
        {"", {}, DC, "", "      ", 0},
        {"", {}, 127, "", "      ", 0},
        {"", {}, 'x', "x", "x     ", 1},
        {"", {}, ' ', " ", "      ", 1},
        // short, at the end, start and middle
        {"abc", {}, H, "abc", "abc   ", 0},
        {"abc", {}, KEY_EOL, "abc", "abc   ", 3},
        {"abc", {}, L, "abc", "abc   ", 2},
        {"abc", {}, R, "abc", "abc   ", 3},
        {"abc", {}, BS, "ab", "ab    ", 2},
        {"abc", {}, DC, "abc", "abc   ", 3},
        {"abc", {}, 'x', "abcx", "abcx  ", 4},
        {"abc", {H}, L, "abc", "abc   ", 0},
        {"abc", {H}, R, "abc", "abc   ", 1},
        {"abc", {H}, 8, "abc", "abc   ", 0},
        {"abc", {H}, 127, "abc", "abc   ", 0},           // 127 is Backspace
        {"abc", {L}, 127, "ac", "ac    ", 1},
        {"abc", {H}, KEY_END, "abc", "abc   ", 3},
        {"abc", {H}, 'x', "xabc", "xabc  ", 1},
        {"abc", {H}, KEY_NPAGE, "abc", "abc   ", 3},
        {"abc", {H, R}, BS, "bc", "bc    ", 0},
        {"abc", {H, R}, DC, "ac", "ac    ", 1},
        {"abc", {H, R}, 'x', "axbc", "axbc  ", 2},
        {"abc", {H, R}, L, "abc", "abc   ", 0},
        {"abc", {H, R}, R, "abc", "abc   ", 2},
        {"abc", {H, R}, KEY_PPAGE, "abc", "abc   ", 0},
        // W - 1 characters: the cursor behind them takes the last column
        {"abcde", {}, R, "abcde", "abcde ", 5},
        {"abcde", {}, L, "abcde", "abcde ", 4},
        {"abcde", {}, 'x', "abcdex", "<cdex ", 5},
        {"abcde", {}, BS, "abcd", "abcd  ", 4},
        {"abcde", {}, H, "abcde", "abcde ", 0},
        {"abcde", {H}, 'x', "xabcde", "xabcd>", 1},
        {"abcde", {H}, R, "abcde", "abcde ", 1},
        {"abcde", {H}, DC, "bcde", "bcde  ", 0},
        {"abcde", homeThenRight(2), 'x', "abxcde", "abxcd>", 3},
        {"abcde", homeThenRight(2), DC, "abde", "abde  ", 2},
        {"abcde", homeThenRight(2), BS, "acde", "acde  ", 1},
        {"abcde", homeThenRight(4), R, "abcde", "abcde ", 5},
        // W characters: "<" shows at once
        {"abcdef", {}, R, "abcdef", "<cdef ", 5},
        {"abcdef", {}, H, "abcdef", "abcde>", 0},
        {"abcdef", {}, L, "abcdef", "<cdef ", 4},
        {"abcdef", {}, BS, "abcde", "abcde ", 5},
        {"abcdef", {}, 'x', "abcdefx", "<defx ", 5},
        {"abcdef", {H}, KEY_EOL, "abcdef", "<cdef ", 5},
        // longer than the box, at the end
        {ALPHABET, {}, H, az, "abcde>", 0},
        {ALPHABET, {}, L, az, "<wxyz ", 4},
        {ALPHABET, {}, BS, az.substr(0, 25), "<vwxy ", 5},
        {ALPHABET, {}, DC, az, "<wxyz ", 5},
        {ALPHABET, {}, 'x', az + "x", "<xyzx ", 5},
        // on the last character, its end on the last column
        {ALPHABET, {L}, DC, az.substr(0, 25), "<vwxy ", 5},
        {ALPHABET, {L}, BS, az.substr(0, 24) + "z", "<vwxz ", 4},
        {ALPHABET, {L}, R, az, "<wxyz ", 5},
        // at the start
        {ALPHABET, {H}, R, az, "abcde>", 1},
        {ALPHABET, {H}, L, az, "abcde>", 0},
        {ALPHABET, {H}, 'x', "x" + az, "xabcd>", 1},
        {ALPHABET, {H}, DC, az.substr(1), "bcdef>", 0},
        // in the middle, scrolled both ways
        {ALPHABET, homeThenRight(13), L, az, "<klmn>", 3},
        {ALPHABET, homeThenRight(13), R, az, "<lmno>", 4},
        {ALPHABET, homeThenRight(13), BS, "abcdefghijklnopqrstuvwxyz", "<klno>", 3},
        {ALPHABET, homeThenRight(13), DC, "abcdefghijklmopqrstuvwxyz", "<klmo>", 4},
        {ALPHABET, homeThenRight(13), 'x', "abcdefghijklmxnopqrstuvwxyz", "<lmxn>", 4},
        {ALPHABET, homeThenRight(13), KEY_PPAGE, az, "abcde>", 0},
        {ALPHABET, homeThenRight(13), KEY_NPAGE, az, "<wxyz ", 5},
        // in column 1 with text hidden to the left
        {ALPHABET, homeThenRight(13) + std::vector<int>{L, L, L}, L, az, "<jklm>", 1},
        {ALPHABET, homeThenRight(13) + std::vector<int>{L, L, L}, BS, "abcdefghiklmnopqrstuvwxyz", "<klmn>", 1},
        {ALPHABET, homeThenRight(5) + std::vector<int>{L, L, L}, BS, "acdefghijklmnopqrstuvwxyz", "acdef>", 1},
        {ALPHABET, homeThenRight(5) + std::vector<int>{L, L, L}, L, az, "abcde>", 1},
        {ALPHABET, homeThenRight(5) + std::vector<int>{L, L, L, L}, L, az, "abcde>", 0},
    };
    CurWindow win(3, 20, 0, 0);
    WINDOW* w = win.getWindow();
    for (const KeyCase& c : cases) {
        fillWindow(w, '.');
        CurLineEdit edit(&win);
        edit.setGeometry(1, W, 1, X);
        edit.setText(c.text, true);
        for (int key : c.setup)
            ASSERT_TRUE(edit.processKey(key)) << describe(c);
        EXPECT_TRUE(edit.processKey(c.key)) << describe(c);
        EXPECT_EQ(c.expectText, std::string(edit.getText())) << describe(c);
        EXPECT_EQ(c.expectField, winText(w, 1, X, W)) << describe(c);
        EXPECT_EQ(std::make_pair(1, X + c.expectCol), cursorOf(w)) << describe(c);
        EXPECT_EQ(0, writtenOutside(w, '.', 1, W, 1, X)) << describe(c);
    }
}

// Keys that keep the visible part move only the curses cursor: a cell
// changed behind the editor's back stays as it is.
TEST_F(CursesTest, LineEditCursorMovesInsideTheViewRepaintNothing)
{
    CurWindow win(3, 20, 0, 0);
    WINDOW* w = win.getWindow();
    CurLineEdit edit(&win);
    edit.setGeometry(1, W, 1, X);
    edit.setText(ALPHABET, true);
    for (int key : homeThenRight(13) + std::vector<int>{L, L, L}) {
        edit.processKey(key);
    }
    mvwaddch(w, 1, X + 3, '#');
    edit.processKey(L);                  // scrolls: repainted
    EXPECT_EQ("<jklm>", winText(w, 1, X, W));

    mvwaddch(w, 1, X + 3, '#');
    edit.processKey(R);
    edit.processKey(L);
    edit.processKey(KEY_BACKSPACE);      // in column 1 of a scrolled view: the screen is right already
    EXPECT_EQ("<jk#m>", winText(w, 1, X, W));
    EXPECT_EQ(std::make_pair(1, X + 1), cursorOf(w));
    EXPECT_STREQ("abcdefghjklmnopqrstuvwxyz", edit.getText());
}

TEST_F(CursesTest, LineEditLeavesKeysOutsideItsTableToTheCaller)
{
    CurWindow win(3, 20, 0, 0);
    CurLineEdit edit(&win);
    edit.setGeometry(1, W, 1, X);
    edit.setText("abc", false);
    edit.processKey(KEY_LEFT);
    for (int key : std::vector<int>{0, 1, 9, 10, 13, 27, 31, 128, 200, 255, CurGadget::WIDE_CHAR + 0xE9,
                    KEY_UP, KEY_DOWN, KEY_ENTER, KEY_BTAB, KEY_F(1), ERR})
        EXPECT_FALSE(edit.processKey(key)) << key;
    EXPECT_STREQ("abc", edit.getText());
    EXPECT_TRUE(edit.processKey('z'));
    EXPECT_STREQ("abzc", edit.getText());
}

TEST_F(CursesTest, LineEditInsertsEveryCodeFromBlankToTilde)
{
    CurWindow win(3, 20, 0, 0);
    CurLineEdit edit(&win);
    std::string typed;
    for (int key = 32; key <= 126; key++) {
        EXPECT_TRUE(edit.processKey(key)) << key;
        typed += (char)key;
    }
    EXPECT_EQ(typed, edit.getText());
}

// The array grows only when full, and then to the next multiple of 1024:
// a new array, so a new address, is the sign of a growth.
TEST_F(CursesTest, LineEditGrowsAtTheFifthAndThe1024thCharacter)
{
    CurWindow win(3, 20, 0, 0);
    CurLineEdit edit(&win);
    std::vector<int> grewAt;
    const char* before = edit.getText();
    for (int n = 1; n <= 3000; n++) {
        edit.processKey('a');
        if (edit.getText() != before)
            grewAt.push_back(n);
        before = edit.getText();
    }
    EXPECT_EQ((std::vector<int>{5, 1024, 2048}), grewAt);
    EXPECT_EQ(3000u, std::string(edit.getText()).size());

    edit.setText("abc", false);          // an exact copy: the next character grows it
    before = edit.getText();
    edit.processKey('d');
    EXPECT_NE(before, edit.getText());
    EXPECT_STREQ("abcd", edit.getText());
}

TEST_F(CursesTest, LineEditSetTextPutsTheCursorBehindTheText)
{
    CurWindow win(3, 20, 0, 0);
    WINDOW* w = win.getWindow();
    CurLineEdit edit(&win);
    edit.setGeometry(1, W, 1, X);
    edit.setText("abcde", true);
    EXPECT_EQ("abcde ", winText(w, 1, X, W));
    EXPECT_EQ(std::make_pair(1, X + 5), cursorOf(w));
    edit.setText("abcdefgh", true);
    EXPECT_EQ("<efgh ", winText(w, 1, X, W));
    EXPECT_EQ(std::make_pair(1, X + 5), cursorOf(w));
    edit.setText(nullptr, true);
    EXPECT_STREQ("abcdefgh", edit.getText());
    edit.text[3] = '\0';                 // the application shortens it in place
    edit.draw();
    EXPECT_EQ("abc   ", winText(w, 1, X, W));
    EXPECT_EQ(std::make_pair(1, X + 3), cursorOf(w));
    EXPECT_TRUE(edit.processKey('x'));
    EXPECT_STREQ("abcx", edit.getText());
}

TEST_F(CursesTest, LineEditMasksEveryCharacterAndKeepsTheMarks)
{
    CurWindow win(3, 20, 0, 0);
    WINDOW* w = win.getWindow();
    CurLineEdit edit(&win);
    edit.setGeometry(1, W, 1, X);
    edit.setHidden(true);
    EXPECT_TRUE(edit.hidden);
    edit.setText("abc", true);
    EXPECT_EQ("***   ", winText(w, 1, X, W));
    edit.setText(ALPHABET, true);
    EXPECT_EQ("<**** ", winText(w, 1, X, W));
    edit.processKey(KEY_HOME);
    EXPECT_EQ("*****>", winText(w, 1, X, W));
    EXPECT_STREQ(ALPHABET, edit.getText());
    edit.hidden = false;
    edit.draw();
    EXPECT_EQ("abcde>", winText(w, 1, X, W));
}

// Hidden and focused, it makes its window's keys secret input, which the
// key log records as Hidden; other windows' keys stay as they are.
TEST_F(CursesTest, LineEditHiddenAndFocusedIsSecretInputForTheKeyLog)
{
    CurWindow win(3, 20, 0, 0), other(3, 20, 5, 0);
    {
        CurLineEdit edit(&win);
        const std::pair<std::function<void()>, bool> steps[] = {
            {[] {}, false}, {[&] { edit.setHidden(true); }, true}, {[&] { edit.loseFocus(false); }, false},
            {[&] { edit.acceptFocus(false); }, true}, {[&] { edit.hidden = false, edit.draw(); }, false},
            {[&] { edit.hidden = true, edit.draw(); }, true}};
        for (const auto& step : steps) {
            step.first();
            EXPECT_EQ(step.second, CurInit::isSecretInput(&win) && !CurInit::isSecretInput(&other));
        }
    }
    EXPECT_FALSE(CurInit::isSecretInput(&win)) << "gone with the editor";
    auto* going = new CurWindow(3, 20, 0, 0);
    CurLineEdit moved(going);
    moved.setHidden(true);
    moved.acceptFocus(false);
    delete going;
    EXPECT_TRUE(CurInit::isSecretInput(moved.getWindow())) << "follows the editor off a window that went";
}

TEST_F(CursesTest, LineEditFieldIsReverseWhenFocusedAndUnderlinedOtherwise)
{
    CurWindow win(3, 20, 0, 0);
    WINDOW* w = win.getWindow();
    CurLineEdit edit(&win);
    edit.setGeometry(3, W, 0, X);        // the field row is the middle one
    edit.setText("ab", true);
    for (int col = X; col < X + W; col++) {
        EXPECT_TRUE(winAttrs(w, 1, col) & A_REVERSE) << col;
        EXPECT_FALSE(winAttrs(w, 1, col) & A_UNDERLINE) << col;
    }
    edit.loseFocus(true);
    for (int col = X; col < X + W; col++) {
        EXPECT_TRUE(winAttrs(w, 1, col) & A_UNDERLINE) << col;
        EXPECT_FALSE(winAttrs(w, 1, col) & A_REVERSE) << col;
    }
    EXPECT_EQ("ab    ", winText(w, 1, X, W));
    EXPECT_EQ(std::make_pair(1, X + 2), cursorOf(w));
}

TEST_F(CursesTest, LineEditRunAloneStopsAfterReturn)
{
    CurWindow win(3, 20, 0, 0);
    CurLineEdit edit(&win);
    pushKeys({'h', 'i', KEY_LEFT, 'o', 10, KEY_ENTER, 9, 13});
    EXPECT_EQ(0, edit.kbdLoop());
    EXPECT_STREQ("hoi", edit.getText());
}

// A box narrower than 3 columns has no room for the marks: it shows the
// text around the cursor, edits as usual and writes nothing beside the box.
TEST_F(CursesTest, LineEditNarrowBoxesStayInsideAndKeepEditing)
{
    struct Step {
        int key;
        const char* field;               // the box's cells after the key
        int col;
    };
    struct NarrowCase {
        int width;
        std::vector<Step> steps;
        const char* text;
    };
    const std::vector<NarrowCase> cases = {
        {2,
         {{'h', "h ", 1}, {'e', "e ", 1}, {'l', "l ", 1}, {'l', "l ", 1}, {'o', "o ", 1},
          {KEY_HOME, "he", 0}, {KEY_RIGHT, "he", 1}, {KEY_RIGHT, "el", 1}, {KEY_BACKSPACE, "hl", 1},
          {KEY_DC, "hl", 1}, {KEY_NPAGE, "o ", 1}, {KEY_LEFT, "lo", 1}},
         "hlo"},
        {1,
         {{'h', " ", 0}, {'i', " ", 0}, {KEY_LEFT, "i", 0}, {KEY_LEFT, "h", 0}, {KEY_LEFT, "h", 0},
          {KEY_DC, "i", 0}, {'x', "i", 0}, {KEY_BACKSPACE, "i", 0}},
         "i"},
        {0, {{'h', "", 0}, {'i', "", 0}, {KEY_LEFT, "", 0}, {KEY_BACKSPACE, "", 0}}, "i"},
    };
    CurWindow win(3, 20, 0, 0);
    WINDOW* w = win.getWindow();
    for (const NarrowCase& c : cases) {
        fillWindow(w, '.');
        CurLineEdit edit(&win);
        edit.setGeometry(1, c.width, 1, X);
        for (const Step& s : c.steps) {
            EXPECT_TRUE(edit.processKey(s.key)) << "width " << c.width << ", key " << s.key;
            if (c.width > 0) {
                EXPECT_EQ(s.field, winText(w, 1, X, c.width)) << "width " << c.width << ", key " << s.key;
                EXPECT_EQ(std::make_pair(1, X + s.col), cursorOf(w)) << "width " << c.width;
            }
        }
        EXPECT_STREQ(c.text, edit.getText()) << "width " << c.width;
        EXPECT_EQ(0, writtenOutside(w, '.', 1, c.width, 1, X)) << "width " << c.width;
        EXPECT_FALSE(edit.processKey(KEY_UP));
    }
}

TEST_F(CursesTest, LineEditFollowsANarrowerGeometry)
{
    CurWindow win(3, 20, 0, 0);
    WINDOW* w = win.getWindow();
    CurLineEdit edit(&win);
    edit.setGeometry(1, 10, 1, X);
    edit.setText("abcdefghijkl", true);
    fillWindow(w, '.');
    edit.setGeometry(1, 4, 1, X);
    edit.draw();
    EXPECT_EQ("<kl ", winText(w, 1, X, 4));
    EXPECT_EQ(std::make_pair(1, X + 3), cursorOf(w));
    EXPECT_EQ(0, writtenOutside(w, '.', 1, 4, 1, X));
    edit.processKey(KEY_LEFT);
    edit.processKey('x');
    EXPECT_STREQ("abcdefghijkxl", edit.getText());
}

// Left and right belong to the editor even at the ends of its text; up and
// down move the focus.
TEST_F(CursesTest, LineEditInAFormKeepsLeftAndRightAndGivesUpUpAndDown)
{
    CurWindow win(6, 40, 0, 0);
    CurLineEdit left(&win), right(&win);
    left.setGeometry(1, 10, 1, 1);
    right.setGeometry(1, 10, 1, 20);
    CurButton ok(&win);
    ok.setGeometry(1, 10, 4, 1);
    CurFocuser form;
    form.addGadget(&left);
    form.addGadget(&right);
    form.addGadget(&ok);
    ok.setActivateCB(stopFormCB, &form);
    left.setText("ab", false);

    pushKeys({KEY_RIGHT, KEY_RIGHT, KEY_LEFT, KEY_LEFT, KEY_LEFT, 'x', KEY_DOWN, 13});
    form.kbdLoop();
    EXPECT_STREQ("xab", left.getText());
    EXPECT_STREQ("", right.getText());
    EXPECT_TRUE(ok.isActivated());
}

// The maximum length and the filter against typing, setText and a shorter
// limit; the change callback hears each edit made by a key, nothing else.
TEST_F(CursesTest, LineEditLimitsFiltersAndReportsEdits)
{
    auto digits = [](int code) { return code >= '0' && code <= '9'; };
    const struct {
        int max;
        bool digitsOnly;
        const char* text;
        std::vector<int> keys;
        const char* expect;
        int changes;
    } cases[] = {
        {3, false, "", {'a', 'b', 'c', 'd', 'e'}, "abc", 3},
        {3, false, "abcdef", {}, "abc", 0},
        {3, false, "abc", {KEY_BACKSPACE, 'x', 'y'}, "abx", 2},
        {0, false, "abcdef", {'g'}, "abcdefg", 1},
        {-5, false, "", {'a', 'b'}, "ab", 2},
        {0, true, "", {'1', 'a', ' ', '2', KEY_LEFT}, "12", 2},
        {2, true, "", {'1', '2', '3', KEY_DC, KEY_HOME, KEY_DC}, "2", 3},
    };
    for (const auto& c : cases) {
        CurWindow win(3, 20, 0, 0);
        CurLineEdit edit(&win);
        edit.setGeometry(1, 10, 1, 0);
        int changes = 0;
        edit.setChangeCB([&](CurLineEdit*) { changes++; });
        edit.setMaxLength(c.max);
        if (c.digitsOnly)
            edit.setFilterCB(digits);
        edit.setText(std::string_view(c.text), true);
        for (int key : c.keys)
            EXPECT_TRUE(edit.processKey(key)) << c.text << " " << key;
        EXPECT_STREQ(c.expect, edit.getText()) << c.text;
        EXPECT_EQ(c.changes, changes) << c.text;
    }

    CurWindow win(3, 20, 0, 0);
    CurLineEdit edit(&win);
    edit.setText("abcdef", false);
    edit.setMaxLength(4);                // below the current text: cut, cursor behind it
    EXPECT_STREQ("abcd", edit.getText());
    edit.processKey('x');
    EXPECT_STREQ("abcd", edit.getText());
    edit.processKey(KEY_BACKSPACE);
    EXPECT_STREQ("abc", edit.getText());
    edit.setFilterCB([](int) { return false; });
    EXPECT_TRUE(edit.processKey('y')) << "a refused character is taken";
    EXPECT_STREQ("abc", edit.getText());
}

// Under UTF-8 a flag, an emoji with a skin tone, a joined family and a letter
// with its accent are each one character: the cursor steps over them, one
// key deletes them, typing a joiner or a flag's second half joins the
// character before; the mask and the length limit count them as one.
TEST_F(CursesTest, LineEditMovesAndDeletesWholeClusters)
{
    ASSERT_NE(nullptr, setlocale(LC_CTYPE, "C.UTF-8"));
    const std::string flag = "\xf0\x9f\x87\xab\xf0\x9f\x87\xb7", thumb = "\xf0\x9f\x91\x8d\xf0\x9f\x8f\xbd";
    const std::string man = "\xf0\x9f\x91\xa8", zwj = "\xe2\x80\x8d", woman = "\xf0\x9f\x91\xa9";
    const std::string family = man + zwj + woman + zwj + "\xf0\x9f\x91\xa7", accent = "e\xcc\x81";
    std::string joiners = "a";                                  // 10,000 joiners after "a"
    for (int i = 0; i < 10000; i++)
        joiners += zwj;
    const int W0 = CurGadget::WIDE_CHAR;
    const struct {
        std::string text;
        std::vector<int> keys;
        std::string expect;
        int col;
        int max;
        bool hidden;
        const char* field;                 // checked when hidden
    } cases[] = {
        {"a" + flag + "b", {L, BS}, "ab", 1, 0, false, nullptr},
        {"a" + flag + "b", {H, R, DC}, "ab", 1, 0, false, nullptr},
        {family, {BS}, "", 0, 0, false, nullptr},
        {thumb + accent, {BS}, thumb, 2, 0, false, nullptr},
        {thumb + accent, {L, L, DC}, accent, 0, 0, false, nullptr},
        {man, {W0 + 0x200D, W0 + 0x1F469}, man + zwj + woman, 2, 0, false, nullptr},
        {man, {W0 + 0x200D, W0 + 0x1F469, BS}, "", 0, 0, false, nullptr},
        {"\xf0\x9f\x87\xab", {W0 + 0x1F1F7, L}, flag, 0, 0, false, nullptr},
        {joiners, {BS}, "", 0, 0, false, nullptr},
        {"a" + flag + "b", {}, "a" + flag, 3, 2, false, nullptr},
        {"a" + flag + accent, {L}, "a" + flag + accent, 2, 0, true, "***   "},
    };
    CurWindow win(3, 20, 0, 0);
    for (const auto& c : cases) {
        CurLineEdit edit(&win);
        edit.setGeometry(1, W, 1, X);
        edit.setMaxLength(c.max);
        edit.setHidden(c.hidden);
        edit.setText(c.text.c_str(), true);
        for (int key : c.keys)
            EXPECT_TRUE(edit.processKey(key)) << c.expect;
        EXPECT_EQ(c.expect, std::string(edit.getText())) << c.text;
        EXPECT_EQ(std::make_pair(1, X + c.col), cursorOf(win.getWindow())) << c.text;
        if (c.field != nullptr) {
            EXPECT_EQ(c.field, winText(win.getWindow(), 1, X, W)) << c.text;
        }
    }
    setlocale(LC_CTYPE, "C");
}
