// The benchmark program's entry: the heap is tuned as the game tunes it, unless
// DOTSUNDER_BENCHMARK_DEFAULT_HEAP=1 asks for the C library's defaults, so that
// both can be measured.

#include "Engine/Platform/HeapTuning.hpp"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    char const* const defaultHeap = std::getenv("DOTSUNDER_BENCHMARK_DEFAULT_HEAP");
    if (defaultHeap == nullptr || std::strcmp(defaultHeap, "1") != 0)
    {
        TuneHeapForSteadyFrames();
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
    {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
