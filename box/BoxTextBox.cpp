// BoxTextBox.cpp - --textbox (box/): a file in a scrolling viewer whose frame
// is the box's own, so that every column between the borders shows the file,
// with the pager keys scripts' users press and an EXIT button.
#include "BoxDialog.h"
#include "CurText.h"

#include <CurViewer.h>
#include <CurInit.h>
#include <curses.h>

#include <map>
#include <unistd.h>

// The files the checks opened, by the argument naming them, until their box runs.
static std::map<const char*, int> checkedFiles;

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
        int frame = CurInit::getThemeAttr(CurInit::THEME_FRAME);
        CurText::putLine(w, height - 1, 0, CurText::LTEE, frame);
        CurText::putLine(w, height - 1, width - 1, CurText::RTEE, frame);
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
    auto found = checkedFiles.find(call.argv[0]);
    int fd = found != checkedFiles.end() ? found->second : CurViewer::openRegular(call.text);
    if (found != checkedFiles.end())
        checkedFiles.erase(found);
    if (!viewer.openFile(fd, call.text)) {
        *call.error = std::string("cannot show the file: ") + call.text;
        return BOX_ERROR;
    }
    viewer.setGeometry(dialog.getHeight() - 2, dialog.getWidth(), 0, 0);
    dialog.addBody(&viewer);
    return dialog.run();
}

// Opened the viewer's way before the screen starts, so that a missing file
// is a plain error. The text box keeps it open for itself: the file shown
// is the one checked, whatever is put at the path in between. The boxes
// that open the file again by name have it closed.
static bool openChecked(char** argv, std::string* why, bool keep)
{
    int fd = CurViewer::openRegular(argv[0]);
    if (fd < 0) {
        *why = std::string("not a readable file: ") + argv[0];
        return false;
    }
    if (keep)
        checkedFiles[argv[0]] = fd;
    else
        close(fd);
    return true;
}

bool checkTextBox(const BoxOptions&, int, char** argv, std::string* why)
{
    return openChecked(argv, why, false);
}

bool keepTextBoxFile(const BoxOptions&, int, char** argv, std::string* why)
{
    return openChecked(argv, why, true);
}
