// CurGauge.cpp - the gauge gadget (gadget/): a percentage bar with the number
// centred on it and an optional label above, and the one-call gauge box that
// a program opens, updates while its work runs, and closes.
#include "CurGauge.h"
#include "CurLabel.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

CurWindow* CurGauge::boxWindow = nullptr;
CurGauge*  CurGauge::boxGauge = nullptr;
char*      CurGauge::boxText = nullptr;
int        CurGauge::boxTextRows = 0;

CurGauge::CurGauge(CurWindow* window)
    : CurGadget(window), percent(0), fillAttr(0), label(nullptr)
{
}

CurGauge::~CurGauge()
{
    free(label);
}

void CurGauge::setPercent(int value, bool redraw)
{
    percent = value < 0 ? 0 : (value > 100 ? 100 : value);
    if (redraw)
        draw();
}

int CurGauge::getPercent() const
{
    return percent;
}

void CurGauge::setLabel(const char* text, bool redraw)
{
    if (text != nullptr) {
        setLabel(std::string_view(text), redraw);
        return;
    }
    free(label);
    label = nullptr;
    if (redraw)
        draw();
}

void CurGauge::setLabel(std::string_view text, bool redraw)
{
    char* copy = static_cast<char*>(malloc(text.size() + 1));
    if (copy == nullptr)
        throw std::bad_alloc();
    memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    free(label);
    label = copy;
    if (redraw)
        draw();
}

void CurGauge::setFillAttr(int attr)
{
    fillAttr = attr;
}

bool CurGauge::processKey(int)
{
    return false;
}

void CurGauge::draw()
{
    if (window->getWindow() == nullptr || height < 1 || width < 1)
        return;
    if (height >= 2 && label != nullptr) {
        const char* end = strchr(label, '\n');
        drawLabel(y, label, end != nullptr ? (int)(end - label) : (int)strlen(label));
    }
    drawBar(y + height - 1);
}

// The label's first line, cut at the gauge's width and padded with blanks,
// so a shorter label leaves nothing of a longer one behind.
void CurGauge::drawLabel(int row, const char* text, int len)
{
    WINDOW* w = window->getWindow();
    int used = CurText::draw(w, row, x, text, len, width, 0);
    CurText::blank(w, row, x + used, width - used, 0);
}

// Every cell left of the filled width takes the fill attribute, the number's
// digits included, so the number reads across the edge of the fill. The fill
// is rounded down: a bar shows full only at 100.
void CurGauge::drawBar(int row)
{
    WINDOW* w = window->getWindow();
    if (row < 0 || row >= getmaxy(w))
        return;
    char number[8];
    snprintf(number, sizeof number, "%d%%", percent);
    int len = (int)strlen(number);
    int start = (width - len) / 2;
    int filled = (int)((long long)width * percent / 100);
    chtype fill = (chtype)(fillAttr != 0 ? fillAttr : CurInit::getThemeAttr(CurInit::THEME_GAUGE_FILL));
    chtype empty = (chtype)CurInit::getThemeAttr(CurInit::THEME_GAUGE);
    // Only the cells the window has: curses would carry the rest of the bar
    // onto the next row, and a bar wider than the window would cost its
    // whole width.
    int first = x < 0 ? -x : 0;
    int end = getmaxx(w) - x < width ? getmaxx(w) - x : width;
    for (int col = first; col < end; col++) {
        chtype ch = ' ';
        if (col >= start && col - start < len)
            ch = (unsigned char)number[col - start];
        mvwaddch(w, row, x + col, ch | (col < filled ? fill : empty));
    }
}

// The box: frame, the wrapped text, a blank row, the bar, a margin of two
// columns each side. Its width is at least 20 so that a short text still
// gets a bar worth reading.
void CurGauge::openBox(int textHeight, int textWidth, int attributes,
                       const char* text, const char* title, int percent)
{
    closeBox();
    if (text == nullptr)
        text = "";
    CurText::Size box = CurText::boxSize(text, textHeight, textWidth, {4, 4}, 20);
    boxWindow = new CurWindow(box.rows, box.cols, -1, -1);
    boxWindow->takeTheme(CurInit::THEME_DIALOG);
    if (attributes != 0)                // 0: the theme's
        boxWindow->setAttributes(attributes);
    if (title != nullptr)
        boxWindow->setTitle(title, CurInit::CENTER);
    boxGauge = new CurGauge(boxWindow);
    boxText = strdup(text);
    boxTextRows = boxWindow->getHeight() - 4 > 0 ? boxWindow->getHeight() - 4 : 0;
    boxGauge->setGeometry(1, boxWindow->getWidth() - 4, boxWindow->getHeight() - 2, 2);
    boxGauge->setPercent(percent, false);
    drawBox();
}

void CurGauge::updateBox(int percent, const char* text)
{
    if (boxWindow == nullptr)
        return;
    boxGauge->setPercent(percent, false);
    if (text != nullptr) {
        free(boxText);
        boxText = strdup(text);
    }
    drawBox();
}

void CurGauge::drawBox()
{
    boxWindow->erase();
    boxWindow->drawFrame();
    if (boxTextRows > 0) {
        CurLabel label(boxWindow, true);
        label.setGeometry(boxTextRows, boxWindow->getWidth() - 4, 1, 2);
        label.setAlignment(CurInit::LEFT, CurInit::TOP, false);
        label.setText(boxText, false);
        label.draw();
        boxWindow->drawFrame();         // a text taller than its rows spills onto the frame
    }
    boxGauge->draw();
    boxWindow->update();
}

void CurGauge::closeBox()
{
    if (boxWindow == nullptr)
        return;
    leaveBox();
    CurInit::refreshAllWindows();
}

// Deleting the window sends nothing to the terminal: its image stays there
// until something is drawn over it.
void CurGauge::leaveBox()
{
    delete boxGauge;
    delete boxWindow;
    free(boxText);
    boxGauge = nullptr;
    boxWindow = nullptr;
    boxText = nullptr;
}

bool CurGauge::isBoxOpen()
{
    return boxWindow != nullptr;
}

// The box keeps NUL-terminated texts: a view is copied once.
void CurGauge::openBox(int textHeight, int textWidth, int attributes,
                       std::string_view text, std::string_view title, int percent)
{
    openBox(textHeight, textWidth, attributes, std::string(text).c_str(),
            std::string(title).c_str(), percent);
}

void CurGauge::updateBox(int percent, std::string_view text)
{
    updateBox(percent, std::string(text).c_str());
}

bool CurGauge::takesFocus() const
{
    return false;
}
