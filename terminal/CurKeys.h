#ifndef VELMORA_CURKEYS_H
#define VELMORA_CURKEYS_H
// CurKeys: what the key reader makes of the bytes curses leaves it (internal,
// not installed): the keys an Esc starts (Esc alone, a key typed with Alt, an
// escape sequence the terminal's description lacks) and whole characters put
// together from their UTF-8 bytes. It reads nothing itself and keeps no time:
// the reader hands it the keys.
class CurKeys {
public:
    // An escape sequence read whole that stands for no key: nothing to hand on.
    enum : int { DROPPED = -3 };
    // A mouse report read whole: what it says is in report.
    enum : int { MOUSE = -4 };
    // The start of a paste ("ESC [ 200 ~"), whose text the reader reads
    // itself; a stray end marker drops. Focus reports ("ESC [ I", "ESC [ O").
    enum : int { PASTE_START = -5, FOCUS_GAINED = -6, FOCUS_LOST = -7 };

    // A mouse report as the terminal sent it, either form: its button code
    // (0-2 the buttons, 3 a release that names none, 64 and 65 the wheel;
    // plus 4 Shift, 8 Alt, 16 Ctrl, 32 motion), its cell counted from 0 (any
    // number: the terminal is not trusted), and whether it ends a press.
    struct MouseReport {
        int  code;
        int  row;
        int  column;
        bool release;
    };
    static MouseReport report;           // the last report read, when a read gave MOUSE

    // Where the keys after an Esc come from: the next key at once (wait
    // false) or within the escape delay (wait true); ERR when none came.
    typedef int (*Source)(bool wait, void* data);

    // The key an Esc just read begins: 27 when nothing follows, CurInit::ALT
    // plus the key that follows, the key of a known escape sequence, MOUSE
    // for a mouse report, or DROPPED for any other sequence. A key read past
    // the sequence's end (it broke the sequence off) goes into *again, to be
    // read next; ERR if none.
    static int escape(Source next, void* data, int* again);
    // After KEY_MOUSE from curses, which reads no further while mouse
    // events are off: the rest of the report whose start the description
    // names (its key_mouse), SGR ("ESC [ <") or X10 ("ESC [ M"), read whole.
    // Returns like escape.
    static int mouse(Source next, void* data, bool sgr, int* again);

    // UTF-8 put together one key at a time: the bytes of a character held
    // until it is whole, whatever the time between them.
    struct Utf8 {
        unsigned char held[4];
        int           len;                // 0: no character under way
        int           alt;                // CurInit::ALT when the first byte came with Alt
    };
    // Feeds one key (a byte, a curses code or a whole character, Alt or not)
    // and returns the key to hand on: a character as CurInit::WIDE_CHAR plus
    // its code point, a byte that belongs to no valid character as WIDE_CHAR
    // + 0xFFFD, any other key as it came; DROPPED while bytes are held. A
    // key that cuts a character short gives the replacement for its first
    // byte and is not taken: it goes into again (4 at most, *count of them),
    // after the other held bytes, to be read again.
    static int utf8(Utf8* state, int key, int* again, int* count);
    static int release(Utf8* state, int* out);  // the held bytes as byte keys (4 at most); how many
    // A key as a reader of bytes gets it: a whole character as its UTF-8
    // bytes (Alt on the first), any other key as it is. Writes 4 at most.
    static int bytes(int key, int* out);
};
#endif
