// CurTDialogTable.cpp - the one-call table box of CurTDialog (boxes/): the
// box's text over a CurTable of the rows given or a source's, the buttons,
// and the answers handed back; and the layout the tree box shares with it.
#include "CurTDialog.h"
#include "CurLabel.h"
#include "CurTable.h"
#include "CurText.h"

#include <curses.h>
#include <algorithm>
#include <cstring>
#include <memory>

int CurTDialog::runGadgetBox(int textHeight, int textWidth, int rows, int minRows, int inner,
                             int attributes, const char* text, const char* title,
                             const char* const* buttons, int defaultButton,
                             const std::function<CurGadget*(CurTDialog*, int, int, int, int)>& make,
                             const std::function<void(CurGadget*)>& finish)
{
    if (text == nullptr)
        text = "";
    int buttonCount = 0, widest = 0;
    static const char* const standard[] = {" OK ", "Cancel", nullptr};
    for (const char* const* t = buttons != nullptr ? buttons : standard; *t != nullptr; t++, buttonCount++)
        widest = std::max(widest, CurText::columns(*t));
    inner = std::max(inner, buttonCount * (widest + 3));
    int boxWidth = CurText::boxSize(text, 0, textWidth, {0, 4}, inner).cols;
    if (textHeight < 0)
        textHeight = text[0] != '\0' ? CurText::wrappedLines(text, boxWidth - 4) : 0;
    int room = LINES - 6;
    textHeight = std::max(0, std::min(textHeight, room - minRows));
    rows = std::max(std::min(rows > 0 ? rows : room, room - textHeight), std::min(minRows, 1));
    int chosen;
    {
        CurTDialog dialog(textHeight + rows + 6, boxWidth, -1, -1);
        if (attributes != 0)                // 0: the theme's dialog
            dialog.setAttributes(attributes);
        dialog.setKeyCB(CurTDialog::escapeEndsCB, &dialog);
        dialog.addButtons(buttons);
        if (title != nullptr && title[0] != '\0')
            dialog.setTitle(title, CurInit::CENTER);
        CurLabel label(&dialog, false);
        placeText(&label, text, textHeight, dialog.getWidth() - 4);
        dialog.enterButton = defaultButton;
        std::unique_ptr<CurGadget> gadget(make(&dialog, rows + 2, dialog.getWidth() - 4, 1 + textHeight, 2));
        dialog.focusFirst(gadget.get(), defaultButton);
        dialog.draw();
        label.draw();
        gadget->draw();
        chosen = dialog.kbdLoop();
        finish(gadget.get());
    }
    CurInit::refreshAllWindows();
    return chosen;
}

// Columns a column wants: its title's and its widest cell's.
static int columnWidth(const CurTDialog::TableSetup& setup, int column)
{
    const char* title = setup.titles != nullptr ? setup.titles[column] : nullptr;
    int widest = title != nullptr ? CurText::columns(title) : 0;
    for (int r = 0; setup.source == nullptr && setup.cells != nullptr && r < setup.rows; r++) {
        const char* cell = setup.cells[(long long)r * setup.columns + column];
        if (cell != nullptr)
            widest = std::max(widest, CurText::columns(cell));
    }
    return widest;
}

int CurTDialog::showTable(int textHeight, int textWidth, int tableHeight, int attributes,
                          const char* text, const char* title, TableSetup* setup)
{
    if (setup == nullptr || setup->columns < 0 || setup->rows < 0)
        return -1;
    int inner = 3;                       // the frame and the mark column
    for (int c = 0; c < setup->columns; c++)
        inner += columnWidth(*setup, c) + (c > 0 ? 1 : 0);
    int rows = setup->source != nullptr ? setup->source->rowCount() : setup->rows;
    auto make = [setup](CurTDialog* dialog, int height, int width, int y, int x) {
        CurTable* table = new CurTable(dialog);
        table->setGeometry(height, width, y, x);
        for (int c = 0; c < setup->columns; c++)
            table->addColumn(setup->titles != nullptr ? setup->titles[c] : nullptr);
        if (setup->source != nullptr) {
            table->setSource(setup->source);
        } else {
            std::vector<const char*> row(setup->columns);
            for (int r = 0; r < setup->rows; r++) {
                for (int c = 0; c < setup->columns; c++)
                    row[c] = setup->cells != nullptr ? setup->cells[(long long)r * setup->columns + c] : nullptr;
                table->addRow(row.data(), setup->columns);
                if (setup->marks != nullptr && setup->marks[r])
                    table->setSelected(r, true, false);
            }
        }
        table->setSelectMode(setup->multiple ? CurTable::MULTIPLE : CurTable::SINGLE);
        table->setTypeAhead(true);
        if (setup->sortColumn >= 0)
            table->sortBy(setup->sortColumn, false, false);
        table->setCurrent(setup->current, false);
        return table;
    };
    auto finish = [setup](CurGadget* gadget) {
        CurTable* table = static_cast<CurTable*>(gadget);
        setup->current = std::max(0, table->getCurrent());
        setup->sortColumn = table->getSortColumn();
        if (setup->source != nullptr || setup->marks == nullptr)
            return;
        for (int r = 0; r < setup->rows; r++)
            setup->marks[r] = table->isSelected(r);
    };
    return runGadgetBox(textHeight, textWidth, tableHeight > 0 ? tableHeight : rows + 2, 3, inner,
                        attributes, text, title, setup->buttons, setup->defaultButton, make, finish);
}

int CurTDialog::showTable(int textHeight, int textWidth, int tableHeight, int attributes,
                          std::string_view text, std::string_view title,
                          const std::vector<std::string>& titles,
                          const std::vector<std::vector<std::string>>& rows,
                          std::vector<int>& chosen, bool multiple)
{
    std::vector<const char*> t, cells;
    for (const std::string& s : titles)
        t.push_back(s.c_str());
    for (const std::vector<std::string>& row : rows)
        for (size_t c = 0; c < titles.size(); c++)
            cells.push_back(c < row.size() ? row[c].c_str() : nullptr);
    std::unique_ptr<bool[]> marks(new bool[rows.size() + 1]());
    TableSetup setup;
    setup.titles = t.data();
    setup.columns = (int)titles.size();
    setup.cells = cells.data();
    setup.rows = (int)rows.size();
    setup.multiple = multiple;
    setup.marks = marks.get();
    for (int row : chosen)
        if (row >= 0 && row < setup.rows) {
            marks[row] = multiple;
            setup.current = multiple ? setup.current : row;
        }
    int answer = showTable(textHeight, textWidth, tableHeight, attributes, std::string(text).c_str(),
                           std::string(title).c_str(), &setup);
    if (answer == 0) {
        chosen.clear();
        for (int r = 0; r < setup.rows; r++)
            if (multiple ? marks[r] : r == setup.current)
                chosen.push_back(r);
    }
    return answer;
}
