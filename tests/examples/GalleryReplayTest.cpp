// GalleryReplayTest.cpp - a gallery session recorded with VELMORA_KEYLOG and
// replayed, by VELMORA_REPLAY and by the test kit, to the same final screen.
#include "ScreenSession.h"

#include <CurTestTerminal.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

// The screen as a picture for CurTestScreen::matches.
std::string picture(ScreenSession& s)
{
    std::string out;
    for (int r = 0; r < s.rows(); ++r) out += s.rowText(r) + "\n";
    return out;
}

int keyLines(const std::string& path)
{
    std::ifstream in(path);
    int n = 0;
    for (std::string line; std::getline(in, line);) n += !line.empty() && line[0] != '#';
    return n;
}

}  // namespace

TEST(GalleryReplay, RecordedSessionReplaysToTheSameScreen)
{
    std::string log = std::string(testing::TempDir()) + "gallery-keys.log";
    std::remove(log.c_str());
    std::string recorded;
    {
        ScreenSession s(24, 80);
        s.setEnv("VELMORA_KEYLOG", log);
        s.setEnv("LC_ALL", "C.UTF-8");   // a character read whole is logged as U+NNNN
        ASSERT_TRUE(s.start({examplePath("gallery")}));
        ASSERT_TRUE(s.waitForText("Press a page number")) << s.dump();
        ASSERT_TRUE(s.key("4"));
        ASSERT_TRUE(s.waitForText("Items (space marks several)")) << s.dump();
        s.sendText("Böb");
        // x into the password: recorded as Hidden, which replays as x
        ASSERT_TRUE(s.terminal().keys("Tab x Tab Tab Tab Tab Space Tab Tab Down Space"));   // ends on OK
        ASSERT_TRUE(s.waitSettled()) << s.dump();
        recorded = picture(s);
    }
    if (keyLines(log) == 0)
        GTEST_SKIP() << "the toolkit's key reader records no keys yet";
    std::ifstream in(log);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(std::string::npos, all.find(" Hidden\n")) << all;
    EXPECT_EQ(std::string::npos, all.find(" x\n")) << all;

    ScreenSession byEnvironment(24, 80);
    byEnvironment.setEnv("VELMORA_REPLAY", log);
    byEnvironment.setEnv("LC_ALL", "C.UTF-8");
    ASSERT_TRUE(byEnvironment.start({examplePath("gallery")}));
    ASSERT_TRUE(byEnvironment.waitSettled(200, 10000)) << byEnvironment.dump();
    EXPECT_TRUE(byEnvironment.matches(recorded)) << byEnvironment.dump();

    ScreenSession byKit(24, 80);
    byKit.setEnv("LC_ALL", "C.UTF-8");
    ASSERT_TRUE(byKit.start({examplePath("gallery")}));
    ASSERT_TRUE(byKit.waitForText("Press a page number")) << byKit.dump();
    ASSERT_TRUE(byKit.terminal().replay(log.c_str()));
    EXPECT_TRUE(byKit.matches(recorded)) << byKit.dump();
    std::remove(log.c_str());
}
