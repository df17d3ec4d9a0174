// BoxTailBox.cpp - --tailbox (box/): a file followed as it grows, shrinks
// or is replaced, its end in view, until EXIT. The viewer opens the file
// without blocking and takes regular files only.
#include "Box.h"

#include <CurTDialog.h>
#include <CurViewer.h>
#include <curses.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The viewer and what the half-second timer needs to follow the file.
struct Tail {
    CurTDialog* dialog;
    CurViewer*  viewer;
    const char* path;
    dev_t       dev;
    ino_t       ino;
    bool        escaped;
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

// A file replaced under its name is opened anew; the view stays at the
// end while it was there, so a reader who scrolled back is left alone.
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
    bool atEnd = t->viewer->getPercent() >= 100;
    t->viewer->draw();
    if (atEnd)
        t->viewer->processKey(KEY_END);
    t->dialog->update();
    return false;
}

// The button holds the focus: the keys it leaves scroll the viewer, Esc ends.
bool keyCB(int key, void* data)
{
    Tail* t = static_cast<Tail*>(data);
    if (key != 27)
        return t->viewer->processKey(key);
    t->escaped = true;
    t->dialog->stopKbdLoop();
    return true;
}

} // namespace

BoxStatus runTailBox(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    int rows = call.height > 0 ? call.height : LINES - 4;
    int cols = call.width > 0 ? call.width : COLS - 4;
    BoxStatus status;
    {
        CurTDialog dialog(rows < 7 ? 7 : rows, cols < 12 ? 12 : cols, -1, -1);
        if (o.title != nullptr)
            dialog.setTitle(o.title, CurInit::CENTER);
        CurViewer viewer(&dialog);
        Tail tail = {&dialog, &viewer, call.text, 0, 0, false};
        if (!identify(call.text, &tail.dev, &tail.ino) || !viewer.openFile(call.text)) {
            *call.error = std::string("not a readable file: ") + call.text;
            return BOX_ERROR;
        }
        dialog.addButton(o.exitLabel != nullptr ? o.exitLabel : "EXIT");
        dialog.setKeyCB(keyCB, &tail);
        viewer.setGeometry(dialog.getHeight() - 4, dialog.getWidth() - 2, 1, 1);
        dialog.draw();
        viewer.draw();
        viewer.processKey(KEY_END);
        int timer = CurInit::addTimer(500, followCB, &tail);
        int chosen = dialog.kbdLoop();
        CurInit::removeTimer(timer);
        status = chosen == 0 && !tail.escaped ? BOX_OK : BOX_ESC;
    }
    return status;
}
