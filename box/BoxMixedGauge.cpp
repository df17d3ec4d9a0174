// BoxMixedGauge.cpp - --mixedgauge (box/): rows of tags with a status each,
// the text and an overall gauge, shown once; the program goes on at once
// and the box stays on the screen.
#include "Box.h"
#include "BoxOptions.h"

#include <CurGauge.h>
#include <CurLabel.h>
#include <CurWindow.h>
#include <curses.h>

#include <cstdlib>
#include <cstring>

// The words of the status numbers; a negative number is a percentage, any
// other text is shown as it is.
static std::string statusWord(const char* status)
{
    static const char* const words[] = {"Succeeded", "Failed",  "Passed",      "Completed",
                                        "Checked",   "Done",    "Skipped",     "In Progress",
                                        "",          "N/A"};
    char* end = nullptr;
    long n = strtol(status, &end, 10);
    if (end == status || *end != '\0')
        return status;
    if (n < 0)
        return std::to_string(n > -1000 ? -n : 999) + "%";
    return n < 10 ? words[n] : status;
}

// "tag   [  word  ]": the word centred in 12 columns; a row of status 8 is blank.
static std::string statusRow(const char* tag, const char* status, int tagColumns)
{
    std::string word = statusWord(status);
    if (word.empty() && strcmp(status, "8") == 0)
        return "";
    int cols = CurLabel::getLongestLine(word.c_str());
    int left = cols < 12 ? (12 - cols) / 2 : 0;
    int right = cols < 12 ? 12 - cols - left : 0;
    int pad = tagColumns - CurLabel::getLongestLine(tag);
    return std::string(tag) + std::string(pad > 0 ? pad : 0, ' ') + "  [" + std::string(left, ' ')
           + word + std::string(right, ' ') + "]";
}

bool checkMixedGauge(const BoxOptions&, int argc, char** argv, std::string* why)
{
    int percent;
    if (argc >= 4 && boxNumber(argv[3], &percent) && (argc - 4) % 2 == 0)
        return true;
    *why = "expected a percentage and pairs of tag and status";
    return false;
}

BoxStatus runMixedGauge(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    int percent = 0;
    std::string why;
    if (!checkMixedGauge(o, call.argc, call.argv, &why) || !boxNumber(call.argv[3], &percent)) {
        *call.error = std::string(call.name) + ": " + why;
        return BOX_ERROR;
    }
    int tagColumns = 0;
    for (int i = 4; i < call.argc; i += 2)
        if (CurLabel::getLongestLine(call.argv[i]) > tagColumns)
            tagColumns = CurLabel::getLongestLine(call.argv[i]);
    std::string rows;
    for (int i = 4; i < call.argc; i += 2)
        rows += (i > 4 ? "\n" : "") + statusRow(call.argv[i], call.argv[i + 1], tagColumns);
    // The rows as laid out above; the text under them wrapped (its blanks
    // kept with --no-collapse).
    std::string text = boxText(o, call.text);
    int rowCount = call.argc > 4 ? CurLabel::getNumLines(rows.c_str()) : 0;
    int width = call.width > 0 ? call.width : CurLabel::getLongestLine(rows.c_str()) + 4;
    int textCols = CurLabel::getLongestLine(text.c_str(), o.noCollapse) + 4;
    if (call.width <= 0 && textCols > width)
        width = textCols < COLS ? textCols : COLS;
    if (width < 30)
        width = 30;
    int height = call.height > 0 ? call.height
                                 : rowCount + 1 + CurLabel::getEffHeight(text.c_str(), width - 4, o.noCollapse) + 4;
    CurWindow window(height, width, -1, -1);
    window.drawFrame();
    if (o.title != nullptr)
        window.setTitle(o.title, CurInit::CENTER);
    int textTop = 1 + rowCount + 1, textRows = window.getHeight() - 4 - rowCount - 1;
    CurLabel label(&window, false);
    label.setGeometry(rowCount < window.getHeight() - 4 ? rowCount : window.getHeight() - 4,
                      window.getWidth() - 4, 1, 2);
    label.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    label.setText(rows.c_str(), false);
    CurLabel textLabel(&window, true);
    textLabel.setGeometry(textRows > 0 ? textRows : 0, window.getWidth() - 4, textTop, 2);
    textLabel.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    textLabel.setKeepBlanks(o.noCollapse, false);
    textLabel.setText(text.c_str(), false);
    CurGauge gauge(&window);
    gauge.setGeometry(1, window.getWidth() - 4, window.getHeight() - 2, 2);
    gauge.setPercent(percent, false);
    if (label.getHeight() > 0)
        label.draw();
    if (textLabel.getHeight() > 0)
        textLabel.draw();
    gauge.draw();
    window.update();
    return BOX_OK;
}
