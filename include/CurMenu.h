#ifndef VELMORA_CURMENU_H
#define VELMORA_CURMENU_H
// CurMenu: a framed column of items to choose from, shown as a pop-up at a
// screen position (context menus, "which action?" questions) or pulled down
// from a CurMenuBar. Items carry a hot key, may be separators, disabled or
// check items, and have a right-aligned key hint and a callback. The menu
// holds a window only while it is shown; when it closes, the windows under
// it are repainted, so the screen shows again what it showed before.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CurWindow;
typedef struct _win_st WINDOW;

class CurMenu {
public:
    CurMenu();                           // no items
    virtual ~CurMenu();
    CurMenu(const CurMenu&) = delete;    // owns its items and their callbacks
    CurMenu& operator=(const CurMenu&) = delete;

    // Items, each add returning the new item's index. In an item's text an &
    // marks the character after it as the item's hot key, shown underlined
    // ("&Save", "Save &as"); && shows one &. Letters match in either case.
    // When items share a hot key, the first enabled one has it. The hint
    // ("Ctrl-S"; null or empty for none) is shown at the right edge; it only
    // tells the user: the program binds that key itself. A null callback
    // means none; either form replaces the other.
    int addItem(const char* text, const char* hint, void (*callback)(void*), void* data);
    int addItem(std::string_view text, std::string_view hint, std::function<void()> callback);
    int addCheckItem(const char* text, const char* hint, bool checked,
                     void (*callback)(void*), void* data);
    int addCheckItem(std::string_view text, std::string_view hint, bool checked,
                     std::function<void()> callback);
    int addSeparator();                  // a line across; never current, never chosen

    // item state; an index out of range is ignored, or answered with false, 0 or null
    void setEnabled(int index, bool on); // a disabled item is shown dim and cannot be chosen
    bool isEnabled(int index) const;     // false for a separator
    void setChecked(int index, bool on); // for check items; choosing one flips it first
    bool isChecked(int index) const;
    int  getCount() const;
    const char* getText(int index) const; // as shown, without the & marks
    int  getHotKey(int index) const;     // lower case for an ASCII letter, a code point beyond ASCII; 0: none

    // The pop-up. Shows the menu with its top-left corner on screen cell
    // (y, x), moved up and left as far as it takes to fit, and centred on
    // an axis given a negative value; runs its own loop until an item is
    // chosen with Enter or its hot key (Alt plus it too), then closes, runs
    // the item's callback and returns its index. -1 for Esc, when the input
    // ends, and at once when no item can be chosen.
    int popup(int y, int x);
    int popup();                         // centred on the screen

    // The item shown on screen cell (row, col) while the menu is open; -1
    // for a separator, the frame, or anywhere else, and while it is closed.
    int itemAt(int row, int col) const;

private:
    friend class CurMenuBar;
    struct Item {
        std::string text;                // as shown
        std::string hint;
        size_t hotPos;                   // byte of the hot key in text; npos when none
        int    hotKey;                   // as getHotKey answers
        bool   separator;
        bool   check;
        bool   checked;
        bool   enabled;
        std::function<void()> function;  // either form
    };
    int  add(std::string_view text, std::string_view hint, bool check, bool checked);
    // Shared with the bar's titles: a text with & marks as shown, the byte
    // of its hot key (npos: none) and the key; a key as a hot key (0: none);
    // a marked text drawn within room columns, the hot key underlined,
    // returning the columns used.
    static std::string unmark(std::string_view marked, size_t* hotPos, int* hotKey);
    static int hotOf(int key);
    static int drawMarked(WINDOW* w, int row, int col, int room, const std::string& text,
                          size_t hotPos, int attr);
    // The loop behind popup and the bar's pull-downs: the chosen index, or
    // -1 with the key that closed the menu in *leaveKey (Esc, an arrow a
    // pull-down passes to its bar, an Alt key, F10, ERR or CurInit::STOP).
    int  run(int y, int x, bool pulled, int* leaveKey);
    bool offer(int key, int* chosen, int* leaveKey, bool pulled); // false once the loop ends
    bool mouse(int* chosen, int* leaveKey);  // offer for KEY_MOUSE
    void choose(int index);              // flips a check item, runs its callback
    int  hotItem(int key) const;         // the first enabled item with that hot key; -1 none
    int  step(int from, int by) const;   // the next item that can be current that way; -1 none
    bool selectable(int index) const;
    void open();                         // the window for the placement asked, drawn
    void close();                        // the window gone, what lay under repainted
    void draw();
    void drawItem(int row, int index);
    void scrollToCurrent();
    int  neededWidth() const;
    bool hasChecks() const;              // check marks take a column of every item
    int  viewRows() const;               // rows that show items

    std::vector<Item> items;
    CurWindow* window;                   // while open
    int  askY, askX;                     // the placement asked, kept for a resize
    bool pulledDown;                     // a pull-down grows downwards from askY
    int  screenHeight, screenWidth;      // the screen the window was laid out for
    int  current;                        // -1 when nothing can be current
    int  top;                            // the first item in view
};
#endif
