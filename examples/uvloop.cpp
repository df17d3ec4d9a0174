// uvloop.cpp - the toolkit inside a libuv loop, with no thread: a uv_poll
// on CurInit::eventFd gives it a turn when it has work, a uv_timer wakes it
// for its own timers (CurInit::turnTimeout), and libuv keeps a timer of the
// program's own. Keys go to a line editor; Enter logs its text; Esc quits.
#include <CurInit.h>
#include <CurLineEdit.h>
#include <CurLogger.h>
#include <CurSession.h>
#include <CurWindow.h>
#include <curses.h>
#include <string>
#include <uv.h>

static CurLogger* logPane;
static CurWindow* bar;
static CurLineEdit* edit;
static uv_poll_t toolkitPoll;
static uv_timer_t toolkitTimer, programClock;
static int ticks;

static void turn();

static void onToolkitTimer(uv_timer_t*) { turn(); }
static void onToolkitPoll(uv_poll_t*, int, int) { turn(); }

// Every key the toolkit has, then its next timer asked for again.
static void turn()
{
    for (int key; (key = CurInit::turn(bar)) != ERR;) {
        if (key == 27) {
            uv_stop(uv_default_loop());
            return;
        }
        if (key == 13 || key == KEY_ENTER) {
            logPane->log(std::string("you typed: ") + edit->getText());
            edit->setText("", true);
        } else {
            edit->processKey(key);
        }
        bar->update();
    }
    int wait = CurInit::turnTimeout();
    if (wait >= 0)
        uv_timer_start(&toolkitTimer, onToolkitTimer, (uint64_t)wait, 0);
}

static void onClock(uv_timer_t*)
{
    logPane->log("tick " + std::to_string(++ticks) + " from libuv");
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

    uv_loop_t* loop = uv_default_loop();
    uv_poll_init(loop, &toolkitPoll, CurInit::eventFd());
    uv_poll_start(&toolkitPoll, UV_READABLE, onToolkitPoll);
    uv_timer_init(loop, &toolkitTimer);
    uv_timer_init(loop, &programClock);
    uv_timer_start(&programClock, onClock, 300, 300);
    uv_run(loop, UV_RUN_DEFAULT);

    uv_close((uv_handle_t*)&toolkitPoll, nullptr);
    uv_close((uv_handle_t*)&toolkitTimer, nullptr);
    uv_close((uv_handle_t*)&programClock, nullptr);
    uv_run(loop, UV_RUN_DEFAULT);                // lets the handles close
    uv_loop_close(loop);
    return 0;
}
