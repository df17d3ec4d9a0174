// CurTextPaste.cpp - pasted text made fit for an editor (text/): escape
// sequences dropped whole, line ends and tabs settled, characters decoded
// as the locale reads them. The editors insert what comes out.
#include "CurText.h"

namespace {

const int ESC = 27;

// Bytes an escape sequence at s[0] (an Esc) takes: CSI (Esc [) up to its
// final byte, OSC, DCS, PM and APC (Esc ] P ^ _) up to BEL or the string
// terminator (Esc \), any other Esc with the byte after it. A sequence cut
// off by the end of the text takes the rest.
size_t escapeLength(std::string_view s)
{
    if (s.size() < 2)
        return s.size();
    char kind = s[1];
    size_t i = 2;
    if (kind == '[') {
        while (i < s.size() && ((unsigned char)s[i] < 0x40 || (unsigned char)s[i] > 0x7E))
            i++;
        return i < s.size() ? i + 1 : i;
    }
    if (kind == ']' || kind == 'P' || kind == '^' || kind == '_') {
        for (; i < s.size(); i++) {
            if (s[i] == 7)
                return i + 1;
            if (s[i] == ESC && i + 1 < s.size() && s[i + 1] == '\\')
                return i + 2;
        }
        return i;
    }
    return 2;
}

}  // namespace

std::vector<int> CurText::pasted(std::string_view text, bool newlines)
{
    std::vector<int> codes;
    bool multibyte = utf8();
    for (size_t pos = 0; pos < text.size();) {
        unsigned char b = (unsigned char)text[pos];
        if (b == ESC) {
            pos += escapeLength(text.substr(pos));
            continue;
        }
        if (b == '\r' || b == '\n') {
            pos += b == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n' ? 2 : 1;
            codes.push_back(newlines ? '\n' : ' ');
            continue;
        }
        int code = b;
        int n = 1;
        if (multibyte && b >= 0x80) {
            n = decode(text.data() + pos, (int)(text.size() - pos), &code, nullptr);
            if (code < 0)
                code = 0xFFFD;
        }
        pos += n > 0 ? n : 1;
        if (code == '\t')
            code = ' ';
        if (insertable(code))
            codes.push_back(code);
    }
    return codes;
}
