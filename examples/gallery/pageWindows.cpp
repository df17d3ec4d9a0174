// pageWindows.cpp - the gallery page "Windows and colours": windows placed
// and centred, titles in all three alignments, colour pairs and attributes,
// and stacking, unmapping and repainting them from the window registry.
#include "Gallery.h"

#include <CurInit.h>
#include <CurLabel.h>
#include <CurWindow.h>
#include <curses.h>

static const char* const colourNames[8] = {
    "black", "red", "green", "yellow", "blue", "magenta", "cyan", "white",
};

// Pairs are handed out once per run: the table is never given back, and a
// page visited again reuses them. pairs[i] shows colour i, the last two are
// the backgrounds of the centred window and of the backdrop.
static int pairs[10];

static void makePairs()
{
    static bool made = false;
    if (made)
        return;
    made = true;
    for (int i = 0; i < 8; i++)
        pairs[i] = CurInit::addColorPair(i, i == CurInit::black ? CurInit::white : CurInit::black);
    pairs[8] = CurInit::addColorPair(CurInit::black, CurInit::cyan);
    pairs[9] = CurInit::addColorPair(CurInit::blue, CurInit::black);
}

static void fillColours(CurWindow& win)
{
    WINDOW* w = win.getWindow();
    for (int i = 0; i < 8; i++) {
        wattron(w, CurInit::pairToAttr(pairs[i]));
        mvwprintw(w, 1 + i, 2, "%d  %-8s on %s", i, colourNames[i], i == 0 ? "white" : "black");
        wattroff(w, CurInit::pairToAttr(pairs[i]));
    }
}

static void fillAttributes(CurWindow& win)
{
    static const struct { const char* name; int* attr; } rows[] = {
        {"bold", &CurInit::bold},       {"underline", &CurInit::underline},
        {"reverse", &CurInit::reverse}, {"dim", &CurInit::dim},
        {"standout", &CurInit::standout}, {"blink", &CurInit::blink},
    };
    WINDOW* w = win.getWindow();
    mvwaddstr(w, 1, 2, "normal");
    for (int i = 0; i < 6; i++) {
        wattron(w, *rows[i].attr);
        mvwaddstr(w, 2 + i, 2, rows[i].name);
        wattroff(w, *rows[i].attr);
    }
}

static void fillCentred(CurWindow& win)
{
    CurLabel text(&win, true);
    text.setGeometry(win.getHeight() - 2, win.getWidth() - 4, 1, 2);
    text.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    text.setText("This window is centred on the screen. It was built last, so it "
                 "lies on top where it overlaps the others. Press c to change its "
                 "colour pair: the text already drawn changes with it.", true);
}

// The registry paints oldest first, so taking a window out and putting it
// back at the end brings it to the top of the stack.
static void raise(CurWindow* win)
{
    CurInit::delWindow(win);
    CurInit::addWindow(win);
}

static void toggleMapped(CurWindow* win)
{
    if (win->isMapped())
        win->unmap();
    else
        win->map();
}

void pageWindows()
{
    makePairs();
    int h = CurInit::height - 1;        // the bottom line keeps the footer
    int w = CurInit::width;

    // A backdrop of bullets covers the page list while the page is shown,
    // between the banner and the footer.
    CurWindow backdrop(h - 1, w, 1, 0);
    backdrop.setAttributes((int)(ACS_BULLET | CurInit::pairToAttr(pairs[9])));

    CurWindow colours(10, 32, 1, 2);
    colours.setAttributes(CurInit::pairToAttr(pairs[CurInit::white]));
    colours.setTitle("Placed at 1,2", CurInit::LEFT);
    fillColours(colours);

    CurWindow attributes(9, 30, h - 10, w - 32);
    attributes.setTitle("Attributes", CurInit::RIGHT);
    fillAttributes(attributes);

    CurWindow centred(9, 40, -1, -1);
    centred.setAttributes(CurInit::pairToAttr(pairs[8]) | CurInit::bold);
    centred.setTitle("Centred", CurInit::CENTER);
    fillCentred(centred);

    CurWindow* numbered[3] = {&colours, &attributes, &centred};
    CurWindow* stack[3] = {&colours, &attributes, &centred};   // bottom first
    int background = CurInit::cyan;
    galleryFooter("1 2 3 hide or show a window   s restack   c colour   q back");
    for (;;) {
        CurInit::refreshAllWindows();
        int key = galleryWaitKey();
        if (key == 'q' || key == 'Q' || key == 27 || key == ERR)
            break;
        if (key >= '1' && key <= '3') {
            toggleMapped(numbered[key - '1']);
        } else if (key == 's') {
            CurWindow* bottom = stack[0];
            raise(bottom);
            stack[0] = stack[1];
            stack[1] = stack[2];
            stack[2] = bottom;
        } else if (key == 'c') {
            background = background % 7 + 1;
            CurInit::setColorPair(pairs[8], CurInit::black, background);
        }
    }
}
