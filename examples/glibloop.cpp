// glibloop.cpp - the toolkit inside a GLib main loop, with no thread:
// g_unix_fd_add on CurInit::eventFd gives it a turn when it has work, a
// GLib timeout wakes it for its own timers (CurInit::turnTimeout), and GLib
// keeps a timeout of the program's own. Keys go to a line editor; Enter
// logs its text; Esc quits.
#include <CurInit.h>
#include <CurLineEdit.h>
#include <CurLogger.h>
#include <CurSession.h>
#include <CurWindow.h>
#include <curses.h>
#include <glib-unix.h>
#include <glib.h>
#include <string>

static CurLogger* logPane;
static CurWindow* bar;
static CurLineEdit* edit;
static GMainLoop* loop;
static guint toolkitTimer;
static int ticks;

static gboolean turn(gpointer);

static gboolean onToolkitFd(gint, GIOCondition, gpointer) { return turn(nullptr); }

// Every key the toolkit has, then its next timer asked for again.
static gboolean turn(gpointer fromTimer)
{
    if (fromTimer != nullptr)
        toolkitTimer = 0;                        // a one-shot: GLib removes it
    for (int key; (key = CurInit::turn(bar)) != ERR;) {
        if (key == 27) {
            g_main_loop_quit(loop);
            return fromTimer != nullptr ? G_SOURCE_REMOVE : G_SOURCE_CONTINUE;
        }
        if (key == 13 || key == KEY_ENTER) {
            logPane->log(std::string("you typed: ") + edit->getText());
            edit->setText("", true);
        } else {
            edit->processKey(key);
        }
        bar->update();
    }
    if (toolkitTimer != 0)
        g_source_remove(toolkitTimer);
    int wait = CurInit::turnTimeout();
    toolkitTimer = wait >= 0 ? g_timeout_add((guint)wait, turn, &toolkitTimer) : 0;
    return fromTimer != nullptr ? G_SOURCE_REMOVE : G_SOURCE_CONTINUE;
}

static gboolean onClock(gpointer)
{
    logPane->log("tick " + std::to_string(++ticks) + " from GLib");
    return G_SOURCE_CONTINUE;
}

int main()
{
    CurSession session;                          // given back when main returns
    CurLogger pane(CurInit::height - 3, CurInit::width, 0, 0);
    CurWindow line(3, CurInit::width, CurInit::height - 3, 0);
    line.setTitle("Type, Enter logs, Esc quits", CurInit::LEFT);
    CurLineEdit editor(&line);
    editor.setGeometry(1, CurInit::width - 2, 1, 1);
    logPane = &pane, bar = &line, edit = &editor;
    pane.update();
    editor.draw();
    line.update();

    loop = g_main_loop_new(nullptr, FALSE);
    guint fd = g_unix_fd_add(CurInit::eventFd(), G_IO_IN, onToolkitFd, nullptr);
    guint programClock = g_timeout_add(300, onClock, nullptr);
    g_main_loop_run(loop);
    g_source_remove(fd);
    g_source_remove(programClock);
    if (toolkitTimer != 0)
        g_source_remove(toolkitTimer);
    g_main_loop_unref(loop);
    return 0;
}
