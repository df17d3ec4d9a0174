// consumer.cpp - a program built against the toolkit through its CMake
// package, add_subdirectory or pkg-config: the headers are found by their
// plain names and under velmora/, the version header agrees with the version
// the build system reports (EXPECTED_VERSION), the library links and loads,
// and functions that need no terminal answer as documented. Runs without a
// terminal; exits 0 when all is well.
#include <CurInit.h>
#include <CurLabel.h>
#include <velmora/CurWindow.h>
#include <velmora/VelmoraVersion.h>

#include <cstdio>
#include <cstring>

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
    expect(std::strcmp(VELMORA_VERSION_STRING, EXPECTED_VERSION) == 0,
           "VelmoraVersion.h and the build system give one version");
    if (failures == 0) std::printf("consumer: ok, version %s\n", VELMORA_VERSION_STRING);
    return failures == 0 ? 0 : 1;
}
