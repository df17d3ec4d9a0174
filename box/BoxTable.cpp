// BoxTable.cpp - the box program's boxes (box/): one row per box, naming the
// function in the box's own file that runs it.
//
// To add a box: write box/Box<Name>.cpp with a BoxStatus run<Name>(BoxCall&)
// (and, when its arguments need more than a count, a check), declare it in
// Box.h, list the file in CMakeLists.txt and add its row here. The program
// does the rest: the options, the screen, the answer and the exit status.
#include "Box.h"

#include <cstring>

static const BoxEntry BOXES[] = {
    // name             args min, max  TEXT H W  input        run              check
    {"--msgbox",        3, 3,          true,     INPUT_KEYS,  runMsgBox,       nullptr},
    {"--yesno",         3, 3,          true,     INPUT_KEYS,  runYesNo,        nullptr},
    {"--infobox",       3, 3,          true,     INPUT_NONE,  runInfoBox,      nullptr},
    {"--inputbox",      3, 4,          true,     INPUT_KEYS,  runInputBox,     nullptr},
    {"--passwordbox",   3, 4,          true,     INPUT_KEYS,  runInputBox,     nullptr},
    {"--textbox",       3, 3,          true,     INPUT_KEYS,  runTextBox,      keepTextBoxFile},
    {"--gauge",         3, 4,          true,     INPUT_DATA,  runGauge,        checkGauge},
    {"--print-maxsize", 0, 0,          false,    INPUT_NO_SCREEN, runPrintMaxsize, nullptr},
    {"--print-version", 0, 0,          false,    INPUT_NO_SCREEN, runPrintVersion, nullptr},
    // The list, form and other boxes built on the library's lists, forms and viewer.
    {"--menu",          4, -1,         true,     INPUT_KEYS,  runMenu,         checkMenu},
    {"--checklist",     4, -1,         true,     INPUT_KEYS,  runCheckList,    checkCheckList},
    {"--radiolist",     4, -1,         true,     INPUT_KEYS,  runCheckList,    checkCheckList},
    {"--inputmenu",     4, -1,         true,     INPUT_KEYS,  runInputMenu,    checkMenu},
    {"--form",          4, -1,         true,     INPUT_KEYS,  runForm,         checkForm},
    {"--mixedform",     4, -1,         true,     INPUT_KEYS,  runForm,         checkMixedForm},
    {"--passwordform",  4, -1,         true,     INPUT_KEYS,  runForm,         checkForm},
    {"--tailbox",       3, 3,          true,     INPUT_KEYS,  runTailBox,      checkTextBox},
    {"--programbox",    2, 3,          false,    INPUT_DATA,  runProgramBox,   checkProgramBox},
    {"--progressbox",   2, 3,          false,    INPUT_DATA,  runProgramBox,   checkProgramBox},
    {"--mixedgauge",    4, -1,         true,     INPUT_NONE,  runMixedGauge,   checkMixedGauge},
    {"--pause",         4, 4,          true,     INPUT_KEYS,  runPause,        checkPause},
    // The boxes built on the calendar, time, file selection and editor gadgets.
    {"--calendar",      3, 6,          true,     INPUT_KEYS,  runCalendar,     nullptr},
    {"--timebox",       3, 6,          true,     INPUT_KEYS,  runTimeBox,      checkTimeBox},
    {"--fselect",       3, 3,          true,     INPUT_KEYS,  runFSelect,      nullptr},
    {"--dselect",       3, 3,          true,     INPUT_KEYS,  runFSelect,      nullptr},
    {"--editbox",       3, 3,          true,     INPUT_KEYS,  runEditBox,      checkTextBox},
    {"--buildlist",     4, -1,         true,     INPUT_KEYS,  runBuildList,    checkCheckList},
    {"--treeview",      4, -1,         true,     INPUT_KEYS,  runTreeView,     checkTreeView},
    {"--rangebox",      5, 6,          true,     INPUT_KEYS,  runRangeBox,     checkRangeBox},
    {"--prgbox",        3, 4,          false,    INPUT_KEYS,  runProgramBox,   checkProgramBox},
    // Known, and refused with the error status: a tail box left running in
    // the background after the program ends needs a process of its own on
    // the terminal, which the chains of boxes here do not have.
    {"--tailboxbg",     3, 3,          true,     INPUT_KEYS,  nullptr,         nullptr},
};

const BoxEntry* findBox(const char* name)
{
    for (const BoxEntry& e : BOXES)
        if (strcmp(name, e.name) == 0)
            return &e;
    return nullptr;
}

const BoxEntry* boxTable(int* count)
{
    *count = (int)(sizeof BOXES / sizeof BOXES[0]);
    return BOXES;
}
