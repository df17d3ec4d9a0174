// CurSession.cpp - the toolkit's set-up and shut-down as one object
// (boxes/, beside CurInit::initialize, which it calls): initialize in the
// constructor, cleanup in the destructor.
#include "CurSession.h"
#include "CurInit.h"

CurSession::CurSession()
    : owner(!CurInit::isInitialized())
{
    CurInit::initialize();
}

CurSession::~CurSession()
{
    if (owner)
        CurInit::cleanup();
}
