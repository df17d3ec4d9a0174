// BoxEditBox.cpp - --editbox (box/): a file's text in the multi-line editor
// with OK and Cancel; the answer is the edited text.
#include "Box.h"

#include <CurTDialog.h>

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

BoxStatus runEditBox(BoxCall& call)
{
    const BoxOptions& o = *call.options;
    std::string text;
    if (!readText(call.text, &text, call.error))
        return BOX_ERROR;
    int chosen = CurTDialog::showEdit(boxInner(call.height, 6), boxInner(call.width, 6), 0,
                                      o.title != nullptr ? o.title : "", text);
    if (chosen == 0)
        *call.answer += text;
    // The answer's last line ends with a newline, as scripts read lines.
    if (chosen == 0 && !text.empty() && text.back() != '\n')
        *call.answer += '\n';
    return chosen < 0 ? BOX_ESC : chosen == 0 ? BOX_OK : BOX_CANCEL;
}
