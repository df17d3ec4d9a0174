// fuzz_boxargs.cpp - the box program's command line (fuzz/): any argv is
// parsed without harm, an error is one line with no control byte, and an
// argument file split from any bytes gives back the same arguments when
// they are written again in double quotes as pythondialog writes them.
#include "BoxOptions.h"
#include "FuzzSupport.h"

#include <sys/mman.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

// The arguments again, each in double quotes with \ and " escaped.
std::string quoted(const std::vector<std::string>& args)
{
    std::string out;
    for (const std::string& a : args) {
        out += '"';
        for (char c : a) {
            if (c == '"' || c == '\\')
                out += '\\';
            out += c;
        }
        out += "\" ";
    }
    return out;
}

bool split(const std::string& text, std::vector<std::string>* args)
{
    int fd = memfd_create("boxargs", MFD_CLOEXEC);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(write(fd, text.data(), text.size()) == (ssize_t)text.size());
    FUZZ_CHECK(lseek(fd, 0, SEEK_SET) == 0);
    size_t budget = BOX_ARG_FILE_LIMIT;
    std::string error;
    std::string path = "&" + std::to_string(fd);
    bool read = readBoxArgFile(path.c_str(), &budget, args, &error);
    close(fd);
    FUZZ_CHECK(read || (!error.empty() && args->empty()));
    return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool()) {
        std::vector<std::string> args, again;
        if (split(in.ConsumeRemainingBytesAsString(), &args)) {
            FUZZ_CHECK(split(quoted(args), &again));
            FUZZ_CHECK(again == args);
        }
        return 0;
    }
    // argv: the bytes cut at NULs, no file named (files are read above).
    std::string all = in.ConsumeRemainingBytesAsString();
    std::vector<std::string> parts{"velmora-box"};
    for (size_t start = 0; start <= all.size();) {
        size_t end = all.find('\0', start);
        end = end == std::string::npos ? all.size() : end;
        std::string part = all.substr(start, end - start);
        parts.push_back(part == "--file" ? "--title" : part);
        start = end + 1;
    }
    std::vector<char*> argv;
    for (std::string& p : parts)
        argv.push_back(&p[0]);
    argv.push_back(nullptr);
    BoxCommand command;
    BoxParse result = parseBoxCommand((int)parts.size(), argv.data(), &command);
    if (result == PARSE_ERROR)
        for (unsigned char c : command.error)
            FUZZ_CHECK(c >= 0x20 && c != 0x7f);
    if (result == PARSE_RUN)
        for (const BoxStep& step : command.steps)
            FUZZ_CHECK(step.argc >= step.entry->minArgs && step.argv[step.argc] == nullptr);
    return 0;
}
