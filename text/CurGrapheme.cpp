// CurGrapheme.cpp - grapheme cluster boundaries (text/): the property
// lookup in the generated table and the break rules between code points.
#include "CurGrapheme.h"

namespace {
struct Range {
    int first, last, value;
};
const Range table[] = {
#include "CurGraphemeTable.inc"
};
const int PICTOGRAPHIC = 0x10;

int search(int code)
{
    int lo = 0, hi = (int)(sizeof table / sizeof table[0]) - 1;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        if (code < table[mid].first)
            hi = mid - 1;
        else if (code > table[mid].last)
            lo = mid + 1;
        else
            return table[mid].value;
    }
    return 0;
}

// The Basic Multilingual Plane, where most text lies, is looked up in a
// copy of its part of the table (64 KiB), made at the first lookup.
const int NEAR = 0x10000;

int lookup(int code)
{
    static unsigned char near[NEAR];
    static bool filled = false;
    if (code >= NEAR)
        return search(code);
    if (!filled) {
        for (int c = 0; c < NEAR; c++)
            near[c] = (unsigned char)search(c);
        filled = true;
    }
    return near[code];
}
}  // namespace

CurGrapheme::PROPERTY CurGrapheme::property(int code)
{
    if (code < 0)
        return CONTROL;
    return (PROPERTY)(lookup(code) & ~PICTOGRAPHIC);
}

bool CurGrapheme::pictographic(int code)
{
    return code >= 0 && (lookup(code) & PICTOGRAPHIC) != 0;
}

CurGrapheme::CurGrapheme()
    : started(false), last(OTHER), inEmoji(false), afterJoiner(false), oddRegional(false)
{
}

// The rules that need only the two code points either side: line ends and
// controls stand alone (but CR LF is one), Hangul jamo join into syllables,
// marks and joiners stay with what precedes them, a prepended mark with what
// follows it; anything else breaks.
bool CurGrapheme::pairBreaks(PROPERTY before, PROPERTY after)
{
    if (before == CR && after == LF)
        return false;
    if (before == CR || before == LF || before == CONTROL)
        return true;
    if (after == CR || after == LF || after == CONTROL)
        return true;
    if (before == L && (after == L || after == V || after == LV || after == LVT))
        return false;
    if ((before == LV || before == V) && (after == V || after == T))
        return false;
    if ((before == LVT || before == T) && after == T)
        return false;
    if (after == EXTEND || after == ZWJ || after == SPACING_MARK)
        return false;
    return before != PREPEND;
}

bool CurGrapheme::feed(int code)
{
    int value = code < 0 ? CONTROL : lookup(code);
    PROPERTY now = (PROPERTY)(value & ~PICTOGRAPHIC);
    bool pict = (value & PICTOGRAPHIC) != 0;
    bool breaks = !started || pairBreaks(last, now);
    if (started && breaks && pict && afterJoiner && last == ZWJ)
        breaks = false;                   // pictographs joined by a zero width joiner
    if (started && breaks && now == REGIONAL && last == REGIONAL && oddRegional)
        breaks = false;                   // the second indicator of a flag
    afterJoiner = inEmoji && now == ZWJ;
    inEmoji = pict || (inEmoji && now == EXTEND);
    oddRegional = now == REGIONAL && !(last == REGIONAL && oddRegional && !breaks);
    started = true;
    last = now;
    return breaks;
}
