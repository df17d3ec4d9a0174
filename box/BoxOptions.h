// BoxOptions.h - the box program's command line: the common options in one
// table (BoxOptions.cpp), the parser that turns argv into the boxes to run,
// each with the options in force for it, or into a one-line error, and the
// argument files of --file (BoxArgFile.cpp).
#ifndef VELMORA_BOX_BOXOPTIONS_H
#define VELMORA_BOX_BOXOPTIONS_H
#include "Box.h"

#include <deque>
#include <string>
#include <vector>

// One box to run: its table entry, its arguments and its options.
struct BoxStep {
    const BoxEntry* entry;
    int             argc;
    char**          argv;                // null-ended, owned by the BoxCommand
    BoxOptions      options;
};

enum BoxParse : int { PARSE_RUN, PARSE_HELP, PARSE_VERSION, PARSE_ERROR };

// The command line taken apart. It owns what the steps point into: the
// arguments read from --file and each box's argument array (a box's
// arguments need not stand together: options may come between them).
struct BoxCommand {
    std::vector<BoxStep> steps;          // PARSE_RUN: at least one
    BoxOptions           last;           // as they stood where parsing ended
    std::string          error;          // PARSE_ERROR: one line, no newline
    std::deque<std::string>        texts;  // read through --file
    std::deque<std::vector<char*>> arrays; // the steps' argv
    BoxCommand() = default;
    BoxCommand(const BoxCommand&) = delete;
    BoxCommand& operator=(const BoxCommand&) = delete;
};

// Parses argv into command. Options may stand before a box or among and
// after its arguments (then they are its own, the later of two winning);
// options between two boxes are the second's. A bare -- makes every later
// argument a box argument, even one that looks like an option; after it, a
// -- before an argument starting with -- only escapes that argument, and
// an option's value given as -- VALUE is VALUE (as the other programs write
// them). --file FILE is replaced by the arguments the file holds.
BoxParse parseBoxCommand(int argc, char** argv, BoxCommand* command);

// Reads the arguments of an argument file: blanks and newlines outside
// double quotes separate them; a backslash keeps the next backslash, double
// quote or blank as it is (before any other character it is itself). path
// "-" is standard input and "&N" descriptor N; any other path must name a
// regular file. Bounded: budget holds the bytes that may still be read and
// is lessened by what was. The arguments are appended to args; false with
// a one-line reason in error, args left as it was.
const size_t BOX_ARG_FILE_LIMIT = 4 << 20;   // bytes read through --file in all
const int    BOX_ARG_FILE_DEPTH = 8;         // files naming files: one naming itself ends here
bool readBoxArgFile(const char* path, size_t* budget, std::vector<std::string>* args,
                    std::string* error);

// text with its control bytes written as \xNN: an error quoting an argument
// (a file's, maybe) stays one line and sends the terminal nothing to obey.
std::string boxEscaped(const std::string& text);

// A number of the command line: optional sign and decimal digits, cut to
// plus or minus 100,000 (no box or time is larger). False for anything else.
bool boxNumber(const char* text, int* value);

// The common options in the --help text's form, one line each.
std::string boxOptionsHelp();
#endif
