// VtScreen.cpp - the harness' terminal: standard strings and cells over the
// test kit's emulator, and the libvterm key codes older tests name.
#include "VtScreen.h"

#include <cstdio>

#include <CurTestScreen.h>

VtScreen::VtScreen(int rows, int cols) : vt(new CurTestScreen(rows, cols))
{
}

VtScreen::VtScreen(CurTestScreen* emulator) : vt(emulator)
{
}

VtScreen::~VtScreen()
{
    delete vt;
}

void VtScreen::feed(const char* bytes, size_t len)
{
    vt->feed(bytes, len);
}

// The emulator alone: a session's resize (ScreenSession::resize) tells the
// program too.
void VtScreen::setSize(int rows, int cols)
{
    vt->CurTestScreen::resize(rows, cols);
}

void VtScreen::setInputFd(int fd)
{
    vt->setInputFd(fd);
}

// A libvterm key becomes the kit's name for it, with its modifiers.
void VtScreen::sendKey(VTermKey k, VTermModifier mod)
{
    static const char* const NAMES[] = {
        nullptr, "Enter", "Tab", "Backspace", "Esc", "Up", "Down", "Left", "Right",
        "Insert", "Delete", "Home", "End", "PageUp", "PageDown"};
    std::string name = (mod & VTERM_MOD_SHIFT ? "Shift-" : "") + std::string(mod & VTERM_MOD_CTRL ? "Ctrl-" : "") +
                       (mod & VTERM_MOD_ALT ? "Alt-" : "");
    if (k > VTERM_KEY_NONE && k <= VTERM_KEY_PAGEDOWN)
        name += NAMES[k];
    else if (k > VTERM_KEY_FUNCTION_0 && k <= VTERM_KEY_FUNCTION(12))
        name += "F" + std::to_string(k - VTERM_KEY_FUNCTION_0);
    else
        std::fprintf(stderr, "VtScreen: no name for key %d\n", int(k));
    key(name);
}

bool VtScreen::key(const std::string& name)
{
    return vt->key(name.c_str());
}

void VtScreen::sendText(const std::string& utf8)
{
    vt->type(utf8.c_str());
}

void VtScreen::sendBytes(const std::string& raw)
{
    vt->sendBytes(raw.data(), raw.size());
}

int VtScreen::rows() const
{
    return vt->rows();
}

int VtScreen::cols() const
{
    return vt->cols();
}

ScreenCell VtScreen::cell(int row, int col) const
{
    CurTestCell c = vt->cell(row, col);
    ScreenCell out;
    out.ch = c.ch;
    out.text = c.text;
    out.bold = c.bold;
    out.underline = c.underline;
    out.reverse = c.reverse;
    out.blink = c.blink;
    out.fg = c.fg;
    out.bg = c.bg;
    return out;
}

std::string VtScreen::text(int row, int col, int len) const
{
    return vt->text(row, col, len);
}

std::string VtScreen::rowText(int row) const
{
    return vt->rowText(row);
}

int VtScreen::findRow(const std::string& utf8) const
{
    return vt->findRow(utf8.c_str());
}

int VtScreen::cursorRow() const
{
    return vt->cursorRow();
}

int VtScreen::cursorCol() const
{
    return vt->cursorCol();
}

bool VtScreen::cursorVisible() const
{
    return vt->cursorVisible();
}

bool VtScreen::matches(const std::string& picture) const
{
    return vt->matches(picture.c_str());
}

bool VtScreen::matchesRegion(int row, int col, const std::string& picture) const
{
    return vt->matchesRegion(row, col, picture.c_str());
}

std::string VtScreen::dump() const
{
    return vt->dump();
}

bool VtScreen::alternateScreen() const
{
    return vt->alternateScreen();
}

bool VtScreen::keypadMode()
{
    return vt->keypadMode();
}

const std::string& VtScreen::output() const
{
    raw.assign(vt->output(), vt->outputSize());
    return raw;
}
