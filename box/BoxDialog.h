// BoxDialog.h - the dialog every box of the box program is built on: a
// CurTDialog sized for the script's sizes and text, the text at the top, the
// box's own gadgets (its body) below it, the buttons the options ask for,
// and a loop that ends in a BoxStatus.
#ifndef VELMORA_BOX_BOXDIALOG_H
#define VELMORA_BOX_BOXDIALOG_H
#include "Box.h"

#include <CurTDialog.h>

#include <vector>

class CurGadget;
class CurLabel;
class CurViewer;

class BoxDialog : public CurTDialog {
public:
    // The button rows: OK [Extra] [Cancel] [Help] for most boxes (--no-ok
    // and --no-cancel drop theirs), Yes [Extra] No [Help] for questions,
    // OK [Extra] [Help] for messages, EXIT [Extra] [Help] for the text box.
    // LIST is OK_CANCEL for the list and form boxes: their Help answers with
    // the current item under --item-help.
    enum Buttons { OK_CANCEL, YES_NO, OK_ONLY, EXIT_ONLY, LIST };

    // The box for call, showing text: bodyRows rows of at least bodyCols
    // columns are left between the text and the separator for the body. A
    // size of 0 fits text and body, a negative one takes the screen; a
    // message longer than its rows scrolls, with its percentage shown.
    BoxDialog(const BoxCall& call, const std::string& text, Buttons buttons, int bodyRows,
              int bodyCols);
    ~BoxDialog() override;
    BoxDialog(const BoxDialog&) = delete;
    BoxDialog& operator=(const BoxDialog&) = delete;

    // Where the body goes, inside the frame's side margins.
    int bodyTop() const;
    int bodyLeft() const;                // 2
    int bodyWidth() const;               // the width less the margins
    int bodyRows() const;                // what the box's height leaves for it
    // A gadget of the body, in the order Tab visits; the first gets the
    // focus unless a button is named the default.
    void addBody(CurGadget* gadget);

    // Draws the box and runs its loop. A button ends it with its status;
    // Enter left by a body gadget is OK; Esc (or the input's end) is
    // BOX_ESC; --timeout seconds without the box ending is BOX_TIMEOUT.
    BoxStatus run();
    // The title on the top border, as written (blanks kept); a body gadget
    // that draws over the border calls it after drawing.
    void drawTitle();

private:
    struct Fit { int height, width, textRows; };
    static Fit fit(const BoxCall& call, const std::string& text, Buttons buttons, int bodyRows,
                   int bodyCols);
    BoxDialog(const BoxCall& call, const std::string& text, Buttons buttons, int bodyRows,
              const Fit& size);
    void addButtons();
    static bool keyCB(int key, void* data);
    static void enterCB(void* data);
    static bool spaceCB(int key, void* data);
    static bool timeoutCB(void* data);

    const BoxOptions* options;
    Buttons    kind;
    int        textRows;
    int        body;                     // rows of the body
    CurLabel*  label;                    // the text, or null when it scrolls
    CurLabel*  title;                    // on the top border, or null
    CurViewer* viewer;                   // the text when it scrolls, or null
    BoxStatus  statuses[4];              // of each button, by index
    int        bodyCount;                // body gadgets, ahead of the buttons in the focus order
    bool       escaped;
    bool       entered;
    bool       timedOut;
};

// The box program's one button row: the buttons a box of kind shows for
// the options, in the order OK (Yes, EXIT), Extra, Cancel (No), Help;
// extraWord, when not null, shows Extra under that word. texts ends with a
// null entry, as CurTDialog's lists take it; meaning[i] is the status of
// button i. named is the button the options make the default
// (--default-button, --defaultno), -1 for none; defaultButton is that one,
// else OK, else the first.
struct BoxButtons {
    std::vector<const char*> texts;
    std::vector<BoxStatus>   meaning;
    int                      named = -1;
    int                      defaultButton = 0;
};
BoxButtons boxButtons(const BoxOptions& o, BoxDialog::Buttons kind, const char* extraWord = nullptr);
#endif
