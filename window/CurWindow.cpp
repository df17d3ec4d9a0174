// CurWindow.cpp - a framed, titled rectangle of the screen (window/), backed
// by a curses window and registered with CurInit while it lives.
#include "CurWindow.h"
#include "CurKeyReader.h"
#include "CurKeylog.h"
#include "CurSyncFrame.h"
#include "CurText.h"
#include "CurWaitHooks.h"
#include "CurWindowTenants.h"

#include <curses.h>
#include <cstring>

// Compared by subtraction: y + height could pass INT_MAX. The size is at
// most the screen's by now, so LINES - height cannot overflow.
static bool fits(int height, int width, int y, int x)
{
    return height > 0 && width > 0 && y <= LINES - height && x <= COLS - width;
}

// The start that centres size cells among total, or 0 when they do not fit.
// Worked in long long: total minus a negative size may pass INT_MAX.
static int centre(int total, int size)
{
    long long start = ((long long)total - size) / 2;
    return start < 0 ? 0 : (int)start;
}

// A window keeps the size it asked for, up to SIDE_LIMIT cells on a side
// (or the screen's side, when that is larger): beyond the screen it hangs
// off, as after a resize, and shows whole once the terminal is large enough.
static const int SIDE_LIMIT = 512;

static int keptSide(int asked, int screen)
{
    int limit = screen > SIDE_LIMIT ? screen : SIDE_LIMIT;
    return asked > limit ? limit : asked;
}

CurWindow::CurWindow(int height, int width, int y, int x)
    : centredY(y < 0), centredX(x < 0), kept(nullptr), gadgetList(nullptr), themed(false)
{
    this->height = keptSide(height, LINES);
    this->width = keptSide(width, COLS);
    if (height > LINES)
        height = LINES;
    if (width > COLS)
        width = COLS;
    if (y < 0)
        y = centre(LINES, height);
    if (x < 0)
        x = centre(COLS, width);
    this->x = x;
    this->y = y;
    // A rectangle that is empty or does not fit the screen gets no curses
    // window: the window is inert, and every operation below checks for it.
    // The fit is checked here, on the size cut to the screen, because curses
    // differs: some refuse such a rectangle, others make a window that hangs
    // off the screen, and a size of 0 means "up to the screen's edge" to all
    // of them. Curses grows a window it made past the screen's edge as it
    // does after a resize.
    win = fits(height, width, y, x) ? newwin(height, width, y, x) : nullptr;
    if (win != nullptr && (this->height > height || this->width > width)) {
        if (wresize(win, this->height, this->width) == ERR) {
            this->height = height;      // no room: the size cut to the screen
            this->width = width;
        }
        leaveok(win, TRUE);             // as fitScreen leaves a window hanging off
    }
    if (win == nullptr) {
        this->height = height;
        this->width = width;
    }
    framed = false;
    title = nullptr;
    titleAlign = CurInit::CENTER;
    mapped = true;
    regLink = CurInit::WinNode{nullptr, nullptr, nullptr};
    CurInit::addWindow(this);
    takeTheme(CurInit::THEME_WINDOW);
}

// Gadgets outliving their window keep a pointer to a window that is always
// there: an inert one, outside the registry, made once and never deleted.
CurWindow* CurWindow::detached()
{
    static CurWindow* inert = nullptr;
    if (inert == nullptr) {
        inert = new CurWindow(0, 0, 0, 0);
        CurInit::delWindow(inert);
    }
    return inert;
}

CurWindow::~CurWindow()
{
    CurWaitHooks::gone(this);
    if (gadgetList != nullptr) {
        // Only a gadget joins the list, and the first gadget set the tenants.
        CurWindow* inert = detached();
        CurWindowTenants::tenants->windowGone(this, inert);
        CurKeylog::moveSecretInput(this, inert);
    }
    CurKeylog::moveSecretInput(this, nullptr);
    CurInit::delWindow(this);
    if (win != nullptr) {
        CurKeyReader::windowGone(win);
        delwin(win);
    }
    if (kept != nullptr)
        delwin(kept);
    delete[] title;
}

void CurWindow::setAttributes(int attr)
{
    if (win == nullptr)
        return;
    if (themed)
        wattrset(win, 0);               // the program's attributes win over the theme's
    themed = false;
    ownAttributes = true;
    wattr_on(win, (attr_t)attr, nullptr);
    if ((attr & 0xff) == 0)
        attr |= ' ';
    wbkgd(win, (chtype)attr);
}

// A window already in the entry's attributes is left as it is, so that a
// program without a theme sends what it always sent.
void CurWindow::takeTheme(CurInit::THEME_ELEMENT element)
{
    if (win == nullptr)
        return;
    themeElement = element;
    int attr = CurInit::getThemeAttr(element);
    if ((int)(getbkgd(win) & ~A_CHARTEXT) == attr && getattrs(win) == attr)
        return;
    wattrset(win, attr);
    wbkgd(win, (chtype)attr | ' ');
    themed = attr != 0;
}

// A frame needs two rows and two columns. On a window of one column curses
// writes the border past the end of its rows, so narrower windows get none.
static bool hasRoomForFrame(WINDOW* win)
{
    return win != nullptr && getmaxy(win) >= 2 && getmaxx(win) >= 2;
}

// The title on the top border, in the room columns from column 2 up to the
// corner: its first line as wrapped to the room, placed there by align. A
// theme with title tees puts it between a tee and a blank on each side.
static void drawTitle(WINDOW* w, const char* title, CurInit::ALIGNMENT align, int room)
{
    bool tees = CurInit::getThemeShapes().titleTees && room > 4;
    int edge = tees ? 2 : 0;
    room -= 2 * edge;
    char* block = new char[CurText::wrapSize(title)];
    CurText::wrap(block, title, room);
    int len = (int)strcspn(block, "\n");
    int cols = CurText::columns(block, len);
    int start = 0;
    if (align == CurInit::RIGHT)
        start = room - cols;
    else if (align == CurInit::CENTER)
        start = (room - cols) / 2;
    if (start < 0)
        start = 0;
    int attr = CurInit::getThemeAttr(CurInit::THEME_TITLE);
    if (len > 0)
        cols = CurText::draw(w, 0, 2 + edge + start, block, len, room - start, attr);
    if (len > 0 && tees) {
        CurText::putLine(w, 0, start + 2, CurText::RTEE, 0);
        mvwaddch(w, 0, start + 3, ' ');
        mvwaddch(w, 0, start + 4 + cols, ' ');
        CurText::putLine(w, 0, start + 5 + cols, CurText::LTEE, 0);
    }
    delete[] block;
}

void CurWindow::drawFrame()
{
    if (!hasRoomForFrame(win))
        return;
    // The box lines take the window's attributes, the frame's drawn over them.
    int attr = CurInit::getThemeAttr(CurInit::THEME_FRAME);
    int before = getattrs(win);
    if (attr != 0)
        wattrset(win, CurInit::mixAttr(before, attr));
    CurText::frame(win);
    if (attr != 0)
        wattrset(win, before);
    if (title != nullptr && title[0] != '\0')
        drawTitle(win, title, titleAlign, width - 3);
}

void CurWindow::hideFrame()
{
    if (hasRoomForFrame(win))
        wborder(win, ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ');
}

void CurWindow::enableFrame(bool on)
{
    framed = on;
    if (on)
        drawFrame();
    else
        hideFrame();
}

void CurWindow::setTitle(const char* title, CurInit::ALIGNMENT align)
{
    if (title != nullptr)
        setTitle(std::string_view(title), align);
}

void CurWindow::setTitle(std::string_view title, CurInit::ALIGNMENT align)
{
    char* copy = new char[title.size() + 1];
    memcpy(copy, title.data(), title.size());
    copy[title.size()] = '\0';
    delete[] this->title;
    this->title = copy;
    titleAlign = align;
    enableFrame(true);
}

void CurWindow::touch()
{
    if (win != nullptr)
        wtouchln(win, 0, getmaxy(win), 1);
}

// What wrefresh does, copy then send, with the copy that windows past the
// screen's edges need.
void CurWindow::update()
{
    if (stage())
        CurSyncFrame::update();
}

// A window left past the screen's edge by a resize is not copied: curses
// cannot, and it would show nothing. Nor can curses copy a window hanging
// past the right edge (it reads past the end of the screen's rows), so
// such a window goes through a subwindow of its part on the screen, touched
// whole: the subwindow shares the cells, not the record of what changed.
bool CurWindow::stage()
{
    if (!mapped || win == nullptr || getbegy(win) >= LINES || getbegx(win) >= COLS)
        return false;
    if (getbegx(win) <= COLS - getmaxx(win)) {
        wnoutrefresh(win);
        return true;
    }
    WINDOW* part = derwin(win, getmaxy(win), COLS - getbegx(win), 0, 0);
    if (part == nullptr)
        return false;
    leaveok(part, TRUE);        // a window hanging off the screen leaves the cursor alone
    touchwin(part);
    wnoutrefresh(part);
    delwin(part);
    return true;
}

void CurWindow::erase()
{
    if (win != nullptr)
        werase(win);
}

void CurWindow::map()
{
    mapped = true;
}

void CurWindow::unmap()
{
    mapped = false;
}

void CurWindow::nodelay(bool on)
{
    if (win != nullptr)
        ::nodelay(win, on);
}

int CurWindow::getChar()
{
    if (win == nullptr)
        return ERR;
    return CurInit::readKey(this);
}

// A window keeps its built size whatever the screen's: what does not fit
// hangs off the screen, is kept and drawn into as usual, and shows when the
// screen grows. Curses' resize cuts and moves windows and forgets the cells
// it cuts, so a pad (which the resize leaves alone) holds every cell across it.
void CurWindow::keepContents()
{
    if (win == nullptr)
        return;
    if (kept == nullptr)
        kept = newpad(height, width);
    if (kept != nullptr)
        copywin(win, kept, 0, 0, 0, 0, getmaxy(win) - 1, getmaxx(win) - 1, FALSE);
}

// Back to the built size and place, the contents from the pad. Curses moves
// a window only when it lies on the screen, so it is made one cell small to
// move; a place off the new screen cannot be taken, but there the window is
// invisible, and it is placed once the screen grows. A window hanging off
// the screen leaves the terminal's cursor alone: curses would scroll the
// terminal to reach a cursor beyond its last line.
void CurWindow::fitScreen()
{
    if (win == nullptr)
        return;
    // wgetscrreg fails only on a null window; the whole window is the default.
    int cy, cx, top = 0, bottom = getmaxy(win) - 1;
    getyx(win, cy, cx);
    wgetscrreg(win, &top, &bottom);
    int ty = centredY && height < LINES ? (LINES - height) / 2 : centredY ? 0 : y;
    int tx = centredX && width < COLS ? (COLS - width) / 2 : centredX ? 0 : x;
    if (ty < LINES && tx < COLS) {
        wresize(win, 1, 1);
        mvwin(win, ty, tx);
        y = ty;
        x = tx;
    }
    wresize(win, height, width);
    wsetscrreg(win, top, bottom);
    wmove(win, cy, cx);
    leaveok(win, y + height > LINES || x + width > COLS);
    if (kept != nullptr) {
        int rows = getmaxy(kept) < height ? getmaxy(kept) : height;   // a resize changed the size
        int cols = getmaxx(kept) < width ? getmaxx(kept) : width;
        copywin(kept, win, 0, 0, 0, 0, rows - 1, cols - 1, FALSE);
        delwin(kept);
        kept = nullptr;
    }
}

// Both go through the resize's own steps: the cells into the pad, then
// the window made again at its new place or size from it.
bool CurWindow::move(int y, int x)
{
    if (win == nullptr)
        return false;
    centredY = y < 0;
    centredX = x < 0;
    keepContents();
    this->y = y < 0 ? 0 : y > LINES - height ? (LINES - height > 0 ? LINES - height : 0) : y;
    this->x = x < 0 ? 0 : x > COLS - width ? (COLS - width > 0 ? COLS - width : 0) : x;
    fitScreen();
    return true;
}

bool CurWindow::resize(int height, int width)
{
    if (win == nullptr || height < 1 || width < 1)
        return false;
    if (framed)
        hideFrame();                    // its old border would stay inside
    keepContents();
    this->height = keptSide(height, LINES);
    this->width = keptSide(width, COLS);
    if (!centredY && y > LINES - this->height)
        y = LINES - this->height > 0 ? LINES - this->height : 0;
    if (!centredX && x > COLS - this->width)
        x = COLS - this->width > 0 ? COLS - this->width : 0;
    fitScreen();
    refitGadgets();
    if (framed)
        drawFrame();
    return true;
}

bool CurWindow::isMapped() const
{
    return mapped;
}

WINDOW* CurWindow::getWindow() const
{
    return win;
}

int CurWindow::getWidth() const
{
    return width;
}

int CurWindow::getHeight() const
{
    return height;
}

int CurWindow::getX() const
{
    return x;
}

int CurWindow::getY() const
{
    return y;
}
