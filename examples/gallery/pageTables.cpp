// pageTables.cpp - the gallery's page of a table and a tree: a process-style
// table of a million generated rows that a data source hands out as they are
// shown (and sorts itself), and the file system as a tree whose directories
// are read when first opened. Tab moves between them.
#include "Gallery.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurTable.h>
#include <CurTree.h>
#include <CurWindow.h>

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

// A million processes made up from their row number: nothing is held per
// row until a sort by a column other than the PID asks for an order.
class Processes : public CurTableSource {
public:
    static const int ROWS = 1000000;
    int rowCount() override { return ROWS; }
    std::string_view cellText(int row, int column) override
    {
        static const char* const commands[] = {"bash", "sshd", "cron", "nginx", "postgres",
                                               "python3", "systemd", "make", "cc1plus", "vim"};
        int p = process(row);
        char text[40];
        if (column == 0)
            snprintf(text, sizeof text, "%d", 100 + p);
        else if (column == 1)
            snprintf(text, sizeof text, "%.1f", cpu(p) / 10.0);
        else if (column == 2)
            snprintf(text, sizeof text, "%d", 4 + p * 7 % 900);
        else
            snprintf(text, sizeof text, "%s %d", commands[p % 10], p % 97);
        cell = text;
        return cell;
    }
    bool sortBy(int column, bool descending) override
    {
        if (column != 1) {               // PID order, or any other: the made-up order itself
            order.clear();
            reversed = descending;
            return true;
        }
        if (order.empty()) {             // sorted once; the other way reads it backwards
            order.resize(ROWS);
            for (int i = 0; i < ROWS; i++)
                order[i] = i;
            std::stable_sort(order.begin(), order.end(), [](int a, int b) { return cpu(a) < cpu(b); });
        }
        reversed = descending;
        return true;
    }

private:
    static int cpu(int p) { return (int)((long long)p * 7919 % 1000); }
    int process(int row) const
    {
        int r = reversed ? ROWS - 1 - row : row;
        return order.empty() ? r : order[r];
    }
    std::vector<int> order;
    bool reversed = false;
    std::string cell;
};

// A directory's entries become children when it is first opened; those
// that are directories can be opened in turn. Links are not followed (the
// last part of the path is opened without following one), and the names
// reach the screen through the tree, which shows controls as marks.
static void readDirectory(CurTree* tree, int node)
{
    std::vector<std::string> names;
    for (int n = node; n >= 0; n = tree->getParent(n))
        names.push_back(tree->getText(n));
    std::string path = names.back();
    for (int i = (int)names.size() - 2; i >= 0; i--)
        path += (path.back() == '/' ? "" : "/") + names[i];
    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    DIR* dir = fd >= 0 ? fdopendir(fd) : nullptr;
    if (dir == nullptr) {
        if (fd >= 0)
            close(fd);
        return;
    }
    std::vector<std::pair<std::string, bool>> entries;
    while (dirent* e = readdir(dir))
        if (e->d_name[0] != '.')
            entries.push_back({e->d_name, e->d_type == DT_DIR || e->d_type == DT_UNKNOWN});
    closedir(dir);
    std::sort(entries.begin(), entries.end());
    for (const auto& e : entries)
        tree->setHasChildren(tree->addNode(node, e.first), e.second);
}

static void stopCB(void* data)
{
    static_cast<CurFocuser*>(data)->stopKbdLoop();
}

void pageTables()
{
    galleryFooter("Tab: next. Table: Ctrl-O sorts, Shift-Left/Right resize. Tree: Right opens.");
    CurWindow win(CurInit::height - 2, CurInit::width, 1, 0);
    win.setTitle("A million rows, and a tree read as it opens", CurInit::CENTER);
    int split = win.getWidth() * 3 / 5;
    Processes processes;
    CurTable table(&win);
    table.setGeometry(win.getHeight() - 4, split - 2, 1, 2);
    table.addColumn("PID", 8);
    table.addColumn("%CPU", 6);
    table.addColumn("RSS MB", 7);
    table.addColumn("Command");
    for (int c = 0; c < 3; c++)
        table.setColumnAlign(c, CurInit::RIGHT);
    table.setFrozenColumns(1);
    table.setSource(&processes);
    CurTree tree(&win);
    tree.setGeometry(win.getHeight() - 4, win.getWidth() - split - 2, 1, split);
    tree.setChildrenCB(readDirectory);
    tree.setHasChildren(tree.addNode(CurTree::ROOT, "/"), true);
    tree.setTypeAhead(true);
    CurLabel status(&win, false);
    status.setGeometry(1, win.getWidth() - 18, win.getHeight() - 2, 2);
    status.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    CurButton done(&win);
    done.setGeometry(1, 10, win.getHeight() - 2, win.getWidth() - 14);
    done.setText("Done", false);
    auto show = [&] {
        std::string line = "Row " + std::to_string(table.getCurrent() + 1) + " of " +
                           std::to_string(table.getRowCount()) + ", sorted by " +
                           std::to_string(table.getSortColumn() + 1) + "; node: " +
                           tree.getText(std::max(0, tree.getCurrent()));
        status.setText(line.c_str(), true);
        status.getWindow()->update();
    };
    table.setChangeCB([&](CurTable*) { show(); });
    table.setSortCB([&](CurTable*) { show(); });
    tree.setChangeCB([&](CurTree*) { show(); });
    show();
    CurFocuser form;
    form.addGadget(&table);
    form.addGadget(&tree);
    form.addGadget(&done);
    done.setActivateCB(stopCB, &form);
    form.kbdLoop();
}
