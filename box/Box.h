// Box.h - the seam between the box program and its boxes (box/). The program
// parses the command line into steps (BoxOptions.cpp), starts the screen and
// runs each step's box; a box is one function in a file of its own,
// box/Box<Name>.cpp, listed once in the box table (BoxTable.cpp).
//
// A box function is handed a BoxCall: the options in force for it, its own
// arguments as typed (already counted against the table's limits and, for
// boxes laid out as TEXT HEIGHT WIDTH, with those three taken apart), and an
// answer string it appends what the script reads to. It returns a
// BoxStatus; the program turns that into the exit status (the DIALOG_*
// variables may change the numbers) and writes the answer to the output
// descriptor after the box, failing with the error status when it cannot.
// A box never writes to standard output or error itself and never exits.
#ifndef VELMORA_BOX_BOX_H
#define VELMORA_BOX_BOX_H
#include <string>

// What a box ended with. Each has an exit status, changed by the variable
// named after it (BOX_ITEM_HELP follows DIALOG_HELP unless DIALOG_ITEM_HELP is set).
enum BoxStatus : int { BOX_OK, BOX_CANCEL, BOX_HELP, BOX_EXTRA, BOX_ITEM_HELP, BOX_TIMEOUT,
                       BOX_ESC, BOX_ERROR };

// The buttons a box may show, in the row's order; --default-button names one.
enum BoxButton : int { BUTTON_NONE, BUTTON_OK, BUTTON_EXTRA, BUTTON_CANCEL, BUTTON_HELP };

// The common options. Those marked "kept" stay in force for the boxes that
// follow in the same call; the others go back to these defaults after each box.
struct BoxOptions {
    // the frame
    const char* title = nullptr;
    const char* backtitle = nullptr;     // kept
    // buttons: labels (null: the box's own word) and which are shown
    const char* okLabel = nullptr;
    const char* cancelLabel = nullptr;
    const char* yesLabel = nullptr;
    const char* noLabel = nullptr;
    const char* extraLabel = nullptr;
    const char* helpLabel = nullptr;
    const char* exitLabel = nullptr;
    bool        extraButton = false;
    bool        helpButton = false;
    bool        noCancel = false;
    bool        noOk = false;
    bool        defaultNo = false;       // the question's focus starts on No
    BoxButton   defaultButton = BUTTON_NONE;
    // lists and forms
    const char* defaultItem = nullptr;
    bool        itemHelp = false;
    bool        helpStatus = false;
    bool        helpTags = false;
    bool        noTags = false;
    bool        noItems = false;
    bool        separateOutput = false;
    bool        quoted = false;          // kept
    bool        singleQuoted = false;    // kept
    const char* outputSeparator = nullptr; // kept; null: a blank
    // text
    bool        crWrap = false;          // kept
    bool        noCollapse = false;      // kept
    bool        trim = false;            // kept
    bool        noNlExpand = false;      // kept
    bool        colors = false;          // kept
    int         tabLen = 8;              // kept
    // input
    bool        insecure = false;        // kept
    int         maxInput = -1;           // -1: no limit
    // the calendar's and time box's answers: strftime formats; null: dd/mm/yyyy, hh:mm:ss
    const char* dateFormat = nullptr;
    const char* timeFormat = nullptr;
    // time
    int         timeout = 0;             // seconds without a key before BOX_TIMEOUT; 0: none
    int         sleep = 0;               // seconds to wait after the box
    // the screen
    bool        clear = false;           // kept
    bool        keepTite = false;        // kept
    bool        noMouse = false;         // kept; the mouse is on unless set
    int         beginY = -1, beginX = -1; // the box's top left corner; -1: centred
    // output
    int         outputFd = 2;            // kept
    int         inputFd = -1;            // kept; where the keys come from; -1: the terminal
    const char* separateWidget = nullptr; // kept; between two boxes' answers; null: a tab
};

// What a box is handed.
struct BoxCall {
    const BoxOptions* options;
    const char* name;                    // as typed, e.g. "--msgbox"
    int         argc;                    // the box's own arguments
    char**      argv;
    const char* text;                    // TEXT HEIGHT WIDTH boxes: argv[0] ...
    int         height;                  // ... and the sizes: 0 fits the text,
    int         width;                   // a negative size takes the screen
    std::string* answer;                 // appended to; written out after the box
    std::string* error;                  // BOX_ERROR's one-line reason, reported after the screen
};

typedef BoxStatus (*BoxRun)(BoxCall& call);
// A check of a box's own arguments made before the screen starts, under the
// options in force for it: false with a one-line reason (no program name, no
// newline) in why.
typedef bool (*BoxCheck)(const BoxOptions& options, int argc, char** argv, std::string* why);

// What a box needs: keys from the terminal; standard input as data (its
// keys, if any, from the terminal); only the screen; not even the screen.
enum BoxInput : int { INPUT_KEYS, INPUT_DATA, INPUT_NONE, INPUT_NO_SCREEN };

struct BoxEntry {
    const char* name;                    // the option naming the box
    int         minArgs, maxArgs;        // after the name; maxArgs -1: no limit
    bool        textSized;               // laid out as TEXT HEIGHT WIDTH ...
    BoxInput    input;                   // INPUT_DATA: standard input is read as data
    BoxRun      run;                     // null: known but not available yet
    BoxCheck    check;                   // null: nothing more to check
};

// The table of boxes; null for a name that is not a box.
const BoxEntry* findBox(const char* name);
// Every entry, in the order --help lists them; count receives their number.
const BoxEntry* boxTable(int* count);

// The program named whiptail or dialog (a link) looks as that program does;
// under any other name, its own look (BoxRows.cpp).
enum BoxLook : int { LOOK_OWN, LOOK_WHIPTAIL, LOOK_DIALOG };
BoxLook boxLook();
// The OK button's word in that look.
const char* boxOkWord();

// The text as boxes show it (BoxText.cpp): the two characters \n break the
// line (unless --no-nl-expand), a newline does so too unless the text holds
// \n and neither --cr-wrap nor --no-nl-expand is given (then it is a
// blank; under the name whiptail it always breaks), runs of blanks and tabs collapse to one blank unless
// --no-collapse (as the library's wrapping does), and --trim drops the blanks
// that start the text and its lines. With --no-collapse the boxes keep the
// blanks (their labels keep blanks) and a tab becomes blanks up to the next
// stop of --tab-len columns. With --colors the \Z attribute sequences are
// taken out: the text shows plain.
std::string boxText(const BoxOptions& options, const char* text);

// A size as scripts give it (0 fits the text, a negative size takes the
// screen) less the chrome rows or columns around the text, as the library's
// boxes take it: -1 fits the text, a large size is cut to the screen.
inline int boxInner(int size, int chrome)
{
    if (size < 0)
        return 100000;
    return size - chrome > 0 ? size - chrome : -1;
}

// The calendar's and time box's height as the other program reads it: a
// positive height is the text's rows, the gadget and the chrome come on top.
inline BoxCall boxAroundBody(const BoxCall& call, int bodyRows)
{
    BoxCall sized = call;
    if (call.height > 0)
        sized.height = call.height + bodyRows + 4;
    return sized;
}

// The boxes, each in its own file.
BoxStatus runMsgBox(BoxCall& call);
BoxStatus runYesNo(BoxCall& call);
BoxStatus runInfoBox(BoxCall& call);
BoxStatus runInputBox(BoxCall& call);      // --inputbox and --passwordbox
BoxStatus runTextBox(BoxCall& call);
BoxStatus runGauge(BoxCall& call);
BoxStatus runPrintMaxsize(BoxCall& call);  // the sizes, not a screen
BoxStatus runPrintVersion(BoxCall& call);  // the version, not a screen
bool      checkGauge(const BoxOptions&, int argc, char** argv, std::string* why);
bool      checkTextBox(const BoxOptions&, int argc, char** argv, std::string* why);
bool      keepTextBoxFile(const BoxOptions&, int argc, char** argv, std::string* why); // --textbox
// The list, form and other boxes built on the library's lists, forms and viewer.
BoxStatus runMenu(BoxCall& call);
BoxStatus runCheckList(BoxCall& call);     // --checklist and --radiolist
BoxStatus runInputMenu(BoxCall& call);
BoxStatus runForm(BoxCall& call);          // --form, --passwordform and --mixedform
BoxStatus runTailBox(BoxCall& call);
BoxStatus runProgramBox(BoxCall& call);    // --programbox, --progressbox and --prgbox
BoxStatus runMixedGauge(BoxCall& call);
BoxStatus runPause(BoxCall& call);
bool      checkMenu(const BoxOptions&, int argc, char** argv, std::string* why);
bool      checkCheckList(const BoxOptions&, int argc, char** argv, std::string* why);
bool      checkForm(const BoxOptions&, int argc, char** argv, std::string* why);
bool      checkMixedForm(const BoxOptions&, int argc, char** argv, std::string* why);
bool      checkMixedGauge(const BoxOptions&, int argc, char** argv, std::string* why);
bool      checkPause(const BoxOptions&, int argc, char** argv, std::string* why);
bool      checkProgramBox(const BoxOptions&, int argc, char** argv, std::string* why);
// The calendar, time, file, editor and tree boxes built on the library's gadgets.
BoxStatus runCalendar(BoxCall& call);
BoxStatus runTimeBox(BoxCall& call);
BoxStatus runFSelect(BoxCall& call);       // --fselect and --dselect
BoxStatus runEditBox(BoxCall& call);
BoxStatus runTreeView(BoxCall& call);
bool      checkTreeView(const BoxOptions&, int argc, char** argv, std::string* why);
bool      checkTimeBox(const BoxOptions&, int argc, char** argv, std::string* why);
BoxStatus runRangeBox(BoxCall& call);
BoxStatus runBuildList(BoxCall& call);
bool      checkRangeBox(const BoxOptions&, int argc, char** argv, std::string* why);
#endif
