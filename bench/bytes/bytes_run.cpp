// bytes_run.cpp - the byte counter of the wire benchmark: runs one program on
// an 80 x 24 pseudo-terminal (TERM=xterm, C locale), types a key script into
// it and prints how many bytes the program wrote from start to exit.
//
//   bytes_run [-o dump] "tab*10 chars:200 down*999 enter" program [args...]
//
// Key words: tab, btab, enter, up, down, left, right, space, chars:N (N
// letters a..z over and over); "*N" repeats a word. Keys are written only
// once the program has switched echo and line mode off, so the terminal
// itself never echoes one. The program's standard error goes to /dev/null.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <ctime>
#include <unistd.h>

// The sequences an xterm sends in the keypad mode the toolkit switches on.
static std::string keyBytes(const std::string& word)
{
    if (word == "tab") return "\t";
    if (word == "btab") return "\x1b[Z";
    if (word == "enter") return "\r";
    if (word == "space") return " ";
    if (word == "up") return "\x1bOA";
    if (word == "down") return "\x1bOB";
    if (word == "right") return "\x1bOC";
    if (word == "left") return "\x1bOD";
    if (word.rfind("chars:", 0) == 0) {
        std::string s;
        for (int i = 0, n = atoi(word.c_str() + 6); i < n; i++)
            s += (char)('a' + i % 26);
        return s;
    }
    fprintf(stderr, "bytes_run: unknown key word \"%s\"\n", word.c_str());
    exit(2);
}

static std::string keyScript(const char* script)
{
    std::string out, word;
    for (const char* p = script;; p++) {
        if (*p != ' ' && *p != '\0') {
            word += *p;
            continue;
        }
        if (!word.empty()) {
            int times = 1;
            size_t star = word.find('*');
            if (star != std::string::npos) {
                times = atoi(word.c_str() + star + 1);
                word.erase(star);
            }
            std::string keys = keyBytes(word);
            for (int i = 0; i < times; i++)
                out += keys;
            word.clear();
        }
        if (*p == '\0')
            return out;
    }
}

static pid_t startChild(int* master, char** argv)
{
    struct winsize size = {24, 80, 0, 0};
    pid_t pid = forkpty(master, nullptr, nullptr, &size);
    if (pid != 0)
        return pid;
    setenv("TERM", "xterm", 1);
    setenv("LC_ALL", "C", 1);
    unsetenv("LINES");
    unsetenv("COLUMNS");
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 2);
    execvp(argv[0], argv);
    _exit(127);
}

// Whether the terminal is in the program's key mode: no echo, no line mode.
// On a pseudo-terminal the master reports the slave's settings.
static bool readsKeys(int master)
{
    struct termios t;
    return tcgetattr(master, &t) == 0 && !(t.c_lflag & (ECHO | ICANON));
}

int main(int argc, char** argv)
{
    const char* dumpPath = nullptr;
    int arg = 1;
    if (argc > 2 && strcmp(argv[1], "-o") == 0) {
        dumpPath = argv[2];
        arg = 3;
    }
    if (argc - arg < 2) {
        fprintf(stderr, "usage: bytes_run [-o dump] KEYS PROGRAM [ARGS...]\n");
        return 2;
    }
    std::string keys = keyScript(argv[arg]);
    FILE* dump = dumpPath ? fopen(dumpPath, "wb") : nullptr;
    int master;
    pid_t pid = startChild(&master, argv + arg + 1);
    if (pid < 0) {
        perror("bytes_run: forkpty");
        return 2;
    }
    fcntl(master, F_SETFL, O_NONBLOCK);
    long total = 0;
    size_t sent = 0;
    // A program that waits for a key the script does not hold is stopped
    // after 30 seconds without output.
    time_t lastOutput = time(nullptr);
    for (;;) {
        if (time(nullptr) - lastOutput > 30) {
            kill(pid, SIGKILL);
            fprintf(stderr, "bytes_run: %s stopped, no output for 30 s\n", argv[arg + 1]);
        }
        bool typing = sent < keys.size() && readsKeys(master);
        struct pollfd p = {master, (short)(POLLIN | (typing ? POLLOUT : 0)), 0};
        poll(&p, 1, sent < keys.size() && !typing ? 1 : 100);
        if (typing && (p.revents & POLLOUT)) {
            ssize_t n = write(master, keys.data() + sent, keys.size() - sent);
            if (n > 0)
                sent += (size_t)n;
        }
        char buf[65536];
        ssize_t n = read(master, buf, sizeof buf);
        if (n > 0) {
            lastOutput = time(nullptr);
            total += n;
            if (dump)
                fwrite(buf, 1, (size_t)n, dump);
        } else if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
            break;                      // every holder of the terminal has closed it
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (dump)
        fclose(dump);
    printf("%ld\n", total);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fprintf(stderr, "bytes_run: %s ended with status %d\n", argv[arg + 1], status);
        return 1;
    }
    return 0;
}
