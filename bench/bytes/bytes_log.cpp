// bytes_log.cpp - wire benchmark scenario D: a framed log pane of 10 rows of
// 60 columns, 10,000 generated lines of varied length logged one by one.
#include "BytesStart.h"
#include <CurLogger.h>
#include <cstdio>
#include <cstring>

static const char* const WORDS[8] = {
    "request", "served", "from", "cache", "in", "ms", "client", "upstream"};

// Line n: its number, then words chosen by a fixed sequence, 20 to 58 columns.
static void makeLine(char* line, int size, int n)
{
    unsigned seed = (unsigned)n * 2654435761u;
    int len = snprintf(line, (size_t)size, "%05d", n);
    int target = 20 + (int)(seed % 39);
    while (len < target) {
        seed = seed * 1103515245u + 12345u;
        const char* word = WORDS[(seed >> 16) % 8];
        if (len + 1 + (int)strlen(word) > 58)
            break;
        len += snprintf(line + len, (size_t)(size - len), " %s", word);
    }
}

int main()
{
    startToolkit();
    {
        CurLogger logger(12, 62, -1, -1);
        logger.setTitle("Log", CurInit::CENTER);
        logger.update();
        char line[80];
        for (int n = 1; n <= 10000; n++) {
            makeLine(line, sizeof line, n);
            logger.log(line);
        }
    }
    CurInit::cleanup();
    return 0;
}
