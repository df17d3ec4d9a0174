#ifndef VELMORA_CURFILESELECT_H
#define VELMORA_CURFILESELECT_H
// CurFileSelect: choosing a file or a directory by browsing. A path line on
// the top row, below it a list of directories (with "../" first) and, beside
// it, a list of files, each sorted by name. The path line's last part (after
// its last "/") filters both lists to the names that start with it; its
// directory part is the directory listed, read once each time it changes.
// Names are shown with controls and bad bytes as marks, so no name reaches
// the terminal as it is; an entry chosen from a list is handed out with its
// own bytes. In directory mode only directories are listed.
#include "CurGadget.h"

#include <string>
#include <vector>

class CurLineEdit;
class CurList;

class CurFileSelect : public CurGadget {
public:
    CurFileSelect(CurWindow* window);    // the working directory ("./"), files and directories,
                                         // hidden names left out, the path line focused
    ~CurFileSelect() override;           // deletes its path line and lists
    CurFileSelect(const CurFileSelect&) = delete;
    CurFileSelect& operator=(const CurFileSelect&) = delete;

    // Puts path in the path line and lists its directory part (the working
    // directory when it has none), or the directory path names when it ends
    // without a "/". Null is ignored.
    void        setPath(const char* path, bool redraw);
    // The path line: an entry taken from a list with its name's own bytes,
    // a typed one as typed. Valid until the next key or setPath.
    const char* getPath();
    void        setDirectoryMode(bool on, bool redraw); // off at first
    void        setShowHidden(bool on, bool redraw);    // names starting with "." too; off at first
    // Space on a directory puts its path into the path line (the lists
    // stay), and Space again on it enters it; Enter in the lists is left to
    // the caller, so a dialog accepts the path line. Off at first.
    void        setSpaceCopies(bool on);
    // Why the directory listed could not be read (the C library's words),
    // or "" when it was read.
    const char* getError() const;
    int         getDirectoryCount() const; // directories in the listed directory, shown or not
    int         getFileCount() const;

    // the gadget contract (the keyboard loop is CurGadget's)
    void setGeometry(int height, int width, int y, int x) override;
    void draw() override;                // path line, lists, their names; cursor in the focused part
    // Tab: from the path line (after completing a name the matching entries
    // share a longer start of) to the directories, then the files; it is left
    // to the form at the last part. Down on the path line goes to the
    // directories, Left and Right between the lists. Enter on a directory
    // enters it ("../" goes up); on a file, or on a path line that names no
    // directory listed, it takes the file into the path line and is left to
    // the caller, so a dialog accepts. Up, Down, Home, End and the pages move
    // in a list; moving in the files takes the file into the path line.
    // Characters typed in a list go to the path line.
    bool processKey(int key) override;
    // A click gives its part the focus: on the path line the cursor goes
    // under the pointer; in a list the line becomes current (a file is
    // taken into the path line), and a second click on it does what Space
    // does there. The wheel scrolls the list under the pointer.
    bool processMouse(const CurInit::MouseEvent& event) override;
    bool takesTab() const override;      // true until the last part has the focus
    void acceptFocus(bool redraw) override; // the path line gets the focus
    void loseFocus(bool redraw) override;

private:
    enum PART : int { PATH = 0, DIRS = 1, FILES = 2 };

    std::string currentPath() const;     // the path line's text as the entries' bytes
    void setLine(const std::string& real);
    void readDirectory(const std::string& dir);
    void fillLists();                    // both lists again, from the entries the filter keeps
    void layout();
    void focusPart(PART p);
    void followPath();                   // a changed directory part read, a changed filter applied
    void enterDirectory(const std::string& name);
    bool completeName();
    bool pathKey(int key);
    bool listKey(int key);
    void drawNames();

    bool copyKey(int key, int current); // setSpaceCopies's keys; true when handled
    bool         spaceCopies = false;
    CurLineEdit* pathEdit;
    CurList*     dirList;
    CurList*     fileList;
    std::string  listedDir;              // the directory part whose entries are held
    std::string  filter;                 // the name part the lists were filled for
    std::vector<std::string> dirs, files; // entries of listedDir, sorted
    std::vector<int> dirShown, fileShown; // entries in each list, past "../"
    std::string  lineReal, lineShown;    // the path line as set, and as the line shows it
    std::string  error;
    bool         dirMode, showHidden;
    PART         part;
};
#endif
