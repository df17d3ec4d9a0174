// CurInitThemeTest.cpp - themes on a real curses screen: the colour text read
// into elements, the built-in themes falling back to attributes when the
// colour pairs run out, and a program's own attributes over the theme's.
#include <CurButton.h>
#include <CurInit.h>
#include <CurWindow.h>

#include "CursesTest.h"

namespace {

const short NO_PAIR = -9;

// An element's colours as its attribute's pair says, and the other bits.
void expectElement(CurInit::THEME_ELEMENT element, short fg, short bg, int bits)
{
    int attr = CurInit::getThemeAttr(element);
    EXPECT_EQ(bits, attr & ~(int)A_COLOR) << CurInit::themeElementName(element);
    if (fg == NO_PAIR) {
        EXPECT_EQ(0, PAIR_NUMBER(attr)) << CurInit::themeElementName(element);
        return;
    }
    short f = 0, b = 0;
    ASSERT_NE(0, PAIR_NUMBER(attr)) << CurInit::themeElementName(element);
    pair_content((short)PAIR_NUMBER(attr), &f, &b);
    EXPECT_EQ(fg, f) << CurInit::themeElementName(element);
    EXPECT_EQ(bg, b) << CurInit::themeElementName(element);
}

}  // namespace

// xterm: eight colours, 64 pairs. Each text is read over the default theme.
TEST_F(CursesTest, ColourTextSetsTheElementsItNamesAndSkipsWhatItCannotUse)
{
    using C = CurInit;
    struct Case {
        const char*            text;
        bool                   whiptail;
        int                    set;      // elements set
        CurInit::THEME_ELEMENT element;  // then holds
        short                  fg, bg;   // NO_PAIR: no colour
        int                    bits;
    } cases[] = {
        {"title=yellow,blue,bold", false, 1, C::THEME_TITLE, 3, 4, A_BOLD},
        {" Title = Yellow , BLUE \n", false, 1, C::THEME_TITLE, 3, 4, 0},
        {"current_line=red;currentline=green", false, 2, C::THEME_CURRENT_LINE, 2, -1, 0},
        {"label=,blue:frame=underline,1,2,bold", false, 2, C::THEME_FRAME, 1, 2, A_UNDERLINE | A_BOLD},
        {"button=reverse,bold", false, 1, C::THEME_BUTTON, NO_PAIR, 0, A_REVERSE | A_BOLD},
        {"button=default", false, 1, C::THEME_BUTTON, NO_PAIR, 0, 0},
        {"menu=brightred,color0", false, 1, C::THEME_MENU, 1, 0, A_BOLD},     // bright as bold
        {"match=200,3,underline", false, 1, C::THEME_MATCH, NO_PAIR, 0, A_REVERSE | A_UNDERLINE},
        {"nosuch=red:button=purple:button=red,blue,green:button=1,2,bolder:=red:button",
         false, 0, C::THEME_BUTTON, NO_PAIR, 0, A_REVERSE},
        {"button=:button=,,:button= , ;;::\n\n", false, 0, C::THEME_BUTTON, NO_PAIR, 0, A_REVERSE},
        {"button=256:button=1000000000000,1:button=-1", false, 0, C::THEME_BUTTON, NO_PAIR, 0, A_REVERSE},
        {"root=white,blue:actbutton=yellow,red", true, 2, C::THEME_BUTTON_FOCUSED, 3, 1, A_BOLD},
        {"window=black,lightgray:shadow=black,black:compactbutton=red,blue", true, 2,
         C::THEME_DIALOG, 0, 7, 0},
        {"title=brown,lightgray", false, 0, C::THEME_TITLE, NO_PAIR, 0, 0},   // whiptail's names only there
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(CurInit::setTheme("default"));
        EXPECT_EQ(c.set, CurInit::setThemeColors(c.text, c.whiptail));
        expectElement(c.element, c.fg, c.bg, c.bits);
    }
}

// Classic needs a few pairs, taken once however often it is chosen; with
// none left it falls back to the default's attributes with its own bits.
TEST_F(CursesTest, BuiltInThemesShareTheirPairsAndFallBackWhenNoneIsLeft)
{
    EXPECT_FALSE(CurInit::setTheme("Classic"));
    ASSERT_TRUE(CurInit::setTheme("classic"));
    EXPECT_STREQ("classic", CurInit::getTheme());
    expectElement(CurInit::THEME_SCREEN, 7, 4, 0);
    expectElement(CurInit::THEME_BUTTON_FOCUSED, 7, 1, A_BOLD);
    int next = CurInit::addColorPair(1, 2);
    ASSERT_TRUE(CurInit::setTheme("default"));
    EXPECT_STREQ("default", CurInit::getTheme());
    expectElement(CurInit::THEME_BUTTON_FOCUSED, NO_PAIR, 0, A_REVERSE | A_BOLD);
    ASSERT_TRUE(CurInit::setTheme("classic"));
    EXPECT_EQ(next + 1, CurInit::addColorPair(1, 2)) << "no new pairs the second time";

    CurInit::cleanup();                  // a fresh session: the theme is the default again
    CurInit::initialize();
    expectElement(CurInit::THEME_SCREEN, NO_PAIR, 0, 0);
    while (CurInit::addColorPair(1, 2) > 0) {
    }
    ASSERT_TRUE(CurInit::setTheme("classic"));
    expectElement(CurInit::THEME_SCREEN, NO_PAIR, 0, 0);
    expectElement(CurInit::THEME_BUTTON_FOCUSED, NO_PAIR, 0, A_REVERSE | A_BOLD);
    expectElement(CurInit::THEME_TITLE, NO_PAIR, 0, A_BOLD);
    expectElement(CurInit::THEME_LINE_EDIT, NO_PAIR, 0, A_UNDERLINE);
}

// The reference programs' themes bring their shapes; any other theme, and
// a new session, the toolkit's own.
TEST_F(CursesTest, ThemesBringTheirShapesAndASessionStartsWithoutThem)
{
    const struct { const char* name; const char* left; const char* radio; bool tees; } cases[] = {
        {"whiptail", "<", "(*)", true}, {"dialog", "<", "(*)", false}, {"classic", "", "*", false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(CurInit::setTheme(c.name));
        EXPECT_STREQ(c.left, CurInit::getThemeShapes().buttonLeft) << c.name;
        EXPECT_STREQ(c.radio, CurInit::getThemeShapes().radioOn) << c.name;
        EXPECT_EQ(c.tees, CurInit::getThemeShapes().titleTees) << c.name;
    }
    expectElement(CurInit::THEME_SCREEN, 7, 4, 0);
    ASSERT_TRUE(CurInit::setTheme("dialog"));
    CurInit::cleanup();
    CurInit::initialize();
    EXPECT_STREQ("", CurInit::getThemeShapes().buttonLeft);
    EXPECT_TRUE(CurInit::getThemeShapes().buttonRule);
}

TEST_F(CursesMonoTest, ClassicKeepsReverseBoldAndUnderlineWithoutColours)
{
    ASSERT_TRUE(CurInit::setTheme("classic"));
    expectElement(CurInit::THEME_SCREEN, NO_PAIR, 0, 0);
    expectElement(CurInit::THEME_BUTTON, NO_PAIR, 0, A_REVERSE);
    expectElement(CurInit::THEME_CURRENT_LINE_FOCUSED, NO_PAIR, 0, A_REVERSE | A_BOLD);
}

// A window made under a theme starts in its entry; what the program sets
// replaces it, and an element the program sets is kept when the colour
// text names others.
TEST_F(CursesTest, AProgramsOwnAttributesWinOverTheTheme)
{
    ASSERT_TRUE(CurInit::setTheme("classic"));
    CurWindow themed(3, 10, 0, 0), own(3, 10, 5, 0);
    EXPECT_EQ(CurInit::getThemeAttr(CurInit::THEME_WINDOW), (int)getattrs(themed.getWindow()));
    own.setAttributes(A_BOLD);
    EXPECT_EQ(A_BOLD, (int)getattrs(own.getWindow()));
    EXPECT_EQ(A_BOLD, (int)(getbkgd(own.getWindow()) & A_ATTRIBUTES));
    CurInit::setThemeAttr(CurInit::THEME_TITLE, A_UNDERLINE);
    CurInit::setThemeColors("button=red");
    EXPECT_EQ(A_UNDERLINE, CurInit::getThemeAttr(CurInit::THEME_TITLE));
    CurInit::setThemeAttr(CurInit::THEME_ELEMENTS, A_BOLD);   // ignored
    EXPECT_EQ(0, CurInit::getThemeAttr(CurInit::THEME_ELEMENTS));
}

// A theme switched while windows live: each window that took the theme takes
// the new one, with its frame and gadgets drawn in it; one given attributes
// by the program keeps them.
TEST_F(CursesTest, SwitchingTheThemeRecoloursWindowsMadeBefore)
{
    CurWindow themed(5, 20, 0, 0), own(5, 20, 6, 0);
    own.setAttributes(A_BOLD);
    themed.enableFrame(true);
    CurButton button(&themed);
    button.setGeometry(1, 6, 2, 2);
    ASSERT_TRUE(CurInit::setTheme("classic"));
    int window = CurInit::getThemeAttr(CurInit::THEME_WINDOW);
    EXPECT_NE(0, PAIR_NUMBER(window));
    EXPECT_EQ(PAIR_NUMBER(window), PAIR_NUMBER(getbkgd(themed.getWindow())));
    EXPECT_EQ(PAIR_NUMBER(CurInit::getThemeAttr(CurInit::THEME_BUTTON)), winPair(themed.getWindow(), 2, 4));
    int frame = CurInit::mixAttr(window, CurInit::getThemeAttr(CurInit::THEME_FRAME));
    EXPECT_EQ(PAIR_NUMBER(frame), winPair(themed.getWindow(), 0, 0));
    EXPECT_EQ(0, PAIR_NUMBER(getbkgd(own.getWindow())));
    EXPECT_TRUE(getbkgd(own.getWindow()) & A_BOLD);
    CurInit::setTheme("default");
}
