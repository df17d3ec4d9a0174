// CurLogger.cpp - the log pane (window/): a frame window and an inner text
// window that scrolls the lines written by log and error.
#include "CurLogger.h"
#include "CurText.h"

#include <curses.h>
#include <climits>
#include <cstring>

// The inside of a frame: two rows or columns fewer, none in a frame of
// fewer than three; one cell in from the frame's place, which at the very
// end of the int range stays there (off the screen either way).
static int insideSize(int size)
{
    return size > 2 ? size - 2 : 0;
}

static int insidePlace(int at)
{
    return at < INT_MAX ? at + 1 : at;
}

// The text window lies exactly inside the frame. For a logger too small to
// have an inside it is an empty rectangle, which makes an inert window, and
// the lines are ignored. It is made on its own terms: when only the frame
// does not fit the screen, the text area still shows the lines. Inside a
// centred frame it is centred too, so a resize moves both alike.
CurLogger::CurLogger(int height, int width, int y, int x)
    : CurWindow(height, width, y, x),
      textWin(new CurWindow(insideSize(this->height), insideSize(this->width),
                            centredY ? -1 : insidePlace(this->y),
                            centredX ? -1 : insidePlace(this->x))),
      logAttr(0), errorAttr(CurInit::getThemeAttr(CurInit::THEME_ERROR))
{
    takeTheme(CurInit::THEME_LOG);
    textWin->takeTheme(CurInit::THEME_LOG);
    if (textWin->getWindow() != nullptr)
        scrollok(textWin->getWindow(), TRUE);
    enableFrame(true);
    textWin->enableFrame(false);
}

CurLogger::~CurLogger()
{
    delete textWin;
}

void CurLogger::log(const char* text)
{
    if (text != nullptr)
        write(text, (int)strlen(text), logAttr);
}

void CurLogger::error(const char* text)
{
    if (text != nullptr)
        write(text, (int)strlen(text), errorAttr);
}

void CurLogger::log(std::string_view text)
{
    write(text.data(), (int)text.size(), logAttr);
}

void CurLogger::error(std::string_view text)
{
    write(text.data(), (int)text.size(), errorAttr);
}

void CurLogger::setLogAttr(int attr)
{
    logAttr = attr;
}

void CurLogger::setErrorAttr(int attr)
{
    errorAttr = attr;
}

// Every entry ends with exactly one newline of its own, so the cursor waits at
// the start of the row below the newest entry, and a newline on the last row
// scrolls the text up. The text is written literally, never as a format:
// newlines inside it break lines, tabs become blanks, and every other control
// character or bad byte shows as a mark, so nothing moves the cursor back.
// A line whose last character fills the last column has already moved the
// cursor to the next row; its newline is left out, or the entry would take an
// extra blank row.
void CurLogger::write(const char* text, int len, int attr)
{
    if (textWin->getWindow() == nullptr)
        return;
    WINDOW* w = textWin->getWindow();
    wattrset(w, attr);
    if (len > 0 && text[len - 1] == '\n')
        len--;
    CurText::flow(w, text, len, attr);
    char last = len > 0 ? text[len - 1] : '\n';
    bool wrapped = last != '\n' && getcurx(w) == 0;
    if (!wrapped)
        waddch(w, '\n');
    textWin->update();
}

void CurLogger::touch()
{
    textWin->touch();
    CurWindow::touch();
}

// The frame window covers the text area with blanks on the terminal, so the
// text window is touched: curses would otherwise send only its changed lines.
void CurLogger::update()
{
    CurWindow::update();
    textWin->touch();
    textWin->update();
}

void CurLogger::erase()
{
    CurWindow::erase();
    textWin->erase();
}

void CurLogger::map()
{
    CurWindow::map();
    textWin->map();
}

void CurLogger::unmap()
{
    CurWindow::unmap();
    textWin->unmap();
}
