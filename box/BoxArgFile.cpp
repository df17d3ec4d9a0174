// BoxArgFile.cpp - the argument files of --file (box/): read as hostile
// input (no FIFO waits, nothing but a regular file by name, a bound on the
// bytes) and split with the other program's quoting rules.
#include "BoxOptions.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The descriptor path names: standard input, a descriptor given as &N, or a
// file opened without waiting and kept only when fstat says it is regular.
int openArgFile(const char* path, bool* owned, std::string* error)
{
    *owned = false;
    int fd = -1;
    if (strcmp(path, "-") == 0)
        fd = 0;
    else if (path[0] == '&' && path[1] >= '0' && path[1] <= '9' && boxNumber(path + 1, &fd))
        ;
    else if ((fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)) >= 0)
        *owned = true;
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0) {
        *error = std::string("--file ") + path + ": " + strerror(errno);
        if (*owned)
            close(fd);
        return -1;
    }
    if (S_ISDIR(st.st_mode) || (*owned && !S_ISREG(st.st_mode))) {
        *error = std::string("--file ") + path + ": not a regular file";
        if (*owned)
            close(fd);
        return -1;
    }
    return fd;
}

// Reads fd to its end, failing when it holds more than budget bytes.
bool readBounded(int fd, const char* path, size_t* budget, std::string* data, std::string* error)
{
    char chunk[65536];
    for (;;) {
        ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = std::string("--file ") + path + ": " + strerror(errno);
            return false;
        }
        if (n == 0)
            return true;
        if ((size_t)n > *budget) {
            *error = std::string("--file ") + path + ": the arguments read exceed " +
                     std::to_string(BOX_ARG_FILE_LIMIT >> 20) + " MiB";
            return false;
        }
        *budget -= (size_t)n;
        data->append(chunk, (size_t)n);
    }
}

bool split(const std::string& data, const char* path, std::vector<std::string>* args,
           std::string* error)
{
    std::string arg;
    bool quoted = false, started = false;
    for (size_t i = 0; i < data.size(); i++) {
        char c = data[i];
        char next = i + 1 < data.size() ? data[i + 1] : '\0';
        if (c == '\0') {
            *error = std::string("--file ") + path + ": a NUL byte at offset " + std::to_string(i);
            return false;
        }
        if (c == '\\' && (next == '\\' || next == '"' || (!quoted && blank(next)))) {
            arg += next;
            i++;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && blank(c)) {
            if (started)
                args->push_back(arg);
            arg.clear();
            started = false;
            continue;
        } else {
            arg += c;
        }
        started = true;
    }
    if (quoted) {
        *error = std::string("--file ") + path + ": a double quote is not closed";
        return false;
    }
    if (started)
        args->push_back(arg);
    return true;
}

}  // namespace

bool readBoxArgFile(const char* path, size_t* budget, std::vector<std::string>* args,
                    std::string* error)
{
    bool owned = false;
    int fd = openArgFile(path, &owned, error);
    if (fd < 0)
        return false;
    std::string data;
    bool read = readBounded(fd, path, budget, &data, error);
    if (owned)
        close(fd);
    std::vector<std::string> found;      // args stays as it was on failure
    if (!read || !split(data, path, &found, error))
        return false;
    args->insert(args->end(), found.begin(), found.end());
    return true;
}
