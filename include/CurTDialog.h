#ifndef VELMORA_CURTDIALOG_H
#define VELMORA_CURTDIALOG_H
// CurTDialog: a modal dialog window with a separator and a row of buttons it
// owns, run through its own focuser; and the one-call message and question boxes.
#include "CurWindow.h"
#include "CurFocuser.h"

class CurButton;

class CurTDialog : public CurWindow {
public:
    CurTDialog(int height, int width, int y, int x);
    virtual ~CurTDialog();               // deletes the buttons it created

    int  addButton(const char* text);    // lays the row out again; returns the new button's index
    void setExitOnEnter(bool on);        // Enter left by the focused gadget ends the loop
    virtual void draw();                 // frame, title, separator and buttons; no refresh
    virtual int  kbdLoop();              // index of the activated button, or -1

    static void activateCB(void* data);  // every button's activation callback; data is the dialog
    static void enterCB(void* data);     // the focuser's Enter callback; data is the dialog

    // One-call boxes, centred and sized to the text (negative sizes are
    // computed). The screen under the box is repainted afterwards.
    static void showMessage(int textHeight, int textWidth, int attributes,
                            const char* text, const char* title);
    static bool showQuestion(int textHeight, int textWidth, int attributes,
                             const char* text, const char* title,
                             const char* yesText, const char* noText, bool defaultYes);

protected:
    CurButton** buttons;                 // exactly numButtons entries, owned
    int         numButtons;
    CurFocuser  focuser;
    bool        exitOnEnter;
};
#endif
