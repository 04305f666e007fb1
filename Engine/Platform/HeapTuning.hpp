#pragma once
// Start-up settings of the C library's heap for a program that draws every frame.
//
// The GL driver allocates and frees blocks of a few hundred kilobytes on every
// frame. With glibc's default, self-adjusting mmap threshold such blocks are
// mapped and unmapped each time, and every first touch of the fresh pages is a
// page fault: hundreds a frame at a few thousand dots, about half the frame rate.
// Keeping large blocks in the heap and never trimming its top removes that.

// Once, before the window opens. Nothing where the C library offers no such
// settings, nor under a sanitizer, which brings its own allocator.
void TuneHeapForSteadyFrames();
