// BoxGauge.cpp - --gauge (box/): a bar fed from standard input. A line is a
// percentage; XXX opens a block whose first line may be a percentage and
// whose other lines become the text, until the next XXX.
#include "Box.h"
#include "BoxOptions.h"

#include <CurGauge.h>
#include <CurLabel.h>

#include <cstdio>
#include <cstring>

// A whole line of standard input without its line end; false at the end.
static bool readLine(std::string* line)
{
    line->clear();
    int c;
    while ((c = getchar()) != EOF && c != '\n')
        *line += (char)c;
    if (!line->empty() && line->back() == '\r')
        line->pop_back();
    return c != EOF || !line->empty();
}

static bool percentage(const std::string& line, int* value)
{
    return boxNumber(line.c_str(), value) && *value >= 0 && *value <= 100;
}

namespace {

// The box as opened: an auto-sized one is opened again, larger, for a text
// that needs more columns or lines than it has; it never shrinks.
struct Shown {
    const BoxCall* call;
    int            cols;                 // of the longest line so far
    int            lines;

    void open(const std::string& text, int percent)
    {
        int c = CurLabel::getLongestLine(text.c_str());
        int l = CurLabel::getNumLines(text.c_str());
        cols = c > cols ? c : cols;
        lines = l > lines ? l : lines;
        int height = call->height != 0 ? boxInner(call->height, 4) : -1;
        int width = call->width != 0 ? boxInner(call->width, 4) : cols > 0 ? cols : -1;
        CurGauge::leaveBox();            // the larger box covers it: nothing shows in between
        CurGauge::openBox(height, width, 0, text.c_str(), call->options->title, percent);
    }
    void update(const std::string& text, int percent)
    {
        bool autoSized = call->height == 0 || call->width == 0;
        if (autoSized && (CurLabel::getLongestLine(text.c_str()) > cols ||
                          CurLabel::getNumLines(text.c_str()) > lines))
            open(text, percent);
        else
            CurGauge::updateBox(percent, text.c_str());
    }
};

}  // namespace

// Anything else, and numbers outside 0..100, leave the bar as it was.
static void feed(const BoxOptions& o, int percent, Shown* shown)
{
    std::string line, block;
    bool inBlock = false, started = false;
    int value = 0;
    while (readLine(&line)) {
        if (line == "XXX") {
            if (inBlock)
                shown->update(boxText(o, block.c_str()), percent);
            inBlock = !inBlock;
            started = false;
            block.clear();
        } else if (inBlock && !started && percentage(line, &value)) {
            percent = value;
            started = true;
        } else if (inBlock) {
            block += (started && !block.empty() ? "\n" : "") + line;
            started = true;
        } else if (percentage(line, &value)) {
            percent = value;
            CurGauge::updateBox(percent, nullptr);
        }
    }
}

BoxStatus runGauge(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    int percent = 0;
    if (call.argc > 3)
        boxNumber(call.argv[3], &percent);
    Shown shown{&call, 0, 0};
    shown.open(boxText(o, call.text), percent);
    feed(o, percent, &shown);
    CurGauge::leaveBox();                // the last image stays, as a script's user saw it
    return BOX_OK;
}

bool checkGauge(const BoxOptions&, int argc, char** argv, std::string* why)
{
    int percent = 0;
    if (argc > 3 && (!boxNumber(argv[3], &percent) || percent < 0 || percent > 100)) {
        *why = std::string("bad percentage: ") + argv[3];
        return false;
    }
    return true;
}
