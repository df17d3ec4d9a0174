// fuzz_lineedit.cpp - the line editor (fuzz/) driven by an arbitrary key
// stream with new texts and geometry between keys. A model of the text and
// the edit position follows every key; after each step the editor's text
// must equal it and the drawn field must show the cursor on that position.
#include "CurLineEdit.h"
#include "CurWindow.h"
#include "FuzzSupport.h"

#include <cstring>

namespace {
struct Model {
    std::string text;
    size_t      pos = 0;                 // index of the character under the cursor
};
}  // namespace

// What a key does to the text and the position, by the editing rules, in a
// locale where a byte is a character.
static void apply(Model& m, int key)
{
    switch (key) {
    case KEY_HOME: case KEY_PPAGE: m.pos = 0; break;
    case KEY_EOL: case KEY_END: case KEY_NPAGE: m.pos = m.text.size(); break;
    case KEY_LEFT: if (m.pos > 0) m.pos--; break;
    case KEY_RIGHT: if (m.pos < m.text.size()) m.pos++; break;
    case KEY_BACKSPACE: case 8: case 127:
        if (m.pos > 0) m.text.erase(--m.pos, 1);
        break;
    case KEY_DC:
        if (m.pos < m.text.size()) m.text.erase(m.pos, 1);
        break;
    default:
        if (key >= 32 && key <= 126)
            m.text.insert(m.pos++, 1, (char)key);
    }
}

static bool consumed(int key)
{
    switch (key) {
    case KEY_HOME: case KEY_PPAGE: case KEY_EOL: case KEY_END: case KEY_NPAGE: case KEY_LEFT:
    case KEY_RIGHT: case KEY_BACKSPACE: case 8: case KEY_DC: case 127:
        return true;
    }
    return key >= 32 && key <= 126;
}

// The field, drawn where the window holds all of it (a box of no row or
// column draws nothing): the cursor stands in
// it, on the model's character (or a blank behind the end), never on a "<"
// or ">" mark that stands for text out of view.
static void checkField(CurLineEdit& edit, const Model& m, WINDOW* w)
{
    edit.draw();
    int row = edit.getY() + edit.getHeight() / 2, x = edit.getX(), width = edit.getWidth();
    if (width < 1 || edit.getHeight() < 1 || row < 0 || row >= getmaxy(w) || x < 0 || x + width > getmaxx(w))
        return;
    int cy, cx;
    getyx(w, cy, cx);
    FUZZ_CHECK(cy == row && cx >= x && cx < x + width);
    int shown = (int)(mvwinch(w, cy, cx) & A_CHARTEXT);
    wmove(w, cy, cx);
    // Controls and bad bytes show as marks of their own; printable ones as themselves.
    int expected = m.pos < m.text.size() ? (edit.hidden ? '*' : (unsigned char)m.text[m.pos]) : ' ';
    FUZZ_CHECK(shown == expected || expected < 32 || expected > 126);
    if (width >= 3) {
        FUZZ_CHECK(cx > x || m.pos == 0);
        FUZZ_CHECK(cx < x + width - 1 || m.pos == m.text.size());
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzScreen(false);                  // the model counts a byte as a character
    FuzzedDataProvider in(data, size);
    CurWindow win(LINES, COLS, 0, 0);
    CurLineEdit edit(&win);
    Model m;
    edit.setGeometry(1, in.ConsumeIntegralInRange<int>(0, 12), 0, 0);
    while (in.remaining_bytes() > 0) {
        int step = in.ConsumeIntegral<uint8_t>();
        if (step < 16) {
            int h = fuzzGeometry(in), w = fuzzGeometry(in), y = fuzzGeometry(in);
            edit.setGeometry(h, w, y, fuzzGeometry(in));
        } else if (step < 20) {
            m.text = fuzzText(in, 100, false);
            m.pos = m.text.size();
            edit.setText(m.text.c_str(), in.ConsumeBool());
            m.text = m.text.c_str();    // the editor's copy ends at a NUL
            m.pos = m.text.size();
        } else if (step < 22) {
            edit.setHidden(in.ConsumeBool());
        } else if (step < 24) {
            edit.acceptFocus(in.ConsumeBool());
        } else {
            int key = fuzzKey(in);
            FUZZ_CHECK(edit.processKey(key) == consumed(key));
            apply(m, key);
        }
        FUZZ_CHECK(m.text == edit.getText());
        checkField(edit, m, win.getWindow());
    }
    return 0;
}
