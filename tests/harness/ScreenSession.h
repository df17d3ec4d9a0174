#ifndef VELMORA_TESTS_SCREENSESSION_H
#define VELMORA_TESTS_SCREENSESSION_H
// Screen-level test support: a program on a pseudo-terminal, watched through
// the libvterm terminal emulator; the test kit's CurTestTerminal with
// standard strings, lambdas and the scenarios' result channel.
//
// Writing a screen test
//   1. Write a small toolkit program (a scenario) and register it in CMake
//      with velmora_scenario(my_scenario my_scenario.cpp).
//   2. In a gtest (velmora_unit_test), start it and drive it:
//
//        ScreenSession s(24, 80);                  // rows, cols; TERM=xterm
//        ASSERT_TRUE(s.start({scenarioPath("my_scenario"), "some-arg"}));
//        ASSERT_TRUE(s.waitForText("Ok")) << s.dump();   // first screen is up
//        s.tab(); s.enter();                       // real key byte sequences
//        ASSERT_TRUE(s.waitQuiet()) << s.dump();
//        EXPECT_TRUE(s.cell(5, 10).reverse) << s.dump();
//        EXPECT_TRUE(s.cell(0, 0).isUpperLeft());
//        EXPECT_EQ(0, s.waitExit()) << s.dump();  // a leak there makes it 1
//        EXPECT_EQ("1", s.result("chosen"));      // written by the scenario
//
//   Wait for the first screen with waitForText before sending keys: the
//   arrow keys are encoded in the cursor mode the program has switched on,
//   which the emulator learns only from the program's output. After keys,
//   waitQuiet() or, better, waitForText/waitFor of the expected change.
//   Results the screen cannot show are written by the scenario with
//   scenarioResult("key", value) from ScenarioResult.h.
//   Every wait has a time limit; the destructor kills a child still running.
//   The child's standard error goes to a file (stderrText(), dump()), so
//   sanitizer reports stay readable; it is also printed when the session ends.
//   Colours: the toolkit keeps the terminal's default colours for cells
//   without a colour pair, so they read as DEFAULT. A program that calls
//   start_color itself without use_default_colors gets them painted white
//   (7) on black (0) instead.
//   Reverse video is a flag of the cell; fg and bg stay as the program set them.
//   The emulator keeps no alternate screen, so the program's last image
//   stays readable after it has ended.
#include <string>
#include <utility>
#include <vector>

#include "VtScreen.h"

class CurTestTerminal;
struct termios;

// A program running on a pseudo-terminal of rows x cols, with its output fed
// into a VtScreen. TERM is "xterm" unless changed before start().
class ScreenSession : public VtScreen {
public:
    ScreenSession(int rows = 24, int cols = 80);
    ~ScreenSession() override;           // kills a child still running

    // before start()
    void setTerm(const std::string& term);
    void unsetTerm();
    void emptyTerm();
    void setEnv(const std::string& name, const std::string& value);
    // Standard output into a file (stdoutText()) instead of the terminal,
    // and standard input from the given bytes instead of the terminal.
    void captureStdout();
    void setStdin(const std::string& bytes);
    bool start(const std::vector<std::string>& argv);   // argv[0] is a path

    // waiting; every wait ends after limitMs at the latest
    bool waitQuiet(int quietMs = 150, int limitMs = 5000);  // no output for quietMs
    bool waitSettled(int quietMs = 100, int limitMs = 5000); // quiet and waiting for input
    bool waitForText(const std::string& utf8, int limitMs = 5000);
    bool waitForResult(const std::string& key, int limitMs = 5000);
    template <class Pred> bool waitFor(Pred pred, int limitMs = 5000)
    {
        for (long end = nowMs() + limitMs;;) {
            if (pred()) return true;
            long left = end - nowMs();
            if (left <= 0) return false;
            pump(left < 20 ? left : 20);
        }
    }
    bool pump(long ms);                  // waits up to ms for output, reads it; true if any came
    // A terminal's resize: pending output read at the old size, then the emulator (blank)
    // and the pseudo-terminal take the new one and SIGWINCH goes to the child's group.
    bool resize(int rows, int cols);

    // the child
    int  waitExit(int limitMs = 5000);   // exit code; 128+signal; -1 on time-out (child killed)
    void kill();                         // the child's whole process group
    bool running() const;
    int  childPid() const;

    // what the child reported besides the screen
    std::vector<std::pair<std::string, std::string>> results() const;
    std::string result(const std::string& key) const;   // last value; "" when absent
    bool        hasResult(const std::string& key) const;
    std::string resultPath() const;
    std::string stderrText() const;      // what the child wrote to standard error
    std::string stdoutText() const;      // what it wrote to standard output, when captured
    bool terminalModes(struct termios* modes) const;   // the pty's modes as the program left them
    CurTestTerminal& terminal() const { return *term; }  // the kit's session itself

    static long nowMs();

private:
    ScreenSession(CurTestTerminal* t);
    CurTestTerminal*    term;            // owned by VtScreen
};

// The path of a scenario program built with velmora_scenario().
std::string scenarioPath(const std::string& name);
// The path of a program built in examples/ (e.g. "gallery").
std::string examplePath(const std::string& name);
// The key=value lines of a result file, in the order written.
std::vector<std::pair<std::string, std::string>> readResults(const std::string& path);
#endif
