// CurWindowRedraw.cpp - a window's switches for what layouts and redraw
// without asking need (window/). The drawing of its gadgets again is in
// gadget/CurGadgetRedraw.cpp, beside the gadgets.
#include "CurWindow.h"
#include "CurInitPrivate.h"

void CurWindow::setAutoRedraw(bool on)
{
    autoRedraw = on;
}

bool CurWindow::autoRedraws() const
{
    return autoRedraw || CurInitPrivate::autoRedrawAll;
}

bool CurWindow::isFramed() const
{
    return framed;
}
