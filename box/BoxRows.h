// BoxRows.h - what the list and form boxes share (box/): the rows given on
// the command line, the buttons the options ask for and what each means,
// and tags written as scripts read them.
#ifndef VELMORA_BOX_BOXROWS_H
#define VELMORA_BOX_BOXROWS_H
#include "Box.h"
#include "BoxDialog.h"

#include <CurTDialog.h>

#include <string>
#include <vector>

// The rows of a list box: the arguments after TEXT HEIGHT WIDTH LIST-HEIGHT
// taken in groups of tag, item (unless --no-items), status (check and radio
// lists) and help (--item-help).
struct BoxRows {
    std::vector<const char*> tags, items, helps;
    std::vector<char>        marks;      // 1 for a status of "on" in any case; anything else is off
    int                      listHeight = 0;
    int                      current = 0; // the --default-item row, or the first
};
// False with a one-line reason in why when the arguments (LIST-HEIGHT
// first) do not make rows.
bool boxRows(const BoxOptions& o, int argc, char** argv, bool withStatus, BoxRows* rows,
             std::string* why);

bool boxRows(const BoxCall& call, bool withStatus, BoxRows* rows); // why in call.error

// Runs the rows as a list box of that kind with the buttons, text, title,
// sizes and --timeout of the call. setup comes with what the box sets
// itself (tags, items, helps, marks); it leaves with the row current at the
// end. Returns the status of the button pressed, or the time-out.
// With renamed, the menu's Extra button renames the current item in place
// (CurTDialog::showInputMenu) and renamed receives the new text.
BoxStatus boxShowList(BoxCall& call, const BoxRows& rows, const BoxButtons& buttons,
                      CurTDialog::LIST_KIND kind, CurTDialog::ListSetup* setup,
                      std::string* renamed = nullptr);
// The status of the button pressed (or BOX_ESC for none).
BoxStatus boxPressed(const BoxButtons& buttons, int index);
// The answer of the Help button on row current: "HELP" and the row's help
// line (--item-help) or, with --help-tags or without help lines, its tag;
// with --help-status a list's state (its OK answer; null for a menu) follows,
// after a newline with --separate-output, else after a blank when not empty.
std::string boxHelpAnswer(const BoxOptions& o, const BoxRows& rows, int current,
                          const std::string* state);

// --timeout around a box the library runs: after the seconds its loop
// stops as if the input had ended, and expired tells that apart from Esc.
class BoxTimer {
public:
    explicit BoxTimer(const BoxOptions& o);
    ~BoxTimer();
    BoxTimer(const BoxTimer&) = delete;
    BoxTimer& operator=(const BoxTimer&) = delete;
    bool expired = false;

private:
    static bool expireCB(void* data);
    int id;
};

// A tag for the answer: as it is, or in double quotes (single with
// --single-quoted) when it is empty or holds a blank, a quote or a backslash.
std::string boxQuoted(const BoxOptions& o, const char* tag);
#endif
