// bytes_message.cpp - wire benchmark scenario A: a one-call message box with
// a two-line text and a title, closed with Enter.
#include "BytesStart.h"
#include <CurTDialog.h>

int main()
{
    startToolkit();
    CurTDialog::showMessage(-1, -1, 0, "The report has been saved.\nIt holds 1,204 lines.",
                            "Saved");
    CurInit::cleanup();
    return 0;
}
