// mouse_form.cpp - screen scenario for the mouse ("off": left off): a menu
// bar over a window of buttons, a check box, radio buttons, a line editor, a
// list, a viewer, a text editor, a calendar and a time in one focuser.
// Reports mouse, pressed, check, radio, list (<current>:<marks>), date
// (<day>.<month>), time (<h>:<m>:<s>), menu, answer (of "Ask"), dropped
// ("Drop" deletes the check box), popup (the item chosen in the pop-up a
// right click opens) and outside (<row>,<column>,<button>,
// <action>,<modifiers> of each event the key callback gets). Esc ends.
#include "ScenarioResult.h"

#include <CurButton.h>
#include <CurCalendar.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLineEdit.h>
#include <CurList.h>
#include <CurMenu.h>
#include <CurMenuBar.h>
#include <CurRadioBox.h>
#include <CurTDialog.h>
#include <CurTextEdit.h>
#include <CurTimeEdit.h>
#include <CurToggle.h>
#include <CurViewer.h>
#include <CurWindow.h>

#include <curses.h>
#include <cstring>
#include <functional>
#include <string>

static CurFocuser* form;
static CurToggle*  check;
static int         presses;

static void button(CurButton& b, const char* text, int x, std::function<void()> callback)
{
    b.setGeometry(1, 9, 1, x);
    b.setText(text, false);
    b.setActivateCB(std::move(callback));
}

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
    if (e.button == CurInit::MOUSE_RIGHT && e.action == CurInit::MOUSE_CLICK) {
        CurMenu menu;                    // the program's own pop-up, where the pointer is
        menu.addItem("&Cut", "", nullptr);
        menu.addItem("&Paste", "", nullptr);
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
        CurButton press(&win), drop(&win), ask(&win);
        button(press, "Press", 2, [] { scenarioResult("pressed", ++presses); });
        button(drop, "Drop", 14, [] {
            delete check;
            check = nullptr;
            scenarioResult("dropped", 1);
        });
        button(ask, "Ask", 24, [] {
            scenarioResult("answer", CurTDialog::showQuestion(-1, -1, 0, "Sure?", "Ask", "Yes", "No", true));
        });
        check = new CurToggle(&win);
        check->setGeometry(1, 12, 2, 2);
        check->setText("Check", false);
        check->setToggleCB([](CurToggle* t) { scenarioResult("check", t->isToggled()); });
        CurToggle one(&win), two(&win);
        CurRadioBox group;
        for (CurToggle* t : {&one, &two}) {
            t->setGeometry(1, 10, t == &one ? 3 : 4, 2);
            t->setText(t == &one ? "One" : "Two", false);
            group.addButton(t);
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
        CurCalendar calendar(&win);      // March 2021 begins on a Monday, the first column
        calendar.setGeometry(6, 21, 1, 40);
        calendar.setFirstWeekday(1);
        calendar.setDate(1, 3, 2021, false);
        calendar.setChangeCB([&calendar] {
            int day, month;
            calendar.getDate(&day, &month, nullptr);
            scenarioResult("date", (std::to_string(day) + "." + std::to_string(month)).c_str());
        });
        CurTimeEdit time(&win);
        time.setGeometry(1, 10, 14, 62);
        time.setChangeCB([&time] {
            int h, m, sec;
            time.getTime(&h, &m, &sec);
            scenarioResult("time", (std::to_string(h) + ":" + std::to_string(m) + ":" + std::to_string(sec)).c_str());
        });
        CurFocuser focuser;
        form = &focuser;
        CurGadget* gadgets[] = {&press, &drop, &ask, check, &one, &two, &edit, &list, &viewer, &notes,
                                &calendar, &time};
        for (CurGadget* g : gadgets)
            focuser.addGadget(g);
        focuser.setKeyCB(keyCB, nullptr);
        CurMenu file, edits;
        file.addItem("&Open", "", [] { scenarioResult("menu", "open"); });
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
