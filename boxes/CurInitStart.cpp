// CurInitStart.cpp - CurInit::initialize (boxes/): the session started with
// the question box that terminal type detection asks each candidate type
// in. The box lives on this floor, so the start that hands it down does too.
#include "CurInit.h"
#include "CurTDialog.h"
#include "CurTermSession.h"

static bool askTerminal(const char* question, const char* title, int attributes)
{
    return CurTDialog::showQuestion(-1, 44, attributes, question, title, "Yes", "No", false);
}

void CurInit::initialize()
{
    CurTermSession::start(askTerminal);
}
