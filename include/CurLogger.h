#ifndef VELMORA_CURLOGGER_H
#define VELMORA_CURLOGGER_H
// CurLogger: a framed pane of scrolling log lines. The frame is this window;
// the text scrolls in an inner window that the logger creates and owns.
#include "CurWindow.h"

#include <string_view>

struct CurLoggerHeld;

class CurLogger : public CurWindow {
public:
    CurLogger(int height, int width, int y, int x);
    ~CurLogger() override;               // deletes the text window
    CurLogger(const CurLogger&) = delete;
    CurLogger& operator=(const CurLogger&) = delete;

    void log(const char* text);          // one line in the log attribute, shown at once; null is ignored
    void error(const char* text);        // the same in the error attribute
    void log(std::string_view text);
    void error(std::string_view text);
    // Many lines at once: each line of text (split at its newlines; a last
    // newline ends the last line) logged as log would log it, then shown
    // once. The pane ends exactly as logging them one by one leaves it.
    void logLines(std::string_view text);
    void logLines(const char* const* lines, int count);   // null entries are skipped
    // Holding redraws: between hold and release, log and error show
    // nothing; release shows the pane once, exactly as if each line had
    // been shown as it came. Holds nest: the last release shows.
    void hold();
    void release();
    bool isHeld() const;
    void setLogAttr(int attr);
    void setErrorAttr(int attr);

    // act on both windows (the CurWindow versions act on the frame only)
    void touch();
    void update();
    void erase();
    void map();
    void unmap();

private:
    void write(const char* text, int len, int attr, bool show);
    void add(const char* text, int len, int attr);   // written, or kept while held

    CurWindow* textWin;                  // owned
    int        logAttr;
    int        errorAttr;
    CurLoggerHeld* held;                 // owned; null while not held
};
#endif
