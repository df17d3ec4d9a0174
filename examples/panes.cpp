// panes.cpp - a resizable three-pane program on layouts: a list of notes,
// the chosen note, an editor and two buttons, placed by rows and columns
// that follow every resize, and drawn without a single redraw call.
#include <CurButton.h>
#include <CurFocuser.h>
#include <CurLabel.h>
#include <CurLayout.h>
#include <CurLineEdit.h>
#include <CurList.h>
#include <CurSession.h>
#include <CurWindow.h>

int main()
{
    CurSession session;
    CurInit::setAutoRedraw(true);                // every loop shows what changed
    CurWindow window(24, 80, 0, 0);
    window.setTitle("Notes", CurInit::CENTER);
    CurLayout screen;                            // the window fills the screen
    screen.add(&window, CurLayout::Rule::flex());
    screen.setScreen();

    CurList notes(&window);
    for (const char* name : {"shopping", "work", "ideas"})
        notes.addLine(name, false, false);
    CurLabel shown(&window, true);
    shown.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    CurLineEdit entry(&window);
    CurButton add(&window), quit(&window);
    add.setText("Add", false);
    quit.setText("Quit", false);

    CurLayout panes(CurLayout::ROW), right, buttons(CurLayout::ROW), all;
    panes.setSpacing(1);
    panes.add(&notes, CurLayout::Rule::flex(1)); // the panes share the width 1:2
    panes.add(&right, CurLayout::Rule::flex(2));
    right.add(&shown, CurLayout::Rule::flex());
    right.add(&entry, CurLayout::Rule::fixed(1));
    buttons.setSpacing(2);
    buttons.add(&add);
    buttons.add(&quit);
    all.add(&panes, CurLayout::Rule::flex());
    all.add(&buttons, CurLayout::Rule::natural(CurLayout::CENTER));

    CurFocuser form;
    all.setFocuser(&form);                       // Tab and arrows follow the layout
    all.setWindow(&window);
    notes.setChangeCB([&](CurList* l) { shown.setText(l->getLine(l->getCurrent()), false); });
    add.setActivateCB([&] { notes.addLine(entry.getText(), false, false); });
    quit.setActivateCB([&] { form.stopKbdLoop(); });
    form.kbdLoop();
}
