// guard_form.cpp - screen scenario for leaving the terminal: a form with a
// line editor and a button whose callback ends the program in the way the
// first argument names, or a message box. Reports ready=1 once drawn.
//   form | box          wait for keys (a test sends the signal)
//   exit | throw | null the button's callback calls exit(3), throws, or
//                       writes through a null pointer; no cleanup is reached
//   return              main returns 4 after the form, without cleanup
//   handler             a SIGTERM handler of the program's own, chained
//   answer              a question box; the answer goes to standard output
//   job                 the form as a job in a process group of its own
#include "ScenarioResult.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLineEdit.h>
#include <CurTDialog.h>
#include <CurWindow.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

static const char* mode = "form";

// Unchecked by the sanitizer, so that the write faults as it would in a
// program built without one.
__attribute__((no_sanitize("undefined"))) static void pressed(void* data)
{
    if (strcmp(mode, "exit") == 0)
        exit(3);
    if (strcmp(mode, "throw") == 0)
        throw std::runtime_error("thrown from a callback");
    if (strcmp(mode, "null") == 0) {
        volatile int* nowhere = nullptr;
        *nowhere = 1;
    }
    ((CurFocuser*)data)->stopKbdLoop();
}

static void onTerm(int)
{
    scenarioResult("chained", 1);
    _exit(5);
}

// The form in a process group of its own whose parent waits in the same
// session, as under a job-control shell: only there does a stop signal stop
// it (the system discards stop signals sent to an orphaned group).
static void runAsJob()
{
    pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        signal(SIGTTOU, SIG_IGN);
        tcsetpgrp(0, getpgrp());
        signal(SIGTTOU, SIG_DFL);
        scenarioResult("pid", (long)getpid());
        return;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
}

static int runForm()
{
    CurWindow win(8, 40, 2, 4);
    win.setTitle("Guarded form", CurInit::CENTER);
    CurLineEdit edit(&win);
    edit.setGeometry(1, 20, 2, 2);
    CurButton button(&win);
    button.setGeometry(1, 8, 5, 2);
    button.setText("Go", false);
    CurFocuser form;
    form.addGadget(&edit);
    form.addGadget(&button);
    button.setActivateCB(pressed, &form);
    edit.draw();
    button.draw();
    win.update();
    scenarioResult("ready", 1);
    form.kbdLoop();
    return 0;
}

int main(int argc, char** argv)
{
    mode = argc > 1 ? argv[1] : "form";
    if (strcmp(mode, "handler") == 0)
        signal(SIGTERM, onTerm);
    if (strcmp(mode, "job") == 0)
        runAsJob();
    CurInit::initialize();
    if (strcmp(mode, "box") == 0) {
        scenarioResult("ready", 1);
        CurTDialog::showMessage(-1, -1, 0, "A box is up", "Box");
    } else if (strcmp(mode, "answer") == 0) {
        scenarioResult("ready", 1);
        bool yes = CurTDialog::showQuestion(-1, -1, 0, "Proceed?", "Question", "Yes", "No", true);
        printf("%s\n", yes ? "yes" : "no");
    } else {
        runForm();
        if (strcmp(mode, "return") == 0)
            return 4;
    }
    CurInit::cleanup();
    return 0;
}
