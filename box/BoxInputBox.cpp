// BoxInputBox.cpp - --inputbox and --passwordbox (box/): a text, a line of
// input with an optional initial text, OK and Cancel. The answer is the line,
// of any length (--max-input cuts it); a password shows as asterisks.
#include "BoxDialog.h"

#include <CurLineEdit.h>

#include <cstring>

BoxStatus runInputBox(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    BoxDialog dialog(call, boxText(o, call.text), BoxDialog::OK_CANCEL, 1, 30);
    CurLineEdit edit(&dialog);
    edit.setGeometry(1, dialog.bodyWidth(), dialog.bodyTop(), dialog.bodyLeft());
    edit.setText(call.argc > 3 ? call.argv[3] : "", false);
    edit.setHidden(strcmp(call.name, "--passwordbox") == 0);
    dialog.addBody(&edit);
    BoxStatus status = dialog.run();
    if (status == BOX_OK || status == BOX_EXTRA) {
        std::string answer = edit.getText();
        if (o.maxInput >= 0 && (int)answer.size() > o.maxInput) {
            size_t cut = (size_t)o.maxInput;
            while (cut > 0 && ((unsigned char)answer[cut] & 0xC0) == 0x80)
                cut--;                   // not inside a character
            answer.resize(cut);
        }
        *call.answer = answer;
    }
    return status;
}
