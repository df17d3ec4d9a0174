// BoxGauge.cpp - --gauge (box/): a bar fed from standard input. A line is a
// percentage; XXX opens a block whose first line may be a percentage and
// whose other lines become the text, until the next XXX.
#include "Box.h"
#include "BoxOptions.h"

#include <CurGauge.h>

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

// Anything else, and numbers outside 0..100, leave the bar as it was.
static void feed(const BoxOptions& o, int percent)
{
    std::string line, block;
    bool inBlock = false, started = false;
    int value = 0;
    while (readLine(&line)) {
        if (line == "XXX") {
            if (inBlock)
                CurGauge::updateBox(percent, boxText(o, block.c_str()).c_str());
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
    std::string text = boxText(o, call.text);
    CurGauge::openBox(boxInner(call.height, 4), boxInner(call.width, 4), 0, text.c_str(), o.title,
                      percent);
    feed(o, percent);
    CurGauge::closeBox();
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
