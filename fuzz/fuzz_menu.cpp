// fuzz_menu.cpp - a pop-up menu (fuzz/) of generated items (texts with hot
// key marks, hints, separators, disabled and check items) at a generated
// place, driven by a key stream. The answer must be -1 or an item that can
// be chosen, the loop must end when the keys do, and the terminal must show
// again what it showed before the menu opened.
#include "CurInit.h"
#include "CurMenu.h"
#include "CurWindow.h"
#include "FuzzSupport.h"

static void addItems(CurMenu& menu, FuzzedDataProvider& in)
{
    int count = in.ConsumeIntegralInRange<int>(0, 1100);
    for (int i = 0; i < count && in.remaining_bytes() > 0; i++) {
        int kind = in.ConsumeIntegralInRange<int>(0, 7);
        if (kind == 0) {
            menu.addSeparator();
            continue;
        }
        std::string text = fuzzText(in, 40, false);
        if (in.ConsumeBool())
            text.insert(in.ConsumeIntegralInRange<size_t>(0, text.size()), "&");
        std::string hint = kind == 1 ? fuzzText(in, 12, false) : "";
        int index = kind == 2 ? menu.addCheckItem(text, hint, in.ConsumeBool(), nullptr)
                              : menu.addItem(text, hint, nullptr);
        if (kind == 3)
            menu.setEnabled(index, false);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzScreen();
    FuzzedDataProvider in(data, size);
    CurWindow back(LINES, COLS, 0, 0);
    fuzzFill(back.getWindow());
    back.update();
    CurMenu menu;
    addItems(menu, in);
    int y = fuzzGeometry(in), x = fuzzGeometry(in);
    std::vector<int> keys;
    while (in.remaining_bytes() > 0 && keys.size() < 300)
        keys.push_back(fuzzKey(in));
    for (size_t i = keys.size(); i-- > 0;)
        ungetch(keys[i]);           // read last in, first out

    FuzzCells before(curscr);
    int chosen = menu.popup(y, x);
    FUZZ_CHECK(chosen == -1 || menu.isEnabled(chosen));
    FUZZ_CHECK(menu.itemAt(y, x) == -1);
    FUZZ_CHECK(before.changedOutside({}).empty());
    return 0;
}
