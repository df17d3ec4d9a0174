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

// Columns the row needs inside the frame: as wide as the widest label plus a
// blank each side per button, a blank between two.
int rowWidth(const BoxButtons& row)
{
    int widest = 0, n = (int)row.meaning.size();
    for (int i = 0; i < n; i++) {
        int cols = CurLabel::getLongestLine(row.texts[i]);
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
    BoxButtons row = boxButtons(*call.options, kind);
    int width = call.width;
    if (width == 0) {
        width = CurLabel::getLongestLine(text.c_str(), call.options->noCollapse) + 4;
        if (bodyCols + 4 > width)
            width = bodyCols + 4;
        if (rowWidth(row) + 2 > width)
            width = rowWidth(row) + 2;
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
    BoxButtons row = boxButtons(*options, kind);
    for (size_t i = 0; i < row.meaning.size() && i < 4; i++) {
        addButton(row.texts[i]);
        statuses[i] = row.meaning[i];
    }
    // Buttons come after the body in the focus order; the first gadget holds
    // the focus until a default button takes it.
    focuser.setFocus(row.named >= 0 ? bodyCount + row.named : 0);
}

BoxButtons boxButtons(const BoxOptions& o, BoxDialog::Buttons kind, const char* extraWord)
{
    const char* ok = kind == BoxDialog::YES_NO      ? (o.yesLabel != nullptr ? o.yesLabel : "Yes")
                     : kind == BoxDialog::EXIT_ONLY ? (o.exitLabel != nullptr ? o.exitLabel : "EXIT")
                     : o.okLabel != nullptr         ? o.okLabel : boxOkWord();
    bool question = kind == BoxDialog::YES_NO;
    bool cancels = kind == BoxDialog::OK_CANCEL || kind == BoxDialog::LIST;
    const char* cancel = question ? (o.noLabel != nullptr ? o.noLabel : "No")
                                  : (o.cancelLabel != nullptr ? o.cancelLabel : "Cancel");
    const char* extra = o.extraLabel != nullptr ? o.extraLabel : extraWord != nullptr ? extraWord : "Extra";
    const struct {
        bool shown; const char* text; BoxStatus status; BoxButton id;
    } row[] = {
        {!cancels || !o.noOk, ok, BOX_OK, BUTTON_OK},
        {o.extraButton || extraWord != nullptr, extra, BOX_EXTRA, BUTTON_EXTRA},
        {question || (cancels && !o.noCancel), cancel, BOX_CANCEL, BUTTON_CANCEL},
        {o.helpButton, o.helpLabel != nullptr ? o.helpLabel : "Help",
         kind == BoxDialog::LIST && o.itemHelp ? BOX_ITEM_HELP : BOX_HELP, BUTTON_HELP},
    };
    BoxButton wanted = o.defaultButton != BUTTON_NONE ? o.defaultButton
                       : o.defaultNo                  ? BUTTON_CANCEL : BUTTON_NONE;
    BoxButtons b;
    int okAt = -1;
    for (const auto& r : row) {
        if (!r.shown)
            continue;
        if (r.id == wanted)
            b.named = (int)b.texts.size();
        if (r.id == BUTTON_OK)
            okAt = (int)b.texts.size();
        b.texts.push_back(r.text);
        b.meaning.push_back(r.status);
    }
    b.texts.push_back(nullptr);
    b.defaultButton = b.named >= 0 ? b.named : okAt >= 0 ? okAt : 0;
    return b;
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
