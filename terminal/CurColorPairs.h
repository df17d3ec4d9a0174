#ifndef VELMORA_CURCOLORPAIRS_H
#define VELMORA_CURCOLORPAIRS_H
// CurColorPairs: the colour pairs handed out and the colour and attribute
// values (internal, not installed; CurInitColors.cpp), a step of the
// session. CurInit's pair functions work on its table.
class __attribute__((visibility("hidden"))) CurColorPairs {
public:
    static void take();                   // colours started, the table made, CurInit's values set
    static void drop();                   // the table freed

    struct ColorPair {
        int fg;
        int bg;
    };
    static ColorPair* table;              // null without colours; entry n describes pair n
    static int        handedOut;          // pairs handed out so far
};
#endif
