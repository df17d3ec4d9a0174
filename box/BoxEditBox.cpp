// BoxEditBox.cpp - --editbox (box/): a file's text in the multi-line editor
// with OK and Cancel; the answer is the edited text.
#include "BoxDialog.h"

#include <CurInit.h>
#include <CurTextEdit.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

// Opened without waiting (a FIFO cannot block) and read only when fstat
// says it is a regular file. False with the reason otherwise.
static bool readText(const char* path, std::string* text, std::string* why)
{
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0)
            close(fd);
        *why = std::string("not a readable file: ") + path;
        return false;
    }
    char buffer[65536];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        text->append(buffer, (size_t)n);
    }
    close(fd);
    return true;
}

// The box takes the script's size; at 0 it leaves a margin of the screen.
BoxStatus runEditBox(BoxCall& call)
{
    std::string text;
    if (!readText(call.text, &text, call.error))
        return BOX_ERROR;
    BoxDialog dialog(call, "", BoxDialog::OK_CANCEL, CurInit::height - 10 > 3 ? CurInit::height - 10 : 3,
                     CurInit::width - 12 > 20 ? CurInit::width - 12 : 20);
    CurTextEdit edit(&dialog);
    edit.setGeometry(dialog.bodyRows(), dialog.bodyWidth(), dialog.bodyTop(), dialog.bodyLeft());
    edit.setText(text, false);
    dialog.addBody(&edit);
    BoxStatus status = dialog.run();
    if (status != BOX_OK && status != BOX_EXTRA)
        return status;
    *call.answer += std::string(edit.getText(), (size_t)edit.getLength());
    // The answer's last line ends with a newline, as scripts read lines.
    if (edit.getLength() > 0 && call.answer->back() != '\n')
        *call.answer += '\n';
    return status;
}
