// CurTimeEdit.cpp - the time gadget (gadget/): three two-digit fields, the
// keys that step and type them, and their drawing.
#include "CurTimeEdit.h"
#include "CurCallback.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <cstdio>
#include <utility>

static const int LIMITS[3] = {24, 60, 60};   // each field runs from 0 below its limit
static const int TIME_WIDTH = 8;             // "hh:mm:ss"

CurTimeEdit::CurTimeEdit(CurWindow* window)
    : CurGadget(window), values{0, 0, 0}, field(HOURS), typed(false)
{
    showFocus(true);
    // Each switch resends the terminal's keypad string: only when it is off.
    if (this->window->getWindow() != nullptr && !is_keypad(this->window->getWindow()))
        keypad(this->window->getWindow(), TRUE);
}

CurTimeEdit::~CurTimeEdit()
{
}

bool CurTimeEdit::setTime(int hours, int minutes, int seconds, bool redraw)
{
    int given[3] = {hours, minutes, seconds};
    for (int i = 0; i < 3; i++)
        if (given[i] < 0 || given[i] >= LIMITS[i])
            return false;
    for (int i = 0; i < 3; i++)
        values[i] = given[i];
    typed = false;
    if (redraw)
        draw();
    return true;
}

void CurTimeEdit::getTime(int* hours, int* minutes, int* seconds) const
{
    if (hours != nullptr)
        *hours = values[HOURS];
    if (minutes != nullptr)
        *minutes = values[MINUTES];
    if (seconds != nullptr)
        *seconds = values[SECONDS];
}

void CurTimeEdit::setField(FIELD f, bool redraw)
{
    if (f < HOURS || f > SECONDS)
        return;
    field = f;
    typed = false;
    if (redraw)
        draw();
}

CurTimeEdit::FIELD CurTimeEdit::getField() const
{
    return field;
}

void CurTimeEdit::setChangeCB(void (*callback)(CurTimeEdit*, void*), void* data)
{
    if (callback == nullptr)
        changeFunction = nullptr;
    else
        changeFunction = [this, callback, data] { callback(this, data); };
}

void CurTimeEdit::setChangeCB(std::function<void()> callback)
{
    changeFunction = std::move(callback);
}

void CurTimeEdit::setChangeCB(std::function<void(CurTimeEdit*)> callback)
{
    if (!callback)
        changeFunction = nullptr;
    else
        changeFunction = [this, callback] { callback(this); };
}

void CurTimeEdit::changed()
{
    CurCallback::call(changeFunction);
}

int CurTimeEdit::left() const
{
    return x + (width > TIME_WIDTH ? (width - TIME_WIDTH) / 2 : 0);
}

// The current field is highlighted while the gadget has the focus; the
// cursor stands on its first digit, cut to the gadget's width.
void CurTimeEdit::draw()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr || width < 1 || height < 1)
        return;
    int row = y + height / 2;
    CurText::blank(w, row, x, width, 0);
    int col = left();
    for (int i = 0; i < 3; i++) {
        char text[12];
        snprintf(text, sizeof text, i < 2 ? "%02d:" : "%02d", values[i]);
        int room = x + width - (col + 3 * i);
        if (room <= 0)
            break;
        int attr = i != field ? 0 : CurInit::getThemeAttr(focused ? CurInit::THEME_LINE_EDIT_FOCUSED
                                                              : CurInit::THEME_LINE_EDIT);
        CurText::draw(w, row, col + 3 * i, text, 2, room < 2 ? room : 2, attr);
        if (i < 2 && room > 2)
            CurText::draw(w, row, col + 3 * i + 2, ":", 1, 1, 0);
    }
    int cursor = col + 3 * field;
    wmove(w, row, cursor < x + width ? cursor : x + width - 1);
}

// Each field is two columns; its colon counts with it.
bool CurTimeEdit::processMouse(const CurInit::MouseEvent& event)
{
    if (event.button == CurInit::WHEEL_UP || event.button == CurInit::WHEEL_DOWN) {
        step(event.button == CurInit::WHEEL_UP ? 1 : -1);
        return true;
    }
    if (event.button != CurInit::MOUSE_LEFT)
        return false;
    int col = event.column - left();
    if ((event.action == CurInit::MOUSE_CLICK || event.action == CurInit::MOUSE_DOUBLE_CLICK) &&
        event.row == y + height / 2 && col >= 0 && col < 8) {
        field = (FIELD)(col / 3);
        typed = false;
        repaint();
    }
    return true;
}

void CurTimeEdit::repaint()
{
    draw();
    window->update();
}

void CurTimeEdit::step(int by)
{
    int limit = LIMITS[field];
    values[field] = (values[field] + by + limit) % limit;
    typed = false;
    repaint();
    changed();
}

// "7" in the hours gives 07; "2" then "3" gives 23 and moves to the
// minutes; "3" then "5" gives 03, then 05, since 35 hours do not exist.
void CurTimeEdit::typeDigit(int digit)
{
    int joined = values[field] * 10 + digit;
    bool join = typed && joined < LIMITS[field];
    values[field] = join ? joined : digit;
    typed = !join;
    if (join && field < SECONDS)
        field = (FIELD)(field + 1);
    repaint();
    changed();
}

bool CurTimeEdit::processKey(int key)
{
    switch (key) {
    case KEY_UP:
        step(1);
        return true;
    case KEY_DOWN:
        step(-1);
        return true;
    case 9:
        if (!takesTab())
            return false;
        [[fallthrough]];
    case KEY_LEFT:
    case KEY_RIGHT: {
        int next = field + (key == KEY_LEFT ? -1 : 1);
        if (next < HOURS || next > SECONDS)
            return false;
        field = (FIELD)next;
        typed = false;
        repaint();
        return true;
    }
    default:
        if (key < '0' || key > '9')
            return false;
        typeDigit(key - '0');
        return true;
    }
}

void CurTimeEdit::setTabFields(bool on)
{
    tabFields = on;
}

bool CurTimeEdit::takesTab() const
{
    return tabFields && field < SECONDS;
}

void CurTimeEdit::acceptFocus(bool redraw)
{
    if (tabFields)
        field = HOURS;
    typed = false;
    CurGadget::acceptFocus(redraw);
}
