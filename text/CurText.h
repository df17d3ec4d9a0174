#ifndef VELMORA_CURTEXT_H
#define VELMORA_CURTEXT_H
// CurText: the toolkit's one text module (internal, not installed). It decodes
// the text every gadget shows, measures it in screen columns, steps over and
// cuts at whole characters, wraps it, draws it with controls and bad bytes
// made visible, and draws the box lines of frames in the locale's own set.
// It needs curses and the C++ library only: every other folder builds on it.
#include <string_view>
#include <vector>

typedef struct _win_st WINDOW;

class CurText {
public:
    // The locale decides, at every call, how bytes read: in a UTF-8 LC_CTYPE
    // as UTF-8, where a byte that is not part of a valid sequence is a "bad
    // byte" of its own; in any other as one character per byte (the "C"
    // locale: a byte is a column, as curses counts).
    static bool utf8();

    // Columns every character takes on the screen: a printable one its width
    // (2 for double-width, 0 for a combining mark), a tab TAB_COLUMNS blanks,
    // any other control character, bad byte or unprintable character one mark.
    enum : int { TAB_COLUMNS = 4 };

    // One character at s, of at most len bytes (len > 0): returns its bytes
    // (at least 1), stores its code point (-1 for a bad byte) and columns.
    // Either pointer may be null.
    static int decode(const char* s, int len, int* code, int* columns);

    // Grapheme clusters, what a reader takes for one character (a base with
    // its marks, a Hangul syllable, a flag, an emoji sequence), are the unit
    // of every measure, step and cut below; in a non-UTF-8 locale a byte is.
    // A cluster is as wide as its code points together, except an emoji
    // sequence (a flag, a pictograph with a presentation selector, a skin
    // tone or joined pictographs, a keycap), which is two columns. A bad
    // byte is a cluster of its own.
    //
    // The cluster at s, of at most len bytes (len > 0): returns its bytes
    // (at least 1), stores its first code point (-1 for a bad byte) and its
    // columns. Either pointer may be null.
    static int cluster(const char* s, int len, int* code, int* columns);
    static int columns(const char* s);             // of a NUL-terminated text; null is 0
    static int columns(const char* s, int len);    // of its first len bytes
    // Bytes of the longest start of s[0..len) that fits in cols columns,
    // ending at a cluster boundary.
    static int cut(const char* s, int len, int cols);
    // The boundary after the cluster at pos, and the one before pos (the
    // start of the cluster that holds the byte before pos).
    static int next(const char* s, int len, int pos);
    static int prev(const char* s, int pos);

    // Draws s[0..len) on one row of w from (row, col), within cols columns
    // and the window, in attr: a cluster that would not fit whole is left
    // out, and so is everything after it. A cluster curses cannot keep in
    // its cells (more code points than a cell holds, or an emoji sequence
    // whose first code point curses counts narrow) is shown as a stand-in:
    // a replacement character (U+FFFD) in each of its columns. Tabs become
    // blanks, other controls and bad bytes marks; nothing moves the cursor
    // off the row. Returns the columns written, which end the row's drawn part.
    static int draw(WINDOW* w, int row, int col, const char* s, int len, int cols, int attr);
    // Blanks cols cells from (row, col), clipped to the window.
    static void blank(WINDOW* w, int row, int col, int cols, int attr);
    // Writes s[0..len) at the cursor and lets curses wrap and scroll it as
    // the window allows: a newline breaks the line, a tab becomes blanks,
    // other controls and bad bytes marks.
    static void flow(WINDOW* w, const char* s, int len, int attr);

    // Text for a line of its own off the screen, such as a message on
    // standard error: every character as draw shows it, its mark written
    // out (in UTF-8, or as '?' in other locales), a tab as one blank. Writes
    // at most size bytes (size > 0) with the NUL, cut at a whole character;
    // returns the bytes before the NUL. Three bytes of out per byte of s suffice.
    static int visible(const char* s, int len, char* out, int size);

    // Keys: true for a code point the line editor may insert (printable,
    // and beyond ASCII only in a UTF-8 locale); encode writes it as UTF-8
    // into out (4 bytes at most) and returns the bytes written.
    static bool insertable(int code);
    static int  encode(int code, char* out);
    // Pasted text as an editor inserts it (CurTextPaste.cpp): the code points
    // to put in, in order. Escape sequences inside it are dropped whole, so
    // none is carried out or shown raw; a line end (CR LF, CR or LF) gives
    // '\n' where newlines are kept, else a blank; a tab gives a blank; any
    // other character that is not insertable is dropped; in a UTF-8 locale
    // a bad byte gives the replacement character.
    static std::vector<int> pasted(std::string_view text, bool newlines);

    // Word wrapping (CurTextWrap.cpp): text reflowed as prose, for labels,
    // notes, titles and the one-call boxes. Words are kept whole and set
    // apart by single blanks; any other white space collapses, except a
    // newline straight after a word; a word longer than the line starts
    // with a blank and is cut at the margin. Lengths are screen columns.
    // The viewer keeps a second rule on purpose: it shows a text as written
    // (blanks, tabs and indents stay, a word longer than the row is cut
    // without a blank), and every row it shows is a run of the text's own
    // bytes, which its search and scrolling through large files rest on.
    //
    // With keepBlanks the prose rule keeps a text's layout within its lines:
    // every newline breaks, and the blanks and tabs before a word (at the
    // start of a line too) stay as written; only where a line breaks between
    // two words do the blanks between them go. A word longer than the line
    // is cut as above.
    //
    // wrap writes text wrapped to width columns (a width below 1 counts as
    // 1) into out, which holds wrapSize(text) bytes, and returns its lines.
    static int wrap(char* out, const char* text, int width, bool keepBlanks = false);
    static int wrapSize(const char* text);         // bytes wrap may write, NUL included
    static int wrappedLines(const char* text, int width, bool keepBlanks = false);
    static int lines(const char* text);            // 1 plus the newlines in text
    // Columns of text's longest line, each counted from its first character
    // that is not white space (from its first character with keepBlanks);
    // 0 for an empty or blank text.
    static int longestLine(const char* text, bool keepBlanks = false);

    // The size of a box showing a text in a rows x cols area, with chrome
    // rows and columns around the area (frame, margins, buttons). A negative
    // cols is the text's longest line; cols is widened to minCols (when
    // above 0). A negative rows is the text wrapped to the columns the box
    // leaves it. Without a text a negative size is the screen less the
    // chrome and a cell each side. The box is cut to the screen; nothing
    // overflows at the ends of the int range.
    struct Size {
        int rows;
        int cols;
    };
    static Size boxSize(const char* text, int rows, int cols, Size chrome, int minCols);

    // Box lines (CurTextLines.cpp), drawn one way for the whole session, in
    // one of three sets: the Unicode box-drawing characters, the terminal's
    // own line-drawing set (its alternate character set), or plain ASCII
    // ("+", "-", "|", as curses draws the set where a terminal has none).
    // decideLines, called once as the session starts, takes the set from
    // VELMORA_LINES ("unicode", "acs" or "ascii"; unicode only in a UTF-8
    // locale, acs otherwise), or else: unicode in a UTF-8 locale, acs where
    // the terminal's description has line characters (acsc), ascii where it
    // has none. forgetLines, at the session's end, goes back to what applies
    // outside one: unicode in a UTF-8 locale, acs otherwise, asked at each call.
    enum LINE_SET : int { LINES_UNICODE, LINES_ACS, LINES_ASCII };
    static void decideLines();
    static void forgetLines();
    static LINE_SET lineSet();
    enum LINE : int { ULCORNER, URCORNER, LLCORNER, LRCORNER, HLINE, VLINE, LTEE, RTEE,
                      UARROW, DARROW, CKBOARD, BULLET };
    static void putLine(WINDOW* w, int row, int col, LINE part, int attr); // one cell, when inside w
    static void addLine(WINDOW* w, LINE part, int attr);   // at the cursor, moving it on
    static void frame(WINDOW* w);                          // the box along the window's edges
    // The box along a rectangle's edges, and a run of one part along a row
    // (across) or a column from..to: only the cells the window has, so a box
    // far larger than the window costs no more than one that fits it.
    static void frame(WINDOW* w, int y, int x, int height, int width, int attr = 0);
    static void putRun(WINDOW* w, bool across, int fixed, int from, int to, LINE part,
                       int attr = 0);
    // The one scroll bar, in column col of a framed box of height rows from
    // row y: arrows on the first and last interior rows, the track between
    // them, and the thumb on the row scrollThumb gives for position at of
    // 0..last. A box lower than 5 rows shows the arrows alone.
    static void scrollBar(WINDOW* w, int y, int col, int height, long long at, long long last,
                          int attr);
    static int  scrollThumb(int height, long long at, long long last); // the thumb's row in the box

};
#endif
