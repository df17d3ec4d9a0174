// bytes_list.cpp - wire benchmark scenario E: a 100,000-line list showing 18
// rows, walked with the down arrow and left with Enter.
#include "BytesStart.h"
#include <CurList.h>
#include <CurWindow.h>
#include <cstdio>

int main()
{
    startToolkit();
    {
        CurWindow window(20, 60, -1, -1);
        CurList list(&window);
        list.setGeometry(20, 60, 0, 0);
        for (int i = 0; i < 100000; i++) {
            char line[40];
            snprintf(line, sizeof line, "Record %06d", i + 1);
            list.addLine(line, false, false);
        }
        list.draw();
        window.update();
        list.kbdLoop();
    }
    CurInit::cleanup();
    return 0;
}
