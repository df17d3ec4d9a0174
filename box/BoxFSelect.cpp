// BoxFSelect.cpp - --fselect and --dselect (box/): a path line over the
// lists of a directory, with OK and Cancel; the answer is the path line.
#include "BoxDialog.h"

#include <CurFileSelect.h>
#include <CurInit.h>

#include <cstring>

// The box takes the script's size; at 0 it leaves a margin of the screen.
BoxStatus runFSelect(BoxCall& call)
{
    BoxDialog dialog(call, "", BoxDialog::OK_CANCEL, CurInit::height - 10 > 4 ? CurInit::height - 10 : 4,
                     CurInit::width - 12 > 20 ? CurInit::width - 12 : 20);
    CurFileSelect select(&dialog);
    select.setGeometry(dialog.bodyRows(), dialog.bodyWidth(), dialog.bodyTop(), dialog.bodyLeft());
    select.setDirectoryMode(strcmp(call.name, "--dselect") == 0, false);
    select.setPath(call.text, false);
    select.setSpaceCopies(true);        // Space picks a directory, Enter accepts, as scripts' users expect
    dialog.addBody(&select);
    BoxStatus status = dialog.run();
    if (status == BOX_OK || status == BOX_EXTRA)
        *call.answer += select.getPath();
    return status;
}
