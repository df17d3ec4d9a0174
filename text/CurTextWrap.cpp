// CurTextWrap.cpp - the word wrapping of CurText (text/): prose reflowed to a
// width, its line counters, and the size of a box around a wrapped text.
#include "CurText.h"

#include <curses.h>
#include <cctype>
#include <cstring>

static bool isSpace(char c)
{
    return isspace((unsigned char)c) != 0;
}

// Each output byte stands for an input byte, or is the separator, indent or
// line break that goes with one; a character of several bytes needs no more
// than a character of one. The worst case is width 1, where a word of
// n characters becomes an indent line and n one-character lines (2n + 2
// bytes) and may need a line break of its own first: 2n + 3 bytes against
// the n + 1 bytes of the word and the white space before it. Three bytes for
// every input byte, and one for the terminating NUL, cover every case.
int CurText::wrapSize(const char* text)
{
    return 3 * (int)strlen(text) + 1;
}

// Words are copied separated by single blanks, with line breaks so that no
// line is longer than width. A newline that directly follows a word survives;
// every other run of white space collapses. A word longer than a line gets an
// indent blank and is cut at the margin onto as many lines as it needs. When
// the line it would start on is already full (a word filled it exactly), it
// starts on a new line: its blank would otherwise stand past the margin.
// Lengths are screen columns, and words are cut only between characters; a
// character wider than the whole line gets a line of its own.
//
// Keeping blanks, the white space before a word is its separator instead of
// one blank: copied (a tab as a tab, other white space as a blank) when the
// word fits after it, dropped when the word goes to the next line. At the
// start of a line it is an indent, cut so that the word still fits.
int CurText::wrap(char* out, const char* text, int width, bool keepBlanks)
{
    if (width < 1)
        width = 1;
    int col = 0;
    int lines = 0;
    const char* p = text;
    for (;;) {
        const char* gap = p;
        while (*p != '\0' && isSpace(*p) && !(keepBlanks && *p == '\n'))
            p++;
        if (keepBlanks && *p == '\n') {
            *out++ = '\n';
            col = 0;
            lines++;
            p++;
            continue;
        }
        if (*p == '\0')
            break;
        int len = 0;
        while (p[len] != '\0' && !isSpace(p[len]))
            len++;
        int cols = columns(p, len);

        if (keepBlanks && cols <= width) {
            if (col > 0 && col + columns(gap, (int)(p - gap)) + cols > width) {
                *out++ = '\n';
                col = 0;
                lines++;
            } else {
                for (const char* g = gap; g < p; g++) {
                    int c = *g == '\t' ? TAB_COLUMNS : 1;
                    if (col + c + cols > width)
                        break;
                    *out++ = *g == '\t' ? '\t' : ' ';
                    col += c;
                }
            }
            memcpy(out, p, len);
            out += len;
            col += cols;
        } else if (cols <= width) {
            if (col > 0 && col + 1 + cols > width) {
                *out++ = '\n';
                col = 0;
                lines++;
            } else if (col > 0) {
                *out++ = ' ';
                col++;
            }
            memcpy(out, p, len);
            out += len;
            col += cols;
        } else {
            if (col >= width) {
                *out++ = '\n';
                col = 0;
                lines++;
            }
            *out++ = ' ';
            col++;
            // The indent may fill the line (width 1, or a line one short of
            // full): then no character fits, and the break comes first.
            for (int done = 0; done < len;) {
                int n = cut(p + done, len - done, width - col);
                if (n == 0 && col > 0) {
                    *out++ = '\n';
                    col = 0;
                    lines++;
                    continue;
                }
                if (n == 0)
                    n = next(p + done, len - done, 0);
                memcpy(out, p + done, n);
                out += n;
                col += columns(p + done, n);
                done += n;
                if (col >= width) {
                    *out++ = '\n';
                    col = 0;
                    lines++;
                }
            }
        }
        p += len;

        while (!keepBlanks && *p == '\n') {
            *out++ = '\n';
            col = 0;
            lines++;
            p++;
        }
    }
    *out = '\0';
    return lines + 1;
}

int CurText::wrappedLines(const char* text, int width, bool keepBlanks)
{
    char* out = new char[wrapSize(text)];
    int lines = wrap(out, text, width, keepBlanks);
    delete[] out;
    return lines;
}

int CurText::lines(const char* text)
{
    int lines = 1;
    for (const char* p = text; *p != '\0'; p++)
        if (*p == '\n')
            lines++;
    return lines;
}

int CurText::longestLine(const char* text, bool keepBlanks)
{
    int longest = 0;
    const char* p = text;
    while (*p != '\0') {
        if (keepBlanks && *p == '\n')
            p++;
        while (!keepBlanks && isSpace(*p))
            p++;
        int len = 0;
        while (p[len] != '\0' && p[len] != '\n')
            len++;
        int cols = columns(p, len);
        if (cols > longest)
            longest = cols;
        p += len;
    }
    return longest;
}

// A size plus the chrome around it, cut to the screen's size: compared by
// subtraction, since the sum could pass INT_MAX.
static int withChrome(int size, int chrome, int screen)
{
    return size > screen - chrome ? screen : size + chrome;
}

// The width comes first, since the height of a wrapped text depends on the
// columns it gets; both then take the chrome and are cut to the screen.
CurText::Size CurText::boxSize(const char* text, int rows, int cols, Size chrome, int minCols)
{
    if (cols < 0)
        cols = text != nullptr ? longestLine(text) : COLS - chrome.cols - 2;
    if (minCols > 0 && cols < minCols)
        cols = minCols;
    Size box;
    box.cols = withChrome(cols, chrome.cols, COLS);
    if (rows < 0)
        rows = text != nullptr ? wrappedLines(text, box.cols - chrome.cols)
                               : LINES - chrome.rows - 2;
    box.rows = withChrome(rows, chrome.rows, LINES);
    return box;
}
