// CurNote.cpp - the note window (gadget/, beside the label it shows its text
// in): a framed window showing one wrapped, aligned text, and showNote, which
// puts one sized to its text on the screen.
#include "CurNote.h"
#include "CurText.h"

#include <curses.h>
#include <climits>
#include <string>

// A size less some cells, held at the int range's end instead of overflowing.
static int less(int size, int cells)
{
    long long n = (long long)size - cells;
    return n < INT_MIN ? INT_MIN : (int)n;
}

CurNote::CurNote(int height, int width, int y, int x)
    : CurWindow(height, width, y, x), label(this, true)
{
    takeTheme(CurInit::THEME_NOTE);
    enableFrame(true);
    label.setGeometry(less(this->height, 2), less(this->width, 4), 1, 2);
}

CurNote::~CurNote()
{
}

// The text goes first and the border after it. The label keeps its lines
// inside the text area, and the border, drawn or blanked, then covers the
// frame's cells, so the frame always stays whole.
void CurNote::draw()
{
    label.draw();
    if (framed)
        drawFrame();
    else
        hideFrame();
}

void CurNote::setText(const char* text, bool redraw)
{
    label.setText(text, false);
    if (redraw && text != nullptr)
        draw();
}

void CurNote::setText(std::string_view text, bool redraw)
{
    label.setText(text, false);
    if (redraw)
        draw();
}

void CurNote::setAlignment(CurInit::ALIGNMENT hAlign, CurInit::ALIGNMENT vAlign, bool redraw)
{
    label.setAlignment(hAlign, vAlign, false);
    if (redraw)
        draw();
}

// A text wider than the screen gets a note cut to the screen's width; its
// height is measured at that width, so the wrapped text fits the note
// whenever the screen is tall enough, and is clipped by draw otherwise.
void CurNote::showNote(int textHeight, int textWidth, int attributes, const char* text)
{
    if (text == nullptr)
        return;
    CurText::Size box = CurText::boxSize(text, textHeight, textWidth, {2, 4}, 0);
    CurNote note(box.rows, box.cols, -1, -1);
    if (attributes != 0)                // 0: the theme's
        note.setAttributes(attributes);
    note.setText(text, false);
    note.setAlignment(CurInit::CENTER, CurInit::CENTER, false);
    note.draw();
    note.update();
}

void CurNote::showNote(int textHeight, int textWidth, int attributes, std::string_view text)
{
    showNote(textHeight, textWidth, attributes, std::string(text).c_str());   // kept NUL-terminated
}
