// CurInitTheme.cpp - the toolkit's themes (terminal/): the table of default
// attributes by element, the built-in themes and their shapes, the colour pairs they take
// and the session's theme steps. The colour text of VELMORA_COLORS is read in
// CurInitThemeColors.cpp.
#include "CurScreenOwner.h"
#include "CurInit.h"
#include "CurThemes.h"
#include "CurText.h"

#include <curses.h>
#include <term.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

// The default theme: what each part of the toolkit drew before themes.
static const int DEFAULTS[] = {
    0, 0, 0, 0, 0,                              // screen, window, frame, title, label
    A_REVERSE, A_REVERSE | A_BOLD,              // button, focused
    0, A_REVERSE,                               // check box, focused
    0, 0,                                       // list, focused
    A_UNDERLINE, A_REVERSE,                     // current line, focused
    0, 0,                                       // marked line, scroll bar
    A_UNDERLINE, A_REVERSE,                     // line editor, focused
    0, 0, 0, 0, 0, 0,                           // text editor, dialog, banner, note, log, error
    0, A_REVERSE,                               // gauge, its filled part
    0, A_REVERSE,                               // viewer, search match
    A_BOLD,                                     // calendar heading
    A_REVERSE, A_BOLD,                          // menu bar, open title
    0, A_REVERSE,                               // menu, current item
    A_UNDERLINE, A_DIM,                         // hot key, disabled item
};
static_assert(sizeof DEFAULTS / sizeof DEFAULTS[0] == CurInit::THEME_ELEMENTS, "one per element");

// Names as VELMORA_COLORS writes them; matching ignores case, '-' and '_'.
static const char* const NAMES[] = {
    "screen", "window", "frame", "title", "label",
    "button", "button-focused", "check-box", "check-box-focused",
    "list", "list-focused", "current-line", "current-line-focused",
    "marked-line", "scroll-bar", "line-edit", "line-edit-focused", "text-edit",
    "dialog", "banner", "note", "log", "error", "gauge", "gauge-fill",
    "viewer", "match", "calendar-heading",
    "menu-bar", "menu-bar-focused", "menu", "menu-focused", "hot-key", "disabled",
};
static_assert(sizeof NAMES / sizeof NAMES[0] == CurInit::THEME_ELEMENTS, "one per element");

// An element's wish in colours: foreground and background (-1 the
// terminal's own) and attribute bits. Turned into an attribute once the
// terminal's colours are known.
struct Want {
    bool  set;
    short fg;
    short bg;
    int   flags;
};

static int  table[CurInit::THEME_ELEMENTS] = {};
static Want wants[CurInit::THEME_ELEMENTS] = {};
static bool tableReady = false;       // table holds DEFAULTS or later values
static bool resolved = false;         // the session's colours are known: wants become attributes
static int  screenAttr = 0;           // the standard screen's background as last set
static const char* themeName = "default"; // the built-in theme last chosen

// The classic theme: white on blue, grey dialogs, red for what has the focus.
static const short K = COLOR_BLACK, R = COLOR_RED, B = COLOR_BLUE, C = COLOR_CYAN,
                   W = COLOR_WHITE, Y = COLOR_YELLOW, D = -1, BRIGHT = 8;
struct ThemeEntry {
    CurInit::THEME_ELEMENT element;
    short fg, bg;
    int   flags;
};
static const ThemeEntry CLASSIC[] = {
    {CurInit::THEME_SCREEN, W, B, 0},
    {CurInit::THEME_WINDOW, K, W, 0},
    {CurInit::THEME_TITLE, B, W, A_BOLD},
    {CurInit::THEME_BUTTON, W, B, 0},
    {CurInit::THEME_BUTTON_FOCUSED, W + BRIGHT, R, A_BOLD},
    {CurInit::THEME_CHECK_BOX_FOCUSED, W + BRIGHT, B, A_BOLD},
    {CurInit::THEME_LIST, K, W, 0},
    {CurInit::THEME_LIST_FOCUSED, K, W, 0},
    {CurInit::THEME_CURRENT_LINE, K, C, 0},
    {CurInit::THEME_CURRENT_LINE_FOCUSED, W + BRIGHT, R, A_BOLD},
    {CurInit::THEME_MARKED_LINE, Y + BRIGHT, B, A_BOLD},
    {CurInit::THEME_LINE_EDIT, K, C, 0},
    {CurInit::THEME_LINE_EDIT_FOCUSED, W + BRIGHT, B, A_BOLD},
    {CurInit::THEME_TEXT_EDIT, K, C, 0},
    {CurInit::THEME_DIALOG, K, W, 0},
    {CurInit::THEME_BANNER, W + BRIGHT, B, A_BOLD},
    {CurInit::THEME_NOTE, K, W, 0},
    {CurInit::THEME_LOG, K, W, 0},
    {CurInit::THEME_ERROR, R, W, A_BOLD},
    {CurInit::THEME_GAUGE, K, W, 0},
    {CurInit::THEME_GAUGE_FILL, W + BRIGHT, B, A_BOLD},
    {CurInit::THEME_MATCH, W + BRIGHT, R, 0},
    {CurInit::THEME_CALENDAR_HEADING, B, W, A_BOLD},
    {CurInit::THEME_MENU_BAR, K, W, 0},
    {CurInit::THEME_MENU_BAR_FOCUSED, W + BRIGHT, R, A_BOLD},
    {CurInit::THEME_MENU, K, W, 0},
    {CurInit::THEME_MENU_FOCUSED, W + BRIGHT, B, A_BOLD},
    {CurInit::THEME_HOT_KEY, D, D, A_UNDERLINE},
};

// whiptail's look: grey boxes on blue, red for what has the focus, blue
// for the current row of a list and for entry fields.
static const ThemeEntry WHIPTAIL[] = {
    {CurInit::THEME_SCREEN, W + BRIGHT, B, 0},
    {CurInit::THEME_WINDOW, K, W, 0},
    {CurInit::THEME_FRAME, K, W, 0},
    {CurInit::THEME_TITLE, R, W, 0},
    {CurInit::THEME_BUTTON, K, W, 0},
    {CurInit::THEME_BUTTON_FOCUSED, W, R, 0},
    {CurInit::THEME_CHECK_BOX, K, W, 0},
    {CurInit::THEME_CHECK_BOX_FOCUSED, W, R, 0},
    {CurInit::THEME_LIST, K, W, 0},
    {CurInit::THEME_LIST_FOCUSED, K, W, 0},
    {CurInit::THEME_CURRENT_LINE, W, B, 0},
    {CurInit::THEME_CURRENT_LINE_FOCUSED, W, R, 0},
    {CurInit::THEME_MARKED_LINE, D, D, 0},
    {CurInit::THEME_SCROLL_BAR, K, W, 0},
    {CurInit::THEME_LINE_EDIT, W, B, 0},
    {CurInit::THEME_LINE_EDIT_FOCUSED, W, B, 0},
    {CurInit::THEME_TEXT_EDIT, W, B, 0},
    {CurInit::THEME_DIALOG, K, W, 0},
    {CurInit::THEME_BANNER, W, B, 0},
    {CurInit::THEME_NOTE, K, W, 0},
    {CurInit::THEME_LOG, K, W, 0},
    {CurInit::THEME_ERROR, R, W, A_BOLD},
    {CurInit::THEME_GAUGE, K, W, 0},
    {CurInit::THEME_GAUGE_FILL, W, R, 0},
    {CurInit::THEME_VIEWER, K, W, 0},
    {CurInit::THEME_MATCH, W, R, 0},
    {CurInit::THEME_CALENDAR_HEADING, R, W, 0},
    {CurInit::THEME_MENU_BAR, K, W, 0},
    {CurInit::THEME_MENU_BAR_FOCUSED, W, R, 0},
    {CurInit::THEME_MENU, K, W, 0},
    {CurInit::THEME_MENU_FOCUSED, W, R, 0},
    {CurInit::THEME_HOT_KEY, D, D, A_UNDERLINE},
};

// dialog's look: bold cyan on blue around white boxes, blue titles, white
// on blue for the focused button and the current row.
static const ThemeEntry DIALOG[] = {
    {CurInit::THEME_SCREEN, C, B, A_BOLD},
    {CurInit::THEME_WINDOW, K, W, 0},
    {CurInit::THEME_FRAME, K, W, 0},
    {CurInit::THEME_TITLE, B, W, A_BOLD},
    {CurInit::THEME_BUTTON, K, W, A_BOLD},
    {CurInit::THEME_BUTTON_FOCUSED, W + BRIGHT, B, A_BOLD},
    {CurInit::THEME_CHECK_BOX, K, W, 0},
    {CurInit::THEME_CHECK_BOX_FOCUSED, W + BRIGHT, B, A_BOLD},
    {CurInit::THEME_LIST, K, W, 0},
    {CurInit::THEME_LIST_FOCUSED, K, W, 0},
    {CurInit::THEME_CURRENT_LINE, W + BRIGHT, B, A_BOLD},
    {CurInit::THEME_CURRENT_LINE_FOCUSED, W + BRIGHT, B, A_BOLD},
    {CurInit::THEME_MARKED_LINE, D, D, 0},
    {CurInit::THEME_SCROLL_BAR, K, W, 0},
    {CurInit::THEME_LINE_EDIT, K, W, A_UNDERLINE},
    {CurInit::THEME_LINE_EDIT_FOCUSED, K, W, A_UNDERLINE},
    {CurInit::THEME_TEXT_EDIT, K, W, 0},
    {CurInit::THEME_DIALOG, K, W, 0},
    {CurInit::THEME_BANNER, C, B, A_BOLD},
    {CurInit::THEME_NOTE, K, W, 0},
    {CurInit::THEME_LOG, K, W, 0},
    {CurInit::THEME_ERROR, R, W, A_BOLD},
    {CurInit::THEME_GAUGE, B, W, A_BOLD},
    {CurInit::THEME_GAUGE_FILL, W + BRIGHT, B, A_BOLD},
    {CurInit::THEME_VIEWER, K, W, 0},
    {CurInit::THEME_MATCH, W + BRIGHT, B, A_BOLD},
    {CurInit::THEME_CALENDAR_HEADING, B, W, A_BOLD},
    {CurInit::THEME_MENU_BAR, K, W, 0},
    {CurInit::THEME_MENU_BAR_FOCUSED, W + BRIGHT, B, A_BOLD},
    {CurInit::THEME_MENU, K, W, 0},
    {CurInit::THEME_MENU_FOCUSED, W + BRIGHT, B, A_BOLD},
    {CurInit::THEME_HOT_KEY, R, W, 0},
};

// The built-in themes by name, with their shapes.
static CurInit::ThemeShapes shapesOf(bool brackets, bool hug, bool tees)
{
    CurInit::ThemeShapes s;
    if (brackets) {
        s.buttonLeft = "<";
        s.buttonRight = ">";
        s.buttonHug = hug;
        s.buttonColumns = hug ? 0 : 6;
        s.checkOn = "[*]";
        s.checkOff = "[ ]";
        s.radioOn = "(*)";
        s.radioOff = "( )";
    }
    s.titleTees = tees;
    s.buttonRule = !tees;
    return s;
}
struct BuiltIn {
    const char*       name;
    const ThemeEntry* entries;
    size_t            count;
    CurInit::ThemeShapes shapes;
};
static const BuiltIn BUILT_IN[] = {
    {"default", nullptr, 0, shapesOf(false, false, false)},
    {"classic", CLASSIC, sizeof CLASSIC / sizeof CLASSIC[0], shapesOf(false, false, false)},
    {"whiptail", WHIPTAIL, sizeof WHIPTAIL / sizeof WHIPTAIL[0], shapesOf(true, true, true)},
    {"dialog", DIALOG, sizeof DIALOG / sizeof DIALOG[0], shapesOf(true, false, false)},
};
static CurInit::ThemeShapes shapes;

static bool validElement(int element)
{
    return element >= 0 && element < CurInit::THEME_ELEMENTS;
}

static void ensureTable()
{
    if (tableReady)
        return;
    memcpy(table, DEFAULTS, sizeof table);
    tableReady = true;
}

// Messages about what the colour text could not use: only with
// VELMORA_DEBUG set and not empty, a few per session with a count of the
// rest, held while curses has the screen and written when it gives it back.
static const int MESSAGE_LIMIT = 8;
static int         messageCount = 0;
static std::string heldMessages;

static void report(const char* what, std::string_view text)
{
    const char* debug = getenv("VELMORA_DEBUG");
    if (debug == nullptr || debug[0] == '\0')
        return;
    if (++messageCount > MESSAGE_LIMIT)
        return;
    char shown[3 * 64 + 1];
    int len = (int)(text.size() < 64 ? text.size() : 64);
    CurText::visible(text.data(), len, shown, (int)sizeof shown);
    std::string line = std::string("velmora: ") + what + " \"" + shown + "\" ignored\n";
    if (resolved)
        heldMessages += line;
    else
        fputs(line.c_str(), stderr);
}

static void flushMessages()
{
    if (messageCount > MESSAGE_LIMIT)
        heldMessages += "velmora: " + std::to_string(messageCount - MESSAGE_LIMIT) +
                        " more colour messages\n";
    if (!heldMessages.empty())
        fputs(heldMessages.c_str(), stderr);
    heldMessages.clear();
    messageCount = 0;
}

// Pairs the themes took, shared among their elements (never with the
// program's own) and kept for the session: switching themes back and forth
// takes no more. Held to a number that leaves the program its pairs.
static const int PAIR_LIMIT = 48;
struct TakenPair {
    short fg, bg;
    int   pair;
};
static TakenPair taken[PAIR_LIMIT];
static int       takenCount = 0;

// Whether the terminal can go back to its own colours (curses then lets -1
// stand for them), as it says by a string that does it.
static bool hasDefaultColours()
{
    const char* names[] = {"op", "oc"};
    for (const char* name : names) {
        const char* value = tigetstr(name);
        if (value != nullptr && value != (char*)-1)
            return true;
    }
    return false;
}

// A colour the terminal can show: the bright eight (8 to 15) on a terminal
// of eight colours become their plain ones, in bold for a foreground; the
// terminal's own colours, where it cannot go back to them, white on black.
static bool fitColour(short* colour, int* flags, bool foreground)
{
    if (*colour < 0 && !hasDefaultColours())
        *colour = foreground ? COLOR_WHITE : COLOR_BLACK;
    if (*colour < 0 || *colour < COLORS)
        return true;
    if (*colour < 16 && COLORS >= 8) {
        *colour = (short)(*colour - 8);
        if (foreground)
            *flags |= A_BOLD;
        return true;
    }
    return false;
}

// The pair for fg on bg: 0 for the terminal's own two colours, -1 when
// none can be had (no colours shown, a colour the terminal lacks, no pair
// left).
static int pairFor(short fg, short bg, int* flags)
{
    if (CurInit::pairToAttr(1) == 0)
        return -1;                      // no colours, or NO_COLOR
    if (fg < 0 && bg < 0)
        return 0;
    if (!fitColour(&fg, flags, true) || !fitColour(&bg, flags, false))
        return -1;
    for (int i = 0; i < takenCount; i++)
        if (taken[i].fg == fg && taken[i].bg == bg)
            return taken[i].pair;
    if (takenCount == PAIR_LIMIT)
        return -1;
    int pair = CurInit::addColorPair(fg, bg);
    if (pair <= 0)
        return -1;
    taken[takenCount++] = TakenPair{fg, bg, pair};
    return pair;
}

// What cannot have its colours keeps the default theme's attribute, so
// that focus and highlights still show, with the element's own bits.
static void resolve(int element)
{
    const Want& s = wants[element];
    if (!s.set || !resolved)
        return;
    int flags = s.flags;
    int pair = pairFor(s.fg, s.bg, &flags);
    table[element] = pair < 0 ? DEFAULTS[element] | s.flags : CurInit::pairToAttr(pair) | flags;
}

// The standard screen gets its background only when it changes, so that a
// program without a theme sends what it always sent.
static void applyScreen()
{
    if (resolved && CurScreenOwner::owner != nullptr)
        CurScreenOwner::owner->retheme();
    if (!resolved || table[CurInit::THEME_SCREEN] == screenAttr)
        return;
    screenAttr = table[CurInit::THEME_SCREEN];
    wbkgd(stdscr, (chtype)screenAttr | ' ');
}

static void resolveAll()
{
    if (!resolved)
        return;
    for (int e = 0; e < CurInit::THEME_ELEMENTS; e++)
        resolve(e);
    applyScreen();
}

void CurInit::setThemeAttr(THEME_ELEMENT element, int attr)
{
    if (!validElement(element))
        return;
    ensureTable();
    table[element] = attr;
    wants[element].set = false;
    applyScreen();
}

int CurInit::getThemeAttr(THEME_ELEMENT element)
{
    if (!validElement(element))
        return 0;
    return tableReady ? table[element] : DEFAULTS[element];
}

const char* CurInit::themeElementName(THEME_ELEMENT element)
{
    return validElement(element) ? NAMES[element] : nullptr;
}

int CurInit::mixAttr(int under, int over)
{
    int colour = (over & A_COLOR) != 0 ? over & A_COLOR : under & A_COLOR;
    return ((under | over) & ~A_COLOR) | colour;
}

bool CurInit::setTheme(const char* name)
{
    if (name == nullptr)
        return false;
    const BuiltIn* theme = nullptr;
    for (const BuiltIn& t : BUILT_IN)
        if (strcmp(name, t.name) == 0)
            theme = &t;
    if (theme == nullptr)
        return false;
    memcpy(table, DEFAULTS, sizeof table);
    tableReady = true;
    for (Want& s : wants)
        s.set = false;
    for (size_t i = 0; i < theme->count; i++) {
        const ThemeEntry& e = theme->entries[i];
        wants[e.element] = Want{true, e.fg, e.bg, e.flags};
    }
    shapes = theme->shapes;
    themeName = theme->name;
    resolveAll();
    return true;
}

const CurInit::ThemeShapes& CurInit::getThemeShapes()
{
    return shapes;
}

void CurInit::setThemeShapes(const ThemeShapes& chosen)
{
    shapes = chosen;
}

const char* CurInit::getTheme()
{
    return themeName;
}

// One element's colours and bits from the colour text (CurInitThemeColors.cpp).
void CurThemes::wishTheme(CurInit::THEME_ELEMENT element, short fg, short bg, int flags)
{
    if (!validElement(element))
        return;
    ensureTable();
    wants[element] = Want{true, fg, bg, flags};
    resolve(element);
    applyScreen();
}

void CurThemes::reportTheme(const char* what, std::string_view text)
{
    report(what, text);
}

// ---- the session's steps ----

// Before the terminal is taken, so that a message reaches standard error
// while it is still the user's: the named theme, then single elements.
void CurThemes::readTheme()
{
    const char* name = getenv("VELMORA_THEME");
    if (name != nullptr && name[0] != '\0' && !CurInit::setTheme(name))
        report("theme", name);
    const char* colours = getenv("VELMORA_COLORS");
    if (colours != nullptr)
        CurInit::setThemeColors(colours);
}

// Once colours are started: the wishes become attributes.
void CurThemes::takeTheme()
{
    resolved = true;
    resolveAll();
    if (screenAttr != 0)
        wrefresh(stdscr);               // the screen in the theme's background from the start
}

// The pairs go with the colour table: every element is the default's again.
void CurThemes::dropTheme()
{
    if (screenAttr != 0)
        wbkgd(stdscr, ' ');             // sends nothing: curses ends next
    resolved = false;
    tableReady = false;
    screenAttr = 0;
    takenCount = 0;
    for (Want& s : wants)
        s.set = false;
    shapes = CurInit::ThemeShapes();
}

void CurThemes::flushThemeMessages()
{
    flushMessages();
}
