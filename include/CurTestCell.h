#ifndef VELMORA_CURTESTCELL_H
#define VELMORA_CURTESTCELL_H
// CurTestCell: one character cell of the test kit's emulated screen, as
// plain values: the character, its attributes and its colours.
#include <cstdint>

class CurTestCell {
public:
    // fg/bg besides palette indexes: the terminal's default colour, a direct colour
    enum COLOUR : int { DEFAULT = -1, RGB = -2 };

    CurTestCell();                       // a blank cell in default colours

    // what a cell holds
    uint32_t ch;                         // first code point; blank cells ' ', 0 for the right half of a wide character
    char     text[32];                   // the cell as UTF-8, combining characters included
    bool     bold, underline, reverse, blink, italic;
    int      fg, bg;                     // palette index 0..255, DEFAULT or RGB
};
#endif
