#ifndef VELMORA_CURLOGGER_H
#define VELMORA_CURLOGGER_H
// CurLogger: a framed pane of scrolling log lines. The frame is this window;
// the text scrolls in an inner window that the logger creates and owns.
#include "CurWindow.h"

#include <string_view>

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
    void setLogAttr(int attr);
    void setErrorAttr(int attr);

    // act on both windows (the CurWindow versions act on the frame only)
    void touch();
    void update();
    void erase();
    void map();
    void unmap();

private:
    void write(const char* text, int len, int attr);

    CurWindow* textWin;                  // owned
    int        logAttr;
    int        errorAttr;
};
#endif
