// CurTDialog.cpp - the modal dialog window (boxes/): its owned row of buttons,
// their layout, the separator and the keyboard loop that returns the chosen
// button. The one-call boxes are in CurTDialogBoxes.cpp.
#include "CurTDialog.h"
#include "CurButton.h"
#include "CurText.h"

#include <curses.h>
#include <cstring>
#include <string>

int CurTDialog::placeY = -1;
int CurTDialog::placeX = -1;

void CurTDialog::setBoxPlace(int y, int x)
{
    placeY = y < 0 ? -1 : y;
    placeX = x < 0 ? -1 : x;
}

// A side asked to centre takes the place set, if any, moved back so that
// the box's size (cut to the screen) still fits.
static int placed(int asked, int size, int screen, int place)
{
    if (asked >= 0 || place < 0)
        return asked;
    int cells = size < screen ? size : screen;
    return place + cells > screen ? (screen - cells > 0 ? screen - cells : 0) : place;
}

CurTDialog::CurTDialog(int height, int width, int y, int x)
    : CurWindow(height, width, placed(y, height, LINES, placeY), placed(x, width, COLS, placeX)),
      buttons(nullptr), numButtons(0), exitOnEnter(false),
      escButton(-1), enterButton(-1), keyCallback(nullptr), keyData(nullptr)
{
    takeTheme(CurInit::THEME_DIALOG);
    focuser.setEnterCB(CurTDialog::enterCB, this);
    focuser.setKeyCB(CurTDialog::keyCB, this);
}

CurTDialog::~CurTDialog()
{
    for (int i = 0; i < numButtons; i++)
        delete buttons[i];
    delete[] buttons;
}

// A null text leaves the new button's own text.
int CurTDialog::addButton(const char* text)
{
    CurButton* button = new CurButton(this);
    button->setText(text, false);
    return placeButton(button);
}

int CurTDialog::addButton(std::string_view text)
{
    CurButton* button = new CurButton(this);
    button->setText(text, false);
    return placeButton(button);
}

int CurTDialog::placeButton(CurButton* button)
{
    button->setActivateCB(CurTDialog::activateCB, this);

    CurButton** grown = new CurButton*[numButtons + 1];
    for (int i = 0; i < numButtons; i++)
        grown[i] = buttons[i];
    grown[numButtons++] = button;
    delete[] buttons;
    buttons = grown;

    focuser.addGadget(button);      // the first button added keeps the focus
    layoutButtons();
    return numButtons - 1;
}

// Every button gets the width of the longest text plus a blank on each side.
// One button is centred; several spread from column 1 with equal gaps, the
// remainder of the division left at the right. When the row between the side
// frames is too narrow, the buttons share it equally instead and their texts
// are cut, so that no button lies on the frame or outside the window.
void CurTDialog::layoutButtons()
{
    int maxLen = 0;
    for (int i = 0; i < numButtons; i++) {
        int len = CurText::columns(buttons[i]->getText());
        if (len > maxLen)
            maxLen = len;
    }
    // A theme whose brackets stand at a bar's ends centres labels in at
    // least its columns, between the brackets.
    const CurInit::ThemeShapes& shapes = CurInit::getThemeShapes();
    if (!shapes.buttonHug && maxLen < shapes.buttonColumns)
        maxLen = shapes.buttonColumns;
    int room = width > 2 ? width - 2 : 0;
    int bw = maxLen + 2;
    if (bw * numButtons > room)
        bw = room / numButtons;

    int col = 1;
    int gap = 0;
    if (shapes.buttonHug && bw * numButtons <= room) {
        // Brackets that hug their labels: each button centred in its share of the row.
        for (int i = 0; i < numButtons; i++)
            buttons[i]->setGeometry(1, room / numButtons, height - 2, 1 + i * room / numButtons);
        return;
    }
    if (shapes.buttonColumns > 0 && bw * numButtons <= room) {
        // Brackets at the bars' ends: the row kept together and centred.
        gap = numButtons > 2 ? 2 : 4;
        while (gap > 0 && bw * numButtons + gap * (numButtons - 1) > room)
            gap--;
        col = 1 + (room - bw * numButtons - gap * (numButtons - 1)) / 2;
    } else if (numButtons == 1)
        col = (width - bw) / 2;
    else
        gap = (room - bw * numButtons) / (numButtons - 1);
    for (int i = 0; i < numButtons; i++) {
        buttons[i]->setGeometry(1, bw, height - 2, col);
        col += bw + gap;
    }
}

void CurTDialog::focusFirst(CurGadget* body, int defaultButton)
{
    for (int i = 0; i < numButtons; i++)
        focuser.delGadget(buttons[i]);
    focuser.addGadget(body);
    int after = defaultButton >= 0 && defaultButton < numButtons ? defaultButton + 1 : 0;
    for (int i = 0; i < numButtons; i++)
        focuser.addGadget(buttons[(after + i) % numButtons]);
    focuser.setFocus(0);
    focuser.setKeyFilterCB(skipDefaultCB, this);
}

// The default button is last in the order: Tab from the one before it
// wraps to the body, back-tab from the body lands before it.
bool CurTDialog::skipDefaultCB(int key, void* data)
{
    CurFocuser& focuser = static_cast<CurTDialog*>(data)->focuser;
    int last = focuser.getCount() - 1;
    if (last < 1 || (key != 9 && key != KEY_BTAB))
        return false;
    int from = focuser.getFocus();
    if (key == 9 && (from == last - 1 || from == last))
        focuser.setFocus(0);
    else if (key == KEY_BTAB && (from == 0 || from == last))
        focuser.setFocus(last - 1 > 0 ? last - 1 : 0);
    else
        return false;
    return true;
}

void CurTDialog::setExitOnEnter(bool on)
{
    exitOnEnter = on;
}

void CurTDialog::setEscButton(int index)
{
    escButton = index;
}

void CurTDialog::setKeyCB(bool (*callback)(int, void*), void* data)
{
    keyCallback = callback;
    keyData = data;
    keyFunction = nullptr;
}

void CurTDialog::setKeyCB(std::function<bool(int key)> callback)
{
    keyFunction = std::move(callback);
    keyCallback = nullptr;
    keyData = nullptr;
}

void CurTDialog::stopKbdLoop()
{
    focuser.stopKbdLoop();
}

// The separator on row height - 3 joins the frame with tees on both sides,
// unless the theme has none.
void CurTDialog::draw()
{
    if (win == nullptr)
        return;
    drawFrame();
    if (height >= 3 && width >= 2 && CurInit::getThemeShapes().buttonRule) {
        wmove(win, height - 3, 0);
        CurText::addLine(win, CurText::LTEE, 0);
        for (int i = 1; i <= width - 2; i++)
            CurText::addLine(win, CurText::HLINE, 0);
        CurText::addLine(win, CurText::RTEE, 0);
    }
    for (int i = 0; i < numButtons; i++)
        buttons[i]->draw();
}

// The activated flags tell which button ended the loop, so they are cleared
// first: an earlier run's choice does not count.
int CurTDialog::kbdLoop()
{
    for (int i = 0; i < numButtons; i++)
        buttons[i]->reset();
    focuser.enableKbdLoop();
    focuser.kbdLoop();
    for (int i = 0; i < numButtons; i++)
        if (buttons[i]->isActivated())
            return i;
    return -1;
}

void CurTDialog::activateCB(void* data)
{
    static_cast<CurTDialog*>(data)->focuser.stopKbdLoop();
}

// Esc presses the Esc button as the space bar would, which ends the loop
// through that button's callback; an index that names no button is ignored.
bool CurTDialog::keyCB(int key, void* data)
{
    CurTDialog* dialog = static_cast<CurTDialog*>(data);
    if (key == 27 && dialog->escButton >= 0 && dialog->escButton < dialog->numButtons)
        return dialog->buttons[dialog->escButton]->processKey(' ');
    if (dialog->keyCallback != nullptr)
        return dialog->keyCallback(key, dialog->keyData);
    if (!dialog->keyFunction)
        return false;
    std::function<bool(int)> call = dialog->keyFunction;   // it may replace itself
    return call(key);
}

// Enter that the focused gadget leaves presses the Enter button, when the
// dialog has one, as the key itself would; otherwise it ends the loop when
// setExitOnEnter asked for that.
void CurTDialog::enterCB(void* data)
{
    CurTDialog* dialog = static_cast<CurTDialog*>(data);
    int index = dialog->enterButton;
    if (index >= 0 && index < dialog->numButtons)
        dialog->buttons[index]->processKey(13);
    else if (dialog->exitOnEnter)
        dialog->focuser.stopKbdLoop();
}

// The boxes keep NUL-terminated texts: a view is copied once.
static std::string own(std::string_view text)
{
    return std::string(text);
}

void CurTDialog::showMessage(int textHeight, int textWidth, int attributes,
                             std::string_view text, std::string_view title)
{
    showMessage(textHeight, textWidth, attributes, own(text).c_str(), own(title).c_str());
}

bool CurTDialog::showQuestion(int textHeight, int textWidth, int attributes,
                              std::string_view text, std::string_view title,
                              std::string_view yesText, std::string_view noText, bool defaultYes)
{
    return showQuestion(textHeight, textWidth, attributes, own(text).c_str(), own(title).c_str(),
                        own(yesText).c_str(), own(noText).c_str(), defaultYes);
}

int CurTDialog::showChoice(int textHeight, int textWidth, int attributes,
                           std::string_view text, std::string_view title,
                           std::string_view first, std::string_view second, bool defaultFirst)
{
    return showChoice(textHeight, textWidth, attributes, own(text).c_str(), own(title).c_str(),
                      own(first).c_str(), own(second).c_str(), defaultFirst);
}

int CurTDialog::showInput(int textHeight, int textWidth, int attributes,
                          std::string_view text, std::string_view title,
                          char* buffer, int size, bool hidden)
{
    return showInput(textHeight, textWidth, attributes, own(text).c_str(), own(title).c_str(),
                     buffer, size, hidden);
}

int CurTDialog::showFile(int viewHeight, int viewWidth, int attributes,
                         std::string_view path, std::string_view title)
{
    return showFile(viewHeight, viewWidth, attributes, own(path).c_str(), own(title).c_str());
}

int CurTDialog::showText(int viewHeight, int viewWidth, int attributes,
                         std::string_view text, std::string_view title)
{
    return showText(viewHeight, viewWidth, attributes, own(text).c_str(), own(title).c_str());
}
