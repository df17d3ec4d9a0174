// CurInitPostsTest.cpp - posts, wakes and the turn for another loop, in the
// test process on a real curses screen: order, a post that posts or throws,
// posts around cleanup, the wake from a signal handler, and the turn's
// refusals, descriptor and keys.
#include "CursesTest.h"

#include <CurInit.h>

#include <gtest/gtest.h>
#include <csignal>
#include <memory>
#include <poll.h>
#include <stdexcept>
#include <string>

namespace {

std::string order;

void append(void* data)
{
    order += *static_cast<const char*>(data);
}

bool readable(int fd)
{
    struct pollfd p = {fd, POLLIN, 0};
    return poll(&p, 1, 0) == 1;
}

void wakeFromHandler(int)
{
    CurInit::wake();
}

}  // namespace

// One table of what a turn of the loop does with the posts it finds.
TEST_F(CursesTest, PostsRunInOrderOncePerTurnAndAThrowReachesTheLoopsCaller)
{
    static const char a = 'a', b = 'b', c = 'c';
    order.clear();
    CurInit::post(append, (void*)&a);
    CurInit::post([] {
        order += 'p';
        CurInit::post(append, (void*)&c);    // waits for the next turn
    });
    CurInit::post([] { throw std::runtime_error("post failed"); });
    CurInit::post(append, (void*)&b);
    EXPECT_FALSE(CurInit::post(nullptr, nullptr));
    EXPECT_FALSE(CurInit::post(std::function<void()>()));
    EXPECT_THROW(CurInit::turn(nullptr), std::runtime_error);
    EXPECT_EQ("ap", order);
    EXPECT_EQ(ERR, CurInit::turn(nullptr));  // what the throw left, then what was posted meanwhile
    EXPECT_EQ("apbc", order);
    EXPECT_EQ(0, CurInit::runPosts());
}

TEST_F(CursesTest, PostsPendingAtCleanupAreDroppedAndLaterOnesWaitForTheNextSession)
{
    auto witness = std::make_shared<int>(0);
    std::weak_ptr<int> alive = witness;
    CurInit::post([witness] { ++*witness; });
    witness.reset();
    CurInit::cleanup();
    EXPECT_TRUE(alive.expired()) << "dropped, its function destroyed";
    int ran = 0;
    CurInit::post([&ran] { ran++; });        // no session: it waits
    EXPECT_EQ(ERR, CurInit::turn(nullptr));
    EXPECT_EQ(-1, CurInit::eventFd());
    EXPECT_EQ(0, ran);
    CurInit::initialize();
    pushKeys({'k'});
    EXPECT_EQ('k', CurInit::readKey(nullptr));
    EXPECT_EQ(1, ran) << "ran at the new session's first turn";
}

TEST_F(CursesTest, AWakeFromASignalHandlerRunsTheWakeCallbackOnTheLoop)
{
    int wakes = 0;
    CurInit::setWakeCB([&wakes] { return ++wakes == 1; });
    struct sigaction sa = {}, old;
    sa.sa_handler = wakeFromHandler;
    sigaction(SIGUSR1, &sa, &old);
    raise(SIGUSR1);
    raise(SIGUSR1);                          // two wakes before the turn: one call
    EXPECT_EQ(+CurInit::STOP, CurInit::readKey(nullptr));
    EXPECT_EQ(1, wakes);
    sigaction(SIGUSR1, &old, nullptr);
    CurInit::setWakeCB(nullptr, nullptr);
}

TEST_F(CursesTest, TheTurnSignalsWorkOnItsDescriptorAndIsRefusedInsideACallback)
{
    int fd = CurInit::eventFd();
    ASSERT_GE(fd, 0);
    EXPECT_EQ(-1, CurInit::turnTimeout());
    EXPECT_FALSE(readable(fd));
    CurInit::post([] {});
    EXPECT_TRUE(readable(fd)) << "a post wakes the other loop";
    EXPECT_EQ(ERR, CurInit::turn(nullptr));
    EXPECT_FALSE(readable(fd));
    int inner = 0;
    int timer = CurInit::addTimer(0, [&inner] {
        inner = CurInit::turn(nullptr);
        return true;
    });
    EXPECT_EQ(0, CurInit::turnTimeout());
    EXPECT_EQ(+CurInit::STOP, CurInit::turn(nullptr));
    EXPECT_EQ(+CurInit::BUSY, inner);
    CurInit::removeTimer(timer);
    pushKeys({'x', 'y'});
    EXPECT_EQ('x', CurInit::turn(nullptr));
    EXPECT_EQ('y', CurInit::turn(nullptr));
    EXPECT_EQ(ERR, CurInit::turn(nullptr));
}

TEST_F(CursesTest, AMillionPostsQueuedRunInOneTurn)
{
    long sum = 0;
    for (long i = 0; i < 1000000; i++)
        CurInit::post([&sum, i] { sum += i; });
    EXPECT_EQ(ERR, CurInit::turn(nullptr));
    EXPECT_EQ(499999500000L, sum);
}
