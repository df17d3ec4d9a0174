// fuzz_layout.cpp - random layout trees (fuzz/) of buttons, labels and
// nested rows, columns and grids, with any size rules, placed in a window
// resized to sizes the input chooses from 200 x 60 down to 1 x 1: shown
// gadgets stay inside the window's interior, none overlaps another, and
// every shown button is reachable with Tab and with the arrow keys.
#include "FuzzSupport.h"
#include "LayoutTree.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzScreen();
    FuzzedDataProvider in(data, size);
    {
        LayoutTree tree([&in] { return (int)in.ConsumeIntegral<uint8_t>(); });
        for (int i = 0; i < 4 && in.remaining_bytes() > 0; i++) {
            int height = in.ConsumeIntegralInRange<int>(1, 60);
            int width = in.ConsumeIntegralInRange<int>(1, 200);
            const char* broken = tree.check(height, width);
            if (broken != nullptr)
                fprintf(stderr, "%d x %d: %s\n", height, width, broken);
            FUZZ_CHECK(broken == nullptr);
        }
    }
    return 0;
}
