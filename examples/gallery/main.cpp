// main.cpp - the gallery's page list: pick a page with its number, q leaves
// and gives the terminal back as it was.
#include "Gallery.h"

#include <CurInit.h>
#include <CurLabel.h>
#include <CurWindow.h>
#include <curses.h>
#include <cstdio>

struct GalleryPage {
    const char* name;
    void (*run)();
};

static const GalleryPage pages[] = {
    {"Windows and colours", pageWindows},
    {"Labels and word wrap", pageLabels},
    {"Buttons and dialogs", pageDialogs},
    {"A complete form", pageForm},
    {"Log pane", pageLog},
    {"Note", pageNote},
};
static const int numPages = sizeof(pages) / sizeof(pages[0]);

static void drawMenu(CurWindow& menu)
{
    menu.erase();
    menu.setTitle("Velmora gallery", CurInit::CENTER);
    for (int i = 0; i < numPages; i++)
        mvwprintw(menu.getWindow(), 2 + i, 3, "%d  %s", i + 1, pages[i].name);
}

int main()
{
    CurInit::initialize();
    {
        CurWindow menu(numPages + 4, 40, -1, -1);
        for (;;) {
            galleryClear();
            drawMenu(menu);
            galleryFooter("Press a page number, or q to leave.");
            menu.update();
            int key = galleryWaitKey();
            if (key == 'q' || key == 'Q')
                break;
            if (key >= '1' && key < '1' + numPages)
                pages[key - '1'].run();
        }
    }
    CurInit::cleanup();
    return 0;
}
