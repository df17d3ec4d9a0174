// BoxGauge.cpp - --gauge (box/): a bar fed from standard input. A line is a
// percentage; XXX opens a block whose first line may be a percentage and
// whose other lines become the text, until the next XXX.
#include "Box.h"
#include "BoxOptions.h"

#include <CurGauge.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurWindow.h>
#include <curses.h>

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

// The library's gauge box; with --no-collapse one drawn here in the same
// layout (frame, text, a blank row, the bar), whose text keeps its blanks.
class GaugeBox {
public:
    explicit GaugeBox(bool keepBlanks) : keep(keepBlanks) {}
    ~GaugeBox() { leave(); }
    GaugeBox(const GaugeBox&) = delete;
    GaugeBox& operator=(const GaugeBox&) = delete;

    // Sizes as CurGauge::openBox takes them: -1 fits the text.
    void open(int height, int width, const char* text, const char* title, int percent)
    {
        leave();
        if (!keep) {
            CurGauge::openBox(height, width, 0, text, title, percent);
            return;
        }
        int cols = width >= 0 ? width : CurLabel::getLongestLine(text, true);
        cols = (cols < 20 ? 20 : cols) + 4 < COLS ? (cols < 20 ? 20 : cols) + 4 : COLS;
        int rows = height >= 0 ? height : CurLabel::getEffHeight(text, cols - 4, true);
        rows = rows + 4 < LINES ? rows + 4 : LINES;
        window = new CurWindow(rows, cols, -1, -1);
        if (title != nullptr)
            window->setTitle(title, CurInit::CENTER);
        label = new CurLabel(window, true);
        label->setGeometry(rows - 4 > 0 ? rows - 4 : 0, cols - 4, 1, 2);
        label->setAlignment(CurInit::LEFT, CurInit::TOP, false);
        label->setKeepBlanks(true, false);
        gauge = new CurGauge(window);
        gauge->setGeometry(1, cols - 4, rows - 2, 2);
        update(percent, text);
    }
    void update(int percent, const char* text)       // a null text keeps the old one
    {
        if (!keep) {
            CurGauge::updateBox(percent, text);
            return;
        }
        if (window == nullptr)
            return;
        gauge->setPercent(percent, false);
        if (text != nullptr)
            label->setText(text, false);
        window->erase();
        window->drawFrame();
        if (label->getHeight() > 0)
            label->draw();
        window->drawFrame();
        gauge->draw();
        window->update();
    }
    // Gone from the program; its image stays on the terminal.
    void leave()
    {
        if (!keep) {
            CurGauge::leaveBox();
            return;
        }
        delete label;
        delete gauge;
        delete window;
        label = nullptr;
        gauge = nullptr;
        window = nullptr;
    }

private:
    bool       keep;
    CurWindow* window = nullptr;
    CurLabel*  label = nullptr;
    CurGauge*  gauge = nullptr;
};

// The box as opened: an auto-sized one is opened again, larger, for a text
// that needs more columns or lines than it has; it never shrinks.
struct Shown {
    const BoxCall* call;
    GaugeBox*      box;
    int            cols;                 // of the longest line so far
    int            lines;

    void open(const std::string& text, int percent)
    {
        bool keep = call->options->noCollapse;
        int c = CurLabel::getLongestLine(text.c_str(), keep);
        int l = CurLabel::getNumLines(text.c_str());
        cols = c > cols ? c : cols;
        lines = l > lines ? l : lines;
        int height = call->height != 0 ? boxInner(call->height, 4) : -1;
        int width = call->width != 0 ? boxInner(call->width, 4) : cols > 0 ? cols : -1;
        // the larger box covers the old one: nothing shows in between
        box->open(height, width, text.c_str(), call->options->title, percent);
    }
    void update(const std::string& text, int percent)
    {
        bool autoSized = call->height == 0 || call->width == 0;
        bool keep = call->options->noCollapse;
        if (autoSized && (CurLabel::getLongestLine(text.c_str(), keep) > cols ||
                          CurLabel::getNumLines(text.c_str()) > lines))
            open(text, percent);
        else
            box->update(percent, text.c_str());
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
            shown->box->update(percent, nullptr);
        }
    }
}

BoxStatus runGauge(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    int percent = 0;
    if (call.argc > 3)
        boxNumber(call.argv[3], &percent);
    GaugeBox box(o.noCollapse);          // the last image stays, as a script's user saw it
    Shown shown{&call, &box, 0, 0};
    shown.open(boxText(o, call.text), percent);
    feed(o, percent, &shown);
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
