#ifndef VELMORA_CURPOSTS_H
#define VELMORA_CURPOSTS_H
// CurPosts: work that reaches the loop from elsewhere (internal, not
// installed; CurInitPosts.cpp): posts from any thread, the wake, and the
// turn another event loop gives the toolkit.
class CurWindow;
typedef struct _win_st WINDOW;

class __attribute__((visibility("hidden"))) CurPosts {
public:
    static int  wakeFd();                 // the wake pipe's end to poll; -1 if none could be made
    static bool takePosts();              // the posts waiting, then the wake callback: true to stop
    static void dropPosts();              // at cleanup
    static void watchesChanged();         // the turn's descriptor follows the watches
    // CurInit::turn for curses window w (the window floor hands it over);
    // reader is the window whose secret input counts.
    static int  turn(WINDOW* w, const CurWindow* reader);
};
#endif
