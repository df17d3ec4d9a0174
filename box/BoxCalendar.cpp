// BoxCalendar.cpp - --calendar (box/): a text over a month grid with OK and
// Cancel; the answer is the chosen day as dd/mm/yyyy, or --date-format's.
#include "BoxDialog.h"

#include <CurCalendar.h>

#include <cstdlib>
#include <ctime>

// A day, month or year given as 0 (or not given, or out of range) is
// today's; a day the month lacks is today's day, or the month's last when
// that is missing too.
static void firstDate(const BoxCall& call, int* day, int* month, int* year)
{
    time_t now = time(nullptr);
    struct tm today = {};
    localtime_r(&now, &today);
    int given[3] = {0, 0, 0};
    for (int i = 0; i < 3 && 3 + i < call.argc; i++)
        given[i] = atoi(call.argv[3 + i]);
    *year = given[2] >= 1 && given[2] <= 9999 ? given[2] : today.tm_year + 1900;
    *month = given[1] >= 1 && given[1] <= 12 ? given[1] : today.tm_mon + 1;
    int last = CurCalendar::daysInMonth(*month, *year);
    *day = given[0] >= 1 && given[0] <= last ? given[0] : today.tm_mday;
    if (*day > last)
        *day = last;
}

BoxStatus runCalendar(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    int day, month, year;
    firstDate(call, &day, &month, &year);
    BoxDialog dialog(boxAroundBody(call, 8), boxText(o, call.text), BoxDialog::OK_CANCEL, 8, 20);
    CurCalendar calendar(&dialog);
    calendar.setGeometry(8, dialog.bodyWidth(), dialog.bodyTop(), dialog.bodyLeft());
    calendar.setDate(day, month, year, false);
    calendar.setTabParts(true);         // Tab through the month, the year and the days
    dialog.addBody(&calendar);
    BoxStatus status = dialog.run();
    if (status != BOX_OK && status != BOX_EXTRA)
        return status;
    calendar.getDate(&day, &month, &year);
    if (o.dateFormat == nullptr) {
        char answer[16];
        snprintf(answer, sizeof answer, "%02d/%02d/%04d", day, month, year);
        *call.answer += answer;
        return status;
    }
    struct tm date = {};
    date.tm_mday = day;
    date.tm_mon = month - 1;
    date.tm_year = year - 1900;
    date.tm_wday = CurCalendar::weekday(day, month, year);
    date.tm_yday = (int)(CurCalendar::dayNumber(day, month, year) - CurCalendar::dayNumber(1, 1, year));
    char answer[512];
    size_t n = strftime(answer, sizeof answer, o.dateFormat, &date);
    call.answer->append(answer, n);
    return status;
}
