#include "Benchmarks/AllocationCounter.hpp"

#include <atomic>
#include <cstddef>
#include <new>

// glibc's own entry points, under the names it exports for exactly this use.
extern "C" void* __libc_malloc(size_t size);
extern "C" void* __libc_calloc(size_t count, size_t size);
extern "C" void* __libc_realloc(void* block, size_t size);
extern "C" void __libc_free(void* block);
// The linker's bounds of this executable's code.
extern "C" char __executable_start;
extern "C" char etext;

namespace
{
std::atomic<long long> s_ourAllocations{0};
std::atomic<long long> s_theirAllocations{0};

void CountAllocationFrom(void const* returnAddress)
{
    bool const isOurs = returnAddress >= static_cast<void const*>(&__executable_start) &&
                        returnAddress < static_cast<void const*>(&etext);
    (isOurs ? s_ourAllocations : s_theirAllocations).fetch_add(1, std::memory_order_relaxed);
}

void* AllocateOrThrow(size_t size)
{
    void* const block = __libc_malloc(size == 0 ? 1 : size);
    if (block == nullptr)
    {
        throw std::bad_alloc();
    }
    return block;
}
}  // namespace

AllocationCounts GetAllocationCounts()
{
    return {s_ourAllocations.load(), s_theirAllocations.load()};
}

extern "C" void* malloc(size_t size) noexcept
{
    CountAllocationFrom(__builtin_return_address(0));
    return __libc_malloc(size);
}

extern "C" void* calloc(size_t count, size_t size) noexcept
{
    CountAllocationFrom(__builtin_return_address(0));
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* block, size_t size) noexcept
{
    CountAllocationFrom(__builtin_return_address(0));
    return __libc_realloc(block, size);
}

void* operator new(size_t size)
{
    CountAllocationFrom(__builtin_return_address(0));
    return AllocateOrThrow(size);
}

void* operator new[](size_t size)
{
    CountAllocationFrom(__builtin_return_address(0));
    return AllocateOrThrow(size);
}

void operator delete(void* block) noexcept
{
    __libc_free(block);
}

void operator delete[](void* block) noexcept
{
    __libc_free(block);
}

void operator delete(void* block, size_t) noexcept
{
    __libc_free(block);
}

void operator delete[](void* block, size_t) noexcept
{
    __libc_free(block);
}
