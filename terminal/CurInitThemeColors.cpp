// CurInitThemeColors.cpp - the colour text of VELMORA_COLORS (terminal/),
// and of NEWT_COLORS as whiptail reads it for the box program: entries of
// element names, colours and flags read into the theme, whatever the bytes.
#include "CurInit.h"
#include "CurThemes.h"

#include <curses.h>
#include <string_view>

// Equal when they differ only in case, '-' and '_'.
static bool sameName(std::string_view a, const char* b)
{
    size_t i = 0;
    for (char c : a) {
        if (c == '-' || c == '_')
            continue;
        while (b[i] == '-' || b[i] == '_')
            i++;
        char d = b[i];
        if (d == '\0' || (c | 0x20) != d)
            return false;
        i++;
    }
    while (b[i] == '-' || b[i] == '_')
        i++;
    return b[i] == '\0';
}

struct NamedValue {
    const char* name;
    int         value;
};

static const NamedValue COLOURS[] = {
    {"default", -1}, {"black", 0}, {"red", 1}, {"green", 2}, {"yellow", 3},
    {"blue", 4}, {"magenta", 5}, {"cyan", 6}, {"white", 7}, {"gray", 8}, {"grey", 8},
    {"brightblack", 8}, {"brightred", 9}, {"brightgreen", 10}, {"brightyellow", 11},
    {"brightblue", 12}, {"brightmagenta", 13}, {"brightcyan", 14}, {"brightwhite", 15},
};

// Colour names as whiptail reads them in NEWT_COLORS, where yellow and white
// are the bright ones.
static const NamedValue WHIPTAIL_COLOURS[] = {
    {"default", -1}, {"black", 0}, {"red", 1}, {"green", 2}, {"brown", 3},
    {"blue", 4}, {"magenta", 5}, {"cyan", 6}, {"lightgray", 7}, {"gray", 8},
    {"brightred", 9}, {"brightgreen", 10}, {"yellow", 11}, {"brightblue", 12},
    {"brightmagenta", 13}, {"brightcyan", 14}, {"white", 15},
};

static const NamedValue FLAGS[] = {
    {"bold", A_BOLD}, {"reverse", A_REVERSE}, {"underline", A_UNDERLINE},
    {"dim", A_DIM}, {"blink", A_BLINK},
};

// NEWT_COLORS's element names, as whiptail reads them, with a counterpart
// here; the others are skipped.
struct WhiptailName {
    const char*            name;
    CurInit::THEME_ELEMENT elements[2];
    int                    count;
};
static const WhiptailName WHIPTAIL_NAMES[] = {
    {"root", {CurInit::THEME_SCREEN}, 1},
    {"roottext", {CurInit::THEME_BANNER}, 1},
    {"window", {CurInit::THEME_WINDOW, CurInit::THEME_DIALOG}, 2},
    {"border", {CurInit::THEME_FRAME}, 1},
    {"title", {CurInit::THEME_TITLE}, 1},
    {"button", {CurInit::THEME_BUTTON}, 1},
    {"actbutton", {CurInit::THEME_BUTTON_FOCUSED}, 1},
    {"checkbox", {CurInit::THEME_CHECK_BOX}, 1},
    {"actcheckbox", {CurInit::THEME_CHECK_BOX_FOCUSED}, 1},
    {"entry", {CurInit::THEME_LINE_EDIT, CurInit::THEME_LINE_EDIT_FOCUSED}, 2},
    {"disentry", {CurInit::THEME_DISABLED}, 1},
    {"label", {CurInit::THEME_LABEL}, 1},
    {"listbox", {CurInit::THEME_LIST}, 1},
    {"actlistbox", {CurInit::THEME_LIST_FOCUSED}, 1},
    {"sellistbox", {CurInit::THEME_CURRENT_LINE}, 1},
    {"actsellistbox", {CurInit::THEME_CURRENT_LINE_FOCUSED}, 1},
    {"textbox", {CurInit::THEME_VIEWER}, 1},
    {"acttextbox", {CurInit::THEME_SCROLL_BAR}, 1},
    {"emptyscale", {CurInit::THEME_GAUGE}, 1},
    {"fullscale", {CurInit::THEME_GAUGE_FILL}, 1},
};

static std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A colour number 0 to 255, also written "colorN"; -1 for none.
static int colourNumber(std::string_view s)
{
    if (s.size() > 5 && sameName(s.substr(0, 5), "color"))
        s.remove_prefix(5);
    if (s.empty() || s.size() > 3)
        return -1;
    int n = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n <= 255 ? n : -1;
}

static bool lookUp(std::string_view s, const NamedValue* list, size_t count, int* value)
{
    for (size_t i = 0; i < count; i++)
        if (sameName(s, list[i].name)) {
            *value = list[i].value;
            return true;
        }
    return false;
}

// An element's wish: foreground and background (-1 the terminal's own)
// and attribute bits.
struct Wish {
    short fg;
    short bg;
    int   flags;
};

// The fields after '=': the first two that are not flags are the
// foreground and the background (empty: the terminal's own), the flags
// anywhere. False for a field that is neither, or when every field is empty.
static bool readValue(std::string_view value, bool whiptail, Wish* wish)
{
    *wish = Wish{-1, -1, 0};
    int colours = 0;
    bool any = false;
    while (true) {
        size_t comma = value.find(',');
        std::string_view field = trim(value.substr(0, comma));
        int n;
        if (!field.empty())
            any = true;
        if (!field.empty() && lookUp(field, FLAGS, sizeof FLAGS / sizeof FLAGS[0], &n)) {
            wish->flags |= n;
        } else if (colours < 2) {
            if (field.empty())
                n = -1;
            else if (!(whiptail ? lookUp(field, WHIPTAIL_COLOURS, sizeof WHIPTAIL_COLOURS / sizeof WHIPTAIL_COLOURS[0], &n)
                            : lookUp(field, COLOURS, sizeof COLOURS / sizeof COLOURS[0], &n))
                     && (n = colourNumber(field)) < 0) {
                CurThemes::reportTheme("colour", field);
                return false;
            }
            (colours++ == 0 ? wish->fg : wish->bg) = (short)n;
        } else if (!field.empty()) {
            CurThemes::reportTheme("colour", field);
            return false;
        }
        if (comma == std::string_view::npos)
            break;
        value.remove_prefix(comma + 1);
    }
    return any;
}

// The elements a name stands for: at most two; 0 for an unknown name.
static int elementsOf(std::string_view name, bool whiptail, CurInit::THEME_ELEMENT out[2])
{
    if (whiptail) {
        for (const WhiptailName& n : WHIPTAIL_NAMES)
            if (sameName(name, n.name)) {
                out[0] = n.elements[0];
                out[1] = n.elements[1];
                return n.count;
            }
        return 0;
    }
    for (int e = 0; e < CurInit::THEME_ELEMENTS; e++)
        if (sameName(name, CurInit::themeElementName((CurInit::THEME_ELEMENT)e))) {
            out[0] = (CurInit::THEME_ELEMENT)e;
            return 1;
        }
    return 0;
}

// One "name=value" entry; the number of elements it set.
static int readEntry(std::string_view entry, bool whiptail)
{
    entry = trim(entry);
    if (entry.empty())
        return 0;
    size_t eq = entry.find('=');
    CurInit::THEME_ELEMENT elements[2];
    int count = eq == std::string_view::npos ? 0 : elementsOf(trim(entry.substr(0, eq)), whiptail, elements);
    if (count == 0) {
        CurThemes::reportTheme("colour element", eq == std::string_view::npos ? entry : trim(entry.substr(0, eq)));
        return 0;
    }
    Wish wish;
    if (!readValue(entry.substr(eq + 1), whiptail, &wish))
        return 0;
    for (int i = 0; i < count; i++)
        CurThemes::wishTheme(elements[i], wish.fg, wish.bg, wish.flags);
    return count;
}

int CurInit::setThemeColors(const char* text, bool whiptailNames)
{
    if (text == nullptr)
        return 0;
    std::string_view rest(text);
    int set = 0;
    while (!rest.empty()) {
        size_t end = rest.find_first_of(":;\n");
        set += readEntry(rest.substr(0, end), whiptailNames);
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    return set;
}
