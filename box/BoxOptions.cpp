// BoxOptions.cpp - the box program's command line: common options with a
// value, one box option with its text, height and width and an optional
// last argument; sizes checked; every problem reported in one line.
#include "BoxOptions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

const char BOX_USAGE[] =
    "usage: velmora-box [common options] BOX\n"
    "boxes:\n"
    "  --msgbox TEXT H W             a message and OK\n"
    "  --yesno TEXT H W              a question, Yes and No\n"
    "  --inputbox TEXT H W [INIT]    a line of text, OK and Cancel\n"
    "  --passwordbox TEXT H W        the same, typed characters shown as *\n"
    "  --gauge TEXT H W [PERCENT]    a bar fed with percentages, one per line, from\n"
    "                                standard input; XXX, a percentage, text lines\n"
    "                                and XXX again replace the text\n"
    "  --textbox FILE H W            a file in a scrolling viewer (/ searches, n again)\n"
    "  --infobox TEXT H W            a message left on the screen; no key is read\n"
    "common options:\n"
    "  --title TEXT  --backtitle TEXT  --yes-button LABEL  --no-button LABEL\n"
    "  --stdout      the entered text on standard output instead of standard error\n"
    "  --help        this text\n"
    "H and W are the box's rows and columns; 0 fits the box to its text.\n"
    "In TEXT, \\n starts a new line.\n"
    "exit status: 0 OK or Yes, 1 Cancel or No, 255 Esc,\n"
    "2 usage error, unreadable file or no terminal.\n";

// The largest size taken; the screen cuts a box to itself anyway.
static const int MAX_SIZE = 1000;

struct BoxSpec {
    const char* name;
    BoxKind     kind;
    bool        optional;                // takes a fourth, optional argument
};

static const BoxSpec BOXES[] = {
    {"--msgbox", BOX_MSG, false},     {"--yesno", BOX_YESNO, false},
    {"--inputbox", BOX_INPUT, true},  {"--passwordbox", BOX_PASSWORD, false},
    {"--gauge", BOX_GAUGE, true},     {"--textbox", BOX_TEXT, false},
    {"--infobox", BOX_INFO, false},
};

static const char* const VALUED[] = {"--title", "--backtitle", "--yes-button", "--no-button"};

// A whole decimal number from 0 to max, or -1.
static int number(const char* text, int max)
{
    if (text == nullptr || *text == '\0' || strlen(text) > 9)
        return -1;
    for (const char* p = text; *p != '\0'; p++)
        if (*p < '0' || *p > '9')
            return -1;
    int value = atoi(text);
    return value <= max ? value : -1;
}

static bool fail(char* error, int errorSize, const char* what, const char* arg)
{
    snprintf(error, errorSize, "velmora-box: %s%s%s (try --help)", what,
             arg != nullptr ? ": " : "", arg != nullptr ? arg : "");
    return false;
}

static const BoxSpec* findBox(const char* arg)
{
    for (const BoxSpec& spec : BOXES)
        if (strcmp(arg, spec.name) == 0)
            return &spec;
    return nullptr;
}

static const char** valueSlot(const char* arg, BoxOptions* o)
{
    const char** slots[] = {&o->title, &o->backtitle, &o->yesLabel, &o->noLabel};
    for (int i = 0; i < 4; i++)
        if (strcmp(arg, VALUED[i]) == 0)
            return slots[i];
    return nullptr;
}

// The box's own arguments from argv[i] on; i is left after the last taken.
static bool takeBox(const BoxSpec* spec, int argc, char** argv, int* i, BoxOptions* o,
                    char* error, int errorSize)
{
    if (o->kind != BOX_NONE)
        return fail(error, errorSize, "only one box at a time", spec->name);
    if (*i + 3 >= argc)
        return fail(error, errorSize, "missing arguments (TEXT H W)", spec->name);
    o->kind = spec->kind;
    o->text = argv[*i + 1];
    o->height = number(argv[*i + 2], MAX_SIZE);
    o->width = number(argv[*i + 3], MAX_SIZE);
    if (o->height < 0)
        return fail(error, errorSize, "bad height", argv[*i + 2]);
    if (o->width < 0)
        return fail(error, errorSize, "bad width", argv[*i + 3]);
    *i += 4;
    if (spec->optional && *i < argc && strncmp(argv[*i], "--", 2) != 0) {
        if (spec->kind == BOX_INPUT) {
            o->init = argv[*i];
        } else if ((o->percent = number(argv[*i], 100)) < 0) {
            return fail(error, errorSize, "bad percentage", argv[*i]);
        }
        (*i)++;
    }
    return true;
}

bool parseBoxOptions(int argc, char** argv, BoxOptions* o, char* error, int errorSize)
{
    for (int i = 1; i < argc;) {
        const char* arg = argv[i];
        const BoxSpec* spec = findBox(arg);
        const char** slot = valueSlot(arg, o);
        if (spec != nullptr) {
            if (!takeBox(spec, argc, argv, &i, o, error, errorSize))
                return false;
        } else if (slot != nullptr) {
            if (i + 1 >= argc)
                return fail(error, errorSize, "missing value", arg);
            *slot = argv[i + 1];
            i += 2;
        } else if (strcmp(arg, "--stdout") == 0) {
            o->toStdout = true;
            i++;
        } else if (strcmp(arg, "--help") == 0) {
            o->kind = BOX_HELP;
            return true;
        } else {
            return fail(error, errorSize,
                        strncmp(arg, "--", 2) == 0 ? "unknown option" : "unexpected argument", arg);
        }
    }
    if (o->kind == BOX_NONE)
        return fail(error, errorSize, "no box given", nullptr);
    return true;
}
