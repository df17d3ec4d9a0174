// banner_demo.cpp - CurBanner on the screen. The argument names the case:
//   fields   left, centred and right texts of 12, 20 and 8 characters
//   narrow   a centred text of 10 characters
//   tail     a centred text replaced by a shorter one, then the row erased
//   empty    a reverse-video banner whose labels have empty texts
//   long     a centred text longer than the row
//   resize   the three fields, then keys read until Space while the terminal is resized
#include <CurBanner.h>
#include <CurInit.h>
#include <cstring>
#include <string>

#include "WindowSteps.h"

static void tailCase(CurBanner& banner)
{
    banner.centerLabel.setText("ABCDEFGHIJKLMNOPQRST", true);
    banner.update();
    stepDone("long text");
    banner.centerLabel.setText("short", true);
    banner.update();
    stepDone("replaced");
    banner.erase();
    banner.leftLabel.draw();
    banner.centerLabel.draw();
    banner.rightLabel.draw();
    banner.update();
    stepDone("erased");
}

static void resizeCase(CurBanner& banner)
{
    banner.leftLabel.setText("Left field 1", true);
    banner.centerLabel.setText("The centred text 20c", true);
    banner.rightLabel.setText("Right 8c", true);
    banner.update();
    stepDone("drawn");
    while (CurInit::readKey(nullptr) != ' ') {  // the reader follows the resize
    }
}

int main(int argc, char** argv)
{
    const char* name = argc > 1 ? argv[1] : "fields";
    CurInit::initialize();
    {
        CurBanner banner;
        if (strcmp(name, "tail") == 0)
            tailCase(banner);
        else if (strcmp(name, "resize") == 0)
            resizeCase(banner);
        else {
            if (strcmp(name, "fields") == 0) {
                banner.leftLabel.setText("Left field 1", true);
                banner.centerLabel.setText("The centred text 20c", true);
                banner.rightLabel.setText("Right 8c", true);
            } else if (strcmp(name, "narrow") == 0) {
                banner.centerLabel.setText("Centred10c", true);
            } else if (strcmp(name, "empty") == 0) {
                banner.setAttributes(CurInit::reverse);
                banner.leftLabel.setText("", true);
                banner.centerLabel.setText("", true);
                banner.rightLabel.setText("", true);
            } else if (strcmp(name, "long") == 0) {
                std::string text;
                for (int i = 0; i < 12; i++)
                    text += "word" + std::to_string(i) + " and ";   // about 120 characters
                banner.centerLabel.setText(text.c_str(), true);
            }
            banner.update();
            stepDone("drawn");
        }
    }
    CurInit::cleanup();
    return 0;
}
