#ifndef VELMORA_CURCALENDAR_H
#define VELMORA_CURCALENDAR_H
// CurCalendar: a month grid for choosing a date. A header row names the
// month and the year, a row names the days of the week, and six rows hold the
// weeks; the chosen day is highlighted and today is bold. The week starts on
// the locale's first day (Monday in the "C" locale) and the names are the
// locale's. Dates run from 1 January 1 to 31 December 9999 in the Gregorian
// calendar, which is taken back before its introduction.
#include "CurGadget.h"

#include <functional>

class CurCalendar : public CurGadget {
public:
    CurCalendar(CurWindow* window);      // today chosen, focused; keypad mode on for the window
    ~CurCalendar() override;
    CurCalendar(const CurCalendar&) = delete;
    CurCalendar& operator=(const CurCalendar&) = delete;

    // False, the date unchanged, for a day that does not exist (31 April,
    // 29 February of a common year, a year outside 1 to 9999).
    bool setDate(int day, int month, int year, bool redraw);
    void getDate(int* day, int* month, int* year) const; // any pointer may be null
    bool setToday(int day, int month, int year); // the day marked bold; the clock's at first
    void setFirstWeekday(int weekday);   // 0 Sunday to 6 Saturday; the locale's at first
    int  getFirstWeekday() const;
    // Called after every change of the chosen date; either form replaces the other.
    void setChangeCB(void (*callback)(CurCalendar*, void*), void* data);
    void setChangeCB(std::function<void()> callback); // the same, not told which gadget
    void setChangeCB(std::function<void(CurCalendar*)> callback);
    // The month and the year in the header become parts of their own: the
    // focus arrives on the month, Tab goes on to the year and the days and
    // is left to the form there; in the month and the year the arrows step
    // them (Left and Up back). Off at first: the days alone, as below.
    void setTabParts(bool on);

    // Calendar arithmetic on the days of 1..9999: validity, month lengths,
    // a day number (1 January 1 is 0), its date back, and the weekday (0 Sunday).
    static bool isLeap(int year);
    static int  daysInMonth(int month, int year);   // 0 for a month outside 1 to 12
    static bool isValid(int day, int month, int year);
    static long dayNumber(int day, int month, int year);
    static void fromDayNumber(long number, int* day, int* month, int* year);
    static int  weekday(int day, int month, int year);

    // the gadget contract (the keyboard loop is CurGadget's)
    void draw() override;                // header, names, weeks; cursor on the chosen day
    // Left and Right move by a day, Up and Down by a week, Page Up and Page
    // Down by a month, Home and End by a year (a day missing in the new
    // month becomes its last); moves stop at the ends of the range.
    bool processKey(int key) override;
    // A click on a day chooses it; the wheel turns the months.
    bool processMouse(const CurInit::MouseEvent& event) override;
    bool takesTab() const override;      // with setTabParts, before the days
    void acceptFocus(bool redraw) override; // with setTabParts, on the month

private:
    void moveTo(long number);            // chooses the day, calls back, repaints
    void moveMonths(int months);
    int  gridLeft() const;               // the column of the weeks' first day
    void drawHeader();
    void drawNames(int left);
    void drawWeeks(int left);
    void changed();

    int  day, month, year;
    int  todayDay, todayMonth, todayYear;
    int  firstWeekday;
    int  cursorRow, cursorCol;           // where draw left the cursor, within the window
    enum PART : int { MONTH, YEAR, DAYS };
    bool partKey(int key);               // a key in the month or the year; true when taken
    bool tabParts = false;
    PART part = DAYS;
    std::function<void()> changeFunction; // either form, this gadget bound in
};
#endif
