// CurTestScreenKeys.cpp - keys by name for the test kit's terminal: each name
// becomes the bytes this terminal sends for it, in the modes the program set.
#include "CurTestScreen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <vterm.h>

namespace {

struct NamedKey {
    const char* name;
    VTermKey    key;
};

const NamedKey NAMED_KEYS[] = {
    {"Tab", VTERM_KEY_TAB},           {"Enter", VTERM_KEY_ENTER},
    {"Esc", VTERM_KEY_ESCAPE},        {"Backspace", VTERM_KEY_BACKSPACE},
    {"Up", VTERM_KEY_UP},             {"Down", VTERM_KEY_DOWN},
    {"Left", VTERM_KEY_LEFT},         {"Right", VTERM_KEY_RIGHT},
    {"Home", VTERM_KEY_HOME},         {"End", VTERM_KEY_END},
    {"PageUp", VTERM_KEY_PAGEUP},     {"PageDown", VTERM_KEY_PAGEDOWN},
    {"Insert", VTERM_KEY_INS},        {"Delete", VTERM_KEY_DEL},
};

// Decodes the one UTF-8 character a name may be; 0 when it is more or less.
uint32_t singleCharacter(const char* s)
{
    unsigned char b = s[0];
    int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    uint32_t c = more ? (b & (0x3F >> more)) : b;
    for (int i = 1; i <= more; ++i) {
        if ((s[i] & 0xC0) != 0x80) return 0;
        c = (c << 6) | (s[i] & 0x3F);
    }
    return s[more + 1] == '\0' ? c : 0;
}

// A character by its code point, as a key log names one ("U+00E9"); 0 for
// any other name.
uint32_t codePoint(const char* s)
{
    size_t digits = std::strlen(s) - 2;
    if (std::strncmp(s, "U+", 2) != 0 || digits < 4 || digits > 6
        || std::strspn(s + 2, "0123456789ABCDEFabcdef") != digits)
        return 0;
    unsigned long c = std::strtoul(s + 2, nullptr, 16);
    return c <= 0x10FFFF ? uint32_t(c) : 0;
}

uint32_t nextCharacter(const char* s, size_t& i)
{
    unsigned char b = s[i++];
    int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    uint32_t c = more ? (b & (0x3F >> more)) : b;
    for (; more > 0 && s[i] && (s[i] & 0xC0) == 0x80; --more)
        c = (c << 6) | (s[i++] & 0x3F);
    return c;
}

// The byte Ctrl gives with a character: @, A-Z, [ \ ] ^ _ (either case of a
// letter) map to 0..31 and ? to 127; -1 for any other character.
int controlByte(uint32_t c)
{
    if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
    if (c >= '@' && c <= '_') return int(c & 0x1F);
    return c == '?' ? 127 : -1;
}

// Strips the Shift-, Ctrl- and Alt- prefixes off name, collecting them.
const char* modifiers(const char* name, int& mod)
{
    static const struct { const char* prefix; int mod; } PREFIXES[] = {
        {"Shift-", VTERM_MOD_SHIFT}, {"Ctrl-", VTERM_MOD_CTRL}, {"Alt-", VTERM_MOD_ALT}};
    for (bool found = true; found && name[0];) {
        found = false;
        for (const auto& p : PREFIXES) {
            size_t n = std::strlen(p.prefix);
            if (std::strncmp(name, p.prefix, n) == 0 && name[n]) {
                mod |= p.mod;
                name += n;
                found = true;
            }
        }
    }
    return name;
}

}  // namespace

bool CurTestScreen::key(const char* name)
{
    if (!name || !*name) return false;
    beforeKey();
    return sendNamed(name);
}

bool CurTestScreen::sendNamed(const char* name)
{
    int mod = VTERM_MOD_NONE;
    const char* base = modifiers(name, mod);
    VTermModifier vmod = VTermModifier(mod);
    if (std::strcmp(name, "BackTab") == 0) {
        vterm_keyboard_key(vt, VTERM_KEY_TAB, VTERM_MOD_SHIFT);
        return true;
    }
    if (std::strncmp(name, "0x", 2) == 0 && std::strlen(name) == 4) {
        char* end = nullptr;
        long byte = std::strtol(name + 2, &end, 16);
        if (*end) return false;
        char raw = char(byte);
        writeInput(&raw, 1);
        return true;
    }
    for (const NamedKey& k : NAMED_KEYS)
        if (std::strcmp(base, k.name) == 0) {
            vterm_keyboard_key(vt, k.key, vmod);
            return true;
        }
    if (base[0] == 'F' && base[1] >= '1' && base[1] <= '9') {
        int n = std::atoi(base + 1);
        if (n < 1 || n > 12 || std::strspn(base + 1, "0123456789") != std::strlen(base + 1)) return false;
        vterm_keyboard_key(vt, VTermKey(VTERM_KEY_FUNCTION(n)), vmod);
        return true;
    }
    // Hidden stands for a character typed as secret input: it types an x.
    uint32_t c = std::strcmp(base, "Space") == 0 ? ' '
                 : std::strcmp(base, "Hidden") == 0 ? 'x'
                 : base[0] == 'U' && base[1] == '+' ? codePoint(base)
                 : singleCharacter(base);
    if (c == 0) return false;
    // Ctrl and Alt with a character are spelt out here: the terminal sends
    // the control byte, and Esc before it for Alt.
    std::string out = mod & VTERM_MOD_ALT ? "\x1b" : "";
    if (mod & VTERM_MOD_CTRL) {
        int b = controlByte(c);
        if (b < 0) return false;
        out += char(b);
        writeInput(out.data(), out.size());
    } else {
        if (!out.empty()) writeInput(out.data(), out.size());
        vterm_keyboard_unichar(vt, c, VTermModifier(mod & VTERM_MOD_SHIFT));
    }
    return true;
}

bool CurTestScreen::keys(const char* names)
{
    std::string all = names ? names : "";
    beforeKey();
    for (size_t at = all.find_first_not_of(' '); at != std::string::npos; at = all.find_first_not_of(' ', at)) {
        size_t end = all.find(' ', at);
        std::string one = all.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (!sendNamed(one.c_str())) return false;
        at = end;
    }
    return true;
}

void CurTestScreen::type(const char* utf8)
{
    beforeKey();
    for (size_t i = 0; utf8 && utf8[i];)
        vterm_keyboard_unichar(vt, nextCharacter(utf8, i), VTERM_MOD_NONE);
}

bool CurTestScreen::paste(const char* text)
{
    beforeKey();
    std::string out = pasteMode ? "\x1b[200~" : "";
    for (size_t i = 0; text != nullptr && text[i]; i++)
        out += text[i] == '\n' ? '\r' : text[i];
    if (pasteMode)
        out += "\x1b[201~";
    writeInput(out.data(), out.size());
    return pasteMode;
}

bool CurTestScreen::focus(bool gained)
{
    if (!focusMode)
        return false;
    beforeKey();
    writeInput(gained ? "\x1b[I" : "\x1b[O", 3);
    return true;
}

// The pointer goes to the cell first, as a person's hand would take it
// there; libvterm reports the button in whatever mode the program chose,
// and nothing at all when it chose none.
bool CurTestScreen::mouseButton(int row, int col, int button, bool pressed, int mod)
{
    beforeKey();
    if (!mouseReporting()) return false;  // libvterm would report all the same
    keyCaptureLen = 0;
    vterm_mouse_move(vt, row, col, VTermModifier(mod));
    vterm_mouse_button(vt, button, pressed, VTermModifier(mod));
    int len = keyCaptureLen;
    keyCaptureLen = -1;
    if (len > 0) writeInput(keyCapture, size_t(len));
    return len > 0;
}

// A key log's mouse event: a press sends the button down; a release, a
// click and a double click (each logged after its press) let it go.
bool CurTestScreen::mouse(const char* event)
{
    static const char* const buttons[] = {"Left", "Middle", "Right", "WheelUp", "WheelDown"};
    static const char* const mods[] = {"Shift-", "Alt-", "Ctrl-"};
    static const VTermModifier vmods[] = {VTERM_MOD_SHIFT, VTERM_MOD_ALT, VTERM_MOD_CTRL};
    char button[48] = "", action[16] = "", extra;
    int row = -1, col = -1;
    if (!event || std::sscanf(event, "%47s %15s %d %d %c", button, action, &row, &col, &extra) != 4 || row < 0 ||
        col < 0 || row >= numRows || col >= numCols)
        return false;
    std::string name = button;
    int mod = VTERM_MOD_NONE, which = 0;
    for (int i = 0; i < 3; ++i)
        if (name.compare(0, std::strlen(mods[i]), mods[i]) == 0) {
            mod |= vmods[i];
            name.erase(0, std::strlen(mods[i]));
        }
    for (int i = 0; i < 5; ++i)
        if (name == buttons[i]) which = i + 1;
    std::string act = action;
    bool press = act == "Press";
    if (which == 0 || (!press && act != "Release" && act != "Click" && act != "DoubleClick")) return false;
    return mouseButton(row, col, which, press, mod);
}

bool CurTestScreen::click(int row, int col)
{
    bool sent = mouseButton(row, col, 1, true);
    return mouseButton(row, col, 1, false) && sent;
}

bool CurTestScreen::doubleClick(int row, int col)
{
    bool first = click(row, col);
    return click(row, col) && first;
}

bool CurTestScreen::wheel(int row, int col, bool up)
{
    return mouseButton(row, col, up ? 4 : 5, true);
}
