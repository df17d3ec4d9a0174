#ifndef VELMORA_CURTTY_H
#define VELMORA_CURTTY_H
// CurTty: the one place that opens the controlling terminal (internal, not
// installed, but exported: the box program, built on the shared library or
// on its objects, opens it here too).
class CurTty {
public:
    // /dev/tty opened with flags (O_RDONLY, O_WRONLY or O_RDWR), close-on-exec,
    // never made the controlling terminal and never waited on while opening;
    // accepted only when the descriptor is a terminal, then left blocking as
    // curses reads it. -1 when there is none (no terminal, or not one).
    static int open(int flags);
};
#endif
