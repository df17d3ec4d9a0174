// worker.cpp - a worker thread drives the screen through CurInit::post: it
// "downloads" twenty parts, and each step it posts moves the gauge and adds
// a line to the log pane, on the loop's own thread. The toolkit is never
// touched from the worker itself. q quits, at any time.
#include <CurFocuser.h>
#include <CurGauge.h>
#include <CurInit.h>
#include <CurLogger.h>
#include <CurSession.h>
#include <CurWindow.h>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

int main()
{
    CurSession session;                  // given back at the end, dropping posts still waiting
    CurWindow top(5, CurInit::width, 0, 0);
    top.setTitle("Download", CurInit::LEFT);
    CurGauge gauge(&top);
    gauge.setGeometry(2, CurInit::width - 4, 1, 2);
    gauge.setLabel("waiting for the worker", true);
    CurLogger log(CurInit::height - 5, CurInit::width, 5, 0);
    top.update();
    log.update();

    CurFocuser form;                             // its loop reads the keys: q quits
    form.addGadget(&gauge);
    form.setKeyCB([&form](int key) {
        if (key != 'q')
            return false;
        form.stopKbdLoop();
        return true;
    });

    std::atomic<bool> quit{false};
    std::thread worker([&] {
        for (int part = 1; part <= 20 && !quit; part++) {
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            // Everything the toolkit is asked to do happens inside the post.
            CurInit::post([&, part] {
                gauge.setPercent(part * 5, true);
                gauge.setLabel(part < 20 ? "downloading" : "done: q quits", true);
                top.update();
                log.log("part " + std::to_string(part) + " of 20 received");
            });
        }
    });
    form.kbdLoop();
    quit = true;
    worker.join();
    return 0;
}
