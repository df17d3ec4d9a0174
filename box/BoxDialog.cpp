// BoxDialog.cpp - the dialog the box program's boxes are built on (box/): its
// size from the script's sizes and the text, the text label or scrolling
// viewer, the buttons from the options and the loop's ending as a BoxStatus.
#include "BoxDialog.h"

#include <CurButton.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurViewer.h>
#include <curses.h>

#include <cstring>

namespace {

// The row's labels and what each answers, in order; returns how many.
int buttonRow(const BoxOptions& o, BoxDialog::Buttons kind, const char* labels[4],
              BoxStatus statuses[4])
{
    int n = 0;
    auto add = [&](const char* label, BoxStatus status) {
        labels[n] = label;
        statuses[n++] = status;
    };
    switch (kind) {
    case BoxDialog::YES_NO:
        add(o.yesLabel != nullptr ? o.yesLabel : "Yes", BOX_OK);
        break;
    case BoxDialog::EXIT_ONLY:
        add(o.exitLabel != nullptr ? o.exitLabel : "EXIT", BOX_OK);
        break;
    default:
        if (!o.noOk || kind == BoxDialog::OK_ONLY)
            add(o.okLabel != nullptr ? o.okLabel : boxOkWord(), BOX_OK);
        break;
    }
    if (o.extraButton)
        add(o.extraLabel != nullptr ? o.extraLabel : "Extra", BOX_EXTRA);
    if (kind == BoxDialog::YES_NO)
        add(o.noLabel != nullptr ? o.noLabel : "No", BOX_CANCEL);
    if (kind == BoxDialog::OK_CANCEL && !o.noCancel)
        add(o.cancelLabel != nullptr ? o.cancelLabel : "Cancel", BOX_CANCEL);
    if (o.helpButton)
        add(o.helpLabel != nullptr ? o.helpLabel : "Help", BOX_HELP);
    return n;
}

// Columns the row needs inside the frame: as wide as the widest label plus a
// blank each side per button, a blank between two.
int rowWidth(const char* const labels[4], int n)
{
    int widest = 0;
    for (int i = 0; i < n; i++) {
        int cols = CurLabel::getLongestLine(labels[i]);
        if (cols > widest)
            widest = cols;
    }
    return n * (widest + 2) + (n > 0 ? n - 1 : 0);
}

int clamp(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

}  // namespace

// Width first, as the text wraps to it; then the rows: frame, text, body,
// separator, buttons, frame. A message (no body) keeps one blank row above
// the separator.
BoxDialog::Fit BoxDialog::fit(const BoxCall& call, const std::string& text, Buttons kind,
                              int bodyRows, int bodyCols)
{
    const char* labels[4];
    BoxStatus statuses[4];
    int n = buttonRow(*call.options, kind, labels, statuses);
    int width = call.width;
    if (width == 0) {
        width = CurLabel::getLongestLine(text.c_str(), call.options->noCollapse) + 4;
        if (bodyCols + 4 > width)
            width = bodyCols + 4;
        if (rowWidth(labels, n) + 2 > width)
            width = rowWidth(labels, n) + 2;
        const char* title = call.options->title;
        if (title != nullptr && CurLabel::getLongestLine(title) + 4 > width)
            width = CurLabel::getLongestLine(title) + 4;
    }
    width = width < 0 ? COLS : clamp(width, 6, COLS);
    int need = text.empty() ? 0
                            : CurLabel::getEffHeight(text.c_str(), width - 4, call.options->noCollapse);
    int body = bodyRows > 0 ? bodyRows : 1;
    int height = call.height;
    if (height == 0)
        height = need + body + 4;
    height = height < 0 ? LINES : clamp(height, 5, LINES);
    return Fit{height, width, need};
}

BoxDialog::BoxDialog(const BoxCall& call, const std::string& text, Buttons buttons, int bodyRows,
                     int bodyCols)
    : BoxDialog(call, text, buttons, bodyRows, fit(call, text, buttons, bodyRows, bodyCols))
{
}

// The body takes the rows above the separator it asked for (all that the
// text leaves when it asked for none, or -1); the text the rows above it.
// A message whose text does not fit scrolls in a viewer of all those rows.
BoxDialog::BoxDialog(const BoxCall& call, const std::string& text, Buttons buttons,
                     int bodyRows, const Fit& size)
    : CurTDialog(size.height, size.width, -1, -1),   // at --begin's place, set for every box
      options(call.options), kind(buttons), textRows(0), body(0), label(nullptr), title(nullptr),
      viewer(nullptr), bodyCount(0), escaped(false), entered(false), timedOut(false)
{
    int free = height - 4;
    body = bodyRows > 0 ? clamp(bodyRows, 0, free) : bodyRows < 0 ? free - size.textRows : 0;
    // A body taller than the box leaves the text its rows, down to a body of three.
    if (bodyRows > 0 && body + size.textRows > free)
        body = free - size.textRows > 3 ? free - size.textRows : 3;
    body = clamp(body, 0, free);
    textRows = clamp(size.textRows, 0, free - (bodyRows == 0 ? 1 : body));
    if (options->title != nullptr && CurInit::getThemeShapes().titleTees) {
        setTitle(options->title, CurInit::CENTER);   // the window's, between tees
    } else if (options->title != nullptr) {
        int cols = clamp(CurLabel::getLongestLine(options->title), 0, width - 2);
        title = new CurLabel(this, false);
        title->setGeometry(1, cols, 0, (width - cols) / 2);
        title->setText(options->title, false);
    }
    setKeyCB(keyCB, this);
    focuser.setEnterCB(enterCB, this);
    if (bodyRows == 0 && size.textRows > free - 1 && free >= 3) {
        viewer = new CurViewer(this);
        viewer->setText(text.c_str());
        viewer->setWrap(true);
        viewer->setGeometry(free, width - 2, 1, 1);
        addBody(viewer);
        focuser.setKeyFilterCB(spaceCB, this);
        return;
    }
    label = new CurLabel(this, true);
    label->setKeepBlanks(options->noCollapse, false);
    label->setGeometry(textRows, width - 4, 1, 2);
    label->setAlignment(CurInit::LEFT, CurInit::TOP, false);
    label->setText(text.c_str(), false);
}

BoxDialog::~BoxDialog()
{
    delete label;
    delete title;
    delete viewer;
}

int BoxDialog::bodyTop() const { return height - 3 - body; }
int BoxDialog::bodyLeft() const { return 2; }
int BoxDialog::bodyWidth() const { return width - 4; }
int BoxDialog::bodyRows() const { return body; }

void BoxDialog::addBody(CurGadget* gadget)
{
    focuser.addGadget(gadget);
    bodyCount++;
}

void BoxDialog::addButtons()
{
    const char* labels[4];
    int n = buttonRow(*options, kind, labels, statuses);
    int first = -1;
    for (int i = 0; i < n; i++) {
        int index = addButton(labels[i]);
        bool named = (options->defaultButton == BUTTON_OK && statuses[i] == BOX_OK) ||
                     (options->defaultButton == BUTTON_EXTRA && statuses[i] == BOX_EXTRA) ||
                     (options->defaultButton == BUTTON_CANCEL && statuses[i] == BOX_CANCEL) ||
                     (options->defaultButton == BUTTON_HELP && statuses[i] == BOX_HELP) ||
                     (options->defaultButton == BUTTON_NONE && options->defaultNo &&
                      statuses[i] == BOX_CANCEL);
        if (named)
            first = index;
    }
    // Buttons come after the body in the focus order; the first gadget holds
    // the focus until a default button takes it.
    focuser.setFocus(first >= 0 ? bodyCount + first : 0);
}

void BoxDialog::drawTitle()
{
    if (title != nullptr)
        title->draw();
}

bool BoxDialog::keyCB(int key, void* data)
{
    if (key != 27)
        return false;
    BoxDialog* dialog = static_cast<BoxDialog*>(data);
    dialog->escaped = true;
    dialog->stopKbdLoop();
    return true;
}

void BoxDialog::enterCB(void* data)
{
    BoxDialog* dialog = static_cast<BoxDialog*>(data);
    dialog->entered = true;
    dialog->stopKbdLoop();
}

// Space in the scrolling text presses the button as Enter does, as in a
// message that fits, rather than turning the page.
bool BoxDialog::spaceCB(int key, void* data)
{
    BoxDialog* dialog = static_cast<BoxDialog*>(data);
    if (key != ' ' || dialog->focuser.getFocusGadget() != dialog->viewer)
        return false;
    enterCB(data);
    return true;
}

bool BoxDialog::timeoutCB(void* data)
{
    static_cast<BoxDialog*>(data)->timedOut = true;
    return true;
}

BoxStatus BoxDialog::run()
{
    addButtons();
    int timer = options->timeout > 0 ? CurInit::addTimer(options->timeout * 1000, timeoutCB, this) : -1;
    draw();
    drawTitle();
    if (label != nullptr)
        label->draw();
    if (viewer != nullptr)
        viewer->draw();
    int chosen = kbdLoop();
    if (timer > 0)
        CurInit::removeTimer(timer);
    if (chosen >= 0)
        return statuses[chosen];
    if (timedOut)
        return BOX_TIMEOUT;
    return entered && !escaped ? BOX_OK : BOX_ESC;
}
