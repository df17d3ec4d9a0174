// BoxInfoBox.cpp - --infobox (box/): a text left on the screen; no key is read.
#include "Box.h"

#include <CurNote.h>

BoxStatus runInfoBox(BoxCall& call)
{
    std::string text = boxText(*call.options, call.text);
    CurNote::showNote(boxInner(call.height, 2), boxInner(call.width, 4), 0, text.c_str());
    return BOX_OK;
}
