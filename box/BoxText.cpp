// BoxText.cpp - the box program's text rules (box/): how a script's text
// becomes the lines a box shows, before the library wraps them.
#include "Box.h"

#include <cerrno>
#include <cstring>

// Blanks before a line break go, so that the break is kept where the
// library's wrapping would take it for the white space around a word.
static void endLine(std::string* out)
{
    while (!out->empty() && (out->back() == ' ' || out->back() == '\t'))
        out->pop_back();
    *out += '\n';
}

// Columns since the line's start, a byte of a character of several counted
// once: where the next tab stop lies.
static int lineColumn(const std::string& out)
{
    int col = 0;
    for (size_t i = out.rfind('\n') == std::string::npos ? 0 : out.rfind('\n') + 1;
         i < out.size(); i++)
        if (((unsigned char)out[i] & 0xC0) != 0x80)
            col++;
    return col;
}

// A newline of the text breaks its line, as a script's author laid it out,
// except in a text that breaks its lines with \n: there it is a blank (the
// text was folded to fit the script's source), unless --cr-wrap says
// otherwise. Under the name whiptail every newline breaks, as there.
static bool newlineBreaks(const BoxOptions& o, const char* text)
{
    return o.crWrap || o.noNlExpand || strstr(text, "\\n") == nullptr ||
           strcmp(program_invocation_short_name, "whiptail") == 0;
}

std::string boxText(const BoxOptions& o, const char* text)
{
    std::string out;
    text = text != nullptr ? text : "";
    bool breaks = newlineBreaks(o, text);
    for (const char* p = text; *p != '\0'; p++) {
        bool lineStart = out.empty() || out.back() == '\n';
        if (o.noCollapse && o.trim && lineStart && (*p == ' ' || *p == '\t')) {
            // --trim drops the indents that --no-collapse keeps
        } else if (o.noCollapse && *p == '\t') {
            out.append(o.tabLen - lineColumn(out) % o.tabLen, ' ');
        } else if (o.colors && p[0] == '\\' && p[1] == 'Z' && p[2] != '\0') {
            p += 2;                      // an attribute sequence: shown as plain text
        } else if (p[0] == '\\' && p[1] == 'n' && !o.noNlExpand) {
            endLine(&out);
            p++;
        } else if (*p == '\n') {
            if (breaks)
                endLine(&out);
            else
                out += ' ';
        } else {
            out += *p;
        }
    }
    return out;
}
