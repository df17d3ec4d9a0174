// events_demo.cpp - a screen-test scenario for the key reader: a form over a
// log pane; F1, Esc and Alt+x are logged, F2 opens a centred dialog (Esc =
// Drop), Ctrl-S ends. Given a FIFO, its lines are logged and a timer counts
// to 5. Reports "resized" (callbacks), "dialog" (its result) and "text".
#include "CurButton.h"
#include "CurFocuser.h"
#include "CurInit.h"
#include "CurLineEdit.h"
#include "CurLogger.h"
#include "CurTDialog.h"
#include "ScenarioResult.h"

#include <curses.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>

static CurLogger* pane;
static CurWindow* form;
static int resizes, ticks, timer;

// The dialog is gone before the screen beneath is repainted.
static void openDialog()
{
    {
        CurTDialog dialog(7, 30, -1, -1);
        dialog.setTitle("Centred", CurInit::CENTER);
        dialog.addButton("Keep");
        dialog.addButton("Drop");
        dialog.setEscButton(1);
        dialog.draw();
        scenarioResult("dialog", std::to_string(dialog.kbdLoop()).c_str());
    }
    CurInit::refreshAllWindows();
}

static bool onKey(int key, void* data)
{
    if (key == KEY_F(1) || key == 27 || key == CurInit::ALT + 'x')
        pane->log(key == 27 ? "Esc" : key == KEY_F(1) ? "F1 pressed" : "Alt+x");
    else if (key == KEY_F(2))
        openDialog();
    else if (key == 19)
        static_cast<CurFocuser*>(data)->stopKbdLoop();
    else
        return false;
    return true;
}

static void onResize(void*)
{
    scenarioResult("resized", std::to_string(++resizes).c_str());
}

static bool onTick(void*)
{
    mvwprintw(form->getWindow(), 8, 2, "ticks: %d", ++ticks);
    form->update();
    if (ticks == 5)
        CurInit::removeTimer(timer);     // its own, from inside
    return false;
}

static bool onFifo(int fd, void*)
{
    char buf[100] = "closed";
    ssize_t n = read(fd, buf, sizeof buf - 1);
    if (n > 0)
        buf[n - 1] = '\0';              // the test writes whole lines
    pane->log(buf);
    return false;
}

int main(int argc, char** argv)
{
    CurInit::initialize();
    CurInit::setResizeCB(onResize, nullptr);
    {
        CurLogger log(8, 50, 14, 2);
        pane = &log;
        for (int i = 1; i <= 10; i++)
            log.log(("line " + std::to_string(i)).c_str());
        log.update();
        CurWindow win(10, 40, 1, 2);
        form = &win;
        win.setTitle("Form", CurInit::CENTER);
        CurLineEdit edit(&win);
        edit.setGeometry(1, 20, 2, 2);
        CurButton ok(&win);
        ok.setGeometry(1, 6, 5, 4);
        CurFocuser focuser;
        focuser.addGadget(&edit);
        focuser.addGadget(&ok);
        focuser.setKeyCB(onKey, &focuser);
        if (argc > 1) {
            CurInit::addWatch(open(argv[1], O_RDONLY | O_NONBLOCK), onFifo, nullptr);
            timer = CurInit::addTimer(100, onTick, nullptr);
        }
        focuser.kbdLoop();
        scenarioResult("text", edit.getText());
    }
    CurInit::cleanup();
    return 0;
}
