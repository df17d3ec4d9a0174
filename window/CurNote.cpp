// CurNote.cpp - the note window (window/): a framed window showing one wrapped,
// aligned text, and showNote, which puts one sized to its text on the screen.
#include "CurNote.h"

#include <curses.h>

CurNote::CurNote(int height, int width, int y, int x)
    : CurWindow(height, width, y, x), label(this, true)
{
    enableFrame(true);
    label.setGeometry(this->height - 2, this->width - 4, 1, 2);
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
    if (textWidth < 0)
        textWidth = CurLabel::getLongestLine(text);
    if (textWidth > COLS - 4)
        textWidth = COLS - 4;
    if (textHeight < 0)
        textHeight = CurLabel::getEffHeight(text, textWidth);
    if (textHeight > LINES)
        textHeight = LINES;     // the window is cut to the screen anyway; + 2 stays an int

    CurNote note(textHeight + 2, textWidth + 4, -1, -1);
    note.setAttributes(attributes);
    note.setText(text, false);
    note.setAlignment(CurInit::CENTER, CurInit::CENTER, false);
    note.draw();
    note.update();
}
