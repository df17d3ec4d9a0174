// CurButton.cpp - the push-button gadget (gadget/): a reverse-video bar with
// a centred text, activated by Enter or the space bar.
#include "CurButton.h"
#include "CurCallback.h"
#include "CurInit.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <cstring>

CurButton::CurButton(CurWindow* window)
    : CurGadget(window), activated(false), text(new char[20])
{
    showFocus(false);
    strcpy(text, "OK");
}

CurButton::~CurButton()
{
    delete[] text;
}

void CurButton::setText(const char* text, bool redraw)
{
    if (text != nullptr)
        setText(std::string_view(text), redraw);
}

void CurButton::setText(std::string_view text, bool redraw)
{
    char* copy = new char[text.size() + 1];
    memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    delete[] this->text;
    this->text = copy;
    if (redraw)
        draw();
}

const char* CurButton::getText() const
{
    return text;
}

void CurButton::setActivateCB(void (*callback)(void*), void* data)
{
    activateFunction = CurCallback::bind(callback, data);
}

void CurButton::setActivateCB(std::function<void()> callback)
{
    activateFunction = std::move(callback);
}

bool CurButton::isActivated() const
{
    return activated;
}

void CurButton::reset()
{
    activated = false;
}

// One bar across the middle row: blanks, the text centred (or cut at the
// right edge when it is too long), blanks. The theme's brackets, when it has
// any, stand at the bar's ends or hug the text; hugging ones take the
// button's colours with the text alone, the rest of the bar is the window's.
// The cursor is left right after the text, which is where the focus search
// measures from. Cells outside the curses window are skipped: curses would
// wrap them onto the next row.
void CurButton::draw()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr || height < 1)
        return;                         // no row to draw on
    int row = y + height / 2;
    if (row < 0 || row >= getmaxy(w))
        return;
    const CurInit::ThemeShapes& shapes = CurInit::getThemeShapes();
    int left = CurText::columns(shapes.buttonLeft), right = CurText::columns(shapes.buttonRight);
    int a = CurInit::getThemeAttr(focused ? CurInit::THEME_BUTTON_FOCUSED : CurInit::THEME_BUTTON);
    if (left + right == 0 || width < left + right + 1) {
        CurText::blank(w, row, x, width, a);
        drawText(w, row, x, width, a);
        return;
    }
    int from = x, cols = width;
    if (shapes.buttonHug) {
        int n = CurText::columns(text) + left + right;
        cols = n <= width ? n : width;
        from = x + (width - cols) / 2;
        CurText::blank(w, row, x, width, 0);
    }
    CurText::blank(w, row, from, cols, a);
    drawBracket(w, row, from, shapes.buttonLeft, a);
    drawBracket(w, row, from + cols - right, shapes.buttonRight, a);
    drawText(w, row, from + left, cols - left - right, a);
}

// The text centred in cols columns from column from, the cursor after it.
void CurButton::drawText(WINDOW* w, int row, int from, int cols, int attr)
{
    int n = CurText::columns(text);
    int start = (n <= cols) ? from + (cols - n) / 2 : from;
    int end = start;        // where the text ends; an empty text ends where it would start
    if (start >= 0)
        end += CurText::draw(w, row, start, text, (int)strlen(text), from + cols - start, attr);
    wmove(w, row, end < getmaxx(w) ? end : getmaxx(w) - 1);
}

void CurButton::drawBracket(WINDOW* w, int row, int col, const char* bracket, int attr)
{
    if (bracket[0] != '\0' && col >= 0)
        CurText::draw(w, row, col, bracket, (int)strlen(bracket), getmaxx(w) - col, attr);
}

bool CurButton::processKey(int key)
{
    if (key != 13 && key != ' ')
        return false;
    activated = true;
    CurCallback::call(activateFunction);   // may destroy this button
    return true;
}

// Every event of the left button is the gadget's; only a click acts, so a
// press let go on another cell does nothing.
bool CurButton::processMouse(const CurInit::MouseEvent& event)
{
    if (event.button != CurInit::MOUSE_LEFT)
        return false;
    if (event.action == CurInit::MOUSE_CLICK || event.action == CurInit::MOUSE_DOUBLE_CLICK)
        processKey(' ');                // may destroy the gadget: nothing follows
    return true;
}

void CurButton::naturalSize(int* height, int* width) const
{
    *height = 1;
    *width = CurText::columns(text) + 2;
}
