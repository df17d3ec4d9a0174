#ifndef VELMORA_CURGAUGE_H
#define VELMORA_CURGAUGE_H
// CurGauge: a horizontal bar showing a percentage, the number centred on it
// and the filled part in reverse video (the theme's THEME_GAUGE_FILL), with
// an optional label above. The
// program sets and redraws it; it consumes no key and never shows a focus.
// Its static part is the one-call gauge box, which stays on the screen while
// the program updates it and goes when the program closes it.
#include "CurGadget.h"

#include <string_view>

class CurGauge : public CurGadget {
public:
    CurGauge(CurWindow* window);         // 0 %, no label, filled part in the theme's attribute
    ~CurGauge() override;                // frees the label copy
    CurGauge(const CurGauge&) = delete;
    CurGauge& operator=(const CurGauge&) = delete;

    void setPercent(int percent, bool redraw); // values outside 0..100 are clamped
    int  getPercent() const;
    void setLabel(const char* text, bool redraw); // copies; null removes the label
    void setLabel(std::string_view text, bool redraw);
    void setFillAttr(int attr);          // attribute of the filled part; 0 means the theme's (reverse)

    // the gadget contract
    bool takesFocus() const override;    // false: a gauge only shows
    void draw() override;                // label on the first row, bar on the last; no refresh
    bool processKey(int key) override;   // consumes nothing

    // The one-call gauge box: one at a time, centred, framed, with a wrapped
    // text above the bar. A negative text height or width is computed from
    // the text; opening again replaces the box. Each call draws and refreshes
    // at once and returns without reading a key.
    static void openBox(int textHeight, int textWidth, int attributes,
                        const char* text, const char* title, int percent);
    static void updateBox(int percent, const char* text); // a null text keeps the old one
    static void openBox(int textHeight, int textWidth, int attributes,
                        std::string_view text, std::string_view title, int percent);
    static void updateBox(int percent, std::string_view text);
    static void closeBox();              // removes the box and repaints the screen beneath
    static void leaveBox();              // removes the box, its image left on the terminal until the next repaint
    static bool isBoxOpen();

private:
    void drawBar(int row);               // the bar with the centred number
    void drawLabel(int row, const char* text, int len); // one row of the label, cut at the width

    int   percent;
    int   fillAttr;
    char* label;                         // own copy, null without label

    static CurWindow* boxWindow;         // the gauge box's window, null when closed
    static CurGauge*  boxGauge;
    static char*      boxText;           // own copy of the box's text
    static int        boxTextRows;
    static void drawBox();
};
#endif
