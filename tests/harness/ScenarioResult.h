#ifndef VELMORA_TESTS_SCENARIORESULT_H
#define VELMORA_TESTS_SCENARIORESULT_H
// The scenario side of the result channel: a program under a screen test
// reports what the screen cannot show (a return value, a callback count) as
// "key=value" lines appended to the file named by VELMORA_TEST_RESULT.
// Outside a test the variable is unset and nothing is written.
//
//   scenarioResult("answer", CurTDialog::showQuestion("Quit?", "Yes", "No"));
//   scenarioResult("text", edit.getText());
//
// The test reads them with ScreenSession::result("answer").
#include <cstdio>
#include <cstdlib>

inline void scenarioResult(const char* key, const char* value)
{
    const char* path = std::getenv("VELMORA_TEST_RESULT");
    if (!path || !*path) return;
    std::FILE* f = std::fopen(path, "a");
    if (!f) return;
    std::fprintf(f, "%s=", key);
    for (const char* p = value ? value : ""; *p; ++p) {
        if (*p == '\n') std::fputs("\\n", f);
        else if (*p == '\\') std::fputs("\\\\", f);
        else std::fputc(*p, f);
    }
    std::fputc('\n', f);
    std::fclose(f);                      // at once: the program may be killed later
}

inline void scenarioResult(const char* key, long value)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%ld", value);
    scenarioResult(key, buf);
}

inline void scenarioResult(const char* key, int value) { scenarioResult(key, long(value)); }
#endif
