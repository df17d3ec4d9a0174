// CurLineEdit.cpp - the single-line text editor gadget (gadget/): the field
// with its sideways scrolling and "<" / ">" marks, masking, and the editing keys.
#include "CurLineEdit.h"
#include "CurWindow.h"

#include <curses.h>
#include <cstring>

CurLineEdit::CurLineEdit(CurWindow* window)
    : CurGadget(window), text(new char[5]), hidden(false), textSize(5), cursorPos(0),
      cursorCol(0), focused(true)
{
    text[0] = '\0';
    // Each switch resends the terminal's keypad string: only when it is off.
    if (window->getWindow() != nullptr && !is_keypad(window->getWindow()))
        keypad(window->getWindow(), TRUE);
}

CurLineEdit::~CurLineEdit()
{
    delete[] text;
}

void CurLineEdit::setText(const char* newText, bool redraw)
{
    if (newText == nullptr)
        return;
    int length = (int)strlen(newText);
    char* copy = new char[length + 1];
    memcpy(copy, newText, length + 1);
    delete[] text;
    text = copy;
    textSize = length + 1;
    cursorPos = cursorCol = length;
    if (width <= cursorCol)
        cursorCol = width - 1;
    fitCursor(length);
    if (redraw)
        draw();
}

const char* CurLineEdit::getText() const
{
    return text;
}

void CurLineEdit::setHidden(bool on)
{
    hidden = on;
}

// The editing rules keep the cursor inside the box, off the "<" mark while
// text lies to the left, and off the last column unless it stands behind the
// last character (that column is kept for the ">" mark). A new geometry or a
// text the application shortened in place can break these rules; this puts
// them right again and changes nothing in a box that follows them.
// In a box of fewer than 3 columns there is no room for the marks: the
// cursor simply stands as far right as the box and the text allow.
void CurLineEdit::fitCursor(int length)
{
    if (cursorPos > length)
        cursorPos = length;
    int W = width;
    if (W < 3) {
        cursorCol = W < 1 ? 0 : (cursorPos < W - 1 ? cursorPos : W - 1);
        return;
    }
    if (cursorCol > W - 1)
        cursorCol = W - 1;
    if (cursorCol > cursorPos)
        cursorCol = cursorPos;
    if (cursorCol < 0)
        cursorCol = 0;
    if (cursorCol == 0 && cursorPos > 0)
        cursorCol = 1;
    if (cursorCol == W - 1 && cursorPos < length)
        cursorCol = W - 2;
}

// The field row: the visible part of the text (or "*" for each character
// when hidden), blanks behind it, "<" over the first cell when text lies to
// the left and ">" over the last when text reaches the last column or beyond.
// Every cell carries the field attribute. The cursor is left on the edit
// position, where the focus search measures from.
void CurLineEdit::draw()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return;
    int L = (int)strlen(text);
    fitCursor(L);
    int row = y + height / 2;
    int first = cursorPos - cursorCol;
    chtype a = focused ? A_REVERSE : A_UNDERLINE;

    wmove(w, row, x);
    for (int i = 0; i < width; i++) {
        int index = first + i;
        chtype ch = ' ';
        if (index >= 0 && index < L)
            ch = hidden ? '*' : (unsigned char)text[index];
        waddch(w, ch | a);
    }
    if (width >= 3) {
        if (cursorPos > cursorCol && wmove(w, row, x) != ERR)
            waddch(w, '<' | a);
        if (L - cursorPos > width - 1 - cursorCol && wmove(w, row, x + width - 1) != ERR)
            waddch(w, '>' | a);
    }
    placeCursor();
}

void CurLineEdit::placeCursor()
{
    if (window->getWindow() != nullptr)
        wmove(window->getWindow(), y + height / 2, x + cursorCol);
}

void CurLineEdit::repaint()
{
    draw();
    window->update();
}

// length is the text's length before the insertion.
void CurLineEdit::insertAt(int index, char ch, int length)
{
    growFor(length);
    memmove(text + index + 1, text + index, length - index + 1);
    text[index] = ch;
}

void CurLineEdit::removeAt(int index)
{
    memmove(text + index, text + index + 1, strlen(text + index));
}

// The array grows in steps of 1024 bytes, to the smallest multiple of 1024
// above length + 2, so typing reallocates once per 1024 characters.
void CurLineEdit::growFor(int length)
{
    if (length + 1 < textSize)
        return;
    int size = 1024 * ((length + 2) / 1024 + 1);
    char* grown = new char[size];
    memcpy(grown, text, length + 1);
    delete[] text;
    text = grown;
    textSize = size;
}

// Cursor moves that keep the visible part only move the curses cursor; the
// next key read shows it. Everything else redraws the field and updates the
// window. Up, down, Tab, Return and every code outside " " to "z" are left
// to the caller, so a form moves the focus on them; left and right are
// always consumed, even at the ends of the text.
bool CurLineEdit::processKey(int key)
{
    int oldPos = cursorPos, oldCol = cursorCol;
    int L = (int)strlen(text);
    fitCursor(L);
    if (cursorPos != oldPos || cursorCol != oldCol)
        draw();                         // the field on the screen is stale
    if (width < 3)
        return processNarrowKey(key, L);
    int W = width;
    int& P = cursorPos;
    int& C = cursorCol;

    switch (key) {
    case KEY_HOME:
    case KEY_PPAGE:
        if (C != 0) {
            C = P = 0;
            repaint();
        }
        return true;
    case KEY_EOL:
    case KEY_NPAGE:
        P = C = L;
        if (W <= C)
            C = W - 1;
        repaint();
        return true;
    case KEY_LEFT:
        if (C == 0)
            return true;
        if (C == 1 && P != 1) {         // scroll: the cursor stays off the "<" mark
            P--;
            repaint();
        } else {
            C--;
            P--;
            placeCursor();
        }
        return true;
    case KEY_RIGHT:
        if (P == L)
            return true;
        if (C == W - 2 && P != L - 1) { // scroll: the cursor stays off the ">" mark
            P++;
            repaint();
        } else {
            C++;
            P++;
            placeCursor();
        }
        return true;
    case KEY_BACKSPACE:
    case 8:
        if (P == 0)
            return true;
        if (C == 1 && P != 1) {
            // The removed character lay under "<"; every other cell already
            // shows what it should, unless the mark has to go.
            removeAt(--P);
            if (P == 1)
                repaint();
        } else if (W - 1 - C == L - P && P > C) {
            removeAt(--P);              // the text scrolls right under the cursor
            repaint();
        } else {
            C--;
            removeAt(--P);
            repaint();
        }
        return true;
    case KEY_DC:
    case 127:
        if (P == L)
            return true;
        if (W - 1 - C == L - P && P > C)
            C++;                        // the text scrolls right; the cursor follows its character
        removeAt(P);
        repaint();
        return true;
    default:
        break;
    }
    if (key < 32 || key > 122)
        return false;
    insertAt(P++, (char)key, L);
    C++;
    if (C == W)
        C = W - 1;
    if (C == W - 1 && text[P] != '\0')
        C = W - 2;                      // the last column is kept for ">"
    repaint();
    return true;
}

// A box of fewer than 3 columns edits the same keys but shows no marks: the
// cursor column follows from the position alone (fitCursor), and every key
// redraws the field.
bool CurLineEdit::processNarrowKey(int key, int length)
{
    int& P = cursorPos;
    switch (key) {
    case KEY_HOME:
    case KEY_PPAGE:
        P = 0;
        break;
    case KEY_EOL:
    case KEY_NPAGE:
        P = length;
        break;
    case KEY_LEFT:
        if (P > 0)
            P--;
        break;
    case KEY_RIGHT:
        if (P < length)
            P++;
        break;
    case KEY_BACKSPACE:
    case 8:
        if (P > 0) {
            removeAt(--P);
            length--;
        }
        break;
    case KEY_DC:
    case 127:
        if (P < length) {
            removeAt(P);
            length--;
        }
        break;
    default:
        if (key < 32 || key > 122)
            return false;
        insertAt(P++, (char)key, length++);
        break;
    }
    fitCursor(length);
    repaint();
    return true;
}

void CurLineEdit::acceptFocus(bool redraw)
{
    focused = true;
    if (redraw)
        draw();
}

void CurLineEdit::loseFocus(bool redraw)
{
    focused = false;
    if (redraw)
        draw();
}
