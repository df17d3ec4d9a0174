// BoxOptionsTest.cpp - the box program's command line: both spellings of an
// option set the same thing, a box's options end with it while kept ones
// stay, and every error is one reason.
#include "BoxOptions.h"

#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <string>
#include <vector>

namespace {

struct ParseCase {
    std::vector<std::string> args;
    BoxParse result;
    std::function<bool(const std::vector<BoxStep>&)> holds = nullptr; // for PARSE_RUN
    const char* error = nullptr;                                      // for PARSE_ERROR: its start
};

BoxParse parse(const std::vector<std::string>& args, BoxCommand* command)
{
    static std::vector<std::string> kept;    // the steps point into argv
    kept = args;
    kept.insert(kept.begin(), "velmora-box");
    static std::vector<char*> argv;
    argv.clear();
    for (std::string& a : kept)
        argv.push_back(&a[0]);
    return parseBoxCommand((int)argv.size(), argv.data(), command);
}

// The arguments of a step as one string, each followed by "|".
std::string joined(const BoxStep& s)
{
    std::string out;
    for (int i = 0; i < s.argc; i++)
        out += std::string(s.argv[i]) + "|";
    return out;
}

const char* label(const BoxStep& s) { return s.options.okLabel != nullptr ? s.options.okLabel : ""; }

}  // namespace

TEST(BoxOptions, SpellingsKeptOptionsAndErrors)
{
    using S = const std::vector<BoxStep>&;
    const ParseCase cases[] = {
        {{"--ok-label", "A", "--msgbox", "t", "0", "0"}, PARSE_RUN,
         [](S s) { return std::string(label(s[0])) == "A"; }},
        {{"--ok-button", "A", "--msgbox", "t", "0", "0"}, PARSE_RUN,
         [](S s) { return std::string(label(s[0])) == "A"; }},
        {{"--nocancel", "--no-items", "--inputbox", "t", "0", "0"}, PARSE_RUN,
         [](S s) { return s[0].options.noCancel && s[0].options.noItems; }},
        {{"--no-cancel", "--noitem", "--notags", "--yesno", "t", "0", "0"}, PARSE_RUN,
         [](S s) { return s[0].options.noCancel && s[0].options.noItems && s[0].options.noTags; }},
        {{"--default-button", "no", "--defaultno", "--yesno", "t", "-1", "99999999"}, PARSE_RUN,
         [](S s) { return s[0].options.defaultButton == BUTTON_NONE && s[0].options.defaultNo; }},
        {{"--stdout", "--title", "A", "--msgbox", "t", "0", "0", "--and-widget", "--inputbox", "u",
          "0", "0", "init"}, PARSE_RUN,
         [](S s) {
             return s.size() == 2 && s[1].argc == 4 && s[1].options.title == nullptr &&
                    s[1].options.outputFd == 1 && s[0].options.title != nullptr;
         }},
        {{"--msgbox", "a", "0", "0", "--msgbox", "b", "0", "0"}, PARSE_RUN,
         [](S s) { return s.size() == 2; }},
        {{"--clear", "--aspect", "9", "--shadow", "--fb", "--scrolltext", "--timeout", "3", "--sleep",
          "1", "--output-fd", "3", "--print-maxsize"}, PARSE_RUN,
         [](S s) { return s[0].options.timeout == 3 && s[0].options.outputFd == 3 && s[0].options.clear; }},
        {{"-h"}, PARSE_HELP},
        {{"--msgbox", "t", "0", "0", "--help"}, PARSE_HELP},
        {{"--version"}, PARSE_VERSION},
        {{}, PARSE_ERROR, nullptr, "no box given"},
        {{"--msgbox", "t", "0"}, PARSE_ERROR, nullptr, "missing arguments for --msgbox"},
        {{"--msgbox", "t", "0", "0", "x"}, PARSE_ERROR, nullptr, "unexpected argument after --msgbox: x"},
        {{"--msgbox", "t", "a", "0"}, PARSE_ERROR, nullptr, "expected a number for the height"},
        {{"--msgbox", "t", "0", "1e3"}, PARSE_ERROR, nullptr, "expected a number for the width"},
        {{"--frob"}, PARSE_ERROR, nullptr, "unknown option: --frob"},
        {{"--title"}, PARSE_ERROR, nullptr, "missing value for --title"},
        {{"--timeout", "-1", "--msgbox", "t", "0", "0"}, PARSE_ERROR, nullptr, "expected a number from 0"},
        {{"--default-button", "maybe"}, PARSE_ERROR, nullptr, "unknown button"},
        {{"--gauge", "t", "0", "0", "101"}, PARSE_ERROR, nullptr, "--gauge: bad percentage"},
        {{"--keep-window", "--trace", "f", "--rc-file", "f", "--fixed-font", "--print-version"},
         PARSE_RUN, [](S s) { return s.size() == 1; }},
        {{"--tailboxbg", "f", "0", "0"}, PARSE_ERROR, nullptr, "--tailboxbg is not available"},
        {{"--print-size", "--msgbox", "t", "0", "0"}, PARSE_ERROR, nullptr,
         "--print-size is not available"},
        // a bare -- ends the options; after it -- escapes one argument, as before a value
        {{"--menu", "T", "0", "0", "0", "--", "a", "", "--title", "x"}, PARSE_RUN,
         [](S s) { return joined(s[0]) == "T|0|0|0|a||--title|x|" && !s[0].options.title; }},
        {{"--title", "--", "--X", "--yesno", "--", "--T", "8", "40"}, PARSE_RUN,
         [](S s) { return joined(s[0]) == "--T|8|40|" && std::string(s[0].options.title) == "--X"; }},
        {{"--menu", "--", "--t", "0", "0", "0", "--", "--a", "x", "b", "--"}, PARSE_RUN,
         [](S s) { return joined(s[0]) == "--t|0|0|0|--a|x|b|--|"; }},
        {{"--msgbox", "a", "0", "0", "--"}, PARSE_RUN, [](S s) { return s[0].argc == 3; }},
        {{"--", "--msgbox", "a", "0", "0"}, PARSE_ERROR, nullptr, "unexpected argument: --msgbox"},
        {{"--yesno", "--", "--", "t", "8", "40"}, PARSE_ERROR, nullptr,
         "unexpected argument after --yesno: 40"},
        // options among and after a box's arguments are its own; the later wins
        {{"--msgbox", "T", "--scrolltext", "--title", "A", "8", "40", "--stdout"}, PARSE_RUN,
         [](S s) { return joined(s[0]) == "T|8|40|" && *s[0].options.title == 'A' && s[0].options.outputFd == 1; }},
        {{"--default-button", "yes", "--yesno", "t", "8", "40", "--defaultno"}, PARSE_RUN,
         [](S s) { return s[0].options.defaultNo && s[0].options.defaultButton == BUTTON_NONE; }},
        {{"--defaultno", "--yesno", "t", "8", "40", "--default-button", "ok"}, PARSE_RUN,
         [](S s) { return !s[0].options.defaultNo && s[0].options.defaultButton == BUTTON_OK; }},
        {{"--msgbox", "a", "0", "0", "--title", "B", "--msgbox", "b", "0", "0"}, PARSE_RUN,
         [](S s) { return !s[0].options.title && *s[1].options.title == 'B'; }},
        {{"--msgbox", "a", "0", "0", "--and-widget", "--title", "B"}, PARSE_ERROR, nullptr,
         "--title applies to no box"},
        {{"--msgbox", "a", "0", "0", "\x1b[2J\nb"}, PARSE_ERROR, nullptr,
         "unexpected argument after --msgbox: \\x1b[2J\\x0ab"},
    };
    for (const ParseCase& c : cases) {
        std::string trace;
        for (const auto& a : c.args)
            trace += a + " ";
        SCOPED_TRACE(trace);
        BoxCommand command;
        const std::string& error = command.error;
        ASSERT_EQ(c.result, parse(c.args, &command)) << error;
        if (c.result == PARSE_RUN) {
            EXPECT_TRUE(c.holds(command.steps));
        } else if (c.result == PARSE_ERROR) {
            EXPECT_EQ(0u, error.find(c.error)) << error;
            EXPECT_EQ(std::string::npos, error.find('\n'));
        }
    }
}

TEST(BoxText, BreaksNewlinesAndAttributeSequences)
{
    BoxOptions plain, cr, colors, literal, kept, trimmed;
    cr.crWrap = true;
    colors.colors = true;
    literal.noNlExpand = true;
    kept.noCollapse = trimmed.noCollapse = trimmed.trim = true;
    kept.tabLen = 4;
    const struct { const BoxOptions* o; const char* in; const char* out; } cases[] = {
        {&plain, "aaa \\nbbb", "aaa\nbbb"},     {&plain, "a\n\nb", "a\n\nb"},
        {&plain, "a\nb\\nc", "a b\nc"},   {&literal, "a\nb\\nc", "a\nb\\nc"},
        {&cr, "a \nb", "a\nb"},                 {&literal, "a\\nb", "a\\nb"},
        {&colors, "\\Zb\\Z1red\\Zn.", "red."}, {&plain, "\\Zbx", "\\Zbx"},
        {&plain, "a\tb", "a\tb"},             {&kept, "a\tb\\n\xc3\xa9\t \tc", "a   b\n\xc3\xa9       c"},
        {&trimmed, " \t a  b\\n  c\n d", "a  b\nc  d"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.out, boxText(*c.o, c.in)) << c.in;
}

// Arguments read from files: the quoting, nesting, and every file refused
// with a reason rather than waited on or read whole.
TEST(BoxOptions, ArgumentFiles)
{
    char dir[] = "/tmp/velmora-argfile-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(dir));
    std::string d = dir;
    auto write = [&](const char* name, const std::string& text) {
        FILE* f = fopen((d + "/" + name).c_str(), "w");
        fwrite(text.data(), 1, text.size(), f);
        fclose(f);
    };
    write("quotes", "--title \"a b\" --inputbox \"q\\\"d \\\\ \\x\nz\"\t0 0\n x\\ y\\\\n");
    write("nested", "--file " + d + "/quotes");
    write("self", "--file " + d + "/self");
    write("one", "--file " + d + "/two");
    write("two", "--file " + d + "/one");
    write("open", "--msgbox \"a 0 0");
    write("nul", std::string("--msgbox a\0 0 0", 14));
    write("bytes", "--msgbox \xff\xc3 0 0");
    write("big", "");
    ASSERT_EQ(0, truncate((d + "/big").c_str(), 100 << 20));
    ASSERT_EQ(0, mkfifo((d + "/fifo").c_str(), 0600));
    int pipeFds[2];
    ASSERT_EQ(0, pipe(pipeFds));
    ASSERT_EQ(17, ::write(pipeFds[1], "--msgbox \"p\" 0 0 ", 17));
    close(pipeFds[1]);
    const struct { std::string file; const char* args; const char* error; } cases[] = {
        {d + "/quotes", "q\"d \\ \\x\nz|0|0|x y\\n|", nullptr},
        {d + "/nested", "q\"d \\ \\x\nz|0|0|x y\\n|", nullptr},
        {d + "/bytes", "\xff\xc3|0|0|", nullptr},
        {"&" + std::to_string(pipeFds[0]), "p|0|0|", nullptr},
        {d + "/self", nullptr, "more than 8 deep"},
        {d + "/one", nullptr, "more than 8 deep"},
        {d + "/open", nullptr, "a double quote is not closed"},
        {d + "/nul", nullptr, "a NUL byte at offset 10"},
        {d + "/big", nullptr, "the arguments read exceed 4 MiB"},
        {d + "/fifo", nullptr, "not a regular file"},
        {d, nullptr, "not a regular file"},
        {d + "/missing", nullptr, "No such file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        BoxCommand command;
        BoxParse result = parse({"--file", c.file}, &command);
        if (c.args != nullptr) {
            ASSERT_EQ(PARSE_RUN, result) << command.error;
            EXPECT_EQ(c.args, joined(command.steps[0]));
        } else {
            ASSERT_EQ(PARSE_ERROR, result);
            EXPECT_NE(std::string::npos, command.error.find(c.error)) << command.error;
        }
    }
    close(pipeFds[0]);
    EXPECT_EQ(0, system(("rm -r " + d).c_str()));
}
