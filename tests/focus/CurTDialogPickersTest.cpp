// CurTDialogPickersTest.cpp - the one-call editor, calendar, time and file
// selection boxes: the keys that end them, the status and what they hand
// back (nothing unless OK ended the box).
#include "CursesTest.h"

#include <CurTDialog.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

enum Kind { EDIT, CALENDAR, TIME, LATE_TIME, FILES, DIRECTORIES };

struct PickCase {
    Kind kind;
    std::vector<int> keys;
    int status;
    std::string answer;                  // after the temporary directory for the file boxes
};

// Runs one box on its first value and gives its answer as text.
std::string pick(Kind kind, const std::string& dir, int* status)
{
    char text[64] = "";
    int a = 28, b = 2, c = 2024;
    if (kind == TIME || kind == LATE_TIME)
        a = 23, b = kind == TIME ? 59 : 60, c = 58;
    if (kind == EDIT) {
        char* edited = nullptr;
        *status = CurTDialog::showEdit(5, 30, 0, "Note", "ab", &edited);
        std::string result = edited != nullptr ? edited : "ab";
        delete[] edited;
        return result;
    }
    if (kind == FILES || kind == DIRECTORIES) {
        std::string path = dir + "/";
        *status = CurTDialog::showFileSelect(12, 50, 0, "Pick", kind == DIRECTORIES, path);
        return path.substr(dir.size() + 1);
    }
    *status = kind == CALENDAR ? CurTDialog::showCalendar(-1, -1, 0, "When?", "Date", &a, &b, &c)
                               : CurTDialog::showTime(-1, -1, 0, "At?", "Time", &a, &b, &c);
    snprintf(text, sizeof text, kind == CALENDAR ? "%02d/%02d/%04d" : "%02d:%02d:%02d", a, b, c);
    return text;
}

}  // namespace

TEST_F(CursesTest, PickerBoxesAnswerOnOkOnly)
{
    char name[] = "/tmp/velmora-pickers-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(name));
    std::string dir = name;
    mkdir((dir + "/sub").c_str(), 0700);
    close(open((dir + "/f").c_str(), O_CREAT | O_WRONLY, 0600));
    const int R = KEY_RIGHT, U = KEY_UP, D = KEY_DOWN;
    const std::vector<PickCase> cases = {
        {CALENDAR, {R, 13}, 0, "29/02/2024"},
        {CALENDAR, {KEY_END, D, 13}, 0, "07/03/2025"},
        {CALENDAR, {R, 9, 9, 13}, 1, "28/02/2024"},
        {CALENDAR, {R, 27}, -1, "28/02/2024"},
        {TIME, {U, 13}, 0, "00:59:58"},
        {TIME, {R, '0', '7', 9, 13}, 0, "23:07:58"},
        {TIME, {U, 27}, -1, "23:59:58"},
        {LATE_TIME, {}, -2, "23:60:58"},                // refused, nothing shown
        {EDIT, {'x', 13, 'y', 9, 13}, 0, "x\nyab"},
        {EDIT, {'x', 9, 9, 13}, 1, "ab"},
        {FILES, {9, 9, 13}, 0, "f"},
        {FILES, {'s', 13}, 0, "s"},                     // typed, and accepted as typed
        {FILES, {'s', 9, 13}, 0, "sub/"},               // completed: the directory entered
        {DIRECTORIES, {D, D, 13, 9, 13}, 0, "sub/"},
        {DIRECTORIES, {9, D, 27}, -1, ""},
    };
    for (const PickCase& c : cases) {
        std::vector<int> keys = c.keys;
        for (size_t i = keys.size(); i-- > 0;)
            ungetch(keys[i]);
        int status = 99;
        std::string answer = pick(c.kind, dir, &status);
        EXPECT_EQ(c.status, status) << "box " << c.kind << ", " << c.keys.size() << " keys";
        EXPECT_EQ(c.answer, answer) << "box " << c.kind << ", " << c.keys.size() << " keys";
    }
    EXPECT_EQ(0, system(("rm -rf '" + dir + "'").c_str()));
}
