// pageMenus.cpp - a gallery page: a menu bar under the banner whose menus
// show hot keys, key hints, a separator, a disabled item and check items,
// and a pop-up menu asking which action to take. A note reports each choice.
// The Theme menu switches between the built-in themes and lays the page out
// again in the new one.
#include "Gallery.h"

#include <CurInit.h>
#include <CurLabel.h>
#include <CurMenu.h>
#include <CurMenuBar.h>
#include <CurNote.h>
#include <curses.h>
#include <cstring>
#include <string>

static const char* about =
    "A CurMenuBar holds the titles; each pulls down a CurMenu. F10 opens the "
    "bar, Alt plus a title's underlined letter opens its menu; Left and Right "
    "move between menus, Up and Down between items, Enter or an item's letter "
    "chooses and Esc closes one level.\n\n"
    "popup() shows a CurMenu anywhere and returns the chosen item, for "
    "context menus and \"which action?\" questions. When a menu closes, what "
    "lay under it comes back.";

static const char* hint = "F10 or Alt+letter: menus, p: pop-up menu, q: back.";

struct MenuPage {
    CurNote*    report;
    bool        quit;
    const char* theme;                   // chosen in the Theme menu, or null
};


static void report(MenuPage* page, const std::string& text)
{
    page->report->erase();
    page->report->setText(text.c_str(), false);
    page->report->draw();
    page->report->update();
}

// Windows take their theme when made: the page is made again after a switch.
static void themeMenu(CurMenu* menu, MenuPage* page)
{
    menu->addCheckItem("&Default", "", strcmp(CurInit::getTheme(), "default") == 0,
                       [page] { page->theme = "default"; page->quit = true; });
    menu->addCheckItem("&Classic", "", strcmp(CurInit::getTheme(), "classic") == 0,
                       [page] { page->theme = "classic"; page->quit = true; });
}

static const char* runPage()
{
    galleryFooter(hint);
    int sideWidth = CurInit::width - 42;
    CurNote side(CurLabel::getEffHeight(about, sideWidth - 4) + 2, sideWidth, 3, 40);
    side.setTitle("How it works", CurInit::LEFT);
    side.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    side.setText(about, false);
    side.draw();
    side.update();
    CurNote chosen(5, 36, 3, 2);
    chosen.setTitle("Chosen", CurInit::LEFT);
    chosen.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    MenuPage page = {&chosen, false, nullptr};
    report(&page, "Nothing yet.");

    CurMenu file, view, theme, help;
    file.addItem("&New", "Ctrl-N", [&] { report(&page, "File, New"); });
    file.addItem("&Open...", "Ctrl-O", [&] { report(&page, "File, Open..."); });
    int save = file.addItem("&Save", "Ctrl-S", nullptr);
    file.setEnabled(save, false);
    file.addSeparator();
    file.addItem("&Back to the pages", "q", [&] { page.quit = true; });
    auto checks = [&] {
        report(&page, std::string("Line numbers ") + (view.isChecked(0) ? "on" : "off")
                          + ", wrapping " + (view.isChecked(1) ? "on." : "off."));
    };
    view.addCheckItem("Line &numbers", "", true, checks);
    view.addCheckItem("&Wrap long lines", "", false, checks);
    view.addSeparator();
    view.addItem("&Zoom in", "Ctrl-+", [&] { report(&page, "View, Zoom in"); });
    themeMenu(&theme, &page);
    help.addItem("&About menus", "F1", [&] { report(&page, "Help, About menus"); });

    CurMenuBar bar(1);
    bar.addMenu("&File", &file);
    bar.addMenu("&View", &view);
    bar.addMenu("&Theme", &theme);
    bar.addMenu("&Help", &help);
    bar.draw();
    bar.update();

    CurMenu action;
    action.addItem("&Copy", "", nullptr);
    action.addItem("&Move", "", nullptr);
    action.addItem("&Rename", "", nullptr);
    action.addSeparator();
    action.addItem("&Delete", "", nullptr);
    const char* actions[] = {"Copy", "Move", "Rename", "", "Delete"};

    while (!page.quit) {
        int key = galleryWaitKey();
        if (bar.processKey(key))
            continue;           // the chosen item's callback has run
        if (key == 'q' || key == 'Q' || key == 27 || key == ERR)
            break;
        if (key == 'p') {
            int index = action.popup(10, 6);
            report(&page, index < 0 ? "The pop-up was closed with Esc."
                                    : std::string("Pop-up: ") + actions[index]);
        }
    }
    return page.theme;
}

void pageMenus()
{
    for (const char* theme; (theme = runPage()) != nullptr;) {
        CurInit::setTheme(theme);
        galleryClear();                  // the screen in the new background
    }
}
