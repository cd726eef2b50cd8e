// A stand-in for the port driver library, for tests: it keeps the last value
// given to Out32 (all 16 bits, so a test can see what the caller passed) and
// answers Inp32 with that value's low byte inverted, so a read through the
// driver can be told from a read of the simulated latch.
#include <windows.h>

namespace {
short lastData = 0;
}

extern "C" __declspec(dllexport) void __stdcall Out32(short, short data) { lastData = data; }

extern "C" __declspec(dllexport) short __stdcall Inp32(short)
{
    return static_cast<short>((lastData & 0xFF) ^ 0xFF);
}

extern "C" __declspec(dllexport) short __stdcall FakeLastData() { return lastData; }
