#ifndef VELMORA_TESTS_STEPSESSION_H
#define VELMORA_TESTS_STEPSESSION_H
// The test side of the window scenarios' steps (scenarios/WindowSteps.h):
// start a case and wait for its first step, move on to the next step, and
// let the scenario finish.
#include <string>

#include <gtest/gtest.h>

#include "ScreenSession.h"

inline void startSteps(ScreenSession& s, const char* scenario, const char* name)
{
    ASSERT_TRUE(s.start({scenarioPath(scenario), name}));
    ASSERT_TRUE(s.waitForResult("step")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
}

inline void nextStep(ScreenSession& s, const char* name)
{
    size_t before = s.results().size();
    s.sendText(" ");
    ASSERT_TRUE(s.waitFor([&] { return s.results().size() > before; })) << s.dump();
    ASSERT_EQ(name, s.result("step"));
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
}

inline void finishSteps(ScreenSession& s)
{
    s.sendText(" ");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}
#endif
