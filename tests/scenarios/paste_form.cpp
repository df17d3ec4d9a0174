// paste_form.cpp - screen scenario for pasted text and focus reports: a line
// editor (no digits, 12 characters at most), an OK button, a hidden line
// editor and a text editor in one focuser. Arguments: "on" asks for
// bracketed paste and focus reports, "limit" also sets a paste limit of 64
// bytes. Reports paste and focusReports (whether the terminal does them),
// pressed (OK's presses), focus (in/out, as the key callback gets them),
// and at the end name, secret, notes (line ends as "|") and notesLength. Esc ends.
#include "ScenarioResult.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLineEdit.h>
#include <CurTextEdit.h>
#include <CurWindow.h>

#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    bool on = argc > 1 && (strcmp(argv[1], "on") == 0 || strcmp(argv[1], "limit") == 0);
    if (argc > 1 && strcmp(argv[1], "limit") == 0)
        CurInit::setPasteLimit(64);
    CurInit::initialize();
    scenarioResult("paste", CurInit::setPaste(on));
    scenarioResult("focusReports", CurInit::setFocusReports(on));
    {
        CurWindow win(16, 60, 1, 1);
        CurLineEdit name(&win), secret(&win);
        name.setGeometry(1, 20, 1, 2);
        name.setMaxLength(12);
        name.setFilterCB([](int code) { return code < '0' || code > '9'; });
        CurButton ok(&win);
        ok.setGeometry(1, 6, 3, 2);
        int presses = 0;
        ok.setActivateCB([&presses] { scenarioResult("pressed", ++presses); });
        secret.setGeometry(1, 20, 5, 2);
        secret.setHidden(true);
        CurTextEdit notes(&win);
        notes.setGeometry(7, 40, 7, 2);
        CurFocuser form;
        for (CurGadget* g : {(CurGadget*)&name, (CurGadget*)&ok, (CurGadget*)&secret, (CurGadget*)&notes})
            form.addGadget(g);
        std::string focus;
        form.setKeyCB([&](int key) {
            if (key == CurInit::FOCUS_IN || key == CurInit::FOCUS_OUT) {
                focus += std::string(focus.empty() ? "" : ",") + (key == CurInit::FOCUS_IN ? "in" : "out");
                scenarioResult("focus", focus.c_str());
            } else if (key == 27) {
                form.stopKbdLoop();
            }
            return key == 27;
        });
        win.update();
        form.kbdLoop();
        std::string text = notes.getText();
        scenarioResult("notesLength", (int)text.size());
        for (char& c : text)
            c = c == '\n' ? '|' : c;
        scenarioResult("name", name.getText());
        scenarioResult("secret", secret.getText());
        scenarioResult("notes", text.size() > 200 ? text.substr(0, 200).c_str() : text.c_str());
    }
    CurInit::cleanup();
    return 0;
}
