// LayoutBench.cpp - a window of 100, 1,000 and 10,000 buttons in a grid of
// rows of ten, laid out and redrawn after each resize as the key reader does
// it (CurInit::redrawChanged): the cost per gadget should stay the same.
#include <CurButton.h>
#include <CurInit.h>
#include <CurLayout.h>
#include <CurWindow.h>
#include <benchmark/benchmark.h>
#include "BenchMain.h"

#include <memory>
#include <vector>

// The argument is the number of buttons; each pass is two resizes, each
// followed by the layout's run and the window's redraw.
static void BM_LayoutAndRedrawAfterResize(benchmark::State& state)
{
    CurWindow win(24, 80, 0, 0);
    win.setAutoRedraw(true);
    CurLayout grid(CurLayout::GRID, 10);
    std::vector<std::unique_ptr<CurButton>> buttons;
    for (int i = 0; i < state.range(0); i++) {
        buttons.emplace_back(new CurButton(&win));
        grid.add(buttons.back().get(), CurLayout::Rule::flex());
    }
    grid.setWindow(&win);
    for (auto _ : state) {
        win.resize(20, 70);
        CurInit::redrawChanged();
        win.resize(24, 80);
        CurInit::redrawChanged();
    }
    state.SetItemsProcessed(state.iterations() * 2 * state.range(0));
}
BENCHMARK(BM_LayoutAndRedrawAfterResize)->Arg(100)->Arg(1000)->Arg(10000);

int main(int argc, char** argv)
{
    BenchSetup setup{KEEP_INPUT, false, nullptr};
    return benchMain(argc, argv, setup);
}
