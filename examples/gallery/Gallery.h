#ifndef VELMORA_GALLERY_H
#define VELMORA_GALLERY_H
// The gallery: a tour of the toolkit, one page per feature. Each page runs
// until the user leaves it and returns to the page list.

// the pages
void pageWindows();    // windows placed and centred, frames, titles, colours, stacking
void pageLabels();     // labels in every alignment, word wrap
void pageDialogs();    // a grid of buttons, message and question boxes
void pageForm();       // a complete form of input gadgets
void pageLog();        // a log pane streaming lines
void pageNote();       // a note

// shared by the pages
void galleryClear();                       // blank screen, repainted
int  galleryWaitKey();                     // waits for a key on the standard screen
void galleryFooter(const char* hint);      // a hint on the bottom line of the screen
#endif
