// CurTDialogViewer.cpp - the one-call viewer box of CurTDialog (focus/): a
// CurViewer of a file or a text inside a dialog with one button, run until
// Enter or Esc, and the screen repainted once the box is gone.
#include "CurTDialog.h"
#include "CurText.h"
#include "CurViewer.h"

#include <curses.h>

// The viewer, framed itself, sits inside the dialog's frame with a margin of
// a column each side. A negative size leaves a margin of a row or a column
// around the box (room for a banner); a size too large takes the screen.
int CurTDialog::runViewer(int viewHeight, int viewWidth, int attributes, const char* path,
                          const char* text, const char* title)
{
    CurText::Size box = CurText::boxSize(nullptr, viewHeight, viewWidth, {6, 6}, 0);
    int chosen;
    {
        CurTDialog dialog(box.rows, box.cols, -1, -1);
        dialog.setAttributes(attributes);
        dialog.setKeyCB(CurTDialog::escapeEndsCB, &dialog);
        dialog.addButton(" OK ");
        if (title != nullptr)
            dialog.setTitle(title, CurInit::CENTER);
        dialog.enterButton = 0;         // Enter in the viewer ends the box as OK
        CurViewer viewer(&dialog);
        if (path != nullptr && !viewer.openFile(path))
            return -2;
        if (path == nullptr)
            viewer.setText(text);
        viewer.setWrap(path == nullptr);
        viewer.setGeometry(dialog.getHeight() - 4, dialog.getWidth() - 4, 1, 2);
        dialog.focuser.addGadget(&viewer);
        dialog.focuser.setFocus(1);
        dialog.draw();                  // sent with the loop's first key read
        viewer.draw();
        chosen = dialog.kbdLoop();
    }
    CurInit::refreshAllWindows();
    return chosen;
}

int CurTDialog::showFile(int viewHeight, int viewWidth, int attributes,
                         const char* path, const char* title)
{
    if (path == nullptr)
        return -2;
    return runViewer(viewHeight, viewWidth, attributes, path, nullptr, title);
}

int CurTDialog::showText(int viewHeight, int viewWidth, int attributes,
                         const char* text, const char* title)
{
    return runViewer(viewHeight, viewWidth, attributes, nullptr, text != nullptr ? text : "",
                     title);
}
