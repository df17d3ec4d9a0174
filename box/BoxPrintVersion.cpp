// BoxPrintVersion.cpp - --print-version (box/): the program's version as
// "Version: X.Y.Z" among the answers, without drawing anything; the boxes
// named after it still run.
#include "Box.h"

#include <VelmoraVersion.h>

BoxStatus runPrintVersion(BoxCall& call)
{
    *call.answer += std::string("Version: ") + VELMORA_VERSION_STRING + "\n";
    return BOX_OK;
}
