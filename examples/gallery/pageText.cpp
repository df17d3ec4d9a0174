// pageText.cpp - the gallery page "Text in every language": a label, a list
// and a line editor holding accented, Greek, Cyrillic and CJK text, framed
// with box lines. In a UTF-8 locale everything is measured in columns;
// elsewhere the bytes show as marks, one per byte, and never break a frame.
#include "Gallery.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurLineEdit.h>
#include <CurList.h>
#include <CurWindow.h>

static const char* const greetings[] = {
    "Grüße aus Köln",
    "Ελληνικά: Καλημέρα",
    "Русский: Привет, мир",
    "日本語: こんにちは",
    "中文: 你好，世界",
    "한국어: 안녕하세요",
    "Français: déjà vu, où ça",
};
static const int numGreetings = sizeof(greetings) / sizeof(greetings[0]);

static const char* about =
    "Texts are UTF-8 when the terminal is: widths count screen columns, so "
    "「日本語」 takes two columns a character and centres like any other word. "
    "Type any character into the line editor; Backspace and Delete remove "
    "whole characters.";

static void stopCB(void* data)
{
    static_cast<CurFocuser*>(data)->stopKbdLoop();
}

void pageText()
{
    galleryFooter("Tab moves between the gadgets; type in the editor; Back leaves.");
    CurWindow win(CurInit::height - 2, CurInit::width, 1, 0);
    win.setTitle("Text in every language · テキスト", CurInit::CENTER);
    CurLabel label(&win, true);
    label.setGeometry(4, win.getWidth() - 4, 1, 2);
    label.setAlignment(CurInit::CENTER, CurInit::TOP, false);
    label.setText(about, true);

    CurList list(&win);
    list.setGeometry(numGreetings + 2, 36, 6, 2);
    for (int i = 0; i < numGreetings; i++)
        list.addLine(greetings[i], i == 3, false);
    CurLabel editLabel(&win, false);
    editLabel.setGeometry(1, 30, 7, 42);
    editLabel.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    editLabel.setText("Your text (any script):", true);
    CurLineEdit edit(&win);
    edit.setGeometry(1, 30, 8, 42);
    edit.setText("Grüße, 日本", false);
    CurButton back(&win);
    back.setGeometry(1, 10, 11, 42);
    back.setText("Back", false);

    CurFocuser form;
    form.addGadget(&edit);
    form.addGadget(&list);
    form.addGadget(&back);
    back.setActivateCB(stopCB, &form);
    form.kbdLoop();
}
