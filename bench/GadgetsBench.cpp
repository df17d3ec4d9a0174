// GadgetsBench.cpp - the editor and the file selection at size: a key in a
// 10 MB text at its start, middle and end (the same cost at each, as the
// text is held by lines), a paste burst, and opening a directory of 100,000
// entries. Every key goes through processKey, redraw and window update.
#include <CurFileSelect.h>
#include <CurInit.h>
#include <CurTextEdit.h>
#include <CurWindow.h>
#include <benchmark/benchmark.h>
#include "BenchMain.h"
#include <curses.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

static const int TEN_MB_LINES = 160000;  // of 64 bytes each, newline included

static std::string tenMegabytes()
{
    std::string line(63, 'x');
    std::string text;
    text.reserve((size_t)TEN_MB_LINES * 64);
    for (int i = 0; i < TEN_MB_LINES; i++) {
        text += line;
        text += '\n';
    }
    return text;
}

// The argument is the cursor's line in percent of the text. Each pass types
// a character, splits the line and joins it again, and removes the character.
static void BM_TextEditKeyAt(benchmark::State& state)
{
    CurWindow win(24, 80, 0, 0);
    CurTextEdit edit(&win);
    edit.setText(tenMegabytes(), false);
    edit.setCursor((int)(state.range(0) * (long)(TEN_MB_LINES - 1) / 100), 30, true);
    for (auto _ : state) {
        edit.processKey('q');
        edit.processKey(13);
        edit.processKey(KEY_BACKSPACE);
        edit.processKey(KEY_BACKSPACE);
    }
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_TextEditKeyAt)->Arg(0)->Arg(50)->Arg(100);

// A line of 1 MB wrapped at the view's width, the cursor in its middle:
// a key lays the line out once, however many of its rows are shown.
static void BM_TextEditWrappedMegabyteLine(benchmark::State& state)
{
    CurWindow win(24, 80, 0, 0);
    CurTextEdit edit(&win);
    edit.setWrap(true, false);
    edit.setText(std::string(1 << 20, 'x'), false);
    edit.setCursor(0, 1 << 19, true);
    for (auto _ : state) {
        edit.processKey('q');
        edit.processKey(KEY_BACKSPACE);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_TextEditWrappedMegabyteLine)->Unit(benchmark::kMillisecond);

// Opening: the text split into lines, then the first draw.
static void BM_TextEditOpen10MB(benchmark::State& state)
{
    CurWindow win(24, 80, 0, 0);
    std::string text = tenMegabytes();
    for (auto _ : state) {
        CurTextEdit edit(&win);
        edit.setText(text, true);
        win.update();
    }
}
BENCHMARK(BM_TextEditOpen10MB)->Unit(benchmark::kMillisecond);

// A paste: 10,000 characters and line breaks arriving as keys.
static void BM_TextEditPaste10k(benchmark::State& state)
{
    CurWindow win(24, 80, 0, 0);
    for (auto _ : state) {
        CurTextEdit edit(&win);
        for (int i = 0; i < 10000; i++)
            edit.processKey(i % 70 == 69 ? 13 : 'a' + i % 26);
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_TextEditPaste10k)->Unit(benchmark::kMillisecond);

// A directory of 100,000 empty files and 1,000 subdirectories, made once.
static std::string bigDir;

static const std::string& hundredThousand()
{
    if (!bigDir.empty())
        return bigDir;
    char name[] = "/tmp/velmora-bench-dir-XXXXXX";
    if (mkdtemp(name) == nullptr)
        return bigDir;
    bigDir = name;
    char entry[64];
    for (int i = 0; i < 100000; i++) {
        snprintf(entry, sizeof entry, "/file-%06d", (i * 7919) % 100000);
        close(open((bigDir + entry).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
    }
    for (int i = 0; i < 1000; i++) {
        snprintf(entry, sizeof entry, "/dir-%04d", i);
        mkdir((bigDir + entry).c_str(), 0700);
    }
    return bigDir;
}

static void removeBigDir()
{
    if (!bigDir.empty()) {
        std::string command = "rm -rf '" + bigDir + "'";
        if (system(command.c_str()) != 0)
            fprintf(stderr, "could not remove %s\n", bigDir.c_str());
    }
}

// Opening: one read of the directory, both lists sorted and filled, the first draw.
static void BM_FileSelectOpen100k(benchmark::State& state)
{
    CurWindow win(24, 80, 0, 0);
    std::string path = hundredThousand() + "/";
    for (auto _ : state) {
        CurFileSelect select(&win);
        select.setPath(path.c_str(), true);
        win.update();
    }
}
BENCHMARK(BM_FileSelectOpen100k)->Unit(benchmark::kMillisecond);

// Scrolling the file list: Page Down, then End and Home, each shown.
static void BM_FileSelectScroll100k(benchmark::State& state)
{
    CurWindow win(24, 80, 0, 0);
    CurFileSelect select(&win);
    select.setPath((hundredThousand() + "/").c_str(), true);
    select.processKey(9);
    select.processKey(KEY_RIGHT);
    for (auto _ : state) {
        select.processKey(KEY_NPAGE);
        select.processKey(KEY_END);
        select.processKey(KEY_HOME);
    }
    state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(BM_FileSelectScroll100k);

int main(int argc, char** argv)
{
    BenchSetup setup{KEEP_INPUT, false, nullptr};
    setup.after = removeBigDir;
    return benchMain(argc, argv, setup);
}
