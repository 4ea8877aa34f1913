#pragma once
// Gives the pages of freed heap memory back to the system. Worth it after a
// large table set is let go: glibc keeps freed memory of the worker thread's
// arena resident, where the window's own thread never reuses it.
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tarvello {

inline void releaseFreedHeap() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}

}  // namespace tarvello
