#pragma once

namespace gui {

// Lists are built on worker threads (a database read beside the window's thread) and used on the
// window's thread. Left alone, the C library gives each thread a memory arena of its own, which
// grows a page at a time: a million records read there take three times as long as in the main
// heap, which grows in large steps. This keeps every thread in the main heap; it must be called
// first thing in main(), before any thread starts.
void UseOneMemoryArena();

}  // namespace gui
