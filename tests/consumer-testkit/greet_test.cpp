// greet_test.cpp - a screen test of greet written with the installed test
// kit: the form as a picture, a name typed, OK pressed, the greeting read.
#include <CurTestTerminal.h>
#include <gtest/gtest.h>

TEST(Greet, TypedNameIsGreetedAfterOk)
{
    CurTestTerminal t(12, 40);                       // rows, columns; TERM=xterm
    t.setLocale("C.UTF-8");
    const char* argv[] = {GREET_PATH, nullptr};
    ASSERT_TRUE(t.start(argv));
    ASSERT_TRUE(t.waitForText("Name:")) << t.dump();
    ASSERT_TRUE(t.waitSettled()) << t.dump();        // drawn, and waiting for a key
    EXPECT_TRUE(t.matchesRegion(1, 2, "┌─────────────Greeting─────────────┐\n"
                                      "│                                  │\n"
                                      "│ Name:                            │"))
        << t.difference();

    t.type("Ada");
    t.keys("Tab");
    ASSERT_TRUE(t.waitSettled()) << t.dump();
    EXPECT_TRUE(t.cell(5, 17).bold) << t.dump();     // the focused OK button
    t.keys("Enter");
    EXPECT_EQ(0, t.waitExit()) << t.dump();
    EXPECT_TRUE(t.contains("Hello, Ada!")) << t.dump();
}
