// BoxForm.cpp - --form, --passwordform and --mixedform (box/): labelled
// fields placed where the script says; the answer is a line per field (the
// fields with a length: read-only ones of a mixed form too).
#include "BoxRows.h"

#include <CurTDialog.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

// A whole number within +-10000, the limit the screen could ever use.
static bool formNumber(const char* arg, int* value)
{
    char* end = nullptr;
    errno = 0;
    long v = strtol(arg, &end, 10);
    if (end == arg || *end != '\0' || errno != 0)
        return false;
    *value = v > 10000 ? 10000 : v < -10000 ? -10000 : (int)v;
    return true;
}

// One field: LABEL Y X ITEM Y X FIELD-LENGTH INPUT-LENGTH [TYPE]. Places
// count from 1; a field length of 0 or less is a field shown but not edited
// nor answered, and type 1 hides the text, type 2 shows it read-only. An
// edited field holds INPUT-LENGTH bytes (0: its field length): the first
// text is cut to them, at a character's end, and typing stops there.
// The bytes of text up to the end of the last whole UTF-8 character within limit.
static size_t characterEnd(const char* text, size_t limit)
{
    size_t end = limit;
    while (end > 0 && ((unsigned char)text[end] & 0xC0) == 0x80)
        end--;
    return end;
}

struct FormRow {
    CurTDialog::FormField field;
    std::vector<char>     buffer;
    bool                  written;       // part of the answer
};

static bool formRow(char** a, bool mixed, bool password, FormRow* row)
{
    int ly, lx, fy, fx, flen, ilen, type = password ? 1 : 0;
    if (!formNumber(a[1], &ly) || !formNumber(a[2], &lx) || !formNumber(a[4], &fy)
        || !formNumber(a[5], &fx) || !formNumber(a[6], &flen) || !formNumber(a[7], &ilen)
        || (mixed && !formNumber(a[8], &type)))
        return false;
    CurTDialog::FormField& f = row->field;
    f.label = a[0];
    f.labelY = ly > 0 ? ly - 1 : 0;
    f.labelX = lx > 0 ? lx - 1 : 0;
    f.fieldY = fy > 0 ? fy - 1 : 0;
    f.fieldX = fx > 0 ? fx - 1 : 0;
    int shown = flen != 0 ? abs(flen) : (int)strlen(a[3]);
    f.width = shown > 0 ? shown : 1;
    f.hidden = (type & 1) != 0;
    f.readOnly = (type & 2) != 0 || flen <= 0;
    size_t first = strlen(a[3]);
    size_t room = first;
    if (flen > 0) {
        room = (size_t)(ilen > 0 ? ilen : flen);
        if (first > room)
            first = characterEnd(a[3], room);
    }
    row->buffer.assign(a[3], a[3] + first);
    row->buffer.resize(room + 1, '\0');
    f.buffer = row->buffer.data();
    f.size = (int)room + 1;
    row->written = flen > 0;
    return true;
}

// The fields after FORM-HEIGHT, in groups of 8 (9 for a mixed form), each
// with a help line after it with --item-help.
static bool formRows(int argc, char** argv, bool mixed, bool password, bool itemHelp,
                     int* formHeight, std::vector<FormRow>* rows, std::string* why)
{
    int group = (mixed ? 9 : 8) + (itemHelp ? 1 : 0);
    int given = argc - 4;
    if (argc < 4 || !formNumber(argv[3], formHeight)) {
        *why = std::string("the form height is not a number: ") + (argc > 3 ? argv[3] : "");
        return false;
    }
    if (given <= 0 || given % group != 0) {
        *why = std::to_string(given) + " arguments after the form height do not make fields of "
               + std::to_string(group);
        return false;
    }
    rows->resize(given / group);
    for (size_t i = 0; i < rows->size(); i++) {
        if (!formRow(argv + 4 + i * group, mixed, password, &(*rows)[i])) {
            *why = "field " + std::to_string(i + 1) + " has a place, length or type that is not a number";
            return false;
        }
        if (itemHelp)
            (*rows)[i].field.help = argv[4 + i * group + group - 1];
    }
    return true;
}

bool checkForm(const BoxOptions& o, int argc, char** argv, std::string* why)
{
    std::vector<FormRow> rows;
    int formHeight;
    return formRows(argc, argv, false, false, o.itemHelp, &formHeight, &rows, why);
}

bool checkMixedForm(const BoxOptions& o, int argc, char** argv, std::string* why)
{
    std::vector<FormRow> rows;
    int formHeight;
    return formRows(argc, argv, true, false, o.itemHelp, &formHeight, &rows, why);
}

// Help's answer: HELP and the field that had the focus, named by its help
// line (--item-help without --help-tags) or its label; with --help-status
// the fields' texts follow, a line each.
static std::string helpAnswer(const BoxOptions& o, const std::vector<FormRow>& rows)
{
    const FormRow* current = &rows[0];
    for (const FormRow& r : rows)
        if (r.field.focused)
            current = &r;
    const char* name = o.itemHelp && !o.helpTags ? current->field.help : current->field.label;
    std::string out = std::string("HELP ") + (name != nullptr ? name : "");
    if (o.helpStatus) {
        out += "\n";
        for (const FormRow& r : rows)
            if (r.written)
                out += std::string(r.buffer.data()) + "\n";
    }
    return out;
}

BoxStatus runForm(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    bool mixed = strcmp(call.name, "--mixedform") == 0;
    bool password = strcmp(call.name, "--passwordform") == 0;
    int formHeight = 0;
    std::vector<FormRow> rows;
    std::string why;
    if (!formRows(call.argc, call.argv, mixed, password, o.itemHelp, &formHeight, &rows, &why)) {
        *call.error = std::string(call.name) + ": " + why;
        return BOX_ERROR;
    }
    std::vector<CurTDialog::FormField> fields;
    for (FormRow& r : rows)
        fields.push_back(r.field);
    BoxButtons buttons = boxButtons(o, BoxDialog::LIST);
    std::string text = boxText(o, call.text);
    BoxTimer timer(o);
    int pressed = CurTDialog::showForm(-1, boxInner(call.width, 4), formHeight, 0, text.c_str(),
                                       o.title, fields.data(), (int)fields.size(),
                                       buttons.texts.data(), buttons.defaultButton);
    BoxStatus status = timer.expired ? BOX_TIMEOUT : boxPressed(buttons, pressed);
    for (size_t i = 0; i < rows.size(); i++)
        rows[i].field.focused = fields[i].focused;
    if (status == BOX_OK || status == BOX_EXTRA)
        for (const FormRow& r : rows)
            if (r.written)
                *call.answer += std::string(r.buffer.data()) + "\n";
    if ((status == BOX_HELP || status == BOX_ITEM_HELP) && !rows.empty())
        *call.answer += helpAnswer(o, rows);
    return status;
}
