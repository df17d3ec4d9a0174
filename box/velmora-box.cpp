// velmora-box.cpp - the box program: runs the boxes named on its command
// line one after the other, for shell scripts. The answer is the exit status
// and a text written to standard error (or the output descriptor); the
// screen goes to the terminal even when both are captured. Errors are one
// line that never lands in the answer's stream.
#include "BoxOptions.h"
#include "CurTty.h"

#include <CurBanner.h>
#include <CurInit.h>
#include <CurTDialog.h>
#include <VelmoraVersion.h>
#include <curses.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

// The exit status of each ending, and the variable that changes it. Item
// help answers as Help does unless its own variable is set.
static const struct {
    BoxStatus   status;
    const char* variable;
    int         code;
} STATUSES[] = {
    {BOX_OK, "DIALOG_OK", 0},           {BOX_CANCEL, "DIALOG_CANCEL", 1},
    {BOX_HELP, "DIALOG_HELP", 2},       {BOX_EXTRA, "DIALOG_EXTRA", 3},
    {BOX_ITEM_HELP, "DIALOG_ITEM_HELP", -1}, {BOX_TIMEOUT, "DIALOG_TIMEOUT", 5},
    {BOX_ESC, "DIALOG_ESC", 255},       {BOX_ERROR, "DIALOG_ERROR", 255},
};

static int exitCode(BoxStatus status)
{
    for (const auto& s : STATUSES) {
        if (s.status != status)
            continue;
        int value = 0;
        const char* set = getenv(s.variable);
        if (set != nullptr && boxNumber(set, &value) && value >= 0 && value <= 255)
            return value;
        return s.code >= 0 ? s.code : exitCode(BOX_HELP);
    }
    return 255;
}

// An error goes to standard error, unless that is where the answers go and
// a script is reading them (it is not a terminal): then to the terminal, so
// that the message never becomes the answer. Without a terminal standard
// error is all there is.
static void report(const BoxOptions& o, const std::string& message)
{
    std::string line = "velmora-box: " + boxEscaped(message) + "\n";
    int fd = 2;
    int tty = -1;
    if (o.outputFd == 2 && !isatty(2)) {
        if (isatty(1))
            fd = 1;
        else if ((tty = CurTty::open(O_WRONLY)) >= 0)
            fd = tty;
    }
    ssize_t ignored = write(fd, line.data(), line.size()); // nothing more can be done when it fails
    (void)ignored;
    if (tty >= 0)
        close(tty);
}

// Writes all of text to fd; false (errno set) when it cannot be written in full.
static bool writeAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += (size_t)n;
    }
    return true;
}

static bool writable(int fd)
{
    int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && (flags & O_ACCMODE) != O_RDONLY;
}

// The terminal for the screen: when standard output (or, for a box that
// reads keys, standard input) is not one, the controlling terminal takes its
// place for the curses session, and standard output is kept aside for the
// answer. Returns the descriptor the answer goes to, or -1 without a terminal.
static int takeTerminal(bool keys, int answer)
{
    int screen, keyFd, tty;
    if (!CurInit::findTerminal(&screen, &keyFd, &tty) || (keys && keyFd < 0))
        return -1;
    if (screen != 1) {
        int saved = fcntl(1, F_DUPFD_CLOEXEC, 3);
        if (answer == 1)
            answer = saved;
        dup2(screen, 1);
    }
    if (keys && keyFd != 0)
        dup2(keyFd, 0);
    if (tty >= 0)
        close(tty);                      // above 2: the copies placed stay
    return answer;
}

// The whole screen blank, as clearScreen(0, ' ') leaves it, without putting
// its characters one by one: that was a fifth of a box's start.
static void blankScreen()
{
    werase(stdscr);
    wrefresh(stdscr);
}

static void backtitle(const char* text)
{
    blankScreen();
    if (text == nullptr)
        return;
    CurBanner* banner = new CurBanner();   // stays until the windows are killed
    if (CurInit::getThemeAttr(CurInit::THEME_BANNER) == 0)
        banner->setAttributes(CurInit::reverse);   // unless the theme has a banner of its own
    banner->leftLabel.setText(text, false);
    banner->leftLabel.draw();
    banner->update();
}

// Run under the name whiptail or dialog, the program looks as that program
// does (the themes of those names). NEWT_COLORS restyles that look, or the
// classic one under any other name, as it restyles the script programs'
// blue one; VELMORA_THEME and VELMORA_COLORS, read by initialize, go over it.
static void whiptailTheme()
{
    BoxLook look = boxLook();
    if (look != LOOK_OWN)
        CurInit::setTheme(look == LOOK_WHIPTAIL ? "whiptail" : "dialog");
    const char* colours = getenv("NEWT_COLORS");
    if (colours != nullptr && colours[0] != '\0' && (look != LOOK_OWN || CurInit::setTheme("classic")))
        CurInit::setThemeColors(colours, true);
}

static void usage()
{
    std::string text = "usage: velmora-box [common options] BOX ARGUMENTS [--and-widget BOX ...]\nboxes:\n";
    int count = 0;
    const BoxEntry* boxes = boxTable(&count);
    for (int i = 0; i < count; i++)
        if (boxes[i].run != nullptr)
            text += std::string("  ") + boxes[i].name + "\n";
    text += "common options (before, among or after a box's arguments; -- ends them):\n" +
            boxOptionsHelp();
    text += "  --file FILE               further arguments read from FILE (- standard input)\n"
            "refused, with the error status:\n"
            "  --tailboxbg               a box left running would draw over what follows\n"
            "  --print-size, --print-text-size, --print-text-only\n"
            "                            sizes by another program's own wrapping\n"
            "  --create-rc               another program's configuration file\n";
    text += "exit status: 0 OK or Yes, 1 Cancel or No, 2 Help, 3 Extra, 5 time out,\n"
            "255 Esc or an error (DIALOG_OK, DIALOG_CANCEL, DIALOG_HELP, DIALOG_EXTRA,\n"
            "DIALOG_ITEM_HELP, DIALOG_TIMEOUT, DIALOG_ESC and DIALOG_ERROR change them).\n";
    // One write, so that a reader that stops at the first line (grep -q)
    // cannot end the program with SIGPIPE halfway through.
    (void)writeAll(1, text);             // a failure leaves nothing more to do
}

// Runs one box and writes its answer, after the separator when an earlier
// box wrote one. A failure's message is left in failure, for after the screen.
static BoxStatus runStep(const BoxStep& step, int answerFd, std::string* separator,
                         std::string* failure)
{
    const BoxOptions& o = step.options;
    std::string answer;
    BoxCall call{&o, step.entry->name, step.argc, step.argv, nullptr, 0, 0, &answer, failure};
    if (step.entry->textSized) {
        call.text = step.argv[0];
        boxNumber(step.argv[1], &call.height);
        boxNumber(step.argv[2], &call.width);
    }
    if (step.entry->input != INPUT_NO_SCREEN) {
        backtitle(o.backtitle);
    }
    CurTDialog::setBoxPlace(o.beginY, o.beginX);   // --begin, for the library's boxes too
    BoxStatus status = step.entry->run(call);
    CurTDialog::setBoxPlace(-1, -1);
    if (step.entry->input != INPUT_NO_SCREEN)
        CurInit::killAllWindows();
    // The lines the print options write stand apart from the boxes' answers.
    bool printed = step.entry->input == INPUT_NO_SCREEN;
    if (!answer.empty()) {
        if (!writeAll(answerFd, (printed ? "" : *separator) + answer)) {
            *failure = std::string("the answer could not be written: ") + strerror(errno);
            return BOX_ERROR;
        }
        if (!printed)
            *separator = o.separateWidget != nullptr ? o.separateWidget : "\t";
    }
    if (o.sleep > 0)
        sleep((unsigned)o.sleep);
    return status;
}

int main(int argc, char** argv)
{
    BoxCommand command;
    const std::vector<BoxStep>& steps = command.steps;
    const BoxOptions& last = command.last;
    // Descriptors the caller closed: noted before anything can take their place.
    bool open[3];
    for (int fd = 0; fd < 3; fd++)
        open[fd] = fcntl(fd, F_GETFD) >= 0;
    for (int fd = 0; fd < 3; fd++)
        if (!open[fd] && ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY) != fd)
            return exitCode(BOX_ERROR);
    switch (parseBoxCommand(argc, argv, &command)) {
    case PARSE_HELP:
        usage();
        return 0;
    case PARSE_VERSION:
        printf("velmora-box %s\n", VELMORA_VERSION_STRING);
        return 0;
    case PARSE_ERROR:
        report(last, command.error + " (try --help)");
        return exitCode(BOX_ERROR);
    case PARSE_RUN:
        break;
    }
    int answerFd = last.outputFd;
    if ((answerFd < 3 && !open[answerFd]) || !writable(answerFd)) {
        report(last, "the output descriptor " + std::to_string(answerFd) + " is not open for writing");
        return exitCode(BOX_ERROR);
    }
    signal(SIGPIPE, SIG_IGN);            // a reader gone is a write error, not a silent end
    bool screen = false, keys = false, data = false;
    for (const BoxStep& step : steps) {
        screen = screen || step.entry->input != INPUT_NO_SCREEN;
        keys = keys || step.entry->input == INPUT_KEYS;
        data = data || step.entry->input == INPUT_DATA;
    }
    // Keys from another descriptor take standard input's place for curses,
    // unless a box reads its data there (a gauge fed through a pipe): its
    // keys, if any, come from the terminal as always.
    if (last.inputFd >= 0 && last.inputFd != 0) {
        if (fcntl(last.inputFd, F_GETFD) < 0 || (!data && dup2(last.inputFd, 0) < 0)) {
            report(last, "the input descriptor " + std::to_string(last.inputFd) + " is not open");
            return exitCode(BOX_ERROR);
        }
        keys = keys && data;
    }
    if (screen && (answerFd = takeTerminal(keys, answerFd)) < 0) {
        report(last, "no terminal to show the box on");
        return exitCode(BOX_ERROR);
    }
    if (screen) {
        CurInit::setAlternateScreen(last.keepTite);
        whiptailTheme();
        CurInit::initialize();
        CurInit::setMouse(!last.noMouse);
    }
    BoxStatus status = BOX_OK;
    std::string separator, failure;
    for (const BoxStep& step : steps)
        if ((status = runStep(step, answerFd, &separator, &failure)) != BOX_OK)
            break;
    if (screen) {
        if (last.clear) {
            blankScreen();
            CurInit::refreshAllWindows();
        }
        CurInit::cleanup();
    }
    if (!failure.empty())
        report(last, failure);
    return exitCode(status);
}
