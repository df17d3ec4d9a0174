#ifndef VELMORA_CURMENUBAR_H
#define VELMORA_CURMENUBAR_H
// CurMenuBar: a one-row bar of menu titles across the screen, each pulling
// down a CurMenu. F10 (or a key the program chooses) opens the bar on its
// first title; Alt plus a title's hot key pulls that menu down at once.
// Open, Left and Right move between the titles, Enter or Down pulls the
// menu down, Up and Down move in it, Enter or an item's hot key chooses,
// Esc closes one level and F10 all. With the mouse on, a click on a title
// pulls its menu down, on an item chooses it, anywhere else (or on the open
// title) closes all; the wheel moves in a menu. The bar runs in a focuser's
// loop (attach) or in its own (kbdLoop).
#include "CurWindow.h"

#include <string>
#include <string_view>
#include <vector>

class CurFocuser;
class CurMenu;

class CurMenuBar : public CurWindow {
public:
    explicit CurMenuBar(int y);          // one row across the screen at row y (0 when negative)
    ~CurMenuBar() override;              // leaves its focuser; the menus are the program's
    CurMenuBar(const CurMenuBar&) = delete;
    CurMenuBar& operator=(const CurMenuBar&) = delete;

    // Titles, left to right. An & in a title marks its hot key as in a menu
    // item. The menu is not owned and must outlive the bar; null is refused
    // with -1, else the title's index is returned.
    int      addMenu(const char* title, CurMenu* menu);
    int      addMenu(std::string_view title, CurMenu* menu);
    int      getCount() const;
    CurMenu* getMenu(int index) const;   // null out of range
    void     setOpenKey(int key);        // opens the bar as F10 does; 0 (the default) for none

    // keys
    void draw();                         // the titles in THEME_MENU_BAR (reverse), the open one in
                                         // THEME_MENU_BAR_FOCUSED (bold); no refresh
    // F10, the open key, Alt plus a title's hot key and a click on a title
    // run the bar until its menus close, then the chosen item's callback:
    // true. The left button's other events on a title are taken too; other
    // keys and events are left: false.
    bool processKey(int key);
    // The bar on its own: draws itself and offers every key read to
    // processKey until stopKbdLoop (from an item's callback, say) or the end
    // of the input. Returns 0, or -1 when the input ended.
    int  kbdLoop();
    void stopKbdLoop();                  // takes effect after the current key; kbdLoop clears it
    // The focuser offers every key to the bar before its focused gadget;
    // the bar is drawn. Null detaches. The bar's destructor detaches it; a focuser destroyed
    // first must be detached before.
    void attach(CurFocuser* focuser);

    // The title shown on screen cell (row, col); -1 when none.
    int  titleAt(int row, int col) const;

    void fitScreen() override;           // after a resize: across the new width, drawn again

private:
    struct Title {
        std::string text;                // as shown
        size_t      hotPos;
        int         hotKey;
        CurMenu*    menu;
        int         col;                 // of its blank before the text
        int         cols;                // text columns
    };
    int  titleForKey(int key) const;     // the title an Alt key or plain key names; -1
    void runBar(int index, bool pulled); // open on a title until the menus close
    int  pullDown(int* chosenItem);      // the open title's menu: the key that left it, or 0 when chosen
    enum : int { NOTHING = -1, PRESSED = -2, ELSEWHERE = -3 };
    int  clickedTitle() const;           // the title a mouse click chose, or one of the above
    static bool filterCB(int key, void* data);

    std::vector<Title> titles;
    int  active;                         // the highlighted title; -1 while the bar is closed
    int  openKey;
    bool loopStopped;
    bool inputEnded;
    CurFocuser* focuser;
};
#endif
