#ifndef VELMORA_CURTHEMES_H
#define VELMORA_CURTHEMES_H
// CurThemes: the theme table's steps of the session and the colour text
// (internal, not installed; CurInitTheme.cpp, CurInitThemeColors.cpp).
#include "CurInit.h"

#include <string_view>

class __attribute__((visibility("hidden"))) CurThemes {
public:
    static void readTheme();              // VELMORA_THEME and VELMORA_COLORS, before the terminal is taken
    static void flushThemeMessages();     // what they could not use, once the terminal is given back
    static void takeTheme();              // once colours are known: the theme's attributes and pairs
    static void dropTheme();              // the default theme again
    // An element's colours (-1: the terminal's own) and bits as the colour
    // text names them (CurInitThemeColors.cpp), and what it could not use.
    static void wishTheme(CurInit::THEME_ELEMENT element, short fg, short bg, int flags);
    static void reportTheme(const char* what, std::string_view text);
};
#endif
