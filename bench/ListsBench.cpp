// ListsBench.cpp - the list boxes with 100,000 rows: a menu built, scrolled
// to its end and a page back, and ended with Enter, per iteration; and a
// check list whose every row is marked, then handed back.
#include <CurInit.h>
#include <CurTDialog.h>
#include <benchmark/benchmark.h>
#include "BenchMain.h"
#include <curses.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

static const int ROWS = 100000;

struct Rows {
    std::vector<std::string> tags, items;
    std::vector<const char*> t, i;
    Rows()
    {
        for (int n = 0; n < ROWS; n++) {
            tags.push_back("tag" + std::to_string(n));
            items.push_back("the item of row " + std::to_string(n));
        }
        for (int n = 0; n < ROWS; n++) {
            t.push_back(tags[n].c_str());
            i.push_back(items[n].c_str());
        }
    }
};

// Keys come back from ungetch last in first out: pushed in reverse.
static void queue(std::initializer_list<int> keys)
{
    std::vector<int> k(keys);
    for (auto it = k.rbegin(); it != k.rend(); ++it)
        ungetch(*it);
}

static void BM_MenuOf100000Rows(benchmark::State& state)
{
    static Rows rows;
    for (auto _ : state) {
        queue({KEY_END, KEY_PPAGE, KEY_DOWN, 13});
        int choice = 0;
        CurTDialog::showMenu(-1, -1, 0, 0, "Pick one", "Menu", rows.t.data(), rows.i.data(),
                             ROWS, &choice);
        benchmark::DoNotOptimize(choice);
    }
    state.SetItemsProcessed(state.iterations() * ROWS);
}
BENCHMARK(BM_MenuOf100000Rows)->Unit(benchmark::kMillisecond);

static void BM_CheckListOf100000MarkedRows(benchmark::State& state)
{
    static Rows rows;
    std::unique_ptr<bool[]> marks(new bool[ROWS]);
    for (int n = 0; n < ROWS; n++)
        marks[n] = true;
    for (auto _ : state) {
        queue({KEY_END, ' ', KEY_HOME, 13});
        int* marked = nullptr;
        int count = 0;
        CurTDialog::showCheckList(-1, -1, 0, 0, "Pick some", "Check", rows.t.data(),
                                  rows.i.data(), marks.get(),
                                  ROWS, &marked, &count);
        delete[] marked;
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * ROWS);
}
BENCHMARK(BM_CheckListOf100000MarkedRows)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return benchMain(argc, argv, BenchSetup{KEEP_INPUT, true, nullptr});
}
