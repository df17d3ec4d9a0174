// question.cpp - one call asks a question in a box and returns the answer.
//
//     question "Delete all backups?"
#include <CurInit.h>
#include <CurSession.h>
#include <CurTDialog.h>
#include <cstdio>

int main(int argc, char** argv)
{
    const char* text = argc > 1 ? argv[1] : "Do you like programs that run in a terminal?";

    bool yes;
    {
        CurSession session;             // the terminal is given back at the brace
        // Sizes of -1 let the box fit the text; the focus starts on "Yes".
        yes = CurTDialog::showQuestion(-1, -1, CurInit::reverse, text, "A question", "Yes", "No",
                                       true);
    }

    printf("You answered %s.\n", yes ? "yes" : "no");
    return yes ? 0 : 1;
}
