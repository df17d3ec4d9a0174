#ifndef VELMORA_TESTS_WINDOWSTEPS_H
#define VELMORA_TESTS_WINDOWSTEPS_H
// Steps of the window scenarios (note_, logger_, banner_): a scenario draws
// one step, reports its name as "step", and waits for any key before the next
// step, so that the test can read the screen in between. The key is read from
// the terminal directly: a curses read would refresh a window and disturb
// exactly what the step drew. Gives up waiting after ten seconds.
#include <poll.h>
#include <unistd.h>

#include "ScenarioResult.h"

inline void stepDone(const char* name)
{
    scenarioResult("step", name);
    struct pollfd input = {0, POLLIN, 0};
    if (poll(&input, 1, 10000) > 0) {
        char key;
        if (read(0, &key, 1) < 0) {}      // any key will do
    }
}
#endif
