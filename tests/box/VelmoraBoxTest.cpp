// VelmoraBoxTest.cpp - the box program on a real terminal: every box's exit
// status and output with standard output and standard error captured apart,
// the screen on the terminal meanwhile, and usage errors that leave the
// terminal untouched.
#include "ScreenSession.h"

#include <CurTestTerminal.h>
#include <VelmoraVersion.h>

#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>
#include <unistd.h>

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
    const char* after = nullptr;         // still on the screen once the program has ended
    const char* shell = nullptr;         // run by sh -c instead, the program as $0
};

const std::string LONG(3000, 'a');       // an initial text longer than any fixed buffer
const std::string LONG_TYPED = LONG + "b";

void press(ScreenSession& s) { s.enter(); }
void esc(ScreenSession& s) { s.escape(); }
void none(ScreenSession&) {}
// A click (two: a double click) on the first cell showing text; false,
// sending nothing, with the mouse off.
bool click(ScreenSession& s, const char* text, bool twice = false)
{
    for (int r = 0; r < 24; r++)
        for (int c = 0; c < 80; c++)
            if (s.text(r, c, (int)strlen(text)) == text)
                return twice ? s.terminal().doubleClick(r, c) : s.terminal().click(r, c);
    return false;
}

// The row starting with `below` is indented by cols against the one with `first`.
void indent(ScreenSession& s, const char* first, const char* below, size_t cols)
{
    size_t a = std::string::npos, b = std::string::npos;
    for (int r = 0; r < 24; r++) {
        a = std::min(a, s.rowText(r).find(first));
        b = std::min(b, s.rowText(r).find(below));
    }
    EXPECT_EQ(a + cols, b) << s.dump();
}

void run(const BoxCase& c)
{
    std::vector<std::string> argv = {VELMORA_BOX};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    if (c.shell != nullptr)
        argv = {"/bin/sh", "-c", c.shell, VELMORA_BOX};
    std::string trace = c.shell != nullptr ? c.shell : "";
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
    if (c.after != nullptr) {
        s.waitQuiet();
        EXPECT_NE(std::string::npos, s.dump().find(c.after)) << s.dump();
    }
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
        {{"--msgbox", "aaa \\nbbb", "0", "0"}, "bbb",
         [](ScreenSession& s) { EXPECT_EQ(std::string::npos, s.dump().find("aaa bbb")); s.enter(); },
         0, "", ""},
        {{"--msgbox", "Huge", "-1", "99999"}, "Huge", press, 0, "", ""},
        {{"--no-collapse", "--tab-len", "4", "--msgbox", "a   b\\n  c\td", "0", "0"}, "c d",
         [](ScreenSession& s) { indent(s, "a   b", "c d", 2); s.enter(); }, 0, "", ""},
        {{"--no-collapse", "--msgbox", "abcdefghij   xy", "0", "14"}, "xy",
         [](ScreenSession& s) { indent(s, "abcdefghij", "xy", 0); s.enter(); }, 0, "", ""},
        {{"--yesno", "Go on?", "0", "0"}, "Go on?", press, 0, "", ""},
        {{"--yesno", "Go on?", "0", "0"}, "Go on?", [](ScreenSession& s) { s.tab(); s.enter(); },
         1, "", ""},
        {{"--yesno", "Go on?", "0", "0"}, "Go on?", esc, 255, "", ""},
        {{"--yesno", "Go on?", "0", "0"}, "Go on?", esc, 7, "", "", nullptr, "DIALOG_ESC=7"},
        {{"--backtitle", "Back", "--msgbox", "Hi", "8", "30"}, "Hi",
         [](ScreenSession& s) {          // NEWT_COLORS over the classic look
             EXPECT_EQ(2, s.cell(0, 0).bg) << s.dump();
             EXPECT_EQ(4, s.cell(5, 0).bg) << s.dump();
             EXPECT_EQ(6, s.cell(s.findRow("Hi"), 40).bg) << s.dump();
             s.enter();
         }, 0, "", "", nullptr, "NEWT_COLORS=roottext=yellow,green;window=black,cyan"},
        {{"--defaultno", "--yesno", "Go on?", "0", "0"}, "Go on?", press, 1, "", ""},
        {{"--yesno", "Go on?", "0", "0"}, "Go on?", [](ScreenSession& s) { EXPECT_TRUE(click(s, "No")); }, 1,
         "", ""},
        {{"--no-mouse", "--yesno", "Go on?", "0", "0"}, "Go on?",
         [](ScreenSession& s) { EXPECT_FALSE(click(s, "No")); s.enter(); }, 0, "", ""},
        {{"--extra-button", "--extra-label", "More", "--default-button", "extra", "--msgbox", "Hi",
          "0", "0"}, "More", press, 3, "", ""},
        {{"--help-button", "--ok-label", "Fine", "--inputbox", "Hi", "0", "0"}, "Fine",
         [](ScreenSession& s) { s.backTab(); s.enter(); }, 2, "", ""},
        {{"--timeout", "1", "--msgbox", "Hi", "0", "0"}, "Hi", none, 5, "", ""},
        {{"--title", "Two  blanks kept", "--msgbox", "Hi", "0", "0"}, "Two  blanks kept", press, 0,
         "", ""},
        {{"--msgbox", "1\\n2\\n3\\n4\\n5\\n6\\n7\\n8\\n9\\nlast", "8", "20"}, "%",
         [](ScreenSession& s) {
             s.terminal().key("End");
             ASSERT_TRUE(s.waitForText("last")) << s.dump();
             s.enter();
         }, 0, "", ""},
        {{"--msgbox", "1\\n2\\n3\\n4\\n5\\n6\\n7\\n8\\n9\\nlast", "8", "20"}, "%",
         [](ScreenSession& s) { s.sendText(" "); }, 0, "", ""},   // Space presses OK there too
        {{"--yes-button", "Sure", "--no-button", "Never", "--yesno", "Go on?", "0", "0"}, "Never",
         [](ScreenSession& s) { s.right(); s.enter(); }, 1, "", ""},
        {{"--title", "Who", "--inputbox", "Name?", "0", "0", "Bob"}, "Who",
         [](ScreenSession& s) { s.sendText("x"); s.enter(); }, 0, "", "Bobx"},
        {{"--stdout", "--inputbox", "Name?", "0", "0", "Bob"}, "Bob",
         [](ScreenSession& s) { s.sendText("x"); s.enter(); }, 0, "Bobx", ""},
        {{"--inputbox", "Name?", "0", "0"}, "Name?",
         [](ScreenSession& s) { s.sendText("x"); s.backTab(); s.enter(); }, 1, "", ""},
        {{"--inputbox", "Name?", "0", "0"}, "Name?", esc, 255, "", ""},
        {{"--inputbox", "Name?", "0", "0", LONG}, "Name?",
         [](ScreenSession& s) { s.sendText("b"); s.enter(); }, 0, "", LONG_TYPED.c_str()},
        {{}, "Bob", press, 255, "", "", nullptr, nullptr, "could not be written",
         "exec \"$0\" --inputbox Name 0 0 Bob 2>/dev/full"},
        {{"--passwordbox", "Key?", "0", "0"}, "Key?",
         [](ScreenSession& s) {
             s.sendText("pw");
             ASSERT_TRUE(s.waitForText("**")) << s.dump();
             s.enter();
         }, 0, "", "pw"},
        {{"--backtitle", "Setup", "--gauge", "Copying", "0", "0", "5"}, nullptr, none, 0, "", "",
         "10\nabc\n150\n-3\n50\nXXX\n80\nAlmost\\ndone\nXXX\n100\n", nullptr, "100%"},
        {{}, nullptr, none, 0, "", "", nullptr, nullptr, "100%", // keys elsewhere, data still piped
         "printf '40\\n100\\n' | \"$0\" --input-fd 3 --gauge Work 0 0 0 3</dev/tty"},
        {{"--print-version", "--print-maxsize"}, nullptr, none, 0, "",
         ("Version: " VELMORA_VERSION_STRING "\nMaxSize: 24, 80\n")},
        {{"--backtitle", "Back", "--print-maxsize"}, nullptr, none, 0, "", "MaxSize: 23, 80\n"},
        {{"--prgbox", "Log", "echo out; echo err >&2; exit 3", "10", "40"}, "err", press, 0, "", ""},
        {{"--textbox", "/etc/passwd", "0", "0"}, "EXIT", press, 0, "", ""},
        {{}, "row 1 ", // Space, j, G and the rows between the borders
         [](ScreenSession& s) {
             s.sendText(" ");
             ASSERT_TRUE(s.waitForText("row 9 ")) << s.dump();
             s.sendText("jG");
             ASSERT_TRUE(s.waitForText("row 100")) << s.dump();
             EXPECT_EQ(std::string::npos, s.dump().find("row 90 ")) << s.dump();
             s.enter();
         }, 0, "", "", nullptr, nullptr, nullptr,
         "f=$(mktemp); seq -f 'row %g ----------------------------------x' 100 >$f; "
         "\"$0\" --textbox $f 10 40; s=$?; rm $f; exit $s"},
        {{"--textbox", "/etc/passwd", "10", "40"}, "root", esc, 255, "", ""},
        {{"--infobox", "Please wait", "0", "0"}, "Please wait", none, 0, "", "", nullptr, nullptr,
         "Please wait"},
        {{}, "Drawn on", none, 0, "", "", nullptr, nullptr, "Drawn on", // curses on standard output
         "exec \"$0\" --infobox 'Drawn on' 0 0 >/dev/tty"},
        // Tab goes through the month, the year and the days; the arrows step the part
        {{"--stdout", "--calendar", "When?", "0", "0", "29", "2", "2024"}, "February 2024",
         [](ScreenSession& s) { s.tab(); s.tab(); s.right(); s.enter(); }, 0, "01/03/2024", ""},
        {{"--stdout", "--calendar", "When?", "0", "0", "29", "2", "2024"}, "February 2024",
         [](ScreenSession& s) { s.tab(); s.down(); s.enter(); }, 0, "28/02/2025", ""},
        {{"--date-format", "%Y-%m-%d (%a)", "--calendar", "When?", "0", "0", "28", "2", "2023"}, "February",
         [](ScreenSession& s) { s.down(); s.enter(); }, 0, "", "2023-03-28 (Tue)"},
        {{"--calendar", "When?", "0", "0"}, "When?", esc, 255, "", ""},
        {{"--stdout", "--timebox", "At?", "0", "0", "23", "59", "58"}, "23:59:58",
         [](ScreenSession& s) { s.up(); s.enter(); }, 0, "00:59:58", ""},
        {{"--stdout", "--time-format", "%H.%M", "--timebox", "At?", "0", "0", "1", "2", "3"}, "01:02:03",
         [](ScreenSession& s) { for (int i = 0; i < 4; i++) s.tab(); s.enter(); }, 1, "", ""},
        {{"--stdout", "--timebox", "At?", "0", "0", "1", "2", "3"}, "01:02:03",   // Tab: the next field
         [](ScreenSession& s) { s.tab(); s.up(); s.enter(); }, 0, "01:03:03", ""},
        {{"--stdout", "--fselect", "/etc/passwd", "0", "0"}, "Directories", press, 0, "/etc/passwd", ""},
        // in the directories Space takes one into the path line, Space again enters it, Enter accepts
        {{"--stdout", "--dselect", "/usr/", "0", "0"}, "bin/",
         [](ScreenSession& s) { s.tab(); s.down(); s.sendText(" "); s.enter(); }, 0, "/usr/bin", ""},
        {{"--stdout", "--fselect", "/usr/", "0", "0"}, "bin/",
         [](ScreenSession& s) { s.tab(); s.down(); s.sendText("  "); s.enter(); }, 0, "/usr/bin/", ""},
        {{"--stdout", "--dselect", "/etc", "0", "0"}, "Directories", press, 0, "/etc", ""},
        {{"--stdout", "--treeview", "Pick", "0", "0", "0", "t1", "one", "off", "0", "t2", "two", "on", "1",
          "t3", "three", "off", "2"}, "three",
         [](ScreenSession& s) { s.down(); s.down(); s.sendText(" "); s.enter(); }, 0, "t3", ""},
        {{"--stdout", "--treeview", "Pick", "0", "0", "0", "t1", "one", "off", "0", "t2", "two", "on", "1"},
         "two", press, 0, "t2", ""},
        // item help: a help line per row or field; a form's Help names the field last focused
        {{"--stdout", "--item-help", "--treeview", "Pick", "0", "0", "0", "t1", "one", "off", "0", "h1",
          "t2", "two", "off", "1", "h2"}, "h1",
         [](ScreenSession& s) { s.down(); s.sendText(" "); s.enter(); }, 0, "t2", ""},
        {{"--stdout", "--item-help", "--help-button", "--help-status", "--form", "F", "0", "0", "0",
          "A", "1", "1", "a", "1", "5", "5", "9", "ha", "B", "2", "1", "b", "2", "5", "5", "9", "hb"}, "ha",
         [](ScreenSession& s) {
             s.down();
             ASSERT_TRUE(s.waitForText("hb")) << s.dump();
             s.tab(); s.tab(); s.tab(); s.enter();
         }, 2, "HELP hb\na\nb\n", ""},
        {{"--stdout", "--rangebox", "Level", "0", "0", "1", "10", "5"}, "Level",
         [](ScreenSession& s) { s.right(); s.right(); s.pageDown(); s.up(); s.enter(); }, 0, "7", ""},
        {{"--stdout", "--buildlist", "Pick", "0", "0", "5", "a", "Apple", "off", "b", "Big banana", "on",
          "c", "Cherry", "off"}, "Cherry",
         [](ScreenSession& s) { s.sendText(" "); s.right(); s.down(); s.sendText(" "); s.enter(); }, 0,
         "a", ""},
        {{"--stdout", "--editbox", "/etc/passwd", "0", "0"}, "Cancel",
         [](ScreenSession& s) { s.sendText("x"); s.backTab(); s.enter(); }, 1, "", ""},
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
        {{"--stdout", "--timebox", "At?", "0", "0", "24"}, nullptr, none, 255, "",
         "velmora-box: --timebox: the time is out of range"},
        {{"--stdout", "--timebox", "At?", "0", "0", "4294967297", "0", "0"}, nullptr, none, 255, "",
         "velmora-box: --timebox: the time is out of range"},
        {{"--stdout", "--timebox", "At?", "0", "0", "1", "0", "-4294967236"}, nullptr, none, 255, "",
         "velmora-box: --timebox: the time is out of range"},
        {{"--stdout", "--rangebox", "L", "0", "0", "9", "1"}, nullptr, none, 255, "",
         "velmora-box: --rangebox: expected MIN MAX"},
        {{"--stdout", "--editbox", "/", "0", "0"}, nullptr, none, 255, "",
         "velmora-box: --editbox: not a readable file"},
        {{"--stdout", "--output-fd", "7", "--msgbox", "Hi", "0", "0"}, nullptr, none, 255, "",
         "velmora-box: the output descriptor 7 is not open"},
        {{"--stdout"}, nullptr, none, 255, "", "velmora-box: the output descriptor 1 is not open",
         nullptr, nullptr, nullptr, "exec \"$0\" --stdout --passwordbox Key 0 0 >&-"},
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

// The list, form and other boxes built on the library's lists, forms and viewer.
TEST(VelmoraBox, ListAndFormBoxesAnswerAsScriptsExpect)
{
    using S = ScreenSession;
    auto keys = [](std::function<void(S&)> f) { return f; };
    auto tabs = [](int n) { return [n](S& s) { for (int i = 0; i < n; i++) s.tab(); s.enter(); }; };
    const std::vector<std::string> menu = {"Pick", "0", "0", "0", "a", "Apple", "b", "Banana"};
    auto with = [](std::vector<std::string> front, const std::vector<std::string>& rest) {
        front.insert(front.end(), rest.begin(), rest.end());
        return front;
    };
    const std::vector<std::string> check = {"Pick", "0", "0", "0", "a", "Apple", "on",
                                            "b c", "Banana", "ON", "c", "Cherry", "maybe"};
    const std::vector<std::string> form = {"Who", "0", "0", "0", "Name", "1", "1", "Bob", "1",
                                           "10", "10", "0", "Id", "2", "1", "42", "2", "10", "0",
                                           "0", "Pw", "3", "1", "", "3", "10", "10", "0"};
    const BoxCase cases[] = {
        {with({"--menu"}, menu), "Banana", keys([](S& s) { s.down(); s.enter(); }), 0, "", "b"},
        {with({"--default-item", "b", "--menu"}, menu), "Banana", press, 0, "", "b"},
        {with({"--menu"}, menu), "Banana", keys([](S& s) { click(s, "Banana", true); }), 0, "", "b"},
        {with({"--begin", "2", "3", "--menu"}, menu), "Banana", // its corner there, as every box's
         keys([](S& s) { EXPECT_EQ(0u, s.rowText(2).find("   ┌")) << s.dump(); s.enter(); }), 0,
         "", "a"},
        {with({"--menu"}, menu), "Banana", tabs(1), 1, "", ""},
        {with({"--menu"}, menu), "Banana", esc, 255, "", ""},
        {with({"--timeout", "1", "--menu"}, menu), "Banana", none, 5, "", ""},
        {with({"--timeout", "1", "--form"}, form), "Who", none, 5, "", ""},
        {with({"--stdout", "--help-button", "--menu"}, menu), "Help", tabs(2), 2, "HELP a", ""},
        {with({"--stdout", "--extra-button", "--extra-label", "More", "--menu"}, menu), "More",
         tabs(1), 3, "a", ""},
        {{"--no-items", "--menu", "Pick", "0", "0", "0", "a", "b"}, "Pick",
         keys([](S& s) { s.down(); s.enter(); }), 0, "", "b"},
        {{"--stdout", "--item-help", "--help-button", "--menu", "Pick", "0", "0", "0", "a", "Apple",
          "help a", "b", "Banana", "help b"}, "help a", tabs(2), 2, "HELP help a", ""},
        {{"--stdout", "--item-help", "--help-button", "--menu", "Pick", "0", "0", "0", "a", "Apple",
          "help a", "b", "Banana", "help b"}, "help a", keys([tabs](S& s) { s.down(); tabs(2)(s); }), 2,
         "HELP help b", ""},
        // Tab passes the default button by: the list stands for it
        {with({"--stdout", "--help-button", "--menu"}, menu), "Help",
         keys([](S& s) { s.tab(); s.tab(); s.tab(); s.down(); s.enter(); }), 0, "b", ""},
        // type-ahead: the next tag starting with the key, again for the same key; no match stays
        {{"--stdout", "--menu", "Pick", "0", "0", "0", "ab", "1", "b", "2", "Ac", "3"}, "Ac",
         keys([](S& s) { s.sendText("a"); s.enter(); }), 0, "Ac", ""},
        {{"--stdout", "--menu", "Pick", "0", "0", "0", "ab", "1", "b", "2", "Ac", "3"}, "Ac",
         keys([](S& s) { s.sendText("a"); EXPECT_TRUE(s.waitQuiet()); s.sendText("a"); s.enter(); }),
         0, "ab", ""},
        {{"--stdout", "--checklist", "Pick", "0", "0", "0", "ab", "1", "off", "b", "2", "off"}, "ab",
         keys([](S& s) { s.sendText("b "); s.enter(); }), 0, "b", ""},
        {{"--stdout", "--menu", "Pick", "0", "0", "0", "ab", "1", "b", "2"}, "ab",
         keys([](S& s) { s.sendText("q"); s.enter(); }), 0, "ab", ""},
        // --help-status adds the list's state, --help-tags the tag instead of the help line
        {with({"--stdout", "--help-button", "--help-status", "--checklist"}, check), "Help",
         tabs(2), 2, "HELP a a \"b c\"", ""},
        {with({"--stdout", "--help-button", "--help-status", "--separate-output", "--checklist"},
              check), "Help", tabs(2), 2, "HELP a\na\nb c\n", ""},
        {{"--stdout", "--item-help", "--help-tags", "--help-button", "--menu", "Pick", "0", "0",
          "0", "a", "Apple", "help a"}, "help a", tabs(2), 2, "HELP a", ""},
        {with({"--checklist"}, check), "Cherry", press, 0, "", "a \"b c\""},
        {with({"--separate-output", "--checklist"}, check), "Cherry", press, 0, "", "a\nb c\n"},
        {with({"--quoted", "--checklist"}, check), "Cherry",
         keys([](S& s) { s.sendText(" "); s.end(); s.sendText(" "); s.enter(); }), 0, "",
         "\"b c\" c"},
        {{"--radiolist", "Pick", "0", "0", "0", "a", "Apple", "off", "b", "Banana", "on", "c",
          "Cherry", "on"}, "Cherry", press, 0, "", "b"},
        // empty and repeated tags, sizes negative, huge and beyond the screen
        {{"--checklist", "Pick", "0", "0", "0", "", "Empty", "on", "a", "A", "on", "a", "A2", "on"},
         "A2", press, 0, "", "\"\" a a"},
        {{"--menu", "Pick", "-1", "99999", "-5", "a", "Apple", "b", "Banana"}, "Banana",
         keys([](S& s) { s.down(); s.enter(); }), 0, "", "b"},
        {{"--menu", "Pick", "100000", "3", "999999999999", "a", "Apple", "b", "Banana"}, "Banana",
         press, 0, "", "a"},
        {{"--radiolist", "Pick", "0", "0", "0", "a", "Apple", "off", "b", "Banana", "on", "c",
          "Cherry", "on"}, "Cherry", keys([](S& s) { s.end(); s.sendText(" "); s.enter(); }), 0,
         "", "c"},
        {with({"--form"}, form), "Who", press, 0, "", "Bob\n\n"},
        // the first text is cut to the input length and typing stops there
        {{"--form", "Who", "0", "0", "0", "Name", "1", "1", "Bobby", "1", "10", "10", "4"}, "Bob",
         keys([](S& s) { s.sendText("xy"); s.enter(); }), 0, "", "Bobb\n"},
        {with({"--passwordform"}, form), "Who", keys([](S& s) { s.sendText("x"); s.enter(); }), 0,
         "", "Bobx\n\n"},
        {{"--mixedform", "Who", "0", "0", "0", "Name", "1", "1", "Bob", "1", "10", "10", "0", "0",
          "Id", "2", "1", "42", "2", "10", "10", "0", "2"}, "Who", press, 0, "", "Bob\n42\n"},
        {with({"--inputmenu"}, menu), "Banana", press, 0, "", "a"},
        {with({"--stdout", "--inputmenu"}, menu), "Rename",
         keys([](S& s) {
             s.tab(); s.enter();
             ASSERT_TRUE(s.waitForText("Apple")) << s.dump();
             s.sendText("z"); s.enter();
         }), 3, "RENAMED a Applez", ""},
        {with({"--stdout", "--inputmenu"}, menu), "Rename", // Esc leaves the rename, not the box
         keys([](S& s) {
             s.tab(); s.enter(); s.sendText("z");
             ASSERT_TRUE(s.waitForText("Applez")) << s.dump();
             s.terminal().key("Esc");
             ASSERT_TRUE(s.waitQuiet()) << s.dump();
             s.enter();
         }), 0, "a", ""},
        {{"--pause", "Wait", "0", "0", "1"}, nullptr, none, 0, "", ""},
        {{"--pause", "Wait", "0", "0", "30"}, "Wait", esc, 255, "", ""},
        {{"--mixedgauge", "Work", "0", "0", "50", "a", "0", "b", "-30"}, "Succeeded", none, 0, "", ""},
        // the gauge texts wrap, their blanks kept only with --no-collapse
        {{"--mixedgauge", "Work   hard", "0", "0", "50", "a", "0"}, "Work hard", none, 0, "", ""},
        {{"--no-collapse", "--gauge", "Work   hard", "0", "0", "5"}, nullptr, none, 0, "", "", "9\n",
         nullptr, "Work   hard"},
        {{"--progressbox", "Work   hard", "0", "0"}, nullptr, none, 0, "", "", "one\n", nullptr,
         "Work hard"},
        {{"--progressbox", "0", "0"}, nullptr, none, 0, "", "", "one\ntwo\n"},
    };
    for (const BoxCase& c : cases)
        run(c);
}

TEST(VelmoraBox, ListAndFormBoxesRefuseArgumentsThatMakeNoRows)
{
    const BoxCase cases[] = {
        {{"--stdout", "--menu", "Pick", "0", "0", "0", "a"}, nullptr, none, 255, "",
         "velmora-box: --menu: 1 arguments"},
        {{"--stdout", "--menu", "Pick", "0", "0", "0"}, nullptr, none, 255, "",
         "velmora-box: --menu: 0 arguments"},
        {{"--stdout", "--menu", "Pick", "0", "0", "x", "a", "b"}, nullptr, none, 255, "",
         "velmora-box: --menu: the list height"},
        {{"--stdout", "--checklist", "Pick", "0", "0", "0", "a", "b"}, nullptr, none, 255, "",
         "velmora-box: --checklist: 2 arguments"},
        {{"--stdout", "--form", "Who", "0", "0", "0", "Name", "1", "1", "Bob", "1", "x", "10", "0"},
         nullptr, none, 255, "", "velmora-box: --form: field 1"},
        {{"--stdout", "--pause", "Wait", "0", "0", "soon"}, nullptr, none, 255, "",
         "velmora-box: --pause: the seconds"},
        {{"--stdout", "--mixedgauge", "Work", "0", "0", "50", "a"}, nullptr, none, 255, "",
         "velmora-box: --mixedgauge: expected"},
    };
    for (const BoxCase& c : cases)
        run(c);
}

// A followed file that grows, is cut short and is replaced under its name.
TEST(VelmoraBox, TailBoxFollowsItsFile)
{
    std::string path = testing::TempDir() + "tailbox.log", fresh = path + ".new";
    auto write = [](const std::string& p, const char* text, const char* mode) {
        FILE* f = fopen(p.c_str(), mode);
        ASSERT_NE(nullptr, f);
        fputs(text, f);
        fclose(f);
    };
    write(path, "first line\n", "w");
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({VELMORA_BOX, "--tailbox", path, "0", "0"}));
    ASSERT_TRUE(s.waitForText("first line")) << s.dump();
    write(path, "second line\n", "a");
    ASSERT_TRUE(s.waitForText("second line")) << s.dump();
    write(path, "third line\n", "w");
    ASSERT_TRUE(s.waitFor([&] { return s.findRow("first line") < 0; })) << s.dump();
    ASSERT_TRUE(s.waitForText("third line")) << s.dump();
    write(fresh, "fourth line\n", "w");
    ASSERT_EQ(0, rename(fresh.c_str(), path.c_str()));
    ASSERT_TRUE(s.waitForText("fourth line")) << s.dump();
    std::string rows;
    for (int i = 0; i < 40; i++)
        rows += "row " + std::to_string(i) + "\n";
    write(path, rows.c_str(), "a");     // the end, beyond the view, is followed
    ASSERT_TRUE(s.waitForText("row 39")) << s.dump();
    s.enter();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
    remove(path.c_str());
}

// The text box's separator tees are drawn in the set of the rest of its
// frame: never the terminal's line characters amid Unicode ones (tmux shows
// those as letters), nor the reverse.
TEST(VelmoraBox, TextBoxTeesAreInTheSetOfItsFrame)
{
    for (const char* locale : {"C.UTF-8", "C"}) {
        SCOPED_TRACE(locale);
        ScreenSession s(24, 80);
        s.setEnv("LC_ALL", locale);
        ASSERT_TRUE(s.start({VELMORA_BOX, "--textbox", "/etc/passwd", "14", "60"}));
        ASSERT_TRUE(s.waitForText("root") && s.waitQuiet()) << s.dump();
        int row = s.findRow("EXIT") - 1;          // the separator, its tees on the frame
        EXPECT_TRUE(s.cell(row, 10).is(Box::LTEE) && s.cell(row, 69).is(Box::RTEE)) << s.dump();
        bool unicode = std::string(locale) == "C.UTF-8";
        EXPECT_EQ(unicode, s.output().find("\xe2\x94") != std::string::npos);
        EXPECT_EQ(!unicode, s.output().find("\x1b(0") != std::string::npos);
        s.enter();
        EXPECT_EQ(0, s.waitExit()) << s.dump();
    }
}

// Standard input shown as it comes: the program box waits for OK at its end,
// also when its writer closed at once.
TEST(VelmoraBox, ProgramBoxShowsItsInputThenWaits)
{
    for (const char* writer : {"printf 'one\\ntwo\\n'", "true"}) {
        SCOPED_TRACE(writer);
        ScreenSession s(24, 80);
        ASSERT_TRUE(s.start({"/bin/sh", "-c", std::string(writer) + " | " + VELMORA_BOX
                                                  + " --programbox Log 0 0"}));
        ASSERT_TRUE(s.waitForText("OK")) << s.dump();
        if (writer[0] == 'p') {
            EXPECT_GE(s.findRow("two"), 0) << s.dump();
        }
        s.enter();
        EXPECT_EQ(0, s.waitExit()) << s.dump();
    }
}

// Started under the name whiptail, the check list quotes every tag as that program does.
// Under the names whiptail and dialog (links) the program takes their look:
// colours, bracketed buttons and marks, whiptail's title between tees and
// the box's height as asked; under whiptail's, the check list quotes every tag.
TEST(VelmoraBox, UnderTheReferenceNamesItLooksAsTheyDo)
{
    struct Look {
        const char* name;
        std::vector<std::string> args;
        const char* ready;
        std::function<void(ScreenSession&)> check;
        const char* err;                 // the answer, after Enter
    };
    auto has = [](ScreenSession& s, const char* row, const char* text) {
        EXPECT_NE(std::string::npos, std::string(s.rowText(s.findRow(row))).find(text)) << s.dump();
    };
    const std::vector<std::string> rows = {"Pick", "15", "40", "5", "a", "Apple", "on", "b",
                                           "Banana", "off", "c d", "Cherry", "on"};
    const Look looks[] = {
        {"whiptail", {"--title", "Hello", "--checklist"}, "Cherry", [&](ScreenSession& s) {
             int top = s.findRow("Hello");
             has(s, "Hello", "┤ Hello ├");
             has(s, "Apple", "│[*] a");       // the list's frame in the theme's colours
             has(s, "Banana", "[ ] b");
             has(s, "<Ok>", "<Cancel>");
             EXPECT_EQ(0u, std::string(s.rowText(top + 14)).find("                    └")) << s.dump();
             EXPECT_EQ(top, s.findRow("├")) << s.dump();       // no rule over the buttons
             EXPECT_EQ(4, s.cell(0, 0).bg) << s.dump();
             EXPECT_EQ(7, s.cell(top + 1, 30).bg) << s.dump();
             EXPECT_EQ(1, s.cell(s.findRow("Apple"), 30).bg) << s.dump();  // the current row
         }, "\"a\" \"c d\""},
        {"dialog", {"--title", "Hello", "--radiolist"}, "Cherry", [&](ScreenSession& s) {
             has(s, "Hello", "─Hello─");
             has(s, "Apple", "(*) a");
             has(s, "Banana", "( ) b");
             has(s, "OK", "<  OK  >    <Cancel>");
             EXPECT_EQ(0u, std::string(s.rowText(s.findRow("Hello") + 14)).find("                    └"))
                 << s.dump();
             EXPECT_EQ(4, s.cell(0, 0).bg) << s.dump();
             EXPECT_TRUE(s.cell(0, 0).bold) << s.dump();
             EXPECT_EQ(7, s.cell(s.findRow("Banana"), 30).bg) << s.dump();
         }, "a"},
    };
    for (const Look& look : looks) {
        SCOPED_TRACE(look.name);
        std::string link = testing::TempDir() + look.name;
        remove(link.c_str());
        ASSERT_EQ(0, symlink(VELMORA_BOX, link.c_str()));
        std::vector<std::string> argv = {link};
        argv.insert(argv.end(), look.args.begin(), look.args.end());
        argv.insert(argv.end(), rows.begin(), rows.end());
        ScreenSession s(24, 80);
        s.captureStdout();
        ASSERT_TRUE(s.start(argv));
        ASSERT_TRUE(s.waitForText(look.ready)) << s.dump();
        ASSERT_TRUE(s.waitQuiet()) << s.dump();
        look.check(s);
        s.enter();
        EXPECT_EQ(0, s.waitExit()) << s.dump();
        EXPECT_EQ(look.err, s.stderrText());
        remove(link.c_str());
    }
}
