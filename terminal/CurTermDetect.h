#ifndef VELMORA_CURTERMDETECT_H
#define VELMORA_CURTERMDETECT_H
// CurTermDetect: interactive terminal type detection (internal, not
// installed; CurInitDetect.cpp), run while the session opens its terminal.
class __attribute__((visibility("hidden"))) CurTermDetect {
public:
    static void autodetect();             // interactive choice of TERM; returns or exits with status 1
    // Whether the user accepts term: asked in a child drawing with that type,
    // with the question box the session was started with.
    static bool tryTerm(const char* term);
};
#endif
