// fuzz_textedit.cpp - the multi-line editor (fuzz/) driven by an arbitrary
// key stream with new texts, geometry and settings between keys, in the "C"
// locale or in C.UTF-8 as the input says. After every key: the length
// counts the text's bytes, the cursor stands on a character start of its
// line, the size limit holds once reached, a text that was valid UTF-8
// stays valid (a lone byte of a character inserts nothing), and a draw writes
// no cell outside the gadget, its cursor inside it.
#include "CurText.h"
#include "CurTextEdit.h"
#include "CurWindow.h"
#include "FuzzSupport.h"

#include <cstring>

static bool validUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        int code;
        i += CurText::decode(text.data() + i, (int)(text.size() - i), &code, nullptr);
        if (code < 0)
            return false;
    }
    return true;
}

static void check(CurTextEdit& edit, WINDOW* w, bool utf8, bool wasValid, long max)
// max: a size limit the text was within when it was set; 0 when none holds
{
    std::string text = edit.getText();
    FUZZ_CHECK((long)text.size() == edit.getLength());
    FUZZ_CHECK(!utf8 || !wasValid || validUtf8(text));
    FUZZ_CHECK(max == 0 || edit.getLength() <= max);
    int line, byte;
    edit.getCursor(&line, &byte);
    FUZZ_CHECK(line >= 0 && line < edit.getLineCount());
    size_t start = 0;
    for (int i = 0; i < line; i++)
        start = text.find('\n', start) + 1;
    size_t end = text.find('\n', start);
    int len = (int)((end == std::string::npos ? text.size() : end) - start);
    FUZZ_CHECK(byte >= 0 && byte <= len);
    int p = 0;
    while (p < byte)
        p = CurText::next(text.c_str() + start, len, p);
    FUZZ_CHECK(p == byte);

    fuzzFill(w);
    FuzzCells before(w);
    edit.draw();
    FuzzRect rect{edit.getHeight(), edit.getWidth(), edit.getY(), edit.getX()};
    FUZZ_CHECK(before.changedOutside({rect}).empty());
    int cy, cx;
    getyx(w, cy, cx);
    bool inside = rect.y >= 0 && rect.x >= 0 && rect.height >= 1 && rect.width >= 1 &&
                  rect.y + rect.height <= getmaxy(w) && rect.x + rect.width <= getmaxx(w);
    FUZZ_CHECK(!inside || rect.holds(cy, cx));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzScreen();
    FuzzedDataProvider in(data, size);
    bool utf8 = in.ConsumeBool();
    fuzzLocale(utf8);
    CurWindow win(LINES, COLS, 0, 0);
    CurTextEdit edit(&win);
    edit.setGeometry(6, 12, 0, 0);
    long limit = 0, max = 0;
    bool valid = true;
    while (in.remaining_bytes() > 0) {
        int step = in.ConsumeIntegral<uint8_t>();
        if (step < 12) {
            int h = fuzzGeometry(in), w = fuzzGeometry(in), y = fuzzGeometry(in);
            edit.setGeometry(h, w, y, fuzzGeometry(in));
        } else if (step < 20) {
            std::string text = fuzzText(in, 200, true);
            edit.setText(text.c_str(), in.ConsumeBool());
            valid = validUtf8(edit.getText());
            max = limit;                 // setText cuts the text to it
        } else if (step < 24) {
            edit.setWrap(in.ConsumeBool(), in.ConsumeBool());
        } else if (step < 26) {
            edit.setTabWidth(in.ConsumeIntegralInRange<int>(-1, 20));
        } else if (step < 28) {
            edit.setOverwrite(in.ConsumeBool());
            edit.setReadOnly(in.ConsumeIntegralInRange<int>(0, 7) == 0);
        } else if (step < 30) {
            limit = in.ConsumeIntegralInRange<long>(0, 300);
            max = limit >= edit.getLength() ? limit : 0;   // a text above it is kept
            edit.setMaxSize(limit);
        } else if (step < 32) {
            edit.setCursor(in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>(), in.ConsumeBool());
        } else if (step < 80 && utf8) {
            int c = in.ConsumeIntegralInRange<int>(0, 0x10FFFF);
            edit.processKey(step < 56 ? CurGadget::WIDE_CHAR + c : 0x80 + c % 0x80);
        } else {
            edit.processKey(fuzzKey(in));
        }
        check(edit, win.getWindow(), utf8, valid, max);
    }
    return 0;
}
