// GalleryFormTest.cpp - the gallery's form page driven by real keys: every
// kind of input gadget filled in, then the answers page, Cancel, and the way
// back to the page list.
#include "ScreenSession.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void openFormPage(ScreenSession& s)
{
    ASSERT_TRUE(s.start({examplePath("gallery")}));
    ASSERT_TRUE(s.waitForText("Press a page number")) << s.dump();
    s.sendText("4");
    ASSERT_TRUE(s.waitForText("Items (space marks several)")) << s.dump();
    ASSERT_TRUE(s.waitQuiet()) << s.dump();
}

void leaveGallery(ScreenSession& s)
{
    ASSERT_TRUE(s.waitForText("Press a page number")) << s.dump();
    s.sendText("q");
    EXPECT_EQ(0, s.waitExit()) << s.dump();
}

}  // namespace

TEST(GalleryFormScreen, GalleryFormShowsEverythingEnteredAndChosen)
{
    ScreenSession s(24, 80);
    s.setEnv("LC_ALL", "C.UTF-8");
    openFormPage(s);
    s.sendText("Alice");
    s.tab();
    std::string tail;                    // 45 characters: the answer shows the first 40, whole
    for (int i = 0; i < 39; i++)
        tail += "é";
    s.sendText("sécret" + tail);
    ASSERT_TRUE(s.waitForText("******")) << s.dump();
    EXPECT_FALSE(s.contains("sécret")) << "the password is masked";
    s.tab();
    s.sendText(" ");                     // first check box on
    s.tab();
    s.sendText(" ");                     // second off
    s.tab();
    s.tab();
    s.tab();
    s.sendText(" ");                     // Medium
    s.tab();
    s.tab();
    s.down();
    s.down();
    s.sendText(" ");                     // Item 003
    s.tab();
    s.down();
    s.sendText(" ");                     // Orange instead of Blue
    s.tab();
    s.enter();                           // OK

    ASSERT_TRUE(s.waitForText("These are your answers")) << s.dump();
    EXPECT_TRUE(s.contains("Name:       Alice")) << s.dump();
    EXPECT_TRUE(s.contains("Password:   sécret" + tail.substr(0, 34 * 2) + " (45 characters)")) << s.dump();
    EXPECT_TRUE(s.contains("Check 1:    on"));
    EXPECT_TRUE(s.contains("Check 2:    off"));
    EXPECT_TRUE(s.contains("Check 3:    off"));
    EXPECT_TRUE(s.contains("Size:       Medium"));
    EXPECT_TRUE(s.contains("Colour:     Orange"));
    EXPECT_TRUE(s.contains("Items:      1 selected"));
    EXPECT_TRUE(s.contains("Item 003: Yellow"));
    s.sendText("x");
    leaveGallery(s);
}

TEST(GalleryFormScreen, EnterInAFieldAcceptsTheForm)
{
    ScreenSession s(24, 80);
    openFormPage(s);
    s.sendText("Bob");
    s.enter();
    ASSERT_TRUE(s.waitForText("These are your answers")) << s.dump();
    EXPECT_TRUE(s.contains("Name:       Bob"));
    EXPECT_TRUE(s.contains("Size:       Small")) << "the first of the group, chosen at the start";
    EXPECT_TRUE(s.contains("Colour:     Blue"));
    EXPECT_TRUE(s.contains("Items:      0 selected"));
    s.sendText("x");
    leaveGallery(s);
}

TEST(GalleryFormScreen, CancelGoesBackToThePageList)
{
    ScreenSession s(24, 80);
    openFormPage(s);
    s.sendText("Carol");
    s.backTab();                         // from the first field round to Cancel
    s.enter();
    leaveGallery(s);
    EXPECT_FALSE(s.contains("These are your answers"));
}
