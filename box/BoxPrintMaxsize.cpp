// BoxPrintMaxsize.cpp - --print-maxsize (box/): the largest box the terminal
// takes, as "MaxSize: ROWS, COLUMNS", without drawing anything; a back
// title keeps its row.
#include "Box.h"
#include "CurTty.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

// The terminal's size from the first of the standard descriptors or the
// controlling terminal that knows it; else LINES and COLUMNS; else 24 x 80.
static void terminalSize(int* rows, int* cols)
{
    struct winsize ws = {};
    for (int fd = 0; fd < 3; fd++)
        if (ioctl(fd, TIOCGWINSZ, &ws) == 0 && ws.ws_row > 0 && ws.ws_col > 0) {
            *rows = ws.ws_row;
            *cols = ws.ws_col;
            return;
        }
    int tty = CurTty::open(O_RDONLY);
    bool known = tty >= 0 && ioctl(tty, TIOCGWINSZ, &ws) == 0 && ws.ws_row > 0 && ws.ws_col > 0;
    if (tty >= 0)
        close(tty);
    const char* lines = getenv("LINES");
    const char* columns = getenv("COLUMNS");
    *rows = known ? ws.ws_row : lines != nullptr && atoi(lines) > 0 ? atoi(lines) : 24;
    *cols = known ? ws.ws_col : columns != nullptr && atoi(columns) > 0 ? atoi(columns) : 80;
}

BoxStatus runPrintMaxsize(BoxCall& call)
{
    int rows = 24, cols = 80;
    terminalSize(&rows, &cols);
    if (call.options->backtitle != nullptr && rows > 1)
        rows--;                          // the back title's row is not the boxes'
    *call.answer += "MaxSize: " + std::to_string(rows) + ", " + std::to_string(cols) + "\n";
    return BOX_OK;
}
