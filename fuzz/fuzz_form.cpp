// fuzz_form.cpp - a form (fuzz/) of generated gadgets at generated places in
// two windows, driven by a key stream of Tab, back-tab, arrows, Enter,
// mouse reports and more, with callbacks that remove gadgets, move the
// focus or stop the loop.
// A removed gadget is deleted at once (the caller of a callback at the end),
// so a focus index naming a gadget no longer held is a use after free; a
// removed button that is still alive checks that the loop leaves it alone.
// Resizes of the screen (1x1 to 300x100) arrive between the loops and from
// callbacks, as the key reader gets them; each window must keep its size,
// its place where the screen has it, and, between loops, every cell.
#include "CurButton.h"
#include "CurFocuser.h"
#include "CurInit.h"
#include "CurLineEdit.h"
#include "CurList.h"
#include "CurToggle.h"
#include "CurWindow.h"
#include "FuzzSupport.h"

#include <algorithm>

namespace {
struct Form;

// A button that fails when the form uses it after removing it.
class FuzzButton : public CurButton {
public:
    FuzzButton(CurWindow* window, Form* form) : CurButton(window), form(form) {}
    void draw() override;
    bool processKey(int key) override;
    bool processMouse(const CurInit::MouseEvent& event) override;
    void acceptFocus(bool redraw) override;
    void loseFocus(bool redraw) override;
    Form* form;
};

struct Form {
    FuzzedDataProvider*     in;
    CurWindow*              windows[2];
    bool                    looping = false;  // callbacks act only inside the loop
    CurFocuser              focuser;
    std::vector<CurGadget*> held;
    std::vector<CurGadget*> removed;     // removed while calling back; deleted at the end

    bool holds(const CurGadget* g) const
    {
        return std::find(held.begin(), held.end(), g) != held.end();
    }

    // What a callback does, chosen by the input; caller is the gadget whose
    // callback runs, or null for the form's Enter callback.
    void act(CurGadget* caller)
    {
        int pick = in->ConsumeIntegral<uint8_t>();
        if (pick >= 250) {
            focuser.stopKbdLoop();
        } else if (pick >= 230) {
            focuser.setFocus(pick - 240);          // -10 to 9: none, a held one, past the end
        } else if (pick >= 222) {
            int rows = in->ConsumeIntegralInRange<int>(1, 100);
            fuzzResize(rows, in->ConsumeIntegralInRange<int>(1, 300));
        } else if (!held.empty()) {
            CurGadget* g = held[pick % held.size()];
            held.erase(std::find(held.begin(), held.end(), g));
            focuser.delGadget(g);
            if (g == caller)
                removed.push_back(g);
            else
                delete g;
        }
    }
};

// A window keeps its size across resizes, and its place while that lies
// on the screen.
static void checkWindow(const CurWindow* win)
{
    WINDOW* c = win->getWindow();
    if (c == nullptr)
        return;
    FUZZ_CHECK(getmaxy(c) == win->getHeight() && getmaxx(c) == win->getWidth());
    if (win->getY() < LINES && win->getX() < COLS)
        FUZZ_CHECK(getbegy(c) == win->getY() && getbegx(c) == win->getX());
}

// After a resize, before the repaint: the windows are fitted; inside the
// loop the form may act on it.
void onResize(void* data)
{
    Form* form = (Form*)data;
    checkWindow(form->windows[0]);
    checkWindow(form->windows[1]);
    if (form->looping)
        form->act(nullptr);
}

void FuzzButton::draw()
{
    FUZZ_CHECK(form->holds(this));
    CurButton::draw();
}

bool FuzzButton::processKey(int key)
{
    FUZZ_CHECK(form->holds(this));
    return CurButton::processKey(key);
}

bool FuzzButton::processMouse(const CurInit::MouseEvent& event)
{
    FUZZ_CHECK(form->holds(this));
    FUZZ_CHECK(event.row >= y && event.row < y + height && event.column >= x && event.column < x + width);
    return CurButton::processMouse(event);
}

void FuzzButton::acceptFocus(bool redraw)
{
    FUZZ_CHECK(form->holds(this));
    CurButton::acceptFocus(redraw);
}

void FuzzButton::loseFocus(bool redraw)
{
    FUZZ_CHECK(form->holds(this));
    CurButton::loseFocus(redraw);
}

// Callback data: the form and the gadget the callback belongs to.
struct Slot {
    Form*      form;
    CurGadget* gadget;
};

void onActivate(void* data)
{
    Slot* s = (Slot*)data;
    s->form->act(s->gadget);
}

void onToggle(CurToggle*, void* data)
{
    onActivate(data);
}

void onEnter(void* data)
{
    ((Form*)data)->act(nullptr);
}
}  // namespace

static CurGadget* makeGadget(Form& form, CurWindow* window, Slot* slot)
{
    FuzzedDataProvider& in = *form.in;
    CurGadget* g = nullptr;
    switch (in.ConsumeIntegralInRange<int>(0, 4)) {
    case 0: case 1: {
        CurButton* b = new FuzzButton(window, &form);
        b->setActivateCB(onActivate, slot);
        g = b;
        break;
    }
    case 2: {
        CurToggle* t = new CurToggle(window);
        t->setToggleCB(onToggle, slot);
        g = t;
        break;
    }
    case 3: g = new CurLineEdit(window); break;
    default: {
        CurList* l = new CurList(window);
        l->addLine("one", false, false);
        l->addLine("two", true, false);
        g = l;
    }
    }
    int h = in.ConsumeIntegralInRange<int>(0, 5), w = in.ConsumeIntegralInRange<int>(0, 30);
    g->setGeometry(h, w, fuzzGeometry(in), fuzzGeometry(in));
    *slot = Slot{&form, g};
    return g;
}

// A resize between loops, followed by the key reader: the windows keep
// every cell.
static void resize(Form& form, int rows, int cols)
{
    FuzzCells top(form.windows[0]->getWindow()), bottom(form.windows[1]->getWindow());
    fuzzResize(rows, cols);
    FUZZ_CHECK(CurInit::readKey(nullptr) == ERR);
    FUZZ_CHECK(top.changedOutside({}).empty() && bottom.changedOutside({}).empty());
}

static void pushKeys(FuzzedDataProvider& in)
{
    static const int keys[] = {9, KEY_BTAB, KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, 13, ' ', 'a', KEY_BACKSPACE};
    std::vector<int> stream;
    // curses keeps up to about 130 keys pushed back (a mouse report takes 16
    // at most); more would wrap its queue round onto keys read already
    int n = in.ConsumeIntegralInRange<int>(0, 120);
    for (; n > 0 && in.remaining_bytes() > 0 && stream.size() < 104; n--) {
        int b = in.ConsumeIntegral<uint8_t>();
        if (b >= 190 && b < 200)
            fuzzMouseReport(in, &stream);
        else
            stream.push_back(b < 200 ? keys[b % 10] : fuzzKey(in));
    }
    for (size_t i = stream.size(); i-- > 0;)
        ungetch(stream[i]);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzScreen();
    fuzzMouse();
    FuzzedDataProvider in(data, size);
    CurWindow top(12, COLS, 0, 0), bottom(LINES - 12, COLS / 2, 12, in.ConsumeIntegralInRange<int>(-1, COLS / 2));
    Form form;
    form.in = &in;
    form.windows[0] = &top;
    form.windows[1] = &bottom;
    CurInit::setResizeCB(onResize, &form);
    Slot slots[12];
    int count = in.ConsumeIntegralInRange<int>(0, 12);
    for (int i = 0; i < count; i++) {
        CurGadget* g = makeGadget(form, in.ConsumeBool() ? &top : &bottom, &slots[i]);
        form.held.push_back(g);
        form.focuser.addGadget(g);
    }
    form.focuser.setEnterCB(onEnter, &form);
    if (in.ConsumeBool())
        form.focuser.setFocus(in.ConsumeIntegralInRange<int>(-2, 14));
    for (int runs = 0; runs < 3; runs++) {
        if (in.ConsumeIntegral<uint8_t>() >= 192) {
            int rows = in.ConsumeIntegralInRange<int>(1, 100);
            resize(form, rows, in.ConsumeIntegralInRange<int>(1, 300));
        }
        pushKeys(in);
        form.looping = true;
        form.focuser.kbdLoop();
        form.looping = false;
        form.focuser.enableKbdLoop();
        flushinp();
    }
    if (LINES != fuzzRows || COLS != fuzzCols)
        resize(form, fuzzRows, fuzzCols);
    checkWindow(&top);                   // every window at its place again
    checkWindow(&bottom);
    CurInit::setResizeCB(nullptr, nullptr);
    for (CurGadget* g : form.held)
        delete g;
    for (CurGadget* g : form.removed)
        delete g;
    return 0;
}
