// bytes_question.cpp - wire benchmark scenario B: a one-call yes/no question
// with four paragraphs wrapped at 44 columns; Tab, then Enter on "No".
#include "BytesStart.h"
#include <CurTDialog.h>

static const char TEXT[] =
    "The configuration file was changed by another program while it was open here.\n"
    "Saving now writes your version over the other one, and its changes are lost.\n"
    "Reloading throws away the changes made in this window since the last save.\n"
    "Do you want to save your version of the file anyway?";

int main()
{
    startToolkit();
    CurTDialog::showQuestion(-1, 44, 0, TEXT, "File changed", "Save", "Reload", true);
    CurInit::cleanup();
    return 0;
}
