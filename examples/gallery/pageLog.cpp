// pageLog.cpp - a gallery page, not built yet.
#include "Gallery.h"

void pageLog()
{
    galleryClear();
    galleryFooter("This page is not built yet. Press any key to go back.");
    galleryWaitKey();
}
