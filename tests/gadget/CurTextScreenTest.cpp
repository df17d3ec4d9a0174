// CurTextScreenTest.cpp - text as people write it, on a real terminal in a
// UTF-8 locale: every kind of text in every gadget and window that shows
// text (scenario text_gadgets), the line editor over whole characters
// (scenario lineedit_form), and the box lines each locale gets.
#include "ScreenSession.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TextCase {
    const char* name;
    std::string bytes;                   // what the gadgets are given
    std::string cut;                     // its first 12 columns, unwrapped
    int         cutCols;
    int         cols;                    // columns of the whole text, unwrapped
    std::string wrapped;                 // the whole text as a wrapped label shows it
    int         wrappedCols;
};

const std::string BAD = "\xef\xbf\xbd";  // the replacement mark

const std::vector<TextCase> TEXTS = {
    {"ascii", "plain ascii", "plain ascii", 11, 11, "plain ascii", 11},
    {"accented", "Grüße Köln", "Grüße Köln", 10, 10, "Grüße Köln", 10},
    {"greek and cyrillic", "Καλή Мир", "Καλή Мир", 8, 8, "Καλή Мир", 8},
    {"double-width", "日本語テキスト", "日本語テキス", 12, 14, "日本語テキスト", 14},
    {"straddling", "a日本語テキスト", "a日本語テキ", 11, 15, "a日本語テキスト", 15},
    {"combining", "e\xcc\x81te\xcc\x81!", "e\xcc\x81te\xcc\x81!", 4, 4, "e\xcc\x81te\xcc\x81!", 4},
    {"bad bytes", "ok\xff\xc3(", "ok" + BAD + BAD + "(", 5, 5, "ok" + BAD + BAD + "(", 5},
    {"controls", "a\tb\rc\x1b[2Jd", "a    b\xe2\x90\x8d" "c\xe2\x90\x9b[2J", 12, 13,
     "a b c\xe2\x90\x9b[2Jd", 10},
    // a flag (a cell per indicator), a heart with the emoji selector (curses
    // counts the heart narrow) and a letter with more marks than a cell
    // holds: the last two as stand-ins of their width
    {"clusters", "\xf0\x9f\x87\xab\xf0\x9f\x87\xb7\xe2\x9d\xa4\xef\xb8\x8f a"
     "\xcc\x81\xcc\x81\xcc\x81\xcc\x81\xcc\x81\xcc\x81",
     "\xf0\x9f\x87\xab\xf0\x9f\x87\xb7" + BAD + BAD + " " + BAD, 6, 6,
     "\xf0\x9f\x87\xab\xf0\x9f\x87\xb7" + BAD + BAD + " " + BAD, 6},
};

// The rectangles of the scenario's gadgets on the screen: row, first and
// last column.
struct Rect {
    int top, bottom, left, right;
    bool holds(int r, int c) const { return r >= top && r <= bottom && c >= left && c <= right; }
};
const Rect GADGETS[] = {{2, 2, 2, 13}, {4, 6, 2, 17}, {2, 2, 30, 45}, {4, 4, 30, 41}};

void expectFramed(ScreenSession& s, int top, int left, int width, const char* what)
{
    EXPECT_TRUE(s.cell(top, left).isUpperLeft()) << what << "\n" << s.dump();
    EXPECT_TRUE(s.cell(top, left + width - 1).isUpperRight()) << what << "\n" << s.dump();
    EXPECT_TRUE(s.cell(top + 1, left + width - 1).isVLine()) << what << "\n" << s.dump();
}

void checkGadgets(ScreenSession& s, const TextCase& c)
{
    std::string pad(12 - c.cutCols, ' ');
    EXPECT_EQ(c.cut + std::string(12 - c.cutCols, '#'), s.text(2, 2, 12)) << "label";
    EXPECT_EQ("  " + c.cut + pad, s.text(5, 3, 14)) << "list";
    EXPECT_TRUE(s.cell(5, 17).isVLine() && s.cell(6, 2).isLowerLeft()) << "list frame";
    EXPECT_EQ("[*] " + c.cut + pad, s.text(2, 30, 16)) << "toggle";
    int start = c.cols <= 12 ? (12 - c.cols) / 2 : 0;
    std::string button = std::string(start, ' ') + c.cut + std::string(12 - start - c.cutCols, ' ');
    EXPECT_EQ(button, s.text(4, 30, 12)) << "button";
    EXPECT_EQ(c.wrapped, s.text(0, 0, c.wrappedCols)) << "banner";
    if (c.wrappedCols <= 12) {
        EXPECT_EQ(c.wrapped, s.text(14, 4, c.wrappedCols)) << "title";
    }
    EXPECT_EQ(std::string(13, ' '), s.text(15, 3, 13)) << "below the title";
    expectFramed(s, 14, 2, 15, "title window");
    expectFramed(s, 10, (80 - (c.cols + 4)) / 2, c.cols + 4, "note");
    for (int r = 1; r <= 8; r++)
        for (int col = 0; col < 80; col++) {
            bool inside = false;
            for (const Rect& g : GADGETS)
                inside = inside || g.holds(r, col);
            if (!inside && !s.cell(r, col).is('#')) {
                ADD_FAILURE() << "cell " << r << "," << col << " changed";
                return;
            }
        }
}

}  // namespace

// Each text in every gadget; then in a message box, sized to its columns.
// No byte of a text reaches the terminal as a control sequence.
TEST(CurTextScreen, EveryKindOfTextInEveryGadgetStaysInItsRectangle)
{
    for (const TextCase& c : TEXTS) {
        SCOPED_TRACE(c.name);
        ScreenSession s(24, 80);
        s.setEnv("LC_ALL", "C.UTF-8");
        ASSERT_TRUE(s.start({scenarioPath("text_gadgets"), c.bytes}));
        ASSERT_TRUE(s.waitForResult("step") && s.waitQuiet()) << s.dump();
        checkGadgets(s, c);
        s.sendText(" ");
        ASSERT_TRUE(s.waitForText(" OK ") && s.waitQuiet()) << s.dump();
        int width = c.cols + 4 > 8 ? c.cols + 4 : 8;
        expectFramed(s, 9, (80 - width) / 2, width, "message box");
        s.enter();
        EXPECT_EQ(0, s.waitExit()) << s.dump();
        EXPECT_EQ(std::string::npos, s.output().find("\x1b[2Jd"));
    }
}

namespace {

const int NAME_ROW = 3, PASS_ROW = 5, COL = 12, W = 12;

struct EditCase {
    const char* name;
    std::vector<std::string> keys;       // typed text, or "<", ">", "home", "end", "bs", "del", "tab", "wait"
    int row;
    std::string field;                   // the 12 cells of the field
    int col;                             // the cursor's column in the field
    std::string text;                    // what the editor holds at the end
};

void press(ScreenSession& s, const std::string& key)
{
    const std::pair<const char*, VTermKey> named[] = {{"<", VTERM_KEY_LEFT}, {">", VTERM_KEY_RIGHT},
        {"home", VTERM_KEY_HOME}, {"end", VTERM_KEY_END}, {"bs", VTERM_KEY_BACKSPACE},
        {"del", VTERM_KEY_DEL}, {"tab", VTERM_KEY_TAB}};
    for (const auto& n : named)
        if (key == n.first)
            return s.sendKey(n.second);
    if (key == "wait")
        s.waitSettled();                 // what came so far has been read
    else
        s.sendBytes(key);
}

}  // namespace

TEST(CurTextScreen, LineEditorEditsWholeCharactersCountingColumns)
{
    const std::vector<EditCase> cases = {
        {"accented", {"Grüße"}, NAME_ROW, "Grüße       ", 5, "Grüße"},
        {"backspace over wide", {"日本語", "bs"}, NAME_ROW, "日本        ", 4, "日本"},
        {"127 over wide", {"日本", "\x7f"}, NAME_ROW, "日          ", 2, "日"},
        {"delete over wide", {"日本語", "<", "<", "del"}, NAME_ROW, "日語        ", 2, "日語"},
        {"left and right", {"aé日", "<", "<", ">", "x"}, NAME_ROW, "aéx日       ", 3, "aéx日"},
        {"end", {"abc日", "home", "end", "z"}, NAME_ROW, "abc日z      ", 6, "abc日z"},
        {"combining", {"e\xcc\x81", "bs", "o"}, NAME_ROW, "o           ", 1, "o"},
        {"bad bytes", {"a\xff\xc3(\xa9" "b"}, NAME_ROW, "a" + BAD + BAD + "(" + BAD + "b      ", 6,
         "a" + BAD + BAD + "(" + BAD + "b"},
        {"split by a wait", {"a\xc3", "wait", "\xa9" "b"}, NAME_ROW, "aéb         ", 3, "aéb"},
        {"linux home and end", {"abc", "\x1b[1~", "z", "\x1b[4~", "y"}, NAME_ROW, "zabcy       ", 5, "zabcy"},
        {"unknown sequences", {"a\x1b[99~\x1b[1;5H\x1b[<0;3;4M", "\x1b[1", "wait", "~b"}, NAME_ROW,
         "a~b         ", 3, "a~b"},
        {"scrolls whole", {"日本語テキストです"}, NAME_ROW, "<キストです ", 11, "日本語テキストです"},
        {"scrolls back", {"日本語テキストです", "home"}, NAME_ROW, "日本語テキ >", 0, "日本語テキストです"},
        {"hidden", {"tab", "pässwörd日"}, PASS_ROW, "*********   ", 9, ""},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScreenSession s(24, 80);
        s.setEnv("LC_ALL", "C.UTF-8");
        ASSERT_TRUE(s.start({scenarioPath("lineedit_form")}));
        ASSERT_TRUE(s.waitForText("Pass:") && s.waitQuiet()) << s.dump();
        for (const std::string& key : c.keys)
            press(s, key);
        EXPECT_TRUE(s.waitFor([&] { return s.text(c.row, COL, W) == c.field && s.cursorRow() == c.row
                                           && s.cursorCol() == COL + c.col; })) << s.dump();
        if (c.row == PASS_ROW)
            s.backTab();
        s.tab(), s.tab(), s.tab(), s.enter();
        ASSERT_EQ(0, s.waitExit()) << s.dump();
        EXPECT_EQ(c.text, s.result("name"));
        if (c.row == PASS_ROW) {
            EXPECT_EQ("pässwörd日", s.result("pass"));
        }
    }
}

// One set of lines for the whole session: Unicode in a UTF-8 locale, the
// terminal's line characters elsewhere, ASCII on a terminal whose
// description has none; VELMORA_LINES forces each (Unicode only in UTF-8).
TEST(CurTextScreen, BoxLinesAreDrawnInTheSetTheSessionChose)
{
    enum { UNICODE, ACS, ASCII };
    const struct {
        const char* locale;
        const char* term;
        const char* lines;
        int set;
    } cases[] = {
        {"C.UTF-8", "xterm-256color", nullptr, UNICODE}, {"C.UTF-8", "screen", nullptr, UNICODE},
        {"C.UTF-8", "linux", nullptr, UNICODE},          {"C.UTF-8", "vt100", nullptr, UNICODE},
        {"C", "xterm-256color", nullptr, ACS},           {"C", "screen", nullptr, ACS},
        {"C", "linux", nullptr, ACS},                    {"C", "vt100", nullptr, ACS},
        {"C", "ansi-generic", nullptr, ASCII},           {"C.UTF-8", "xterm-256color", "ascii", ASCII},
        {"C.UTF-8", "xterm-256color", "acs", ACS},       {"C", "xterm-256color", "unicode", ACS},
        {"C", "ansi-generic", "acs", ASCII},             {"C", "xterm-256color", "bogus", ACS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.term + " " + (c.lines ? c.lines : "-"));
        ScreenSession s(24, 80);
        s.setTerm(c.term);
        s.setEnv("LC_ALL", c.locale);
        s.setEnv("VELMORA_LINES", c.lines ? c.lines : "");      // empty: not set
        ASSERT_TRUE(s.start({scenarioPath("text_gadgets"), "x"}));
        ASSERT_TRUE(s.waitForResult("step") && s.waitQuiet()) << s.dump();
        if (c.set == ASCII) {
            EXPECT_TRUE(s.cell(4, 2).is('+') && s.cell(4, 3).is('-')) << s.dump();
        } else {
            EXPECT_TRUE(s.cell(4, 2).isUpperLeft() && s.cell(4, 3).isHLine()) << s.dump();
        }
        EXPECT_EQ(c.set == UNICODE, s.output().find("\xe2\x94\x8c") != std::string::npos);
        s.sendText(" ");
        ASSERT_TRUE(s.waitForText(" OK ")) << s.dump();
        s.enter();
        EXPECT_EQ(0, s.waitExit()) << s.dump();
    }
}
