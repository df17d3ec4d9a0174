// CurInitPosts.cpp - work that reaches the loop from elsewhere (terminal/):
// callables posted from any thread, the async-signal-safe wake, and the turn
// another event loop gives the toolkit through one descriptor.
#include "CurInit.h"
#include "CurKeyReader.h"
#include "CurPosts.h"
#include "CurSyncFrame.h"
#include "CurTermSession.h"

#include <curses.h>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <mutex>
#include <sys/epoll.h>
#include <unistd.h>
#include <vector>

namespace {

struct PostNode {
    void (*callback)(void*);
    void*     data;
    std::function<void()> function;      // the other form, when callback is null
    PostNode* next;
};

// The queue is the only state other threads touch, always under the lock.
std::mutex queueLock;
PostNode*  head = nullptr;
PostNode** tail = &head;
// The wake pipe, made once and kept for the process: a thread may post
// while another cleans up, and must never write to a descriptor closed
// and reused meanwhile. Atomics, so a signal handler may read them.
std::atomic<int>  pipeIn{-1}, pipeOut{-1};
std::atomic<bool> pipeFull{false};       // a byte is waiting: no need for another
std::atomic<bool> woken{false};          // wake() called since the last turn
std::atomic<bool> queued{false};         // head is not null (set and cleared under the lock)
bool (*wakeCallback)(void*) = nullptr;
void* wakeData = nullptr;
std::function<bool()> wakeFunction;
int   epollFd = -1;                      // the turn's descriptor, made on demand

void makePipe()
{
    int fds[2];
    if (pipeIn.load() < 0 && pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0) {
        pipeOut.store(fds[1]);
        pipeIn.store(fds[0]);
    }
}

// Only the first wake since the loop last looked writes: the pipe never
// fills however many come.
void ring()
{
    if (pipeFull.exchange(true))
        return;
    int saved = errno;
    int fd = pipeOut.load();
    char byte = 1;
    if (fd >= 0 && write(fd, &byte, 1) < 0)
        pipeFull.store(false);           // the loop still sees the flags at its next turn
    errno = saved;
}

void drain()
{
    if (!pipeFull.load())
        return;
    pipeFull.store(false);
    char buf[64];
    int fd = pipeIn.load();
    while (fd >= 0 && read(fd, buf, sizeof buf) > 0) {
    }
}

bool queue(PostNode* node)
{
    {
        std::lock_guard<std::mutex> hold(queueLock);
        makePipe();
        *tail = node;
        tail = &node->next;
        queued.store(true);
    }
    ring();
    return true;
}

// The posts taken for one turn. Those not run when one throws go back in
// front of the queue, in their order, for the next turn.
struct Batch {
    PostNode* rest;
    ~Batch()
    {
        if (rest == nullptr)
            return;
        PostNode* last = rest;
        while (last->next != nullptr)
            last = last->next;
        std::lock_guard<std::mutex> hold(queueLock);
        if (head == nullptr)
            tail = &last->next;
        last->next = head;
        head = rest;
        queued.store(true);
    }
};

void freeAll(PostNode* node)
{
    while (node != nullptr) {
        PostNode* next = node->next;
        delete node;
        node = next;
    }
}

// Posts made after the last session wait in the queue; at exit they go.
struct QueueAtExit {
    ~QueueAtExit() { CurPosts::dropPosts(); }
} queueAtExit;

}  // namespace

bool CurInit::post(void (*callback)(void*), void* data)
{
    return callback != nullptr && queue(new PostNode{callback, data, {}, nullptr});
}

bool CurInit::post(std::function<void()> callback)
{
    return callback && queue(new PostNode{nullptr, nullptr, std::move(callback), nullptr});
}

void CurInit::wake()
{
    woken.store(true);
    ring();
}

void CurInit::setWakeCB(bool (*callback)(void*), void* data)
{
    wakeCallback = callback;
    wakeData = data;
    wakeFunction = nullptr;
}

void CurInit::setWakeCB(std::function<bool()> callback)
{
    wakeFunction = std::move(callback);
    wakeCallback = nullptr;
    wakeData = nullptr;
}

// Only what was queued when the turn began runs: a post that posts again
// waits for the next turn instead of holding this one for ever.
int CurInit::runPosts()
{
    drain();
    Batch batch{nullptr};
    {
        std::lock_guard<std::mutex> hold(queueLock);
        batch.rest = head;
        head = nullptr;
        tail = &head;
        queued.store(false);
    }
    int count = 0;
    while (batch.rest != nullptr) {
        std::unique_ptr<PostNode> node(batch.rest);
        batch.rest = node->next;
        count++;
        if (node->callback != nullptr)
            node->callback(node->data);  // may throw, post, draw or nest a loop
        else
            node->function();
    }
    return count;
}

// Called at every turn of the reader: costs three atomic loads when idle.
bool CurPosts::takePosts()
{
    if (!queued.load() && !woken.load() && !pipeFull.load())
        return false;
    CurInit::runPosts();
    if (!woken.exchange(false))
        return false;
    if (wakeCallback != nullptr)
        return wakeCallback(wakeData);
    if (!wakeFunction)
        return false;
    std::function<bool()> call = wakeFunction;   // it may replace itself
    return call();
}

int CurPosts::wakeFd()
{
    std::lock_guard<std::mutex> hold(queueLock);
    makePipe();
    return pipeIn.load();
}

void CurPosts::dropPosts()
{
    PostNode* dropped;
    {
        std::lock_guard<std::mutex> hold(queueLock);
        dropped = head;
        head = nullptr;
        tail = &head;
        queued.store(false);
    }
    freeAll(dropped);                    // their functions' destructors run outside the lock
    woken.store(false);
    if (epollFd >= 0)
        close(epollFd);
    epollFd = -1;
}

// The descriptor holds the reader's own descriptors and the watches', put
// in again whenever the watches change. Level-triggered: it stays readable
// while any of them is.
void CurPosts::watchesChanged()
{
    if (epollFd < 0)
        return;
    close(epollFd);
    epollFd = -1;
    CurInit::eventFd();
}

int CurInit::eventFd()
{
    if (!CurTermSession::initialized)
        return -1;
    if (epollFd >= 0)
        return epollFd;
    epollFd = epoll_create1(EPOLL_CLOEXEC);
    if (epollFd < 0)
        return -1;
    std::vector<int> fds;
    CurKeyReader::eventFds(&fds);
    fds.push_back(CurPosts::wakeFd());
    for (int fd : fds) {
        struct epoll_event ev = {};
        ev.events = EPOLLIN;
        ev.data.fd = fd;
        epoll_ctl(epollFd, EPOLL_CTL_ADD, fd, &ev);   // a descriptor twice, or closed: ignored on purpose
    }
    return epollFd;
}

int CurInit::turnTimeout()
{
    return CurTermSession::initialized ? CurKeyReader::timerWait() : -1;
}

// The reader's own turn with no wait (CurKeyReader::turning), then one
// update, as one frame, for whatever its callbacks drew.
int CurPosts::turn(WINDOW* w, const CurWindow* reader)
{
    if (CurKeyReader::inLoop())
        return CurInit::BUSY;
    if (!CurTermSession::initialized)
        return ERR;
    struct Turning {
        Turning() { CurKeyReader::turning = true; }
        ~Turning() { CurKeyReader::turning = false; }
    } running;
    int key = CurKeyReader::readKeyAs(w, reader, true);
    CurSyncFrame::update();
    return key;
}
