// CurLogger.cpp - the log pane (window/): a frame window and an inner text
// window that scrolls the lines written by log and error.
#include "CurLogger.h"
#include "CurText.h"

#include <curses.h>
#include <algorithm>
#include <climits>
#include <cstring>
#include <deque>
#include <string>

// The entries logged while redraws are held. Every entry takes at least
// one row of the pane, so once as many entries as the pane has rows follow
// an entry, it has scrolled out of sight whatever the widths: only that
// many are kept, and writing those at the release leaves the pane exactly
// as writing all of them would. Kept for the screen's height at least, in
// case a resize makes the pane taller meanwhile.
struct CurLoggerHeld {
    struct Entry {
        std::string text;
        int         attr;
    };
    std::deque<Entry> entries;
    size_t            keep;
    int               depth;             // holds not yet released
};

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
      logAttr(0), errorAttr(CurInit::getThemeAttr(CurInit::THEME_ERROR)), held(nullptr)
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
    delete held;
    delete textWin;
}

void CurLogger::log(const char* text)
{
    if (text != nullptr)
        add(text, (int)strlen(text), logAttr);
}

void CurLogger::error(const char* text)
{
    if (text != nullptr)
        add(text, (int)strlen(text), errorAttr);
}

void CurLogger::log(std::string_view text)
{
    add(text.data(), (int)text.size(), logAttr);
}

void CurLogger::error(std::string_view text)
{
    add(text.data(), (int)text.size(), errorAttr);
}

void CurLogger::logLines(std::string_view text)
{
    hold();
    while (!text.empty()) {
        size_t end = std::min(text.find('\n'), text.size());
        log(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    release();
}

void CurLogger::logLines(const char* const* lines, int count)
{
    hold();
    for (int i = 0; lines != nullptr && i < count; i++)
        log(lines[i]);
    release();
}

void CurLogger::hold()
{
    if (held == nullptr) {
        int rows = textWin->getWindow() != nullptr ? getmaxy(textWin->getWindow()) : 0;
        held = new CurLoggerHeld{{}, (size_t)std::max(rows, CurInit::height), 0};
    }
    held->depth++;
}

void CurLogger::release()
{
    if (held == nullptr || --held->depth > 0)
        return;
    CurLoggerHeld* entries = held;
    held = nullptr;
    for (const CurLoggerHeld::Entry& e : entries->entries)
        write(e.text.data(), (int)e.text.size(), e.attr, false);
    delete entries;
    if (textWin->getWindow() != nullptr)
        textWin->update();
}

bool CurLogger::isHeld() const
{
    return held != nullptr;
}

void CurLogger::add(const char* text, int len, int attr)
{
    if (held == nullptr) {
        write(text, len, attr, true);
        return;
    }
    if (held->keep == 0)
        return;
    if (held->entries.size() == held->keep)
        held->entries.pop_front();
    held->entries.push_back({std::string(text, (size_t)len), attr});
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
void CurLogger::write(const char* text, int len, int attr, bool show)
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
    if (show)
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
