// login.cpp - a small form: a user name, a hidden password, OK and Cancel.
// Tab and the arrow keys move between the fields; Enter in a field logs in.
#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurLineEdit.h>
#include <CurSession.h>
#include <CurWindow.h>
#include <cstdio>
#include <cstring>

struct Answer {
    CurFocuser* form;
    bool        ok;
};

static void logIn(void* data)
{
    Answer* answer = (Answer*)data;
    answer->ok = true;
    answer->form->stopKbdLoop();
}

static void cancel(void* data)
{
    Answer* answer = (Answer*)data;
    answer->ok = false;
    answer->form->stopKbdLoop();
}

static void placeLabel(CurLabel& label, int row, const char* text)
{
    label.setGeometry(1, 10, row, 3);
    label.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    label.setText(text, true);
}

int main()
{
    char user[64] = "";
    size_t passwordLength = 0;
    CurFocuser form;
    Answer answer = {&form, false};

    {
        CurSession session;               // set up here, given back at the closing brace
        // The window comes first and goes last: gadgets are destroyed before it.
        CurWindow window(9, 44, -1, -1);
        window.setTitle("Log in", CurInit::CENTER);
        CurLabel userLabel(&window, false), passwordLabel(&window, false);
        placeLabel(userLabel, 2, "User:");
        placeLabel(passwordLabel, 4, "Password:");
        CurLineEdit userEdit(&window), passwordEdit(&window);
        userEdit.setGeometry(1, 26, 2, 14);
        passwordEdit.setGeometry(1, 26, 4, 14);
        passwordEdit.setHidden(true);
        CurButton okButton(&window), cancelButton(&window);
        okButton.setText("OK", false);
        okButton.setGeometry(1, 10, 6, 9);
        okButton.setActivateCB(logIn, &answer);
        cancelButton.setText("Cancel", false);
        cancelButton.setGeometry(1, 10, 6, 25);
        cancelButton.setActivateCB(cancel, &answer);

        form.addGadget(&userEdit);
        form.addGadget(&passwordEdit);
        form.addGadget(&okButton);
        form.addGadget(&cancelButton);
        form.setEnterCB(logIn, &answer);   // Enter that a field leaves alone
        form.kbdLoop();                    // draws the gadgets, runs until a callback stops it

        snprintf(user, sizeof user, "%s", userEdit.getText());
        passwordLength = strlen(passwordEdit.getText());
    }

    if (answer.ok)
        printf("Welcome, %s (your password has %zu characters).\n", user, passwordLength);
    else
        printf("Cancelled.\n");
    return answer.ok ? 0 : 1;
}
