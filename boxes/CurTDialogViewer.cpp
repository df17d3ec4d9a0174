// CurTDialogViewer.cpp - the one-call viewer box of CurTDialog (boxes/): a
// CurViewer of a file or a text inside a dialog with one button, run until
// Enter or Esc, and the screen repainted once the box is gone.
#include "CurTDialog.h"
#include "CurText.h"
#include "CurViewer.h"

#include <curses.h>

// The viewer, framed itself, sits inside the dialog's frame with a margin of
// a column each side. A negative size leaves a margin of a row or a column
// around the box (room for a banner); a size too large takes the screen.
// A file is opened before anything is drawn, so one that cannot be shown
// leaves the screen alone; fd, when not negative, is the file, already open.
int CurTDialog::runViewer(int viewHeight, int viewWidth, int attributes, int fd,
                          const char* path, const char* text, const char* title)
{
    if (fd < 0 && path != nullptr && (fd = CurViewer::openRegular(path)) < 0)
        return -2;
    CurText::Size box = CurText::boxSize(nullptr, viewHeight, viewWidth, {6, 6}, 0);
    int chosen;
    {
        CurTDialog dialog(box.rows, box.cols, -1, -1);
        if (attributes != 0)                // 0: the theme's dialog
            dialog.setAttributes(attributes);
        dialog.setKeyCB(CurTDialog::escapeEndsCB, &dialog);
        dialog.addButton(" OK ");
        if (title != nullptr)
            dialog.setTitle(title, CurInit::CENTER);
        dialog.enterButton = 0;         // Enter in the viewer ends the box as OK
        CurViewer viewer(&dialog);
        if (fd >= 0 && !viewer.openFile(fd, path))
            return -2;
        if (fd < 0)
            viewer.setText(text);
        viewer.setWrap(fd < 0);
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
    return runViewer(viewHeight, viewWidth, attributes, -1, path, nullptr, title);
}

int CurTDialog::showFile(int viewHeight, int viewWidth, int attributes, int fd,
                         const char* path, const char* title)
{
    if (fd < 0)
        return -2;
    return runViewer(viewHeight, viewWidth, attributes, fd, path, nullptr, title);
}

int CurTDialog::showText(int viewHeight, int viewWidth, int attributes,
                         const char* text, const char* title)
{
    return runViewer(viewHeight, viewWidth, attributes, -1, nullptr,
                     text != nullptr ? text : "", title);
}
