// main.cpp - the gallery's page list: move to a page with the arrow keys (or
// press its number) and open it with Enter; q leaves the gallery and gives
// the terminal back as it was.
#include "Gallery.h"

#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurList.h>
#include <CurNote.h>
#include <CurWindow.h>
#include <curses.h>
#include <cstdio>

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
    {"Buttons and dialogs", "q: back",
     "Push buttons in a form, and the one-call message and question boxes.", pageDialogs},
    {"A complete form", "Cancel: back",
     "Line editors, check boxes, a radio group and a list, with Tab and the arrow keys "
     "moving the focus.", pageForm},
    {"Log pane", "q: back",
     "A CurLogger streaming lines while you watch: log() in one attribute, error() in "
     "another, older lines scrolling away.", pageLog},
    {"Note", "q: back",
     "A framed note with aligned text, and showNote: one call puts a note on the "
     "screen and returns at once.", pageNote},
    {"Text and languages", "Back: back",
     "Accented, Greek, Cyrillic and CJK text in a label, a list edited live and a line "
     "editor, measured in screen columns.", pageText},
    {"Gauge, input, viewer", "q: back",
     "A gauge, the gauge box fed while work runs, the input and password boxes, and "
     "the viewer box with its search.", pageBoxes},
    {"Editor, dates, files", "Done: back",
     "A multi-line editor, a calendar, a time and a file selection in one form, with a "
     "line that follows what they hold.", pageGadgets},
    {"Menus and pop-ups", "q: back",
     "A menu bar under the banner with pull-down menus, opened with F10 or Alt and a "
     "letter, and a pop-up menu asking which action to take.", pageMenus},
    {"Tables and trees", "Done: back",
     "A table of a million processes handed out by a data source as they are shown, "
     "sorted and resized with keys and the mouse, and the file system as a tree whose "
     "directories are read when first opened.", pageTables},
};
static const int numPages = sizeof(pages) / sizeof(pages[0]);

static const int LIST_WIDTH = 28;

static const char* welcome =
    "Welcome to the Velmora gallery, a tour of the toolkit in eleven pages. The line at "
    "the top of the screen is a CurBanner: the gallery's name on the left, the page "
    "title in the middle and the keys that leave the page on the right.\n"
    "Each page shows the toolkit at work; the banner says how to leave it.";

// The page list: a CurList that shows what its current page is about
// whenever the current line changes (keys or clicks), and ends the form's
// loop when a page is chosen (Enter, Space, the page's number or a double
// click) or the gallery is left (q or Esc).
class PageList : public CurList {
public:
    PageList(CurWindow* window, CurFocuser* form, CurNote* about)
        : CurList(window), form(form), about(about), chosen(-1), failures(0)
    {
        for (int i = 0; i < numPages; i++) {
            char line[LIST_WIDTH];
            snprintf(line, sizeof line, "%-2d %s", i + 1, pages[i].name);
            addLine(line, false, false);
        }
        setSelectMode(SINGLE);
        setChangeCB([this](CurList*) { showAbout(); });
        setActivateCB([this](CurList*) { choose(getCurrent()); });
    }

    int choice() const { return chosen; }

    // The list's own frame, with its title on the top border; the cursor
    // goes back to the current line, where the list leaves it.
    void draw() override
    {
        CurList::draw();
        WINDOW* w = getWindow()->getWindow();
        mvwaddstr(w, getY(), getX() + 2, "Pages");
        wmove(w, getY() + 1 + getCurrent(), getX() + 1);
        showAbout();
    }

    bool processKey(int key) override
    {
        failures = key == ERR ? failures + 1 : 0;
        if (key >= '1' && key < '1' + numPages)
            return choose(key - '1');
        if (key == '0' && numPages >= 10)
            return choose(9);
        if (key == 13 || key == ' ')
            return choose(getCurrent());
        if (key == 'q' || key == 'Q' || key == 27 || failures > 50)
            return choose(-1);
        return CurList::processKey(key);
    }

private:
    bool choose(int page)
    {
        chosen = page;
        form->stopKbdLoop();
        return true;
    }

    void showAbout()
    {
        about->erase();
        about->setText(pages[getCurrent()].about, false);
        about->draw();
        about->update();
    }

    CurFocuser* form;
    CurNote*    about;
    int         chosen;
    int         failures;                  // reads in a row that brought no key
};

// Returns the chosen page's index, or -1 when the user leaves the gallery.
static int choosePage(int current)
{
    galleryClear();
    galleryTitle("Pages", "Enter: open, q: quit");
    galleryFooter("Press a page number, or choose with Up/Down and Enter; q leaves.");
    CurWindow listWindow(numPages + 2, LIST_WIDTH, 3, 3);
    CurNote about(8, 44, 3, 33);
    about.setTitle("About this page", CurInit::LEFT);
    about.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    CurNote intro(CurLabel::getEffHeight(welcome, 70) + 2, 74, numPages + 5, 3); // right below the list
    intro.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    intro.setText(welcome, true);
    intro.update();

    CurFocuser form;
    PageList list(&listWindow, &form, &about);
    list.setCurrent(current, false);
    form.addGadget(&list);
    form.kbdLoop();                        // draws the list, runs until a choice
    return list.choice();
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
