// CurTestScreenPicture.cpp - comparing the test kit's screen, or a region of
// it, with a picture written as text, and reporting a difference readably.
#include "CurTestScreen.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The picture's lines, each split into its characters (UTF-8 each).
std::vector<std::vector<std::string>> pictureCells(const char* picture)
{
    std::vector<std::vector<std::string>> lines(1);
    for (size_t i = 0; picture && picture[i];) {
        if (picture[i] == '\n') {
            lines.emplace_back();
            ++i;
            continue;
        }
        size_t n = 1;
        while (picture[i + n] && (picture[i + n] & 0xC0) == 0x80) ++n;
        lines.back().emplace_back(picture + i, n);
        i += n;
    }
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back();   // a final newline
    return lines;
}

// The cells as one text, trailing blanks cut so that a report stays short.
std::string joined(const std::vector<std::string>& cells)
{
    std::string out;
    for (const auto& c : cells) out += c;
    return out.erase(out.find_last_not_of(' ') + 1);
}

}  // namespace

bool CurTestScreen::matches(const char* picture)
{
    return compareRows(0, 0, numRows, numCols, picture);
}

bool CurTestScreen::matchesRegion(int row, int col, const char* picture)
{
    auto lines = pictureCells(picture);
    size_t width = 0;
    for (const auto& l : lines) width = l.size() > width ? l.size() : width;
    return compareRows(row, col, int(lines.size()), int(width), picture);
}

// Compares height rows of width cells from (row, col) with the picture, whose
// missing lines and columns count as blanks. Cells outside the screen read as
// blanks, so a picture larger than the screen fails on its non-blank part.
bool CurTestScreen::compareRows(int row, int col, int height, int width, const char* picture)
{
    auto lines = pictureCells(picture);
    std::string report;
    for (int r = 0; r < height || r < int(lines.size()); ++r) {
        std::vector<std::string> want = r < int(lines.size()) ? lines[r] : std::vector<std::string>();
        want.resize(size_t(width), " ");
        std::vector<std::string> got;
        int first = -1;
        for (int c = 0; c < width; ++c) {
            CurTestCell cl = cell(row + r, col + c);
            got.emplace_back(cl.ch == 0 ? "" : cl.text);
            if (first < 0 && got.back() != want[size_t(c)] && !(cl.ch == 0 && want[size_t(c)].empty()))
                first = c;
        }
        if (first < 0) continue;
        char head[64];
        std::snprintf(head, sizeof head, "row %d, from column %d:\n", row + r, col);
        report += head;
        report += "  expected |" + joined(want) + "\n";
        report += "  actual   |" + joined(got) + "\n";
        report += "           " + std::string(size_t(first) + 1, ' ') + "^ column " + std::to_string(col + first) + "\n";
    }
    keep(DIFFERENCE, report.c_str());
    if (report.empty()) return true;
    std::fprintf(stderr, "the screen differs from the picture:\n%s", report.c_str());
    return false;
}

const char* CurTestScreen::difference() const
{
    return capture[DIFFERENCE] ? capture[DIFFERENCE] : "";
}
