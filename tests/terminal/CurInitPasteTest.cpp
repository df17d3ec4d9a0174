// CurInitPasteTest.cpp - pasted text and focus reports on a real terminal
// (scenario paste_form): a paste as one insertion into each kind of editor,
// through its filter and limit, never pressing a button; escape sequences,
// nested markers, a paste that never ends, 10 MB at once, a hidden field's
// paste in the key log, focus reports; and all of it off unless asked.
#include "ScreenSession.h"

#include <CurTestTerminal.h>

#include <gtest/gtest.h>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

// Tabs from the first gadget: 0 name, 1 OK, 2 secret, 3 notes.
struct PasteCase {
    const char* what;
    int         tabs;
    const char* raw;                     // sent as it is, markers included
    const char* key;
    const char* value;
};

const PasteCase CASES[] = {
    {"a line's newline becomes a blank", 0, "\x1b[200~ab\rcd\x1b[201~", "name", "ab cd"},
    {"the filter and the limit see every character", 0, "\x1b[200~x1y2z3 and a long tail\x1b[201~",
     "name", "xyz and a lo"},
    {"escape sequences are dropped whole", 0, "\x1b[200~a\x1b[31mb\x1b]0;title\x07" "c\x1b[201~", "name", "abc"},
    {"the text editor keeps line ends", 3, "\x1b[200~one\rtwo\r\nthree\x1b[201~", "notes", "one|two|three"},
    {"a nested start is text, a stray end drops", 3, "\x1b[200~a\x1b[200~b\x1b[201~c\x1b[201~", "notes", "abc"},
    {"newlines on a button press nothing", 1, "\x1b[200~\r\r\r\x1b[201~", "pressed", ""},
    {"a hidden field takes the paste", 2, "\x1b[200~hunter2\x1b[201~", "secret", "hunter2"},
};

}  // namespace

TEST(Paste, APasteIsOneSafeInsertion)
{
    char log[] = "/tmp/velmora-paste-XXXXXX";
    int fd = mkstemp(log);
    ASSERT_GE(fd, 0);
    close(fd);
    unlink(log);
    for (const PasteCase& c : CASES) {
        SCOPED_TRACE(c.what);
        ScreenSession s(24, 80);
        s.setEnv("VELMORA_KEYLOG", log);
        ASSERT_TRUE(s.start({scenarioPath("paste_form"), "on"}));
        ASSERT_TRUE(s.waitForResult("focusReports") && s.waitSettled()) << s.dump();
        EXPECT_TRUE(s.terminal().bracketedPaste());
        for (int i = 0; i < c.tabs; i++)
            s.tab();
        s.sendBytes(c.raw);
        ASSERT_TRUE(s.waitSettled()) << s.dump();
        s.escape();
        EXPECT_EQ(0, s.waitExit()) << s.dump();
        EXPECT_EQ(c.value, s.result(c.key)) << s.dump();
        EXPECT_FALSE(s.terminal().bracketedPaste()) << "switched off at the end";
        std::ifstream in(log);
        std::string keys((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(std::string::npos, keys.find("hunter")) << keys;
        unlink(log);
    }
}

// The end marker never comes: the paste ends at the limit (64 bytes here)
// and the rest is typed; so the Enter at byte 70 presses the button.
TEST(Paste, APasteThatNeverEndsIsCutAtTheLimitAndTheRestTyped)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("paste_form"), "limit"}));
    ASSERT_TRUE(s.waitForResult("focusReports") && s.waitSettled()) << s.dump();
    s.tab();
    s.sendBytes("\x1b[200~" + std::string(70, '\r') + "x");
    ASSERT_TRUE(s.waitForResult("pressed", 5000)) << s.dump();
    s.escape();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
    EXPECT_EQ("6", s.result("pressed")) << "70 returns, 64 of them pasted";
}

TEST(Paste, TenMegabytesGoIntoTheTextEditorWhole)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("paste_form"), "on"}));
    ASSERT_TRUE(s.waitForResult("focusReports") && s.waitSettled()) << s.dump();
    s.tab();
    s.tab();
    s.tab();
    std::string line = std::string(99, 'p') + "\r";
    std::string text;
    for (int i = 0; i < 100000; i++)
        text += line;
    s.sendBytes("\x1b[200~" + text + "\x1b[201~");
    ASSERT_TRUE(s.waitForText("ppppp", 30000) && s.waitSettled(200, 30000)) << s.dump();
    s.escape();
    EXPECT_EQ(0, s.waitExit(30000)) << s.dump();
    EXPECT_EQ("10000000", s.result("notesLength"));
}

TEST(Paste, FocusReportsComeAsKeysAndNothingIsAskedUnlessWanted)
{
    {
        ScreenSession s(24, 80);
        ASSERT_TRUE(s.start({scenarioPath("paste_form"), "on"}));
        ASSERT_TRUE(s.waitForResult("focusReports") && s.waitSettled()) << s.dump();
        EXPECT_TRUE(s.terminal().focus(false));
        EXPECT_TRUE(s.terminal().focus(true));
        ASSERT_TRUE(s.waitFor([&] { return s.result("focus") == "out,in"; })) << s.dump();
        s.escape();
        EXPECT_EQ(0, s.waitExit()) << s.dump();
        EXPECT_FALSE(s.terminal().focusReporting());
    }
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("paste_form")}));
    ASSERT_TRUE(s.waitForResult("focusReports") && s.waitSettled()) << s.dump();
    EXPECT_EQ("0", s.result("paste"));
    EXPECT_EQ("0", s.result("focusReports"));
    EXPECT_FALSE(s.terminal().bracketedPaste() || s.terminal().focusReporting());
    EXPECT_FALSE(s.terminal().paste("typed"));   // a terminal not asked pastes bare bytes
    s.escape();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
    EXPECT_EQ("typed", s.result("name"));
}
