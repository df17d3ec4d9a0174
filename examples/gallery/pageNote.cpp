// pageNote.cpp - a gallery page: a note whose text moves through the nine
// alignments with the arrow keys, its frame switched off and on, and a note
// put up with one call to showNote, which stays until the screen is repainted.
#include "Gallery.h"

#include <CurInit.h>
#include <CurLabel.h>
#include <CurNote.h>
#include <curses.h>
#include <cstdio>

static const CurInit::ALIGNMENT across[] = {CurInit::LEFT, CurInit::CENTER, CurInit::RIGHT};
static const CurInit::ALIGNMENT down[] = {CurInit::TOP, CurInit::CENTER, CurInit::BOTTOM};
static const char* acrossName[] = {"LEFT", "CENTER", "RIGHT"};
static const char* downName[] = {"TOP", "CENTER", "BOTTOM"};

static const char* about =
    "A CurNote is a framed window with one text, wrapped to its width and "
    "aligned inside it. It reads no keys: the program draws and updates it.\n\n"
    "CurNote::showNote puts a note sized to its text in the middle of the "
    "screen with one call and returns at once. The note stays on the terminal "
    "until the screen is repainted.";

struct NoteState {
    int  h;                                // index into across
    int  v;                                // index into down
    bool framed;
};

static void drawDemo(CurNote& demo, const NoteState& state)
{
    char text[96];
    snprintf(text, sizeof text, "This text is aligned %s and %s.", acrossName[state.h],
             downName[state.v]);
    demo.erase();                          // the old text may be longer than the new one
    demo.setAlignment(across[state.h], down[state.v], false);
    demo.setText(text, false);
    demo.enableFrame(state.framed);
    demo.draw();
    demo.update();
}

static void showOneCallNote()
{
    CurNote::showNote(-1, -1, galleryColor(CurInit::black, CurInit::yellow),
                      "Saved.\n"
                      "This note came from one call to showNote.\n"
                      "Press r to repaint the screen, and it is gone.");
}

void pageNote()
{
    galleryFooter("Arrows align the text, f frame off/on, n one-call note, r repaint, q back.");
    NoteState state = {1, 1, true};
    CurNote demo(9, 36, 2, 2);
    demo.setTitle("CurNote", CurInit::LEFT);
    int sideWidth = CurInit::width - 42;
    CurNote side(CurLabel::getEffHeight(about, sideWidth - 4) + 2, sideWidth, 2, 40);
    side.setTitle("How it works", CurInit::LEFT);
    side.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    side.setText(about, false);
    side.draw();
    side.update();
    drawDemo(demo, state);

    for (;;) {
        int key = galleryWaitKey();
        if (key == 'q' || key == 'Q' || key == 27 || key == ERR)
            break;
        if (key == KEY_LEFT && state.h > 0)
            state.h--;
        else if (key == KEY_RIGHT && state.h < 2)
            state.h++;
        else if (key == KEY_UP && state.v > 0)
            state.v--;
        else if (key == KEY_DOWN && state.v < 2)
            state.v++;
        else if (key == 'f')
            state.framed = !state.framed;
        else if (key == 'n') {
            showOneCallNote();
            continue;
        } else if (key == 'r') {
            CurInit::repaintScreen();    // from scratch: the one-call note's image goes
            galleryFooter("Arrows align the text, f frame off/on, n one-call note, r repaint, q back.");
            continue;
        }
        drawDemo(demo, state);
    }
}
