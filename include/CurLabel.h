#ifndef VELMORA_CURLABEL_H
#define VELMORA_CURLABEL_H
// CurLabel: static text in a rectangle, unchanged or word-wrapped, placed by
// a horizontal and a vertical alignment. Its static helpers wrap and count
// lines as labels, notes, titles and the one-call boxes do.
#include "CurGadget.h"
#include "CurInit.h"

#include <string_view>

class CurLabel : public CurGadget {
public:
    CurLabel(CurWindow* window, bool wrap); // empty text, centred on both axes
    ~CurLabel() override;
    CurLabel(const CurLabel&) = delete;
    CurLabel& operator=(const CurLabel&) = delete;

    void setText(const char* text, bool redraw);   // copies; null is ignored; redraw blanks the old text first
    void setText(std::string_view text, bool redraw);
    void setAlignment(CurInit::ALIGNMENT hAlign, CurInit::ALIGNMENT vAlign, bool redraw);
    void naturalSize(int* height, int* width) const override; // its lines unwrapped: count, longest
    bool takesFocus() const override;    // false: a label only shows
    void draw() override;                // writes the lines cut to the rectangle; neither clears nor refreshes

    int getEffHeight();                  // rows the current text needs
    // Wrapped text keeps its blanks, tabs and indents within its lines, and
    // every newline breaks (off by default: blanks collapse to one).
    void setKeepBlanks(bool keep, bool redraw);

    // Rows that text needs when word-wrapped to width columns.
    static int getEffHeight(const char* text, int width);
    static int getEffHeight(const char* text, int width, bool keepBlanks);
    // 1 plus the number of newlines in text.
    static int getNumLines(const char* text);
    // The columns of text's longest line, each line counted from its first
    // character that is not white space: leading blanks and blank lines do
    // not count, inner and trailing blanks do. 0 for an empty or blank text.
    static int getLongestLine(const char* text);
    // With keepBlanks every line counts from its start.
    static int getLongestLine(const char* text, bool keepBlanks);
    // Word-wraps text to width screen columns (a width below 1 counts as 1)
    // into out and returns the number of lines; words are cut only between
    // characters. out must hold formatMsgSize(text) bytes.
    static int formatMsg(char* out, const char* text, int width);
    // Bytes that formatMsg may write for text, terminating NUL included.
    static int formatMsgSize(const char* text);

private:
    void paint(bool blankOnly);          // draws the lines, or blanks the cells they take

    CurInit::ALIGNMENT hAlign;
    CurInit::ALIGNMENT vAlign;
    char*              text;             // own copy
    bool               wrap;
    bool               keepBlanks = false;
};
#endif
