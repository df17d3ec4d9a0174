// BoxTextBox.cpp - --textbox (box/): a file in a scrolling viewer.
#include "Box.h"

#include <CurTDialog.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

BoxStatus runTextBox(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    int chosen = CurTDialog::showFile(boxInner(call.height, 6), boxInner(call.width, 6), 0,
                                      call.text, o.title);
    if (chosen == -2)
        *call.error = std::string("cannot show the file: ") + call.text;
    return chosen == -2 ? BOX_ERROR : chosen < 0 ? BOX_ESC : BOX_OK;
}

// A first look before the screen starts, so that a missing file is a plain
// error; the viewer opens the file again itself and decides for good.
bool checkTextBox(const BoxOptions&, int, char** argv, std::string* why)
{
    int fd = open(argv[0], O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat st;
    bool regular = fd >= 0 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (fd >= 0)
        close(fd);
    if (!regular)
        *why = std::string("not a readable file: ") + argv[0];
    return regular;
}
