// guard_form.cpp - screen scenario for leaving the terminal. Argument: form or
// box (wait for keys), exit, throw, null (the button's callback ends the
// program so), return (main returns 4), handler (a SIGTERM handler of its
// own), job (the form in a process group of its own), answer (a question
// box, the answer printed on standard output and reported as yes=0 or 1).
// Reports ready=1 once drawn.
#include "ScenarioResult.h"

#include <CurButton.h>
#include <CurFocuser.h>
#include <CurInit.h>
#include <CurLineEdit.h>
#include <CurTDialog.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

static const char* mode = "form";

static bool is(const char* name) { return strcmp(mode, name) == 0; }

// Unchecked by the sanitizer, so that the null write faults as it would.
__attribute__((no_sanitize("undefined"))) static void pressed(void* form)
{
    if (is("exit")) exit(3);
    if (is("throw")) throw std::runtime_error("thrown from a callback");
    if (is("null")) *(volatile int*)nullptr = 1;
    ((CurFocuser*)form)->stopKbdLoop();
}

static void onTerm(int)
{
    scenarioResult("chained", 1);
    _exit(5);
}

// Only a group whose parent waits in the same session can be stopped: the
// system discards stop signals sent to an orphaned group.
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
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
}

static void runForm()
{
    CurWindow win(8, 40, 2, 4);
    win.setTitle("Guarded form", CurInit::CENTER);
    CurLineEdit edit(&win);
    edit.setGeometry(1, 20, 2, 2);
    CurButton button(&win);
    button.setGeometry(1, 8, 5, 2);
    CurFocuser form;
    form.addGadget(&edit);
    form.addGadget(&button);
    button.setActivateCB(pressed, &form);
    edit.draw();
    button.draw();
    win.update();
    scenarioResult("ready", 1);
    form.kbdLoop();
}

int main(int argc, char** argv)
{
    mode = argc > 1 ? argv[1] : "form";
    if (is("handler")) signal(SIGTERM, onTerm);
    if (is("job")) runAsJob();
    CurInit::initialize();
    CurInit::setMouse(true);             // reports on, to be switched off on every way out
    CurInit::setPaste(true);             // and so are bracketed paste and focus reports
    CurInit::setFocusReports(true);
    if (is("box") || is("answer"))
        scenarioResult("ready", 1);
    if (is("box"))
        CurTDialog::showMessage(-1, -1, 0, "A box is up", "Box");
    else if (is("answer")) {
        bool yes = CurTDialog::showQuestion(-1, -1, 0, "Proceed?", "Q", "Yes", "No", true);
        scenarioResult("yes", yes);
        printf("%s\n", yes ? "yes" : "no");
    }
    else
        runForm();
    if (is("return")) return 4;
    CurInit::cleanup();
    return 0;
}
