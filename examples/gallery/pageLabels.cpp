// pageLabels.cpp - the gallery page "Labels and word wrap": one framed window
// for each of the nine pairs of alignments, all showing the same text,
// word-wrapped or as it is, with texts that show the wrapping rules.
#include "Gallery.h"

#include <CurInit.h>
#include <CurLabel.h>
#include <CurWindow.h>
#include <cstdio>

static const char* const texts[] = {
    "Short text",
    "Labels wrap their text at word boundaries to the width they are given.",
    "Line one\nLine two\n\nAfter an empty line",
    "Supercalifragilisticexpialidocious words are cut at the margin.",
};
static const int numTexts = sizeof(texts) / sizeof(texts[0]);

static const CurInit::ALIGNMENT horizontal[3] = {CurInit::LEFT, CurInit::CENTER, CurInit::RIGHT};
static const CurInit::ALIGNMENT vertical[3] = {CurInit::TOP, CurInit::CENTER, CurInit::BOTTOM};
static const char* const names[3][3] = {
    {"left, top", "centre, top", "right, top"},
    {"left, centre", "centre", "right, centre"},
    {"left, bottom", "centre, bottom", "right, bottom"},
};

// One cell of the grid: a framed window and the label inside its frame, a
// blank column away from it on either side.
struct LabelCell {
    CurWindow* window;
    CurLabel*  label;
};

static void makeLabel(LabelCell& cell, int row, int col, bool wrap)
{
    CurWindow* w = cell.window;
    cell.label = new CurLabel(w, wrap);
    cell.label->setGeometry(w->getHeight() - 2, w->getWidth() - 4, 1, 2);
    cell.label->setAlignment(horizontal[col], vertical[row], false);
}

// The label neither clears nor clips, so each window is erased and framed
// again before the new text is drawn.
static void drawCell(LabelCell& cell, const char* text)
{
    cell.window->erase();
    cell.window->drawFrame();
    cell.label->setText(text, true);
}

void pageLabels()
{
    // The page has the rows between the banner and the footer.
    int pageHeight = CurInit::height - 2;
    int cellHeight = (pageHeight - 1) / 3;
    int cellWidth = CurInit::width / 3;
    // Covers the page list, and whatever the grid leaves at the edges.
    CurWindow backdrop(pageHeight, CurInit::width, 1, 0);

    LabelCell cells[3][3];
    for (int row = 0; row < 3; row++) {
        for (int col = 0; col < 3; col++) {
            int width = (col == 2) ? CurInit::width - 2 * cellWidth : cellWidth;
            cells[row][col].window = new CurWindow(cellHeight, width, 1 + row * cellHeight, col * cellWidth);
            cells[row][col].window->setTitle(names[row][col], CurInit::CENTER);
            makeLabel(cells[row][col], row, col, true);
        }
    }

    // A status line under the grid, centred by a label of its own.
    CurLabel status(&backdrop, false);
    status.setGeometry(1, CurInit::width, pageHeight - 1, 0);

    int which = 1;
    bool wrap = true;
    galleryFooter("t next text   w word wrap on or off   q back");
    for (;;) {
        for (int row = 0; row < 3; row++)
            for (int col = 0; col < 3; col++)
                drawCell(cells[row][col], texts[which]);
        char line[100];
        snprintf(line, sizeof line, "Text %d of %d, word wrap %s", which + 1, numTexts, wrap ? "on" : "off (long lines run on past the label)");
        backdrop.erase();
        status.setText(line, true);
        CurInit::refreshAllWindows();

        int key = galleryWaitKey();
        if (key == 'q' || key == 'Q' || key == 27 || key == -1)
            break;
        if (key == 't') {
            which = (which + 1) % numTexts;
        } else if (key == 'w') {
            // Wrapping is fixed when a label is built: build new ones.
            wrap = !wrap;
            for (int row = 0; row < 3; row++) {
                for (int col = 0; col < 3; col++) {
                    delete cells[row][col].label;
                    makeLabel(cells[row][col], row, col, wrap);
                }
            }
        }
    }

    for (int row = 0; row < 3; row++) {
        for (int col = 0; col < 3; col++) {
            delete cells[row][col].label;
            delete cells[row][col].window;
        }
    }
}
