// CurInitDetectTest.cpp - terminal type detection, on a pseudo-terminal with
// TERM removed from the environment: the introduction, one question box per
// candidate that curses can start with, acceptance reaching the parent's
// environment, and the farewell with exit status 1. Which candidates have a
// description depends on the installed terminfo database, so the expected
// boxes are worked out from what is installed.
#include "ScreenSession.h"

#include <gtest/gtest.h>

#include <curses.h>
#include <term.h>
#undef tab        // a terminfo capability macro of term.h; ScreenSession::tab is meant

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const CANDIDATES[] = {"dtterm", "xterm", "ansi", "vt100", "vt102",
                                  "hp", "hpterm", "vt52", "linux"};

const char* const INTRODUCTION[] = {
    "      +-----------------------------------------------------------------+",
    "      |                                                                 |",
    "      |   You do not have the TERM variable set in  your  environment.  |",
    "      |   We will now try to find the best settings for your terminal.  |",
    "      |                                                                 |",
    "      |   We will be displaying a rectangular box in the screen using   |",
    "      |   various terminal settings. Answer \"Yes\" as soon as you  see   |",
    "      |   an acceptable image.                                          |",
    "      |                                                                 |",
    "      |   If at any moment the screen appears completely corrupt, hit   |",
    "      |   <ENTER>, and we will keep trying.                             |",
    "      |                                                                 |",
    "      +-----------------------------------------------------------------+",
};
const char PROMPT[] = "              Now press <ENTER> to begin the detection process...";

// Whether a try of `term` can show its question: curses must find a
// description for it. Asked in a child process so that the test's own
// terminal state stays untouched.
bool canAsk(const char* term)
{
    pid_t child = fork();
    if (child == 0) {
        int err = 0;
        _exit(setupterm(term, 1, &err) == OK ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The candidates, in their order, whose tries this machine can show.
std::vector<std::string> offeredCandidates()
{
    std::vector<std::string> offered;
    for (const char* term : CANDIDATES)
        if (canAsk(term))
            offered.push_back(term);
    return offered;
}

// The whole screen as one string, rows joined without separators, so that a
// text which a garbled terminal type wrapped across rows is still found.
std::string screenText(const ScreenSession& s)
{
    std::string all;
    for (int r = 0; r < s.rows(); r++)
        all += s.text(r, 0, s.cols());
    return all;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A child of `parent` other than `previous` that is blocked reading standard
// input: the process of one try, its question box waiting for a key. The
// kernel tells the system call a process is blocked in: poll (7) or ppoll
// (271) for the toolkit's key reader, or read (0) of descriptor 0.
int readingChild(int parent, int previous)
{
    std::string dir = "/proc/" + std::to_string(parent) + "/task/" + std::to_string(parent);
    std::istringstream children(readFile(dir + "/children"));
    for (int child; children >> child;) {
        if (child == previous)
            continue;
        std::string call = readFile("/proc/" + std::to_string(child) + "/syscall");
        if (call.rfind("0 0x0 ", 0) == 0 || call.rfind("7 ", 0) == 0 || call.rfind("271 ", 0) == 0)
            return child;
    }
    return 0;
}

// Whether this kernel tells a process's children and the system call each
// is blocked in; the tests that wait for a try's question need both.
bool processesVisible()
{
    std::string self = "/proc/" + std::to_string(getpid()) + "/task/" + std::to_string(getpid());
    return access((self + "/children").c_str(), R_OK) == 0 && !readFile("/proc/self/syscall").empty();
}

// Types whose screens the emulator of these tests cannot show: their
// question is recognised by its process waiting for a key alone.
bool unreadable(const std::string& term)
{
    return term == "hp" || term == "hpterm";
}

class DetectTest : public ::testing::Test {
protected:
    ScreenSession s{24, 80};

    void startUnset(const std::vector<std::string>& argv)
    {
        s.unsetTerm();
        ASSERT_TRUE(s.start(argv));
        ASSERT_TRUE(s.waitForText(PROMPT, 10000)) << s.dump();
        ASSERT_TRUE(s.waitQuiet()) << s.dump();   // the empty lines after it too
    }
    void startUnset() { startUnset({scenarioPath("detect_start")}); }

    // Waits until the try of `term` is a new process waiting for a key with
    // its question on the screen.
    int tryProcess = 0;
    void waitForQuestion(const std::string& term)
    {
        int child = 0;
        ASSERT_TRUE(s.waitFor([&] { return (child = readingChild(s.childPid(), tryProcess)) > 0; },
                              10000))
            << "no try process waits for a key for " << term << "\n" << s.dump();
        tryProcess = child;
        ASSERT_TRUE(s.waitQuiet(200)) << s.dump();
        if (unreadable(term))
            return;
        std::string quoted = "\"" + term + "\"";
        EXPECT_NE(std::string::npos, screenText(s).find(quoted))
            << "no question for " << term << "\n" << s.dump();
    }
};

// The tests that answer the tries' questions.
class DetectTryTest : public DetectTest {
protected:
    void SetUp() override
    {
        if (!processesVisible())
            GTEST_SKIP() << "this kernel does not show which process waits for a key";
    }
};

TEST_F(DetectTest, IntroductionIsShownAsItStandsAndWaitsForEnter)
{
    startUnset();
    for (int r = 0; r < 5; r++)
        EXPECT_EQ("", s.rowText(r)) << s.dump();
    for (int i = 0; i < 13; i++)
        EXPECT_EQ(INTRODUCTION[i], s.rowText(5 + i)) << s.dump();
    EXPECT_EQ("", s.rowText(18)) << s.dump();
    EXPECT_EQ(PROMPT, s.rowText(19)) << s.dump();
    for (int r = 20; r < 24; r++)
        EXPECT_EQ("", s.rowText(r)) << s.dump();
    EXPECT_EQ(23, s.cursorRow());
    // Nothing happens until Enter.
    EXPECT_FALSE(s.waitForText("Terminal detection", 500)) << s.dump();
    EXPECT_TRUE(s.running());
}

TEST_F(DetectTryTest, EnterAloneRejectsEveryOfferedTypeAndTheFarewellEndsWithStatusOne)
{
    std::vector<std::string> offered = offeredCandidates();
    startUnset();
    s.enter();
    for (const std::string& term : offered) {
        waitForQuestion(term);
        s.enter();
    }
    ASSERT_TRUE(s.waitForText("Thank you for using Velmora.", 10000)) << s.dump();
    EXPECT_EQ(1, s.waitExit()) << s.dump();
    int row = s.findRow("We are sorry");
    ASSERT_GE(row, 0) << s.dump();
    EXPECT_EQ("We are sorry, but you have rejected all the settings that we had", s.rowText(row));
    EXPECT_EQ("to offer. Please find out the type of the terminal that you are", s.rowText(row + 1));
    EXPECT_EQ("using, and assign correct value to the TERM environment variable.", s.rowText(row + 2));
    EXPECT_EQ("", s.rowText(row + 3));
    EXPECT_EQ("Thank you for using Velmora.", s.rowText(row + 4));
    EXPECT_FALSE(s.hasResult("term")) << "the program must not regain control";
}

TEST_F(DetectTest, EndOfInputAtTheIntroductionSaysFarewellWithoutTryingAnyType)
{
    startUnset();
    s.sendBytes("\x04");                // end of input on a terminal in line mode
    ASSERT_TRUE(s.waitForText("Thank you for using Velmora.", 10000)) << s.dump();
    EXPECT_EQ(1, s.waitExit()) << s.dump();
    EXPECT_FALSE(s.contains("Terminal detection")) << s.dump();
}

TEST_F(DetectTryTest, AcceptingTheSecondOfferedTypePutsItIntoTermAndCursesStarts)
{
    std::vector<std::string> offered = offeredCandidates();
    if (offered.size() < 2)
        GTEST_SKIP() << "fewer than two candidate types can be tried here";
    startUnset();
    s.enter();
    waitForQuestion(offered[0]);
    // The question offers its type in a centred box whose focus is on "No".
    EXPECT_TRUE(s.contains("Terminal detection")) << s.dump();
    s.enter();
    waitForQuestion(offered[1]);
    s.tab();
    s.enter();
    ASSERT_TRUE(s.waitForResult("term", 10000)) << s.dump();
    EXPECT_EQ(offered[1], s.result("term"));
    EXPECT_EQ("1", s.result("curses"));
    ASSERT_TRUE(s.waitForText("Started with TERM=" + offered[1])) << s.dump();
    s.sendText("x");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

// Hides the directory holding dtterm's description in a private mount
// namespace, so that this machine lacks it for the one program.
TEST_F(DetectTryTest, CandidateWithoutADescriptionIsSkippedSilently)
{
    std::vector<std::string> offered = offeredCandidates();
    if (offered.empty() || offered[0] != "dtterm" || offered.size() < 2)
        GTEST_SKIP() << "dtterm is not installed: nothing to hide";
    if (access("/usr/bin/unshare", X_OK) != 0 || system("unshare -m true >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no private mount namespace can be made here";

    char empty[] = "/tmp/velmora-emptyXXXXXX";
    ASSERT_NE(nullptr, mkdtemp(empty));
    std::string mounts;
    for (const char* dir : {"/etc/terminfo", "/lib/terminfo", "/usr/share/terminfo",
                            "/usr/lib/terminfo"}) {
        struct stat st;
        std::string d = std::string(dir) + "/d";
        if (stat((d + "/dtterm").c_str(), &st) == 0)
            mounts += "mount --bind " + std::string(empty) + " " + d + " && ";
    }
    if (const char* home = getenv("HOME")) {
        struct stat st;
        std::string d = std::string(home) + "/.terminfo/d";
        if (stat((d + "/dtterm").c_str(), &st) == 0)
            mounts += "mount --bind " + std::string(empty) + " " + d + " && ";
    }
    std::string script = mounts + "exec " + scenarioPath("detect_start");
    startUnset({"/usr/bin/unshare", "-m", "/bin/sh", "-c", script});
    s.enter();
    waitForQuestion(offered[1]);
    EXPECT_EQ(std::string::npos, screenText(s).find("dtterm")) << s.dump();
    s.tab();
    s.enter();
    ASSERT_TRUE(s.waitForResult("term", 10000)) << s.dump();
    EXPECT_EQ(offered[1], s.result("term"));
    EXPECT_EQ(std::string::npos, s.stderrText().find("dtterm")) << s.stderrText();
    s.sendText("x");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
    rmdir(empty);
}

TEST_F(DetectTest, EmptyTermStartsDetectionToo)
{
    s.emptyTerm();
    ASSERT_TRUE(s.start({scenarioPath("detect_start")}));
    EXPECT_TRUE(s.waitForText(PROMPT, 10000)) << s.dump();
    EXPECT_FALSE(s.hasResult("term"));
}

TEST_F(DetectTest, SetTermNeverStartsDetection)
{
    s.setTerm("xterm");
    ASSERT_TRUE(s.start({scenarioPath("detect_start")}));
    ASSERT_TRUE(s.waitForText("Started with TERM=xterm")) << s.dump();
    EXPECT_FALSE(s.contains("detection process")) << s.dump();
    s.sendText("x");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

// A TERM without a description is detected like a missing one; where nobody
// can answer (no terminal on standard input, and no controlling terminal in
// a session of its own), or the type cannot move the cursor, one line on
// standard error and status 1 end the program.
TEST_F(DetectTest, UnknownTermIsDetectedAndUnusableTypesEndWithOneLine)
{
    const struct {
        std::string term;
        const char* input;
        const char* says;                // null: detection starts
    } cases[] = {
        {"velmora-no-such-terminal", "/dev/tty", nullptr}, {std::string(200, 'x'), "/dev/tty", nullptr},
        {"velmora-no-such-terminal", "/dev/null", "no terminal to ask"}, {"", "/dev/null", "no terminal to ask"},
        {"dumb", "/dev/tty", "\"dumb\" cannot move the cursor"},
    };
    for (const auto& c : cases) {
        ScreenSession run(24, 80);
        run.setTerm(c.term);
        const char* command = c.says != nullptr && strcmp(c.input, "/dev/null") == 0 ? "exec setsid -w \"$0\" < $1"
                                                                                 : "exec \"$0\" < $1";
        ASSERT_TRUE(run.start({"/bin/sh", "-c", command, scenarioPath("detect_start"), c.input}));
        if (c.says == nullptr) {
            EXPECT_TRUE(run.waitForText(PROMPT, 10000)) << c.term << "\n" << run.dump();
            continue;
        }
        EXPECT_EQ(1, run.waitExit(10000)) << c.term << "\n" << run.dump();
        std::string err = run.stderrText();
        EXPECT_TRUE(err.find(c.says) != std::string::npos && std::count(err.begin(), err.end(), '\n') == 1) << err;
        EXPECT_EQ("", run.rowText(0) + run.rowText(5)) << c.term << "\n" << run.dump();
    }
}

} // namespace
