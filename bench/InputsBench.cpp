// InputsBench.cpp - the input gadgets' speed: typing into a line editor,
// building and walking a long list, and drawing a whole form. Every key goes
// through processKey, redraw and window update included, as in a form.
#include <CurButton.h>
#include <CurInit.h>
#include <CurLineEdit.h>
#include <CurList.h>
#include <CurRadioBox.h>
#include <CurToggle.h>
#include <CurWindow.h>
#include <benchmark/benchmark.h>
#include "BenchMain.h"
#include <curses.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

static const int bigCount = 100000;

// Types n printable characters into a new editor, as a user would.
static void typeInto(CurLineEdit& edit, int n)
{
    for (int i = 0; i < n; i++)
        edit.processKey('a' + i % 26);
}

static void BM_LineEditType100k(benchmark::State& state)
{
    CurWindow win(3, 60, 0, 0);
    for (auto _ : state) {
        CurLineEdit edit(&win);
        edit.setGeometry(1, 40, 1, 1);
        typeInto(edit, bigCount);
        benchmark::DoNotOptimize(edit.getText());
    }
    state.SetItemsProcessed(state.iterations() * bigCount);
}
BENCHMARK(BM_LineEditType100k)->Unit(benchmark::kMillisecond);

// One key pair at a place in a 100,000-character text: the argument is the
// cursor's position in percent of the length.
static void lineEditAt(benchmark::State& state, int key, int undo)
{
    CurWindow win(3, 60, 0, 0);
    CurLineEdit edit(&win);
    edit.setGeometry(1, 40, 1, 1);
    std::string text(bigCount, 'x');
    edit.setText(text.c_str(), false);
    int left = bigCount - (int)(state.range(0) * (long)bigCount / 100);
    edit.processKey(KEY_HOME);
    for (int i = 0; i < bigCount - left; i++)
        edit.processKey(KEY_RIGHT);
    for (auto _ : state) {
        edit.processKey(key);
        edit.processKey(undo);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

static void BM_LineEditInsertAt(benchmark::State& state)
{
    lineEditAt(state, 'q', KEY_BACKSPACE);
}
BENCHMARK(BM_LineEditInsertAt)->Arg(0)->Arg(50)->Arg(100);

static void BM_LineEditMoveAt(benchmark::State& state)
{
    lineEditAt(state, KEY_LEFT, KEY_RIGHT);
}
BENCHMARK(BM_LineEditMoveAt)->Arg(1)->Arg(50)->Arg(100);

// The same in a UTF-8 locale, with whole characters as a reader using
// wget_wch hands them over: argument 0 types ASCII, 1 a mix of one- to
// four-byte characters, double-width ones among them.
static const int mixed[] = {'a', 0xE9, 0x65E5, 0x416, ' ', 0x3B1, 0x1F600, 0x672C};

static int utf8Key(int i, bool mix)
{
    int code = mix ? mixed[i % 8] : 'a' + i % 26;
    return code < 128 ? code : CurGadget::WIDE_CHAR + code;
}

static void BM_LineEditTypeUtf8(benchmark::State& state)
{
    setlocale(LC_CTYPE, "C.UTF-8");
    CurWindow win(3, 60, 0, 0);
    for (auto _ : state) {
        CurLineEdit edit(&win);
        edit.setGeometry(1, 40, 1, 1);
        for (int i = 0; i < bigCount; i++)
            edit.processKey(utf8Key(i, state.range(0) != 0));
        benchmark::DoNotOptimize(edit.getText());
    }
    state.SetItemsProcessed(state.iterations() * bigCount);
    setlocale(LC_CTYPE, "C");
}
BENCHMARK(BM_LineEditTypeUtf8)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Left and right at a place in a 100,000-character mixed UTF-8 text, in
// percent of its length, as BM_LineEditMoveAt does for ASCII.
static void BM_LineEditMoveUtf8At(benchmark::State& state)
{
    setlocale(LC_CTYPE, "C.UTF-8");
    CurWindow win(3, 60, 0, 0);
    CurLineEdit edit(&win);
    edit.setGeometry(1, 40, 1, 1);
    for (int i = 0; i < bigCount; i++)
        edit.processKey(utf8Key(i, true));
    edit.processKey(KEY_HOME);
    for (int i = 0; i < (int)(state.range(0) * (long)bigCount / 100); i++)
        edit.processKey(KEY_RIGHT);
    for (auto _ : state) {
        edit.processKey(KEY_LEFT);
        edit.processKey(KEY_RIGHT);
    }
    state.SetItemsProcessed(state.iterations() * 2);
    setlocale(LC_CTYPE, "C");
}
BENCHMARK(BM_LineEditMoveUtf8At)->Arg(1)->Arg(50)->Arg(100);

static void fillList(CurList& list, int n)
{
    char line[32];
    for (int i = 0; i < n; i++) {
        snprintf(line, sizeof line, "Line number %d", i);
        list.addLine(line, false, false);
    }
}

static void BM_ListBuild100k(benchmark::State& state)
{
    CurWindow win(22, 60, 0, 0);
    for (auto _ : state) {
        CurList list(&win);
        list.setGeometry(20, 40, 1, 1);
        fillList(list, bigCount);
    }
    state.SetItemsProcessed(state.iterations() * bigCount);
}
BENCHMARK(BM_ListBuild100k)->Unit(benchmark::kMillisecond);

// Down through all 100,000 lines and back up: one key per line each way,
// a scroll and full repaint for almost every one.
static void BM_ListWalk100k(benchmark::State& state)
{
    CurWindow win(22, 60, 0, 0);
    CurList list(&win);
    list.setGeometry(20, 40, 1, 1);
    fillList(list, bigCount);
    for (auto _ : state) {
        for (int i = 0; i < bigCount; i++)
            list.processKey(KEY_DOWN);
        for (int i = 0; i < bigCount; i++)
            list.processKey(KEY_UP);
    }
    state.SetItemsProcessed(state.iterations() * 2 * bigCount);
}
BENCHMARK(BM_ListWalk100k)->Unit(benchmark::kMillisecond);

// Keys with the current line at a place in a 100,000-line list (the
// argument in percent, from line 50 to line 99,950). Every place is reached
// by moving down, so the current line stands on the same row of the screen
// in each case and only its index differs. The keys leave the list as they
// found it, so every round costs the same.
static void listAt(benchmark::State& state, int height, CurList::SELECT_MODE mode,
                   const std::vector<int>& keys)
{
    CurWindow win(22, 60, 0, 0);
    CurList list(&win);
    list.setGeometry(height, 40, 1, 1);
    list.setSelectMode(mode);
    fillList(list, bigCount);
    int target = 50 + (int)(state.range(0) * (long)(bigCount - 100) / 100);
    for (int i = 0; i < target; i++)
        list.processKey(KEY_DOWN);
    for (auto _ : state)
        for (int key : keys)
            list.processKey(key);
    state.SetItemsProcessed(state.iterations() * keys.size());
}

// Moves inside the view: two rows repainted.
static void BM_ListMoveAt(benchmark::State& state)
{
    listAt(state, 20, CurList::MULTIPLE, {KEY_UP, KEY_DOWN});
}
BENCHMARK(BM_ListMoveAt)->Arg(0)->Arg(50)->Arg(100);

// A list of one interior row scrolls on every move: the whole list repainted.
static void BM_ListScrollAt(benchmark::State& state)
{
    listAt(state, 3, CurList::MULTIPLE, {KEY_UP, KEY_DOWN});
}
BENCHMARK(BM_ListScrollAt)->Arg(0)->Arg(50)->Arg(100);

// Single mode: each space selects the current line and clears the line
// chosen before it.
static void BM_ListSingleSelectAt(benchmark::State& state)
{
    listAt(state, 20, CurList::SINGLE, {KEY_UP, ' ', KEY_DOWN, ' '});
}
BENCHMARK(BM_ListSingleSelectAt)->Arg(0)->Arg(50)->Arg(100);

// The program's changes at a place in a 1,000,000-line list (the second
// argument in percent): an insertion undone by a removal, or a line
// replaced, each with its redraw. The current line stands at the middle.
static const int hugeCount = 1000000;

static void BM_ListChangeAt(benchmark::State& state)
{
    CurWindow win(22, 60, 0, 0);
    CurList list(&win);
    list.setGeometry(20, 40, 1, 1);
    fillList(list, hugeCount);
    list.setCurrent(hugeCount / 2, true);
    int at = (int)(state.range(1) * (long)(hugeCount - 1) / 100);
    for (auto _ : state) {
        if (state.range(0) == 0) {
            list.insertLine(at, "Inserted line", false, true);
            list.removeLine(at, true);
        } else {
            list.setLine(at, "Replaced line", true);
        }
    }
    state.SetItemsProcessed(state.iterations() * (state.range(0) == 0 ? 2 : 1));
}
BENCHMARK(BM_ListChangeAt)->ArgsProduct({{0, 1}, {0, 50, 100}});

// A whole form like the gallery's: two editors, three check boxes, a radio
// group of three, two lists and two buttons, drawn and sent to the terminal.
static void BM_FormDraw(benchmark::State& state)
{
    CurWindow win(22, 78, 0, 0);
    std::vector<std::unique_ptr<CurGadget>> gadgets;
    CurRadioBox group;
    for (int i = 0; i < 2; i++) {
        CurLineEdit* edit = new CurLineEdit(&win);
        edit->setGeometry(1, 24, 2 + 2 * i, 13);
        edit->setText("Some typed text", false);
        gadgets.emplace_back(edit);
    }
    for (int i = 0; i < 6; i++) {
        CurToggle* t = new CurToggle(&win);
        t->setGeometry(1, 26, 6 + i, 13);
        if (i >= 3)
            group.addButton(t);
        gadgets.emplace_back(t);
    }
    CurList* items = new CurList(&win);
    items->setGeometry(10, 36, 2, 40);
    fillList(*items, 300);
    gadgets.emplace_back(items);
    CurList* colours = new CurList(&win);
    colours->setGeometry(7, 36, 13, 40);
    fillList(*colours, 9);
    gadgets.emplace_back(colours);
    for (int i = 0; i < 2; i++) {
        CurButton* b = new CurButton(&win);
        b->setGeometry(1, 12, 19, 10 + 16 * i);
        gadgets.emplace_back(b);
    }
    for (auto _ : state) {
        for (auto& g : gadgets)
            g->draw();
        win.touch();
        win.update();
    }
}
BENCHMARK(BM_FormDraw)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return benchMain(argc, argv, BenchSetup{KEEP_INPUT, false, nullptr});
}
