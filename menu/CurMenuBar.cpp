// CurMenuBar.cpp - the bar of menu titles (menu/): its row, the keys that
// open it, moving between titles and pull-downs, and its place in a
// focuser's loop or a loop of its own.
#include "CurMenuBar.h"
#include "CurFocuser.h"
#include "CurMenu.h"
#include "CurText.h"

#include <curses.h>

static const int FIRST_COL = 1;          // the bar starts with a blank

CurMenuBar::CurMenuBar(int y)
    : CurWindow(1, CurInit::width, y < 0 ? 0 : y, 0), active(-1), openKey(0),
      loopStopped(false), inputEnded(false), focuser(nullptr)
{
}

CurMenuBar::~CurMenuBar()
{
    attach(nullptr);
}

static std::string_view orEmpty(const char* s)
{
    return s == nullptr ? std::string_view() : std::string_view(s);
}

int CurMenuBar::addMenu(const char* title, CurMenu* menu)
{
    return addMenu(orEmpty(title), menu);
}

// Each title takes its text and a blank each side; they follow each other.
int CurMenuBar::addMenu(std::string_view title, CurMenu* menu)
{
    if (menu == nullptr)
        return -1;
    Title t{};
    t.text = CurMenu::unmark(title, &t.hotPos, &t.hotKey);
    t.menu = menu;
    t.cols = CurText::columns(t.text.c_str(), (int)t.text.size());
    long long col = titles.empty() ? FIRST_COL
                                   : (long long)titles.back().col + titles.back().cols + 2;
    t.col = col > 1000000 ? 1000000 : (int)col;     // far past any screen
    titles.push_back(std::move(t));
    return (int)titles.size() - 1;
}

int CurMenuBar::getCount() const
{
    return (int)titles.size();
}

CurMenu* CurMenuBar::getMenu(int index) const
{
    return index >= 0 && index < getCount() ? titles[index].menu : nullptr;
}

void CurMenuBar::setOpenKey(int key)
{
    openKey = key;
}

// Titles past the right edge are cut at a whole character, or left out.
void CurMenuBar::draw()
{
    if (win == nullptr)
        return;
    CurText::blank(win, 0, 0, width, CurInit::getThemeAttr(CurInit::THEME_MENU_BAR));
    for (int i = 0; i < getCount(); i++) {
        const Title& t = titles[i];
        if (t.col >= width)
            break;
        int attr = CurInit::getThemeAttr(i == active ? CurInit::THEME_MENU_BAR_FOCUSED
                                                     : CurInit::THEME_MENU_BAR);
        CurText::blank(win, 0, t.col, t.cols + 2, attr);
        CurMenu::drawMarked(win, 0, t.col + 1, width - t.col - 1, t.text, t.hotPos, attr);
    }
    int cursor = active >= 0 && titles[active].col + 1 < width ? titles[active].col + 1 : 0;
    wmove(win, 0, cursor);
}

// Alt plus a hot key names a title anywhere; a plain key only while the
// bar is open. The first title with the key wins.
int CurMenuBar::titleForKey(int key) const
{
    if ((key & CurInit::ALT) == 0 && active < 0)
        return -1;
    int hot = CurMenu::hotOf(key);
    for (int i = 0; hot != 0 && i < getCount(); i++)
        if (titles[i].hotKey == hot)
            return i;
    return -1;
}

bool CurMenuBar::processKey(int key)
{
    if (getCount() == 0 || key == ERR || win == nullptr)
        return false;           // an inert bar could not read the keys it needs
    if (key == KEY_F(10) || (openKey != 0 && key == openKey)) {
        runBar(0, false);
        return true;
    }
    if (key == KEY_MOUSE) {
        int clicked = clickedTitle();
        if (clicked >= 0)
            runBar(clicked, true);
        return clicked >= 0 || clicked == PRESSED;
    }
    int index = titleForKey(key);
    if (index < 0 || (key & CurInit::ALT) == 0)
        return false;
    runBar(index, true);
    return true;
}

// The bar open: with the titles alone Left and Right move, Enter, Down or a
// title's hot key pull a menu down, Esc and F10 close the bar. A pull-down
// left with Left or Right opens its neighbour, with an Alt key the title it
// names (the same menu again for another Alt key), with Esc the titles
// alone again. The chosen item's callback runs once everything is closed
// and repainted, so it finds the screen as the program left it.
void CurMenuBar::runBar(int index, bool pulled)
{
    int n = getCount();
    active = index;
    int chosenItem = -1;
    CurMenu* chosenMenu = nullptr;
    while (active >= 0) {
        draw();
        update();
        int key = 0;
        if (pulled) {
            key = pullDown(&chosenItem);
            if (key == 0) {
                chosenMenu = titles[active].menu;
                break;
            }
            if (key == 27) {
                pulled = false;
                continue;
            }
        } else {
            if (win != nullptr && !is_keypad(win))
                keypad(win, TRUE);
            key = CurInit::readWideKey(this);
            // The one loop rule; the bar runs inside a key of another loop
            // (a form's, or its own), so a stop reaches that loop too.
            CurInit::LOOP_STEP step = CurInit::loopStep(key, this, true);
            if (step == CurInit::LOOP_IDLE)
                continue;
            if (step == CurInit::LOOP_END) {
                inputEnded = key == ERR;
                break;
            }
            if (key == 13 || key == 10 || key == KEY_ENTER || key == KEY_DOWN) {
                pulled = true;
                continue;
            }
        }
        int named = titleForKey(key);
        if (key == KEY_MOUSE) {
            // A click on the title pulled down closes all, as one elsewhere does.
            int clicked = clickedTitle();
            if (clicked == ELSEWHERE || (pulled && clicked == active))
                break;
            if (clicked >= 0) {
                active = clicked;
                pulled = true;
            }
        } else if (key == KEY_LEFT || key == KEY_RIGHT) {
            active = (active + (key == KEY_LEFT ? n - 1 : 1)) % n;
        } else if (named >= 0) {
            active = named;
            pulled = true;
        } else if (key == 27 || key == KEY_F(10) || key == ERR || key == CurInit::STOP) {
            inputEnded = key == ERR;    // a stop is pending for the loop around
            break;
        }
    }
    active = -1;
    draw();
    CurInit::refreshAllWindows();
    if (chosenMenu != nullptr)
        chosenMenu->choose(chosenItem);
}

// The title the last mouse event clicked; PRESSED for the left button's
// other events on a title, ELSEWHERE for a click off the titles, NOTHING
// for the rest (the wheel, other buttons, presses elsewhere).
int CurMenuBar::clickedTitle() const
{
    CurInit::MouseEvent e;
    if (!CurInit::getMouse(&e) || e.button != CurInit::MOUSE_LEFT)
        return NOTHING;
    bool click = e.action == CurInit::MOUSE_CLICK || e.action == CurInit::MOUSE_DOUBLE_CLICK;
    int index = CurInit::windowAt(e.row, e.column) == this ? titleAt(e.row, e.column) : -1;
    if (index >= 0)
        return click ? index : PRESSED;
    return click ? ELSEWHERE : NOTHING;
}

// The open title's menu, pulled down under its title: 0 when an item was
// chosen, else the key that closed it. A menu that could not open (it is
// open already, from a callback of its own) closes the bar.
int CurMenuBar::pullDown(int* chosenItem)
{
    int leave = 0;
    *chosenItem = titles[active].menu->run(getY() + 1, getX() + titles[active].col, true, &leave);
    if (*chosenItem >= 0)
        return 0;
    return leave == 0 ? KEY_F(10) : leave;
}

int CurMenuBar::kbdLoop()
{
    loopStopped = false;
    inputEnded = false;
    draw();
    update();
    while (!loopStopped && !inputEnded) {
        if (win == nullptr)
            return -1;          // an inert window can never deliver a key
        if (!is_keypad(win))
            keypad(win, TRUE);
        int key = CurInit::readWideKey(this);
        CurInit::LOOP_STEP step = CurInit::loopStep(key, this);
        if (step == CurInit::LOOP_END)
            return key == ERR ? -1 : 0;
        if (step == CurInit::LOOP_KEY)
            processKey(key);
    }
    return inputEnded ? -1 : 0;
}

void CurMenuBar::stopKbdLoop()
{
    loopStopped = true;
}

void CurMenuBar::attach(CurFocuser* focuser)
{
    if (this->focuser != nullptr)
        this->focuser->setKeyFilterCB(nullptr, nullptr);
    this->focuser = focuser;
    if (focuser != nullptr) {
        focuser->setKeyFilterCB(CurMenuBar::filterCB, this);
        draw();
        update();
    }
}

bool CurMenuBar::filterCB(int key, void* data)
{
    return static_cast<CurMenuBar*>(data)->processKey(key);
}

int CurMenuBar::titleAt(int row, int col) const
{
    if (win == nullptr || row != getY())
        return -1;
    int c = col - getX();
    for (int i = 0; i < getCount() && titles[i].col < width; i++)
        if (c >= titles[i].col && c < titles[i].col + titles[i].cols + 2)
            return i;
    return -1;
}

// The bar keeps its row and spans the new width.
void CurMenuBar::fitScreen()
{
    CurWindow::fitScreen();
    if (win == nullptr || width == CurInit::width)
        return;
    width = CurInit::width;
    wresize(win, 1, width);
    leaveok(win, y + 1 > LINES);
    draw();
}
