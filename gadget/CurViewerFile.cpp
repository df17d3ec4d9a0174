// CurViewerFile.cpp - the text viewer's source (gadget/): opening a file
// without being blocked or fooled by what the path names, following the path
// when the file is replaced or removed, and the window of the file that
// every scan reads through. Finding rows in it is in CurViewer.cpp.
#include "CurViewer.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The file window: a scan from a position finds at least half of it on
// either side, which holds a whole line either way.
static const int CACHE_SIZE = 4 * 65536;

// O_NONBLOCK: opening a FIFO with no writer, or some devices, waits for
// ever otherwise; it changes nothing for a regular file, the only kind kept.
// O_NOCTTY: a terminal device named by mistake must not become the
// process's controlling terminal on the way to being refused. Links are
// followed: the path is the user's own choice.
int CurViewer::openRegular(const char* path)
{
    if (path == nullptr) {
        errno = EINVAL;
        return -1;
    }
    int opened = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (opened < 0)
        return -1;
    struct stat st;
    int why = fstat(opened, &st) != 0 ? errno : EINVAL;
    if (why == EINVAL && S_ISREG(st.st_mode))
        return opened;
    close(opened);
    errno = why;
    return -1;
}

bool CurViewer::openFile(const char* name)
{
    freeSource();
    int opened = openRegular(name);
    return opened >= 0 && openFile(opened, name);
}

bool CurViewer::openFile(int opened, const char* name)
{
    freeSource();
    struct stat st;
    if (opened < 0 || fstat(opened, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (opened >= 0)
            close(opened);
        return false;
    }
    fd = opened;
    path = name != nullptr ? strdup(name) : nullptr;
    cache = new char[CACHE_SIZE];
    fileSize = -1;                      // the next restat fills it
    restat();
    return true;
}

void CurViewer::freeSource()
{
    if (fd >= 0)
        close(fd);
    fd = -1;
    free(path);
    path = nullptr;
    free(text);
    text = nullptr;
    delete[] cache;
    cache = nullptr;
    textSize = fileSize = 0;
    cacheLen = 0;
    top = 0;
    leftCol = 0;
    knownStart = knownEnd = knownColAt = -1;
    matchStart = -1;
    fileNote = nullptr;
}

// At each key, as a pager following a file by its name does: the path is
// looked at without opening it (a FIFO put there is never opened, so it
// can neither block nor wake a writer) and compared with the file shown. A
// regular file in its place is opened the viewer's way, which decides on
// the opened descriptor, and shown instead from the same offset as far as
// it reaches. True when the view or its notes changed.
bool CurViewer::followPath()
{
    if (fd < 0 || path == nullptr)
        return false;
    const char* before = fileNote;
    struct stat named, shown;
    if (stat(path, &named) != 0) {
        fileNote = " File removed ";
    } else if (fstat(fd, &shown) == 0 && named.st_dev == shown.st_dev
               && named.st_ino == shown.st_ino) {
        fileNote = nullptr;
    } else {
        int opened = S_ISREG(named.st_mode) ? openRegular(path) : -1;
        if (opened < 0) {
            fileNote = " File replaced ";
            return fileNote != before;
        }
        close(fd);
        fd = opened;
        fileStamp = -1;                  // the cache goes; a shorter file moves the view up
        matchStart = -1;
        restat();
        top = rowHolding(top);
        fileNote = nullptr;
        note = " File reopened ";
        return true;
    }
    return fileNote != before;
}

// A file that changed since the last look loses its cached bytes; after it
// shrank, the view moves up as far as needed to show a full last page.
void CurViewer::restat()
{
    if (fd < 0)
        return;
    struct stat st;
    if (fstat(fd, &st) != 0)
        return;
    long long stamp = (long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    if (st.st_size != fileSize || stamp != fileStamp) {
        cacheLen = 0;
        knownStart = knownEnd = knownColAt = -1;
    }
    bool shrank = st.st_size < fileSize;
    fileSize = st.st_size;
    fileStamp = stamp;
    if (top > fileSize)
        top = fileSize;
    if (shrank && top > 0 && top > lastTop())
        top = lastTop();
}

long long CurViewer::total() const
{
    return fd >= 0 ? fileSize : textSize;
}

// The bytes from offset on that the text or the file window holds: at least
// one unless offset is at the end. A read that fails shows as the end.
const char* CurViewer::fetch(long long offset, int* avail)
{
    *avail = 0;
    if (offset < 0 || offset >= total())
        return "";
    if (fd < 0) {
        long long left = textSize - offset;
        *avail = left > CACHE_SIZE ? CACHE_SIZE : (int)left;
        return text + offset;
    }
    if (offset < cacheStart || offset >= cacheStart + cacheLen) {
        cacheStart = offset > CACHE_SIZE / 2 ? offset - CACHE_SIZE / 2 : 0;
        ssize_t got = pread(fd, cache, CACHE_SIZE, cacheStart);
        cacheLen = got > 0 ? (int)got : 0;
        if (offset >= cacheStart + cacheLen)
            return "";
    }
    *avail = (int)(cacheStart + cacheLen - offset);
    return cache + (offset - cacheStart);
}

// The bytes from offset as fetch gives them, but at least want of them
// where the text has them: a window that ends too soon is read again with
// offset in its middle, which holds a whole line.
const char* CurViewer::fetchRun(long long offset, long long want, int* avail)
{
    const char* p = fetch(offset, avail);
    if (*avail < want && fd >= 0 && offset + *avail < total()) {
        cacheLen = 0;
        p = fetch(offset, avail);
    }
    return p;
}

// For a scan going forwards through the file (a search): a window that
// does not hold offset is read from offset on, so each byte is read once.
const char* CurViewer::fetchAhead(long long offset, int* avail)
{
    if (fd >= 0 && offset >= 0 && offset < total()
        && (offset < cacheStart || offset >= cacheStart + cacheLen)) {
        ssize_t got = pread(fd, cache, CACHE_SIZE, offset);
        cacheStart = offset;
        cacheLen = got > 0 ? (int)got : 0;
    }
    return fetch(offset, avail);
}

int CurViewer::byteAt(long long offset)
{
    int avail;
    const char* p = fetch(offset, &avail);
    return avail > 0 ? (unsigned char)*p : -1;
}
