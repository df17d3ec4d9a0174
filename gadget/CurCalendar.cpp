// CurCalendar.cpp - the calendar gadget (gadget/): the date arithmetic on day
// numbers, the month grid with the locale's names, and the keys that move the
// chosen day by days, weeks, months and years.
#include "CurCalendar.h"
#include "CurCallback.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <langinfo.h>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <utility>

static const int GRID_WIDTH = 20;        // seven days of two columns and a blank between
static const long LAST_DAY = 3652058;    // the day number of 31 December 9999

bool CurCalendar::isLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int CurCalendar::daysInMonth(int month, int year)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeap(year) ? 29 : days[month - 1];
}

bool CurCalendar::isValid(int day, int month, int year)
{
    return year >= 1 && year <= 9999 && day >= 1 && day <= daysInMonth(month, year);
}

// Counted in eras of 400 years (146,097 days) from 1 March of year 0, so
// that the leap day ends its year; 1 January 1 lies 306 days later. Valid
// dates only: the callers check.
long CurCalendar::dayNumber(int day, int month, int year)
{
    long y = year - (month <= 2 ? 1 : 0);
    long era = y / 400;
    long yearOfEra = y - era * 400;
    long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 306;
}

void CurCalendar::fromDayNumber(long number, int* dayOut, int* monthOut, int* yearOut)
{
    long z = number + 306;
    long era = z / 146097;
    long dayOfEra = z - era * 146097;
    long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long mp = (5 * dayOfYear + 2) / 153;
    int m = (int)(mp < 10 ? mp + 3 : mp - 9);
    if (dayOut != nullptr)
        *dayOut = (int)(dayOfYear - (153 * mp + 2) / 5 + 1);
    if (monthOut != nullptr)
        *monthOut = m;
    if (yearOut != nullptr)
        *yearOut = (int)(yearOfEra + era * 400 + (m <= 2 ? 1 : 0));
}

// 1 January 1 was a Monday.
int CurCalendar::weekday(int d, int m, int y)
{
    return (int)((dayNumber(d, m, y) + 1) % 7);
}

// The locale's first day of the week where the C library tells it (as a
// day of the week counted from a reference day); Monday in the "C" and
// "POSIX" locales, whose tables say Sunday only for want of a choice.
static int localeFirstWeekday()
{
    const char* name = setlocale(LC_TIME, nullptr);
    if (name == nullptr || strcmp(name, "C") == 0 || strcmp(name, "POSIX") == 0 ||
        strncmp(name, "C.", 2) == 0)
        return 1;
#ifdef _NL_TIME_FIRST_WEEKDAY
    long reference = (long)(intptr_t)nl_langinfo(_NL_TIME_WEEK_1STDAY);
    int first = *nl_langinfo(_NL_TIME_FIRST_WEEKDAY);
    int d = (int)(reference % 100), m = (int)(reference / 100 % 100), y = (int)(reference / 10000);
    if (first >= 1 && first <= 7 && CurCalendar::isValid(d, m, y))
        return (CurCalendar::weekday(d, m, y) + first - 1) % 7;
#endif
    return 1;
}

CurCalendar::CurCalendar(CurWindow* window)
    : CurGadget(window), day(1), month(1), year(1970), todayDay(1), todayMonth(1),
      todayYear(1970), firstWeekday(localeFirstWeekday()), cursorRow(0),
      cursorCol(0)
{
    time_t now = time(nullptr);
    struct tm local;
    if (localtime_r(&now, &local) != nullptr)
        setToday(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
    day = todayDay;
    month = todayMonth;
    year = todayYear;
    showFocus(true);
    // Each switch resends the terminal's keypad string: only when it is off.
    if (this->window->getWindow() != nullptr && !is_keypad(this->window->getWindow()))
        keypad(this->window->getWindow(), TRUE);
}

CurCalendar::~CurCalendar()
{
}

bool CurCalendar::setDate(int d, int m, int y, bool redraw)
{
    if (!isValid(d, m, y))
        return false;
    day = d;
    month = m;
    year = y;
    if (redraw)
        draw();
    return true;
}

void CurCalendar::getDate(int* d, int* m, int* y) const
{
    if (d != nullptr)
        *d = day;
    if (m != nullptr)
        *m = month;
    if (y != nullptr)
        *y = year;
}

bool CurCalendar::setToday(int d, int m, int y)
{
    if (!isValid(d, m, y))
        return false;
    todayDay = d;
    todayMonth = m;
    todayYear = y;
    return true;
}

void CurCalendar::setFirstWeekday(int weekday)
{
    if (weekday >= 0 && weekday <= 6)
        firstWeekday = weekday;
}

int CurCalendar::getFirstWeekday() const
{
    return firstWeekday;
}

void CurCalendar::setChangeCB(void (*callback)(CurCalendar*, void*), void* data)
{
    if (callback == nullptr)
        changeFunction = nullptr;
    else
        changeFunction = [this, callback, data] { callback(this, data); };
}

void CurCalendar::setChangeCB(std::function<void()> callback)
{
    changeFunction = std::move(callback);
}

void CurCalendar::setChangeCB(std::function<void(CurCalendar*)> callback)
{
    if (!callback)
        changeFunction = nullptr;
    else
        changeFunction = [this, callback] { callback(this); };
}

void CurCalendar::changed()
{
    CurCallback::call(changeFunction);
}

// The grid is centred in the gadget's width; a narrower gadget cuts it at
// its right edge, a lower one at its bottom.
int CurCalendar::gridLeft() const
{
    return x + (width > GRID_WIDTH ? (width - GRID_WIDTH) / 2 : 0);
}

void CurCalendar::draw()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr || width < 1 || height < 1)
        return;
    int left = gridLeft();
    cursorRow = y;
    cursorCol = x;
    drawNames(left);
    drawWeeks(left);
    drawHeader();                       // last: the cursor goes there with the focus on a part
    wmove(w, cursorRow, cursorCol);
}

// Texts are cut at the gadget's right edge and never drawn below its rows.
static void put(WINDOW* w, int row, int col, const char* s, int cols, int attr)
{
    if (cols > 0)
        CurText::draw(w, row, col, s, (int)strlen(s), cols, attr);
}

// The month's name and the year; with the focus in one of them, that one
// in the focused highlight and the cursor on it.
void CurCalendar::drawHeader()
{
    WINDOW* w = window->getWindow();
    char text[160];
    snprintf(text, sizeof text, "%.120s %d", nl_langinfo((nl_item)(MON_1 + month - 1)), year);
    int cols = CurText::columns(text);
    int start = cols < width ? x + (width - cols) / 2 : x;
    int heading = CurInit::getThemeAttr(CurInit::THEME_CALENDAR_HEADING);
    CurText::blank(w, y, x, width, 0);
    put(w, y, start, text, x + width - start, heading);
    if (!focused || part == DAYS)
        return;
    int yearCols = (int)strlen(strrchr(text, ' ') + 1);
    int at = part == MONTH ? start : start + cols - yearCols;
    int len = part == MONTH ? (int)(strrchr(text, ' ') - text) : yearCols;
    int attr = CurInit::mixAttr(heading, CurInit::getThemeAttr(CurInit::THEME_CURRENT_LINE_FOCUSED));
    if (at < x + width)
        CurText::draw(w, y, at, part == MONTH ? text : strrchr(text, ' ') + 1, len, x + width - at, attr);
    cursorRow = y;
    cursorCol = at < x + width ? at : x + width - 1;
}

void CurCalendar::setTabParts(bool on)
{
    tabParts = on;
    part = on && focused ? MONTH : DAYS;
}

bool CurCalendar::takesTab() const
{
    return tabParts && part != DAYS;
}

void CurCalendar::acceptFocus(bool redraw)
{
    if (tabParts)
        part = MONTH;
    CurGadget::acceptFocus(redraw);
}

bool CurCalendar::partKey(int key)
{
    int step = part == YEAR ? 12 : 1;
    switch (key) {
    case 9:
        part = (PART)(part + 1);
        draw();
        return true;
    case KEY_LEFT:
    case KEY_UP:
        moveMonths(-step);
        return true;
    case KEY_RIGHT:
    case KEY_DOWN:
        moveMonths(step);
        return true;
    default:
        return false;
    }
}

// Each name is cut to the two columns of its day's numbers.
void CurCalendar::drawNames(int left)
{
    WINDOW* w = window->getWindow();
    if (height < 2)
        return;
    CurText::blank(w, y + 1, x, width, 0);
    for (int i = 0; i < 7; i++) {
        int col = left + 3 * i;
        const char* name = nl_langinfo((nl_item)(ABDAY_1 + (firstWeekday + i) % 7));
        int len = CurText::cut(name, (int)strlen(name), 2);
        if (col < x + width)
            CurText::draw(w, y + 1, col, name, len, x + width - col < 2 ? x + width - col : 2, 0);
    }
}

void CurCalendar::drawWeeks(int left)
{
    WINDOW* w = window->getWindow();
    int offset = (weekday(1, month, year) - firstWeekday + 7) % 7;
    int days = daysInMonth(month, year);
    for (int row = 0; row < 6 && row + 2 < height; row++)
        CurText::blank(w, y + 2 + row, x, width, 0);
    for (int d = 1; d <= days; d++) {
        int cell = offset + d - 1;
        int row = y + 2 + cell / 7, col = left + 3 * (cell % 7);
        if (row >= y + height || col >= x + width)
            continue;
        int attr = 0;
        if (d == todayDay && month == todayMonth && year == todayYear)
            attr = CurInit::getThemeAttr(CurInit::THEME_CALENDAR_HEADING);
        if (d == day)
            attr = CurInit::mixAttr(attr, CurInit::getThemeAttr(
                focused ? CurInit::THEME_CURRENT_LINE_FOCUSED : CurInit::THEME_CURRENT_LINE));
        char number[12];
        snprintf(number, sizeof number, "%2d", d);
        put(w, row, col, number, x + width - col < 2 ? x + width - col : 2, attr);
        if (d == day) {
            cursorRow = row;
            cursorCol = col;
        }
    }
}

// The weeks' rows start two rows down; each day is two columns and a blank.
bool CurCalendar::processMouse(const CurInit::MouseEvent& event)
{
    if (event.button == CurInit::WHEEL_UP || event.button == CurInit::WHEEL_DOWN) {
        moveMonths(event.button == CurInit::WHEEL_UP ? -1 : 1);
        return true;
    }
    if (event.button != CurInit::MOUSE_LEFT)
        return false;
    if (event.action != CurInit::MOUSE_CLICK && event.action != CurInit::MOUSE_DOUBLE_CLICK)
        return true;
    int row = event.row - (y + 2), col = event.column - gridLeft();
    if (row < 0 || row >= 6 || row + 2 >= height || col < 0 || col >= GRID_WIDTH || col % 3 == 2)
        return true;
    int offset = (weekday(1, month, year) - firstWeekday + 7) % 7;
    int d = row * 7 + col / 3 - offset + 1;
    if (d >= 1 && d <= daysInMonth(month, year))
        moveTo(dayNumber(d, month, year));
    return true;
}

void CurCalendar::moveTo(long number)
{
    if (number < 0)
        number = 0;
    if (number > LAST_DAY)
        number = LAST_DAY;
    int d, m, yr;
    fromDayNumber(number, &d, &m, &yr);
    bool change = d != day || m != month || yr != year;
    day = d;
    month = m;
    year = yr;
    draw();
    window->update();
    if (change)
        changed();
}

// A day the new month lacks (31 March to February) becomes its last; a
// month outside the range leaves the date as it is.
void CurCalendar::moveMonths(int months)
{
    long index = (long)year * 12 + (month - 1) + months;
    if (index < 12 || index > 9999L * 12 + 11)
        return;
    int m = (int)(index % 12) + 1, yr = (int)(index / 12);
    int d = day > daysInMonth(m, yr) ? daysInMonth(m, yr) : day;
    moveTo(dayNumber(d, m, yr));
}

bool CurCalendar::processKey(int key)
{
    if (part != DAYS)
        return partKey(key);
    long now = dayNumber(day, month, year);
    switch (key) {
    case KEY_LEFT:  moveTo(now - 1); break;
    case KEY_RIGHT: moveTo(now + 1); break;
    case KEY_UP:    moveTo(now - 7); break;
    case KEY_DOWN:  moveTo(now + 7); break;
    case KEY_PPAGE: moveMonths(-1); break;
    case KEY_NPAGE: moveMonths(1); break;
    case KEY_HOME:  moveMonths(-12); break;
    case KEY_END:   moveMonths(12); break;
    default:
        return false;
    }
    return true;
}
