#ifndef VELMORA_CURTERMSESSION_H
#define VELMORA_CURTERMSESSION_H
// CurTermSession: the session as one list of steps (internal, not installed;
// CurInit.cpp). initialize takes them in order; cleanup undoes the ones
// taken, the last first. The guard (CurTermGuard) gives the same ones back,
// the last first, on a signal, a crash, and exit or std::terminate without
// cleanup; on a stop (SIGTSTP) it gives them back and, when the process
// continues, takes them up again in order. It does so inside signal
// handlers, so its forms of a step are async-signal-safe: bytes prepared in
// advance, written with write(2), and functions that do no more than
// tcsetattr and set flags: no malloc, no stdio, no curses.
//
// Adding a step (mouse reporting switched on in the terminal, say) takes
// one entry in the session's table and its functions:
//   take:    switches it on;
//   undo:    switches it off the ordinary way;
//   prepare: fills the bytes that switch it off and on (prepare(), from
//            capability values or literal bytes);
//   entry:   {take, undo, prepare, &offBytes, &onBytes, nullptr, nullptr},
//            placed where its bytes belong: the guard writes the last
//            entry's first when it gives the terminal back.
// Every step's prepare runs as the guard is set up, before curses
// starts, with the terminal's description loaded: curses' own output
// would pad differently, and a handler must never need the description.
#include <csignal>
#include <cstddef>
#include <initializer_list>

class __attribute__((visibility("hidden"))) CurTermSession {
public:
    // The question terminal type detection asks of a candidate type, drawn
    // with that type: true for "Yes". Given by whoever starts the session.
    typedef bool (*Ask)(const char* question, const char* title, int attributes);

    // Takes every step; detection, when TERM needs it, asks with ask (null:
    // no candidate can be accepted). A second start while started is ignored.
    static void start(Ask ask);
    static Ask  asker();                  // what the last start was given

    struct Prepared {
        char   bytes[256];
        size_t length;                    // 0 until prepared
    };
    struct Step {
        void (*take)();                   // by initialize, in table order
        void (*undo)();                   // by cleanup, in reverse
        void (*prepare)();                // by the guard's set-up, for the two below
        const Prepared* leaveBytes;       // written by the guard when it gives the step back,
        const Prepared* enterBytes;       // and when it takes it up again after a stop
        void (*leave)();                  // async-signal-safe: after leaveBytes
        void (*enter)();                  // async-signal-safe: before enterBytes
    };                                    // any member may be null
    static const Step session[];
    static const int  sessionSteps;
    static volatile sig_atomic_t stepsTaken;  // session[0 .. stepsTaken - 1] are taken: counted
                                              // once taken, no longer before their undo
    static bool initialized;
    // Empties to, then appends each value through tputs (with the padding the
    // terminal needs; literal bytes stay as they are). A null or cancelled
    // capability adds nothing; what does not fit is cut.
    static void prepare(Prepared* to, std::initializer_list<const char*> values);
    static void writePrepared(const Prepared* bytes); // async-signal-safe; to the terminal in use
};
#endif
