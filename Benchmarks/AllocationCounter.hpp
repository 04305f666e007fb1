#pragma once
// Counts heap allocations in the benchmark program: operator new and malloc are
// replaced for the whole process. An allocation whose caller lies in this
// executable (the engine, the game and the benchmarks are linked into it) is
// ours; one called from a shared library (the GL driver, SDL, the C++ library's
// own code) is theirs. Counting is safe from any thread.

struct AllocationCounts
{
    long long ours = 0;
    long long theirs = 0;
};

AllocationCounts GetAllocationCounts();  // since the process started
