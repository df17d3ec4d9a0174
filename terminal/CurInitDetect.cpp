// CurInitDetect.cpp - interactive terminal type detection (terminal/), run by
// CurInit::initialize when TERM is unset or empty.
#include "CurInit.h"

void CurInit::autodetect()
{
}

bool CurInit::tryTerm(const char*)
{
    return false;
}
