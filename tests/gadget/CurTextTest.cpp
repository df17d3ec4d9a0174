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
