#include "Engine/Platform/HeapTuning.hpp"

#include <cstdlib>  // defines __GLIBC__ where glibc is the C library

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
#include <malloc.h>

namespace
{
constexpr int HEAP_MMAP_THRESHOLD_BYTES = 64 * 1024 * 1024;   // blocks below this come from the heap
constexpr int HEAP_TRIM_THRESHOLD_BYTES = 256 * 1024 * 1024;  // free top kept up to this
}  // namespace

void TuneHeapForSteadyFrames()
{
    // Setting either also turns glibc's dynamic threshold off.
    mallopt(M_MMAP_THRESHOLD, HEAP_MMAP_THRESHOLD_BYTES);
    mallopt(M_TRIM_THRESHOLD, HEAP_TRIM_THRESHOLD_BYTES);
}
#else
void TuneHeapForSteadyFrames() {}
#endif
