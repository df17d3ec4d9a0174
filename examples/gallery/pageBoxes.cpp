// pageBoxes.cpp - a gallery page: a gauge set with the arrow keys, and the
// one-call boxes a script reaches for: the gauge box fed while work runs, the
// input and password boxes, and the viewer box over a long text.
#include "Gallery.h"

#include <CurGauge.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurNote.h>
#include <CurTDialog.h>
#include <curses.h>
#include <cstdio>
#include <string>

static const char* hint = "Left/Right gauge, g gauge box, i input, p password, v viewer, q back.";

static const char* about =
    "A CurGauge shows a percentage as a bar, the number centred on it. The "
    "program sets it and redraws it; it reads no keys.\n\n"
    "CurGauge::openBox puts a gauge box on the screen and returns; updateBox "
    "moves it on while the work runs, closeBox takes it away.\n\n"
    "CurTDialog::showInput asks for a line of text, showFile and showText show "
    "a long text in a CurViewer: arrows and pages scroll, / searches, n again.";

static void drawGauge(CurWindow& window, CurGauge& gauge, int percent)
{
    gauge.setPercent(percent, true);
    window.update();
}

// The gauge box fed with the steps of some pretended work.
static void runGaugeBox()
{
    CurGauge::openBox(-1, 40, galleryColor(CurInit::white, CurInit::blue),
                      "Copying files...", "Gauge box", 0);
    for (int percent = 5; percent <= 100; percent += 5) {
        napms(60);
        CurGauge::updateBox(percent, percent < 60 ? nullptr : "Writing the index...");
    }
    napms(300);
    CurGauge::closeBox();
}

static std::string longText()
{
    std::string text = "This is a CurViewer in the one-call viewer box. Enter or Esc "
                       "closes it; try / and a word, then n.\n\n";
    for (int i = 1; i <= 200; i++)
        text += "Line " + std::to_string(i) + ": the quick brown fox jumps over the lazy dog.\n";
    return text;
}

static void showAnswer(const char* what, int answer, const char* text)
{
    char line[160];
    if (answer == 0)
        snprintf(line, sizeof line, "%s: accepted \"%s\"", what, text);
    else
        snprintf(line, sizeof line, "%s: %s", what, answer == 1 ? "cancelled" : "escaped");
    galleryFooter(line);
}

void pageBoxes()
{
    galleryFooter(hint);
    CurWindow window(4, 34, 2, 2);
    window.setTitle("CurGauge", CurInit::LEFT);
    window.enableFrame(true);
    CurGauge gauge(&window);
    gauge.setGeometry(2, 30, 1, 2);
    gauge.setLabel("Left and Right change it", false);
    int sideWidth = CurInit::width - 42;
    CurNote side(CurLabel::getEffHeight(about, sideWidth - 4) + 2, sideWidth, 2, 40);
    side.setTitle("How it works", CurInit::LEFT);
    side.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    side.setText(about, false);
    side.draw();
    side.update();
    int percent = 40;
    drawGauge(window, gauge, percent);

    char name[64] = "Ada";
    for (;;) {
        int key = galleryWaitKey();
        if (key == 'q' || key == 'Q' || key == 27 || key == ERR)
            break;
        if (key == KEY_LEFT || key == KEY_RIGHT) {
            percent += key == KEY_LEFT ? -10 : 10;
            percent = percent < 0 ? 0 : (percent > 100 ? 100 : percent);
            drawGauge(window, gauge, percent);
            continue;
        }
        if (key == 'g')
            runGaugeBox();
        else if (key == 'i')
            showAnswer("Input box", CurTDialog::showInput(-1, -1, 0, "Your name?", "Input box",
                                                          name, sizeof name, false), name);
        else if (key == 'p') {
            char secret[32] = "";
            int answer = CurTDialog::showInput(-1, -1, 0, "A password (shown as *)",
                                               "Password box", secret, sizeof secret, true);
            showAnswer("Password box", answer, answer == 0 ? "(not shown)" : "");
        } else if (key == 'v')
            CurTDialog::showText(-1, -1, 0, longText().c_str(), "Viewer box");
        else
            continue;
        if (key != 'i' && key != 'p')
            galleryFooter(hint);
    }
}
