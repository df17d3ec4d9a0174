// TablesBench.cpp - the table and the tree at size. A table of 10,000,000
// rows from a source: built, drawn first, Page Down, End, a sort passed to
// the source, a key in steady state (against the same key at ten rows),
// and the resident memory it adds; 100,000 rows held by the table, sorted
// by a column; a tree of 1,000,000 nodes expanded all and walked with Down.
#include <CurInit.h>
#include <CurTable.h>
#include <CurTree.h>
#include <CurWindow.h>
#include <benchmark/benchmark.h>
#include "BenchMain.h"
#include <curses.h>

#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

// Rows made from their number, sorted by flipping the order: the source
// holds nothing per row.
struct Generated : CurTableSource {
    int rows;
    bool reversed = false;
    std::string text;
    explicit Generated(int rows) : rows(rows) {}
    int rowCount() override { return rows; }
    std::string_view cellText(int row, int column) override
    {
        int n = reversed ? rows - 1 - row : row;
        text = column == 0 ? std::to_string(n) : "process " + std::to_string(n % 977);
        return text;
    }
    bool sortBy(int, bool descending) override
    {
        reversed = descending;
        return true;
    }
};

static long residentKilobytes()
{
    long pages = 0, resident = 0;
    FILE* f = fopen("/proc/self/statm", "r");
    if (f != nullptr) {
        if (fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

static void setUp(CurTable& table)
{
    table.setGeometry(24, 80, 0, 0);
    table.addColumn("PID", 10);
    table.setColumnAlign(0, CurInit::RIGHT);
    table.addColumn("Command");
}

// The argument is the phase: 0 build and first draw, 1 Page Down, 2 End,
// 3 a sort passed to the source.
static void BM_SourceTable10M(benchmark::State& state)
{
    CurWindow win(24, 80, 0, 0);
    Generated rows(10000000);
    long before = residentKilobytes();
    for (auto _ : state) {
        if (state.range(0) == 0) {
            CurTable table(&win);
            setUp(table);
            table.setSource(&rows);
            table.draw();
            win.update();
            continue;
        }
        state.PauseTiming();
        auto table = std::make_unique<CurTable>(&win);
        setUp(*table);
        table->setSource(&rows);
        table->draw();
        state.ResumeTiming();
        if (state.range(0) == 3)
            table->sortBy(0, !rows.reversed, true);
        else
            table->processKey(state.range(0) == 1 ? KEY_NPAGE : KEY_END);
        win.update();
    }
    state.counters["added_kB"] = (double)(residentKilobytes() - before);
}
BENCHMARK(BM_SourceTable10M)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Down and Up in steady state: the argument is the rows of the source.
static void BM_SourceTableKey(benchmark::State& state)
{
    CurWindow win(24, 80, 0, 0);
    Generated rows((int)state.range(0));
    CurTable table(&win);
    setUp(table);
    table.setSource(&rows);
    table.processKey(KEY_NPAGE);
    for (auto _ : state) {
        table.processKey(KEY_DOWN);
        table.processKey(KEY_UP);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_SourceTableKey)->Arg(10)->Arg(10000000)->Unit(benchmark::kMicrosecond);

static void BM_HeldTable100kSort(benchmark::State& state)
{
    CurWindow win(24, 80, 0, 0);
    CurTable table(&win);
    setUp(table);
    for (int i = 0; i < 100000; i++)
        table.addRow({std::to_string(i * 7919 % 100000), "process " + std::to_string(i % 977)});
    bool descending = false;
    for (auto _ : state) {
        table.sortBy(state.range(0), descending = !descending, true);
        win.update();
    }
}
BENCHMARK(BM_HeldTable100kSort)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// 1,000,000 nodes: 1,000 parents of 999 children; expanded all, then each
// iteration walks 1,000 nodes down (from the top again at the end).
static void BM_Tree1MExpandAndWalk(benchmark::State& state)
{
    CurWindow win(24, 80, 0, 0);
    CurTree tree(&win);
    tree.setGeometry(24, 80, 0, 0);
    tree.setExpandLimit(2000000);
    for (int p = 0; p < 1000; p++) {
        int parent = tree.addNode(CurTree::ROOT, "directory " + std::to_string(p));
        for (int c = 0; c < 999; c++)
            tree.addNode(parent, "file " + std::to_string(c));
    }
    for (int p = 0; p < 1000; p++)
        tree.expandAll(p * 1000, false);
    for (auto _ : state) {
        for (int k = 0; k < 1000; k++)
            tree.processKey(KEY_DOWN);
        win.update();
        if (tree.getCurrent() >= 999000)
            tree.processKey(KEY_HOME);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_Tree1MExpandAndWalk)->Unit(benchmark::kMillisecond);

static void BM_Tree1MExpandAll(benchmark::State& state)
{
    CurWindow win(24, 80, 0, 0);
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = std::make_unique<CurTree>(&win);
        tree->setExpandLimit(2000000);
        int top = tree->addNode(CurTree::ROOT, "/");
        for (int p = 0; p < 1000; p++) {
            int parent = tree->addNode(top, "directory " + std::to_string(p));
            for (int c = 0; c < 998; c++)
                tree->addNode(parent, "file " + std::to_string(c));
        }
        state.ResumeTiming();
        tree->processKey('*');
    }
}
BENCHMARK(BM_Tree1MExpandAll)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    return benchMain(argc, argv, BenchSetup{KEEP_INPUT, false, nullptr});
}
