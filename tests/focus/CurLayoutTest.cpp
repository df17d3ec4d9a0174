// CurLayoutTest.cpp - layouts on the test's curses screen: the size rules
// as a table, a property run over random trees at sizes from 200 x 60 down
// to 1 x 1, and the inputs a layout must survive.
#include "CursesTest.h"
#include "LayoutTree.h"

#include <random>
#include <sstream>

namespace {
class LayoutTest : public CursesTest {};
using Rule = CurLayout::Rule;

Rule rule(int size, int minimum = 0, int maximum = INT_MAX, int weight = 0,
          CurLayout::ALIGN align = CurLayout::FILL)
{
    Rule r;
    r.size = size;
    r.minimum = minimum;
    r.maximum = maximum;
    r.weight = weight;
    r.align = align;
    return r;
}
const int N = CurLayout::NATURAL, BIG = 1000000000;

// Buttons "", "a", "aa", ... (natural widths 2, 3, 4, ...) in a row of
// `width` cells and 3 rows; the result lists each button as x+width, and
// its row and height when it does not fill the 3 rows.
struct RowCase {
    int width, spacing;
    std::vector<Rule> rules;
    const char* expected;
};

std::string placeRow(const RowCase& c)
{
    CurWindow win(3, c.width, 0, 0);
    CurLayout row(CurLayout::ROW);
    row.setSpacing(c.spacing);
    std::vector<std::unique_ptr<CurButton>> buttons;
    for (size_t i = 0; i < c.rules.size(); i++) {
        buttons.emplace_back(new CurButton(&win));
        buttons.back()->setText(std::string(i, 'a').c_str(), false);
        row.add(buttons.back().get(), c.rules[i]);
    }
    row.setWindow(&win);
    std::ostringstream out;
    for (auto& b : buttons) {
        out << (out.tellp() > 0 ? " " : "") << b->getX() << "+" << b->getWidth();
        if (b->getHeight() != 3)
            out << "@" << b->getY() << "x" << b->getHeight();
    }
    return out.str();
}
}  // namespace

TEST_F(LayoutTest, RowSharesItsWidthByTheSizeRules)
{
    const RowCase cases[] = {
        {20, 0, {rule(N), rule(N), rule(N)}, "0+2 2+3 5+4"},            // natural sizes
        {20, 1, {rule(N), rule(N), rule(N)}, "0+2 3+3 7+4"},            // spacing between
        {20, 0, {rule(5), rule(0, 0, INT_MAX, 1), rule(0, 0, INT_MAX, 3)}, "0+5 5+4 9+11"},
        {20, 0, {rule(0, 0, 6, 1), rule(0, 0, INT_MAX, 1)}, "0+6 6+14"},  // a capped share
        {20, 0, {rule(0, 0, INT_MAX, 0), rule(0, 0, INT_MAX, -5)}, "0+0 0+0"}, // no weight, none
        {20, 0, {rule(0, 0, INT_MAX, BIG), rule(0, 0, INT_MAX, BIG)}, "0+10 10+10"},
        {6, 0, {rule(N, 4), rule(N, 4)}, "0+4 4+2"},                    // minimums too large
        {5, 0, {rule(8, 1), rule(8, 1), rule(8, 1)}, "0+2 2+2 4+1"},    // short: equal steps
        {7, 3, {rule(N, 3), rule(N, 3)}, "0+3 3+3"},                    // spacing dropped
        {20, 0, {rule(-4), rule(3, 5), rule(9, 0, 2)}, "0+0 0+5 5+2"},  // clamps
        {0, 0, {rule(N), rule(5, 2)}, "0+0 0+0"},                       // no room at all
        {20, 0, {rule(N, 0, INT_MAX, 0, CurLayout::CENTER), rule(N, 0, INT_MAX, 0, CurLayout::END)},
         "0+2@1x1 2+3@2x1"},                                            // aligned across
    };
    for (const RowCase& c : cases)
        EXPECT_EQ(c.expected, placeRow(c)) << "width " << c.width << ", spacing " << c.spacing;
}

TEST_F(LayoutTest, GridSizesColumnsAndRowsByTheirLargestChild)
{
    CurWindow win(10, 30, 0, 0);
    win.enableFrame(true);
    CurLayout grid(CurLayout::GRID, 2);
    grid.setMargins(1, 0, 0, 1);
    CurLabel a(&win, false), b(&win, false), c(&win, false);
    a.setText("one\ntwo", false);
    b.setText("x", false);
    c.setText("three", false);
    grid.add(&a);
    grid.add(&b, Rule::natural(CurLayout::END));
    grid.add(&c);
    grid.setColumnRule(1, Rule::flex());
    grid.setWindow(&win);
    std::ostringstream out;
    for (CurLabel* l : {&a, &b, &c})
        out << l->getY() << "," << l->getX() << " " << l->getHeight() << "x" << l->getWidth() << ";";
    EXPECT_EQ("2,2 2x5;3,28 1x1;4,2 1x5;", out.str());
}

// Seeds times sizes: every placement keeps the invariants of LayoutTree.
TEST_F(LayoutTest, RandomTreesKeepTheirInvariantsAtEverySize)
{
    const int sizes[][2] = {{60, 200}, {24, 80}, {12, 40}, {10, 20}, {5, 7}, {3, 3}, {1, 1}, {60, 200}};
    for (unsigned seed = 1; seed <= 60; seed++) {
        std::mt19937 random(seed);
        LayoutTree tree([&] { return (int)(random() % 256); });
        for (auto& size : sizes) {
            const char* broken = tree.check(size[0], size[1]);
            EXPECT_EQ(nullptr, broken) << "seed " << seed << " at " << size[0] << " x " << size[1]
                                       << ": " << (broken ? broken : "");
        }
    }
}

TEST_F(LayoutTest, RefusesBadTreesAndSurvivesHugeOnes)
{
    CurWindow win(24, 80, 0, 0);
    CurLayout a, b;
    CurButton button(&win);
    EXPECT_TRUE(a.add(&button));
    EXPECT_FALSE(b.add(&button));                // already in a layout
    EXPECT_TRUE(a.add(&b));
    EXPECT_FALSE(b.add(&a));                     // would contain itself
    a.setWindow(&win);
    CurWindow other(3, 3, 0, 0);
    EXPECT_FALSE(a.add(&other));                 // no windows in a window's layout
    EXPECT_FALSE(b.add(&other));
    // Nesting stops at the documented depth; the tree still runs.
    std::vector<std::unique_ptr<CurLayout>> chain;
    chain.emplace_back(new CurLayout);
    int accepted = 0;
    for (int i = 1; i < 1000; i++) {
        chain.emplace_back(new CurLayout(CurLayout::ROW));
        accepted += chain[i - 1]->add(chain[i].get());
        if (accepted < i)
            break;
    }
    EXPECT_EQ(CurLayout::MAX_DEPTH - 1, accepted);   // a chain of MAX_DEPTH layouts
    chain[0]->place(60, 200, 0, 0);
    // Ten thousand children at full size and at 1 x 1: none overlaps.
    CurLayout many(CurLayout::COLUMN);
    std::vector<std::unique_ptr<CurButton>> buttons;
    for (int i = 0; i < 10000; i++) {
        buttons.emplace_back(new CurButton(&win));
        many.add(buttons.back().get(), Rule::flex(i % 3 - 1));
    }
    for (int size : {60, 1}) {
        many.place(size, size, 0, 0);
        int used = 0;
        for (auto& g : buttons)
            if (g->getHeight() > 0) {
                EXPECT_EQ(used, g->getY());
                used += g->getHeight();
            }
        EXPECT_LE(used, size);
    }
    buttons.clear();                             // each leaves its layout as it goes
    EXPECT_EQ(0, many.getCount());
}
