// greet.cpp - a small form built against the installed toolkit: a name field
// and an OK button; OK (or Enter in the field) prints a greeting and ends.
#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurLineEdit.h>
#include <CurWindow.h>
#include <cstdio>

static void done(void* form)
{
    static_cast<CurFocuser*>(form)->stopKbdLoop();
}

int main()
{
    char name[64] = "";
    CurFocuser form;
    CurInit::initialize();
    {
        CurWindow window(7, 36, 1, 2);
        window.setTitle("Greeting", CurInit::CENTER);
        CurLabel label(&window, false);
        label.setGeometry(1, 6, 2, 2);
        label.setText("Name:", true);
        CurLineEdit edit(&window);
        edit.setGeometry(1, 20, 2, 9);
        CurButton ok(&window);
        ok.setText("OK", false);
        ok.setGeometry(1, 8, 4, 14);
        ok.setActivateCB(done, &form);
        form.addGadget(&edit);
        form.addGadget(&ok);
        form.setEnterCB(done, &form);
        form.kbdLoop();
        std::snprintf(name, sizeof name, "%s", edit.getText());
    }
    CurInit::cleanup();
    std::printf("Hello, %s!\n", name);
    return 0;
}
