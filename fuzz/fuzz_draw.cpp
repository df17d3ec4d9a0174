// fuzz_draw.cpp - every text-showing gadget and window (fuzz/) with arbitrary
// text and geometry: what each one draws must stay inside its rectangle, which
// is checked by comparing the curses window's cells before and after.
#include "CurBanner.h"
#include "CurButton.h"
#include "CurGauge.h"
#include "CurLabel.h"
#include "CurLineEdit.h"
#include "CurList.h"
#include "CurLogger.h"
#include "CurNote.h"
#include "CurRadioBox.h"
#include "CurTDialog.h"
#include "CurToggle.h"
#include "CurViewer.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

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
    bool inWindow = r.y >= 0 && r.x >= 0 && (long long)r.y + r.height <= win.getHeight()
                    && (long long)r.x + r.width <= win.getWidth();
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

static Rects drawGauge(CurWindow& win, FuzzedDataProvider& in)
{
    CurGauge gauge(&win);
    Rects allowed = place(gauge, rect(in));
    if (in.ConsumeBool())
        gauge.setLabel(lines(in).c_str(), false);
    gauge.setPercent(fuzzGeometry(in), false);
    gauge.draw();
    return allowed;
}

// Frame, rows, scroll bar, indicator and a search's note, wherever the
// keys moved the view. "/" is left out: it reads a search text.
static Rects drawViewer(CurWindow& win, FuzzedDataProvider& in)
{
    static const int keys[] = {KEY_DOWN, KEY_UP, KEY_NPAGE, KEY_PPAGE, KEY_HOME, KEY_END,
                               KEY_LEFT, KEY_RIGHT, 'n'};
    CurViewer viewer(&win);
    Rects allowed = place(viewer, rect(in));
    viewer.setText(lines(in).c_str());
    viewer.setWrap(in.ConsumeBool());
    for (int n = in.ConsumeIntegralInRange<int>(0, 20); n > 0; n--)
        viewer.processKey(keys[in.ConsumeIntegralInRange<int>(0, 8)]);
    if (in.ConsumeBool())
        viewer.search(text(in).c_str());
    viewer.draw();
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
    if (win.getWindow() == nullptr)
        return Rects{};                 // an inert window has no cell to change
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
// showed before. Input has ended, so the box's loop returns at once; the
// gauge box is opened, updated and closed.
static void showBox(FuzzedDataProvider& in)
{
    // The first three kinds as they always were; 252 to 255 the boxes that
    // came later.
    int box = in.ConsumeIntegral<uint8_t>();
    int kind = box < 252 ? box % 3 : box - 249;
    int textHeight = fuzzGeometry(in);
    int textWidth = fuzzGeometry(in);
    std::string t = lines(in), title = text(in), yes = text(in), no = text(in);
    const char* maybeTitle = in.ConsumeBool() ? title.c_str() : nullptr;
    if (kind == 2) {
        CurNote::showNote(textHeight, textWidth, 0, t.c_str());
        return;
    }
    CurInit::refreshAllWindows();
    FuzzCells before(curscr);
    if (kind == 3) {
        CurGauge::openBox(textHeight, textWidth, 0, t.c_str(), maybeTitle, fuzzGeometry(in));
        CurGauge::updateBox(fuzzGeometry(in), in.ConsumeBool() ? yes.c_str() : nullptr);
        CurGauge::closeBox();
    } else if (kind == 4) {
        CurTDialog::showChoice(textHeight, textWidth, 0, t.c_str(), maybeTitle,
                               in.ConsumeBool() ? yes.c_str() : nullptr,
                               in.ConsumeBool() ? no.c_str() : nullptr, in.ConsumeBool());
    } else if (kind == 5) {
        // Input that has ended cancels: the buffer must come back as it went in.
        char buffer[64] = {};
        snprintf(buffer, sizeof buffer, "%s", no.c_str());
        std::string kept(buffer, sizeof buffer);
        int size = in.ConsumeIntegralInRange<int>(0, (int)sizeof buffer);
        FUZZ_CHECK(CurTDialog::showInput(textHeight, textWidth, 0, t.c_str(), maybeTitle,
                                         buffer, size, in.ConsumeBool()) == -1);
        FUZZ_CHECK(std::string(buffer, sizeof buffer) == kept);
    } else if (kind == 6) {
        CurTDialog::showText(textHeight, textWidth, 0, t.c_str(), maybeTitle);
    } else if (kind == 0)
        CurTDialog::showMessage(textHeight, textWidth, 0, t.c_str(), maybeTitle);
    else
        CurTDialog::showQuestion(textHeight, textWidth, 0, t.c_str(), maybeTitle,
                                 yes.c_str(), in.ConsumeBool() ? no.c_str() : nullptr,
                                 in.ConsumeBool());
    FUZZ_CHECK(before.changedOutside(Rects{}).empty());
}

// A window of any geometry is inert or lies at its own place and size, its
// part cut to the screen on the screen; a size larger than the screen is
// kept up to 512 cells on a side.
static void checkWindow(const CurWindow& win)
{
    WINDOW* c = win.getWindow();
    if (c == nullptr)
        return;
    FUZZ_CHECK(getbegy(c) == win.getY() && getbegx(c) == win.getX());
    FUZZ_CHECK(getmaxy(c) == win.getHeight() && getmaxx(c) == win.getWidth());
    FUZZ_CHECK(win.getHeight() <= std::max(LINES, 512) && win.getWidth() <= std::max(COLS, 512));
    FUZZ_CHECK(win.getY() >= 0 && win.getX() >= 0
               && win.getY() <= LINES - std::min(win.getHeight(), LINES)
               && win.getX() <= COLS - std::min(win.getWidth(), COLS));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzScreen();
    FuzzedDataProvider in(data, size);
    // Values up to 249 choose among the first ten kinds as they always did,
    // so the regression inputs keep their meaning; 250 to 255 the gauge and
    // the viewer, which came later.
    int pick = in.ConsumeIntegral<uint8_t>();
    int kind = pick < 250 ? pick % 10 : (pick < 253 ? 10 : 11);
    CurWindow* made;
    if (pick >= 230 && pick < 250) {
        int h = fuzzGeometry(in), w = fuzzGeometry(in), y = fuzzGeometry(in);
        made = new CurWindow(h, w, y, fuzzGeometry(in));
    } else {
        int h = in.ConsumeIntegralInRange<int>(1, LINES), w = in.ConsumeIntegralInRange<int>(1, COLS);
        made = new CurWindow(h, w, in.ConsumeIntegralInRange<int>(0, LINES - h),
                             in.ConsumeIntegralInRange<int>(0, COLS - w));
    }
    std::unique_ptr<CurWindow> owner(made);
    CurWindow& win = *made;
    checkWindow(win);
    int h = win.getHeight(), w = win.getWidth();
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
    case 9: showBox(in); return 0;
    case 10: allowed = drawGauge(win, in); break;
    default: allowed = drawViewer(win, in); break;
    }
    std::string changed = before.changedOutside(allowed);
    if (!changed.empty())
        fprintf(stderr, "kind %d in a %dx%d window wrote at %s outside %dx%d at %d,%d\n", kind,
                h, w, changed.c_str(), allowed[0].height, allowed[0].width, allowed[0].y,
                allowed[0].x);
    FUZZ_CHECK(changed.empty());
    return 0;
}
