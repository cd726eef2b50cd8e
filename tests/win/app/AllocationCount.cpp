#include "AllocationCount.h"

#include <cstdlib>
#include <new>

namespace pp::test {
std::atomic<long> AllocationCount{0};
} // namespace pp::test

void* operator new(std::size_t size)
{
    ++pp::test::AllocationCount;
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
