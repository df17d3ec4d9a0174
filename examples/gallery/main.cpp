// main.cpp - the gallery's page list: move to a page with the arrow keys (or
// press its number) and open it with Enter; q leaves the gallery and gives
// the terminal back as it was.
#include "Gallery.h"

#include <CurInit.h>
#include <CurLabel.h>
#include <CurNote.h>
#include <CurWindow.h>
#include <curses.h>

struct GalleryPage {
    const char* name;
    const char* keys;                      // how the page is left, for the banner
    const char* about;
    void (*run)();
};

static const GalleryPage pages[] = {
    {"Windows and colours", "q: back",
     "Framed windows, placed or centred, with titles, colour pairs and attributes. "
     "Later windows lie on top; one call repaints them all.", pageWindows},
    {"Labels and word wrap", "q: back",
     "Static text in every alignment, word-wrapped to its box or shown line by line.",
     pageLabels},
    {"Buttons and dialogs", "any key: back",
     "Push buttons in a form, and the one-call message and question boxes.", pageDialogs},
    {"A complete form", "any key: back",
     "Line editors, check boxes, a radio group and a list, with Tab and the arrow keys "
     "moving the focus.", pageForm},
    {"Log pane", "q: back",
     "A CurLogger streaming lines while you watch: log() in one attribute, error() in "
     "another, older lines scrolling away.", pageLog},
    {"Note", "q: back",
     "A framed note with aligned text, and showNote: one call puts a note on the "
     "screen and returns at once.", pageNote},
};
static const int numPages = sizeof(pages) / sizeof(pages[0]);

static const int LIST_WIDTH = 28;

static const char* welcome =
    "Welcome to the Velmora gallery, a tour of the toolkit in six pages. The line at "
    "the top of the screen is a CurBanner: the gallery's name on the left, the page "
    "title in the middle and the keys that leave the page on the right.\n"
    "Every page shows a part of the toolkit at work and tells how it is done; each is "
    "left with the key on the banner.";

static void drawList(CurWindow& list, int current)
{
    WINDOW* w = list.getWindow();
    if (w == nullptr)
        return;
    for (int i = 0; i < numPages; i++) {
        int attr = i == current ? CurInit::reverse : 0;
        wattron(w, attr);
        mvwprintw(w, 1 + i, 1, " %d  %-*s", i + 1, LIST_WIDTH - 7, pages[i].name);
        wattroff(w, attr);
    }
}

static void drawAbout(CurNote& about, int current)
{
    about.erase();
    about.setText(pages[current].about, false);
    about.draw();
}

// Returns the chosen page's index, or -1 when the user leaves the gallery.
static int choosePage(int current)
{
    galleryClear();
    galleryTitle("Pages", "Enter: open, q: quit");
    galleryFooter("Up/Down choose a page, Enter opens it, 1-6 jump to one, q leaves.");
    CurWindow list(numPages + 2, LIST_WIDTH, 3, 3);
    list.setTitle("Pages", CurInit::LEFT);
    CurNote about(8, 44, 3, 33);
    about.setTitle("About this page", CurInit::LEFT);
    about.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    CurNote intro(CurLabel::getEffHeight(welcome, 70) + 2, 74, 12, 3);
    intro.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    intro.setText(welcome, true);
    intro.update();
    for (;;) {
        drawList(list, current);
        drawAbout(about, current);
        about.update();
        list.update();
        int key = galleryWaitKey();
        if (key == 'q' || key == 'Q' || key == 27 || key == ERR)
            return -1;
        if (key == KEY_UP && current > 0)
            current--;
        else if (key == KEY_DOWN && current < numPages - 1)
            current++;
        else if (key >= '1' && key < '1' + numPages)
            return key - '1';
        else if (key == 13 || key == ' ')
            return current;
    }
}

int main()
{
    galleryStart();
    for (int page = 0;;) {
        page = choosePage(page);
        if (page < 0)
            break;
        galleryClear();
        galleryTitle(pages[page].name, pages[page].keys);
        pages[page].run();
    }
    galleryEnd();
    return 0;
}
