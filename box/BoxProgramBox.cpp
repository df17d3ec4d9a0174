// BoxProgramBox.cpp - --programbox, --progressbox and --prgbox (box/):
// standard input, or a command's output, shown as it arrives, the last lines
// in view. The progress box ends with the input; the program box and the
// command's box then wait for OK. A writer that never ends keeps the box up
// until the program is stopped.
#include "Box.h"
#include "BoxOptions.h"

#include <CurButton.h>
#include <CurInit.h>
#include <CurLabel.h>
#include <CurTDialog.h>
#include <CurViewer.h>

#include <curses.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

// What stays shown: the last 64 KiB of the input, cut at a line start, so
// a writer that never ends costs the same at every read.
static const size_t KEPT = 65536;

static void keepTail(std::string* shown)
{
    if (shown->size() <= KEPT)
        return;
    size_t cut = shown->find('\n', shown->size() - KEPT);
    shown->erase(0, cut == std::string::npos ? shown->size() - KEPT : cut + 1);
}

// Reads fd until it ends or fails, showing what came after each read.
static void follow(int fd, CurViewer* viewer, CurWindow* window)
{
    std::string shown;
    char chunk[8192];
    for (;;) {
        struct pollfd p = {fd, POLLIN, 0};
        if (poll(&p, 1, -1) < 0 && errno != EINTR)
            return;
        ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            return;
        shown.append(chunk, (size_t)n);
        keepTail(&shown);
        viewer->setText(shown.c_str());
        viewer->processKey(KEY_END);
        viewer->draw();
        window->update();
    }
}

// Esc ends the wait with no button pressed.
static bool escapeStops(int key, void* dialog)
{
    if (key != 27)
        return false;
    static_cast<CurTDialog*>(dialog)->stopKbdLoop();
    return true;
}

// Keys for the OK button: the input was the data, so the terminal takes
// its place; false when there is none to read from.
static bool keysFromTerminal()
{
    int screen, keys, opened;
    if (!CurInit::findTerminal(&screen, &keys, &opened) || keys < 0)
        return false;
    bool moved = keys == 0 || dup2(keys, 0) == 0;
    if (opened >= 0)
        close(opened);
    return moved;
}

// The command run by the shell, its output and errors into a pipe whose
// reading end is returned (-1 when it cannot start).
static int startCommand(const char* command, pid_t* child)
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) < 0)
        return -1;
    *child = fork();
    if (*child == 0) {
        dup2(ends[1], 1);
        dup2(ends[1], 2);
        execl("/bin/sh", "sh", "-c", command, (char*)nullptr);
        _exit(127);
    }
    close(ends[1]);
    if (*child < 0) {
        close(ends[0]);
        return -1;
    }
    return ends[0];
}

// [TEXT] HEIGHT WIDTH, or [TEXT] COMMAND HEIGHT WIDTH for --prgbox
bool checkProgramBox(const BoxOptions&, int argc, char** argv, std::string* why)
{
    int size;
    if (argc >= 2 && boxNumber(argv[argc - 2], &size) && boxNumber(argv[argc - 1], &size))
        return true;
    *why = "expected numbers for the height and width";
    return false;
}

// The text, when given, takes the rows above the output.
BoxStatus runProgramBox(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    bool command = strcmp(call.name, "--prgbox") == 0;
    bool program = command || strcmp(call.name, "--programbox") == 0;
    int height = 0, width = 0;
    const char* given = call.argc == (command ? 4 : 3) ? call.argv[0] : nullptr;
    boxNumber(call.argv[call.argc - 2], &height);   // checked before the screen started
    boxNumber(call.argv[call.argc - 1], &width);
    // The data leaves descriptor 0 before the terminal may take it.
    pid_t child = -1;
    int data = command ? startCommand(call.argv[call.argc - 3], &child) : fcntl(0, F_DUPFD_CLOEXEC, 3);
    if (data < 0) {
        *call.error = std::string(call.name) + (command ? ": the command could not be started"
                                                        : ": no standard input to show");
        return BOX_ERROR;
    }
    // The terminal takes descriptor 0 at once: curses looks there for typed
    // keys while it draws, and should find keys, not the data.
    bool keys = command || keysFromTerminal();
    std::string text = given != nullptr ? boxText(o, given) : std::string();
    int chrome = program ? 4 : 2;
    int rows = height > 0 ? height : LINES - 4, cols = width > 0 ? width : COLS - 4;
    if (cols > COLS)
        cols = COLS;
    // The text wraps as a message does (its blanks kept with --no-collapse).
    int textRows = text.empty() ? 0 : CurLabel::getEffHeight(text.c_str(), cols - 4, o.noCollapse);
    if (rows < textRows + chrome + 3)
        rows = textRows + chrome + 3;
    BoxStatus status = BOX_OK;
    {
        CurTDialog dialog(rows, cols, -1, -1);
        if (o.title != nullptr)
            dialog.setTitle(o.title, CurInit::CENTER);
        CurLabel label(&dialog, true);
        label.setGeometry(textRows, dialog.getWidth() - 4, 1, 2);
        label.setAlignment(CurInit::LEFT, CurInit::TOP, false);
        label.setKeepBlanks(o.noCollapse, false);
        label.setText(text.c_str(), false);
        CurViewer viewer(&dialog);
        viewer.setGeometry(dialog.getHeight() - chrome - textRows, dialog.getWidth() - 2,
                           1 + textRows, 1);
        viewer.loseFocus(false);
        if (program)
            dialog.draw();
        else
            dialog.drawFrame();
        label.draw();
        viewer.draw();
        dialog.update();
        follow(data, &viewer, &dialog);
        close(data);
        while (child > 0 && waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
        if (program && keys) {
            dialog.addButton(o.okLabel != nullptr ? o.okLabel : boxOkWord());
            dialog.setKeyCB(escapeStops, &dialog);
            dialog.draw();
            viewer.draw();
            status = dialog.kbdLoop() == 0 ? BOX_OK : BOX_ESC;
        }
    }
    return status;
}
