// BoxFSelect.cpp - --fselect and --dselect (box/): a path line over the
// lists of a directory, with OK and Cancel; the answer is the path line.
#include "Box.h"

#include <CurTDialog.h>

#include <cstring>

BoxStatus runFSelect(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    std::string path = call.text;
    bool directories = strcmp(call.name, "--dselect") == 0;
    int chosen = CurTDialog::showFileSelect(boxInner(call.height, 4), boxInner(call.width, 4), 0,
                                            o.title != nullptr ? o.title : "", directories, path);
    if (chosen == 0)
        *call.answer += path;
    return chosen < 0 ? BOX_ESC : chosen == 0 ? BOX_OK : BOX_CANCEL;
}
