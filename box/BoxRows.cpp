// BoxRows.cpp - the rows, buttons and quoting the list and form boxes share
// (box/).
#include "BoxRows.h"

#include <CurInit.h>
#include <CurLabel.h>
#include <curses.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <strings.h>

BoxLook boxLook()
{
    const char* name = program_invocation_short_name;
    return strcmp(name, "whiptail") == 0 ? LOOK_WHIPTAIL
           : strcmp(name, "dialog") == 0 ? LOOK_DIALOG : LOOK_OWN;
}

const char* boxOkWord()
{
    return boxLook() == LOOK_WHIPTAIL ? "Ok" : " OK ";
}

// A list height as scripts give it: a whole number; 0 or less fits the rows.
static bool listHeight(const char* arg, int* height)
{
    char* end = nullptr;
    errno = 0;
    long value = strtol(arg, &end, 10);
    if (end == arg || *end != '\0' || errno != 0)
        return false;
    *height = value > 10000 ? 10000 : value < 0 ? 0 : (int)value;
    return true;
}

bool boxRows(const BoxOptions& o, int argc, char** argv, bool withStatus, BoxRows* rows,
             std::string* why)
{
    if (argc < 4 || !listHeight(argv[3], &rows->listHeight)) {
        *why = std::string("the list height is not a number: ") + (argc > 3 ? argv[3] : "");
        return false;
    }
    int group = 1 + (o.noItems ? 0 : 1) + (withStatus ? 1 : 0) + (o.itemHelp ? 1 : 0);
    int given = argc - 4;
    if (given == 0 || given % group != 0) {
        *why = std::to_string(given) + " arguments after the list height do not make rows of "
               + std::to_string(group);
        return false;
    }
    int statusAt = withStatus ? group - 1 - (o.itemHelp ? 1 : 0) : -1;
    for (int i = 4; i < argc; i += group) {
        char** row = argv + i;
        rows->tags.push_back(row[0]);
        rows->items.push_back(o.noItems ? "" : row[1]);
        if (withStatus)
            rows->marks.push_back(strcasecmp(row[statusAt], "on") == 0);
        if (o.itemHelp)
            rows->helps.push_back(row[group - 1]);
        if (o.defaultItem != nullptr && rows->current == 0 && strcmp(row[0], o.defaultItem) == 0)
            rows->current = (int)rows->tags.size() - 1;
    }
    return true;
}

bool checkMenu(const BoxOptions& o, int argc, char** argv, std::string* why)
{
    BoxRows rows;
    return boxRows(o, argc, argv, false, &rows, why);
}

bool checkCheckList(const BoxOptions& o, int argc, char** argv, std::string* why)
{
    BoxRows rows;
    return boxRows(o, argc, argv, true, &rows, why);
}

// The rows of a box whose arguments were checked before the screen started;
// should they still fail, the reason goes to the call's error.
bool boxRows(const BoxCall& call, bool withStatus, BoxRows* rows)
{
    std::string why;
    if (boxRows(*call.options, call.argc, call.argv, withStatus, rows, &why))
        return true;
    *call.error = std::string(call.name) + ": " + why;
    return false;
}

BoxStatus boxPressed(const BoxButtons& buttons, int index)
{
    return index >= 0 && index < (int)buttons.meaning.size() ? buttons.meaning[index] : BOX_ESC;
}

std::string boxHelpAnswer(const BoxOptions& o, const BoxRows& rows, int current,
                          const std::string* state)
{
    bool help = o.itemHelp && !o.helpTags && current < (int)rows.helps.size();
    std::string out = std::string("HELP ") + (help ? rows.helps[current] : rows.tags[current]);
    if (o.helpStatus && state != nullptr && (o.separateOutput || !state->empty()))
        out += (o.separateOutput ? "\n" : " ") + *state;
    return out;
}

BoxTimer::BoxTimer(const BoxOptions& o)
    : id(o.timeout > 0 ? CurInit::addTimer(o.timeout * 1000, expireCB, this) : -1)
{
}

BoxTimer::~BoxTimer()
{
    if (id > 0)
        CurInit::removeTimer(id);
}

bool BoxTimer::expireCB(void* data)
{
    static_cast<BoxTimer*>(data)->expired = true;
    return true;                         // stops the loop that waits
}

std::string boxQuoted(const BoxOptions& o, const char* tag)
{
    char q = o.singleQuoted ? '\'' : '"';
    if (tag[0] != '\0' && strpbrk(tag, o.singleQuoted ? " \t\n\"'\\" : " \t\n\"\\") == nullptr)
        return tag;                      // a single quote alone needs no double quotes
    std::string out(1, q);
    for (const char* p = tag; *p != '\0'; p++) {
        if (q == '"' && (*p == '"' || *p == '\\'))
            out += '\\';
        if (q == '\'' && *p == '\'') {
            out += "'\\''";
            continue;
        }
        out += *p;
    }
    return out + q;
}

BoxStatus boxShowList(BoxCall& call, const BoxRows& rows, const BoxButtons& buttons,
                      CurTDialog::LIST_KIND kind, CurTDialog::ListSetup* setup,
                      std::string* renamed)
{
    const BoxOptions& o = *call.options;
    setup->count = (int)rows.tags.size();
    setup->current = rows.current;
    setup->buttons = buttons.texts.data();
    setup->defaultButton = buttons.defaultButton;
    std::string text = boxText(o, call.text);
    int listHeight = rows.listHeight > 0 ? rows.listHeight : call.height > 7 ? call.height - 7 : 0;
    // The reference programs keep the box's height: the list takes what the
    // text leaves of it.
    if (boxLook() != LOOK_OWN && call.height > 0 && call.width > 4) {
        int width = call.width < COLS ? call.width : COLS;
        int textRows = text.empty() ? 0 : CurLabel::getEffHeight(text.c_str(), width - 4, o.noCollapse);
        listHeight = call.height - 6 - textRows > 1 ? call.height - 6 - textRows : 1;
    }
    BoxTimer timer(o);
    int rename = -1;
    for (size_t i = 0; renamed != nullptr && i < buttons.meaning.size(); i++)
        if (buttons.meaning[i] == BOX_EXTRA)
            rename = (int)i;
    int pressed = rename >= 0 ? CurTDialog::showInputMenu(-1, boxInner(call.width, 4), listHeight, 0,
                                                          text.c_str(), o.title, setup, rename, renamed)
                              : CurTDialog::showList(-1, boxInner(call.width, 4), listHeight, 0,
                                                     text.c_str(), o.title, kind, setup);
    return timer.expired ? BOX_TIMEOUT : boxPressed(buttons, pressed);
}
