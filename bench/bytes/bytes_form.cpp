// bytes_form.cpp - wire benchmark scenario C: a form of a line editor, three
// check boxes, a radio group of three, a 1,000-line list showing 12 rows and
// OK / Cancel, in a framed window. Enter that no gadget takes ends the form.
#include "BytesStart.h"
#include <CurButton.h>
#include <CurFocuser.h>
#include <CurLineEdit.h>
#include <CurList.h>
#include <CurRadioBox.h>
#include <CurToggle.h>
#include <CurWindow.h>
#include <cstdio>

static void stop(void* data)
{
    static_cast<CurFocuser*>(data)->stopKbdLoop();
}

static void placeToggle(CurToggle& toggle, const char* text, int row, int col)
{
    toggle.setGeometry(1, 20, row, col);
    toggle.setLabelAlignment(CurInit::LEFT, false);
    toggle.setText(text, false);
}

int main()
{
    startToolkit();
    {
        CurWindow window(24, 80, 0, 0);
        window.setTitle("Form", CurInit::CENTER);
        CurFocuser form;
        CurLineEdit edit(&window);
        edit.setGeometry(1, 40, 2, 3);
        CurToggle checks[3] = {CurToggle(&window), CurToggle(&window), CurToggle(&window)};
        CurToggle radios[3] = {CurToggle(&window), CurToggle(&window), CurToggle(&window)};
        const char* names[3] = {"Bold", "Italic", "Underlined"};
        const char* sizes[3] = {"Small", "Medium", "Large"};
        CurRadioBox group;
        for (int i = 0; i < 3; i++) {
            placeToggle(checks[i], names[i], 4 + i, 3);
            placeToggle(radios[i], sizes[i], 4 + i, 30);
            group.addButton(&radios[i]);
        }
        CurList list(&window);
        list.setGeometry(14, 50, 8, 3);
        for (int i = 0; i < 1000; i++) {
            char line[40];
            snprintf(line, sizeof line, "Entry %04d of the catalogue", i + 1);
            list.addLine(line, false, false);
        }
        CurButton ok(&window), cancel(&window);
        ok.setGeometry(1, 10, 10, 60);
        ok.setActivateCB(stop, &form);
        cancel.setText("Cancel", false);
        cancel.setGeometry(1, 10, 12, 60);
        cancel.setActivateCB(stop, &form);

        form.addGadget(&edit);
        for (int i = 0; i < 3; i++)
            form.addGadget(&checks[i]);
        for (int i = 0; i < 3; i++)
            form.addGadget(&radios[i]);
        form.addGadget(&list);
        form.addGadget(&ok);
        form.addGadget(&cancel);
        form.setEnterCB(stop, &form);
        form.kbdLoop();
    }
    CurInit::cleanup();
    return 0;
}
