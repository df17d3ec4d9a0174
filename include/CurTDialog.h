#ifndef VELMORA_CURTDIALOG_H
#define VELMORA_CURTDIALOG_H
// CurTDialog: a modal dialog window with a separator and a row of buttons it
// owns, run through its own focuser; and the one-call message and question boxes.
#include "CurWindow.h"
#include "CurFocuser.h"

#include <string>
#include <string_view>
#include <vector>

class CurButton;
class CurGadget;
class CurLabel;

class CurTDialog : public CurWindow {
public:
    CurTDialog(int height, int width, int y, int x); // as a CurWindow: negative y or x centres
                                         // (or takes the place setBoxPlace set)
    ~CurTDialog() override;              // deletes the buttons it created
    CurTDialog(const CurTDialog&) = delete;
    CurTDialog& operator=(const CurTDialog&) = delete;

    // Creates a button labelled text (copied), lays the whole row out again
    // on row height - 2 and returns the new button's index. Buttons too wide
    // for the row are narrowed (their texts cut), never placed outside it.
    int  addButton(const char* text);
    int  addButton(std::string_view text);
    void setExitOnEnter(bool on);        // Enter left by the focused gadget ends the loop; off at first
    void setEscButton(int index);        // Esc activates that button; -1 (at first): Esc is ignored
    // Keys the dialog's gadgets and focus moves left, as CurFocuser::setKeyCB;
    // Esc too when no button takes it. True when the callback handled the key.
    void setKeyCB(bool (*callback)(int key, void*), void* data);
    void setKeyCB(std::function<bool(int key)> callback); // either form replaces the other
    void stopKbdLoop();                  // ends kbdLoop after the current key (-1 unless a button was activated)
    virtual void draw();                 // frame, title, separator and buttons; no refresh
    virtual int  kbdLoop();              // index of the activated button, or -1

    static void activateCB(void* data);  // every button's activation callback; data is the dialog
    static void enterCB(void* data);     // the focuser's Enter callback; data is the dialog
    static bool keyCB(int key, void* data); // the focuser's key callback: Esc, then the program's

    // Where dialogs asked to centre open from now on, the one-call boxes
    // among them: the top left corner at row y, column x, moved back as far
    // as the box's size needs to keep it on the screen. -1 centres, as at first.
    static void setBoxPlace(int y, int x);

    // One-call boxes, centred and sized to the text: a negative width is
    // measured from the text, a negative height computed by wrapping it. The
    // box widens to fit its buttons and is cut to the screen; text that does
    // not fit is clipped. A null text gives an empty box, a null title no title,
    // null button texts "Yes" and "No". Attributes 0 give the theme's dialog
    // (CurInit::THEME_DIALOG); others are added to the box's window as
    // CurWindow::setAttributes adds them. The screen under the box is
    // repainted afterwards.
    static void showMessage(int textHeight, int textWidth, int attributes,
                            const char* text, const char* title);
    // True when the first button was chosen; defaultYes puts the focus on it.
    static bool showQuestion(int textHeight, int textWidth, int attributes,
                             const char* text, const char* title,
                             const char* yesText, const char* noText, bool defaultYes);
    // The question box with the answers apart: 0 for the first button, 1 for
    // the second, -1 for Esc (or input that ended). A null second text makes
    // a message box with the one button first; a null first text is " OK ".
    static int  showChoice(int textHeight, int textWidth, int attributes,
                           const char* text, const char* title,
                           const char* first, const char* second, bool defaultFirst);

    // The input box: the text, a line editor and OK and Cancel buttons. Enter
    // in the editor accepts, Esc cancels. buffer holds the initial text (its
    // first size bytes at most, up to a NUL) and, when accepted, receives the
    // edited text cut to size - 1 bytes at a character boundary and ended
    // with a NUL; it is untouched otherwise, and always when size is 0.
    // hidden shows every character as "*". 0 when accepted, 1 for Cancel,
    // -1 for Esc (or input that ended).
    static int  showInput(int textHeight, int textWidth, int attributes,
                          const char* text, const char* title,
                          char* buffer, int size, bool hidden);

    // The viewer box: a framed CurViewer showing viewHeight x viewWidth cells
    // of text (negative: the screen less a margin) over an " OK " button;
    // a file is shown unwrapped, a text wrapped as written (its blanks and
    // indents kept, where the message box reflows it).
    // The arrows, pages, "/" and "n" go to the viewer; Enter ends, as does
    // Esc. 0 for Enter, -1 for Esc, -2 when the file cannot be shown.
    static int  showFile(int viewHeight, int viewWidth, int attributes,
                         const char* path, const char* title);
    // The same for a file opened beforehand (CurViewer::openRegular, say
    // before the screen is started), which the box takes over and closes;
    // path, when not null, is its name, looked at again at each key.
    static int  showFile(int viewHeight, int viewWidth, int attributes,
                         int fd, const char* path, const char* title);
    static int  showText(int viewHeight, int viewWidth, int attributes,
                         const char* text, const char* title);
    // The same boxes for texts of any kind (copied once to be shown).
    static void showMessage(int textHeight, int textWidth, int attributes,
                            std::string_view text, std::string_view title);
    static bool showQuestion(int textHeight, int textWidth, int attributes,
                             std::string_view text, std::string_view title,
                             std::string_view yesText, std::string_view noText, bool defaultYes);
    static int  showChoice(int textHeight, int textWidth, int attributes,
                           std::string_view text, std::string_view title,
                           std::string_view first, std::string_view second, bool defaultFirst);
    static int  showInput(int textHeight, int textWidth, int attributes,
                          std::string_view text, std::string_view title,
                          char* buffer, int size, bool hidden);
    static int  showFile(int viewHeight, int viewWidth, int attributes,
                         std::string_view path, std::string_view title);
    static int  showText(int viewHeight, int viewWidth, int attributes,
                         std::string_view text, std::string_view title);

    // The list boxes (CurTDialogLists.cpp): the text over a list of rows and
    // a row of buttons. A row shows a tag and an item in two columns, and a
    // mark in check and radio lists; controls and bad bytes show as marks.
    // listHeight rows of list, 0 or less as many as the rows and the screen
    // allow. Up, Down, Home, End and the page keys move, Space marks (one
    // row at most in a radio list), a printable key jumps to the next row
    // starting with what was typed, Enter presses the default button, Tab
    // goes through the other buttons from the one after it and back to the
    // list, Esc ends. 100,000 rows open and scroll at once.
    enum LIST_KIND : int { MENU = 0, CHECK = 1, RADIO = 2 };
    struct ListSetup {
        const char* const* tags = nullptr;   // count tags; null leaves the column out
        const char* const* items = nullptr;  // count items; null leaves the column out
        const char* const* helps = nullptr;  // count texts shown on the screen's last row for the current row, or null
        int   count = 0;
        bool* marks = nullptr;               // count flags: the first marks, then the marks at the end; null: none
        int   current = 0;                   // the current row at first (out of range: the first) and at the end
        const char* const* buttons = nullptr; // null-ended texts; null: " OK " and "Cancel"
        int   defaultButton = 0;             // pressed by Enter in the list
    };
    // The general form: the index of the button pressed, -1 for Esc (or input
    // that ended). marks and current are written back either way.
    static int showList(int textHeight, int textWidth, int listHeight, int attributes,
                        const char* text, const char* title, LIST_KIND kind, ListSetup* setup);
    // The input menu: a menu (kind MENU) whose button renameButton does not
    // end the box but turns the current row's item into a line editor in
    // place. Enter there ends the box with that button's index and the edited
    // item in renamed; Esc there goes back to the menu. Otherwise as showList.
    static int showInputMenu(int textHeight, int textWidth, int listHeight, int attributes,
                             const char* text, const char* title, ListSetup* setup,
                             int renameButton, std::string* renamed);
    // The one-call forms: 0 for OK, 1 for Cancel, -1 for Esc. The menu stores
    // the chosen row through choice (its first value is the row current at
    // first); the check list a new[] array of the marked rows (ascending, the
    // caller's to delete[]) through indices, or null, and their count, as
    // CurList::getSelected; the radio list the marked row, or -1, through
    // choice (its first value is the row marked at first). Nothing is stored
    // unless OK was pressed.
    static int showMenu(int textHeight, int textWidth, int listHeight, int attributes,
                        const char* text, const char* title, const char* const* tags,
                        const char* const* items, int count, int* choice);
    static int showCheckList(int textHeight, int textWidth, int listHeight, int attributes,
                             const char* text, const char* title, const char* const* tags,
                             const char* const* items, const bool* marked, int count,
                             int** indices, int* markedCount);
    static int showRadioList(int textHeight, int textWidth, int listHeight, int attributes,
                             const char* text, const char* title, const char* const* tags,
                             const char* const* items, int count, int* choice);
    // The same with the tags returned: tag holds the tag made current (menu)
    // or marked (radio list) at first and receives the chosen one (empty for
    // none); marked holds the tags marked at first and receives those marked
    // at the end, in list order. items may be empty, or as long as tags.
    static int showMenu(int textHeight, int textWidth, int listHeight, int attributes,
                        std::string_view text, std::string_view title,
                        const std::vector<std::string>& tags,
                        const std::vector<std::string>& items, std::string& tag);
    static int showCheckList(int textHeight, int textWidth, int listHeight, int attributes,
                             std::string_view text, std::string_view title,
                             const std::vector<std::string>& tags,
                             const std::vector<std::string>& items,
                             std::vector<std::string>& marked);
    static int showRadioList(int textHeight, int textWidth, int listHeight, int attributes,
                             std::string_view text, std::string_view title,
                             const std::vector<std::string>& tags,
                             const std::vector<std::string>& items, std::string& tag);

    // The form box (CurTDialogForm.cpp): the text over labelled line editors
    // and a row of buttons. Tab, back-tab and the arrows move between the
    // fields and the buttons, Enter in a field presses the default button.
    struct FormField {
        const char* label = nullptr;     // shown at (labelY, labelX) of the form area; null: none
        int   labelY = -1, labelX = 0;   // a negative labelY: the row after the previous field's
        int   fieldY = -1, fieldX = -1;  // negative: beside the label, after the longest label
        int   width = 0;                 // the editor's columns; 0 or less: the rest of the row
        char* buffer = nullptr;          // the first text and, when accepted, the edited one,
        int   size = 0;                  //   as showInput's buffer of size bytes; typing stops
                                         //   where the text fills size - 1 bytes
        bool  hidden = false;            // every character shown as "*"
        bool  readOnly = false;          // shown, never focused nor changed
        const char* help = nullptr;      // shown on the screen's last row while the field has the focus
        bool  focused = false;           // set on return for the field that had the focus last
    };
    // formHeight rows of fields, 0 or less as many as they take; a form taller
    // than that (or than the screen) scrolls to the field that takes the focus. buttons and
    // defaultButton as in ListSetup. The index of the button pressed, -1 for
    // Esc; the buffers receive the texts only when the first button is
    // pressed, or any button when a field has a help line (a help answer
    // tells what the fields held).
    static int showForm(int textHeight, int textWidth, int formHeight, int attributes,
                        const char* text, const char* title, FormField* fields, int count,
                        const char* const* buttons = nullptr, int defaultButton = 0);
    // One field per label, laid out in rows; texts holds the first texts and
    // receives the edited ones when accepted. 0 for OK, 1 for Cancel, -1 for Esc.
    static int showForm(int textHeight, int textWidth, int attributes, std::string_view text,
                        std::string_view title, const std::vector<std::string>& labels,
                        std::vector<std::string>& texts);

    // The gadget boxes (CurTDialogPickers.cpp): a gadget over OK and Cancel.
    // 0 for OK, 1 for Cancel, -1 for Esc (or input that ended); the answer
    // is stored only for OK. Enter in the gadget presses OK, except in the
    // editor, where it breaks the line (Tab goes to the buttons).
    // The editor box: editHeight x editWidth cells of text (negative: the
    // screen less a margin). text is the first text (null: none); edited
    // receives a new[] copy of the edited text, the caller's to delete[].
    static int showEdit(int editHeight, int editWidth, int attributes, const char* title,
                        const char* text, char** edited);
    static int showEdit(int editHeight, int editWidth, int attributes, std::string_view title,
                        std::string& text);
    // The calendar and time boxes: the text (sized as showInput's) over the
    // gadget. The values given are the first date or time (today when they
    // are not a date, midnight when a pointer is null) and receive the
    // chosen ones. A time out of range (hours 0-23, minutes and seconds
    // 0-59) is refused with -2 and nothing shown.
    static int showCalendar(int textHeight, int textWidth, int attributes, const char* text,
                            const char* title, int* day, int* month, int* year);
    static int showTime(int textHeight, int textWidth, int attributes, const char* text,
                        const char* title, int* hours, int* minutes, int* seconds);
    // The file selection box: selectHeight x selectWidth cells of path line
    // and lists (negative: the screen less a margin); directories chooses a
    // directory. buffer holds the first path and receives the chosen one as
    // showInput's does.
    static int showFileSelect(int selectHeight, int selectWidth, int attributes,
                              const char* title, bool directories, char* buffer, int size);
    static int showFileSelect(int selectHeight, int selectWidth, int attributes,
                              std::string_view title, bool directories, std::string& path);

protected:
    CurButton** buttons;                 // exactly numButtons entries, owned
    int         numButtons;
    CurFocuser  focuser;
    bool        exitOnEnter;
    int         escButton;
    int         enterButton;             // Enter the gadgets leave presses it; -1: none
    bool (*keyCallback)(int, void*);
    void*       keyData;
    std::function<bool(int)> keyFunction;

private:
    static int placeY, placeX;           // setBoxPlace's; -1 for none
    int  placeButton(CurButton* button); // joins the row and the focuser; returns its index
    void layoutButtons();
    // The text area of a box: rows x width cells from row 1, column 2, the
    // text wrapped to the width and cut to the rows; the label copies it.
    static void placeText(CurLabel* label, const char* text, int rows, int width);
    // Copies the len bytes of text into out of size bytes (size above 0),
    // cut at a character boundary and NUL-ended.
    static void copyCut(char* out, int size, const char* text, int len);
    // Adds the buttons of a list or form box (null: " OK " and "Cancel").
    void addButtons(const char* const* texts);
    // The focus order of a box whose body is one gadget: the gadget (which
    // gets the focus), then the buttons from the one after defaultButton
    // round to it. Tab and back-tab pass the default button by, as the body
    // stands for it (Enter there presses it); a click still reaches it.
    void focusFirst(CurGadget* body, int defaultButton);
    static bool skipDefaultCB(int key, void* data); // focusFirst's key filter
    // The steps both one-call boxes share: second is null for a message box;
    // focus is the index of the button given the focus, or -1 to leave it on the first.
    static int runBox(int textHeight, int textWidth, int attributes, const char* text,
                      const char* title, const char* first, const char* second, int focus,
                      bool escape);
    static bool escapeEndsCB(int key, void* data); // the boxes' key callback telling Esc apart
    // showList and showInputMenu: renameButton -1 for none.
    static int runList(int textHeight, int textWidth, int listHeight, int attributes,
                       const char* text, const char* title, LIST_KIND kind, ListSetup* setup,
                       int renameButton, std::string* renamed);
    // The steps the gadget boxes share: colours (0: the theme's), the title
    // (none for null) and OK and Cancel; then the gadget focused, the loop.
    static void setUpPicker(CurTDialog& dialog, int attributes, const char* title);
    static int runPicker(CurTDialog& dialog, CurGadget& gadget, CurLabel* label);
    // Rows and columns of a box around a text: the text's measured when
    // negative, the box at least inner columns inside, all cut to the screen.
    static void fitText(const char* text, int inner, int* textHeight, int* textWidth);
    static int runViewer(int viewHeight, int viewWidth, int attributes, int fd,
                         const char* path, const char* text, const char* title);
};
#endif
