// toggle_form.cpp - screen scenario: three check boxes (left, right and
// centred labels, one of them in a tall rectangle) and a radio group of
// three in a form with an OK button. Every callback reports through the
// result file: check<i>=<state>,<calls>, radio=<index>, radio_calls, enter.
#include "ScenarioResult.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurRadioBox.h>
#include <CurToggle.h>
#include <CurWindow.h>

#include <string>

static CurToggle* checks[3];
static CurToggle* radios[3];
static int checkCalls[3];
static int radioCalls;
static int enters;

static void checkCB(CurToggle* t, void* data)
{
    int i = (int)(long)data;
    checkCalls[i]++;
    std::string key = "check" + std::to_string(i);
    std::string value = std::string(t->isToggled() ? "1," : "0,") + std::to_string(checkCalls[i]);
    scenarioResult(key.c_str(), value.c_str());
}

static void radioCB(CurToggle* t, void*)
{
    radioCalls++;
    for (int i = 0; i < 3; i++)
        if (radios[i] == t)
            scenarioResult("radio", i);
    scenarioResult("radio_calls", radioCalls);
}

static void enterCB(void*)
{
    scenarioResult("enter", ++enters);
}

static void stopCB(void* data)
{
    ((CurFocuser*)data)->stopKbdLoop();
}

int main()
{
    CurInit::initialize();
    {
        CurWindow win(13, 40, 2, 4);
        win.setTitle("Toggles", CurInit::CENTER);
        const char* texts[] = {"Alpha", "Beta", "Gamma"};
        const CurInit::ALIGNMENT aligns[] = {CurInit::LEFT, CurInit::RIGHT, CurInit::CENTER};
        const int rows[] = {1, 2, 3}, heights[] = {1, 1, 3};
        for (int i = 0; i < 3; i++) {
            checks[i] = new CurToggle(&win);
            checks[i]->setGeometry(heights[i], 30, rows[i], 2);
            checks[i]->setLabelAlignment(aligns[i], false);
            checks[i]->setText(texts[i], false);
            checks[i]->toggle(i != 1, false);
            checks[i]->setToggleCB(checkCB, (void*)(long)i);
        }
        CurRadioBox group;
        const char* names[] = {"One", "Two", "Three"};
        for (int i = 0; i < 3; i++) {
            radios[i] = new CurToggle(&win);
            radios[i]->setGeometry(1, 20, 7 + i, 2);
            radios[i]->setLabelAlignment(CurInit::LEFT, false);
            radios[i]->setText(names[i], false);
            group.addButton(radios[i]);
        }
        group.setToggleCB(radioCB, nullptr);
        CurButton ok(&win);
        ok.setGeometry(1, 8, 11, 2);

        CurFocuser form;
        for (CurToggle* t : checks)
            form.addGadget(t);
        for (CurToggle* t : radios)
            form.addGadget(t);
        form.addGadget(&ok);
        form.setEnterCB(enterCB, nullptr);
        ok.setActivateCB(stopCB, &form);
        form.kbdLoop();
        scenarioResult("done", 1);
        for (int i = 0; i < 3; i++) {
            delete checks[i];
            delete radios[i];
        }
    }
    CurInit::cleanup();
    return 0;
}
