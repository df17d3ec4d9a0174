// CurViewer.cpp - the text viewer gadget (gadget/): rows found around the
// current position by bounded scans of the text or of a window of the file,
// drawing with a scroll bar and position indicator, the scroll keys, search.
#include "CurViewer.h"
#include "CurLineEdit.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A line longer than LINE_CUT bytes is shown as several lines, cut where the
// file offset passes a multiple of LINE_CUT (moved back to the start of a
// character). The cuts depend on the offset alone, so scanning forwards and
// backwards finds the same lines, and no scan goes further than LINE_CUT.
static const long long LINE_CUT = 65536;
// The file window: a scan from a position finds at least half of it on
// either side, which holds a whole line either way.
static const int CACHE_SIZE = 4 * 65536;

CurViewer::CurViewer(CurWindow* window)
    : CurGadget(window), fd(-1), text(nullptr), textSize(0), cache(nullptr), cacheStart(0),
      cacheLen(0), fileSize(0), fileStamp(0), top(0), leftCol(0), wrap(false),
      matchStart(-1), notFound(false)
{
    showFocus(true);
    pattern[0] = '\0';
    if (window->getWindow() != nullptr)
        keypad(window->getWindow(), TRUE);
}

CurViewer::~CurViewer()
{
    freeSource();
}

void CurViewer::freeSource()
{
    if (fd >= 0)
        close(fd);
    fd = -1;
    free(text);
    text = nullptr;
    delete[] cache;
    cache = nullptr;
    textSize = fileSize = 0;
    cacheLen = 0;
    top = 0;
    leftCol = 0;
    matchStart = -1;
}

bool CurViewer::openFile(const char* path)
{
    freeSource();
    if (path == nullptr)
        return false;
    int opened = open(path, O_RDONLY | O_CLOEXEC);
    struct stat st;
    if (opened < 0 || fstat(opened, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (opened >= 0)
            close(opened);
        return false;
    }
    fd = opened;
    cache = new char[CACHE_SIZE];
    fileSize = -1;                      // the next restat fills it
    restat();
    return true;
}

void CurViewer::setText(const char* newText)
{
    freeSource();
    if (newText == nullptr)
        return;
    text = strdup(newText);
    textSize = (long long)strlen(text);
}

void CurViewer::setWrap(bool on)
{
    wrap = on;
    leftCol = 0;
    top = rowHolding(top);              // the rows are cut differently now
}

bool CurViewer::isWrapped() const
{
    return wrap;
}

long long CurViewer::getTop() const
{
    return top;
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
    if (st.st_size != fileSize || stamp != fileStamp)
        cacheLen = 0;
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

int CurViewer::byteAt(long long offset)
{
    int avail;
    const char* p = fetch(offset, &avail);
    return avail > 0 ? (unsigned char)*p : -1;
}

// The cut at multiple k of LINE_CUT, moved back over UTF-8 continuation bytes.
long long CurViewer::cutAt(long long k)
{
    long long b = k * LINE_CUT;
    for (int i = 0; i < 3 && b > 0 && (byteAt(b) & 0xC0) == 0x80; i++)
        b--;
    return b;
}

long long CurViewer::boundaryAfter(long long pos)
{
    long long k = pos / LINE_CUT + 1;
    long long b = cutAt(k);
    return b > pos ? b : cutAt(k + 1);
}

// A cut that falls on a newline is no cut: that newline ends the line.
long long CurViewer::lineEnd(long long start)
{
    long long limit = boundaryAfter(start);
    long long size = total();
    if (limit > size)
        limit = size;
    for (long long pos = start; pos < limit;) {
        int avail;
        const char* p = fetch(pos, &avail);
        if (avail <= 0)
            return pos;
        if (avail > limit - pos)
            avail = (int)(limit - pos);
        const char* nl = (const char*)memchr(p, '\n', avail);
        if (nl != nullptr)
            return pos + (nl - p);
        pos += avail;
    }
    return limit;
}

// The nearest cut at or before pos bounds the scan for a newline. A cut
// moved back to the start of a character may lie a few bytes before its
// multiple of LINE_CUT, at or before pos: then it is the nearest.
long long CurViewer::lineStartOf(long long pos)
{
    long long k = pos / LINE_CUT;
    long long cut = cutAt(k + 1);
    if (cut > pos)
        cut = cutAt(k);
    if (cut == pos && pos > 0 && byteAt(pos) == '\n')
        return byteAt(pos - 1) == '\n' ? pos : lineStartOf(pos - 1); // a cut on a newline is none
    long long from = cut;
    for (long long q = pos - 1; q >= from; q--)
        if (byteAt(q) == '\n')
            return q + 1;
    return from;
}

// The end of the row from start when the line ends at end: everything when
// not wrapped or when it fits, otherwise behind the last blank that fits,
// or at the width when no blank does. A row always takes one character.
// Characters are measured as the text module draws them.
long long CurViewer::rowEndIn(long long start, long long end)
{
    if (!wrap || end <= start)
        return end;
    int avail;
    const char* p = fetchRun(start, end - start, &avail);
    int len = end - start < avail ? (int)(end - start) : avail;
    int used = 0, blank = -1;
    for (int i = 0; i < len;) {
        int code, cols;
        int n = CurText::decode(p + i, len - i, &code, &cols);
        used += cols;
        if (used > viewCols() && code == ' ')
            return start + i + n;       // a blank past the width ends the row unseen
        if (used > viewCols() && i > 0)
            return start + (blank > 0 ? blank : i);
        if (code == ' ')
            blank = i + n;
        i += n;
    }
    return end;
}

long long CurViewer::rowEnd(long long start)
{
    return rowEndIn(start, lineEnd(start));
}

long long CurViewer::nextRow(long long start)
{
    long long end = lineEnd(start);
    long long rowEnd = rowEndIn(start, end);
    if (rowEnd < end)
        return rowEnd;
    return byteAt(end) == '\n' ? end + 1 : end;
}

// Going up a row at a time would walk a wrapped line from its start again
// for every row; this walks each line at most twice: once to count its rows
// above start, once more to reach the one wanted when it lies inside.
long long CurViewer::rowsBack(long long start, int count)
{
    while (count > 0 && start > 0) {
        long long line = lineStartOf(start - 1);
        int above = 0;                  // rows of the line before the one holding start - 1
        if (wrap)
            walkRows(line, start - 1, INT_MAX, &above);
        if (above < count) {
            count -= above + 1;
            start = line;
        } else {
            start = walkRows(line, LLONG_MAX, above - count + 1, nullptr);
            count = 0;
        }
    }
    return start;
}

long long CurViewer::rowHolding(long long pos)
{
    if (pos <= 0)
        return 0;
    long long line = lineStartOf(pos);
    return wrap ? walkRows(line, pos, INT_MAX, nullptr) : line;
}

// From the start of a line, the start of its row that holds pos or of its
// row number most, whichever comes first; *count, when given, is that
// row's number (0 for the line's first row).
long long CurViewer::walkRows(long long line, long long pos, int most, int* count)
{
    long long end = lineEnd(line);
    long long row = line;
    int n = 0;
    while (n < most) {
        long long next = rowEndIn(row, end);
        if (next >= end || next > pos)
            break;
        row = next;
        n++;
    }
    if (count != nullptr)
        *count = n;
    return row;
}

long long CurViewer::lastTop()
{
    return rowsBack(total(), viewRows());
}

int CurViewer::viewRows() const
{
    return height - 2 < 1 ? 1 : height - 2;
}

int CurViewer::viewCols() const
{
    return width - 2 < 1 ? 1 : width - 2;
}

int CurViewer::getPercent()
{
    restat();
    long long size = total();
    long long row = top;
    for (int i = 0; i < viewRows() && row < size; i++)
        row = nextRow(row);
    return size == 0 ? 100 : (int)(row * 100 / size);
}
