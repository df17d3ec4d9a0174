// probe.cpp - the harness' own scenario: a plain curses program (no toolkit)
// set up the way CurInit sets curses up, used to check what the harness sees.
//   probe env   reports its environment and terminal, prints a line, exits 7
//   probe keys  draws attributes, colours and a box, reports every key code
//               it reads ("key=<code>"), and exits 3 on 'q'
//   probe frame frames the whole screen, hides the cursor, waits for a key
//               and exits 0
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <curses.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "PlainCurses.h"
#include "ScenarioResult.h"

static int reportEnvironment()
{
    const char* term = std::getenv("TERM");
    scenarioResult("term", term ? term : "<unset>");
    const char* extra = std::getenv("PROBE_EXTRA");
    scenarioResult("extra", extra ? extra : "<unset>");
    struct winsize ws = {};
    ioctl(0, TIOCGWINSZ, &ws);
    scenarioResult("size", (std::to_string(ws.ws_row) + "x" + std::to_string(ws.ws_col)).c_str());
    scenarioResult("stdin_tty", isatty(0));
    scenarioResult("multi", "line one\nline two");
    std::printf("probe environment reported\n");
    return 7;
}

static void drawSamples()
{
    attron(A_REVERSE);
    mvaddstr(0, 0, "REV");
    attroff(A_REVERSE);
    attron(A_BOLD);
    mvaddstr(0, 4, "BOLD");
    attroff(A_BOLD);
    attron(A_UNDERLINE);
    mvaddstr(0, 9, "UL");
    attroff(A_UNDERLINE);
    if (has_colors()) {
        init_pair(1, COLOR_RED, COLOR_BLUE);
        attron(COLOR_PAIR(1));
        mvaddstr(1, 0, "RED");
        attroff(COLOR_PAIR(1));
    }
    WINDOW* box5 = newwin(5, 10, 3, 0);
    box(box5, 0, 0);
    mvwaddstr(box5, 2, 2, "box");
    wnoutrefresh(stdscr);
    wnoutrefresh(box5);
    delwin(box5);
}

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "env") == 0) return reportEnvironment();

    // As CurInit::initialize does: character sets, terminal init, then curses.
    std::fputs("\x1b(B\x1b)0\x0f", stdout);
    std::fflush(stdout);
    if (std::system("tput init") != 0) {}   // its absence goes unnoticed
    startPlainCurses();

    if (argc > 1 && std::strcmp(argv[1], "frame") == 0) {
        box(stdscr, 0, 0);
        mvaddstr(1, 1, "framed");
        curs_set(0);
        refresh();
        getch();
        endwin();
        return 0;
    }
    drawSamples();
    mvaddstr(10, 0, "last key: none");
    move(12, 7);
    doupdate();
    for (;;) {
        int key = getch();
        scenarioResult("key", key);
        if (key == 'q') break;
        mvprintw(10, 0, "last key: %d", key);
        clrtoeol();
        move(12, 7);
        refresh();
    }
    endwin();
    return 3;
}
