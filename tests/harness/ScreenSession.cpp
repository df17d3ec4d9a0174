// ScreenSession.cpp - screen-level test support: the test kit's session with
// the harness' strings, the scenario result file and the programs' paths.
#include "ScreenSession.h"

#include <fstream>

#include <CurTestTerminal.h>

ScreenSession::ScreenSession(int rows, int cols) : ScreenSession(new CurTestTerminal(rows, cols))
{
}

ScreenSession::ScreenSession(CurTestTerminal* t) : VtScreen(t), term(t)
{
    term->setEnv("VELMORA_TEST_RESULT", resultPath().c_str());
}

ScreenSession::~ScreenSession() = default;

void ScreenSession::setTerm(const std::string& value)
{
    term->setTerm(value.c_str());
}

void ScreenSession::unsetTerm()
{
    term->setTerm(nullptr);
}

void ScreenSession::emptyTerm()
{
    term->setTerm("");
}

void ScreenSession::setEnv(const std::string& name, const std::string& value)
{
    term->setEnv(name.c_str(), value.c_str());
}

void ScreenSession::captureStdout()
{
    term->captureStdout();
}

void ScreenSession::setStdin(const std::string& bytes)
{
    term->setStdin(bytes.data(), bytes.size());
}

std::string ScreenSession::stdoutText() const
{
    return term->stdoutText();
}

bool ScreenSession::start(const std::vector<std::string>& argv)
{
    std::vector<const char*> args;
    for (const auto& a : argv) args.push_back(a.c_str());
    args.push_back(nullptr);
    return term->start(args.data());
}

bool ScreenSession::waitQuiet(int quietMs, int limitMs)
{
    return term->waitQuiet(quietMs, limitMs);
}

bool ScreenSession::waitSettled(int quietMs, int limitMs)
{
    return term->waitSettled(quietMs, limitMs);
}

bool ScreenSession::waitForText(const std::string& utf8, int limitMs)
{
    return term->waitForText(utf8.c_str(), limitMs);
}

bool ScreenSession::waitForResult(const std::string& key, int limitMs)
{
    return waitFor([&] { return hasResult(key); }, limitMs);
}

bool ScreenSession::pump(long ms)
{
    return term->pump(ms);
}

bool ScreenSession::resize(int rows, int cols)
{
    return term->resize(rows, cols);
}

int ScreenSession::waitExit(int limitMs)
{
    return term->waitExit(limitMs);
}

void ScreenSession::kill()
{
    term->kill();
}

bool ScreenSession::running() const
{
    return term->running();
}

int ScreenSession::childPid() const
{
    return term->childPid();
}

long ScreenSession::nowMs()
{
    return CurTestTerminal::nowMs();
}

std::vector<std::pair<std::string, std::string>> ScreenSession::results() const
{
    return readResults(resultPath());
}

std::string ScreenSession::result(const std::string& key) const
{
    std::string value;
    for (const auto& kv : results())
        if (kv.first == key) value = kv.second;
    return value;
}

bool ScreenSession::hasResult(const std::string& key) const
{
    for (const auto& kv : results())
        if (kv.first == key) return true;
    return false;
}

std::string ScreenSession::resultPath() const
{
    return std::string(term->workDir()) + "/result";
}

bool ScreenSession::terminalModes(struct termios* modes) const
{
    return term->terminalModes(modes);
}

std::string ScreenSession::stderrText() const
{
    return term->stderrText();
}

// ------------------------------------------------------------ free helpers

std::string scenarioPath(const std::string& name)
{
    return std::string(VELMORA_SCENARIO_DIR) + "/" + name;
}

std::string examplePath(const std::string& name)
{
    return std::string(VELMORA_EXAMPLE_DIR) + "/" + name;
}

// Lines are "key=value"; the writer turns a newline inside a value into "\n".
std::vector<std::pair<std::string, std::string>> readResults(const std::string& path)
{
    std::vector<std::pair<std::string, std::string>> out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string value;
        for (size_t i = eq + 1; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) {
                ++i;
                value += line[i] == 'n' ? '\n' : line[i];
            } else {
                value += line[i];
            }
        }
        out.emplace_back(line.substr(0, eq), value);
    }
    return out;
}
