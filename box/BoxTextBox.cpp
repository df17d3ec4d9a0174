// BoxTextBox.cpp - --textbox (box/): a file in a scrolling viewer whose frame
// is the box's own, so that every column between the borders shows the file,
// with the pager keys scripts' users press and an EXIT button.
#include "BoxDialog.h"

#include <CurViewer.h>
#include <curses.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The viewer lies on the dialog's frame and separator, its percentage on the
// separator's row; the title, which its top border covers, is drawn again.
class PagerViewer : public CurViewer {
public:
    explicit PagerViewer(BoxDialog* dialog) : CurViewer(dialog), dialog(dialog) {}
    void draw() override
    {
        CurViewer::draw();
        WINDOW* w = window->getWindow();
        mvwaddch(w, height - 1, 0, ACS_LTEE);
        mvwaddch(w, height - 1, width - 1, ACS_RTEE);
        dialog->drawTitle();
    }
    // Space and b page, j and k step, g and G go to the ends.
    bool processKey(int key) override
    {
        static const struct { int key, as; } PAGER[] = {
            {' ', KEY_NPAGE}, {'b', KEY_PPAGE}, {'j', KEY_DOWN}, {'k', KEY_UP},
            {'g', KEY_HOME},  {'G', KEY_END},
        };
        for (const auto& p : PAGER)
            if (key == p.key)
                return CurViewer::processKey(p.as);
        return CurViewer::processKey(key);
    }

private:
    BoxDialog* dialog;
};

}  // namespace

BoxStatus runTextBox(BoxCall& call)
{
    BoxCall whole = call;
    whole.height = call.height == 0 ? -1 : call.height;   // a file has no size to fit
    whole.width = call.width == 0 ? -1 : call.width;
    BoxDialog dialog(whole, "", BoxDialog::EXIT_ONLY, -1, 0);
    PagerViewer viewer(&dialog);
    if (!viewer.openFile(call.text)) {
        *call.error = std::string("cannot show the file: ") + call.text;
        return BOX_ERROR;
    }
    viewer.setGeometry(dialog.getHeight() - 2, dialog.getWidth(), 0, 0);
    dialog.addBody(&viewer);
    return dialog.run();
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
