// fuzz_wrap.cpp - word wrapping, line counting and grapheme clusters (fuzz/):
// arbitrary bytes and widths through the text module's wrapping and its
// cluster steps, against their documented rules.
#include "CurText.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

// The words (runs of bytes that are not white space) of text, in order.
static std::string words(const char* text)
{
    std::string out;
    for (const char* p = text; *p != '\0'; p++)
        if (!isspace((unsigned char)*p))
            out += *p;
    return out;
}

// One character that takes columns, after the indent blank a cut word
// starts with; clusters of no width (a lone format control) may stand by it.
static bool oneCharacter(const char* p, int len)
{
    if (len > 0 && *p == ' ') {
        p++;
        len--;
    }
    int wide = 0;
    for (int pos = 0; pos < len;) {
        int next = CurText::next(p, len, pos);
        wide += CurText::columns(p + pos, next - pos) > 0;
        pos = next;
    }
    return wide == 1;
}

// Checks every line of a wrapped block against the width (only a character
// wider than the whole line may exceed it, on a line of its own), and
// counts the lines.
static int checkLines(const char* block, int width)
{
    int lines = 1;
    for (const char* p = block;; p++) {
        int len = (int)strcspn(p, "\n");
        FUZZ_CHECK(fuzzColumns(p, len) <= width || oneCharacter(p, len));
        p += len;
        if (*p == '\0')
            return lines;
        lines++;
    }
}

// Stepping forwards and backwards finds the same cluster boundaries, each
// cluster as wide as columns says (an emoji sequence 2, never more), and a
// cut ends on one of them.
static void checkClusters(const char* text, int len, int width)
{
    std::vector<int> forwards, backwards;
    int total = 0;
    for (int pos = 0; pos < len;) {
        forwards.push_back(pos);
        int code, cols;
        int n = CurText::cluster(text + pos, len - pos, &code, &cols);
        FUZZ_CHECK(n >= 1 && pos + n == CurText::next(text, len, pos));
        FUZZ_CHECK(cols == CurText::columns(text + pos, n));
        total += cols;
        pos += n;
    }
    for (int pos = len; pos > 0;) {
        int q = CurText::prev(text, pos);
        FUZZ_CHECK(q < pos);
        backwards.insert(backwards.begin(), pos = q);
    }
    FUZZ_CHECK(forwards == backwards);
    FUZZ_CHECK(total == CurText::columns(text, len));
    int cut = CurText::cut(text, len, width);
    FUZZ_CHECK(cut == len || std::binary_search(forwards.begin(), forwards.end(), cut));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool once = (fuzzLocale(true), true);
    (void)once;
    FuzzedDataProvider in(data, size);
    int width = in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(-3, 90)
                                 : in.ConsumeIntegral<int>();
    std::string input = in.ConsumeRemainingBytesAsString();
    const char* text = input.c_str();

    // Exactly the documented size, so one byte more is an overflow ASan sees.
    int size_needed = CurText::wrapSize(text);
    FUZZ_CHECK(size_needed >= 1);
    std::unique_ptr<char[]> out(new char[size_needed]);
    int lines = CurText::wrap(out.get(), text, width);

    FUZZ_CHECK(lines == checkLines(out.get(), width < 1 ? 1 : width));
    FUZZ_CHECK(lines == CurText::lines(out.get()));
    FUZZ_CHECK(lines == CurText::wrappedLines(text, width));
    FUZZ_CHECK(words(out.get()) == words(text));        // nothing lost, nothing added

    int newlines = (int)std::count(input.c_str(), input.c_str() + strlen(text), '\n');
    FUZZ_CHECK(CurText::lines(text) == newlines + 1);
    int longest = CurText::longestLine(text);
    FUZZ_CHECK(longest >= 0 && longest <= fuzzColumns(text, (int)strlen(text)));
    checkClusters(input.data(), (int)input.size(), width);
    return 0;
}
