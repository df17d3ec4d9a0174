#ifndef VELMORA_CURGRAPHEME_H
#define VELMORA_CURGRAPHEME_H
// CurGrapheme: where one user-perceived character ends and the next begins
// (internal to the text module). Code points are fed one at a time, as they
// come in a text, and each is told whether a boundary comes before it, by
// Unicode's extended grapheme cluster rules: a base keeps its marks, a
// Hangul syllable its jamo, a flag its two regional indicators and an emoji
// its modifiers and the pictographs joined to it with zero width joiners.
class CurGrapheme {
public:
    // The grapheme cluster break property, in the generated table's order.
    enum PROPERTY : int { OTHER, CR, LF, CONTROL, EXTEND, ZWJ, REGIONAL, PREPEND,
                          SPACING_MARK, L, V, T, LV, LVT };
    static PROPERTY property(int code);   // a bad byte (-1) is a control
    static bool pictographic(int code);   // an Extended_Pictographic code point

    CurGrapheme();                        // at the start of a text
    // Takes the next code point (-1 for a bad byte): true when a cluster
    // boundary comes before it (always for the first one).
    bool feed(int code);
    // True when the pair alone decides that a boundary comes between a code
    // point of property before and one of property after (the rules that
    // look further back only ever keep pictographs and regional indicators
    // together): where stepping backwards may start segmenting afresh.
    static bool pairBreaks(PROPERTY before, PROPERTY after);

private:
    bool started;
    PROPERTY last;
    bool inEmoji;       // a pictograph followed by extenders only so far
    bool afterJoiner;   // ... and then a zero width joiner
    bool oddRegional;   // an odd count of regional indicators ends the text so far
};
#endif
