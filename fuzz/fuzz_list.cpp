// fuzz_list.cpp - the list (fuzz/) driven by an arbitrary key stream with
// lines added, selections read and the mode and geometry changed between
// keys. A model of the lines, their marks and the current line follows every
// step; the list's selection must equal it, and the drawn list must show the
// current line in view, under the cursor, with its mark.
#include "CurList.h"
#include "CurWindow.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <cstring>

namespace {
struct Model {
    std::vector<std::string> lines;
    std::vector<bool>        selected;
    int                      current = 0;
    bool                     single = false;
};
}  // namespace

static void keepOnly(Model& m, int keep)
{
    for (size_t i = 0; i < m.selected.size(); i++)
        if ((int)i != keep)
            m.selected[i] = false;
}

// rows: the lines a page key moves by, those of the view (at least 1).
static void apply(Model& m, int key, int rows)
{
    int n = (int)m.lines.size();
    int target = key == KEY_HOME ? 0 : key == KEY_END ? n - 1
               : key == KEY_PPAGE ? m.current - rows : m.current + rows;
    if (key == KEY_UP && m.current > 0)
        m.current--;
    else if (key == KEY_DOWN && m.current < n - 1)
        m.current++;
    else if (key == KEY_HOME || key == KEY_END || key == KEY_PPAGE || key == KEY_NPAGE)
        m.current = std::max(0, std::min(target, n - 1));
    else if (key == ' ' && n > 0) {
        m.selected[m.current] = !m.selected[m.current];
        if (m.single && m.selected[m.current])
            keepOnly(m, m.current);
    }
}

static void checkSelection(CurList& list, const Model& m)
{
    int* indices = nullptr;
    int count = -1;
    list.getSelected(&indices, &count);
    std::vector<int> expected;
    for (size_t i = 0; i < m.selected.size(); i++)
        if (m.selected[i])
            expected.push_back((int)i);
    FUZZ_CHECK(count == (int)expected.size());
    FUZZ_CHECK((count == 0) == (indices == nullptr));
    for (int i = 0; i < count; i++)
        FUZZ_CHECK(indices[i] == expected[i]);
    delete[] indices;
}

// In a list with an interior the window holds whole, the cursor stands on
// the current line's mark, inside the frame, and the text beside it is the
// current line's start.
static void checkView(CurList& list, const Model& m, WINDOW* w)
{
    list.draw();
    int y = list.getY(), x = list.getX(), h = list.getHeight(), width = list.getWidth();
    if (m.lines.empty() || h < 3 || width < 3 || y < 0 || x < 0 || y + h > getmaxy(w)
        || x + width > getmaxx(w))
        return;
    int cy, cx;
    getyx(w, cy, cx);
    FUZZ_CHECK(cx == x + 1 && cy > y && cy < y + h - 1);
    int mark = (int)(mvwinch(w, cy, cx) & A_CHARTEXT);
    FUZZ_CHECK(mark == (m.selected[m.current] ? '*' : ' '));
    const std::string& line = m.lines[m.current];
    // up to the first control or byte above 126, which show as marks or blanks
    for (int i = 0; i < (int)line.size() && x + 3 + i < x + width - 1; i++) {
        if ((unsigned char)line[i] < 32 || (unsigned char)line[i] > 126)
            break;
        FUZZ_CHECK((int)(mvwinch(w, cy, x + 3 + i) & A_CHARTEXT) == (unsigned char)line[i]);
    }
    wmove(w, cy, cx);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzScreen();
    FuzzedDataProvider in(data, size);
    CurWindow win(LINES, COLS, 0, 0);
    CurList list(&win);
    Model m;
    list.setGeometry(6, 20, 0, 0);
    while (in.remaining_bytes() > 0) {
        int step = in.ConsumeIntegral<uint8_t>();
        if (step < 16) {
            int h = fuzzGeometry(in), w = fuzzGeometry(in), y = fuzzGeometry(in);
            list.setGeometry(h, w, y, fuzzGeometry(in));
        } else if (step < 64) {
            std::string line = fuzzText(in, 60, false);
            bool selected = in.ConsumeBool();
            list.addLine(line.c_str(), selected, in.ConsumeBool());
            m.lines.push_back(line.c_str());
            m.selected.push_back(selected);
        } else if (step < 68) {
            int mode = in.ConsumeIntegralInRange<int>(0, 2);
            list.setSelectMode((CurList::SELECT_MODE)mode);
            m.single = mode == CurList::SINGLE;
            for (size_t i = 0, seen = 0; i < m.selected.size(); i++)
                if (m.selected[i] && m.single && seen++ > 0)
                    m.selected[i] = false;
        } else if (step < 72) {
            if (in.ConsumeBool())
                list.acceptFocus(in.ConsumeBool());
            else
                list.loseFocus(in.ConsumeBool());
        } else {
            int key = fuzzKey(in);
            bool taken = key == KEY_UP || key == KEY_DOWN || key == KEY_HOME || key == KEY_END
                         || key == KEY_PPAGE || key == KEY_NPAGE || (key == ' ' && !m.lines.empty());
            FUZZ_CHECK(list.processKey(key) == taken);
            apply(m, key, std::max(1, list.getHeight() - 2));
        }
        checkSelection(list, m);
        checkView(list, m, win.getWindow());
    }
    return 0;
}
