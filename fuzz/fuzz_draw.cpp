// fuzz_draw.cpp - every text-showing gadget and window (fuzz/) with arbitrary
// text and geometry: what each one draws must stay inside its rectangle, which
// is checked by comparing the curses window's cells before and after.
#include "CurBanner.h"
#include "CurButton.h"
#include "CurLabel.h"
#include "CurLineEdit.h"
#include "CurList.h"
#include "CurLogger.h"
#include "CurNote.h"
#include "CurRadioBox.h"
#include "CurTDialog.h"
#include "CurToggle.h"
#include "FuzzSupport.h"

#include <cstring>

typedef std::vector<FuzzRect> Rects;

static FuzzRect rect(FuzzedDataProvider& in)
{
    FuzzRect r;
    r.height = fuzzGeometry(in);
    r.width = fuzzGeometry(in);
    r.y = fuzzGeometry(in);
    r.x = fuzzGeometry(in);
    return r;
}

static CurInit::ALIGNMENT alignment(FuzzedDataProvider& in)
{
    return (CurInit::ALIGNMENT)in.ConsumeIntegralInRange<int>(0, 5);
}

static std::string text(FuzzedDataProvider& in)
{
    return fuzzText(in, 300, false);
}

static std::string lines(FuzzedDataProvider& in)
{
    return fuzzText(in, 300, true);
}

// Where a gadget placed at r may draw: r itself.
static Rects place(CurGadget& g, const FuzzRect& r)
{
    g.setGeometry(r.height, r.width, r.y, r.x);
    return Rects{r};
}

// The widest line of text, leading blanks included.
static int widest(const char* text)
{
    int most = 0;
    for (const char* p = text;; p++) {
        int len = (int)strcspn(p, "\n");
        most = std::max(most, fuzzColumns(p, len));
        p += len;
        if (*p == '\0')
            return most;
    }
}

// A label neither clears nor clips: only a text that fits a rectangle that
// lies in the window is bound to stay in it. Any other may run on below
// and past the window's edge, so it is only drawn.
static Rects drawLabel(CurWindow& win, FuzzedDataProvider& in)
{
    bool wrap = in.ConsumeBool();
    CurLabel label(&win, wrap);
    FuzzRect r = rect(in);
    Rects allowed = place(label, r);
    CurInit::ALIGNMENT h = alignment(in), v = alignment(in);
    label.setAlignment(h, v, false);
    std::string t = lines(in);
    label.setText(t.c_str(), false);
    label.draw();
    bool inWindow = r.y >= 0 && r.x >= 0 && r.y + r.height <= win.getHeight()
                    && r.x + r.width <= win.getWidth();
    bool fits = label.getEffHeight() <= r.height
                && (wrap ? r.width >= 1 : widest(t.c_str()) <= r.width);
    if (!inWindow || !fits)
        allowed.push_back(FuzzRect{win.getHeight(), win.getWidth(), 0, 0});
    return allowed;
}

static Rects drawButton(CurWindow& win, FuzzedDataProvider& in)
{
    CurButton button(&win);
    Rects allowed = place(button, rect(in));
    button.setText(text(in).c_str(), false);
    if (in.ConsumeBool())
        button.acceptFocus(false);
    button.draw();
    return allowed;
}

static void setUpToggle(CurToggle& toggle, FuzzedDataProvider& in)
{
    toggle.setType((CurToggle::TYPE)in.ConsumeIntegralInRange<int>(0, 2), false);
    toggle.setLabelAlignment(alignment(in), false);
    toggle.setText(text(in).c_str(), false);
    if (in.ConsumeBool())
        toggle.acceptFocus(false);
}

static Rects drawToggles(CurWindow& win, FuzzedDataProvider& in)
{
    CurToggle first(&win), second(&win);
    Rects allowed = place(first, rect(in));
    allowed.push_back(place(second, rect(in))[0]);
    setUpToggle(first, in);
    setUpToggle(second, in);
    CurRadioBox group;
    if (in.ConsumeBool()) {
        group.addButton(&first);
        group.addButton(&second);
    }
    first.draw();
    second.draw();
    second.processKey(' ');
    first.toggle(in.ConsumeBool(), true);
    return allowed;
}

static Rects drawList(CurWindow& win, FuzzedDataProvider& in)
{
    CurList list(&win);
    Rects allowed = place(list, rect(in));
    list.setSelectMode((CurList::SELECT_MODE)in.ConsumeIntegralInRange<int>(0, 2));
    for (int n = in.ConsumeIntegralInRange<int>(0, 40); n > 0; n--)
        list.addLine(fuzzText(in, 80, false).c_str(), in.ConsumeBool(), false);
    for (int n = in.ConsumeIntegralInRange<int>(0, 40); n > 0; n--)
        list.processKey(KEY_DOWN);
    if (in.ConsumeBool())
        list.loseFocus(false);
    list.draw();
    list.processKey(in.ConsumeBool() ? KEY_UP : ' ');
    return allowed;
}

static Rects drawLineEdit(CurWindow& win, FuzzedDataProvider& in)
{
    CurLineEdit edit(&win);
    Rects allowed = place(edit, rect(in));
    edit.setText(text(in).c_str(), false);
    edit.setHidden(in.ConsumeBool());
    for (int n = in.ConsumeIntegralInRange<int>(0, 20); n > 0; n--)
        edit.processKey(KEY_LEFT);
    edit.draw();
    return allowed;
}

// The title sits in the top border and the inside of the window stays as
// it was, unless the title is wider than the border: then it is wrapped and
// its further lines stand on the rows below.
static Rects drawTitle(CurWindow& win, FuzzedDataProvider& in)
{
    int h = win.getHeight(), w = win.getWidth();
    std::string t = text(in);
    win.setTitle(t.c_str(), alignment(in));
    if (CurLabel::getEffHeight(t.c_str(), w - 3) > 1)
        return Rects{{h, w, 0, 0}};
    return Rects{{1, w, 0, 0}, {1, w, h - 1, 0}, {h, 1, 0, 0}, {h, 1, 0, w - 1}};
}

// The note's own window: its text stays inside the frame, which stays whole.
static void drawNote(FuzzedDataProvider& in)
{
    FuzzRect r = rect(in);
    CurNote note(r.height, r.width, r.y, r.x);
    WINDOW* w = note.getWindow();
    if (w == nullptr)
        return;
    note.setAlignment(alignment(in), alignment(in), in.ConsumeBool());
    note.draw();
    FuzzCells before(w);
    note.setText(lines(in).c_str(), true);
    std::string changed = before.changedOutside(Rects{{getmaxy(w) - 2, getmaxx(w) - 2, 1, 1}});
    FUZZ_CHECK(changed.empty());
}

// Logging writes into the inner text window only: the frame window keeps
// every cell.
static void drawLogger(FuzzedDataProvider& in)
{
    FuzzRect r = rect(in);
    CurLogger logger(r.height, r.width, r.y, r.x);
    if (logger.getWindow() == nullptr)
        return;
    FuzzCells before(logger.getWindow());
    for (int n = in.ConsumeIntegralInRange<int>(0, 30); n > 0; n--) {
        std::string line = fuzzText(in, 200, true);
        if (in.ConsumeBool())
            logger.log(line.c_str());
        else
            logger.error(line.c_str());
    }
    FUZZ_CHECK(before.changedOutside(Rects{}).empty());
}

static void drawBanner(FuzzedDataProvider& in)
{
    CurBanner banner;
    banner.leftLabel.setText(lines(in).c_str(), true);
    banner.centerLabel.setText(lines(in).c_str(), true);
    banner.rightLabel.setText(lines(in).c_str(), true);
}

// A one-call box is sized to its text and cut to the screen, and the screen
// beneath it is repainted once it is gone: the terminal shows what it
// showed before. Input has ended, so the box's loop returns at once.
static void showBox(FuzzedDataProvider& in)
{
    int kind = in.ConsumeIntegralInRange<int>(0, 2);
    int textHeight = in.ConsumeIntegralInRange<int>(-2, 40);
    int textWidth = in.ConsumeIntegralInRange<int>(-2, 120);
    std::string t = lines(in), title = text(in), yes = text(in), no = text(in);
    const char* maybeTitle = in.ConsumeBool() ? title.c_str() : nullptr;
    if (kind == 2) {
        CurNote::showNote(textHeight, textWidth, 0, t.c_str());
        return;
    }
    CurInit::refreshAllWindows();
    FuzzCells before(curscr);
    if (kind == 0)
        CurTDialog::showMessage(textHeight, textWidth, 0, t.c_str(), maybeTitle);
    else
        CurTDialog::showQuestion(textHeight, textWidth, 0, t.c_str(), maybeTitle,
                                 yes.c_str(), in.ConsumeBool() ? no.c_str() : nullptr,
                                 in.ConsumeBool());
    FUZZ_CHECK(before.changedOutside(Rects{}).empty());
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzScreen();
    FuzzedDataProvider in(data, size);
    int kind = in.ConsumeIntegralInRange<int>(0, 9);
    int h = in.ConsumeIntegralInRange<int>(1, LINES), w = in.ConsumeIntegralInRange<int>(1, COLS);
    CurWindow win(h, w, in.ConsumeIntegralInRange<int>(0, LINES - h),
                  in.ConsumeIntegralInRange<int>(0, COLS - w));
    fuzzFill(win.getWindow());
    FuzzCells before(win.getWindow());
    Rects allowed;
    switch (kind) {
    case 0: allowed = drawLabel(win, in); break;
    case 1: allowed = drawButton(win, in); break;
    case 2: allowed = drawToggles(win, in); break;
    case 3: allowed = drawList(win, in); break;
    case 4: allowed = drawLineEdit(win, in); break;
    case 5: allowed = drawTitle(win, in); break;
    case 6: drawNote(in); return 0;
    case 7: drawLogger(in); return 0;
    case 8: drawBanner(in); return 0;
    default: showBox(in); return 0;
    }
    std::string changed = before.changedOutside(allowed);
    if (!changed.empty())
        fprintf(stderr, "kind %d in a %dx%d window wrote at %s outside %dx%d at %d,%d\n", kind,
                h, w, changed.c_str(), allowed[0].height, allowed[0].width, allowed[0].y,
                allowed[0].x);
    FUZZ_CHECK(changed.empty());
    return 0;
}
