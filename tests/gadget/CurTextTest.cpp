// CurTextTest.cpp - bad input for every gadget and window that shows text:
// random bytes (valid and invalid UTF-8, controls) in both locales at every
// width from 0 to 300, and a megabyte of them at a few; and the text
// module's measures on a table of texts.
#include "CursesTest.h"

#include <CurBanner.h>
#include <CurButton.h>
#include <CurLabel.h>
#include <CurLineEdit.h>
#include <CurList.h>
#include <CurLogger.h>
#include <CurNote.h>
#include <CurTDialog.h>
#include <CurToggle.h>
#include <CurWindow.h>

#include <clocale>
#include <random>
#include <string>
#include <vector>

#include "../../text/CurText.h"

namespace {

std::string randomText(size_t n, unsigned seed)
{
    static const char* const pieces[] = {"é", "日", "\xcc\x81", "\t", "\r", "\n", "\x1b[2J",
                                         "\xc2\x85", " ", "\xff", "\xe6\x97", "word"};
    std::mt19937 rng(seed);
    std::string s;
    while (s.size() < n) {
        char c = (char)(rng() % 256);
        s += rng() % 2 ? std::string(pieces[rng() % 12]) : std::string(1, c == '\0' ? 'x' : c);
    }
    return s;
}

// The gadgets get rows 2 to 4 from column 1, width columns wide, of a window
// filled with "#"; no other cell of the window may change.
void gadgetsAt(const std::string& text, int width)
{
    CurWindow win(8, 80, 0, 0);
    WINDOW* w = win.getWindow();
    for (int r = 0; r < 8; r++)
        for (int c = 0; c < 80; c++)
            mvwaddch(w, r, c, '#');
    const char* t = text.c_str();
    CurLabel plain(&win, false), wrapped(&win, true);
    CurButton button(&win);
    CurToggle toggle(&win);
    CurList list(&win);
    CurLineEdit edit(&win);
    for (CurGadget* g : std::initializer_list<CurGadget*>{&plain, &wrapped, &button, &toggle, &list, &edit})
        g->setGeometry(3, width, 2, 1);
    plain.setText(t, true), plain.setText(t + text.size() / 2, true), wrapped.setText(t, true);
    button.setText(t, true), toggle.setText(t, true), list.addLine(t, true, true), edit.setText(t, true);
    for (int key : {KEY_LEFT, KEY_BACKSPACE, KEY_DC, (int)'a', 0xC3, 0xA9, CurGadget::WIDE_CHAR + 0x65E5,
                    (int)KEY_HOME, (int)KEY_RIGHT, (int)KEY_END, 127})
        edit.processKey(key);
    for (int r = 0; r < 8; r++)
        for (int c = 0; c < 80; c++)
            if ((r < 2 || r > 4 || c < 1 || c > width) && (mvwinch(w, r, c) & A_CHARTEXT) != '#') {
                ADD_FAILURE() << "width " << width << ": cell " << r << "," << c << " changed";
                return;
            }
}

void windowsWith(const std::string& text, int width)
{
    const char* t = text.c_str();
    CurWindow titled(5, width < 80 ? width : 80, 0, 0);
    titled.setTitle(t, CurInit::RIGHT);
    CurBanner banner;
    banner.centerLabel.setText(t, true);
    CurNote::showNote(-1, -1, 0, t);
    CurNote::showNote(3, width, 0, t);
}

}  // namespace

// One test per locale, so that the two run side by side.
static void randomBytesIn(const char* locale)
{
    ASSERT_NE(nullptr, setlocale(LC_CTYPE, locale));
    std::string big = randomText(1 << 20, 7);
    for (int width : {0, 1, 2, 3, 80, 300}) {
        gadgetsAt(big, width);
        windowsWith(big, width);
    }
    for (int width = 0; width <= 300; width++) {
        std::string text = randomText(400, width);
        gadgetsAt(text, width);
        windowsWith(text, width);
    }
    CurLogger logger(10, 40, 5, 5);
    logger.log(big.c_str());
    ungetch(13);
    CurTDialog::showMessage(-1, -1, 0, big.c_str(), big.c_str());
    setlocale(LC_CTYPE, "C");
}

TEST_F(CursesTest, RandomBytesStayInsideEveryGadgetInTheCLocale) { hangLimitSeconds = 0; randomBytesIn("C"); }
TEST_F(CursesTest, RandomBytesStayInsideEveryGadgetInUtf8) { hangLimitSeconds = 0; randomBytesIn("C.UTF-8"); }

// Columns, the cut at 3 columns and the steps from the start and the end.
TEST_F(CursesTest, TextMeasuresWholeCharactersInColumns)
{
    ASSERT_NE(nullptr, setlocale(LC_CTYPE, "C.UTF-8"));
    const struct {
        const char* text;
        int columns, cut3, next0, prev;
    } cases[] = {
        {"abcd", 4, 3, 1, 3},
        {"日本", 4, 3, 3, 3},                   // the cut leaves out the straddling 本
        {"e\xcc\x81x", 2, 4, 3, 3},             // a combining mark stays with its base
        {"\xff\xc3(", 3, 3, 1, 2},              // a bad byte per column
        {"a\tb", 6, 1, 1, 2},                   // a tab is four blanks
        {"\x1b[", 2, 2, 1, 1},                  // a control is one mark
        {"\xf0\x9f\x98\x80!", 3, 5, 4, 4},      // a double-width emoji, four bytes
        // clusters: a flag, a thumb with a skin tone, a pictograph with the
        // presentation selector, a family joined by joiners, a keycap, a
        // Hangul syllable in jamo: two columns each, stepped over whole
        {"\xf0\x9f\x87\xab\xf0\x9f\x87\xb7x", 3, 9, 8, 8},
        {"\xf0\x9f\x91\x8d\xf0\x9f\x8f\xbdx", 3, 9, 8, 8},
        {"\xe2\x9d\xa4\xef\xb8\x8fx", 3, 7, 6, 6},
        {"\xf0\x9f\x91\xa8\xe2\x80\x8d\xf0\x9f\x91\xa9\xe2\x80\x8d\xf0\x9f\x91\xa7x", 3, 19, 18, 18},
        {"1\xef\xb8\x8f\xe2\x83\xa3x", 3, 8, 7, 7},
        {"\xe1\x84\x80\xe1\x85\xa1\xe1\x86\xa8x", 3, 10, 9, 9},
        // bad input: a lone regional indicator (its own width), three in a
        // row (a flag and a lone one), a bad byte between a base and its
        // mark (the mark then stands alone), marks with no base, an
        // unassigned code point (one replacement mark)
        {"\xf0\x9f\x87\xabx", 2, 5, 4, 4},
        {"\xf0\x9f\x87\xab\xf0\x9f\x87\xb7\xf0\x9f\x87\xaa", 3, 12, 8, 8},
        {"e\xff\xcc\x81", 2, 4, 1, 2},
        {"\xcc\x81\xcc\x81", 0, 4, 4, 0},
        {"\xcd\xb8" "a", 2, 3, 2, 2},
    };
    for (const auto& c : cases) {
        int len = (int)strlen(c.text);
        EXPECT_EQ(c.columns, CurText::columns(c.text)) << c.text;
        EXPECT_EQ(c.cut3, CurText::cut(c.text, len, 3)) << c.text;
        EXPECT_EQ(c.next0, CurText::next(c.text, len, 0)) << c.text;
        EXPECT_EQ(c.prev, CurText::prev(c.text, len)) << c.text;
    }
    setlocale(LC_CTYPE, "C");
}

// Every line of Unicode's own test of cluster boundaries, read at test time:
// the boundaries found stepping forwards and backwards are the file's.
TEST(CurText, SplitsClustersAsEveryLineOfUnicodesBreakTest)
{
    const char* path = "/usr/share/unicode/auxiliary/GraphemeBreakTest.txt";
    FILE* f = fopen(path, "r");
    if (f == nullptr)
        GTEST_SKIP() << path << " is missing (Debian's unicode-data package ships it)";
    ASSERT_NE(nullptr, setlocale(LC_CTYPE, "C.UTF-8"));
    char line[4096];
    int tested = 0;
    while (fgets(line, sizeof line, f) != nullptr) {
        std::string text;
        std::vector<int> bounds;
        for (char* p = line; *p != '\0' && *p != '#';) {
            if (strncmp(p, "\xc3\xb7", 2) == 0) {            // a boundary
                bounds.push_back((int)text.size());
                p += 2;
            } else if (isxdigit((unsigned char)*p)) {
                char bytes[4];
                text.append(bytes, (size_t)CurText::encode((int)strtol(p, &p, 16), bytes));
            } else {
                p++;
            }
        }
        if (bounds.empty())
            continue;
        tested++;
        int len = (int)text.size();
        std::vector<int> forwards{0}, backwards{len};
        for (int pos = 0; pos < len;)
            forwards.push_back(pos = CurText::next(text.c_str(), len, pos));
        for (int pos = len; pos > 0;)
            backwards.insert(backwards.begin(), pos = CurText::prev(text.c_str(), pos));
        EXPECT_EQ(bounds, forwards) << line;
        EXPECT_EQ(bounds, backwards) << line;
    }
    fclose(f);
    EXPECT_GT(tested, 600);
    setlocale(LC_CTYPE, "C");
}
