// BoxPause.cpp - --pause (box/): a text over a gauge counting the seconds
// down, OK and Cancel; the time running out answers as OK does.
#include "BoxRows.h"
#include "BoxOptions.h"

#include <CurGauge.h>
#include <CurLabel.h>
#include <CurTDialog.h>

namespace {

struct Pause {
    CurTDialog* dialog;
    CurGauge*   gauge;
    int         total, left;
    bool        escaped;
};

bool tickCB(void* data)
{
    Pause* p = static_cast<Pause*>(data);
    p->left--;
    p->gauge->setPercent(p->total > 0 ? p->left * 100 / p->total : 0, true);
    p->dialog->update();
    return p->left <= 0;                 // ends the loop with no button pressed
}

bool escapeCB(int key, void* data)
{
    Pause* p = static_cast<Pause*>(data);
    if (key != 27)
        return false;
    p->escaped = true;
    p->dialog->stopKbdLoop();
    return true;
}

} // namespace

bool checkPause(const BoxOptions&, int argc, char** argv, std::string* why)
{
    int seconds;
    if (argc >= 4 && boxNumber(argv[3], &seconds))
        return true;
    *why = std::string("the seconds are not a number: ") + (argc > 3 ? argv[3] : "");
    return false;
}

BoxStatus runPause(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    int seconds = 0;
    std::string why;
    if (!checkPause(o, call.argc, call.argv, &why) || !boxNumber(call.argv[3], &seconds)) {
        *call.error = std::string(call.name) + ": " + why;
        return BOX_ERROR;
    }
    if (seconds <= 0)
        return BOX_OK;
    std::string text = boxText(o, call.text);
    BoxButtons buttons = boxButtons(o, BoxDialog::LIST);
    int cols = call.width > 0 ? call.width : CurLabel::getLongestLine(text.c_str(), o.noCollapse) + 4;
    if (cols < 30)
        cols = 30;
    int rows = call.height > 0 ? call.height : CurLabel::getEffHeight(text.c_str(), cols - 4, o.noCollapse) + 7;
    int pressed;
    Pause p = {nullptr, nullptr, seconds, seconds, false};
    {
        CurTDialog dialog(rows < 8 ? 8 : rows, cols, -1, -1);
        if (o.title != nullptr)
            dialog.setTitle(o.title, CurInit::CENTER);
        for (size_t i = 0; buttons.texts[i] != nullptr; i++)
            dialog.addButton(buttons.texts[i]);
        CurLabel label(&dialog, true);
        label.setGeometry(dialog.getHeight() - 7, dialog.getWidth() - 4, 1, 2);
        label.setAlignment(CurInit::LEFT, CurInit::TOP, false);
        label.setKeepBlanks(o.noCollapse, false);
        label.setText(text.c_str(), false);
        CurGauge gauge(&dialog);
        gauge.setGeometry(1, dialog.getWidth() - 4, dialog.getHeight() - 5, 2);
        gauge.setPercent(100, false);
        p.dialog = &dialog;
        p.gauge = &gauge;
        dialog.setKeyCB(escapeCB, &p);
        dialog.draw();
        label.draw();
        gauge.draw();
        int timer = CurInit::addTimer(1000, tickCB, &p);
        pressed = dialog.kbdLoop();
        CurInit::removeTimer(timer);
    }
    if (p.left <= 0)
        return BOX_OK;
    return p.escaped ? BOX_ESC : boxPressed(buttons, pressed);
}
