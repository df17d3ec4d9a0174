// logger_demo.cpp - CurLogger on the screen: a 10 x 40 logger at row 2,
// column 5, its text area 8 x 38 at row 3, column 6. The argument names the case:
//   lines    one line per call, empty and null texts, long lines, log and
//            error with their attributes still 0
//   scroll   eight entries, then a ninth
//   attrs    log and error with attributes set
//   erase    erase, then update
//   unmap    writing while unmapped, then mapped again, then touched
#include <CurInit.h>
#include <CurLogger.h>
#include <cstring>
#include <string>

#include "WindowSteps.h"

static void linesCase(CurLogger& logger)
{
    logger.log("abc");
    logger.log("def\n");
    logger.log("");
    logger.log(nullptr);
    logger.error(nullptr);
    logger.error("ghi");
    logger.log(std::string(38, 'x').c_str());     // exactly the width
    logger.log((std::string(38, 'y') + std::string(12, 'z')).c_str());
    stepDone("logged");
    logger.log(std::string(38, 'w').c_str());     // the width, on the last row
    stepDone("last row");
}

static void scrollCase(CurLogger& logger)
{
    for (int i = 1; i <= 8; i++)
        logger.log(("entry " + std::to_string(i)).c_str());
    stepDone("eight");
    logger.log("entry 9");
    stepDone("nine");
}

static void attrsCase(CurLogger& logger)
{
    logger.setLogAttr(CurInit::underline);
    logger.setErrorAttr(CurInit::bold | CurInit::pairToAttr(CurInit::addColorPair(CurInit::red, CurInit::black)));
    logger.log("fine");
    logger.error("broken");
    logger.log("fine again");
    stepDone("logged");
}

static void eraseCase(CurLogger& logger)
{
    logger.log("one");
    logger.log("two");
    stepDone("logged");
    logger.erase();
    logger.update();
    stepDone("erased");
}

static void unmapCase(CurLogger& logger)
{
    logger.unmap();
    logger.log("hidden");
    logger.update();
    CurInit::refreshAllWindows();
    stepDone("unmapped");
    logger.map();
    logger.update();
    stepDone("mapped");
    logger.touch();
    logger.update();
    stepDone("touched");
}

int main(int argc, char** argv)
{
    const char* name = argc > 1 ? argv[1] : "lines";
    CurInit::initialize();
    {
        CurLogger logger(10, 40, 2, 5);
        logger.update();
        if (strcmp(name, "scroll") == 0)
            scrollCase(logger);
        else if (strcmp(name, "attrs") == 0)
            attrsCase(logger);
        else if (strcmp(name, "erase") == 0)
            eraseCase(logger);
        else if (strcmp(name, "unmap") == 0)
            unmapCase(logger);
        else
            linesCase(logger);
    }
    CurInit::cleanup();
    return 0;
}
