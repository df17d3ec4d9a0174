// dialog_boxes.cpp - a screen-test scenario: one message or question box,
// named by the first argument, over a background that must come back once
// the box is gone. Reports "answer" (questions) or "returned" (messages),
// then shows "Back" and waits for one more key before it ends.
#include "CurInit.h"
#include "CurTDialog.h"
#include "CurWindow.h"
#include "ScenarioResult.h"

#include <curses.h>
#include <cstring>
#include <string>

static const char DETECTION[] =
    "We're now trying to use settings for terminal \"xterm\". You should see a "
    "centered rectangular window with border, title and two buttons at the "
    "bottom.\n\nDoes the screen look like described above?\n"
    "Use arrow keys and <TAB> to navigate.";

static std::string manyLines(int count)
{
    std::string text;
    for (int i = 1; i <= count; i++)
        text += "line " + std::to_string(i) + (i < count ? "\n" : "");
    return text;
}

static void message(int th, int tw, const char* text, const char* title)
{
    CurTDialog::showMessage(th, tw, 0, text, title);
    scenarioResult("returned", 1);
}

static void question(int th, int tw, int attr, const char* text, const char* title,
                     const char* yes, const char* no, bool defaultYes)
{
    scenarioResult("answer", CurTDialog::showQuestion(th, tw, attr, text, title, yes, no,
                                                      defaultYes) ? 1 : 0);
}

static bool run(const std::string& name)
{
    if (name == "message")
        message(-1, -1, "Short text\nTwenty one characters", "Note");
    else if (name == "leading")
        message(-1, -1, "   Leading blanks are not counted", nullptr);
    else if (name == "trailing")
        message(-1, -1, "Trailing blanks count   \n\n\n   end", nullptr);
    else if (name == "given")
        message(3, 30, "Both sizes given", "Given");
    else if (name == "height")
        message(-1, 10, "one two three four five", nullptr);
    else if (name == "width")
        message(2, -1, "abc def\nxyz", nullptr);
    else if (name == "wide") {
        std::string text = "line 1\nline 2\n";
        for (int i = 0; i < 30; i++)
            text += "word ";
        message(-1, 200, text.c_str(), "Wide");
    }
    else if (name == "tall")
        message(-1, -1, manyLines(40).c_str(), "Tall");
    else if (name == "null") {
        CurTDialog::showMessage(-1, -1, 0, nullptr, nullptr);
        question(-1, -1, 0, nullptr, nullptr, nullptr, nullptr, true);
    } else if (name == "no")
        question(-1, -1, 0, "Proceed with the plan?", "Question", nullptr, nullptr, false);
    else if (name == "yes")
        question(-1, -1, 0, "Proceed with the plan?", "Question", nullptr, nullptr, true);
    else if (name == "narrow")
        question(-1, -1, 0, "Hi", nullptr, "Absolutely", "Not at all", true);
    else if (name == "detection") {
        int attr = CurInit::pairToAttr(CurInit::addColorPair(CurInit::white, CurInit::blue));
        question(-1, 44, attr, DETECTION, "Terminal detection", "Yes", "No", false);
    } else
        return false;
    return true;
}

int main(int argc, char** argv)
{
    CurInit::initialize();
    CurInit::clearScreen(0, '.');
    int rc = 0;
    {
        // Something beneath the box that must be repainted after it.
        CurWindow under(5, 40, 9, 20);
        under.setTitle("Beneath", CurInit::CENTER);
        mvwaddstr(under.getWindow(), 2, 2, "This window lies under the box.");
        under.update();
        if (argc < 2 || !run(argv[1]))
            rc = 2;
        mvwaddstr(stdscr, 0, 0, "Back");
        wrefresh(stdscr);
        wgetch(stdscr);
    }
    CurInit::cleanup();
    return rc;
}
