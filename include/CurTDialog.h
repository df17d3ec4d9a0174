#ifndef VELMORA_CURTDIALOG_H
#define VELMORA_CURTDIALOG_H
// CurTDialog: a modal dialog window with a separator and a row of buttons it
// owns, run through its own focuser; and the one-call message and question boxes.
#include "CurWindow.h"
#include "CurFocuser.h"

class CurButton;

class CurTDialog : public CurWindow {
public:
    CurTDialog(int height, int width, int y, int x); // sizes cut to the screen, negative y or x centres
    virtual ~CurTDialog();               // deletes the buttons it created

    // Creates a button labelled text (copied), lays the whole row out again
    // on row height - 2 and returns the new button's index. Buttons too wide
    // for the row are narrowed (their texts cut), never placed outside it.
    int  addButton(const char* text);
    void setExitOnEnter(bool on);        // Enter left by the focused gadget ends the loop; off at first
    void setEscButton(int index);        // Esc activates that button; -1 (at first): Esc is ignored
    // Keys the dialog's gadgets and focus moves left, as CurFocuser::setKeyCB;
    // Esc too when no button takes it. True when the callback handled the key.
    void setKeyCB(bool (*callback)(int key, void*), void* data);
    void stopKbdLoop();                  // ends kbdLoop after the current key (-1 unless a button was activated)
    virtual void draw();                 // frame, title, separator and buttons; no refresh
    virtual int  kbdLoop();              // index of the activated button, or -1

    static void activateCB(void* data);  // every button's activation callback; data is the dialog
    static void enterCB(void* data);     // the focuser's Enter callback; data is the dialog
    static bool keyCB(int key, void* data); // the focuser's key callback: Esc, then the program's

    // One-call boxes, centred and sized to the text: a negative width is
    // measured from the text, a negative height computed by wrapping it. The
    // box widens to fit its buttons and is cut to the screen; text that does
    // not fit is clipped. A null text gives an empty box, a null title no title,
    // null button texts "Yes" and "No". The screen under the box is repainted
    // afterwards.
    static void showMessage(int textHeight, int textWidth, int attributes,
                            const char* text, const char* title);
    // True when the first button was chosen; defaultYes puts the focus on it.
    static bool showQuestion(int textHeight, int textWidth, int attributes,
                             const char* text, const char* title,
                             const char* yesText, const char* noText, bool defaultYes);
    // The question box with the answers apart: 0 for the first button, 1 for
    // the second, -1 for Esc (or input that ended). A null second text makes
    // a message box with the one button first; a null first text is " OK ".
    static int  showChoice(int textHeight, int textWidth, int attributes,
                           const char* text, const char* title,
                           const char* first, const char* second, bool defaultFirst);

    // The input box: the text, a line editor and OK and Cancel buttons. Enter
    // in the editor accepts, Esc cancels. buffer holds the initial text (its
    // first size bytes at most, up to a NUL) and, when accepted, receives the
    // edited text cut to size - 1 bytes at a character boundary and ended
    // with a NUL; it is untouched otherwise, and always when size is 0.
    // hidden shows every character as "*". 0 when accepted, 1 for Cancel,
    // -1 for Esc (or input that ended).
    static int  showInput(int textHeight, int textWidth, int attributes,
                          const char* text, const char* title,
                          char* buffer, int size, bool hidden);

    // The viewer box: a framed CurViewer showing viewHeight x viewWidth cells
    // of text (negative: the screen less a margin) over an " OK " button;
    // a file is shown unwrapped, a text wrapped.
    // The arrows, pages, "/" and "n" go to the viewer; Enter ends, as does
    // Esc. 0 for Enter, -1 for Esc, -2 when the file cannot be shown.
    static int  showFile(int viewHeight, int viewWidth, int attributes,
                         const char* path, const char* title);
    // The same for a file opened beforehand (CurViewer::openRegular, say
    // before the screen is started), which the box takes over and closes;
    // path, when not null, is its name, looked at again at each key.
    static int  showFile(int viewHeight, int viewWidth, int attributes,
                         int fd, const char* path, const char* title);
    static int  showText(int viewHeight, int viewWidth, int attributes,
                         const char* text, const char* title);

protected:
    CurButton** buttons;                 // exactly numButtons entries, owned
    int         numButtons;
    CurFocuser  focuser;
    bool        exitOnEnter;
    int         escButton;
    bool (*keyCallback)(int, void*);
    void*       keyData;

private:
    void layoutButtons();
    // The steps both one-call boxes share: second is null for a message box;
    // focus is the index of the button given the focus, or -1 to leave it on the first.
    static int runBox(int textHeight, int textWidth, int attributes, const char* text,
                      const char* title, const char* first, const char* second, int focus,
                      bool escape);
    static bool escapeEndsCB(int key, void* data); // the boxes' key callback telling Esc apart
    static int runViewer(int viewHeight, int viewWidth, int attributes, int fd,
                         const char* path, const char* text, const char* title);
};
#endif
