// fuzz_list.cpp - the list (fuzz/) driven by an arbitrary key stream with
// lines added, inserted, replaced and removed, marks and the current line
// set, selections read and the mode and geometry changed between keys. A
// model of the lines, their marks and the current line follows every step;
// the list must equal it, and the drawn list must show the current line in
// view, under the cursor, with its mark. Enter removes the current line
// through the activate callback; a change callback counts the keys' changes.
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
    bool                     activate = false; // Enter removes the current line
};
}  // namespace

static void insert(Model& m, int i, const std::string& line, bool selected)
{
    if (i < 0 || i > (int)m.lines.size())
        return;
    if (!m.lines.empty() && i <= m.current)
        m.current++;
    m.lines.insert(m.lines.begin() + i, line);
    m.selected.insert(m.selected.begin() + i, false);
    if (selected && m.single)
        for (size_t k = 0; k < m.selected.size(); k++)
            m.selected[k] = false;
    m.selected[i] = selected;
}

static void remove(Model& m, int i)
{
    int n = (int)m.lines.size();
    if (i < 0 || i >= n)
        return;
    m.lines.erase(m.lines.begin() + i);
    m.selected.erase(m.selected.begin() + i);
    if (i < m.current)
        m.current--;
    m.current = std::max(0, std::min(m.current, n - 2));
}

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
    FUZZ_CHECK(list.getCount() == (int)m.lines.size());
    FUZZ_CHECK(list.getCurrent() == (m.lines.empty() ? -1 : m.current));
    FUZZ_CHECK(list.getLine((int)m.lines.size()) == nullptr && list.getLine(-1) == nullptr);
    if (!m.lines.empty())
        FUZZ_CHECK(list.getLine(m.current) == m.lines[m.current]);
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
    FUZZ_CHECK(list.getSelectedLines() == expected);
}

// In a list with an interior the window holds whole, the cursor stands on
// the current line's mark, inside the frame, and the text beside it is the
// current line's start.
static void checkView(CurList& list, const Model& m, WINDOW* w)
{
    list.draw();
    int y = list.getY(), x = list.getX(), h = list.getHeight(), width = list.getWidth();
    if (m.lines.empty() || h < 3 || width < 3 || y < 0 || x < 0 || (long long)y + h > getmaxy(w)
        || (long long)x + width > getmaxx(w))
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

// The program's own calls, out-of-range indices included.
static void programCall(CurList& list, Model& m, FuzzedDataProvider& in, int which)
{
    int n = (int)m.lines.size();
    int pick = in.ConsumeIntegral<uint8_t>();
    int index = pick < 200 ? (n > 0 ? pick % (n + 1) : 0) : fuzzGeometry(in);
    bool on = in.ConsumeBool(), redraw = in.ConsumeBool();
    bool valid = index >= 0 && index < n;
    switch (which) {
    case 0: case 1: {
        std::string line = fuzzText(in, 60, false);
        list.insertLine(index, line.c_str(), on, redraw);
        insert(m, index, line.c_str(), on);
        break;
    }
    case 2: case 3:
        list.removeLine(index, redraw);
        remove(m, index);
        break;
    case 4: {
        std::string line = fuzzText(in, 60, false);
        list.setLine(index, std::string_view(line), redraw);
        if (valid)
            m.lines[index] = line.c_str();   // the list shows up to a NUL
        break;
    }
    case 5:
        list.setCurrent(index, redraw);
        if (valid)
            m.current = index;
        break;
    case 6: case 7: case 8:
        list.setSelected(index, on, redraw);
        if (valid && on && m.single)
            keepOnly(m, index);
        if (valid)
            m.selected[index] = on;
        break;
    case 9:
        list.clear(redraw);
        m = Model{{}, {}, 0, m.single, m.activate};
        break;
    default:
        m.activate = on;
        if (on)
            list.setActivateCB([](CurList* l) { l->removeLine(l->getCurrent(), true); });
        else
            list.setActivateCB(nullptr, nullptr);
        break;
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzScreen();
    FuzzedDataProvider in(data, size);
    CurWindow win(LINES, COLS, 0, 0);
    CurList list(&win);
    Model m;
    int changes = 0;
    list.setGeometry(6, 20, 0, 0);
    list.setChangeCB([&](CurList*) { changes++; });
    while (in.remaining_bytes() > 0) {
        int step = in.ConsumeIntegral<uint8_t>();
        if (step >= 240) {
            programCall(list, m, in, step - 240);
        } else if (step < 16) {
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
            bool enter = key == 13 && m.activate && !m.lines.empty();
            bool taken = key == KEY_UP || key == KEY_DOWN || key == KEY_HOME || key == KEY_END
                         || key == KEY_PPAGE || key == KEY_NPAGE || (key == ' ' && !m.lines.empty())
                         || enter;
            Model before = m;
            int changesBefore = changes;
            FUZZ_CHECK(list.processKey(key) == taken);
            if (enter)
                remove(m, m.current);
            else
                apply(m, key, std::max(1, list.getHeight() - 2));
            bool moved = !enter && (m.current != before.current || m.selected != before.selected);
            FUZZ_CHECK(changes == changesBefore + (moved ? 1 : 0));
        }
        checkSelection(list, m);
        checkView(list, m, win.getWindow());
    }
    return 0;
}
