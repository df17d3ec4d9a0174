#ifndef VELMORA_CURNOTE_H
#define VELMORA_CURNOTE_H
// CurNote: a framed window showing one wrapped, aligned text. It reads no
// keys; showNote puts one in the middle of the screen and returns at once.
#include "CurWindow.h"
#include "CurLabel.h"

class CurNote : public CurWindow {
public:
    CurNote(int height, int width, int y, int x); // framed; the text area is inside the frame less a column each side
    ~CurNote() override;
    CurNote(const CurNote&) = delete;
    CurNote& operator=(const CurNote&) = delete;

    virtual void draw();                 // frame (or blanks when switched off), then the text; no refresh
    void setText(const char* text, bool redraw);
    void setText(std::string_view text, bool redraw);
    void setAlignment(CurInit::ALIGNMENT hAlign, CurInit::ALIGNMENT vAlign, bool redraw);

    // A centred note sized to the text (negative sizes are computed), shown
    // at once; its image stays on the terminal until the next repaint.
    // Attributes 0 give the theme's note (CurInit::THEME_NOTE).
    static void showNote(int textHeight, int textWidth, int attributes, const char* text);
    static void showNote(int textHeight, int textWidth, int attributes, std::string_view text);

private:
    CurLabel label;
};
#endif
