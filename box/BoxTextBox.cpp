// BoxTextBox.cpp - --textbox (box/): a file in a scrolling viewer.
#include "Box.h"

#include <CurTDialog.h>
#include <CurViewer.h>

#include <map>

// The files the checks opened, by the argument naming them, until their box runs.
static std::map<const char*, int> opened;

BoxStatus runTextBox(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    auto found = opened.find(call.argv[0]);
    int fd = found != opened.end() ? found->second : CurViewer::openRegular(call.text);
    if (found != opened.end())
        opened.erase(found);
    int chosen = CurTDialog::showFile(boxInner(call.height, 6), boxInner(call.width, 6), 0, fd,
                                      call.text, o.title);
    if (chosen == -2)
        *call.error = std::string("cannot show the file: ") + call.text;
    return chosen == -2 ? BOX_ERROR : chosen < 0 ? BOX_ESC : BOX_OK;
}

// Opened the viewer's way before the screen starts, so that a missing file
// is a plain error, and kept open for the box: the file shown is the one
// checked, whatever is put at the path in between.
bool checkTextBox(const BoxOptions&, int, char** argv, std::string* why)
{
    int fd = CurViewer::openRegular(argv[0]);
    if (fd < 0) {
        *why = std::string("not a readable file: ") + argv[0];
        return false;
    }
    opened[argv[0]] = fd;
    return true;
}
