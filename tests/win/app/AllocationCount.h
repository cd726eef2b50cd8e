#pragma once
// Counts the program's calls of operator new, to show what a code path
// allocates.
#include <atomic>

namespace pp::test {
extern std::atomic<long> AllocationCount;
} // namespace pp::test
