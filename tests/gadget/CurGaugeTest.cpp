// CurGaugeTest.cpp - the gauge on a real terminal: the filled part and the
// centred number at 0, 50 and 100 percent and outside that range, the label
// above the bar, and the gauge box opened, updated and closed.
#include "ScreenSession.h"

#include <gtest/gtest.h>
#include <string>

TEST(CurGauge, BarFillsItsShareAndCentresTheClampedNumber)
{
    struct Case {
        int         percent;
        int         filled;              // reverse cells from column 1
        std::string number;
        int         numberCol;
    } cases[] = {
        {0, 0, "0%", 10}, {50, 10, "50%", 9}, {100, 20, "100%", 9},
        {150, 20, "100%", 9}, {-20, 0, "0%", 10}, {33, 6, "33%", 9},
    };
    for (const Case& c : cases) {
        ScreenSession s(24, 80);
        ASSERT_TRUE(s.start({scenarioPath("more_boxes"), "gauge", std::to_string(c.percent)}));
        ASSERT_TRUE(s.waitForText(c.number)) << c.percent << "\n" << s.dump();
        ASSERT_TRUE(s.waitQuiet()) << s.dump();
        EXPECT_EQ("Copying", s.text(1, 1, 7)) << c.percent;
        EXPECT_EQ(c.number, s.text(2, c.numberCol, (int)c.number.size())) << c.percent;
        for (int col = 1; col <= 21; col++)
            EXPECT_EQ(col <= c.filled, s.cell(2, col).reverse)
                << c.percent << "% column " << col << "\n" << s.dump();
        EXPECT_EQ(std::to_string(c.percent < 0 ? 0 : (c.percent > 100 ? 100 : c.percent)),
                  s.result("percent"));
        s.sendText("x");
        EXPECT_EQ(0, s.waitExit()) << s.dump();
    }
}

TEST(CurGauge, BoxIsUpdatedInPlaceAndLeavesTheScreenBeneath)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("more_boxes"), "gaugebox"}));
    ASSERT_TRUE(s.waitForText("30%")) << s.dump();
    int row = s.findRow("Working on it");
    ASSERT_GT(row, 0) << s.dump();
    EXPECT_NE(std::string::npos, s.rowText(row - 1).find("Progress")) << s.dump();
    s.sendText("x");
    ASSERT_TRUE(s.waitForText("70%")) << s.dump();
    EXPECT_EQ(row, s.findRow("Almost done")) << s.dump();
    EXPECT_FALSE(s.contains("Working")) << s.dump();
    s.sendText("x");
    ASSERT_TRUE(s.waitForText("Back")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    EXPECT_FALSE(s.contains("Almost")) << s.dump();
    s.sendText("x");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}
