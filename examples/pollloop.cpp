// pollloop.cpp - the toolkit inside a program's own poll loop, with no
// thread: the loop watches CurInit::eventFd beside its own work (here a
// clock it keeps itself), sleeps no longer than CurInit::turnTimeout, and
// gives the toolkit a turn whenever there is something for it. Keys go to
// a line editor; Enter logs its text; Esc quits.
#include <CurInit.h>
#include <CurLineEdit.h>
#include <CurLogger.h>
#include <CurSession.h>
#include <CurWindow.h>
#include <curses.h>
#include <poll.h>
#include <string>
#include <time.h>

static long long nowMs()
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000 + ts.tv_nsec / 1000000;
}

int main()
{
    CurSession session;                          // given back when main returns
    CurLogger log(CurInit::height - 3, CurInit::width, 0, 0);
    CurWindow bar(3, CurInit::width, CurInit::height - 3, 0);
    bar.setTitle("Type, Enter logs, Esc quits", CurInit::LEFT);
    CurLineEdit edit(&bar);
    edit.setGeometry(1, CurInit::width - 2, 1, 1);
    log.update();
    edit.draw();
    bar.update();

    int ticks = 0;
    long long nextTick = nowMs() + 300;
    for (bool running = true; running;) {
        // The program's own wait: its clock and the toolkit's work at once.
        int wait = (int)(nextTick - nowMs());
        int toolkit = CurInit::turnTimeout();
        if (toolkit >= 0 && toolkit < wait)
            wait = toolkit;
        struct pollfd fds[1] = {{CurInit::eventFd(), POLLIN, 0}};
        poll(fds, 1, wait < 0 ? 0 : wait);
        if (nowMs() >= nextTick) {
            log.log("tick " + std::to_string(++ticks) + " from the program's own loop");
            nextTick += 300;
        }
        // The toolkit's turn: every key it has, then back to the program.
        for (int key; (key = CurInit::turn(&bar)) != ERR;) {
            if (key == 27) {
                running = false;
            } else if (key == 13 || key == KEY_ENTER) {
                log.log(std::string("you typed: ") + edit.getText());
                edit.setText("", true);
                bar.update();
            } else if (edit.processKey(key)) {
                bar.update();
            }
        }
    }
    return 0;
}
