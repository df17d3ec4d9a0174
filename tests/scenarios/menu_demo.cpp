// menu_demo.cpp - screen scenario for menus. "bar" (the default): a menu
// bar on row 0 over a framed window with a line editor, in a focuser whose
// Enter ends it; "own": the same bar in its own loop; "popup [count]
// [wide]": a pop-up of count items (default 4) at row 3, column 10. Reports
// chosen=<item> from the callbacks, wrap=<0|1>, text=<editor text> and
// popup=<index returned>.
#include "ScenarioResult.h"

#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLineEdit.h>
#include <CurMenu.h>
#include <CurMenuBar.h>
#include <CurWindow.h>

#include <curses.h>
#include <cstdlib>
#include <cstring>
#include <string>

static CurMenuBar* bar;
static CurFocuser* form;

static void chosenCB(void* data)
{
    scenarioResult("chosen", (const char*)data);
}

static void stopCB(void*)
{
    scenarioResult("chosen", "exit");
    form->stopKbdLoop();
    bar->stopKbdLoop();
}

static int runBar(bool own)
{
    CurMenu file, edit, help;
    file.addItem("&New", "Ctrl-N", chosenCB, (void*)"new");
    file.addItem("&Open...", nullptr, chosenCB, (void*)"open");
    file.addSeparator();
    int print = file.addItem("&Print", nullptr, chosenCB, (void*)"print");
    file.setEnabled(print, false);
    int wrap = file.addCheckItem("&Wrap lines", nullptr, false, chosenCB, (void*)"wrap");
    file.addItem("E&xit", "Ctrl-Q", stopCB, nullptr);
    edit.addItem("&Copy", "Ctrl-C", [] { scenarioResult("chosen", "copy"); });
    edit.addItem("&Paste", "Ctrl-V", [] { scenarioResult("chosen", "paste"); });
    help.addItem("&About", nullptr, chosenCB, (void*)"about");

    CurWindow win(8, 40, 2, 4);
    win.setTitle("Notes", CurInit::CENTER);
    CurLineEdit editor(&win);
    editor.setGeometry(1, 30, 2, 2);
    CurFocuser focuser;
    focuser.addGadget(&editor);
    focuser.setEnterCB([](void* f) { ((CurFocuser*)f)->stopKbdLoop(); }, &focuser);
    CurMenuBar menuBar(0);
    menuBar.addMenu("&File", &file);
    menuBar.addMenu("&Edit", &edit);
    menuBar.addMenu("&Help", &help);
    menuBar.setOpenKey(CurInit::ALT + 'm');
    bar = &menuBar;
    form = &focuser;
    CurInit::refreshAllWindows();
    if (own) {
        menuBar.kbdLoop();
    } else {
        menuBar.attach(&focuser);
        focuser.kbdLoop();
    }
    scenarioResult("wrap", file.isChecked(wrap) ? 1 : 0);
    scenarioResult("text", editor.getText());
    return 0;
}

// Items named A0, A1, ... with hot keys; two share b; wide ones are 300
// columns of x with a hint; accented, the fourth item's hot key is é.
static int runPopup(int count, bool wide, bool accent)
{
    CurWindow back(CurInit::height, CurInit::width, 0, 0);
    for (int row = 0; row < CurInit::height; row++)
        mvwprintw(back.getWindow(), row, 0, "%s", std::string(CurInit::width, '.').c_str());
    back.update();
    CurMenu menu;
    for (int i = 0; i < count; i++) {
        std::string text = i == 1 || i == 2 ? "&b item " + std::to_string(i)
                                            : "&A" + std::to_string(i);
        if (wide)
            text += std::string(300, 'x');
        if (accent && i == 3)
            text = "&\xc3\xa9" + std::to_string(i);
        menu.addItem(text, wide ? "Ctrl-W" : "", nullptr);
    }
    scenarioResult("popup", menu.popup(3, 10));
    return 0;
}

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "bar";
    CurInit::initialize();
    int status = 0;
    if (strcmp(mode, "popup") == 0)
        status = runPopup(argc > 2 ? atoi(argv[2]) : 4, argc > 3 && strcmp(argv[3], "wide") == 0,
                          argc > 3 && strcmp(argv[3], "accent") == 0);
    else
        status = runBar(strcmp(mode, "own") == 0);
    CurInit::cleanup();
    return status;
}
