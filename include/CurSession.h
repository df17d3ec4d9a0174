#ifndef VELMORA_CURSESSION_H
#define VELMORA_CURSESSION_H
// CurSession: the toolkit's set-up and shut-down as one object, so that
//     int main() { CurSession session; ... }
// is the whole ceremony. The terminal is given back when the session ends,
// by a return, an exception or exit alike.
class CurSession {
public:
    CurSession();                        // CurInit::initialize
    // CurInit::cleanup, unless the toolkit was already set up when this
    // session began: then the one that set it up cleans up.
    ~CurSession();
    CurSession(const CurSession&) = delete; // one set-up, one shut-down
    CurSession& operator=(const CurSession&) = delete;

private:
    bool owner;                          // this session set the toolkit up
};
#endif
