// BoxOptions.h - the box program's command line: what it asks for, and the
// parser that turns argv into it or into a one-line usage error.
#ifndef VELMORA_BOX_BOXOPTIONS_H
#define VELMORA_BOX_BOXOPTIONS_H

enum BoxKind { BOX_NONE, BOX_MSG, BOX_YESNO, BOX_INPUT, BOX_PASSWORD, BOX_GAUGE,
               BOX_TEXT, BOX_INFO, BOX_HELP };

struct BoxOptions {
    BoxKind     kind = BOX_NONE;
    const char* text = nullptr;          // the box's text, or the file of --textbox
    int         height = 0;              // the box's rows; 0 fits the text
    int         width = 0;               // the box's columns; 0 fits the text
    const char* init = nullptr;          // --inputbox's initial text
    int         percent = 0;             // --gauge's first percentage
    const char* title = nullptr;
    const char* backtitle = nullptr;
    const char* yesLabel = nullptr;
    const char* noLabel = nullptr;
    bool        toStdout = false;
};

// Fills options from argv; on a usage error returns false with a one-line
// message (no newline) in error, of errorSize bytes.
bool parseBoxOptions(int argc, char** argv, BoxOptions* options, char* error, int errorSize);
// The --help text.
extern const char BOX_USAGE[];
#endif
