// BoxOptions.cpp - the box program's command line (box/): the table of
// common options with every spelling scripts use, and the parser that
// splits argv into boxes, each with its arguments and its options.
#include "BoxOptions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

typedef bool (*Setter)(BoxOptions& o, char** v, std::string* why);

// One common option. set is null for an option that is accepted and
// ignored: it only changes what the screen looks like, never an answer.
// A kept option stays in force for the boxes after the one it precedes.
struct OptionRow {
    const char* spellings;               // blank-separated
    int         args;                    // values it takes
    bool        kept;
    Setter      set;
    const char* help;                    // its --help line; null: not listed
};

bool number(const char* text, int min, int* out, const char* option, std::string* why)
{
    int value = 0;
    if (!boxNumber(text, &value) || value < min) {
        *why = std::string("expected a number") + (min >= 0 ? " from 0" : "") + " for " +
               option + ": " + text;
        return false;
    }
    *out = value;
    return true;
}

bool button(const char* name, BoxButton* out, std::string* why)
{
    static const struct { const char* name; BoxButton button; } NAMES[] = {
        {"ok", BUTTON_OK},         {"yes", BUTTON_OK}, {"extra", BUTTON_EXTRA},
        {"cancel", BUTTON_CANCEL}, {"no", BUTTON_CANCEL}, {"help", BUTTON_HELP},
    };
    for (const auto& n : NAMES)
        if (strcmp(name, n.name) == 0) {
            *out = n.button;
            return true;
        }
    *why = std::string("unknown button for --default-button: ") + name;
    return false;
}

// The setter of the options that are known and refused; the parser names them.
bool refuse(BoxOptions&, char**, std::string*)
{
    return false;
}

// The common options. Where the two programs spell one option differently,
// both spellings share its row.
const OptionRow OPTIONS[] = {
    {"--title", 1, false, [](BoxOptions& o, char** v, std::string*) { o.title = v[0]; return true; },
     "--title TEXT              the box's title"},
    {"--backtitle", 1, true,
     [](BoxOptions& o, char** v, std::string*) { o.backtitle = v[0]; return true; },
     "--backtitle TEXT          a line at the top of the screen"},
    {"--ok-label --ok-button", 1, false,
     [](BoxOptions& o, char** v, std::string*) { o.okLabel = v[0]; return true; },
     "--ok-label TEXT           also --ok-button; the OK button's label"},
    {"--cancel-label --cancel-button", 1, false,
     [](BoxOptions& o, char** v, std::string*) { o.cancelLabel = v[0]; return true; },
     "--cancel-label TEXT       also --cancel-button"},
    {"--yes-label --yes-button", 1, false,
     [](BoxOptions& o, char** v, std::string*) { o.yesLabel = v[0]; return true; },
     "--yes-label TEXT          also --yes-button"},
    {"--no-label --no-button", 1, false,
     [](BoxOptions& o, char** v, std::string*) { o.noLabel = v[0]; return true; },
     "--no-label TEXT           also --no-button"},
    {"--exit-label --exit-button", 1, false,
     [](BoxOptions& o, char** v, std::string*) { o.exitLabel = v[0]; return true; },
     "--exit-label TEXT         the text box's EXIT button"},
    {"--extra-button", 0, false,
     [](BoxOptions& o, char**, std::string*) { o.extraButton = true; return true; },
     "--extra-button            an Extra button (status 3)"},
    {"--extra-label", 1, false,
     [](BoxOptions& o, char** v, std::string*) { o.extraLabel = v[0]; return true; },
     "--extra-label TEXT        its label"},
    {"--help-button", 0, false,
     [](BoxOptions& o, char**, std::string*) { o.helpButton = true; return true; },
     "--help-button             a Help button (status 2)"},
    {"--help-label", 1, false,
     [](BoxOptions& o, char** v, std::string*) { o.helpLabel = v[0]; return true; },
     "--help-label TEXT         its label"},
    {"--nocancel --no-cancel", 0, false,
     [](BoxOptions& o, char**, std::string*) { o.noCancel = true; return true; },
     "--no-cancel               also --nocancel; no Cancel button"},
    {"--no-ok --nook", 0, false,
     [](BoxOptions& o, char**, std::string*) { o.noOk = true; return true; },
     "--no-ok                   also --nook; no OK button in a list"},
    {"--defaultno", 0, false,
     [](BoxOptions& o, char**, std::string*) {
         o.defaultNo = true;             // the later of it and --default-button wins
         o.defaultButton = BUTTON_NONE;
         return true;
     },
     "--defaultno               the focus starts on No (or Cancel)"},
    {"--default-button", 1, false,
     [](BoxOptions& o, char** v, std::string* why) {
         o.defaultNo = false;
         return button(v[0], &o.defaultButton, why);
     },
     "--default-button NAME     ok, yes, extra, cancel, no or help has the focus"},
    {"--default-item", 1, false,
     [](BoxOptions& o, char** v, std::string*) { o.defaultItem = v[0]; return true; },
     "--default-item TAG        the list item chosen at first"},
    {"--item-help", 0, false,
     [](BoxOptions& o, char**, std::string*) { o.itemHelp = true; return true; },
     "--item-help               lists: each item ends with its help line"},
    {"--help-status", 0, false,
     [](BoxOptions& o, char**, std::string*) { o.helpStatus = true; return true; },
     "--help-status             Help also writes the list's state"},
    {"--help-tags", 0, false,
     [](BoxOptions& o, char**, std::string*) { o.helpTags = true; return true; },
     "--help-tags               Help writes the item's tag alone"},
    {"--notags --no-tags", 0, false,
     [](BoxOptions& o, char**, std::string*) { o.noTags = true; return true; },
     "--no-tags                 also --notags; lists show no tags"},
    {"--no-items --noitem", 0, false,
     [](BoxOptions& o, char**, std::string*) { o.noItems = true; return true; },
     "--no-items                also --noitem; list items are tags alone"},
    {"--separate-output", 0, false,
     [](BoxOptions& o, char**, std::string*) { o.separateOutput = true; return true; },
     "--separate-output         check lists: one tag a line, unquoted"},
    {"--quoted", 0, true,
     [](BoxOptions& o, char**, std::string*) { o.quoted = true; return true; },
     "--quoted                  menu and radio answers quoted where needed"},
    {"--single-quoted", 0, true,
     [](BoxOptions& o, char**, std::string*) { o.singleQuoted = true; return true; },
     "--single-quoted           quotes, when needed, are single quotes"},
    {"--output-separator --separator", 1, true,
     [](BoxOptions& o, char** v, std::string*) { o.outputSeparator = v[0]; return true; },
     "--output-separator TEXT   also --separator; between a list's tags"},
    {"--cr-wrap", 0, true,
     [](BoxOptions& o, char**, std::string*) { o.crWrap = true; return true; },
     "--cr-wrap                 newlines in a text break its line"},
    {"--no-collapse", 0, true,
     [](BoxOptions& o, char**, std::string*) { o.noCollapse = true; return true; },
     "--no-collapse             blanks, tabs and indents in a text are kept"},
    {"--trim", 0, true,
     [](BoxOptions& o, char**, std::string*) { o.trim = true; return true; },
     "--trim                    leading blanks and newlines of a text go"},
    {"--no-nl-expand", 0, true,
     [](BoxOptions& o, char**, std::string*) { o.noNlExpand = true; return true; },
     "--no-nl-expand            \\n in a text stays two characters"},
    {"--colors", 0, true,
     [](BoxOptions& o, char**, std::string*) { o.colors = true; return true; },
     "--colors                  \\Z sequences are taken out of a text"},
    {"--tab-len", 1, true,
     [](BoxOptions& o, char** v, std::string* why) { return number(v[0], 1, &o.tabLen, "--tab-len", why); },
     "--tab-len N               columns of a tab with --no-collapse"},
    {"--insecure", 0, true,
     [](BoxOptions& o, char**, std::string*) { o.insecure = true; return true; },
     "--insecure                a password shows an asterisk per character"},
    {"--max-input", 1, false,
     [](BoxOptions& o, char** v, std::string* why) { return number(v[0], 0, &o.maxInput, "--max-input", why); },
     "--max-input N             an input box takes N bytes at most"},
    {"--timeout", 1, false,
     [](BoxOptions& o, char** v, std::string* why) { return number(v[0], 0, &o.timeout, "--timeout", why); },
     "--timeout SECONDS         no key for that long ends the box (status 5)"},
    {"--sleep", 1, false,
     [](BoxOptions& o, char** v, std::string* why) { return number(v[0], 0, &o.sleep, "--sleep", why); },
     "--sleep SECONDS           a pause after the box"},
    {"--clear", 0, true,
     [](BoxOptions& o, char**, std::string*) { o.clear = true; return true; },
     "--clear                   the screen is cleared when the program ends"},
    {"--keep-tite", 0, true,
     [](BoxOptions& o, char**, std::string*) { o.keepTite = true; return true; },
     "--keep-tite               boxes are drawn on the alternate screen"},
    {"--no-mouse", 0, true,
     [](BoxOptions& o, char**, std::string*) { o.noMouse = true; return true; },
     "--no-mouse                clicks and the wheel are not taken"},
    {"--begin", 2, false,
     [](BoxOptions& o, char** v, std::string* why) {
         return number(v[0], 0, &o.beginY, "--begin", why) && number(v[1], 0, &o.beginX, "--begin", why);
     },
     "--begin Y X               the box's top left corner"},
    {"--stdout", 0, true,
     [](BoxOptions& o, char**, std::string*) { o.outputFd = 1; return true; },
     "--stdout                  answers on standard output"},
    {"--stderr", 0, true,
     [](BoxOptions& o, char**, std::string*) { o.outputFd = 2; return true; },
     "--stderr                  answers on standard error (so at first)"},
    {"--output-fd", 1, true,
     [](BoxOptions& o, char** v, std::string* why) { return number(v[0], 0, &o.outputFd, "--output-fd", why); },
     "--output-fd FD            answers on that descriptor"},
    {"--input-fd", 1, true,
     [](BoxOptions& o, char** v, std::string* why) { return number(v[0], 0, &o.inputFd, "--input-fd", why); },
     "--input-fd FD             keys from that descriptor"},
    {"--separate-widget", 1, true,
     [](BoxOptions& o, char** v, std::string*) { o.separateWidget = v[0]; return true; },
     "--separate-widget TEXT    between two boxes' answers (a tab at first)"},
    {"--date-format", 1, false,
     [](BoxOptions& o, char** v, std::string*) { o.dateFormat = v[0]; return true; },
     "--date-format FORMAT      the calendar's answer as strftime writes it"},
    {"--time-format", 1, false,
     [](BoxOptions& o, char** v, std::string*) { o.timeFormat = v[0]; return true; },
     "--time-format FORMAT      the time box's answer as strftime writes it"},
    // Accepted and ignored: each changes only how the screen looks.
    {"--aspect", 1, true, nullptr, "--aspect RATIO            accepted; boxes fit their text"},
    {"--shadow --no-shadow", 0, true, nullptr, "--shadow, --no-shadow     accepted; boxes have no shadow"},
    {"--fb --fullbuttons", 0, true, nullptr, "--fb, --fullbuttons       accepted; buttons are always full"},
    {"--scrolltext", 0, false, nullptr, "--scrolltext              accepted; long texts always scroll"},
    {"--ascii-lines --no-lines --visit-items --tab-correct --topleft "
     "--erase-on-exit --cursor-off-label --ignore --size-err --last-key --reorder --iso-week "
     "--keep-window --no-kill --beep --beep-after --no-hot-list --scrollbar --fixed-font", 0,
     true, nullptr, nullptr},
    {"--hfile --hline --column-separator --week-start --trace --rc-file", 1, true, nullptr, nullptr},
    // Refused: each would write what a script reads, laid out by rules
    // of another program's own that this one does not follow.
    {"--print-size --print-text-size --print-text-only --create-rc", 0, false, refuse,
     nullptr},
};

const OptionRow* findOption(const char* arg)
{
    size_t len = strlen(arg);
    if (len == 0 || strchr(arg, ' ') != nullptr)
        return nullptr;                  // an empty tag or an item of words is never an option
    for (const OptionRow& row : OPTIONS)
        for (const char* s = strstr(row.spellings, arg); s != nullptr; s = strstr(s + 1, arg))
            if ((s == row.spellings || s[-1] == ' ') && (s[len] == ' ' || s[len] == '\0'))
                return &row;
    return nullptr;
}

bool isHelp(const char* arg) { return strcmp(arg, "--help") == 0 || strcmp(arg, "-h") == 0; }

bool isVersion(const char* arg) { return strcmp(arg, "--version") == 0 || strcmp(arg, "-v") == 0; }

// Counts and, for TEXT HEIGHT WIDTH boxes, the sizes, before the screen starts.
bool checkStep(const BoxStep& step, std::string* error)
{
    const BoxEntry* e = step.entry;
    std::string name = e->name;
    if (e->run == nullptr) {
        *error = name + " is not available in this version";
        return false;
    }
    if (step.argc < e->minArgs) {
        *error = "missing arguments for " + name + ": expected at least " +
                 std::to_string(e->minArgs) + ", got " + std::to_string(step.argc);
        return false;
    }
    if (e->maxArgs >= 0 && step.argc > e->maxArgs) {
        *error = "unexpected argument after " + name + ": " + step.argv[e->maxArgs];
        return false;
    }
    int size = 0;
    for (int i = 1; e->textSized && i <= 2; i++)
        if (!boxNumber(step.argv[i], &size)) {
            *error = std::string("expected a number for the ") + (i == 1 ? "height" : "width") +
                     " of " + name + ": " + step.argv[i];
            return false;
        }
    std::string why;
    if (e->check != nullptr && !e->check(step.options, step.argc, step.argv, &why)) {
        *error = name + ": " + why;
        return false;
    }
    return true;
}


// An option read but not yet given to a box: it goes to the open box when
// one of that box's arguments follows it, else to the next box.
struct Waiting {
    const OptionRow* row;
    char*            values[2];
};

// Walks the arguments once. --file splices what its file holds in place,
// each spliced argument one file deeper than the --file that named it.
class Parser {
public:
    Parser(int argc, char** argv, BoxCommand* command) : command(command)
    {
        args.assign(argv + 1, argv + (argc > 0 ? argc : 1));
        depths.assign(args.size(), 0);
    }
    BoxParse run();

private:
    BoxParse fail(const std::string& error)
    {
        command->error = boxEscaped(error);
        command->last = kept;
        return PARSE_ERROR;
    }
    bool expandFile();
    bool option(const OptionRow* row, const char* name);
    bool closeBox();
    void argument(char* arg);

    BoxCommand*        command;
    std::vector<char*> args;
    std::vector<int>   depths;
    size_t             next = 0;
    size_t             budget = BOX_ARG_FILE_LIMIT;
    BoxOptions         kept, current;      // current: the next box's
    BoxStep            open{};             // entry null: no box open
    std::vector<char*> openArgs;
    std::vector<Waiting> waiting;
    std::string        error;
};

bool Parser::expandFile()
{
    if (next + 1 >= args.size()) {
        error = "missing value for --file";
        return false;
    }
    const char* path = args[next + 1];
    int depth = depths[next] + 1;
    if (depth > BOX_ARG_FILE_DEPTH) {
        error = std::string("--file ") + path + ": files name files more than " +
                std::to_string(BOX_ARG_FILE_DEPTH) + " deep (one names itself?)";
        return false;
    }
    std::vector<std::string> read;
    if (!readBoxArgFile(path, &budget, &read, &error))
        return false;
    std::vector<char*> spliced;
    for (std::string& a : read) {
        command->texts.push_back(std::move(a));
        spliced.push_back(&command->texts.back()[0]);
    }
    args.erase(args.begin() + next, args.begin() + next + 2);
    depths.erase(depths.begin() + next, depths.begin() + next + 2);
    args.insert(args.begin() + next, spliced.begin(), spliced.end());
    depths.insert(depths.begin() + next, spliced.size(), depth);
    return true;
}

// Sets the option for the next box (and for all later ones when it is
// kept) and notes it as waiting. A value written -- VALUE is VALUE.
bool Parser::option(const OptionRow* row, const char* name)
{
    Waiting w{row, {nullptr, nullptr}};
    next++;
    for (int k = 0; k < row->args; k++, next++) {
        if (next + 1 < args.size() && strcmp(args[next], "--") == 0)
            next++;
        if (next >= args.size()) {
            error = std::string("missing value for ") + name;
            return false;
        }
        w.values[k] = args[next];
    }
    if (row->set == refuse) {
        error = std::string(name) + " is not available in this version";
        return false;
    }
    if (row->set == nullptr)
        return true;
    if (!row->set(current, w.values, &error))
        return false;
    if (row->kept)
        row->set(kept, w.values, &error);
    waiting.push_back(w);
    return true;
}

// An argument of the open box: the options waiting before it are its own.
void Parser::argument(char* arg)
{
    for (Waiting& w : waiting)
        w.row->set(open.options, w.values, &error);
    if (!waiting.empty())
        current = kept;
    waiting.clear();
    openArgs.push_back(arg);
}

bool Parser::closeBox()
{
    if (open.entry == nullptr)
        return true;
    openArgs.push_back(nullptr);
    command->arrays.push_back(openArgs);
    open.argv = command->arrays.back().data();
    open.argc = (int)openArgs.size() - 1;
    openArgs.clear();
    BoxStep step = open;
    open.entry = nullptr;
    if (!checkStep(step, &error))
        return false;
    command->steps.push_back(step);
    return true;
}

BoxParse Parser::run()
{
    bool textOnly = false;               // a bare -- was met
    while (next < args.size()) {
        char* arg = args[next];
        if (textOnly || strcmp(arg, "--") == 0) {
            if (strcmp(arg, "--") == 0 && next + 1 < args.size() &&
                (!textOnly || strncmp(args[next + 1], "--", 2) == 0)) {
                arg = args[++next];      // the first ends the options; later ones escape
            } else if (!textOnly) {
                next++;                  // the last argument: nothing to end
                continue;
            }
            textOnly = true;
            if (open.entry == nullptr)
                return fail(std::string("unexpected argument: ") + arg);
            argument(arg);
            next++;
            continue;
        }
        if (isHelp(arg))
            return PARSE_HELP;
        if (isVersion(arg))
            return PARSE_VERSION;
        if (strcmp(arg, "--file") == 0) {
            if (!expandFile())
                return fail(error);
        } else if (strcmp(arg, "--and-widget") == 0) {
            if (!closeBox())
                return fail(error);
            next++;
        } else if (const BoxEntry* entry = findBox(arg)) {
            if (!closeBox())
                return fail(error);
            open = BoxStep{entry, 0, nullptr, current};
            current = kept;
            waiting.clear();
            next++;
        } else if (const OptionRow* row = findOption(arg)) {
            if (!option(row, arg))
                return fail(error);
        } else if (open.entry != nullptr) {
            argument(arg);
            next++;
        } else {
            return fail(std::string(arg[0] == '-' ? "unknown option: " : "unexpected argument: ") + arg);
        }
    }
    // Options after the last box's arguments are its own; after
    // --and-widget with no box to follow, they apply to none.
    if (open.entry != nullptr) {
        for (Waiting& w : waiting)
            w.row->set(open.options, w.values, &error);
        waiting.clear();
    }
    if (command->steps.empty() && open.entry == nullptr)
        return fail("no box given");
    if (!waiting.empty())
        return fail(std::string(waiting.front().row->spellings).substr(
                        0, strcspn(waiting.front().row->spellings, " ")) + " applies to no box");
    if (!closeBox())
        return fail(error);
    command->last = kept;
    return PARSE_RUN;
}

}  // namespace

std::string boxEscaped(const std::string& text)
{
    static const char HEX[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c != 0x7f) {
            out += (char)c;
            continue;
        }
        out += "\\x";
        out += HEX[c >> 4];
        out += HEX[c & 15];
    }
    return out;
}

bool boxNumber(const char* text, int* value)
{
    const char* p = text;
    if (*p == '-' || *p == '+')
        p++;
    if (*p == '\0')
        return false;
    long long v = 0;
    for (; *p != '\0'; p++) {
        if (*p < '0' || *p > '9')
            return false;
        if (v < 100000)
            v = v * 10 + (*p - '0');
    }
    if (v > 100000)
        v = 100000;
    *value = (int)(text[0] == '-' ? -v : v);
    return true;
}

BoxParse parseBoxCommand(int argc, char** argv, BoxCommand* command)
{
    return Parser(argc, argv, command).run();
}

std::string boxOptionsHelp()
{
    std::string out;
    for (const OptionRow& row : OPTIONS)
        if (row.help != nullptr)
            out += std::string("  ") + row.help + "\n";
    return out;
}
