// CurTDialogTableTest.cpp - the one-call table and tree boxes: the keys that
// answer and the rows or nodes handed back, one or many.
#include "CursesTest.h"

#include <CurTDialog.h>
#include <CurTable.h>

#include <string>
#include <vector>

TEST_F(CursesTest, TableAndTreeBoxesHandBackTheChoice)
{
    const std::vector<std::string> titles = {"Name", "Size"};
    const std::vector<std::vector<std::string>> rows = {{"b", "20"}, {"a", "3"}, {"c", "100"}};
    // etc (apt (sources.list), hosts), home
    const std::vector<std::string> items = {"etc", "apt", "sources.list", "hosts", "home"};
    const std::vector<int> depths = {0, 1, 2, 1, 0};
    const struct {
        bool tree, multiple;
        std::vector<int> first;
        std::vector<int> keys;
        int answer;
        std::vector<int> chosen;
    } cases[] = {
        {false, false, {}, {KEY_DOWN, 13}, 0, {1}},
        {false, false, {2}, {KEY_UP, 13}, 0, {1}},
        {false, false, {}, {KEY_RIGHT, CurTable::SORT_KEY, KEY_END, 13}, 0, {2}},  // 100 sorts last
        {false, true, {0}, {KEY_DOWN, ' ', KEY_DOWN, ' ', 13}, 0, {0, 1, 2}},
        {false, true, {0}, {' ', 9, 13}, 1, {0}},                                  // Tab: Cancel
        {true, false, {}, {KEY_DOWN, KEY_DOWN, ' ', 13}, 0, {2}},
        {true, false, {3}, {KEY_END, ' ', 13}, 0, {4}},
        {true, false, {3}, {13}, 0, {3}},
        {true, true, {}, {KEY_DOWN, ' ', 13}, 0, {1, 2}},                         // a parent checks its children
        {true, true, {2, 3}, {13}, 0, {0, 1, 2, 3}},                              // and all children their parent
    };
    for (const auto& c : cases) {
        std::vector<int> keys = c.keys;
        for (auto k = keys.rbegin(); k != keys.rend(); ++k)
            ungetch(*k);
        std::vector<int> chosen = c.first;
        int answer = c.tree ? CurTDialog::showTree(-1, -1, 0, 0, "Pick", "Tree", items, depths, chosen, c.multiple)
                            : CurTDialog::showTable(-1, -1, 0, 0, "Pick", "Table", titles, rows, chosen,
                                                    c.multiple);
        EXPECT_EQ(c.answer, answer);
        EXPECT_EQ(c.chosen, chosen) << (c.tree ? "tree" : "table");
    }
}
