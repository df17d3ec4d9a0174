// CurFileSelect.cpp - the file selection gadget (gadget/): reading a
// directory without following it into FIFOs or devices, the filtered and
// sorted lists, and the keys that move between the path line and the lists.
#include "CurFileSelect.h"
#include "CurLineEdit.h"
#include "CurList.h"
#include "CurText.h"
#include "CurWindow.h"

#include <curses.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

CurFileSelect::CurFileSelect(CurWindow* window)
    : CurGadget(window), pathEdit(new CurLineEdit(window)), dirList(nullptr),
      fileList(nullptr), dirMode(false), showHidden(false), part(PATH)
{
    showFocus(true);
    layout();
    setLine("");
    readDirectory("");
    fillLists();
}

CurFileSelect::~CurFileSelect()
{
    delete pathEdit;
    delete dirList;
    delete fileList;
}

// ---- the path line ----

// The line editor turns bad bytes into replacement characters; while its
// text is what was set, the bytes set are the path.
std::string CurFileSelect::currentPath() const
{
    std::string shown = pathEdit->getText();
    return shown == lineShown ? lineReal : shown;
}

void CurFileSelect::setLine(const std::string& real)
{
    pathEdit->setText(real.c_str(), false);
    lineReal = real;
    lineShown = pathEdit->getText();
}

void CurFileSelect::setPath(const char* path, bool redraw)
{
    if (path == nullptr)
        return;
    // A directory named without its "/" is listed, not filtered for, and
    // the line keeps the path as given until it is edited. Whether it is
    // one is found by reading it as one, not by a look beforehand.
    setLine(path);
    size_t len = strlen(path);
    if (len > 0 && path[len - 1] != '/') {
        readDirectory(std::string(path) + "/");
        if (error.empty()) {
            filter.clear();
            fillLists();
            if (redraw)
                draw();
            return;
        }
    }
    followPath();
    if (redraw)
        draw();
}

const char* CurFileSelect::getPath()
{
    lineReal = currentPath();
    lineShown = pathEdit->getText();
    return lineReal.c_str();
}

void CurFileSelect::setDirectoryMode(bool on, bool redraw)
{
    dirMode = on;
    if (part == FILES)
        part = DIRS;
    layout();
    fillLists();
    if (redraw)
        draw();
}

void CurFileSelect::setShowHidden(bool on, bool redraw)
{
    showHidden = on;
    fillLists();
    if (redraw)
        draw();
}

const char* CurFileSelect::getError() const
{
    return error.c_str();
}

int CurFileSelect::getDirectoryCount() const
{
    return (int)dirs.size();
}

int CurFileSelect::getFileCount() const
{
    return (int)files.size();
}

// ---- the directory ----

// Opened as a directory or not at all: O_DIRECTORY refuses a FIFO or a
// device before anything could wait on it. An entry of unknown kind, or a
// link, is looked up with fstatat, which opens nothing; a link that leads
// nowhere or round in a loop is listed as a file.
void CurFileSelect::readDirectory(const std::string& dir)
{
    listedDir = dir;
    dirs.clear();
    files.clear();
    error.clear();
    int fd = open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    struct stat st;
    if (fd >= 0 && (fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode))) {
        close(fd);
        fd = -1;
        errno = ENOTDIR;
    }
    DIR* d = fd >= 0 ? fdopendir(fd) : nullptr;
    if (d == nullptr) {
        error = strerror(errno);
        if (fd >= 0)
            close(fd);
        return;
    }
    while (struct dirent* e = readdir(d)) {
        const char* name = e->d_name;
        if (strcmp(name, ".") == 0 || strcmp(name, "..") == 0)
            continue;
        bool isDir = e->d_type == DT_DIR;
        if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN)
            isDir = fstatat(dirfd(d), name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        (isDir ? dirs : files).emplace_back(name);
    }
    closedir(d);
    std::sort(dirs.begin(), dirs.end());
    std::sort(files.begin(), files.end());
}

static bool keeps(const std::string& name, const std::string& filter, bool hidden)
{
    if (name[0] == '.' && !hidden && (filter.empty() || filter[0] != '.'))
        return false;
    return name.compare(0, filter.size(), filter) == 0;
}

// The lists are made anew: a filter may keep any of the entries.
void CurFileSelect::fillLists()
{
    delete dirList;
    delete fileList;
    dirList = new CurList(window);
    fileList = dirMode ? nullptr : new CurList(window);
    dirList->setSelectMode(CurList::SINGLE);
    dirList->setThemeMarks(false);      // nobody marks an entry: no check or radio marks
    dirList->addLine("../", false, false);
    dirShown.clear();
    fileShown.clear();
    for (int i = 0; i < (int)dirs.size(); i++) {
        if (keeps(dirs[i], filter, showHidden)) {
            dirList->addLine((dirs[i] + "/").c_str(), false, false);
            dirShown.push_back(i);
        }
    }
    for (int i = 0; fileList != nullptr && i < (int)files.size(); i++) {
        if (keeps(files[i], filter, showHidden)) {
            fileList->addLine(files[i].c_str(), false, false);
            fileShown.push_back(i);
        }
    }
    if (fileList != nullptr) {
        fileList->setSelectMode(CurList::SINGLE);
        fileList->setThemeMarks(false);
    }
    layout();
    focusPart(part);
}

// The directory part (up to the last "/") read when it changed, the name
// part applied as the filter when it changed.
void CurFileSelect::followPath()
{
    std::string path = currentPath();
    size_t slash = path.rfind('/');
    std::string dir = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (dir != listedDir) {
        readDirectory(dir);
        filter = name;
        fillLists();
    } else if (name != filter) {
        filter = name;
        fillLists();
    }
}

// "../" drops the last part of the listed directory where there is one to drop.
void CurFileSelect::enterDirectory(const std::string& name)
{
    std::string dir = listedDir;
    size_t cut = dir.size() > 1 ? dir.rfind('/', dir.size() - 2) : std::string::npos;
    std::string last = cut == std::string::npos ? dir : dir.substr(cut + 1);
    if (name != "..")
        dir += name + "/";
    else if (dir == "/")
        ;
    else if (!dir.empty() && last != "../" && last != "./")
        dir.erase(cut == std::string::npos ? 0 : cut + 1);
    else
        dir += "../";
    setLine(dir);
    followPath();
}

// The longest start that every entry the filter keeps shares, when it is
// longer than the filter.
bool CurFileSelect::completeName()
{
    std::string common;
    bool first = true;
    for (int i : dirShown) {
        std::string name = dirs[i] + "/";
        common = first ? name : common.substr(0, std::mismatch(common.begin(), common.end(), name.begin(), name.end()).first - common.begin());
        first = false;
    }
    for (int i : fileShown) {
        const std::string& name = files[i];
        common = first ? name : common.substr(0, std::mismatch(common.begin(), common.end(), name.begin(), name.end()).first - common.begin());
        first = false;
    }
    if (first || common.size() <= filter.size())
        return false;
    setLine(listedDir + common);
    followPath();
    return true;
}

// ---- layout and drawing ----

void CurFileSelect::setGeometry(int h, int w, int top, int left)
{
    CurGadget::setGeometry(h, w, top, left);
    layout();
}

void CurFileSelect::layout()
{
    pathEdit->setGeometry(1, width, y, x);
    int half = dirMode ? width : width / 2;
    if (dirList != nullptr)
        dirList->setGeometry(height - 1, half, y + 1, x);
    if (fileList != nullptr)
        fileList->setGeometry(height - 1, width - half, y + 1, x + half);
}

void CurFileSelect::focusPart(PART p)
{
    part = p == FILES && fileList == nullptr ? DIRS : p;
    pathEdit->loseFocus(false);
    dirList->loseFocus(false);
    if (fileList != nullptr)
        fileList->loseFocus(false);
    if (!focused)
        return;
    if (part == PATH)
        pathEdit->acceptFocus(false);
    else
        (part == DIRS ? dirList : fileList)->acceptFocus(false);
}

// The lists' names on their top frame rows, and what kept the directory
// from being read on the bottom row of the last list.
void CurFileSelect::drawNames()
{
    WINDOW* w = window->getWindow();
    int half = dirMode ? width : width / 2;
    if (height < 3)
        return;
    CurText::draw(w, y + 1, x + 1, "Directories", 11, half - 2, 0);
    if (!dirMode)
        CurText::draw(w, y + 1, x + half + 1, "Files", 5, width - half - 2, 0);
    if (!error.empty()) {
        std::string note = "(" + error + ")";
        int left = dirMode ? x : x + half;
        CurText::draw(w, y + height - 1, left + 1, note.c_str(), (int)note.size(),
                      (dirMode ? half : width - half) - 2, 0);
    }
}

// The lists leave the rows below their last line as they are: the rows are
// blanked first, as far as the window has them.
void CurFileSelect::draw()
{
    WINDOW* w = window->getWindow();
    if (w == nullptr)
        return;
    for (int row = y + 1 < 0 ? 0 : y + 1; row < y + height && row < getmaxy(w); row++)
        CurText::blank(w, row, x, width, 0);
    pathEdit->draw();
    dirList->draw();
    if (fileList != nullptr)
        fileList->draw();
    if (part == PATH)
        pathEdit->draw();               // again: the cursor stands in the focused part
    else
        (part == DIRS ? dirList : fileList)->draw();
    int row, col;
    getyx(w, row, col);
    drawNames();
    wmove(w, row, col);
}

// ---- keys ----

static bool typesCharacter(int key)
{
    return (key >= 32 && key <= 126) || (key >= 128 && key <= 255) ||
           (key >= CurGadget::WIDE_CHAR && key <= CurGadget::WIDE_CHAR + 0x10FFFF);
}

bool CurFileSelect::pathKey(int key)
{
    if (key == KEY_DOWN || (key == 9 && !completeName())) {
        focusPart(DIRS);
    } else if (key == 9) {
        // completed
    } else if (key == 13) {
        std::string path = currentPath();
        size_t slash = path.rfind('/');
        std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        if (name.empty() || !std::binary_search(dirs.begin(), dirs.end(), name))
            return false;
        enterDirectory(name);
    } else if (!pathEdit->processKey(key)) {
        return false;
    } else {
        followPath();
    }
    return true;
}

void CurFileSelect::setSpaceCopies(bool on)
{
    spaceCopies = on;
}

// Enter in the directories is declined; Space on one other than "../" copies it into
// the path line unless it is there already. False for what the usual keys do.
bool CurFileSelect::copyKey(int key, int current)
{
    if (key == 13)
        return part == DIRS;
    if (part != DIRS || current <= 0)
        return false;
    std::string path = listedDir + dirs[dirShown[current - 1]];
    if (currentPath() == path)
        return false;
    setLine(path);
    return true;
}

bool CurFileSelect::listKey(int key)
{
    CurList* list = part == DIRS ? dirList : fileList;
    int current = list->getCurrent();
    if (spaceCopies && (key == 13 || key == ' ') && copyKey(key, current))
        return key != 13;
    if (key == 13 || key == ' ') {
        if (part == DIRS && current >= 0)
            enterDirectory(current == 0 ? ".." : dirs[dirShown[current - 1]]);
        else if (part == FILES && current >= 0)
            setLine(listedDir + files[fileShown[current]]);
        return !(key == 13 && part == FILES);
    }
    if (key == 9 || key == KEY_RIGHT || key == KEY_LEFT) {
        PART next = key == KEY_LEFT ? DIRS : key == KEY_RIGHT ? FILES : (PART)(part + 1);
        focusPart(next > FILES || (next == FILES && fileList == nullptr) ? PATH : next);
        return true;
    }
    if (typesCharacter(key) || key == KEY_BACKSPACE || key == 127 || key == 8) {
        focusPart(PATH);
        return pathKey(key);
    }
    if (!list->processKey(key))
        return false;
    if (part == FILES && list->getCurrent() >= 0 && list->getCurrent() != current)
        setLine(listedDir + files[fileShown[list->getCurrent()]]);
    return true;
}

bool CurFileSelect::processKey(int key)
{
    bool taken = part == PATH ? pathKey(key) : listKey(key);
    if (taken) {
        draw();
        window->update();
    }
    return taken;
}

bool CurFileSelect::processMouse(const CurInit::MouseEvent& event)
{
    int row = event.row + window->getY(), column = event.column + window->getX();
    CurGadget* parts[] = {pathEdit, dirList, fileList};
    int p = PATH;
    while (p <= FILES && (parts[p] == nullptr || !parts[p]->isAt(row, column)))
        p++;
    if (p > FILES)
        return false;
    if (event.button == CurInit::WHEEL_UP || event.button == CurInit::WHEEL_DOWN)
        return parts[p]->processMouse(event);
    if (event.button != CurInit::MOUSE_LEFT)
        return false;
    if (event.action != CurInit::MOUSE_CLICK && event.action != CurInit::MOUSE_DOUBLE_CLICK)
        return true;
    focusPart((PART)p);
    CurList* list = p == DIRS ? dirList : p == FILES ? fileList : nullptr;
    int line = list != nullptr ? list->lineAt(event.row, event.column) : -1;
    if (list == nullptr)
        pathEdit->processMouse(event);
    else if (line >= 0 && (line == list->getCurrent() || event.action == CurInit::MOUSE_DOUBLE_CLICK)) {
        list->setCurrent(line, false);
        listKey(' ');
    } else if (line >= 0) {
        list->setCurrent(line, false);
        if (p == FILES)
            setLine(listedDir + files[fileShown[line]]);
    }
    draw();
    window->update();
    return true;
}

bool CurFileSelect::takesTab() const
{
    return part == PATH || (part == DIRS && fileList != nullptr);
}

// The flag first, then the parts told, then the base's redraw.
void CurFileSelect::acceptFocus(bool redraw)
{
    CurGadget::acceptFocus(false);
    focusPart(PATH);
    CurGadget::acceptFocus(redraw);
}

void CurFileSelect::loseFocus(bool redraw)
{
    CurGadget::loseFocus(false);
    focusPart(part);
    CurGadget::loseFocus(redraw);
}
