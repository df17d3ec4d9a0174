// BoxOptions.h - the box program's command line: the common options in one
// table (BoxOptions.cpp) and the parser that turns argv into the boxes to
// run, each with the options in force for it, or into a one-line error.
#ifndef VELMORA_BOX_BOXOPTIONS_H
#define VELMORA_BOX_BOXOPTIONS_H
#include "Box.h"

#include <string>
#include <vector>

// One box to run: its table entry, its arguments and its options.
struct BoxStep {
    const BoxEntry* entry;
    int             argc;
    char**          argv;
    BoxOptions      options;
};

enum BoxParse : int { PARSE_RUN, PARSE_HELP, PARSE_VERSION, PARSE_ERROR };

// Parses argv. PARSE_RUN fills steps (at least one); PARSE_ERROR leaves a
// one-line reason (no newline) in error. last receives the options as they
// stood where parsing ended, so that an error goes where they say.
BoxParse parseBoxCommand(int argc, char** argv, std::vector<BoxStep>* steps, BoxOptions* last,
                         std::string* error);

// A number of the command line: optional sign and decimal digits, cut to
// plus or minus 100,000 (no box or time is larger). False for anything else.
bool boxNumber(const char* text, int* value);

// The common options in the --help text's form, one line each.
std::string boxOptionsHelp();
#endif
