// CurInitThreadTest.cpp - posting from eight threads at once while the loop
// waits, draws and follows a storm of resizes; also built alone under
// ThreadSanitizer by scripts/check-threads.
#include "CursesTest.h"

#include <CurInit.h>
#include <CurLogger.h>

#include <gtest/gtest.h>
#include <atomic>
#include <csignal>
#include <string>
#include <sys/ioctl.h>
#include <thread>
#include <vector>

TEST_F(CursesTest, PostsFromEightThreadsRunEachOnceInEachThreadsOrderWhileTheScreenResizes)
{
    const int THREADS = 8, POSTS = 5000;
    std::vector<int> next(THREADS, 0);   // touched on the loop's thread only
    int ran = 0, outOfOrder = 0, resizes = 0;
    CurLogger pane(8, 40, 2, 2);
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < THREADS; t++)
        threads.emplace_back([&, t] {
            while (!go.load())
                std::this_thread::yield();
            for (int i = 0; i < POSTS; i++) {
                CurInit::post([&, t, i] {
                    outOfOrder += next[t]++ != i;
                    if (++ran % 1000 == 0)
                        pane.log("posted " + std::to_string(ran));
                });
                if (i % 1000 == 0)
                    CurInit::wake();
            }
        });
    // The loop's own timer resizes the terminal every few milliseconds.
    int timer = CurInit::addTimer(2, [&] {
        struct winsize ws = {};
        ws.ws_row = (unsigned short)(resizes % 2 ? 24 : 12 + resizes % 7);
        ws.ws_col = (unsigned short)(resizes % 2 ? 80 : 30 + resizes % 13);
        ioctl(1, TIOCSWINSZ, &ws);
        raise(SIGWINCH);
        resizes++;
        return ran == THREADS * POSTS;
    });
    go.store(true);
    while (CurInit::readKey(nullptr) != CurInit::STOP) {
    }
    for (std::thread& t : threads)
        t.join();
    CurInit::removeTimer(timer);
    CurInit::runPosts();
    EXPECT_EQ(THREADS * POSTS, ran);
    EXPECT_EQ(0, outOfOrder);
    EXPECT_GT(resizes, 0);
}
