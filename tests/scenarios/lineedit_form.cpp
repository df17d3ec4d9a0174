// lineedit_form.cpp - screen scenario: line editors in a form. A name field
// of 12 columns with a second field to its right, a masked field below it
// and an OK button; after OK the texts go to the result file (name, pass,
// right). With the argument "alone" a single editor runs its own keyboard
// loop instead and reports its text and the loop's result.
#include "ScenarioResult.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurLineEdit.h>
#include <CurWindow.h>

#include <cstring>

static void stopCB(void* data)
{
    ((CurFocuser*)data)->stopKbdLoop();
}

static int runAlone()
{
    CurWindow win(3, 30, 1, 2);
    win.enableFrame(true);
    CurLineEdit edit(&win);
    edit.setGeometry(1, 20, 1, 2);
    edit.setText("start", true);
    win.update();
    int result = edit.kbdLoop();
    scenarioResult("text", edit.getText());
    scenarioResult("loop", result);
    return 0;
}

int main(int argc, char** argv)
{
    CurInit::initialize();
    if (argc > 1 && strcmp(argv[1], "alone") == 0) {
        runAlone();
        CurInit::cleanup();
        return 0;
    }
    {
        CurWindow win(10, 60, 1, 2);
        win.setTitle("Line editors", CurInit::CENTER);
        CurLabel nameLabel(&win, false), passLabel(&win, false);
        nameLabel.setGeometry(1, 8, 2, 2);
        nameLabel.setAlignment(CurInit::LEFT, CurInit::TOP, false);
        nameLabel.setText("Name:", true);
        passLabel.setGeometry(1, 8, 4, 2);
        passLabel.setAlignment(CurInit::LEFT, CurInit::TOP, false);
        passLabel.setText("Pass:", true);

        CurLineEdit name(&win), right(&win), pass(&win);
        name.setGeometry(1, 12, 2, 10);
        right.setGeometry(1, 12, 2, 30);
        pass.setGeometry(1, 12, 4, 10);
        pass.setHidden(true);
        CurButton ok(&win);
        ok.setGeometry(1, 8, 7, 10);

        CurFocuser form;
        form.addGadget(&name);
        form.addGadget(&pass);
        form.addGadget(&right);
        form.addGadget(&ok);
        ok.setActivateCB(stopCB, &form);
        form.kbdLoop();
        scenarioResult("name", name.getText());
        scenarioResult("pass", pass.getText());
        scenarioResult("right", right.getText());
    }
    CurInit::cleanup();
    return 0;
}
