#ifndef VELMORA_CURINITPRIVATE_H
#define VELMORA_CURINITPRIVATE_H
// CurInitPrivate: what the parts of CurInit share that no program sees
// (internal, not installed).
class CurInitPrivate {
public:
    // Terminal type detection asks, in a child drawing with the candidate
    // type, whether the screen looks right: the box that asks lives above
    // terminal/, in focus/, which sets this hook. True for "Yes"; with no
    // hook set no candidate can be accepted.
    static bool (*askTerminal)(const char* question, const char* title, int attributes);
};
#endif
