// BoxTimeBox.cpp - --timebox (box/): a text over hours, minutes and seconds
// with OK and Cancel; the answer is hh:mm:ss, or --time-format's.
#include "BoxDialog.h"

#include <CurTimeEdit.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// The time given, each part missing taken from the clock. False when a
// part given is out of range. A number too large for a long reads as the
// largest long, never as what is left of it after wrapping (4294967297 is
// no hour, not 1); text that is no number reads as 0, as it always has.
static bool firstTime(int argc, char** argv, struct tm* clock)
{
    time_t now = time(nullptr);
    localtime_r(&now, clock);
    int* parts[3] = {&clock->tm_hour, &clock->tm_min, &clock->tm_sec};
    static const int limits[3] = {24, 60, 60};
    for (int i = 0; i < 3 && 3 + i < argc; i++) {
        long v = strtol(argv[3 + i], nullptr, 10);
        if (v < 0 || v >= limits[i])
            return false;
        *parts[i] = (int)v;
    }
    return true;
}

bool checkTimeBox(const BoxOptions&, int argc, char** argv, std::string* why)
{
    struct tm clock;
    if (!firstTime(argc, argv, &clock)) {
        *why = "the time is out of range";
        return false;
    }
    return true;
}

BoxStatus runTimeBox(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    struct tm clock;
    firstTime(call.argc, call.argv, &clock);
    BoxDialog dialog(boxAroundBody(call, 1), boxText(o, call.text), BoxDialog::OK_CANCEL, 1, 8);
    CurTimeEdit time(&dialog);
    time.setGeometry(1, dialog.bodyWidth(), dialog.bodyTop(), dialog.bodyLeft());
    time.setTime(clock.tm_hour, clock.tm_min, clock.tm_sec, false);
    time.setTabFields(true);            // Tab goes through hours, minutes, seconds, then the buttons
    dialog.addBody(&time);
    BoxStatus status = dialog.run();
    if (status != BOX_OK && status != BOX_EXTRA)
        return status;
    time.getTime(&clock.tm_hour, &clock.tm_min, &clock.tm_sec);
    char answer[512];
    size_t n = o.timeFormat != nullptr
                   ? strftime(answer, sizeof answer, o.timeFormat, &clock)
                   : (size_t)snprintf(answer, sizeof answer, "%02d:%02d:%02d", clock.tm_hour,
                                      clock.tm_min, clock.tm_sec);
    call.answer->append(answer, n);
    return status;
}
