// more_boxes.cpp - a screen-test scenario for the gauge, the input box and
// the viewer, named by the first argument:
//   gauge P        a labelled gauge at P percent at row 1, column 1; any key ends
//   gaugebox       the gauge box at 30 %, after a key at 70 % with a new text,
//                  after another key closed; then "Back" and a key ends
//   input SIZE H   the input box over a buffer of SIZE bytes holding "Bob"
//                  (hidden when H is "hidden"); reports "answer" and "text"
//   viewer PATH W  a 12 x 40 viewer of the file (wrapped when W is "wrap")
//                  in its own keyboard loop; Enter ends and reports "top"
#include "CurGauge.h"
#include "CurInit.h"
#include "CurTDialog.h"
#include "CurViewer.h"
#include "CurWindow.h"
#include "ScenarioResult.h"

#include <curses.h>
#include <cstdlib>
#include <cstring>
#include <string>

static void gauge(int percent)
{
    CurWindow window(4, 30, 0, 0);
    CurGauge g(&window);
    g.setGeometry(2, 20, 1, 1);
    g.setLabel("Copying", false);
    g.setPercent(percent, false);
    g.draw();
    window.update();
    scenarioResult("percent", g.getPercent());
    window.getChar();
}

static void gaugeBox()
{
    refresh();                          // getch would refresh the standard screen over the box
    CurGauge::openBox(-1, -1, 0, "Working on it", "Progress", 30);
    getch();
    CurGauge::updateBox(70, "Almost done");
    getch();
    CurGauge::closeBox();
    mvaddstr(0, 0, "Back");
    refresh();
    getch();
}

static void input(int size, bool hidden)
{
    char buffer[64] = "Bob";
    scenarioResult("answer", CurTDialog::showInput(-1, -1, 0, "Your name?", "Input",
                                                  buffer, size, hidden));
    scenarioResult("text", buffer);
}

static void viewer(const char* path, bool wrap)
{
    CurWindow window(12, 40, 0, 0);
    CurViewer v(&window);
    scenarioResult("opened", v.openFile(path) ? 1 : 0);
    v.setWrap(wrap);
    v.draw();
    window.update();
    v.kbdLoop();
    scenarioResult("top", (long)v.getTop());
}

int main(int argc, char** argv)
{
    std::string name = argc > 1 ? argv[1] : "";
    CurInit::initialize();
    if (name == "gauge" && argc > 2)
        gauge(atoi(argv[2]));
    else if (name == "gaugebox")
        gaugeBox();
    else if (name == "input" && argc > 3)
        input(atoi(argv[2]), strcmp(argv[3], "hidden") == 0);
    else if (name == "viewer" && argc > 3)
        viewer(argv[2], strcmp(argv[3], "wrap") == 0);
    CurInit::cleanup();
    return 0;
}
