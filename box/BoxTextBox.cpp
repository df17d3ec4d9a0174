// BoxTextBox.cpp - --textbox (box/): a file in a scrolling viewer whose frame
// is the box's own, so that every column between the borders shows the file,
// with the pager keys scripts' users press and an EXIT button.
#include "BoxDialog.h"

#include <CurLabel.h>
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
    PagerViewer(CurWindow* window, CurLabel* title) : CurViewer(window), title(title) {}
    void draw() override
    {
        CurViewer::draw();
        WINDOW* w = window->getWindow();
        mvwaddch(w, height - 1, 0, ACS_LTEE);
        mvwaddch(w, height - 1, width - 1, ACS_RTEE);
        if (title != nullptr)
            title->draw();
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
    CurLabel* title;
};

}  // namespace

BoxStatus runTextBox(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    BoxCall whole = call;
    whole.height = call.height == 0 ? -1 : call.height;   // a file has no size to fit
    whole.width = call.width == 0 ? -1 : call.width;
    BoxOptions untitled = o;
    untitled.title = nullptr;
    whole.options = &untitled;
    BoxDialog dialog(whole, "", BoxDialog::EXIT_ONLY, -1, 0);
    CurLabel* title = nullptr;
    std::string shown;
    if (o.title != nullptr) {
        shown = std::string(" ") + o.title + " ";
        int cols = CurLabel::getLongestLine(o.title) + 2;
        cols = cols > dialog.getWidth() - 2 ? dialog.getWidth() - 2 : cols;
        title = new CurLabel(&dialog, false);
        title->setGeometry(1, cols, 0, (dialog.getWidth() - cols) / 2);
        title->setText(shown.c_str(), false);
    }
    PagerViewer viewer(&dialog, title);
    bool opened = viewer.openFile(call.text);
    viewer.setGeometry(dialog.getHeight() - 2, dialog.getWidth(), 0, 0);
    dialog.addBody(&viewer);
    BoxStatus status = opened ? dialog.run() : BOX_ERROR;
    delete title;
    if (!opened)
        *call.error = std::string("cannot show the file: ") + call.text;
    return status;
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
