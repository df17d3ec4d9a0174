// VelmoraBoxTest.cpp - the box program on a real terminal: every box's exit
// status and output with standard output and standard error captured apart,
// the screen on the terminal meanwhile, and usage errors that leave the
// terminal untouched.
#include "ScreenSession.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

struct BoxCase {
    std::vector<std::string> args;
    const char* ready;                   // on the screen before the keys go in; null: nothing
    std::function<void(ScreenSession&)> keys;
    int status;
    const char* out;                     // standard output
    const char* err;                     // standard error
    const char* input = nullptr;         // standard input instead of the terminal
    const char* env = nullptr;           // NAME=VALUE set for the program
};

void press(ScreenSession& s) { s.enter(); }
void esc(ScreenSession& s) { s.escape(); }
void none(ScreenSession&) {}

void run(const BoxCase& c)
{
    std::vector<std::string> argv = {VELMORA_BOX};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    std::string trace;
    for (const auto& a : c.args)
        trace += a + " ";
    SCOPED_TRACE(trace);
    ScreenSession s(24, 80);
    s.setEnv("ESCDELAY", "50");
    s.captureStdout();
    if (c.input != nullptr)
        s.setStdin(c.input);
    if (c.env != nullptr) {
        std::string e = c.env;
        s.setEnv(e.substr(0, e.find('=')), e.substr(e.find('=') + 1));
    }
    ASSERT_TRUE(s.start(argv));
    if (c.ready != nullptr) {
        ASSERT_TRUE(s.waitForText(c.ready)) << s.dump();
        ASSERT_TRUE(s.waitQuiet()) << s.dump();
    }
    c.keys(s);
    EXPECT_EQ(c.status, s.waitExit()) << s.dump();
    EXPECT_EQ(c.out, s.stdoutText());
    std::string err = s.stderrText();
    bool stdoutAnswers = std::find(c.args.begin(), c.args.end(), "--stdout") != c.args.end();
    if (c.status != 0 && *c.err != '\0' && stdoutAnswers) {
        EXPECT_EQ(1, std::count(err.begin(), err.end(), '\n')) << err;
        EXPECT_EQ(0u, err.find(c.err)) << err;
        for (int r = 0; r < 24; r++)
            EXPECT_EQ("", s.rowText(r)) << "the terminal was touched\n" << s.dump();
    } else if (c.status != 0 && *c.err != '\0') {
        // Standard error is where the answer goes: the message goes to the terminal.
        EXPECT_EQ("", err);
        EXPECT_EQ(0u, s.rowText(0).find(c.err)) << s.dump();
    } else {
        EXPECT_EQ(c.err, err);
    }
}

}  // namespace

TEST(VelmoraBox, EveryBoxAnswersThroughStatusAndOutput)
{
    const BoxCase cases[] = {
        {{"--msgbox", "Hello\\nthere", "0", "0"}, "there", press, 0, "", ""},
        {{"--msgbox", "Hello", "8", "30"}, "Hello", esc, 255, "", ""},
        {{"--msgbox", "Huge", "-1", "99999"}, "Huge", press, 0, "", ""},
        {{"--yesno", "Go on?", "0", "0"}, "Go on?", press, 0, "", ""},
        {{"--yesno", "Go on?", "0", "0"}, "Go on?", [](ScreenSession& s) { s.tab(); s.enter(); },
         1, "", ""},
        {{"--yesno", "Go on?", "0", "0"}, "Go on?", esc, 255, "", ""},
        {{"--yesno", "Go on?", "0", "0"}, "Go on?", esc, 7, "", "", nullptr, "DIALOG_ESC=7"},
        {{"--defaultno", "--yesno", "Go on?", "0", "0"}, "Go on?", press, 1, "", ""},
        {{"--yes-button", "Sure", "--no-button", "Never", "--yesno", "Go on?", "0", "0"}, "Never",
         [](ScreenSession& s) { s.right(); s.enter(); }, 1, "", ""},
        {{"--title", "Who", "--inputbox", "Name?", "0", "0", "Bob"}, "Who",
         [](ScreenSession& s) { s.sendText("x"); s.enter(); }, 0, "", "Bobx"},
        {{"--stdout", "--inputbox", "Name?", "0", "0", "Bob"}, "Bob",
         [](ScreenSession& s) { s.sendText("x"); s.enter(); }, 0, "Bobx", ""},
        {{"--inputbox", "Name?", "0", "0"}, "Name?",
         [](ScreenSession& s) { s.sendText("x"); s.backTab(); s.enter(); }, 1, "", ""},
        {{"--inputbox", "Name?", "0", "0"}, "Name?", esc, 255, "", ""},
        {{"--passwordbox", "Key?", "0", "0"}, "Key?",
         [](ScreenSession& s) {
             s.sendText("pw");
             ASSERT_TRUE(s.waitForText("**")) << s.dump();
             s.enter();
         }, 0, "", "pw"},
        {{"--backtitle", "Setup", "--gauge", "Copying", "0", "0", "5"}, nullptr, none, 0, "", "",
         "10\nabc\n150\n-3\n50\nXXX\n80\nAlmost\nXXX\n100\n"},
        {{"--textbox", "/etc/passwd", "0", "0"}, "root", press, 0, "", ""},
        {{"--textbox", "/etc/passwd", "10", "40"}, "root", esc, 255, "", ""},
        {{"--infobox", "Please wait", "0", "0"}, "Please wait", none, 0, "", ""},
    };
    for (const BoxCase& c : cases)
        run(c);
    ScreenSession s(24, 80);
    s.captureStdout();
    ASSERT_TRUE(s.start({VELMORA_BOX, "--help"}));
    EXPECT_EQ(0, s.waitExit());
    EXPECT_EQ(0u, s.stdoutText().find("usage: velmora-box")) << s.stdoutText();
}

TEST(VelmoraBox, ErrorsSayWhyInOneLineNeverInTheAnswer)
{
    const BoxCase cases[] = {
        {{"--stdout"}, nullptr, none, 255, "", "velmora-box: no box given"},
        {{}, nullptr, none, 255, "", "velmora-box: no box given"},
        {{"--stdout", "--msgbox", "Hi", "0"}, nullptr, none, 255, "", "velmora-box: missing arguments"},
        {{"--stdout", "--msgbox", "Hi", "0", "0", "extra"}, nullptr, none, 255, "",
         "velmora-box: unexpected argument after --msgbox: extra"},
        {{"--msgbox", "Hi", "x", "0"}, nullptr, none, 255, "", "velmora-box: expected a number"},
        {{"--stdout", "--frobnicate"}, nullptr, none, 255, "", "velmora-box: unknown option: --frobnicate"},
        {{"--stdout", "--frobnicate"}, nullptr, none, 9, "", "velmora-box: unknown", nullptr, "DIALOG_ERROR=9"},
        {{"--stdout", "--textbox", "/nonexistent", "0", "0"}, nullptr, none, 255, "",
         "velmora-box: --textbox: not a readable file"},
        {{"--stdout", "--textbox", "/", "0", "0"}, nullptr, none, 255, "",
         "velmora-box: --textbox: not a readable file"},
        {{"--stdout", "--output-fd", "7", "--msgbox", "Hi", "0", "0"}, nullptr, none, 255, "",
         "velmora-box: the output descriptor 7 is not open"},
    };
    for (const BoxCase& c : cases)
        run(c);
}

// The example installer, Enter on every box and a password typed.
TEST(VelmoraBox, ExampleInstallerRunsThroughEveryBox)
{
    ScreenSession s(24, 80);
    s.setEnv("VELMORA_BOX", VELMORA_BOX);
    s.captureStdout();
    ASSERT_TRUE(s.start({"/bin/sh", std::string(VELMORA_SOURCE_DIR) + "/examples/install.sh"}));
    for (const char* screen : {"shows every box", "EXAMPLE LICENCE", "Accept the licence?",
                               "/opt/example", "Administrator password"}) {
        ASSERT_TRUE(s.waitForText(screen, 10000)) << s.dump();
        ASSERT_TRUE(s.waitQuiet()) << s.dump();
        if (std::string(screen) == "Administrator password")
            s.sendText("pw");
        s.enter();
    }
    ASSERT_TRUE(s.waitForText("Installed into /opt/example.", 10000)) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    s.enter();
    EXPECT_EQ(0, s.waitExit(10000)) << s.dump();
    EXPECT_EQ("Installed into /opt/example.\n", s.stdoutText());
}
