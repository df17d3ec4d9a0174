// CurLabelTest.cpp - the label: word wrapping and line counting, which need
// no screen (a table of texts, an exhaustive sweep of short texts for the
// size and margin guarantees, very long texts), then placement and drawing
// on a real curses screen.
#include <CurLabel.h>
#include <CurWindow.h>
#include <gtest/gtest.h>

#include "CursesTest.h"

#include <cstring>
#include <string>

namespace {

struct WrapCase {
    const char* text;
    int         width;
    const char* expected;
    int         lines;
};

// Runs formatMsg into a buffer of exactly formatMsgSize bytes, so that the
// address sanitizer catches a write past the documented size.
int wrap(const char* text, int width, std::string& out)
{
    char* heap = new char[CurLabel::formatMsgSize(text)];
    int lines = CurLabel::formatMsg(heap, text, width);
    out = heap;
    delete[] heap;
    return lines;
}

std::string show(const std::string& s)
{
    std::string r;
    for (char c : s)
        r += (c == '\n') ? std::string("\\n") : std::string(1, c);
    return r;
}

const WrapCase wrapCases[] = {
    // blanks between words collapse to one; a line break when the next word does not fit
    {"hello   world", 20, "hello world", 1},
    {"hello   world", 8, "hello\nworld", 2},
    {"hello world", 11, "hello world", 1},
    {"a\tb", 20, "a b", 1},
    // a long word gets an indent blank and is cut at the margin
    {"abcdefghijkl", 5, " abcd\nefghi\njkl", 3},
    {"abcdefghi", 5, " abcd\nefghi\n", 3},
    {"ab abcdefghij", 5, "ab ab\ncdefg\nhij", 3},
    // a long word on a line one short of full: the indent fills it
    {"abcd abcdefghij", 5, "abcd \nabcde\nfghij\n", 4},
    // a long word after a line filled exactly starts on a new line
    {"abcde abcdefgh", 5, "abcde\n abcd\nefgh", 3},
    {"a bc", 1, "a\n \nb\nc\n", 5},
    // newlines right after a word survive, also several and at the end
    {"ab\n\ncd", 20, "ab\n\ncd", 3},
    {"ab \ncd", 20, "ab cd", 1},
    {"ab\n", 20, "ab\n", 2},
    {"\n\nab", 20, "ab", 1},
    {"ab\n cd", 20, "ab\ncd", 2},
    // empty and blank texts
    {"", 20, "", 1},
    {"  \n \t\n ", 20, "", 1},
    // widths below 1 count as 1
    {"ab", 1, " \na\nb\n", 4},
    {"ab", 0, " \na\nb\n", 4},
    {"ab", -7, " \na\nb\n", 4},
    {"a b", 1, "a\nb", 2},
    {"a b", 0, "a\nb", 2},
    // bytes above 127 belong to words
    {"\xc3\xa9t\xc3\xa9 x", 20, "\xc3\xa9t\xc3\xa9 x", 1},
};

} // namespace

TEST(CurLabelWrap, FormatMsgFollowsTheWrappingRules)
{
    for (const WrapCase& c : wrapCases) {
        std::string out;
        int lines = wrap(c.text, c.width, out);
        EXPECT_EQ(c.expected, out) << "text \"" << show(c.text) << "\" width " << c.width
                                   << ": got \"" << show(out) << "\"";
        EXPECT_EQ(c.lines, lines) << "text \"" << show(c.text) << "\" width " << c.width;
    }
}

// Every text of up to 9 characters made of a letter, a blank and a newline,
// at widths from -1 to 4: formatMsg stays inside formatMsgSize, no line is
// longer than the width, the count matches the newlines written, and the
// letters come out in order.
TEST(CurLabelWrap, ShortTextsStayInsideSizeAndMargin)
{
    const char alphabet[] = {'a', ' ', '\n'};
    for (int len = 0; len <= 9; len++) {
        int total = 1;
        for (int i = 0; i < len; i++)
            total *= 3;
        for (int n = 0; n < total; n++) {
            std::string text;
            for (int i = 0, k = n; i < len; i++, k /= 3)
                text += alphabet[k % 3];
            for (int width = -1; width <= 4; width++) {
                std::string out;
                int lines = wrap(text.c_str(), width, out);
                ASSERT_LT((int)out.size(), CurLabel::formatMsgSize(text.c_str())) << show(text);
                int margin = width < 1 ? 1 : width;
                size_t start = 0;
                int breaks = 0;
                for (size_t i = 0; i <= out.size(); i++) {
                    if (i == out.size() || out[i] == '\n') {
                        ASSERT_LE((int)(i - start), margin)
                            << "text \"" << show(text) << "\" width " << width << ": \"" << show(out) << "\"";
                        breaks += (i < out.size());
                        start = i + 1;
                    }
                }
                ASSERT_EQ(breaks + 1, lines) << show(text) << " width " << width;
                std::string inLetters, outLetters;
                for (char c : text)
                    if (c == 'a') inLetters += c;
                for (char c : out)
                    if (c == 'a') outLetters += c;
                ASSERT_EQ(inLetters, outLetters) << show(text) << " width " << width;
            }
        }
    }
}

TEST(CurLabelWrap, HundredKilobyteTextsWrapAndCount)
{
    std::string words;
    while (words.size() < 100000)
        words += "lorem ipsum dolor ";
    std::string out;
    int lines = wrap(words.c_str(), 20, out);
    EXPECT_EQ(lines, CurLabel::getEffHeight(words.c_str(), 20));
    EXPECT_GT(lines, 5000);

    std::string oneWord(100000, 'x');
    // the indent line, a line per character, and the empty line after the last break
    EXPECT_EQ(100002, wrap(oneWord.c_str(), 1, out));
    EXPECT_EQ(100002, CurLabel::getEffHeight(oneWord.c_str(), 0));
    EXPECT_EQ(1, CurLabel::getNumLines(oneWord.c_str()));
}

TEST(CurLabelWrap, GetNumLinesCountsNewlinesPlusOne)
{
    const struct {
        const char* text;
        int         lines;
    } cases[] = {
        {"", 1}, {"abc", 1}, {"a\nb\n", 3}, {"\n", 2}, {"a b  c", 1}, {"\n\n\n", 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.lines, CurLabel::getNumLines(c.text)) << "text \"" << show(c.text) << "\"";
}

TEST(CurLabelWrap, GetLongestLinePassesOverLeadingBlanksAndBlankLines)
{
    const struct {
        const char* text;
        int         longest;
    } cases[] = {
        {"", 0}, {" \n\t\n", 0}, {"  abc", 3}, {"abc   \nx", 6}, {"a\n\n\n   bb  b", 5},
        {"one two\nthree", 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.longest, CurLabel::getLongestLine(c.text)) << "text \"" << show(c.text) << "\"";
}

TEST(CurLabelWrap, GetEffHeightIsTheWrappedLineCount)
{
    EXPECT_EQ(2, CurLabel::getEffHeight("hello   world", 8));
    EXPECT_EQ(1, CurLabel::getEffHeight("hello   world", 20));
    EXPECT_EQ(3, CurLabel::getEffHeight("abcdefghijkl", 5));
    EXPECT_EQ(1, CurLabel::getEffHeight("", 5));
}

// ---------------------------------------------------------------- drawing

namespace {
// Where the first character of a drawn label landed, in window coordinates.
struct Spot {
    int row = -1, col = -1;
};

Spot firstInk(WINDOW* w)
{
    Spot s;
    for (int row = 0; row < getmaxy(w) && s.row < 0; row++)
        for (int col = 0; col < getmaxx(w); col++)
            if ((mvwinch(w, row, col) & A_CHARTEXT) != ' ') {
                s.row = row;
                s.col = col;
                break;
            }
    return s;
}

const char* alignName(CurInit::ALIGNMENT a)
{
    static const char* const names[] = {"CENTER", "LEFT", "RIGHT", "TOP", "BOTTOM"};
    return names[a];
}
}  // namespace

// Labels at row 2, column 3 of a 12 x 40 window. Lines are placed inside the
// label's rectangle by their own length; a value of the other axis places
// at the top row or the left column.
TEST_F(CursesTest, LabelPlacesItsLinesByBothAlignments)
{
    const struct {
        CurInit::ALIGNMENT h, v;
        int                height, width;
        const char*        text;
        int                row, col;
    } cases[] = {
        {CurInit::CENTER, CurInit::TOP, 1, 20, "sixsix", 2, 3 + 7},
        {CurInit::RIGHT, CurInit::TOP, 1, 20, "sixsix", 2, 3 + 14},
        {CurInit::LEFT, CurInit::TOP, 1, 20, "sixsix", 2, 3},
        {CurInit::CENTER, CurInit::TOP, 1, 20, "seven77", 2, 3 + 6},      // (20 - 7) / 2 rounds down
        {CurInit::LEFT, CurInit::CENTER, 5, 20, "one\ntwo", 2 + 1, 3},
        {CurInit::LEFT, CurInit::BOTTOM, 5, 20, "one\ntwo", 2 + 3, 3},
        {CurInit::LEFT, CurInit::TOP, 5, 20, "one\ntwo", 2, 3},
        {CurInit::LEFT, CurInit::CENTER, 5, 20, "1\n2\n3\n4\n5\n6\n7", 2, 3},
        {CurInit::LEFT, CurInit::BOTTOM, 5, 20, "1\n2\n3\n4\n5\n6\n7", 2, 3},
        {CurInit::LEFT, CurInit::CENTER, 4, 20, "one", 2 + 1, 3},         // (4 - 1) / 2 rounds down
        {CurInit::RIGHT, CurInit::LEFT, 5, 20, "xy", 2, 3 + 18},          // other axis: top row
        {CurInit::CENTER, CurInit::RIGHT, 5, 20, "xy", 2, 3 + 9},
        {CurInit::TOP, CurInit::BOTTOM, 5, 20, "xy", 2 + 4, 3},           // other axis: left column
        {CurInit::BOTTOM, CurInit::CENTER, 5, 20, "xy", 2 + 2, 3},
        {CurInit::RIGHT, CurInit::TOP, 1, 4, "longer", 2, 3},             // too long: from the left edge
        {CurInit::CENTER, CurInit::BOTTOM, 3, 20, "\n\nab", 2 + 2, 3 + 9}, // leading newlines take rows
        {CurInit::CENTER, CurInit::BOTTOM, 1, 20, "\n\nab", -1, -1},   // and lines below the label are left out
    };
    for (const auto& c : cases) {
        CurWindow w(12, 40, 0, 0);
        CurLabel label(&w, false);
        label.setGeometry(c.height, c.width, 2, 3);
        label.setAlignment(c.h, c.v, false);
        label.setText(c.text, true);
        Spot s = firstInk(w.getWindow());
        EXPECT_TRUE(s.row == c.row && s.col == c.col)
            << alignName(c.h) << "/" << alignName(c.v) << " " << c.height << "x" << c.width << " \""
            << show(c.text) << "\": expected " << c.row << "," << c.col << ", got " << s.row << "," << s.col;
    }
}

TEST_F(CursesTest, WrappedLabelShowsItsLinesCentredOnTheTerminal)
{
    CurWindow w(6, 20, 1, 1);
    CurLabel label(&w, true);
    label.setText("hello   world", false);
    label.setGeometry(4, 8, 1, 2);
    EXPECT_EQ(2, label.getEffHeight());
    label.draw();
    w.update();
    VtScreen& s = screen();
    EXPECT_EQ(" hello  ", s.text(3, 3, 8)) << s.dump();   // rows 1 + 1 + 1, columns 1 + 2 + (8 - 5) / 2
    EXPECT_EQ(" world  ", s.text(4, 3, 8)) << s.dump();
}

TEST_F(CursesTest, UnwrappedLabelKeepsItsLinesAsTheyAre)
{
    CurWindow w(5, 40, 0, 0);
    CurLabel label(&w, false);
    label.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    label.setText("hello   world\n  indented", true);
    EXPECT_EQ(2, label.getEffHeight());
    EXPECT_EQ("hello   world", winText(w.getWindow(), 0, 0, 13));
    EXPECT_EQ("  indented", winText(w.getWindow(), 1, 0, 10));
}

TEST_F(CursesTest, ShorterTextDrawnOverLongerBlanksTheOldTail)
{
    CurWindow w(1, 20, 0, 0);
    CurLabel label(&w, false);
    label.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    label.setText("abcdef", true);
    label.setText("xyz", true);
    EXPECT_EQ("xyz   ", winText(w.getWindow(), 0, 0, 6));
    w.erase();
    label.draw();
    EXPECT_EQ("xyz   ", winText(w.getWindow(), 0, 0, 6));
}

TEST_F(CursesTest, NullTextIsIgnoredAndDrawsNothing)
{
    CurWindow w(1, 20, 0, 0);
    CurLabel label(&w, false);
    label.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    label.setText("kept", false);
    label.setText(nullptr, true);
    EXPECT_EQ(std::string(20, ' '), winText(w.getWindow(), 0));
    label.draw();
    EXPECT_EQ("kept", winText(w.getWindow(), 0, 0, 4));
}

TEST_F(CursesTest, NewLabelIsEmptyAndCentred)
{
    CurWindow w(3, 20, 0, 0);
    CurLabel label(&w, true);
    EXPECT_EQ(1, label.getEffHeight());
    label.draw();
    EXPECT_EQ(std::string(20, ' '), winText(w.getWindow(), 1));
    label.setText("ab", true);
    EXPECT_EQ("ab", winText(w.getWindow(), 1, 9, 2));
}

// A wrapped text of 100 KB in a 5 x 20 window: the first five lines fill
// it, and the thousands of lines below the window are left out rather than
// written over its last row.
TEST_F(CursesTest, HundredKilobyteWrappedTextFillsTheWindowAndNoMore)
{
    std::string text;
    for (int i = 0; text.size() < 100000; i++)
        text += "word" + std::to_string(i % 10) + " ";
    CurWindow w(5, 20, 0, 0);
    CurLabel label(&w, true);
    label.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    label.setText(text.c_str(), true);
    EXPECT_EQ(CurLabel::getEffHeight(text.c_str(), 20), label.getEffHeight());
    EXPECT_EQ("word0 word1 word2   ", winText(w.getWindow(), 0));
    EXPECT_EQ("word2 word3 word4   ", winText(w.getWindow(), 4));
}

TEST_F(CursesTest, HundredKilobyteUnwrappedLineIsCutAtTheLabelsEdge)
{
    std::string text(100000, 'x');
    text[0] = 'a';
    CurWindow w(3, 10, 0, 0);
    CurLabel label(&w, false);
    label.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    label.setText(text.c_str(), true);
    EXPECT_EQ(1, label.getEffHeight());
    EXPECT_EQ("axxxxxxxxx", winText(w.getWindow(), 0));
    EXPECT_EQ(std::string(10, ' '), winText(w.getWindow(), 1));
}
