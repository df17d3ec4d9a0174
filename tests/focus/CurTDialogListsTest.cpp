// CurTDialogListsTest.cpp - the one-call menu, check-list, radio-list and
// form boxes on a real terminal: the keys that answer, what they hand back,
// a list of 100,000 rows, rows with controls and bad bytes, the help line.
#include "ScreenSession.h"

#include <gtest/gtest.h>
#include <functional>
#include <string>

namespace {

struct Case {
    const char* box;
    const char* rows;
    std::function<void(ScreenSession&)> keys;
    const char* answer;
    const char* key;                     // the result holding what the box handed back
    const char* value;
};

void run(const Case& c, const char* first)
{
    SCOPED_TRACE(std::string(c.box) + " " + c.rows + " -> " + c.value);
    ScreenSession s(24, 80);
    s.setEnv("ESCDELAY", "50");
    ASSERT_TRUE(s.start({scenarioPath("list_boxes"), c.box, c.rows}));
    ASSERT_TRUE(s.waitForText(first)) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    c.keys(s);
    ASSERT_TRUE(s.waitForResult(c.key)) << s.dump();
    EXPECT_EQ(c.answer, s.result("answer")) << s.dump();
    EXPECT_EQ(c.value, s.result(c.key)) << s.dump();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

} // namespace

TEST(ListBoxes, KeysAnswerAndHandBackTheRows)
{
    using S = ScreenSession;
    Case cases[] = {
        {"menu", "10", [](S& s) { s.enter(); }, "0", "choice", "2"},
        {"menu", "10", [](S& s) { s.down(); s.enter(); }, "0", "choice", "3"},
        {"menu", "10", [](S& s) { s.sendText(" "); s.end(); s.enter(); }, "0", "choice", "9"},
        {"menu", "10", [](S& s) { s.down(); s.tab(); s.enter(); }, "1", "choice", "2"},
        {"menu", "10", [](S& s) { s.down(); s.escape(); }, "-1", "choice", "2"},
        {"menu", "100000", [](S& s) { s.end(); s.pageUp(); s.up(); s.enter(); }, "0", "choice",
         "99981"},
        {"check", "10", [](S& s) { s.enter(); }, "0", "marked", "tag1 tag3 "},
        {"check", "10", [](S& s) { s.sendText(" "); s.down(); s.sendText(" "); s.enter(); }, "0",
         "marked", "tag0 tag3 "},
        {"check", "10", [](S& s) { s.sendText(" "); s.escape(); }, "-1", "marked", "tag1 tag3 "},
        {"radio", "10", [](S& s) { s.enter(); }, "0", "choice", "1"},
        {"radio", "10", [](S& s) { s.down(); s.sendText(" "); s.enter(); }, "0", "choice", "2"},
        {"radio", "10", [](S& s) { s.sendText(" "); s.enter(); }, "0", "choice", "1"},
        {"radio", "0", [](S& s) { s.sendText(" "); s.enter(); }, "0", "choice", "-1"},
        {"help", "10", [](S& s) { s.down(); s.down(); s.enter(); }, "0", "choice", "2"},
    };
    for (const Case& c : cases)
        run(c, "Pick");
}

TEST(ListBoxes, ControlsAndBadBytesStayInsideTheirRow)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("list_boxes"), "menu", "6"}));
    ASSERT_TRUE(s.waitForText("tag5")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
    int row = s.findRow("bad");
    int right = s.findRow("tag2");
    ASSERT_GE(row, 0) << s.dump();
    // the frames on both sides of the row are where those of its neighbours are
    std::string text = s.rowText(row), neighbour = s.rowText(right);
    EXPECT_EQ(neighbour.find("tag2") - 2, text.find("tag3") - 2) << s.dump();
    for (int col = 0; col < 80; col++)
        EXPECT_EQ(s.cell(right, col).isVLine(), s.cell(row, col).isVLine()) << col << s.dump();
    s.escape();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

TEST(ListBoxes, HelpLineFollowsTheCurrentRow)
{
    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("list_boxes"), "help", "10"}));
    ASSERT_TRUE(s.waitForText("help for 0")) << s.dump();
    EXPECT_EQ(23, s.findRow("help for 0")) << s.dump();
    s.down();
    ASSERT_TRUE(s.waitForText("help for 1")) << s.dump();
    s.escape();
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

TEST(FormBox, FieldsEditHiddenReadOnlyAndAnswers)
{
    using S = ScreenSession;
    Case cases[] = {
        {"form", "0", [](S& s) { s.sendText("x"); s.enter(); }, "0", "texts", "Bobx,,42"},
        {"form", "0", [](S& s) { s.down(); s.sendText("pw"); s.enter(); }, "0", "texts", "Bob,pw,42"},
        // the read-only field is skipped: Tab goes from the password to OK
        {"form", "0", [](S& s) { s.tab(); s.tab(); s.tab(); s.enter(); }, "1", "texts", "Bob,,42"},
        {"form", "0", [](S& s) { s.sendText("x"); s.escape(); }, "-1", "texts", "Bob,,42"},
    };
    for (const Case& c : cases)
        run(c, "Who are you?");

    // a form taller than the screen scrolls to the field that takes the focus, and back
    ScreenSession t(24, 80);
    ASSERT_TRUE(t.start({scenarioPath("list_boxes"), "tall", "40"}));
    ASSERT_TRUE(t.waitForText("Field 17")) << t.dump();
    EXPECT_LT(t.findRow("Field 18"), 0) << t.dump();
    for (int i = 0; i < 30; i++)
        t.tab();
    t.sendText("x");
    ASSERT_TRUE(t.waitForText("30x")) << t.dump();
    EXPECT_LT(t.findRow("Field 0 "), 0) << t.dump();
    for (int i = 0; i < 30; i++)
        t.backTab();
    ASSERT_TRUE(t.waitForText("Field 0 ")) << t.dump();
    t.enter();
    ASSERT_TRUE(t.waitForResult("texts")) << t.dump();
    EXPECT_NE(std::string::npos, t.result("texts").find(",29,30x,31,")) << t.result("texts");
    EXPECT_EQ(0, t.waitExit()) << t.dump();

    ScreenSession s(24, 80);
    ASSERT_TRUE(s.start({scenarioPath("list_boxes"), "form", "0"}));
    ASSERT_TRUE(s.waitForText("Password")) << s.dump();
    s.tab();
    s.sendText("abc");
    ASSERT_TRUE(s.waitForText("***")) << s.dump();
    EXPECT_EQ(std::string::npos, s.rowText(s.findRow("Password")).find("abc")) << s.dump();
    s.escape();
    EXPECT_EQ(0, s.waitExit()) << s.dump();

    // A text taller than the screen is cut above the fields, which stay on it.
    ScreenSession tall(24, 80);
    ASSERT_TRUE(tall.start({scenarioPath("list_boxes"), "form", "30"}));
    ASSERT_TRUE(tall.waitForText("Password")) << tall.dump();
    EXPECT_FALSE(tall.contains("line 29")) << tall.dump();
    tall.escape();
    EXPECT_EQ(0, tall.waitExit()) << tall.dump();
}
