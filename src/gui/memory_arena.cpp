#include "gui/memory_arena.h"

#include <malloc.h>

namespace gui {

void UseOneMemoryArena() {
#ifdef M_ARENA_MAX
    mallopt(M_ARENA_MAX, 1);
#endif
}

}  // namespace gui
