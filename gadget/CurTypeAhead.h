#ifndef VELMORA_CURTYPEAHEAD_H
#define VELMORA_CURTYPEAHEAD_H
// The type-ahead text of the list, the table and the tree (internal to the
// gadget floor): printable keys typed within a second of each other make
// one text, looked for at the start of the rows.
#include <string>

// Adds the character of key (a printable byte, or a whole character from
// the key reader) to typed, which starts afresh when the last key came more
// than a second before (typedAt, in milliseconds, is updated). False, with
// nothing changed, for a key that types nothing: a blank, a control, a
// character the terminal cannot show. *added gets the bytes appended.
bool curTypeAhead(int key, std::string& typed, long long& typedAt, std::string* added = nullptr);
#endif
