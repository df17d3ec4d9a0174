// CurLabel.cpp - the static-text gadget (gadget/): drawing aligned lines, and
// the toolkit's one word-wrapping routine with its line counters.
#include "CurLabel.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <cctype>
#include <cstring>

static char* copyText(const char* text)
{
    char* copy = new char[strlen(text) + 1];
    strcpy(copy, text);
    return copy;
}

static bool isSpace(char c)
{
    return isspace((unsigned char)c) != 0;
}

CurLabel::CurLabel(CurWindow* window, bool wrap)
    : CurGadget(window), hAlign(CurInit::CENTER), vAlign(CurInit::CENTER),
      text(copyText("")), wrap(wrap)
{
}

CurLabel::~CurLabel()
{
    delete[] text;
}

void CurLabel::setText(const char* text, bool redraw)
{
    if (text == nullptr)
        return;
    char* copy = copyText(text);
    if (redraw)
        paint(true);
    delete[] this->text;
    this->text = copy;
    if (redraw)
        draw();
}

void CurLabel::setAlignment(CurInit::ALIGNMENT hAlign, CurInit::ALIGNMENT vAlign, bool redraw)
{
    this->hAlign = hAlign;
    this->vAlign = vAlign;
    if (redraw)
        draw();
}

// Each output byte stands for an input byte, or is the separator, indent or
// line break that goes with one; a character of several bytes needs no more
// than a character of one. The worst case is width 1, where a word of
// n characters becomes an indent line and n one-character lines (2n + 2
// bytes) and may need a line break of its own first: 2n + 3 bytes against
// the n + 1 bytes of the word and the white space before it. Three bytes for
// every input byte, and one for the terminating NUL, cover every case.
int CurLabel::formatMsgSize(const char* text)
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
int CurLabel::formatMsg(char* out, const char* text, int width)
{
    if (width < 1)
        width = 1;
    int col = 0;
    int lines = 0;
    const char* p = text;
    for (;;) {
        while (*p != '\0' && isSpace(*p))
            p++;
        if (*p == '\0')
            break;
        int len = 0;
        while (p[len] != '\0' && !isSpace(p[len]))
            len++;
        int cols = CurText::columns(p, len);

        if (cols <= width) {
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
                int n = CurText::cut(p + done, len - done, width - col);
                if (n == 0 && col > 0) {
                    *out++ = '\n';
                    col = 0;
                    lines++;
                    continue;
                }
                if (n == 0)
                    n = CurText::next(p + done, len - done, 0);
                memcpy(out, p + done, n);
                out += n;
                col += CurText::columns(p + done, n);
                done += n;
                if (col >= width) {
                    *out++ = '\n';
                    col = 0;
                    lines++;
                }
            }
        }
        p += len;

        while (*p == '\n') {
            *out++ = '\n';
            col = 0;
            lines++;
            p++;
        }
    }
    *out = '\0';
    return lines + 1;
}

int CurLabel::getNumLines(const char* text)
{
    int lines = 1;
    for (const char* p = text; *p != '\0'; p++)
        if (*p == '\n')
            lines++;
    return lines;
}

int CurLabel::getLongestLine(const char* text)
{
    int longest = 0;
    const char* p = text;
    while (*p != '\0') {
        while (isSpace(*p))
            p++;
        int len = 0;
        while (p[len] != '\0' && p[len] != '\n')
            len++;
        int cols = CurText::columns(p, len);
        if (cols > longest)
            longest = cols;
        p += len;
    }
    return longest;
}

int CurLabel::getEffHeight(const char* text, int width)
{
    char* out = new char[formatMsgSize(text)];
    int lines = formatMsg(out, text, width);
    delete[] out;
    return lines;
}

int CurLabel::getEffHeight()
{
    return wrap ? getEffHeight(text, width) : getNumLines(text);
}

// Start of a run of `size` cells inside `room` cells: `far` is the alignment
// that places at the far end (RIGHT or BOTTOM). Any value that does not name
// a placement on this axis starts at 0, as the near end does.
static int place(int align, int far, int room, int size)
{
    int start = 0;
    if (align == far)
        start = room - size;
    else if (align == CurInit::CENTER)
        start = (room - size) / 2;
    return start < 0 ? 0 : start;
}

// Each line is measured in columns, placed, and cut at the rectangle's
// right edge; lines below the rectangle are left out, and so is a line whose
// start lies outside the window. With blankOnly the cells each line would
// take are blanked instead (the window background shows), which is how a new
// text first clears the old one.
void CurLabel::paint(bool blankOnly)
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return;
    char* block;
    int lines;
    if (wrap) {
        block = new char[formatMsgSize(text)];
        lines = formatMsg(block, text, width);
    } else {
        block = text;
        lines = getNumLines(text);
    }

    int row = y + place(vAlign, CurInit::BOTTOM, height, lines);
    const char* p = block;
    for (;;) {
        while (*p == '\n') {
            row++;
            p++;
        }
        if (*p == '\0' || row >= y + height)
            break;
        int len = 0;
        while (p[len] != '\0' && p[len] != '\n')
            len++;
        int cols = CurText::columns(p, len);
        int col = x + place(hAlign, CurInit::RIGHT, width, cols);
        int room = x + width - col;
        if (blankOnly)
            CurText::blank(w, row, col, cols < room ? cols : room, 0);
        else
            CurText::draw(w, row, col, p, len, room, 0);
        p += len;
    }

    if (block != text)
        delete[] block;
}

void CurLabel::draw()
{
    paint(false);
}
