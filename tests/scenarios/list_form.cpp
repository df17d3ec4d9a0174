// list_form.cpp - screen scenario: a list in multiple-selection mode
// ("Item 000", ...) and a list of colours in single mode (Blue selected at
// the start) in a form with an OK button. Arguments: the number of items
// (default 300) and the height of the first list (default 8). After OK the
// selections go to the result file as comma-separated indices: items, colours.
#include "ScenarioResult.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurList.h>
#include <CurWindow.h>

#include <cstdio>
#include <cstdlib>
#include <string>

static void stopCB(void* data)
{
    ((CurFocuser*)data)->stopKbdLoop();
}

static std::string selection(CurList& list)
{
    int* indices = nullptr;
    int count = 0;
    list.getSelected(&indices, &count);
    std::string s;
    for (int i = 0; i < count; i++)
        s += (i > 0 ? "," : "") + std::to_string(indices[i]);
    delete[] indices;
    return s;
}

int main(int argc, char** argv)
{
    int numItems = argc > 1 ? atoi(argv[1]) : 300;
    int height = argc > 2 ? atoi(argv[2]) : 8;
    CurInit::initialize();
    {
        CurWindow win(20, 70, 1, 2);
        win.setTitle("Lists", CurInit::CENTER);
        CurList items(&win);
        items.setGeometry(height, 30, 1, 2);
        for (int i = 0; i < numItems; i++) {
            char line[32];
            snprintf(line, sizeof line, "Item %03d", i);
            items.addLine(line, false, false);
        }
        CurList colours(&win);
        colours.setGeometry(6, 20, 1, 40);
        colours.setSelectMode(CurList::SINGLE);
        const char* names[] = {"Red", "Green", "Blue", "Black", "White"};
        for (int i = 0; i < 5; i++)
            colours.addLine(names[i], i == 2, false);
        CurButton ok(&win);
        ok.setGeometry(1, 8, 17, 2);

        CurFocuser form;
        form.addGadget(&items);
        form.addGadget(&colours);
        form.addGadget(&ok);
        ok.setActivateCB(stopCB, &form);
        form.kbdLoop();
        scenarioResult("items", selection(items).c_str());
        scenarioResult("colours", selection(colours).c_str());
    }
    CurInit::cleanup();
    return 0;
}
