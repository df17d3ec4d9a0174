// CurTty.cpp - opening the controlling terminal (terminal/): for the session
// when standard input or output is not a terminal, for the box program's
// messages and its size. Opened first, then the descriptor is checked.
#include "CurTty.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int CurTty::open(int flags)
{
    int fd = ::open("/dev/tty", flags | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return -1;
    struct stat st;
    int status = fcntl(fd, F_GETFL);
    if (fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode) || !isatty(fd) || status < 0
        || fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}
