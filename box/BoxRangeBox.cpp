// BoxRangeBox.cpp - --rangebox (box/): a value between a minimum and a
// maximum shown on a bar, changed with the arrows; the answer is the value.
#include "BoxDialog.h"

#include <CurGauge.h>

#include <curses.h>
#include <cstdlib>
#include <string>

namespace {

// The bar filled to the value's place in the range, the value above it.
// Right and Down add one, Left and Up take one away, Page Down adds a tenth
// of the range and Page Up takes it away, Home and End go to the ends: the
// keys give the answers the other program's range box gives (its Up
// lowers the value).
class RangeBar : public CurGauge {
public:
    RangeBar(CurWindow* window, long low, long high, long value)
        : CurGauge(window), low(low), high(high), value(value)
    {
        show();
    }
    bool processKey(int key) override
    {
        long step = (high - low + 1) / 10 > 1 ? (high - low + 1) / 10 : 1;
        long next = key == KEY_RIGHT || key == KEY_DOWN ? value + 1
                  : key == KEY_LEFT || key == KEY_UP ? value - 1
                  : key == KEY_NPAGE ? value + step
                  : key == KEY_PPAGE ? value - step
                  : key == KEY_HOME ? low
                  : key == KEY_END ? high : value;
        if (next == value && key != KEY_HOME && key != KEY_END)
            return false;
        value = next < low ? low : next > high ? high : next;
        show();
        draw();
        getWindow()->update();
        return true;
    }
    long get() const { return value; }

private:
    void show()
    {
        std::string text = std::to_string(value) + "  (" + std::to_string(low) + " to " +
                           std::to_string(high) + ")";
        setLabel(text.c_str(), false);
        setPercent(high > low ? (int)((value - low) * 100 / (high - low)) : 100, false);
    }
    long low, high, value;
};

bool readLong(const char* text, long* out)
{
    char* end;
    *out = strtol(text, &end, 10);
    return *text != '\0' && *end == '\0' && *out > -1000000000L && *out < 1000000000L;
}

}  // namespace

bool checkRangeBox(const BoxOptions&, int argc, char** argv, std::string* why)
{
    long low, high, value;
    if (!readLong(argv[3], &low) || !readLong(argv[4], &high) || low > high ||
        (argc > 5 && !readLong(argv[5], &value))) {
        *why = "expected MIN MAX [DEFAULT] as numbers, MIN not above MAX";
        return false;
    }
    return true;
}

BoxStatus runRangeBox(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    long low, high, value = 0;
    readLong(call.argv[3], &low);
    readLong(call.argv[4], &high);
    if (call.argc <= 5 || !readLong(call.argv[5], &value) || value < low || value > high)
        value = low;
    BoxDialog dialog(call, boxText(o, call.text), BoxDialog::OK_CANCEL, 2, 30);
    RangeBar bar(&dialog, low, high, value);
    bar.setGeometry(2, dialog.bodyWidth(), dialog.bodyTop(), dialog.bodyLeft());
    dialog.addBody(&bar);
    BoxStatus status = dialog.run();
    if (status == BOX_OK || status == BOX_EXTRA)
        *call.answer += std::to_string(bar.get());
    return status;
}
