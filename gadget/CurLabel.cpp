// CurLabel.cpp - the static-text gadget (gadget/): drawing aligned lines,
// unchanged or wrapped by the text module.
#include "CurLabel.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <algorithm>
#include <cstring>

static char* copyText(std::string_view text)
{
    char* copy = new char[text.size() + 1];
    memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
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
    if (text != nullptr)
        setText(std::string_view(text), redraw);
}

void CurLabel::setText(std::string_view text, bool redraw)
{
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

// The wrapping and measuring are the text module's; these forward to it.
int CurLabel::formatMsgSize(const char* text)
{
    return CurText::wrapSize(text);
}

int CurLabel::formatMsg(char* out, const char* text, int width)
{
    return CurText::wrap(out, text, width);
}

int CurLabel::getNumLines(const char* text)
{
    return CurText::lines(text);
}

int CurLabel::getLongestLine(const char* text)
{
    return CurText::longestLine(text);
}

int CurLabel::getLongestLine(const char* text, bool keepBlanks)
{
    return CurText::longestLine(text, keepBlanks);
}

int CurLabel::getEffHeight(const char* text, int width)
{
    return CurText::wrappedLines(text, width);
}

int CurLabel::getEffHeight(const char* text, int width, bool keepBlanks)
{
    return CurText::wrappedLines(text, width, keepBlanks);
}

int CurLabel::getEffHeight()
{
    return wrap ? CurText::wrappedLines(text, width, keepBlanks) : CurText::lines(text);
}

void CurLabel::setKeepBlanks(bool keep, bool redraw)
{
    if (redraw)
        paint(true);
    keepBlanks = keep;
    if (redraw)
        draw();
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
        block = new char[CurText::wrapSize(text)];
        lines = CurText::wrap(block, text, width, keepBlanks);
    } else {
        block = text;
        lines = CurText::lines(text);
    }

    int row = y + place(vAlign, CurInit::BOTTOM, height, lines);
    int attr = CurInit::getThemeAttr(CurInit::THEME_LABEL);
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
            CurText::blank(w, row, col, cols < room ? cols : room, attr);
        else
            CurText::draw(w, row, col, p, len, room, attr);
        p += len;
    }

    if (block != text)
        delete[] block;
}

void CurLabel::draw()
{
    paint(false);
}

void CurLabel::naturalSize(int* height, int* width) const
{
    int lines = 1, longest = 0;
    const char* line = text;
    for (const char* p = text;; p++) {
        if (*p != '\n' && *p != '\0')
            continue;
        longest = std::max(longest, CurText::columns(line, (int)(p - line)));
        if (*p == '\0')
            break;
        lines++;
        line = p + 1;
    }
    *height = lines;
    *width = longest;
}

bool CurLabel::takesFocus() const
{
    return false;
}
