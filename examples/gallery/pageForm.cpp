// pageForm.cpp - the gallery's form page: a name, a masked password, three
// check boxes, a radio group, a long multiple-choice list and a short
// single-choice list, run by a focuser; after OK the page shows the answers.
#include "Gallery.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurLineEdit.h>
#include <CurList.h>
#include <CurRadioBox.h>
#include <CurToggle.h>
#include <CurWindow.h>
#include <curses.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static const char* const colours[] = {"Red", "Orange", "Yellow", "Green", "Blue",
                                      "Indigo", "Violet", "Black", "White"};
static const int numColours = sizeof(colours) / sizeof(colours[0]);
static const int numItems = 300;

struct FormState {
    CurFocuser* focuser;
    bool accepted;
};

static void okCB(void* data)
{
    FormState* state = (FormState*)data;
    state->accepted = true;
    state->focuser->stopKbdLoop();
}

static void cancelCB(void* data)
{
    FormState* state = (FormState*)data;
    state->accepted = false;
    state->focuser->stopKbdLoop();
}

static void itemName(char* out, int size, int index)
{
    snprintf(out, size, "Item %03d: %s", index + 1, colours[index % numColours]);
}

static CurLabel* caption(CurWindow* win, const char* text, int y, int x, int width)
{
    CurLabel* label = new CurLabel(win, false);
    label->setGeometry(1, width, y, x);
    label->setAlignment(CurInit::LEFT, CurInit::TOP, false);
    label->setText(text, true);
    return label;
}

// The answers, one per row; the selected items are listed as far as the
// window has room for them.
static void showAnswers(CurWindow& win, CurLineEdit& name, CurLineEdit& password,
                        CurToggle** checks, CurToggle** sizes, CurList& items, CurList& colour)
{
    WINDOW* w = win.getWindow();
    win.erase();
    win.drawFrame();
    mvwprintw(w, 2, 3, "Name:       %.60s", name.getText());
    // Characters, not bytes: the locale decodes them, as the editor does, and
    // the first 40 are shown whole (a cut by bytes could split one).
    wchar_t shown[40];
    size_t taken = mbstowcs(shown, password.getText(), 40);
    mvwaddstr(w, 3, 3, "Password:   ");
    if (taken != (size_t)-1)
        waddnwstr(w, shown, (int)taken);
    wprintw(w, " (%d characters)", (int)mbstowcs(nullptr, password.getText(), 0));
    for (int i = 0; i < 3; i++)
        mvwprintw(w, 5 + i, 3, "Check %d:    %s", i + 1, checks[i]->isToggled() ? "on" : "off");
    for (int i = 0; i < 3; i++)
        if (sizes[i]->isToggled())
            mvwprintw(w, 9, 3, "Size:       %s", i == 0 ? "Small" : i == 1 ? "Medium" : "Large");

    int* chosen = nullptr;
    int count = 0;
    colour.getSelected(&chosen, &count);
    mvwprintw(w, 11, 3, "Colour:     %s", count > 0 ? colours[chosen[0]] : "(none)");
    delete[] chosen;

    items.getSelected(&chosen, &count);
    mvwprintw(w, 13, 3, "Items:      %d selected", count);
    int row = 14, col = 3;
    for (int i = 0; i < count && row < win.getHeight() - 2; i++) {
        char line[40];
        itemName(line, sizeof line, chosen[i]);
        mvwaddstr(w, row, col, line);
        col += 24;
        if (col + 22 > win.getWidth()) {
            col = 3;
            row++;
        }
    }
    delete[] chosen;
}

void pageForm()
{
    galleryClear();
    CurWindow win(22, 78, -1, -1);
    win.setTitle("A complete form", CurInit::CENTER);
    win.drawFrame();

    CurLabel* captions[] = {
        caption(&win, "Name:", 2, 3, 10),
        caption(&win, "Password:", 4, 3, 10),
        caption(&win, "Options:", 6, 3, 10),
        caption(&win, "Size:", 11, 3, 10),
        caption(&win, "Items (space marks several):", 1, 40, 35),
        caption(&win, "Colour (space marks one):", 12, 40, 35),
    };

    CurLineEdit name(&win);
    name.setGeometry(1, 24, 2, 13);
    CurLineEdit password(&win);
    password.setGeometry(1, 24, 4, 13);
    password.setHidden(true);

    const char* checkTexts[] = {"Send me the newsletter", "Remember me", "I accept the terms"};
    CurToggle* checks[3];
    for (int i = 0; i < 3; i++) {
        checks[i] = new CurToggle(&win);
        checks[i]->setGeometry(1, 26, 6 + i, 13);
        checks[i]->setLabelAlignment(CurInit::LEFT, false);
        checks[i]->setText(checkTexts[i], false);
        checks[i]->toggle(i == 1, false);
    }

    const char* sizeTexts[] = {"Small", "Medium", "Large"};
    CurRadioBox sizeGroup;
    CurToggle* sizes[3];
    for (int i = 0; i < 3; i++) {
        sizes[i] = new CurToggle(&win);
        sizes[i]->setGeometry(1, 26, 11 + i, 13);
        sizes[i]->setLabelAlignment(CurInit::LEFT, false);
        sizes[i]->setText(sizeTexts[i], false);
        sizeGroup.addButton(sizes[i]);
    }

    CurList items(&win);
    items.setGeometry(10, 36, 2, 40);
    for (int i = 0; i < numItems; i++) {
        char line[40];
        itemName(line, sizeof line, i);
        items.addLine(line, false, false);
    }
    CurList colour(&win);
    colour.setGeometry(7, 36, 13, 40);
    colour.setSelectMode(CurList::SINGLE);
    for (int i = 0; i < numColours; i++)
        colour.addLine(colours[i], i == 4, false);

    CurButton ok(&win), cancel(&win);
    ok.setGeometry(1, 12, 19, 10);
    cancel.setGeometry(1, 12, 19, 26);
    cancel.setText("Cancel", false);

    CurFocuser form;
    FormState state = {&form, false};
    ok.setActivateCB(okCB, &state);
    cancel.setActivateCB(cancelCB, &state);
    form.setEnterCB(okCB, &state);      // Enter outside the buttons accepts, as OK does
    CurGadget* order[] = {&name, &password, checks[0], checks[1], checks[2], sizes[0], sizes[1],
                          sizes[2], &items, &colour, &ok, &cancel};
    for (CurGadget* g : order)
        form.addGadget(g);

    galleryFooter("Tab/arrows move, space ticks and selects, Enter accepts, Cancel leaves.");
    form.kbdLoop();

    if (state.accepted) {
        showAnswers(win, name, password, checks, sizes, items, colour);
        win.update();
        galleryFooter("These are your answers. Press any key to go back.");
        galleryWaitKey();
    }
    for (CurToggle* t : sizes)
        delete t;
    for (CurToggle* t : checks)
        delete t;
    for (CurLabel* l : captions)
        delete l;
}
