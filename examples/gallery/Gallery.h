#ifndef VELMORA_GALLERY_H
#define VELMORA_GALLERY_H
// The gallery: a tour of the toolkit, one page per feature. A banner across
// the top row names the gallery, the page and the keys that leave it; the
// bottom row holds a hint. Pages draw in the rows between (1 to height - 2),
// run until the user leaves them with a key, and return to the page list.

// the pages
void pageWindows();    // windows placed and centred, frames, titles, colours, stacking
void pageLabels();     // labels in every alignment, word wrap
void pageDialogs();    // a grid of buttons, message and question boxes
void pageForm();       // a complete form of input gadgets
void pageLog();        // a log pane streaming lines
void pageNote();       // a note
void pageText();       // accented, Greek, Cyrillic and CJK text in a label, a list edited live and an editor
void pageBoxes();      // a gauge, the gauge, input and viewer boxes
void pageGadgets();    // an editor, a calendar, a time and a file selection in one form
void pageMenus();      // a menu bar with pull-down menus, and a pop-up menu
void pageTables();     // a table of a million rows from a data source, a directory tree read lazily

// shared by the pages
void galleryClear();                       // blank screen, repainted (the banner stays)
int  galleryWaitKey();                     // waits for a key on the standard screen
int  galleryWaitKeyFor(int ms);            // the same, but -1 when no key came within ms
void galleryFooter(const char* hint);      // a hint on the bottom line of the screen
void galleryTitle(const char* title, const char* keys); // banner: page title centred, keys right
int  galleryColor(int fg, int bg);         // attribute of a colour pair (0 without colours)

// the gallery's frame, for main
void galleryStart();                       // curses, colours and the banner
void galleryEnd();                         // gives the terminal back as it was
#endif
