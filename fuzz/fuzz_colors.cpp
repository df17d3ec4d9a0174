// fuzz_colors.cpp - the colour text of VELMORA_COLORS and NEWT_COLORS
// (fuzz/): any bytes are read without harm in time linear in their length,
// and an entry after a newline counts whatever came before it.
#include "CurInit.h"
#include "FuzzSupport.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzScreen();
    FuzzedDataProvider in(data, size);
    bool whiptail = in.ConsumeBool();
    std::string text = in.ConsumeRemainingBytesAsString();
    CurInit::setTheme("default");
    int set = CurInit::setThemeColors(text.c_str(), whiptail);
    FUZZ_CHECK(set >= 0 && (size_t)set <= 2 * (text.size() / 2 + 1));
    // Text past a NUL is not read, so the entry goes where reading ends.
    std::string known = text.c_str();
    int before = CurInit::setThemeColors(known.c_str(), whiptail);
    FUZZ_CHECK(before == set);
    known += whiptail ? "\nentry=red,blue" : "\ntitle=red,blue,bold";
    FUZZ_CHECK(CurInit::setThemeColors(known.c_str(), whiptail) == set + (whiptail ? 2 : 1));
    CurInit::setTheme("default");
    return 0;
}
