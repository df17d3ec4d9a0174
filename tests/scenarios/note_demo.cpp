// note_demo.cpp - CurNote on the screen. The first argument names the case:
//   computed, given   showNote with computed sizes, or 5 rows by 30 columns
//   wide, tall        showNote with a text wider or taller than the screen
//   null              showNote and setText with a null text
//   object            a note object: setText with and without redraw, the
//                     frame switched off
#include <CurInit.h>
#include <CurNote.h>
#include <cstring>
#include <string>

#include "WindowSteps.h"

static void showNoteCase(const char* name)
{
    std::string text = "0123456789";
    int height = -1, width = -1;
    if (strcmp(name, "given") == 0) {
        height = 5;
        width = 30;
    } else if (strcmp(name, "wide") == 0) {
        text = "wordy word";
        for (int i = 1; i < 15; i++)
            text += " wordy word";            // 164 characters on one line
    } else if (strcmp(name, "tall") == 0) {
        text.clear();
        for (int i = 1; i <= 30; i++)
            text += "line " + std::to_string(i) + "\n";
    }
    CurNote::showNote(height, width, 0, text.c_str());
    stepDone("shown");                        // the call has returned
}

static void objectCase()
{
    CurNote note(5, 20, 2, 2);
    note.setText("AAAAA", false);
    note.draw();
    note.update();
    stepDone("first");
    note.setText("BBBBB", false);
    note.update();
    stepDone("not drawn");
    note.draw();
    note.update();
    stepDone("drawn");
    note.setText("CCCCC", true);
    note.update();
    stepDone("redrawn");
    note.setText(nullptr, true);
    note.enableFrame(false);
    note.draw();
    note.update();
    stepDone("frame off");
}

int main(int argc, char** argv)
{
    const char* name = argc > 1 ? argv[1] : "computed";
    CurInit::initialize();
    if (strcmp(name, "object") == 0)
        objectCase();
    else if (strcmp(name, "null") == 0) {
        CurNote::showNote(-1, -1, 0, nullptr);
        stepDone("shown");
    } else
        showNoteCase(name);
    CurInit::cleanup();
    return 0;
}
