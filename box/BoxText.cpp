// BoxText.cpp - the box program's text rules (box/): how a script's text
// becomes the lines a box shows, before the library wraps them.
#include "Box.h"

std::string boxText(const BoxOptions& o, const char* text)
{
    std::string out;
    for (const char* p = text != nullptr ? text : ""; *p != '\0'; p++) {
        if (p[0] == '\\' && p[1] == 'n' && !o.noNlExpand) {
            out += '\n';
            p++;
        } else {
            out += *p;
        }
    }
    return out;
}
