// velmora-box.cpp - the box program: one message, question, input, gauge,
// viewer or info box per run, for shell scripts. The answer is the exit
// status, an entered text goes to standard error (or standard output), and
// the screen goes to the terminal even when both are captured.
#include "BoxOptions.h"

#include <CurBanner.h>
#include <CurGauge.h>
#include <CurInit.h>
#include <CurNote.h>
#include <CurTDialog.h>
#include <CurViewer.h>
#include <curses.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

static const int STATUS_ESC = 255;

// Turns the two characters "\n" into a newline, in place.
static char* unescape(const char* text)
{
    char* out = strdup(text != nullptr ? text : "");
    char* w = out;
    for (const char* r = out; *r != '\0'; r++) {
        if (r[0] == '\\' && r[1] == 'n') {
            *w++ = '\n';
            r++;
        } else {
            *w++ = *r;
        }
    }
    *w = '\0';
    return out;
}

// The terminal for the screen: when standard output (or, for a box that
// reads keys, standard input) is not one, the controlling terminal takes its
// place for the curses session, and standard output is kept aside for the
// answer. Returns the descriptor the answer goes to, or -1 without a terminal.
static int takeTerminal(bool keys, bool toStdout)
{
    int answer = toStdout ? 1 : 2;
    bool outTty = isatty(1), inTty = isatty(0);
    if (outTty && (inTty || !keys))
        return answer;
    int tty = open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (tty < 0)
        return -1;
    if (!outTty) {
        int saved = dup(1);
        if (toStdout)
            answer = saved;
        dup2(tty, 1);
    }
    if (!inTty && keys)
        dup2(tty, 0);
    close(tty);
    return answer;
}

// A size from the command line less what the box adds around its text; 0
// (fit) and sizes smaller than the frame become -1, computed from the text.
static int inner(int size, int chrome)
{
    return size - chrome > 0 ? size - chrome : -1;
}

// Reads the gauge's lines until the input ends. A line is a percentage;
// XXX opens a block whose first line may be a percentage and whose other
// lines become the text, until the next XXX. Anything else, and numbers
// outside 0..100, leave the bar as it was.
static void feedGauge(int percent)
{
    char line[4096];
    char text[8192];
    bool inBlock = false;
    while (fgets(line, sizeof line, stdin) != nullptr) {
        line[strcspn(line, "\r\n")] = '\0';
        char* end = nullptr;
        long value = strtol(line, &end, 10);
        bool isNumber = end != line && *end == '\0' && value >= 0 && value <= 100;
        if (strcmp(line, "XXX") == 0) {
            if (inBlock)
                CurGauge::updateBox(percent, text);
            inBlock = !inBlock;
            text[0] = '\0';
        } else if (inBlock && isNumber && text[0] == '\0') {
            percent = (int)value;
        } else if (inBlock) {
            size_t used = strlen(text);
            snprintf(text + used, sizeof text - used, "%s%s", used > 0 ? "\n" : "", line);
        } else if (isNumber) {
            percent = (int)value;
            CurGauge::updateBox(percent, nullptr);
        }
    }
}

static void backtitle(const char* text)
{
    CurInit::clearScreen(0, ' ');
    if (text == nullptr)
        return;
    CurBanner* banner = new CurBanner();   // stays until cleanup; deleted with the windows
    banner->setAttributes(CurInit::reverse);
    banner->leftLabel.setText(text, false);
    banner->leftLabel.draw();
    banner->update();
}

// Runs the box on the screen; answer receives an entered text, and file is
// the text box's file, opened before the screen was started.
static int runBox(const BoxOptions& o, const char* text, char* answer, int answerSize, int file)
{
    int status = 0;
    switch (o.kind) {
    case BOX_MSG:
        status = CurTDialog::showChoice(inner(o.height, 5), inner(o.width, 4), 0, text, o.title,
                                        nullptr, nullptr, true);
        break;
    case BOX_YESNO:
        status = CurTDialog::showChoice(inner(o.height, 5), inner(o.width, 4), 0, text, o.title,
                                        o.yesLabel != nullptr ? o.yesLabel : "Yes",
                                        o.noLabel != nullptr ? o.noLabel : "No", true);
        break;
    case BOX_INPUT:
    case BOX_PASSWORD:
        snprintf(answer, answerSize, "%s", o.init != nullptr ? o.init : "");
        status = CurTDialog::showInput(inner(o.height, 5), inner(o.width, 4), 0, text, o.title,
                                       answer, answerSize, o.kind == BOX_PASSWORD);
        break;
    case BOX_GAUGE:
        CurGauge::openBox(inner(o.height, 4), inner(o.width, 4), 0, text, o.title, o.percent);
        feedGauge(o.percent);
        CurGauge::closeBox();
        break;
    case BOX_TEXT:
        status = CurTDialog::showFile(inner(o.height, 6), inner(o.width, 6), 0, file, o.text,
                                      o.title);
        break;
    default:
        CurNote::showNote(inner(o.height, 2), inner(o.width, 4), 0, text);
        break;
    }
    return status < 0 ? STATUS_ESC : status;
}

int main(int argc, char** argv)
{
    BoxOptions o;
    char error[512];
    if (!parseBoxOptions(argc, argv, &o, error, sizeof error)) {
        fprintf(stderr, "%s\n", error);
        return 2;
    }
    if (o.kind == BOX_HELP) {
        fputs(BOX_USAGE, stdout);
        return 0;
    }
    int file = o.kind == BOX_TEXT ? CurViewer::openRegular(o.text) : -1;
    if (o.kind == BOX_TEXT && file < 0) {
        fprintf(stderr, "velmora-box: not a readable file: %s\n", o.text);
        return 2;
    }
    bool keys = o.kind != BOX_GAUGE && o.kind != BOX_INFO;
    int answerFd = takeTerminal(keys, o.toStdout);
    if (answerFd < 0) {
        fprintf(stderr, "velmora-box: no terminal to show the box on\n");
        return 2;
    }
    char* text = unescape(o.text);
    char answer[2048] = "";
    CurInit::initialize();
    backtitle(o.backtitle);
    int status = runBox(o, text, answer, sizeof answer, file);
    CurInit::killAllWindows();
    CurInit::cleanup();
    free(text);
    if ((o.kind == BOX_INPUT || o.kind == BOX_PASSWORD) && status == 0) {
        ssize_t ignored = write(answerFd, answer, strlen(answer)); // a closed output is the caller's choice
        (void)ignored;
    }
    return status;
}
