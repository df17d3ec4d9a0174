// logview.cpp - follows a growing file, as tail -f does, in a log pane under
// a banner. Lines that mention an error are shown in bold red. q quits.
// UTF-8 logs show as text where the terminal is UTF-8 (the toolkit takes
// the locale from the environment); other bytes show as marks.
// The file is read when inotify says it changed, and by a timer besides
// (a file replaced under its name is no longer the one inotify watches);
// between the two the program sleeps in the toolkit's key reader.
//
//     logview /var/log/app.log
#include <CurBanner.h>
#include <CurInit.h>
#include <CurLogger.h>
#include <CurSession.h>
#include <curses.h>
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

static bool isErrorLine(const char* line)
{
    return strcasestr(line, "error") != nullptr || strcasestr(line, "fail") != nullptr;
}

// Bytes at the end of a full line that begin a UTF-8 character not yet
// complete: a lead byte and the continuation bytes after it.
static size_t unfinishedTail(const char* line, size_t used)
{
    for (size_t back = 1; back <= 3 && back <= used; back++) {
        unsigned char b = (unsigned char)line[used - back];
        if (b < 0x80 || b >= 0xC0) {
            size_t need = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
            return need > back ? back : 0;
        }
    }
    return 0;
}

// Hands every complete line read so far to the pane; a line still being
// written waits in `line` until its newline arrives. An overlong line goes
// on in the next entry, split between characters, not inside one.
static void follow(FILE* file, CurLogger& pane, char* line, size_t size, size_t& used)
{
    int c;
    while ((c = fgetc(file)) != EOF) {
        if (c != '\n' && used + 1 < size) {
            line[used++] = (char)c;
            continue;
        }
        size_t tail = c == '\n' ? 0 : unfinishedTail(line, used);
        char carried[4];
        memcpy(carried, line + used - tail, tail);
        line[used - tail] = '\0';
        if (isErrorLine(line))
            pane.error(line);
        else
            pane.log(line);
        memcpy(line, carried, tail);
        used = tail;
        if (c != '\n')
            line[used++] = (char)c;
    }
    clearerr(file);                        // at the end for now; the file may grow
}

// A file cut short (a log being rotated) is read again from its start.
static void rewindIfTruncated(FILE* file, CurLogger& pane, size_t& used)
{
    struct stat st;
    if (fstat(fileno(file), &st) == 0 && st.st_size < ftell(file)) {
        fseek(file, 0, SEEK_SET);
        used = 0;
        pane.error("logview: the file was truncated; reading it from the start");
    }
}

// What the timer and the inotify watch need: the file, the pane and the
// line still being written.
struct Follower {
    FILE*      file;
    CurLogger* pane;
    char       line[512];
    size_t     used;
};

static bool readNew(void* data)
{
    Follower* f = static_cast<Follower*>(data);
    rewindIfTruncated(f->file, *f->pane, f->used);
    follow(f->file, *f->pane, f->line, sizeof f->line, f->used);
    return false;                          // keep waiting for keys
}

// The events themselves do not matter: whatever changed, the file is read.
static bool fileChanged(int fd, void* data)
{
    char events[4096];
    while (read(fd, events, sizeof events) > 0) {
    }
    return readNew(data);
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: logview FILE\n");
        return 2;
    }
    FILE* file = fopen(argv[1], "r");
    if (file == nullptr) {
        perror(argv[1]);
        return 1;
    }

    CurSession session;                  // given back when main returns, after the pane and banner
    CurBanner banner;
    banner.setAttributes(CurInit::reverse);
    banner.leftLabel.setText("logview", true);
    banner.centerLabel.setText(argv[1], true);
    banner.rightLabel.setText("q: quit", true);
    banner.update();
    CurLogger pane(CurInit::height - 1, CurInit::width, 1, 0);
    pane.setErrorAttr(CurInit::pairToAttr(CurInit::addColorPair(CurInit::red, CurInit::black))
                      | CurInit::bold);
    pane.update();

    Follower follower = {file, &pane, {0}, 0};
    readNew(&follower);
    int notify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    bool watched = notify >= 0 && inotify_add_watch(notify, argv[1], IN_MODIFY) >= 0;
    if (watched)
        CurInit::addWatch(notify, fileChanged, &follower);
    CurInit::addTimer(watched ? 1000 : 200, readNew, &follower);
    for (;;) {
        int key = CurInit::readKey(&banner);
        if (key == 'q' || key == 'Q' || key == ERR)
            break;
    }
    if (notify >= 0)
        close(notify);

    fclose(file);
    return 0;
}
