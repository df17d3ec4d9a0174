// pageGadgets.cpp - the gallery's page of the larger input gadgets in one
// form: a multi-line editor, a calendar, a time and a file selection, with a
// line under them that follows what each holds. Tab moves between them.
#include "Gallery.h"

#include <CurButton.h>
#include <CurCalendar.h>
#include <CurFileSelect.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurTextEdit.h>
#include <CurTimeEdit.h>
#include <CurWindow.h>
#include <cstdio>

static const char* note =
    "Dear diary,\n"
    "today the editor took a 10 MB text and a key still cost the same at its end.\n"
    "Tab leaves this editor; Ctrl-Home and Ctrl-End go to the ends of the text.";

struct GadgetsPage {
    CurLabel*    summary;
    CurTextEdit* edit;
    CurCalendar* calendar;
    CurTimeEdit* time;
};

// The summary line: the editor's size, the date and the time as chosen.
static void showSummary(GadgetsPage& page)
{
    int d, m, y, hh, mm, ss;
    page.calendar->getDate(&d, &m, &y);
    page.time->getTime(&hh, &mm, &ss);
    char text[120];
    snprintf(text, sizeof text, "%ld bytes in %d lines   %02d/%02d/%04d   %02d:%02d:%02d",
             page.edit->getLength(), page.edit->getLineCount(), d, m, y, hh, mm, ss);
    page.summary->setText(text, true);
    page.summary->getWindow()->update();
}

static void stopCB(void* data)
{
    static_cast<CurFocuser*>(data)->stopKbdLoop();
}

void pageGadgets()
{
    galleryFooter("Tab, back-tab: next, previous gadget; Done leaves.");
    CurWindow win(CurInit::height - 2, CurInit::width, 1, 0);
    win.setTitle("Editor, calendar, time, files", CurInit::CENTER);
    int half = win.getWidth() / 2;
    CurTextEdit edit(&win);
    edit.setGeometry(win.getHeight() - 13, half - 2, 1, 2);
    edit.setWrap(true, false);
    edit.setText(note, false);
    CurCalendar calendar(&win);
    calendar.setGeometry(8, 22, win.getHeight() - 12, 2);
    CurTimeEdit time(&win);
    time.setGeometry(1, 10, win.getHeight() - 9, 26);
    CurFileSelect files(&win);
    files.setGeometry(win.getHeight() - 4, win.getWidth() - half - 2, 1, half);
    CurLabel summary(&win, false);
    summary.setGeometry(1, win.getWidth() - 4, win.getHeight() - 3, 2);
    summary.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    CurButton done(&win);
    done.setGeometry(1, 10, win.getHeight() - 2, win.getWidth() - 14);
    done.setText("Done", false);

    GadgetsPage page{&summary, &edit, &calendar, &time};
    edit.setChangeCB([&page] { showSummary(page); });
    calendar.setChangeCB([&page] { showSummary(page); });
    time.setChangeCB([&page] { showSummary(page); });
    showSummary(page);
    CurFocuser form;
    form.addGadget(&edit);
    form.addGadget(&calendar);
    form.addGadget(&time);
    form.addGadget(&files);
    form.addGadget(&done);
    done.setActivateCB(stopCB, &form);
    form.kbdLoop();
}
