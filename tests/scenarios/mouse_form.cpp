// mouse_form.cpp - screen scenario for the mouse: a menu bar on row 0 over a
// framed window at row 2 holding buttons, a check box, a radio group, a line
// editor, a list, a viewer and a text editor, in one focuser; "off" leaves
// the mouse off.
// Reports mouse=<setMouse's answer>, pressed=<count>, check=<0|1>,
// radio=<index>, list=<current>:<marked lines>, menu=<item>, popup=<index>,
// answer=<0|1>, dropped=1 and outside=<row>,<column>,<button>,<action>,
// <modifiers> for each event the key callback gets. "Ask" shows a question
// box, "Drop" deletes the check box; a right button press off the gadgets
// opens a pop-up there; Esc ends.
#include "ScenarioResult.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLineEdit.h>
#include <CurList.h>
#include <CurMenu.h>
#include <CurMenuBar.h>
#include <CurRadioBox.h>
#include <CurTDialog.h>
#include <CurTextEdit.h>
#include <CurToggle.h>
#include <CurViewer.h>
#include <CurWindow.h>

#include <curses.h>
#include <cstring>
#include <string>

static CurFocuser* form;
static CurToggle*  check;
static int         presses;

static void listCB(CurList* list, void*)
{
    std::string marks;
    for (int i : list->getSelectedLines())
        marks += (marks.empty() ? "" : ",") + std::to_string(i);
    scenarioResult("list", (std::to_string(list->getCurrent()) + ":" + marks).c_str());
}

static bool keyCB(int key, void*)
{
    if (key == 27)
        form->stopKbdLoop();
    CurInit::MouseEvent e;
    if (key != KEY_MOUSE || !CurInit::getMouse(&e))
        return key == 27;
    char text[64];
    snprintf(text, sizeof text, "%d,%d,%d,%d,%d", e.row, e.column, e.button, e.action, e.modifiers);
    scenarioResult("outside", text);
    if (e.button == CurInit::MOUSE_RIGHT && e.action == CurInit::MOUSE_PRESS) {
        CurMenu menu;
        menu.addItem("&Cut", nullptr, nullptr, nullptr);
        menu.addItem("&Paste", nullptr, nullptr, nullptr);
        scenarioResult("popup", menu.popup(e.row, e.column));
    }
    return true;
}

int main(int argc, char** argv)
{
    CurInit::initialize();
    scenarioResult("mouse", CurInit::setMouse(argc < 2 || strcmp(argv[1], "off") != 0));
    {
        CurWindow win(20, 80, 2, 0);
        win.setTitle("Mouse", CurInit::CENTER);
        CurButton press(&win), drop(&win);
        press.setGeometry(1, 9, 1, 2);
        press.setText("Press", false);
        press.setActivateCB([] { scenarioResult("pressed", ++presses); });
        drop.setGeometry(1, 8, 1, 14);
        drop.setText("Drop", false);
        drop.setActivateCB([] {
            delete check;
            check = nullptr;
            scenarioResult("dropped", 1);
        });
        CurButton ask(&win);
        ask.setGeometry(1, 7, 1, 24);
        ask.setText("Ask", false);
        ask.setActivateCB([] {
            scenarioResult("answer", CurTDialog::showQuestion(-1, -1, 0, "Sure?", "Ask", "Yes", "No", true));
        });
        check = new CurToggle(&win);
        check->setGeometry(1, 12, 2, 2);
        check->setText("Check", false);
        check->setToggleCB([](CurToggle* t) { scenarioResult("check", t->isToggled()); });
        CurToggle one(&win), two(&win);
        CurRadioBox group;
        CurToggle* radios[] = {&one, &two};
        for (int i = 0; i < 2; i++) {
            radios[i]->setGeometry(1, 10, 3 + i, 2);
            radios[i]->setText(i == 0 ? "One" : "Two", false);
            group.addButton(radios[i]);
        }
        group.setToggleCB([](CurToggle* t, void* data) {
            if (t->isToggled())
                scenarioResult("radio", t == data ? 0 : 1);
        }, &one);
        CurLineEdit edit(&win);
        edit.setGeometry(1, 20, 5, 2);
        edit.setText("abcdefghij", false);
        CurList list(&win);
        list.setGeometry(6, 20, 7, 2);
        for (int i = 0; i < 10; i++)
            list.addLine(("line " + std::to_string(i)).c_str(), false, false);
        list.setChangeCB(listCB, nullptr);
        CurViewer viewer(&win);
        viewer.setGeometry(6, 30, 7, 30);
        std::string text;
        for (int i = 0; i < 20; i++)
            text += "row " + std::to_string(i) + "\n";
        viewer.setText(text.c_str());

        CurTextEdit notes(&win);
        notes.setGeometry(4, 30, 15, 2);
        notes.setText("first line\nsecond line", false);

        CurFocuser focuser;
        form = &focuser;
        CurGadget* gadgets[] = {&press, &drop, &ask, check, &one, &two, &edit, &list, &viewer, &notes};
        for (CurGadget* g : gadgets)
            focuser.addGadget(g);
        focuser.setKeyCB(keyCB, nullptr);
        CurMenu file, edits;
        file.addItem("&Open", "", [] { scenarioResult("menu", "open"); });
        file.addItem("&Save", "", [] { scenarioResult("menu", "save"); });
        edits.addItem("&Copy", "", [] { scenarioResult("menu", "copy"); });
        CurMenuBar bar(0);
        bar.addMenu("&File", &file);
        bar.addMenu("&Edit", &edits);
        bar.attach(&focuser);
        CurInit::refreshAllWindows();
        focuser.kbdLoop();
        bar.attach(nullptr);
        delete check;
    }
    CurInit::cleanup();
    return 0;
}
