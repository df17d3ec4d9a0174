// CurMenuDraw.cpp - the menu on the screen (menu/): where its window goes,
// how an item's row is laid out, scrolling, and which item a cell shows.
// Every text is measured and cut by CurText, which also makes controls in
// item texts visible.
#include "CurMenu.h"
#include "CurInit.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>

static const char* const CHECK_ON = "[*] ";
static const char* const CHECK_OFF = "[ ] ";
static const int CHECK_COLS = 4;
static const int HINT_GAP = 2;           // columns at least between a text and its hint

// A frame needs a row of items between its borders and a column inside.
static bool framedSize(int height, int width)
{
    return height >= 3 && width >= 3;
}

// The blank each side of an item's text, when the row has room for it.
static int padOf(int inner)
{
    return inner >= 3 ? 1 : 0;
}

int CurMenu::neededWidth() const
{
    int text = 0, hint = 0;
    for (const Item& item : items) {
        int cols = CurText::columns(item.text.data(), (int)item.text.size());
        text = cols > text ? cols : text;
        cols = CurText::columns(item.hint.data(), (int)item.hint.size());
        hint = cols > hint ? cols : hint;
    }
    long long width = 2 + 2 + (long long)text + (hint > 0 ? HINT_GAP + hint : 0);
    if (hasChecks())
        width += CHECK_COLS;
    return width > CurInit::width ? CurInit::width : (int)width;
}

bool CurMenu::hasChecks() const
{
    for (const Item& item : items)
        if (item.check)
            return true;
    return false;
}

// The window as large as the items want and the screen allows. A pop-up
// moves up and left until it fits; a pull-down keeps its row below the
// bar and grows downwards, and moves up only when fewer than three rows
// are left under the bar.
void CurMenu::open()
{
    screenHeight = CurInit::height;
    screenWidth = CurInit::width;
    int count = getCount() > 0 ? getCount() : 1;
    int h = count > screenHeight - 2 ? screenHeight : count + 2;
    int w = neededWidth();
    int y = askY, x = askX;
    if (y < 0)
        y = (screenHeight - h) / 2;
    if (pulledDown && y < screenHeight && screenHeight - y >= 3 && y + h > screenHeight)
        h = screenHeight - y;
    if (y > screenHeight - h)
        y = screenHeight - h;
    if (x < 0)
        x = (screenWidth - w) / 2;
    if (x > screenWidth - w)
        x = screenWidth - w;
    window = new CurWindow(h, w, y, x);
    window->takeTheme(CurInit::THEME_MENU);
    scrollToCurrent();
    draw();
    window->update();
}

void CurMenu::close()
{
    if (window == nullptr)
        return;
    delete window;
    window = nullptr;
    CurInit::refreshAllWindows();   // the windows under it, repainted over its cells
}

int CurMenu::viewRows() const
{
    if (window == nullptr)
        return 1;
    int h = window->getHeight();
    int rows = framedSize(h, window->getWidth()) ? h - 2 : h;
    return rows > 0 ? rows : 1;
}

void CurMenu::scrollToCurrent()
{
    int rows = viewRows();
    if (current >= 0 && current < top)
        top = current;
    if (current >= top + rows)
        top = current - rows + 1;
    if (top > getCount() - rows)
        top = getCount() - rows;
    if (top < 0)
        top = 0;
}

// Frame, the items in view, arrows on the frame where more items lie above
// or below, and the cursor at the start of the current item.
void CurMenu::draw()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return;
    int h = window->getHeight(), width = window->getWidth();
    bool framed = framedSize(h, width);
    int off = framed ? 1 : 0;
    if (framed)
        CurText::frame(w);
    int rows = viewRows();
    for (int r = 0; r < rows; r++) {
        if (top + r < getCount())
            drawItem(r, top + r);
        else
            CurText::blank(w, r + off, off, width - 2 * off, 0);
    }
    if (framed && top > 0)
        CurText::putLine(w, 0, width - 2, CurText::UARROW, 0);
    if (framed && top + rows < getCount())
        CurText::putLine(w, h - 1, width - 2, CurText::DARROW, 0);
    int row = current >= top && current < top + rows ? current - top : 0;
    wmove(w, row + off, off + padOf(width - 2 * off));
}

// An item's row: blank, check mark, text with its hot key underlined, and
// the hint against the right edge when it fits after the text. What does
// not fit is cut at a whole character.
void CurMenu::drawItem(int row, int index)
{
    WINDOW* w = window->getWindow();
    int width = window->getWidth();
    int off = framedSize(window->getHeight(), width) ? 1 : 0;
    int y = row + off, inner = width - 2 * off;
    const Item& item = items[index];
    if (item.separator) {
        CurText::putRun(w, true, y, 0, width - 1, CurText::HLINE);
        if (off > 0) {
            CurText::putLine(w, y, 0, CurText::LTEE, 0);
            CurText::putLine(w, y, width - 1, CurText::RTEE, 0);
        }
        return;
    }
    int attr = CurInit::getThemeAttr(index == current ? CurInit::THEME_MENU_FOCUSED
                                                      : CurInit::THEME_MENU);
    if (!item.enabled)
        attr = CurInit::mixAttr(attr, CurInit::getThemeAttr(CurInit::THEME_DISABLED));
    CurText::blank(w, y, off, inner, attr);
    int pad = padOf(inner);
    int col = off + pad, room = inner - 2 * pad;
    if (hasChecks()) {
        int used = CHECK_COLS < room ? CHECK_COLS : room;
        if (item.check)
            used = CurText::draw(w, y, col, item.checked ? CHECK_ON : CHECK_OFF, CHECK_COLS,
                                 room, attr);
        col += used;
        room -= used;
    }
    int textCols = CurText::columns(item.text.c_str(), (int)item.text.size());
    int hintCols = CurText::columns(item.hint.data(), (int)item.hint.size());
    if (hintCols > 0 && textCols + HINT_GAP + hintCols <= room)
        CurText::draw(w, y, col + room - hintCols, item.hint.c_str(), (int)item.hint.size(),
                      hintCols, attr);
    drawMarked(w, y, col, room, item.text, item.hotPos, attr);
}

// The text in up to three runs: before the hot key, the hot key, after it.
int CurMenu::drawMarked(WINDOW* w, int row, int col, int room, const std::string& text,
                        size_t hotPos, int attr)
{
    const char* s = text.c_str();
    int len = (int)text.size();
    int hot = hotPos == std::string::npos ? len : (int)hotPos;
    int hotEnd = hot < len ? CurText::next(s, len, hot) : len;
    int parts[3][2] = {{0, hot}, {hot, hotEnd}, {hotEnd, len}};
    int total = 0;
    for (int i = 0; i < 3 && room > 0; i++) {
        int n = parts[i][1] - parts[i][0];
        if (n == 0)
            continue;
        int cols = CurText::columns(s + parts[i][0], n);
        int used = CurText::draw(w, row, col, s + parts[i][0], n, room,
                                 i == 1 ? CurInit::mixAttr(attr, CurInit::getThemeAttr(CurInit::THEME_HOT_KEY)) : attr);
        total += used;
        if (used < cols)
            break;              // cut: nothing after it
        col += used;
        room -= used;
    }
    return total;
}

int CurMenu::itemAt(int row, int col) const
{
    if (window == nullptr || window->getWindow() == nullptr)
        return -1;
    int width = window->getWidth();
    int off = framedSize(window->getHeight(), width) ? 1 : 0;
    int r = row - window->getY() - off;
    int c = col - window->getX();
    if (r < 0 || r >= viewRows() || c < off || c >= width - off)
        return -1;
    int index = top + r;
    return index < getCount() && !items[index].separator ? index : -1;
}
