// CurMenu.cpp - the menu's items and its loop (menu/): hot keys, moving
// between the items that can be chosen, choosing, and the pop-up. How the
// menu is placed and drawn is in CurMenuDraw.cpp.
#include "CurMenu.h"
#include "CurCallback.h"
#include "CurGadget.h"
#include "CurInit.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <cctype>

static const size_t NO_HOT = std::string::npos;

CurMenu::CurMenu()
    : window(nullptr), askY(-1), askX(-1), pulledDown(false), screenHeight(0),
      screenWidth(0), current(-1), top(0)
{
}

CurMenu::~CurMenu()
{
    delete window;              // null unless the menu goes while shown
}

// The & marks come out of the text as it is shown; the character after
// the first single & is the hot key.
std::string CurMenu::unmark(std::string_view marked, size_t* hotPos, int* hotKey)
{
    std::string text;
    *hotPos = NO_HOT;
    *hotKey = 0;
    for (size_t i = 0; i < marked.size(); i++) {
        if (marked[i] == '&' && i + 1 < marked.size()) {
            i++;
            if (marked[i] != '&' && *hotPos == NO_HOT)
                *hotPos = text.size();
        }
        text += marked[i];
    }
    if (*hotPos != NO_HOT) {
        int code = 0;
        CurText::decode(text.data() + *hotPos, (int)(text.size() - *hotPos), &code, nullptr);
        *hotKey = code <= 32 || code == 127 ? 0 : (code < 128 ? tolower(code) : code);
        if (*hotKey == 0)
            *hotPos = NO_HOT;
    }
    return text;
}

int CurMenu::add(std::string_view text, std::string_view hint, bool check, bool checked)
{
    Item item{};
    item.text = unmark(text, &item.hotPos, &item.hotKey);
    item.hint = std::string(hint);
    item.check = check;
    item.checked = checked;
    item.enabled = true;
    items.push_back(std::move(item));
    return (int)items.size() - 1;
}

static std::string_view orEmpty(const char* s)
{
    return s == nullptr ? std::string_view() : std::string_view(s);
}

int CurMenu::addItem(const char* text, const char* hint, void (*callback)(void*), void* data)
{
    int index = add(orEmpty(text), orEmpty(hint), false, false);
    items[index].function = CurCallback::bind(callback, data);
    return index;
}

int CurMenu::addItem(std::string_view text, std::string_view hint, std::function<void()> callback)
{
    int index = add(text, hint, false, false);
    items[index].function = std::move(callback);
    return index;
}

int CurMenu::addCheckItem(const char* text, const char* hint, bool checked,
                          void (*callback)(void*), void* data)
{
    int index = add(orEmpty(text), orEmpty(hint), true, checked);
    items[index].function = CurCallback::bind(callback, data);
    return index;
}

int CurMenu::addCheckItem(std::string_view text, std::string_view hint, bool checked,
                          std::function<void()> callback)
{
    int index = add(text, hint, true, checked);
    items[index].function = std::move(callback);
    return index;
}

int CurMenu::addSeparator()
{
    int index = add("", "", false, false);
    items[index].separator = true;
    items[index].enabled = false;
    return index;
}

void CurMenu::setEnabled(int index, bool on)
{
    if (index >= 0 && index < getCount() && !items[index].separator)
        items[index].enabled = on;
}

bool CurMenu::isEnabled(int index) const
{
    return index >= 0 && index < getCount() && items[index].enabled;
}

void CurMenu::setChecked(int index, bool on)
{
    if (index >= 0 && index < getCount())
        items[index].checked = on;
}

bool CurMenu::isChecked(int index) const
{
    return index >= 0 && index < getCount() && items[index].checked;
}

int CurMenu::getCount() const
{
    return (int)items.size();
}

const char* CurMenu::getText(int index) const
{
    return index >= 0 && index < getCount() ? items[index].text.c_str() : nullptr;
}

int CurMenu::getHotKey(int index) const
{
    return index >= 0 && index < getCount() ? items[index].hotKey : 0;
}

bool CurMenu::selectable(int index) const
{
    return index >= 0 && index < getCount() && items[index].enabled;
}

// A key as a hot key: Alt taken off, a whole character read as its code
// point, ASCII letters in lower case. 0 for keys that cannot be one.
int CurMenu::hotOf(int key)
{
    key &= ~CurInit::ALT;
    if (key >= CurGadget::WIDE_CHAR)
        key -= CurGadget::WIDE_CHAR;
    else if (key >= 127)
        return 0;               // curses key codes, and bytes that are no whole character
    if (key > 32 && key < 127)
        return tolower(key);
    return key > 127 ? key : 0;
}

int CurMenu::hotItem(int key) const
{
    int hot = hotOf(key);
    for (int i = 0; hot != 0 && i < getCount(); i++)
        if (items[i].hotKey == hot && items[i].enabled)
            return i;
    return -1;
}

// The next item that can be current from `from` in steps of by, wrapping
// once around the menu; from itself counts last.
int CurMenu::step(int from, int by) const
{
    int n = getCount();
    for (int i = 1; i <= n; i++) {
        int index = ((from + by * i) % n + n) % n;
        if (selectable(index))
            return index;
    }
    return -1;
}

int CurMenu::popup()
{
    return popup(-1, -1);
}

int CurMenu::popup(int y, int x)
{
    int leaveKey = 0;
    int chosen = run(y, x, false, &leaveKey);
    if (chosen >= 0)
        choose(chosen);
    return chosen;
}

// The callback may run anything, this menu's popup again included (the
// menu is closed by then), or destroy the menu.
void CurMenu::choose(int index)
{
    Item& item = items[index];
    if (item.check)
        item.checked = !item.checked;
    CurCallback::call(item.function);
}

int CurMenu::run(int y, int x, bool pulled, int* leaveKey)
{
    *leaveKey = 0;
    if (window != nullptr || !CurInit::isInitialized())
        return -1;              // already open: a callback asked for it again
    current = step(-1, 1);
    if (current < 0 && !pulled)
        return -1;              // nothing to choose: a pull-down still shows it is empty
    askY = y;
    askX = x;
    pulledDown = pulled;
    top = 0;
    open();
    int chosen = -1;
    while (window != nullptr) {
        WINDOW* w = window->getWindow();
        if (w == nullptr) {
            *leaveKey = ERR;    // no room on this screen at all
            break;
        }
        if (!is_keypad(w))
            keypad(w, TRUE);
        // The one loop rule, as a loop run from another loop's key: a stop
        // asked for here ends the loop around too.
        int key = CurInit::readWideKey(window);
        CurInit::LOOP_STEP step = CurInit::loopStep(key, window, true);
        if (CurInit::height != screenHeight || CurInit::width != screenWidth) {
            close();            // laid out again for the new screen
            open();
        }
        if (step == CurInit::LOOP_IDLE)
            continue;
        if (step == CurInit::LOOP_END) {
            *leaveKey = key;
            break;
        }
        if (!offer(key, &chosen, leaveKey, pulled))
            break;
    }
    close();
    return chosen;
}

// One key of the loop. Up and Down move among the items that can be
// chosen, wrapping; Home, End and the page keys jump; Enter or a hot key
// chooses (Alt plus it too, except in a pull-down). Esc, F10 and the end
// of the input close the menu; so do Left, Right and Alt keys in a
// pull-down, which its bar acts on. The mouse: see mouse. False once the
// loop is to end.
bool CurMenu::offer(int key, int* chosen, int* leaveKey, bool pulled)
{
    if (key == KEY_MOUSE)
        return mouse(chosen, leaveKey);
    int rows = viewRows();
    int target = current;
    bool ends = key == 27 || key == KEY_F(10) || (pulled && (key == KEY_LEFT || key == KEY_RIGHT));
    if (ends) {
        *leaveKey = key;
        return false;
    }
    if (key == 13 || key == 10 || key == KEY_ENTER) {
        *chosen = current;
        return current < 0;
    }
    if (key == KEY_DOWN || key == KEY_UP)
        target = step(current < 0 ? -1 : current, key == KEY_DOWN ? 1 : -1);
    else if (key == KEY_HOME)
        target = step(-1, 1);
    else if (key == KEY_END)
        target = step(0, -1);
    else if (key == KEY_NPAGE || key == KEY_PPAGE) {
        int by = key == KEY_NPAGE ? 1 : -1;
        for (int i = 0; i < rows && target >= 0; i++) {
            int next = step(target, by);
            if (next < 0 || (by > 0) != (next > target))
                break;          // a page stops at the end, it does not wrap
            target = next;
        }
    } else if (pulled && (key & CurInit::ALT) != 0) {
        *leaveKey = key;        // the bar's: perhaps another title's
        return false;
    } else if (hotItem(key) >= 0) {
        *chosen = hotItem(key);
        return false;
    }
    if (target != current && target >= 0) {
        current = target;
        scrollToCurrent();
        draw();
        window->update();
    }
    return true;
}

// The wheel moves the current item as Up and Down do; the left button on
// an item makes it current, and a click there chooses it; a click outside
// the menu closes it, leaving KEY_MOUSE for a bar to look where it fell.
bool CurMenu::mouse(int* chosen, int* leaveKey)
{
    CurInit::MouseEvent e;
    if (!CurInit::getMouse(&e))
        return true;
    if (e.button == CurInit::WHEEL_UP || e.button == CurInit::WHEEL_DOWN)
        return offer(e.button == CurInit::WHEEL_UP ? KEY_UP : KEY_DOWN, chosen, leaveKey, false);
    bool click = e.action == CurInit::MOUSE_CLICK || e.action == CurInit::MOUSE_DOUBLE_CLICK;
    if (e.button != CurInit::MOUSE_LEFT)
        return true;
    int index = itemAt(e.row, e.column);
    if (index >= 0 && selectable(index)) {
        if (click) {
            *chosen = index;
            return false;
        }
        current = index;
        draw();
        window->update();
    } else if (click && CurInit::windowAt(e.row, e.column) != window) {
        *leaveKey = KEY_MOUSE;
        return false;
    }
    return true;
}
