// BoxTailBox.cpp - --tailbox (box/): a file followed as it grows, shrinks
// or is replaced, its end in view, until EXIT. The viewer opens the file
// without blocking and takes regular files only.
#include "BoxDialog.h"
#include "CurText.h"

#include <CurLabel.h>
#include <CurViewer.h>
#include <CurInit.h>
#include <curses.h>

#include <memory>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The viewer and what the half-second timer needs to follow the file.
struct Tail {
    CurWindow*  dialog;
    CurViewer*  viewer;
    const char* path;
    dev_t       dev;
    ino_t       ino;
    bool        following;               // the view goes to the end at every look
    long long   top;                     // where the last look left the view
};

// The file at path now: its device and inode, when it is a regular file.
bool identify(const char* path, dev_t* dev, ino_t* ino)
{
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat st;
    bool regular = fd >= 0 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (fd >= 0)
        close(fd);
    if (regular) {
        *dev = st.st_dev;
        *ino = st.st_ino;
    }
    return regular;
}

// A file replaced under its name is opened anew; the view follows the end
// until the reader scrolls back, and again once the reader is at the end.
bool followCB(void* data)
{
    Tail* t = static_cast<Tail*>(data);
    dev_t dev;
    ino_t ino;
    if (identify(t->path, &dev, &ino) && (dev != t->dev || ino != t->ino)
        && t->viewer->openFile(t->path)) {
        t->dev = dev;
        t->ino = ino;
    }
    if (t->viewer->getTop() != t->top)  // the reader moved: follow again once at the end
        t->following = t->viewer->getPercent() >= 100;
    if (t->following)
        t->viewer->processKey(KEY_END);
    else
        t->viewer->draw();
    t->top = t->viewer->getTop();
    t->dialog->update();
    return false;
}

// The viewer lies on the box's frame and separator, its percentage on the
// separator's row; the title, which its top border covers, is drawn again.
class TailViewer : public CurViewer {
public:
    TailViewer(CurWindow* window, CurLabel* title) : CurViewer(window), title(title) {}
    void draw() override
    {
        CurViewer::draw();
        WINDOW* w = window->getWindow();
        int frame = CurInit::getThemeAttr(CurInit::THEME_FRAME);
        CurText::putLine(w, height - 1, 0, CurText::LTEE, frame);
        CurText::putLine(w, height - 1, width - 1, CurText::RTEE, frame);
        if (title != nullptr)
            title->draw();
    }

private:
    CurLabel* title;
};

} // namespace

BoxStatus runTailBox(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    // As the text box: the viewer's frame is the box's own, sized to the
    // screen when the script says 0, the title drawn again over the viewer.
    BoxCall whole = call;
    whole.height = call.height == 0 ? -1 : call.height;
    whole.width = call.width == 0 ? -1 : call.width;
    BoxOptions untitled = o;
    untitled.title = nullptr;
    whole.options = &untitled;
    BoxDialog dialog(whole, "", BoxDialog::EXIT_ONLY, -1, 0);
    std::unique_ptr<CurLabel> title;
    std::string shown;
    if (o.title != nullptr) {
        shown = std::string(" ") + o.title + " ";
        int cols = CurLabel::getLongestLine(o.title) + 2;
        cols = cols > dialog.getWidth() - 2 ? dialog.getWidth() - 2 : cols;
        title.reset(new CurLabel(&dialog, false));
        title->setGeometry(1, cols, 0, (dialog.getWidth() - cols) / 2);
        title->setText(shown.c_str(), false);
    }
    TailViewer viewer(&dialog, title.get());
    Tail tail = {&dialog, &viewer, call.text, 0, 0, true, 0};
    if (!identify(call.text, &tail.dev, &tail.ino) || !viewer.openFile(call.text)) {
        *call.error = std::string("not a readable file: ") + call.text;
        return BOX_ERROR;
    }
    viewer.setGeometry(dialog.getHeight() - 2, dialog.getWidth(), 0, 0);
    dialog.addBody(&viewer);
    viewer.processKey(KEY_END);
    tail.top = viewer.getTop();
    int timer = CurInit::addTimer(500, followCB, &tail);
    BoxStatus status = dialog.run();
    CurInit::removeTimer(timer);
    return status;
}
