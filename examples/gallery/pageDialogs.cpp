// pageDialogs.cpp - the gallery page for push buttons, the focus manager and
// the one-call boxes: a grid of buttons to move about in, a message box and
// a question box whose answer the page shows.
#include "Gallery.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurTDialog.h>
#include <CurWindow.h>
#include <curses.h>
#include <cstdio>

// A button that also lets the page be left with q or Escape, whichever
// button has the focus.
class PageButton : public CurButton {
public:
    PageButton(CurWindow* window, bool* leave, CurFocuser* form)
        : CurButton(window), leave(leave), form(form) {}
    bool processKey(int key) override
    {
        if (key == 'q' || key == 'Q' || key == 27) {
            *leave = true;
            form->stopKbdLoop();
            return true;
        }
        return CurButton::processKey(key);
    }
private:
    bool*       leave;
    CurFocuser* form;
};

static const char* const names[3][3] = {
    {"Message", "Question", "Back"},
    {"Alpha", "Beta", "Gamma"},
    {"Delta", "Epsilon", "Zeta"},
};

static const char INTRO[] =
    "Tab and back-tab walk through the buttons in the order they were added; "
    "the arrow keys go to the nearest button in that direction and wrap at "
    "the edges. Enter or space presses the focused button.";

static const char HELP[] =
    "This is a message box.\n\n"
    "It is sized to its text, centred on the screen, and goes away when its "
    "only button is pressed; whatever lay beneath it comes back.";

// Every button stops the form; the page then acts on the pressed one.
static void stopForm(void* data)
{
    static_cast<CurFocuser*>(data)->stopKbdLoop();
}

static int boxAttr()
{
    static int pair = 0;
    if (pair == 0)
        pair = CurInit::addColorPair(CurInit::white, CurInit::blue);
    return pair > 0 ? CurInit::pairToAttr(pair) : 0;
}

static void showStatus(CurLabel& status, CurWindow& page, const char* text)
{
    wmove(page.getWindow(), status.getY(), 1);
    wclrtoeol(page.getWindow());
    status.setText(text, true);
    page.drawFrame();           // wclrtoeol took the right-hand border too
}

void pageDialogs()
{
    galleryClear();
    galleryFooter("Tab, back-tab, arrows: move   Enter, space: press   q: back to the list");
    CurWindow page(17, 62, -1, -1);
    page.setTitle("Buttons and dialogs", CurInit::CENTER);

    CurLabel intro(&page, true);
    intro.setGeometry(4, 56, 1, 3);     // the introduction wraps to four lines
    intro.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    intro.setText(INTRO, true);
    CurLabel status(&page, false);
    status.setGeometry(1, 56, 14, 3);
    status.setAlignment(CurInit::LEFT, CurInit::TOP, false);

    bool leave = false;
    CurFocuser form;
    PageButton* grid[3][3];
    for (int row = 0; row < 3; row++) {
        for (int col = 0; col < 3; col++) {
            PageButton* b = new PageButton(&page, &leave, &form);
            b->setText(names[row][col], false);
            b->setGeometry(1, 14, 6 + 3 * row, 5 + 19 * col);
            b->setActivateCB(stopForm, &form);
            form.addGadget(b);
            grid[row][col] = b;
        }
    }
    showStatus(status, page, "Nothing pressed yet.");

    while (!leave) {
        form.enableKbdLoop();
        form.kbdLoop();
        char line[80];
        for (int row = 0; row < 3; row++) {
            for (int col = 0; col < 3; col++) {
                PageButton* b = grid[row][col];
                if (!b->isActivated())
                    continue;
                b->reset();
                if (b == grid[0][0]) {
                    CurTDialog::showMessage(-1, 40, boxAttr(), HELP, "A message");
                    snprintf(line, sizeof line, "The message box was closed.");
                } else if (b == grid[0][1]) {
                    bool yes = CurTDialog::showQuestion(-1, -1, boxAttr(),
                                                        "Would you like a cup of tea?",
                                                        "A question", "Yes, please",
                                                        "No, thanks", true);
                    snprintf(line, sizeof line, "Your answer: %s.",
                             yes ? "Yes, please" : "No, thanks");
                } else if (b == grid[0][2]) {
                    leave = true;
                    snprintf(line, sizeof line, "Leaving.");
                } else {
                    snprintf(line, sizeof line, "You pressed %s.", b->getText());
                }
                showStatus(status, page, line);
            }
        }
    }

    for (int row = 0; row < 3; row++)
        for (int col = 0; col < 3; col++)
            delete grid[row][col];
}
