// CurCalendarTest.cpp - the calendar and time gadgets: day numbers across
// month, year, century and leap boundaries and at the ends of the range,
// the keys that move the date and the time, and the grid as drawn.
#include "CursesTest.h"

#include <CurCalendar.h>
#include <CurTimeEdit.h>
#include <CurWindow.h>

#include <string>
#include <vector>

struct DateCase {
    int day, month, year;
    long number;                         // -1: not a date
    int weekday;
};

TEST(CurCalendar, DayNumbersAndWeekdaysAcrossBoundaries)
{
    const std::vector<DateCase> cases = {
        {1, 1, 1, 0, 1},                 // a Monday
        {31, 12, 1, 364, 1},
        {1, 1, 2, 365, 2},
        {28, 2, 4, 365 * 3 + 58, 6},
        {29, 2, 4, 365 * 3 + 59, 0},     // year 4 is leap
        {1, 3, 4, 365 * 3 + 60, 1},
        {29, 2, 100, -1, 0},             // centuries are common...
        {29, 2, 400, 145790, 2},         // ...unless divisible by 400
        {1, 3, 1900, 693654, 4},
        {29, 2, 1900, -1, 0},
        {29, 2, 2000, 730178, 2},
        {1, 1, 1970, 719162, 4},
        {31, 12, 2023, 738884, 0},
        {1, 1, 2024, 738885, 1},
        {29, 2, 2023, -1, 0},
        {31, 4, 2024, -1, 0},
        {0, 1, 2024, -1, 0},
        {1, 13, 2024, -1, 0},
        {31, 12, 9999, 3652058, 5},
        {1, 1, 10000, -1, 0},
        {1, 1, 0, -1, 0},
        {1, 1, -2147483647 - 1, -1, 0},
    };
    for (const DateCase& c : cases) {
        std::string what = std::to_string(c.day) + "/" + std::to_string(c.month) + "/" +
                           std::to_string(c.year);
        ASSERT_EQ(c.number >= 0, CurCalendar::isValid(c.day, c.month, c.year)) << what;
        if (c.number < 0)
            continue;
        EXPECT_EQ(c.number, CurCalendar::dayNumber(c.day, c.month, c.year)) << what;
        EXPECT_EQ(c.weekday, CurCalendar::weekday(c.day, c.month, c.year)) << what;
        int d, m, y;
        CurCalendar::fromDayNumber(c.number, &d, &m, &y);
        EXPECT_EQ(c.day * 1000000 + c.month * 10000 + c.year, d * 1000000 + m * 10000 + y) << what;
    }
}

struct MoveCase {
    int day, month, year;
    std::vector<int> keys;
    int expectDay, expectMonth, expectYear;
};

TEST_F(CursesTest, CalendarKeysMoveTheDateAndStopAtTheRange)
{
    const int U = KEY_UP, D = KEY_DOWN, L = KEY_LEFT, R = KEY_RIGHT;
    const std::vector<MoveCase> cases = {
        {31, 12, 2023, {R}, 1, 1, 2024},
        {1, 1, 2024, {L}, 31, 12, 2023},
        {28, 2, 2024, {R}, 29, 2, 2024},
        {28, 2, 2023, {R}, 1, 3, 2023},
        {26, 2, 2024, {D}, 4, 3, 2024},
        {4, 3, 2024, {U}, 26, 2, 2024},
        {31, 1, 2024, {KEY_NPAGE}, 29, 2, 2024},   // the month's last day
        {31, 3, 2023, {KEY_PPAGE}, 28, 2, 2023},
        {15, 12, 2024, {KEY_NPAGE}, 15, 1, 2025},
        {29, 2, 2024, {KEY_END}, 28, 2, 2025},
        {29, 2, 2024, {KEY_HOME, KEY_HOME, KEY_HOME, KEY_HOME}, 28, 2, 2020},
        {1, 1, 1, {L, U, KEY_PPAGE, KEY_HOME}, 1, 1, 1},
        {31, 12, 9999, {R, D, KEY_NPAGE, KEY_END}, 31, 12, 9999},
        {15, 6, 9999, {KEY_END}, 15, 6, 9999},
    };
    CurWindow win(10, 24, 0, 0);
    CurCalendar cal(&win);
    for (const MoveCase& c : cases) {
        ASSERT_TRUE(cal.setDate(c.day, c.month, c.year, false));
        for (int key : c.keys)
            EXPECT_TRUE(cal.processKey(key));
        int d, m, y;
        cal.getDate(&d, &m, &y);
        EXPECT_EQ(c.expectDay * 1000000 + c.expectMonth * 10000 + c.expectYear,
                  d * 1000000 + m * 10000 + y)
            << c.day << "/" << c.month << "/" << c.year << " after " << c.keys.size() << " keys";
    }
    EXPECT_FALSE(cal.setDate(29, 2, 2023, false));
    EXPECT_FALSE(cal.processKey('x'));
}

// December 2026 starts on a Tuesday: with Monday first it leaves one blank.
TEST_F(CursesTest, CalendarDrawsTheMonthFromTheFirstWeekday)
{
    CurWindow win(8, 20, 0, 0);
    CurCalendar cal(&win);
    cal.setToday(24, 12, 2026);
    int changes = 0;
    cal.setChangeCB([&changes] { changes++; });
    ASSERT_TRUE(cal.setDate(7, 12, 2026, false));
    EXPECT_EQ(1, cal.getFirstWeekday());
    cal.draw();
    WINDOW* w = win.getWindow();
    EXPECT_EQ("   December 2026    ", winText(w, 0));
    EXPECT_EQ("Mo Tu We Th Fr Sa Su", winText(w, 1));
    EXPECT_EQ("    1  2  3  4  5  6", winText(w, 2));
    EXPECT_EQ("28 29 30 31         ", winText(w, 6));
    EXPECT_TRUE(winAttrs(w, 3, 0) & A_REVERSE);       // the 7th, chosen
    EXPECT_TRUE(winAttrs(w, 5, 9) & A_BOLD);          // the 24th, today
    cal.setFirstWeekday(0);
    cal.processKey(KEY_RIGHT);
    EXPECT_EQ("Su Mo Tu We Th Fr Sa", winText(w, 1));
    EXPECT_EQ("       1  2  3  4  5", winText(w, 2));
    EXPECT_EQ(1, changes);
}

struct TimeCase {
    std::vector<int> keys;               // from 23:59:58 on the hours
    const char* expect;
};

TEST_F(CursesTest, TimeEditKeysWrapWithinTheFieldAndTypeDigits)
{
    const int U = KEY_UP, D = KEY_DOWN, L = KEY_LEFT, R = KEY_RIGHT;
    const std::vector<TimeCase> cases = {
        {{U}, "00:59:58"},
        {{D}, "22:59:58"},
        {{R, U}, "23:00:58"},
        {{R, R, U, U}, "23:59:00"},
        {{R, R, R, U}, "23:59:59"},                // Right past the last field is left
        {{L, D}, "22:59:58"},
        {{'0', '7'}, "07:59:58"},
        {{'0', '7', '4'}, "07:04:58"},
        {{'3', '5'}, "05:59:58"},                  // 35 hours do not exist
        {{'2', '3', '5', '9', '0', '1'}, "23:59:01"},
        {{R, R, '6', '0'}, "23:59:00"},
    };
    CurWindow win(3, 12, 0, 0);
    for (const TimeCase& c : cases) {
        CurTimeEdit edit(&win);
        ASSERT_TRUE(edit.setTime(23, 59, 58, false));
        for (int key : c.keys)
            edit.processKey(key);
        EXPECT_EQ(std::string("  ") + c.expect + "  ", winText(win.getWindow(), 1))
            << c.keys.size() << " keys, first " << c.keys[0];
    }
    CurTimeEdit edit(&win);
    EXPECT_FALSE(edit.processKey(KEY_LEFT));
    EXPECT_FALSE(edit.setTime(24, 0, 0, false));
    EXPECT_FALSE(edit.setTime(0, 60, 0, false));
    EXPECT_FALSE(edit.setTime(0, 0, -1, false));
}
