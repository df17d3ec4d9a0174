// CurTDialogBoxes.cpp - the one-call message, question and choice boxes of
// CurTDialog (boxes/), and the input box: a dialog sized to its text, a
// wrapped label, the dialog's loop, and the screen repainted once the box is gone.
#include "CurTDialog.h"
#include "CurButton.h"
#include "CurLabel.h"
#include "CurLineEdit.h"
#include "CurText.h"

#include <curses.h>
#include <cstring>

// Around a box's text: the frame, a margin of a column each side, and below
// the text a blank row, the separator and the buttons' row.
static const CurText::Size BOX_CHROME = {5, 4};

// Columns a row of buttons needs inside the frame, with one blank between
// neighbours so that two bars never run together.
static int rowWidth(const char* first, const char* second)
{
    int bw = CurText::columns(first);
    if (second != nullptr && CurText::columns(second) > bw)
        bw = CurText::columns(second);
    bw += 2;
    return second == nullptr ? bw : 2 * bw + 1;
}

// The first `rows` lines of text wrapped to width: the rest is dropped
// rather than drawn over the separator and the frame. The caller frees the
// result as an array.
static char* clippedText(const char* text, int width, int rows)
{
    char* block = new char[CurText::wrapSize(text)];
    CurText::wrap(block, text, width);
    char* end = block;
    for (int line = 0; line < rows; line++) {
        end = strchr(end, '\n');
        if (end == nullptr)
            return block;
        if (line + 1 < rows)
            end++;
    }
    *end = '\0';
    return block;
}

// Line for line, so that a text taller than the area never reaches the
// separator.
void CurTDialog::placeText(CurLabel* label, const char* text, int rows, int width)
{
    if (rows < 0)
        rows = 0;
    char* shown = clippedText(text, width, rows);
    label->setGeometry(rows, width, 1, 2);
    label->setText(shown, false);
    label->setAlignment(CurInit::LEFT, CurInit::TOP, false);
    delete[] shown;
}

// Esc ends the loop with no button chosen, so that it is told apart from
// every button; data is the dialog.
bool CurTDialog::escapeEndsCB(int key, void* data)
{
    if (key != 27)
        return false;
    static_cast<CurTDialog*>(data)->stopKbdLoop();
    return true;
}

int CurTDialog::runBox(int textHeight, int textWidth, int attributes, const char* text,
                       const char* title, const char* first, const char* second, int focus,
                       bool escape)
{
    if (text == nullptr)
        text = "";
    // The box is at least as wide as its buttons' row with the frame's two
    // columns; the text area is four columns narrower than the box.
    CurText::Size box = CurText::boxSize(text, textHeight, textWidth, BOX_CHROME,
                                         rowWidth(first, second) - 2);
    int chosen;
    {
        CurTDialog dialog(box.rows, box.cols, -1, -1);
        int H = dialog.getHeight();
        int W = dialog.getWidth();
        if (attributes != 0)                // 0: the theme's dialog
            dialog.setAttributes(attributes);
        dialog.addButton(first);
        if (second != nullptr)
            dialog.addButton(second);
        if (title != nullptr)
            dialog.setTitle(title, CurInit::CENTER);
        if (focus >= 0)
            dialog.focuser.setFocus(focus);
        if (escape)
            dialog.setKeyCB(CurTDialog::escapeEndsCB, &dialog);
        else
            dialog.setEscButton(second == nullptr ? 0 : 1);   // closes a message, answers no

        CurLabel label(&dialog, false);
        placeText(&label, text, H - 5, W - 4);
        // No update of its own: the loop's first key read sends the box
        // together with the focused button, in one update.
        dialog.draw();
        label.draw();
        chosen = dialog.kbdLoop();
    }
    // The dialog leaves its image on the terminal: repaint what lies beneath.
    CurInit::refreshAllWindows();
    return chosen;
}

void CurTDialog::showMessage(int textHeight, int textWidth, int attributes,
                             const char* text, const char* title)
{
    runBox(textHeight, textWidth, attributes, text, title, " OK ", nullptr, -1, false);
}

bool CurTDialog::showQuestion(int textHeight, int textWidth, int attributes,
                              const char* text, const char* title,
                              const char* yesText, const char* noText, bool defaultYes)
{
    const char* first = yesText != nullptr ? yesText : "Yes";
    const char* second = noText != nullptr ? noText : "No";
    return runBox(textHeight, textWidth, attributes, text, title, first, second,
                  defaultYes ? 0 : 1, false) == 0;
}

int CurTDialog::showChoice(int textHeight, int textWidth, int attributes,
                           const char* text, const char* title,
                           const char* first, const char* second, bool defaultFirst)
{
    if (first == nullptr)
        first = " OK ";
    return runBox(textHeight, textWidth, attributes, text, title, first, second,
                  defaultFirst || second == nullptr ? 0 : 1, true);
}

// Bytes of the len bytes of text kept in room bytes: all when they fit,
// otherwise up to the last character boundary that fits.
static int cutLength(const char* text, int len, int room)
{
    int kept = 0;
    while (kept < len) {
        int next = CurText::next(text, len, kept);
        if (next > room)
            break;
        kept = next;
    }
    return kept;
}

void CurTDialog::copyCut(char* out, int size, const char* text, int len)
{
    int n = cutLength(text, len, size - 1);
    memcpy(out, text, n);
    out[n] = '\0';
}

// The dialog: text rows, the editor on the row above the separator, OK and
// Cancel. Sized to its text it is at least 30 columns inside, so that there
// is room to type; a width the caller gives is kept.
int CurTDialog::showInput(int textHeight, int textWidth, int attributes,
                          const char* text, const char* title,
                          char* buffer, int size, bool hidden)
{
    if (text == nullptr)
        text = "";
    if (textWidth < 0)
        textWidth = CurText::longestLine(text) > 30 ? CurText::longestLine(text) : 30;
    CurText::Size box = CurText::boxSize(text, textHeight, textWidth, BOX_CHROME, 0);
    // A buffer with no NUL within size gives what the result could hold.
    int initialLen = buffer != nullptr && size > 0 ? (int)strnlen(buffer, size) : 0;
    char* initial = new char[initialLen + 1];
    copyCut(initial, size > 0 ? size : 1, initialLen > 0 ? buffer : "", initialLen);

    int chosen;
    {
        CurTDialog dialog(box.rows, box.cols, -1, -1);
        int H = dialog.getHeight();
        int W = dialog.getWidth();
        if (attributes != 0)                // 0: the theme's dialog
            dialog.setAttributes(attributes);
        dialog.setKeyCB(CurTDialog::escapeEndsCB, &dialog);
        dialog.addButton(" OK ");
        dialog.addButton("Cancel");
        if (title != nullptr)
            dialog.setTitle(title, CurInit::CENTER);
        CurLabel label(&dialog, false);
        placeText(&label, text, H - 5, W - 4);
        dialog.enterButton = 0;         // Enter in the editor accepts
        CurLineEdit edit(&dialog);
        edit.setGeometry(1, W - 4, H - 4, 2);
        edit.setText(initial, false);
        edit.setHidden(hidden);
        dialog.focuser.addGadget(&edit);
        dialog.focuser.setFocus(2);

        dialog.draw();                  // sent with the loop's first key read
        label.draw();
        chosen = dialog.kbdLoop();
        if (chosen == 0 && buffer != nullptr && size > 0)
            copyCut(buffer, size, edit.getText(), (int)strlen(edit.getText()));
    }
    delete[] initial;
    CurInit::refreshAllWindows();
    return chosen;
}
