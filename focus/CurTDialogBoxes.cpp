// CurTDialogBoxes.cpp - the one-call message and question boxes of CurTDialog
// (focus/): a dialog sized to its text, a wrapped label, the dialog's loop,
// and the screen repainted once the box is gone.
#include "CurTDialog.h"
#include "CurLabel.h"
#include "CurText.h"

#include <curses.h>
#include <cstring>

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

// The first `rows` lines of text wrapped to width, for a text area that the
// screen made too low: the rest is dropped rather than drawn over the
// separator and the frame. The caller frees the result as an array.
static char* clippedText(const char* text, int width, int rows)
{
    char* block = new char[CurLabel::formatMsgSize(text)];
    CurLabel::formatMsg(block, text, width);
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

int CurTDialog::runBox(int textHeight, int textWidth, int attributes, const char* text,
                       const char* title, const char* first, const char* second, int focus)
{
    if (text == nullptr)
        text = "";
    // The box is as wide as the text area plus frame and margins, widened to
    // fit its buttons and cut to the screen; the height is computed at the
    // width that is left, so the wrapped text matches the area it gets.
    if (textWidth < 0)
        textWidth = CurLabel::getLongestLine(text);
    if (textWidth > COLS)
        textWidth = COLS;       // the box is cut to the screen anyway; + 4 stays an int
    int boxWidth = textWidth + 4;
    if (boxWidth < rowWidth(first, second) + 2)
        boxWidth = rowWidth(first, second) + 2;
    if (boxWidth > COLS)
        boxWidth = COLS;
    textWidth = boxWidth - 4;
    if (textHeight < 0)
        textHeight = CurLabel::getEffHeight(text, textWidth);
    if (textHeight > LINES)
        textHeight = LINES;

    int chosen;
    {
        CurTDialog dialog(textHeight + 5, boxWidth, -1, -1);
        int H = dialog.getHeight();
        int W = dialog.getWidth();
        dialog.setAttributes(attributes);
        dialog.addButton(first);
        if (second != nullptr)
            dialog.addButton(second);
        if (title != nullptr)
            dialog.setTitle(title, CurInit::CENTER);
        if (focus >= 0)
            dialog.focuser.setFocus(focus);
        dialog.setEscButton(second == nullptr ? 0 : 1);   // closes a message, answers no

        // A text with more lines than the area holds goes in already wrapped
        // and cut; a label that does not wrap shows it line for line.
        int rows = H - 5 > 0 ? H - 5 : 0;
        bool clipped = CurLabel::getEffHeight(text, W - 4) > rows;
        char* shown = clipped ? clippedText(text, W - 4, rows) : nullptr;
        {
            CurLabel label(&dialog, !clipped);
            label.setGeometry(rows, W - 4, 1, 2);
            label.setText(clipped ? shown : text, false);
            label.setAlignment(CurInit::LEFT, CurInit::TOP, false);

            // No update of its own: the loop's first key read sends the box
            // together with the focused button, in one update.
            dialog.draw();
            label.draw();
            chosen = dialog.kbdLoop();
        }
        delete[] shown;
    }
    // The dialog leaves its image on the terminal: repaint what lies beneath.
    CurInit::refreshAllWindows();
    return chosen;
}

void CurTDialog::showMessage(int textHeight, int textWidth, int attributes,
                             const char* text, const char* title)
{
    runBox(textHeight, textWidth, attributes, text, title, " OK ", nullptr, -1);
}

bool CurTDialog::showQuestion(int textHeight, int textWidth, int attributes,
                              const char* text, const char* title,
                              const char* yesText, const char* noText, bool defaultYes)
{
    const char* first = yesText != nullptr ? yesText : "Yes";
    const char* second = noText != nullptr ? noText : "No";
    return runBox(textHeight, textWidth, attributes, text, title, first, second,
                  defaultYes ? 0 : 1) == 0;
}
