// fuzz_keys.cpp - raw terminal bytes through the key reader's decoding
// (fuzz/), as the reader hands them on: Esc, escape sequences and mouse
// reports read whole, UTF-8 put together. Byte 0xFE stands for the escape
// delay passing with nothing, 0xFD and 0xFC for curses' KEY_MOUSE with an
// SGR or an X10 description. Every key must be a byte below 128, a curses
// code or a whole character, Alt or not; a key given to a reader of bytes
// must come back whole; and a stream without Esc or mouse reads as the text
// module decodes it, each bad byte one replacement and no byte lost. A paste
// is read up to its end marker, as the reader does, and what the editors
// would insert of it holds no Esc and no control but the newline; focus
// reports come as their keys.
#include "CurInit.h"
#include "CurKeys.h"
#include "CurText.h"
#include "FuzzSupport.h"

#include <string>
#include <utility>

namespace {

const int PAUSE = 0xFE, SGR_MOUSE = 0xFD, X10_MOUSE = 0xFC;

struct Feed {
    const uint8_t* data;
    size_t         size;
    size_t         pos;
};

int nextByte(bool, void* data)
{
    Feed* f = static_cast<Feed*>(data);
    if (f->pos == f->size)
        return ERR;
    int c = f->data[f->pos++];
    return c == PAUSE ? ERR : c == SGR_MOUSE || c == X10_MOUSE ? KEY_MOUSE : c;
}

bool validKey(int key)
{
    if (key == CurInit::PASTE || key == CurInit::FOCUS_IN || key == CurInit::FOCUS_OUT)
        return true;
    if (key >= CurInit::ALT)
        key -= CurInit::ALT;
    if (key >= CurInit::WIDE_CHAR) {
        int c = key - CurInit::WIDE_CHAR;
        return c >= 0x80 && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
    }
    return (key >= 0 && key < 0x80) || (key >= KEY_MIN && key <= KEY_MAX);
}

// The paste's text up to the end marker or the end of the input, and what
// each editor would insert of it.
void readPaste(Feed* f)
{
    static const std::string END = "\x1b[201~";
    std::string text;
    while (f->pos < f->size && (text.size() < END.size() || text.compare(text.size() - END.size(), END.size(), END) != 0))
        text += (char)f->data[f->pos++];
    if (text.size() >= END.size() && text.compare(text.size() - END.size(), END.size(), END) == 0)
        text.resize(text.size() - END.size());
    for (bool newlines : {false, true})
        for (int code : CurText::pasted(text, newlines))
            FUZZ_CHECK((code == '\n' && newlines) || CurText::insertable(code));
}

void checkBytesRoundTrip(int key)
{
    int bytes[4], again[4], count = 0, whole = CurKeys::DROPPED;
    CurKeys::Utf8 partial = {};
    int n = CurKeys::bytes(key, bytes);
    for (int i = 0; i < n; i++) {
        FUZZ_CHECK(whole == CurKeys::DROPPED);
        whole = CurKeys::utf8(&partial, bytes[i], again, &count);
        FUZZ_CHECK(count == 0);
    }
    FUZZ_CHECK(whole == key && partial.len == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzLocale(true);
    Feed f = {data, size, 0};
    CurKeys::Utf8 partial = {};
    std::vector<int> keys;
    std::vector<std::pair<int, bool>> stack;  // keys to be read again, the next last; true: as sent
    bool ended = false;                  // a Z fed after the input: what it holds comes out
    while (!stack.empty() || !ended) {
        bool sgr = f.pos < size && data[f.pos] == SGR_MOUSE, sent = true;
        int key = 'Z', again[4], count = 0;
        if (!stack.empty()) {
            key = stack.back().first;
            sent = stack.back().second;
            stack.pop_back();
        } else if (f.pos < size) {
            key = nextByte(false, &f);
        } else {
            ended = true;
        }
        if (sent && (key == 27 || key == KEY_MOUSE)) {
            key = key == 27 ? CurKeys::escape(nextByte, &f, again) : CurKeys::mouse(nextByte, &f, sgr, again);
            if (again[0] != ERR)
                stack.push_back({again[0], true});
        }
        if (key == CurKeys::PASTE_START) {
            readPaste(&f);
            key = CurInit::PASTE;
        } else if (key == CurKeys::FOCUS_GAINED || key == CurKeys::FOCUS_LOST) {
            key = key == CurKeys::FOCUS_GAINED ? CurInit::FOCUS_IN : CurInit::FOCUS_OUT;
        }
        if (key == CurKeys::MOUSE) {     // a report read whole, its numbers bounded
            const CurKeys::MouseReport& r = CurKeys::report;
            FUZZ_CHECK(r.code >= 0 && r.code <= 99999 && r.row >= -33 && r.row < 99999);
            FUZZ_CHECK(r.column >= -33 && r.column < 99999);
            key = CurKeys::DROPPED;
        }
        if (key != ERR && key != CurKeys::DROPPED)
            key = CurKeys::utf8(&partial, key, again, &count);
        FUZZ_CHECK(count <= 4);
        while (count > 0)
            stack.push_back({again[--count], false});
        if (key != ERR && key != CurKeys::DROPPED)
            keys.push_back(key);
    }
    for (int key : keys) {
        FUZZ_CHECK(validKey(key));
        checkBytesRoundTrip(key);
    }
    std::string text;
    for (size_t i = 0; i < size; i++) {
        if (data[i] == 27 || data[i] == SGR_MOUSE || data[i] == X10_MOUSE)
            return 0;
        if (data[i] != PAUSE)
            text += (char)data[i];
    }
    text += 'Z';
    size_t k = 0;
    for (size_t pos = 0; pos < text.size(); k++) {
        int code;
        pos += CurText::decode(text.data() + pos, (int)(text.size() - pos), &code, nullptr);
        int expected = code < 0 ? CurInit::WIDE_CHAR + 0xFFFD : code < 0x80 ? code : CurInit::WIDE_CHAR + code;
        FUZZ_CHECK(k < keys.size() && keys[k] == expected);
    }
    FUZZ_CHECK(k == keys.size());
    return 0;
}
