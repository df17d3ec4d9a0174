// BoxBuildList.cpp - --buildlist (box/): the rows not chosen in a list on
// the left, the chosen ones on the right, each in the order given; Space
// moves the current row across. The answer is the chosen rows' tags.
#include "BoxDialog.h"
#include "BoxRows.h"

#include <CurList.h>

#include <curses.h>
#include <cstring>
#include <vector>

namespace {

// The two lists, made anew whenever a row moves across. Left and Right
// (or ^ and $) choose the list; the other keys move in it.
class BuildPanes : public CurGadget {
public:
    BuildPanes(CurWindow* window, BoxRows& rows, bool tagsOnly)
        : CurGadget(window), rows(rows), tagsOnly(tagsOnly)
    {
        showFocus(true);
    }
    ~BuildPanes() override
    {
        delete panes[0];
        delete panes[1];
    }
    BuildPanes(const BuildPanes&) = delete;
    BuildPanes& operator=(const BuildPanes&) = delete;

    void setGeometry(int h, int w, int top, int left) override
    {
        CurGadget::setGeometry(h, w, top, left);
        fill(0, 0);
    }
    // A list leaves the rows below its last line as they are: blanked first.
    void draw() override
    {
        WINDOW* w = window->getWindow();
        for (int row = y < 0 ? 0 : y; w != nullptr && row < y + height && row < getmaxy(w); row++)
            if (x >= 0 && x < getmaxx(w))
                mvwhline(w, row, x, ' ', width);
        panes[1 - side]->draw();
        panes[side]->draw();            // last: the cursor stands in it
    }
    bool processKey(int key) override
    {
        if (key == KEY_LEFT || key == '^' || key == KEY_RIGHT || key == '$') {
            side = key == KEY_LEFT || key == '^' ? 0 : 1;
            focus();
        } else if (key == ' ' && !shown[side].empty()) {
            int at = panes[side]->getCurrent();
            rows.marks[shown[side][at]] ^= 1;
            int currents[2] = {panes[0]->getCurrent(), panes[1]->getCurrent()};
            currents[side] = at < (int)shown[side].size() - 1 ? at : at - 1;
            fill(currents[0], currents[1]);
        } else if (!panes[side]->processKey(key)) {
            return false;
        }
        draw();
        window->update();
        return true;
    }
    void acceptFocus(bool redraw) override
    {
        CurGadget::acceptFocus(false);
        focus();
        CurGadget::acceptFocus(redraw);
    }
    void loseFocus(bool redraw) override
    {
        CurGadget::loseFocus(false);
        focus();
        CurGadget::loseFocus(redraw);
    }

private:
    void fill(int leftCurrent, int rightCurrent)
    {
        for (int s = 0; s < 2; s++) {
            delete panes[s];
            panes[s] = new CurList(window);
            panes[s]->setSelectMode(CurList::SINGLE);
            shown[s].clear();
        }
        for (int i = 0; i < (int)rows.tags.size(); i++) {
            int s = rows.marks[i] ? 1 : 0;
            panes[s]->addLine(tagsOnly ? rows.tags[i] : rows.items[i], false, false);
            shown[s].push_back(i);
        }
        int half = width / 2;
        panes[0]->setGeometry(height, half, y, x);
        panes[1]->setGeometry(height, width - half, y, x + half);
        panes[0]->setCurrent(leftCurrent, false);
        panes[1]->setCurrent(rightCurrent, false);
        focus();
    }
    void focus()
    {
        panes[side]->acceptFocus(false);
        panes[1 - side]->loseFocus(false);
        if (!focused)
            panes[side]->loseFocus(false);
    }

    BoxRows&         rows;
    bool             tagsOnly;
    CurList*         panes[2] = {nullptr, nullptr};
    std::vector<int> shown[2];           // the rows each list shows, in its order
    int              side = 0;
};

} // namespace

BoxStatus runBuildList(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    BoxRows rows;
    if (!boxRows(call, true, &rows))
        return BOX_ERROR;
    bool tagsOnly = o.noItems || rows.items.empty();
    int widest = 10;
    for (size_t i = 0; i < rows.tags.size(); i++) {
        int cols = (int)strlen(tagsOnly ? rows.tags[i] : rows.items[i]);   // bytes: enough to size the box
        widest = cols > widest ? cols : widest;
    }
    int listRows = rows.listHeight > 0 ? rows.listHeight : (int)rows.tags.size();
    BoxDialog dialog(call, boxText(o, call.text), BoxDialog::OK_CANCEL, listRows + 2,
                     2 * (widest + 4));
    BuildPanes panes(&dialog, rows, tagsOnly);
    panes.setGeometry(dialog.bodyRows(), dialog.bodyWidth(), dialog.bodyTop(), dialog.bodyLeft());
    dialog.addBody(&panes);
    BoxStatus status = dialog.run();
    if (status != BOX_OK && status != BOX_EXTRA)
        return status;
    bool first = true;
    for (size_t i = 0; i < rows.tags.size(); i++) {
        if (!rows.marks[i])
            continue;
        if (o.separateOutput) {
            *call.answer += std::string(rows.tags[i]) + "\n";
            continue;
        }
        if (!first)
            *call.answer += o.outputSeparator != nullptr ? o.outputSeparator : " ";
        *call.answer += boxQuoted(o, rows.tags[i]);
        first = false;
    }
    return status;
}
