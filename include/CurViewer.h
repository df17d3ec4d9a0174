#ifndef VELMORA_CURVIEWER_H
#define VELMORA_CURVIEWER_H
// CurViewer: a framed, scrolling view of a long text or a file, word-wrapped
// or not, with a scroll bar like the list's, a position indicator and a
// forward search. A file is read lazily around what is shown: opening costs
// nothing however large it is, and each key costs at most a few bounded reads.
#include "CurGadget.h"

#include <string>
#include <string_view>

typedef struct _win_st WINDOW;

class CurViewer : public CurGadget {
public:
    CurViewer(CurWindow* window);        // empty, not wrapped, focused; keypad mode on for the window
    ~CurViewer() override;               // closes the file, frees the text
    CurViewer(const CurViewer&) = delete;
    CurViewer& operator=(const CurViewer&) = delete;

    // What is shown. A file is read as it is at each draw, so one that grows
    // or shrinks is followed. openFile takes regular files only: false for a
    // missing file, a directory, a FIFO or a device, and the view is then
    // empty. At each key the path is looked at again: a file put in the
    // shown one's place (a log rotated) is opened instead, and a file
    // removed, or replaced by anything but a regular file, is said so on the
    // bottom frame row while the old contents stay.
    bool openFile(const char* path);
    // The same for a descriptor from openRegular (or any open regular file),
    // which the viewer takes over and closes, even when it returns false;
    // path, when not null, is the name looked at again at each key.
    bool openFile(int fd, const char* path);
    // Opens path for reading without waiting (a FIFO or a device could
    // block the open for ever) and decides on the opened descriptor, so a
    // path swapped between a check and the open cannot fool it: the
    // descriptor of a regular file, or -1 with errno set (EINVAL when the
    // path names something else). Usable before curses is started.
    static int openRegular(const char* path);
    void setText(const char* text);      // copies; null empties the view
    void setWrap(bool on);               // word-wrap at the width; off at first
    bool isWrapped() const;

    // Moves to the next occurrence of pattern after the first row shown and
    // marks it; false, with a note in the bottom frame, when none follows.
    // A long search shows how far it got in the bottom frame and stops at
    // Esc (false, the view unmoved); other keys typed meanwhile wait for
    // it to end and then act as usual, in the order typed.
    bool search(const char* pattern);
    // The same for texts of any kind; each is copied once, as a path or
    // pattern must end with a NUL.
    bool openFile(std::string_view path) { return openFile(std::string(path).c_str()); }
    void setText(std::string_view text) { setText(std::string(text).c_str()); }
    bool search(std::string_view pattern) { return search(std::string(pattern).c_str()); }
    long long getTop() const;            // byte offset of the first row shown
    int  getPercent();                   // how much of the text lies above the last row's end

    // the gadget contract (the keyboard loop is CurGadget's)
    void draw() override;                // frame, scroll bar, indicator, rows; cursor on the first row
    // Up, Down, Page Up, Page Down, Home, End, Left and Right (not wrapped),
    // "/" (reads a search text on the bottom frame row; Enter searches, Esc
    // cancels) and "n" (the last search again). Every other key is declined.
    bool processKey(int key) override;
    bool processMouse(const CurInit::MouseEvent& event) override;  // the wheel and the scroll bar

private:
    static const int WHEEL_ROWS = 3;     // rows one step of the wheel scrolls
    // reading
    void restat();                       // takes the file's size; drops the cache when it changed
    long long total() const;             // bytes of the text or the file
    const char* fetch(long long offset, int* avail); // bytes from offset, at least 1 unless at the end
    const char* fetchRun(long long offset, long long want, int* avail); // at least want bytes where there are
    const char* fetchAhead(long long offset, int* avail); // as fetch, the window starting at offset
    int  byteAt(long long offset);       // -1 at the end
    long long newlineIn(long long from, long long to, bool last); // first or last in [from, to); -1: none
    long long cutAt(long long k);        // the place of the k-th possible cut
    bool isCut(long long cut);           // whether an over-long line is cut there
    long long boundaryAfter(long long pos);   // the first possible cut after pos
    long long lineEnd(long long start);  // offset of the newline or cut ending the line from start
    long long lineStartOf(long long pos); // start of the line holding byte pos
    long long wholeLineEnd(long long start); // as lineEnd, never cut (not wrapped)
    long long wholeLineStart(long long pos); // as lineStartOf, never cut
    long long columnAt(long long start, long long end, long long col, long long* before);
    bool rowsGoPast(long long col);      // a row in view has a character at column col or after
    void showMatchSideways();            // leftCol moved to show the match, when not wrapped
    // rows (a line, or one wrapped piece of it)
    long long rowEnd(long long start);   // end of the row from start, newline excluded
    long long rowEndIn(long long start, long long lineEnd);
    long long nextRow(long long start);  // start of the row after; size() at the end
    long long rowsBack(long long start, int count); // start of the row count rows up; 0 at the top
    long long lastTop();                 // the top that shows the last page full
    long long rowHolding(long long pos); // start of the row holding byte pos
    long long walkRows(long long line, long long pos, int most, int* count);
    // drawing
    int  viewRows() const;
    int  viewCols() const;
    void drawRow(int row, long long start, long long end);
    void drawText(int row, const char* text, int len, long long offset, int skip, int* col);
    void drawScrollBar(WINDOW* w);
    void drawStatus(WINDOW* w);
    void drawNote(WINDOW* w, const char* note, int room);
    bool readPattern();                  // the "/" prompt; true when a text was entered
    bool escTyped();                     // during a search: keeps other keys typed
    void drawProgress(long long pos);
    void giveKeysBack();
    bool moveKey(int key);
    bool followPath();                   // true when the view changed
    void freeSource();

    int       fd;                        // the file, or -1
    char*     path;                      // its name as given, or null
    char*     text;                      // own copy of a text, or null
    long long textSize;
    char*     cache;                     // a window of the file, CACHE_SIZE bytes
    long long cacheStart;
    int       cacheLen;
    long long fileSize;
    long long fileStamp;                 // modification time seen with fileSize
    long long top;                       // start of the first row shown
    long long leftCol;                   // columns scrolled off on the left (not wrapped)
    bool      wrap;
    // The last long line found, so that the keys after it do not scan it
    // again: every byte in [knownStart, knownEnd) lies on the line from
    // knownStart, ending at knownEnd; and the last column found in it.
    long long knownStart, knownEnd;
    long long knownCol, knownColAt;      // column knownCol starts at byte knownColAt
    char      pattern[256];              // the last search text
    long long matchStart;                // the marked match, -1 when none
    const char* note;                    // said on the bottom frame row until the next key
    const char* fileNote;                // said while the path names another file or none
    int       keysKept;                  // keys typed during a search, given back after it
    int       keyKept[16];
};
#endif
