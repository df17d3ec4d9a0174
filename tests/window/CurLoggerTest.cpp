// CurLoggerTest.cpp - the log pane on a real terminal: its text area, one
// line per call, scrolling, wrapping, the two attributes, erase and unmap;
// and killAllWindows on a logger made with new.
#include <string>

#include <gtest/gtest.h>

#include <CurInit.h>
#include <CurLogger.h>

#include "CursesTest.h"
#include "StepSession.h"

namespace {

// The scenario's logger: 10 x 40 at row 2, column 5; text area 8 x 38 at (3, 6).
const int TOP = 3, LEFT = 6, ROWS = 8, WIDTH = 38;

// Row `row` of the text area, all 38 columns.
std::string areaRow(const ScreenSession& s, int row)
{
    return s.text(TOP + row, LEFT, WIDTH);
}

std::string padded(const std::string& text)
{
    return text + std::string(WIDTH - text.size(), ' ');
}

}  // namespace

TEST(CurLogger, WritesOneLinePerCallInsideTheFrame)
{
    ScreenSession s(24, 80);
    startSteps(s, "logger_demo", "lines");
    EXPECT_TRUE(s.cell(2, 5).isUpperLeft()) << s.dump();
    EXPECT_TRUE(s.cell(11, 44).isLowerRight()) << s.dump();
    EXPECT_TRUE(s.cell(TOP, LEFT - 1).isVLine());
    EXPECT_TRUE(s.cell(TOP, LEFT + WIDTH).isVLine());
    // "abc", "def\n", "" and "ghi" take a row each; the null texts none
    EXPECT_EQ(padded("abc"), areaRow(s, 0));
    EXPECT_EQ(padded("def"), areaRow(s, 1));
    EXPECT_EQ(padded(""), areaRow(s, 2));
    EXPECT_EQ(padded("ghi"), areaRow(s, 3));
    // a line of exactly the width takes one row; 50 characters take two
    EXPECT_EQ(std::string(38, 'x'), areaRow(s, 4));
    EXPECT_EQ(std::string(38, 'y'), areaRow(s, 5));
    EXPECT_EQ(padded(std::string(12, 'z')), areaRow(s, 6));
    EXPECT_EQ(padded(""), areaRow(s, 7));
    // with both attributes still 0, error looks like log
    ScreenCell logged = s.cell(TOP, LEFT), failed = s.cell(TOP + 3, LEFT);
    EXPECT_FALSE(failed.bold);
    EXPECT_FALSE(failed.underline);
    EXPECT_FALSE(failed.reverse);
    EXPECT_EQ(logged.fg, failed.fg);
    EXPECT_EQ(logged.bg, failed.bg);
    // a full-width line on the last row scrolls once, like any other line
    nextStep(s, "last row");
    EXPECT_EQ(padded("def"), areaRow(s, 0)) << s.dump();
    EXPECT_EQ(std::string(38, 'w'), areaRow(s, 6)) << s.dump();
    EXPECT_EQ(padded(""), areaRow(s, 7)) << s.dump();
    finishSteps(s);
}

TEST(CurLogger, ScrollsOnceTheAreaIsFullLeavingTheBottomRowBlank)
{
    ScreenSession s(24, 80);
    startSteps(s, "logger_demo", "scroll");
    for (int row = 0; row < ROWS - 1; row++)
        EXPECT_EQ(padded("entry " + std::to_string(row + 2)), areaRow(s, row)) << s.dump();
    EXPECT_EQ(padded(""), areaRow(s, ROWS - 1));
    nextStep(s, "nine");
    for (int row = 0; row < ROWS - 1; row++)
        EXPECT_EQ(padded("entry " + std::to_string(row + 3)), areaRow(s, row)) << s.dump();
    EXPECT_EQ(padded(""), areaRow(s, ROWS - 1));
    EXPECT_TRUE(s.cell(2, 5).isUpperLeft()) << "the frame stays while the text scrolls\n" << s.dump();
    EXPECT_TRUE(s.cell(11, 5).isLowerLeft()) << s.dump();
    finishSteps(s);
}

TEST(CurLogger, LogAndErrorWriteWithTheirOwnAttributes)
{
    ScreenSession s(24, 80);
    startSteps(s, "logger_demo", "attrs");
    ScreenCell fine = s.cell(TOP, LEFT), broken = s.cell(TOP + 1, LEFT), again = s.cell(TOP + 2, LEFT);
    EXPECT_EQ("fine", s.text(TOP, LEFT, 4));
    EXPECT_TRUE(fine.underline);
    EXPECT_FALSE(fine.bold);
    EXPECT_EQ("broken", s.text(TOP + 1, LEFT, 6));
    EXPECT_TRUE(broken.bold);
    EXPECT_FALSE(broken.underline);
    EXPECT_EQ(1, broken.fg);                  // red
    EXPECT_TRUE(again.underline) << "error's attribute does not stay for the next log";
    EXPECT_FALSE(again.bold);
    finishSteps(s);
}

TEST(CurLogger, EraseThenUpdateLeavesAnEmptyBorderlessRectangle)
{
    ScreenSession s(24, 80);
    startSteps(s, "logger_demo", "erase");
    EXPECT_EQ("one", s.text(TOP, LEFT, 3));
    nextStep(s, "erased");
    for (int row = 2; row <= 11; row++)
        EXPECT_EQ(std::string(40, ' '), s.text(row, 5, 40)) << "row " << row << "\n" << s.dump();
    finishSteps(s);
}

TEST(CurLogger, AnUnmappedLoggerWritesButShowsNothingUntilMapped)
{
    ScreenSession s(24, 80);
    startSteps(s, "logger_demo", "unmap");
    EXPECT_EQ(-1, s.findRow("hidden")) << s.dump();
    EXPECT_FALSE(s.cell(2, 5).isUpperLeft()) << "a repaint skips the unmapped frame\n" << s.dump();
    nextStep(s, "mapped");                   // the text written meanwhile shows
    EXPECT_EQ("hidden", s.text(TOP, LEFT, 6)) << s.dump();
    nextStep(s, "touched");                  // touch brings the frame back too
    EXPECT_TRUE(s.cell(2, 5).isUpperLeft()) << s.dump();
    EXPECT_EQ("hidden", s.text(TOP, LEFT, 6)) << s.dump();
    finishSteps(s);
}

TEST_F(CursesTest, KillAllWindowsDeletesALoggerAndItsTextWindowOnce)
{
    CurLogger* logger = new CurLogger(10, 40, 2, 5);
    logger->log("going");
    CurInit::killAllWindows();               // a double delete or a leak fails under the sanitizers
    CurInit::killAllWindows();               // the registry is empty now
    CurInit::refreshAllWindows();
    EXPECT_EQ(-1, screen().findRow("going")) << screen().dump();
}

TEST_F(CursesTest, AnEntryEndingInColumnZeroWithoutWrappingKeepsItsRow)
{
    CurLogger logger(10, 40, 2, 5);
    logger.log("crlf\r\n");                 // the carriage return leaves the cursor in column 0
    logger.log("a\b");                       // so does the backspace
    logger.log("next");
    EXPECT_EQ("next", screen().text(TOP + 2, LEFT, 4)) << screen().dump();
    EXPECT_EQ(padded(""), screen().text(TOP + 3, LEFT, WIDTH)) << screen().dump();
}

TEST_F(CursesTest, TheTextAreaWorksEvenWhenTheFrameDoesNotFitTheScreen)
{
    CurLogger logger(24, 40, 1, 0);          // rows 1 to 24: one too many for the frame
    logger.log("seen");                      // the area, rows 2 to 23, fits
    EXPECT_EQ("seen", screen().text(2, 1, 4)) << screen().dump();
}

TEST_F(CursesTest, ALoggerWithoutAnInsideIgnoresItsLines)
{
    CurLogger logger(2, 40, 3, 0);           // the frame alone, no row inside it
    logger.log("lost");
    logger.error("lost");
    logger.update();
    EXPECT_EQ(-1, screen().findRow("lost")) << screen().dump();
    EXPECT_TRUE(screen().cell(3, 0).isUpperLeft()) << screen().dump();
    EXPECT_TRUE(screen().cell(4, 39).isLowerRight()) << screen().dump();
}

// Bulk logging must leave a pane exactly as logging line by line does:
// two panes side by side, one fed each way, compared cell by cell.
TEST_F(CursesTest, BulkLoggingEndsExactlyAsLineByLineLogging)
{
    struct Case {
        const char* name;
        int         lines;               // "line n" entries, every fifth wider than the pane
        bool        errors;              // every 97th an error, between two bulks
    };
    const Case cases[] = {{"fewer than the rows", 3, false},
                          {"as many as the rows", 6, false},
                          {"many more, wrapping, errors between", 500, true}};
    CurInit::setThemeAttr(CurInit::THEME_ERROR, A_BOLD);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CurLogger single(8, 30, 1, 1), bulk(8, 30, 1, 40);
        single.log("before");
        bulk.log("before");
        bulk.hold();
        bulk.hold();                         // holds nest
        std::string chunk;
        for (int i = 0; i < c.lines; i++) {
            std::string line = "line " + std::to_string(i) + (i % 5 == 4 ? std::string(40, '=') : "");
            if (c.errors && i % 97 == 0) {
                bulk.logLines(chunk);
                chunk.clear();
                single.error(line);
                bulk.error(line);
            } else {
                single.log(line);
                chunk += line + "\n";
            }
        }
        bulk.logLines(chunk);
        bulk.release();
        EXPECT_TRUE(bulk.isHeld());
        bulk.release();
        EXPECT_FALSE(bulk.isHeld());
        VtScreen& s = screen();
        for (int row = 2; row < 8; row++)
            for (int col = 0; col < 28; col++) {
                ScreenCell a = s.cell(row, 2 + col), b = s.cell(row, 41 + col);
                ASSERT_TRUE(a.ch == b.ch && a.bold == b.bold)
                    << "row " << row << " column " << col << "\n" << s.dump();
            }
    }
}
