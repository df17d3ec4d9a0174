// CurLineEdit.cpp - the single-line text editor gadget (gadget/): the field
// with its sideways scrolling and "<" / ">" marks, masking, and the editing
// keys, which move over and remove whole characters.
#include "CurLineEdit.h"
#include "CurCallback.h"
#include "CurInit.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <cstring>
#include <string>

CurLineEdit::CurLineEdit(CurWindow* window)
    : CurGadget(window), text(new char[5]), hidden(false), textSize(5), cursorPos(0),
      cursorCol(0), maxLength(0), edited(false)
{
    showFocus(true);
    text[0] = '\0';
    // Each switch resends the terminal's keypad string: only when it is off.
    // The member, not the argument: a null window was replaced by the base.
    if (this->window->getWindow() != nullptr && !is_keypad(this->window->getWindow()))
        keypad(this->window->getWindow(), TRUE);
}

CurLineEdit::~CurLineEdit()
{
    CurInit::setSecretInput(this, window, false);
    delete[] text;
}

// Under UTF-8 a bad byte would make getText invalid: it becomes U+FFFD,
// the mark the toolkit shows for it anyway.
void CurLineEdit::setText(const char* newText, bool redraw)
{
    if (newText == nullptr)
        return;
    int length = (int)strlen(newText);
    bool asUtf8 = CurText::utf8();
    int bad = 0;
    for (int i = 0; asUtf8 && i < length;) {
        int code;
        i += CurText::decode(newText + i, length - i, &code, nullptr);
        bad += code < 0;
    }
    char* copy = new char[length + 2 * bad + 1];
    int out = 0;
    for (int i = 0; i < length;) {
        int code = 0;
        int n = asUtf8 ? CurText::decode(newText + i, length - i, &code, nullptr) : 1;
        if (code < 0) {
            out += CurText::encode(0xFFFD, copy + out);
        } else {
            memcpy(copy + out, newText + i, n);
            out += n;
        }
        i += n;
    }
    out = cutAt(copy, out);
    copy[out] = '\0';
    delete[] text;
    text = copy;
    textSize = out + 1;
    cursorPos = out;
    cursorCol = width;
    fitCursor(out);
    if (redraw)
        draw();
}

void CurLineEdit::setText(std::string_view newText, bool redraw)
{
    std::string copy(newText.substr(0, newText.find('\0')));   // the text ends at a NUL
    setText(copy.c_str(), redraw);
}

// The bytes of the first maxLength characters of s (a character with its
// combining marks), or all length bytes when there is no limit.
int CurLineEdit::cutAt(const char* s, int length) const
{
    int pos = 0;
    for (int n = 0; maxLength > 0 && n < maxLength && pos < length; n++)
        pos = CurText::next(s, length, pos);
    return maxLength > 0 ? pos : length;
}

void CurLineEdit::setMaxLength(int characters)
{
    maxLength = characters > 0 ? characters : 0;
    int length = (int)strlen(text);
    int cut = cutAt(text, length);
    if (cut == length)
        return;
    text[cut] = '\0';
    if (cursorPos > cut)
        cursorPos = cut;
    fitCursor(cut);
}

int CurLineEdit::getMaxLength() const
{
    return maxLength;
}

void CurLineEdit::setFilterCB(bool (*callback)(int code, void*), void* data)
{
    filterFunction = CurCallback::bind(callback, data);
}

void CurLineEdit::setFilterCB(std::function<bool(int code)> callback)
{
    filterFunction = std::move(callback);
}

void CurLineEdit::setChangeCB(void (*callback)(CurLineEdit*, void*), void* data)
{
    if (callback == nullptr)
        changeFunction = nullptr;
    else
        changeFunction = [this, callback, data] { callback(this, data); };
}

void CurLineEdit::setChangeCB(std::function<void(CurLineEdit*)> callback)
{
    if (!callback)
        changeFunction = nullptr;
    else
        changeFunction = [this, callback] { callback(this); };
}

// The filter is asked first; a character that would pass the maximum
// length is put in, counted and taken out again, so a combining mark,
// which joins the character before it, still fits at the limit.
// Returns the bytes inserted: 0 when refused.
int CurLineEdit::insertChecked(int code, int length)
{
    if (!CurCallback::call(filterFunction, code, true))
        return 0;
    int oldPos = cursorPos, oldCol = cursorCol;
    bool wasEdited = edited;
    int n = insertCode(code, length);
    if (maxLength > 0 && cutAt(text, length + n) < length + n) {
        removeRange(oldPos, oldPos + n);
        edited = wasEdited;
        cursorPos = oldPos;
        cursorCol = oldCol;
        return 0;
    }
    edited = true;
    return n;
}

// It may replace itself.
void CurLineEdit::changed()
{
    CurCallback::call(changeFunction);
}

const char* CurLineEdit::getText() const
{
    return text;
}

// Hidden and focused, what is typed here is secret input: the key log
// records it as Hidden. Kept in step wherever either changes; a program
// that sets the hidden field itself is followed at the next draw.
void CurLineEdit::setHidden(bool on)
{
    hidden = on;
    CurInit::setSecretInput(this, window, hidden && focused);
}

// Hidden, every character (with its combining marks) takes one column.
int CurLineEdit::span(int from, int to) const
{
    if (!hidden)
        return CurText::columns(text + from, to - from);
    int n = 0;
    for (int p = from; p < to; p = CurText::next(text, to, p))
        n++;
    return n;
}

// Counting stops once past limit, so the cost follows the box's width, not
// the text's length: callers only ask whether more than limit lie there.
int CurLineEdit::colsBefore(int pos, int limit) const
{
    int cols = 0;
    while (pos > 0 && cols <= limit) {
        int q = CurText::prev(text, pos);
        cols += span(q, pos);
        pos = q;
    }
    return cols;
}

int CurLineEdit::colsAfter(int pos, int length, int limit) const
{
    int cols = 0;
    while (pos < length && cols <= limit) {
        int q = CurText::next(text, length, pos);
        cols += span(pos, q);
        pos = q;
    }
    return cols;
}

// The editing rules keep the cursor inside the box, off the "<" mark while
// text lies to the left, off the last column unless it stands behind the
// last character (that column is kept for the ">" mark), and no further
// right than the columns of the text before it. A new geometry or a text the
// application shortened in place can break these rules; this puts them right
// again and changes nothing in a box that follows them.
// In a box of fewer than 3 columns there is no room for the marks: the
// cursor simply stands as far right as the box and the text allow.
void CurLineEdit::fitCursor(int length)
{
    if (cursorPos > length)
        cursorPos = length;
    int W = width;
    int& C = cursorCol;
    if (W < 3) {
        int before = colsBefore(cursorPos, W);
        int last = lastCol(length);
        C = W < 1 ? 0 : (before < last ? before : last);
        return;
    }
    if (C > W - 1)
        C = W - 1;
    int before = colsBefore(cursorPos, C < 1 ? 1 : C);
    if (C > before)
        C = before;
    if (C < 0)
        C = 0;
    if (C == 0 && before > 0)
        C = 1;
    int last = lastCol(length);
    if (C > last)
        C = last;
}

// The rightmost column the cursor may take: behind the end of the text the
// box's last; on a character one where all of it shows, which in a box with
// marks ends before the last column (kept for ">") yet stays off "<". Only a
// double-width character in a box of 3 columns cannot show.
int CurLineEdit::lastCol(int length) const
{
    if (cursorPos >= length)
        return width - 1;
    int cols = span(cursorPos, CurText::next(text, length, cursorPos));
    bool marks = width >= 3;
    int last = width - (cols < 1 ? 1 : cols) - (marks ? 1 : 0);
    if (marks)
        return last < 1 ? 1 : last;
    return last < 0 ? 0 : last;
}

// The field row: the visible part of the text (or "*" for each character
// when hidden), blanks behind it, "<" over the first cell when text lies to
// the left and ">" over the last when text reaches the last column or beyond.
// Every cell carries the field attribute. The cursor is left on the edit
// position, where the focus search measures from.
void CurLineEdit::draw()
{
    CurInit::setSecretInput(this, window, hidden && focused);
    WINDOW* w = window->getWindow();
    if (w == nullptr || height < 1)
        return;                         // no row to draw on
    fitCursor((int)strlen(text));
    int row = y + height / 2;
    drawText(row, CurInit::getThemeAttr(focused ? CurInit::THEME_LINE_EDIT_FOCUSED
                                                 : CurInit::THEME_LINE_EDIT));
    placeCursor();
}

// The text is laid out backwards from the cursor: a double-width character
// that would straddle the left edge is left out (blanks stand in for it),
// and so is one that would straddle the right edge. The marks get cells of
// their own: a character under one is left out, never halved.
void CurLineEdit::drawText(int row, int a)
{
    WINDOW* w = window->getWindow();
    int L = (int)strlen(text);
    int start = cursorPos;
    int before = 0;
    while (start > 0 && before < cursorCol) {
        int q = CurText::prev(text, start);
        before += span(q, start);
        start = q;
    }
    int lead = 0;
    if (before > cursorCol) {
        int q = CurText::next(text, L, start);
        lead = cursorCol - before + span(start, q);
        start = q;
    }
    bool marks = width >= 3;
    // Combining marks that open the text have no base and take no column:
    // with nothing else to the left, nothing lies out of view.
    bool left = marks && start > 0 && colsBefore(start, 0) > 0;
    if (left && lead == 0) {
        int q = CurText::next(text, L, start);
        lead = span(start, q);
        start = q;
    }
    bool more = marks && colsAfter(cursorPos, L, width - cursorCol) > width - 1 - cursorCol;
    int room = more ? width - 1 : width;
    CurText::blank(w, row, x, width, a);
    if (hidden && wmove(w, row, x + lead) != ERR) {
        int fit = getmaxx(w) - x < room ? getmaxx(w) - x : room;   // curses would wrap the rest
        for (int p = start, used = lead; p < L && used < fit; p = CurText::next(text, L, p), used++)
            waddch(w, '*' | (chtype)a);
    } else if (!hidden && lead < room) {
        CurText::draw(w, row, x + lead, text + start, L - start, room - lead, a);
    }
    if (left)
        mvwaddch(w, row, x, '<' | (chtype)a);
    if (more)
        mvwaddch(w, row, x + width - 1, '>' | (chtype)a);
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

void CurLineEdit::removeRange(int from, int to)
{
    edited = edited || to > from;
    memmove(text + from, text + to, strlen(text + to) + 1);
}

// The array grows in steps of 1024 bytes, to the smallest multiple of 1024
// above length + more + 1, so typing reallocates once per 1024 bytes.
void CurLineEdit::growFor(int length, int more)
{
    if (length + more < textSize)
        return;
    int size = 1024 * ((length + more + 1) / 1024 + 1);
    char* grown = new char[size];
    memcpy(grown, text, length + 1);
    delete[] text;
    text = grown;
    textSize = size;
}

// The character a key inserts, -1 for none. The key reader hands on a
// character beyond ASCII whole; a byte of one never comes alone.
int CurLineEdit::keyCode(int key)
{
    if (key >= 32 && key <= 126)
        return key;
    if (key >= WIDE_CHAR && key <= WIDE_CHAR + 0x10FFFF)
        return key - WIDE_CHAR;
    return -1;
}

// Inserts at the cursor; the cursor moves behind the cluster the new
// character ends up in: marks that opened the text belong to a base typed
// before them, a joiner or a flag's second half joins what came before,
// and the cursor never stands inside a cluster. Returns the bytes inserted.
int CurLineEdit::insertCode(int code, int length)
{
    char bytes[4];
    int n = CurText::encode(code, bytes);
    growFor(length, n);
    int P = cursorPos;
    memmove(text + P + n, text + P, length - P + 1);
    memcpy(text + P, bytes, n);
    int start = CurText::prev(text, P + n);
    start = start < P ? start : P;
    cursorPos = CurText::next(text, length + n, start);
    cursorCol += span(start, cursorPos) - span(start, P);
    return n;
}

// Cursor moves that keep the visible part only move the curses cursor; the
// next key read shows it. Everything else redraws the field and updates the
// window. Up, down, Tab, Return and every code that inserts no printable
// character are left to the caller, so a form moves the focus on them; left
// and right are always consumed, even at the ends of the text.
bool CurLineEdit::processKey(int key)
{
    edited = false;
    bool taken = editKey(key);
    if (edited)
        changed();                      // may change the editor: nothing follows
    return taken;
}

bool CurLineEdit::editKey(int key)
{
    int oldPos = cursorPos, oldCol = cursorCol;
    int L = (int)strlen(text);
    fitCursor(L);
    if (cursorPos != oldPos || cursorCol != oldCol)
        draw();                         // the field on the screen is stale
    if (key == CurInit::PASTE)
        return insertPaste(L);
    if (width < 3)
        return processNarrowKey(key, L);
    int W = width;
    int& P = cursorPos;
    int& C = cursorCol;

    switch (key) {
    case KEY_HOME:
    case KEY_PPAGE:
        if (P != 0) {                   // column 0 may still have marks to its left
            C = P = 0;
            repaint();
        }
        return true;
    case KEY_EOL:
    case KEY_END:
    case KEY_NPAGE:
        P = L;
        C = W - 1;
        fitCursor(L);
        repaint();
        return true;
    case KEY_LEFT: {
        if (P == 0)
            return true;
        int q = CurText::prev(text, P);
        int kept = C - span(q, P);      // the cursor's column if the view stays
        int c = kept;
        if (q == 0)
            c = 0;
        else if (c < 1)
            c = 1;                      // scroll: the cursor stays off the "<" mark
        P = q;
        C = c;
        if (c == kept)
            placeCursor();
        else
            repaint();
        return true;
    }
    case KEY_RIGHT: {
        if (P == L)
            return true;
        int q = CurText::next(text, L, P);
        int c = C + span(P, q);
        P = q;
        int limit = lastCol(L);         // the cursor stays off the ">" mark
        if (c > limit) {
            C = limit;
            repaint();
        } else {
            C = c;
            placeCursor();
        }
        return true;
    }
    case KEY_BACKSPACE:
    case KEY_DC:
    case 8:
    case 127:
        return removeKey(key, L);
    default:
        break;
    }
    int code = keyCode(key);
    if (code < 0 || !CurText::insertable(code))
        return false;
    int last = lastCol(L + insertChecked(code, L));  // the last column is kept for ">"
    if (C > last)
        C = last;
    repaint();
    return true;
}

// A paste is one insertion: each of its characters through the filter and
// the length limit, as if typed, line ends as blanks; one redraw, and one
// change callback (processKey's) for all of it.
bool CurLineEdit::insertPaste(int length)
{
    for (int code : CurText::pasted(CurInit::getPaste(), false))
        length += insertChecked(code, length);
    fitCursor(length);
    repaint();
    return true;
}

// A click puts the cursor on the character shown under the pointer (the
// one it lands in, a double-width one's right half included), or behind the
// text; the view does not scroll, so the cursor stays within the rules of
// fitCursor: off the "<" mark and short of the ">" one.
bool CurLineEdit::processMouse(const CurInit::MouseEvent& event)
{
    if (event.button != CurInit::MOUSE_LEFT)
        return false;
    int L = (int)strlen(text);
    fitCursor(L);
    int target = event.column - x;
    if (event.action != CurInit::MOUSE_CLICK && event.action != CurInit::MOUSE_DOUBLE_CLICK)
        return true;
    while (cursorCol > target && cursorPos > 0) {
        int q = CurText::prev(text, cursorPos);
        int c = cursorCol - span(q, cursorPos);
        if (c < (q == 0 || width < 3 ? 0 : 1))
            break;
        cursorPos = q;
        cursorCol = c;
    }
    while (cursorPos < L) {
        int q = CurText::next(text, L, cursorPos);
        int oldPos = cursorPos, c = cursorCol + span(cursorPos, q);
        if (c > target)
            break;
        cursorPos = q;
        if (c > lastCol(L)) {
            cursorPos = oldPos;
            break;
        }
        cursorCol = c;
    }
    repaint();
    return true;
}

// Backspace (also 127, which many terminals send for it, and 8) removes the
// character before the cursor, Delete the one under it. While text lies
// hidden to the left and the end of the text shows, the text moves right
// under the cursor instead of leaving blanks at the end of the box.
bool CurLineEdit::removeKey(int key, int length)
{
    int W = width;
    int& P = cursorPos;
    int& C = cursorCol;
    bool forward = key == KEY_DC;
    if (forward ? P == length : P == 0)
        return true;
    bool shifts = colsBefore(P, C) > C && colsAfter(P, length, W - C) <= W - 1 - C;
    if (forward) {
        int q = CurText::next(text, length, P);
        if (shifts)
            C += span(P, q);            // the cursor follows its character
        removeRange(P, q);
        length -= q - P;
    } else {
        int q = CurText::prev(text, P);
        bool underMark = !shifts && C == 1;
        if (!shifts)
            C -= span(q, P);
        removeRange(q, P);
        length -= P - q;
        P = q;
        if (P > 0 && C < 1)
            C = 1;
        if (underMark && colsBefore(P, 1) > 1) {
            // The removed character lay under "<", which stays: every
            // cell already shows what it should.
            placeCursor();
            return true;
        }
    }
    fitCursor(length);
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
    case KEY_END:
    case KEY_NPAGE:
        P = length;
        break;
    case KEY_LEFT:
        P = CurText::prev(text, P);
        break;
    case KEY_RIGHT:
        P = CurText::next(text, length, P);
        break;
    case KEY_BACKSPACE:
    case 8:
    case 127:
        if (P > 0) {
            int q = CurText::prev(text, P);
            removeRange(q, P);
            length -= P - q;
            P = q;
        }
        break;
    case KEY_DC:
        if (P < length) {
            int q = CurText::next(text, length, P);
            removeRange(P, q);
            length -= q - P;
        }
        break;
    default: {
        int code = keyCode(key);
        if (code < 0 || !CurText::insertable(code))
            return false;
        length += insertChecked(code, length);
        break;
    }
    }
    fitCursor(length);
    repaint();
    return true;
}

// The key reader keeps a focused hidden field's keys out of the key log.
void CurLineEdit::acceptFocus(bool redraw)
{
    CurInit::setSecretInput(this, window, hidden);
    CurGadget::acceptFocus(redraw);
}

void CurLineEdit::loseFocus(bool redraw)
{
    CurInit::setSecretInput(this, window, false);
    CurGadget::loseFocus(redraw);
}
