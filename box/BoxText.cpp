// BoxText.cpp - the box program's text rules (box/): how a script's text
// becomes the lines a box shows, before the library wraps them.
#include "Box.h"

// Blanks before a line break go, so that the break is kept where the
// library's wrapping would take it for the white space around a word.
static void endLine(std::string* out)
{
    while (!out->empty() && (out->back() == ' ' || out->back() == '\t'))
        out->pop_back();
    *out += '\n';
}

std::string boxText(const BoxOptions& o, const char* text)
{
    std::string out;
    for (const char* p = text != nullptr ? text : ""; *p != '\0'; p++) {
        if (o.colors && p[0] == '\\' && p[1] == 'Z' && p[2] != '\0') {
            p += 2;                      // an attribute sequence: shown as plain text
        } else if (p[0] == '\\' && p[1] == 'n' && !o.noNlExpand) {
            endLine(&out);
            p++;
        } else if (*p == '\n') {
            if (o.crWrap)
                endLine(&out);
            else
                out += ' ';
        } else {
            out += *p;
        }
    }
    return out;
}
