// CurToggle.cpp - the check box gadget (gadget/): drawing, the space-bar
// flip and the toggle callback. Grouping into radio sets is CurRadioBox's job.
#include "CurToggle.h"
#include "CurCallback.h"
#include "CurRadioBox.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <cstring>

static char* copyText(std::string_view text)
{
    char* copy = new char[text.size() + 1];
    memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

CurToggle::CurToggle(CurWindow* window)
    : CurGadget(window), labelAlignment(CurInit::CENTER), type(CHECK),
      toggled(true), text(copyText("Toggle")),
      callbackGroup(nullptr), group(nullptr)
{
    showFocus(false);
}

// A toggle destroyed before its group must not stay in the group's list,
// or the group's next change of choice would reach a dead object.
CurToggle::~CurToggle()
{
    if (group != nullptr)
        group->removeButton(this);
    delete[] text;
}

// The copy is made before the old text is freed, so a failed allocation
// leaves the toggle with its previous label.
void CurToggle::setText(const char* text, bool redraw)
{
    if (text != nullptr)
        setText(std::string_view(text), redraw);
}

void CurToggle::setText(std::string_view text, bool redraw)
{
    char* copy = copyText(text);
    delete[] this->text;
    this->text = copy;
    if (redraw)
        draw();
}

void CurToggle::setType(TYPE type, bool redraw)
{
    this->type = type;
    if (redraw)
        draw();
}

void CurToggle::setLabelAlignment(CurInit::ALIGNMENT align, bool redraw)
{
    labelAlignment = align;
    if (redraw)
        draw();
}

// The callback runs after the state is stored and before the redraw, so it
// sees the new state; a radio group's callback may switch this toggle again.
void CurToggle::toggle(bool state, bool redraw)
{
    if (state == toggled)
        return;
    toggled = state;
    CurCallback::call(toggleFunction);
    if (redraw)
        draw();
}

bool CurToggle::isToggled() const
{
    return toggled;
}

void CurToggle::setToggleCB(void (*callback)(CurToggle*, void*), void* data)
{
    callbackGroup = callback == CurRadioBox::toggleCB ? (CurRadioBox*)data : nullptr;
    if (callback == nullptr)
        toggleFunction = nullptr;
    else
        toggleFunction = [this, callback, data] { callback(this, data); };
}

void CurToggle::setToggleCB(std::function<void(CurToggle*)> callback)
{
    callbackGroup = nullptr;
    if (!callback)
        toggleFunction = nullptr;
    else
        toggleFunction = [this, callback] { callback(this); };
}

// The label never starts before column 4, right of the brackets and a blank.
int CurToggle::labelIndent(int length) const
{
    int indent;
    if (labelAlignment == CurInit::LEFT)
        indent = 4;
    else if (labelAlignment == CurInit::RIGHT)
        indent = width - length;
    else if (width - 4 >= length)
        indent = 4 + (width - 4 - length) / 2;
    else
        indent = 4;
    return indent < 4 ? 4 : indent;
}

// One row, the middle one: bracketed mark, blanks, the label cut at the
// right edge, blanks to the edge; all in the theme's check box attribute,
// the focused one (reverse) while focused. A box narrower than the mark
// shows what fits of it. The cursor is left on the mark, where the focus
// search measures from.
void CurToggle::draw()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr || height < 1)
        return;                         // no row to draw on
    int row = y + height / 2;
    chtype a = (chtype)CurInit::getThemeAttr(focused ? CurInit::THEME_CHECK_BOX_FOCUSED
                                                      : CurInit::THEME_CHECK_BOX);
    bool square = type == CHECK;

    const char mark[] = {square ? '[' : '(', toggled ? '*' : ' ', square ? ']' : ')'};
    int markCols = width < 3 ? width : 3;
    if (markCols > 0)
        CurText::draw(w, row, x, mark, 3, markCols, (int)a);

    int start = x + labelIndent(CurText::columns(text));
    int col = x + 3;
    if (col < x + width)
        CurText::blank(w, row, col, x + width - col, (int)a);
    if (start < x + width)
        CurText::draw(w, row, start, text, (int)strlen(text), x + width - start, (int)a);
    wmove(w, row, x + 1);
}

bool CurToggle::processKey(int key)
{
    if (key != ' ')
        return false;
    toggle(!toggled, true);
    window->update();
    return true;
}

// Every event of the left button is the gadget's; only a click acts, so a
// press let go on another cell does nothing.
bool CurToggle::processMouse(const CurInit::MouseEvent& event)
{
    if (event.button != CurInit::MOUSE_LEFT)
        return false;
    if (event.action == CurInit::MOUSE_CLICK || event.action == CurInit::MOUSE_DOUBLE_CLICK)
        processKey(' ');                // may destroy the gadget: nothing follows
    return true;
}

void CurToggle::naturalSize(int* height, int* width) const
{
    *height = 1;
    *width = 4 + CurText::columns(text);
}
