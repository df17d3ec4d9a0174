#ifndef VELMORA_CURTESTTERMINAL_H
#define VELMORA_CURTESTTERMINAL_H
// CurTestTerminal: the test kit's session. A program (an executable, or a
// function in a child process) runs on a pseudo-terminal of the chosen size,
// TERM and locale; its output is fed into the emulated screen it inherits
// from CurTestScreen, where keys are typed and cells read back.
//
//   CurTestTerminal t(24, 80);                      // TERM=xterm unless set
//   const char* argv[] = {"./form", nullptr};
//   if (!t.start(argv) || !t.waitForText("Name:")) fail(t.dump());
//   t.type("Ada");  t.keys("Tab Enter");
//   int status = t.waitExit();                      // 0..255, 128+signal, -1 hung
//
// Every wait has a time limit and ends early when the program has ended. A
// child still running when the session ends is killed and reaped. Nothing
// here throws or depends on a test framework: results are return values.
#include "CurTestScreen.h"

struct termios;

class CurTestTerminal : public CurTestScreen {
public:
    CurTestTerminal(int rows = 24, int cols = 80);
    ~CurTestTerminal() override;         // kills and reaps the child, removes workDir()

    // the program's surroundings, before start
    void setTerm(const char* term);      // "xterm" by default; nullptr unsets TERM
    void setLocale(const char* locale);  // LC_ALL for the program; nullptr (default) keeps the test's
    void setEnv(const char* name, const char* value);   // value nullptr removes the variable
    void captureStdout();                // standard output into a file (stdoutText()), not the terminal
    void setStdin(const char* bytes, size_t len);        // standard input from these bytes, not the terminal

    // starting; false when the program could not be started or one runs already
    bool start(const char* const* argv);                // argv[0] is a path; the list ends in nullptr
    bool startFunction(int (*body)(void* data), void* data);  // body's result is the exit status

    // waiting; every wait returns false when limitMs passed first
    bool waitForText(const char* utf8, int limitMs = 5000);
    bool waitFor(bool (*done)(CurTestTerminal* t, void* data), void* data, int limitMs = 5000);
    bool waitQuiet(int quietMs = 150, int limitMs = 5000);     // no output for quietMs
    bool waitSettled(int quietMs = 100, int limitMs = 5000);   // quiet and blocked waiting for input
    bool pump(long ms);                  // reads output arriving within ms; true if any came

    // the terminal
    bool resize(int rows, int cols) override;  // the emulator and the pseudo-terminal; the program gets SIGWINCH
    bool replay(const char* keylogPath);       // types a key log's keys and mouse events, letting the program settle after each;
                                               // unknown or damaged lines are skipped with file:line on stderr

    // the child
    int  waitExit(int limitMs = 5000);   // exit status; 128+signal when killed by one; -1: time-out, killed
    int  exitSignal() const;             // the signal that ended the program, or 0
    void kill();                         // the child's whole process group, reaped
    bool running() const;
    int  childPid() const;               // -1 when none runs
    const char* stderrText();            // what the child wrote to standard error
    const char* stdoutText();            // what it wrote to standard output, when captured
    bool terminalModes(struct termios* modes) const;   // the pty's modes as the program left them
    const char* dump() override;         // the screen, how the child ended, its standard error
    const char* workDir() const;         // a temporary folder of this session, removed with it

    static long nowMs();                 // a monotonic clock in milliseconds

protected:
    void beforeKey() override;           // reads pending output, so keys follow the program's modes

private:
    struct Setup;                        // environment choices and file names
    bool launch(const char* const* argv, int (*body)(void*), void* data);
    void reap(int status);
    bool programWaitsForInput() const;

    Setup* setup;
    int    master;
    int    pid;
    int    exitCode;
    int    signalNumber;
    bool   outputClosed;
    bool   hung;
};
#endif
