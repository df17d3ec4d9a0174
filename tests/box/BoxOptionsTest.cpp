// BoxOptionsTest.cpp - the box program's command line: both spellings of an
// option set the same thing, a box's options end with it while kept ones
// stay, and every error is one reason.
#include "BoxOptions.h"

#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace {

struct ParseCase {
    std::vector<std::string> args;
    BoxParse result;
    std::function<bool(const std::vector<BoxStep>&)> holds = nullptr; // for PARSE_RUN
    const char* error = nullptr;                                      // for PARSE_ERROR: its start
};

BoxParse parse(const std::vector<std::string>& args, std::vector<BoxStep>* steps, std::string* error)
{
    static std::vector<std::string> kept;    // the steps point into argv
    kept = args;
    kept.insert(kept.begin(), "velmora-box");
    static std::vector<char*> argv;
    argv.clear();
    for (std::string& a : kept)
        argv.push_back(&a[0]);
    BoxOptions last;
    return parseBoxCommand((int)argv.size(), argv.data(), steps, &last, error);
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
         [](S s) { return s[0].options.defaultButton == BUTTON_CANCEL && s[0].options.defaultNo; }},
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
    };
    for (const ParseCase& c : cases) {
        std::string trace;
        for (const auto& a : c.args)
            trace += a + " ";
        SCOPED_TRACE(trace);
        std::vector<BoxStep> steps;
        std::string error;
        ASSERT_EQ(c.result, parse(c.args, &steps, &error)) << error;
        if (c.result == PARSE_RUN) {
            EXPECT_TRUE(c.holds(steps));
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
        {&plain, "aaa \\nbbb", "aaa\nbbb"},     {&plain, "a\nb", "a b"},
        {&cr, "a \nb", "a\nb"},                 {&literal, "a\\nb", "a\\nb"},
        {&colors, "\\Zb\\Z1red\\Zn.", "red."}, {&plain, "\\Zbx", "\\Zbx"},
        {&plain, "a\tb", "a\tb"},             {&kept, "a\tb\\n\xc3\xa9\t \tc", "a   b\n\xc3\xa9       c"},
        {&trimmed, " \t a  b\\n  c\n d", "a  b\nc\nd"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.out, boxText(*c.o, c.in)) << c.in;
}
