#ifndef VELMORA_CURMOUSE_H
#define VELMORA_CURMOUSE_H
// CurMouse: mouse reports on and off and the events they make (internal,
// not installed; CurInitMouse.cpp), a step of the session.
#include "CurInit.h"
#include "CurKeys.h"

#include <csignal>

class __attribute__((visibility("hidden"))) CurMouse {
public:
    static void startMouse();             // reporting on when the program asked for it
    static void stopMouse();              // reporting off; the program's choice is kept
    static void prepareMouse();           // the guard's bytes, empty for a terminal without a mouse
    static void leaveMouse();             // the guard's forms: reporting off while it is on,
    static void enterMouse();             // and on again after a stop
    // The event a report makes: KEY_MOUSE with the event kept for getMouse,
    // or CurKeys::DROPPED for a report that stands for none.
    static int  mouseEvent(const CurKeys::MouseReport& report);
    static void setMouseEvent(const CurInit::MouseEvent& event);   // a replayed one
    static volatile sig_atomic_t mouseReporting;  // the terminal reports: off is due on leaving
};
#endif
