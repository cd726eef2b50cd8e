#include "win/Handles.h"

#include <array>
#include <iterator>

namespace pp {

namespace {
// All handles are made on the GUI thread, so plain counters suffice.
std::array<long, static_cast<size_t>(THandleKind::Count)> liveCounts{};
} // namespace

long LiveHandleCount(THandleKind kind) { return liveCounts[static_cast<size_t>(kind)]; }

const char* HandleKindName(THandleKind kind)
{
    static constexpr const char* names[] = {"DC",     "Bitmap", "Font",   "Brush", "Pen",  "Region", "Menu",
                                            "Window", "Icon",   "Module", "Theme", "Hook", "Kernel"};
    static_assert(std::size(names) == static_cast<size_t>(THandleKind::Count));
    return names[static_cast<size_t>(kind)];
}

void detail::CountHandle(THandleKind kind, int delta) { liveCounts[static_cast<size_t>(kind)] += delta; }

TWindowDCHandle::TWindowDCHandle(HWND window) : window_(window), dc_(GetDC(window))
{
    if (dc_)
        detail::CountHandle(THandleKind::DC, +1);
}

TWindowDCHandle::TWindowDCHandle(HWND window, DWORD flags)
    : window_(window), dc_(GetDCEx(window, nullptr, flags))
{
    if (dc_)
        detail::CountHandle(THandleKind::DC, +1);
}

TWindowDCHandle::~TWindowDCHandle()
{
    if (dc_) {
        ReleaseDC(window_, dc_);
        detail::CountHandle(THandleKind::DC, -1);
    }
}

} // namespace pp
