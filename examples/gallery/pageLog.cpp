// pageLog.cpp - a gallery page: a log pane that streams lines while the user
// watches, log() and error() in different attributes, with pause and clear.
// A toolkit timer writes the lines; the page only waits for keys. On w a
// worker thread runs a made-up build and reports through CurInit::post,
// moving a gauge and logging its steps.
#include "Gallery.h"

#include <CurInit.h>
#include <CurLabel.h>
#include <CurLogger.h>
#include <CurGauge.h>
#include <CurNote.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

// A made-up service log; every entry is numbered so the lines differ.
struct LogEntry {
    bool        isError;
    const char* text;
};

static const LogEntry entries[] = {
    {false, "server listening on port 8080"},
    {false, "GET /index.html 200 (3 ms)"},
    {false, "GET /style.css 200 (1 ms)"},
    {false, "user anna logged in"},
    {true, "GET /admin 403: permission denied"},
    {false, "POST /orders 201 (12 ms)"},
    {false, "cache warmed: 1248 entries"},
    {false, "GET /orders?page=2&sort=date&filter=open&limit=50&fields=id,total,customer 200 (8 ms)"},
    {true, "database: connection lost, retrying in 2 s"},
    {false, "database: connected again"},
    {false, "user ben logged out"},
    {true, "disk /var is 91% full"},
};
static const int numEntries = sizeof(entries) / sizeof(entries[0]);

static void writeEntry(CurLogger& logger, int number)
{
    const LogEntry& entry = entries[number % numEntries];
    char line[160];
    snprintf(line, sizeof line, "%04d %s", number + 1, entry.text);
    if (entry.isError)
        logger.error(line);
    else
        logger.log(line);
}

// The stream: the timer writes the next entry unless the user paused it.
struct Stream {
    CurLogger* logger;
    int        number;
    bool       paused;
};

static bool streamNext(void* data)
{
    Stream* stream = static_cast<Stream*>(data);
    if (!stream->paused)
        writeEntry(*stream->logger, stream->number++);
    return false;
}

static const char* about =
    "A CurLogger is a frame with a scrolling text window inside. "
    "Each log() or error() call adds one line at the bottom and shows it at once; "
    "older lines move up and out.\n\n"
    "Here log() writes plain text and error() bold red, set with setLogAttr and "
    "setErrorAttr.\n\n"
    "Pause with Space, then press s to add one line at a time.";

// The worker: twenty build steps, each posted to the loop's thread, which
// alone draws. The page waits for it, and runs what it posted last, before
// the objects the posts use go.
struct Worker {
    std::thread       thread;
    std::atomic<bool> stop{false};
    void start(CurLogger& logger, CurGauge& gauge, CurWindow& window)
    {
        if (thread.joinable())
            return;
        thread = std::thread([this, &logger, &gauge, &window] {
            for (int step = 1; step <= 20 && !stop; step++) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                CurInit::post([&logger, &gauge, &window, step] {
                    gauge.setPercent(step * 5, true);
                    window.update();
                    logger.log("worker: build step " + std::to_string(step) + " of 20");
                });
            }
        });
    }
    ~Worker()
    {
        stop = true;
        if (thread.joinable())
            thread.join();
        CurInit::runPosts();
    }
};

void pageLog()
{
    galleryFooter("Space pause/resume, s one line, e an error, c start again, w worker, q back.");
    int height = CurInit::height - 7;    // the worker's gauge below
    CurLogger logger(height, 50, 1, 1);
    logger.setTitle("CurLogger", CurInit::LEFT);
    logger.setErrorAttr(galleryColor(CurInit::red, CurInit::black) | CurInit::bold);
    int sideWidth = CurInit::width - 53;
    CurNote side(CurLabel::getEffHeight(about, sideWidth - 4) + 2, sideWidth, 1, 52);
    side.setTitle("How it works", CurInit::LEFT);
    side.setAlignment(CurInit::LEFT, CurInit::TOP, false);
    side.setText(about, false);
    side.draw();
    side.update();
    CurWindow progress(4, 50, height + 1, 1);
    progress.setTitle("Worker thread (w)", CurInit::LEFT);
    CurGauge gauge(&progress);
    gauge.setGeometry(2, 46, 1, 2);
    gauge.draw();
    progress.update();
    logger.update();
    Worker worker;

    Stream stream = {&logger, 0, false};
    int timer = CurInit::addTimer(300, streamNext, &stream);
    for (;;) {
        int key = galleryWaitKey();
        if (key == 'q' || key == 'Q' || key == 27 || key == -1)
            break;
        if (key == ' ')
            stream.paused = !stream.paused;
        else if (key == 'e')
            logger.error("you pressed e: an error, shown with error()");
        else if (key == 'c') {
            logger.erase();              // the text and the frame; drawFrame restores the frame
            logger.drawFrame();
            logger.update();
            stream.number = 0;
        } else if (key == 's' && stream.paused)
            writeEntry(logger, stream.number++);
        else if (key == 'w')
            worker.start(logger, gauge, progress);
    }
    CurInit::removeTimer(timer);
}
