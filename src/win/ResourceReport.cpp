#include "win/ResourceReport.h"

#include "win/Handles.h"

#include <initializer_list>

namespace pp {
namespace {

long SumOf(std::initializer_list<THandleKind> kinds)
{
    long sum = 0;
    for (const THandleKind kind : kinds)
        sum += LiveHandleCount(kind);
    return sum;
}

// Walks the address space rather than asking for the process's memory
// counters, which some platforms leave at 0: what counts is committed memory
// that belongs to this process alone (heaps, stacks, private allocations).
LRESULT PrivateKilobytes()
{
    unsigned long long bytes = 0;
    MEMORY_BASIC_INFORMATION region{};
    const char* address = nullptr;
    while (VirtualQuery(address, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            bytes += region.RegionSize;
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= address)
            break;
        address = next;
    }
    return static_cast<LRESULT>(bytes / 1024);
}

} // namespace

UINT ResourceReportMessage()
{
    static const UINT message = RegisterWindowMessageW(ResourceReportMessageName);
    return message;
}

LRESULT ResourceFigure(WPARAM figure)
{
    switch (static_cast<TResourceFigure>(figure)) {
    case TResourceFigure::GdiHandles:
        return SumOf({THandleKind::DC, THandleKind::Bitmap, THandleKind::Font, THandleKind::Brush,
                      THandleKind::Pen, THandleKind::Region});
    case TResourceFigure::UserHandles:
        return SumOf({THandleKind::Window, THandleKind::Menu, THandleKind::Icon, THandleKind::Hook});
    case TResourceFigure::PrivateKilobytes: return PrivateKilobytes();
    }
    return -1;
}

} // namespace pp
