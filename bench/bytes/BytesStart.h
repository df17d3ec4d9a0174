#ifndef VELMORA_BENCH_BYTESSTART_H
#define VELMORA_BENCH_BYTESSTART_H
// The start shared by the wire benchmark's programs: the toolkit set up, and
// curses told not to cut an update short when keys are already waiting.
#include <CurInit.h>
#include <curses.h>

// The byte counter types a whole script at once; without this a key that
// arrives early would skip part of an update, and the count would depend on
// timing. With it every update is sent whole, as for keys typed by hand.
inline void startToolkit()
{
    CurInit::initialize();
    typeahead(-1);
}
#endif
