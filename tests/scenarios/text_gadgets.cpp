// text_gadgets.cpp - screen scenario: one text (the argument, any bytes) in
// every gadget and window that shows text. A window of "#" cells (screen rows
// 1 to 8) holds a label (1 x 12 at 1,2), a list (3 x 16 at 3,2), a toggle
// (1 x 16 at 1,30) and a button (1 x 12 at 3,30), in window coordinates; the
// banner shows it on row 0, a window of 3 x 15 at screen row 14, column 2 as
// its title, and a note sized to it in the middle. After the first step a
// message box shows it until Return.
#include <CurBanner.h>
#include <CurButton.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurList.h>
#include <CurNote.h>
#include <CurTDialog.h>
#include <CurToggle.h>
#include <CurWindow.h>
#include <curses.h>

#include "WindowSteps.h"

static void drawGadgets(CurWindow& big, const char* text)
{
    CurLabel label(&big, false);
    label.setGeometry(1, 12, 1, 2);
    label.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    label.setText(text, true);
    CurList list(&big);
    list.setGeometry(3, 16, 3, 2);
    list.addLine(text, false, true);
    list.loseFocus(true);
    CurToggle toggle(&big);
    toggle.setGeometry(1, 16, 1, 30);
    toggle.setLabelAlignment(CurInit::LEFT, false);
    toggle.setText(text, true);
    CurButton button(&big);
    button.setGeometry(1, 12, 3, 30);
    button.setText(text, true);
}

int main(int argc, char** argv)
{
    const char* text = argc > 1 ? argv[1] : "";
    CurInit::initialize();
    {
        CurBanner banner;
        banner.leftLabel.setText(text, true);
        CurWindow big(8, 80, 1, 0);
        for (int r = 0; r < 8; r++)
            for (int c = 0; c < 80; c++)
                mvwaddch(big.getWindow(), r, c, '#');
        drawGadgets(big, text);
        CurWindow titled(3, 15, 14, 2);
        titled.setTitle(text, CurInit::LEFT);
        CurInit::refreshAllWindows();
        CurNote::showNote(-1, -1, 0, text);
        stepDone("drawn");
        CurTDialog::showMessage(-1, -1, 0, text, nullptr);
    }
    CurInit::cleanup();
    return 0;
}
