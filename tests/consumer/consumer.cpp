// consumer.cpp - a program built against the installed toolkit, through its
// CMake package or through pkg-config: the headers are found by their plain
// names, the library links and loads, and functions that need no terminal
// answer as documented. Runs without a terminal; exits 0 when all is well.
#include <CurInit.h>
#include <CurLabel.h>
#include <CurWindow.h>

#include <cstdio>

static int failures = 0;

static void expect(bool ok, const char* what)
{
    if (!ok) {
        std::printf("consumer: FAILED: %s\n", what);
        ++failures;
    }
}

int main()
{
    expect(!CurInit::isInitialized(), "not initialised before initialize()");
    expect(CurLabel::getNumLines("one\ntwo\nthree") == 3, "three lines counted");
    expect(CurLabel::getNumLines("") == 1, "an empty text is one line");
    expect(CurInit::pairToAttr(3) == 0, "no colour attributes without a colour screen");
    expect(sizeof(CurWindow) > 0, "CurWindow declared");
    if (failures == 0) std::printf("consumer: ok\n");
    return failures == 0 ? 0 : 1;
}
