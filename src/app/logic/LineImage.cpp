#include "app/logic/LineImage.h"

#include <cassert>

namespace pp::app {

namespace {
[[maybe_unused]] bool IsLine(int line) { return line >= 0 && line < LineCount; }
} // namespace

void TLineImage::SetLine(int line)
{
    assert(IsLine(line));
    slots_[line] = LineWeight(line);
}

void TLineImage::ClearLine(int line)
{
    assert(IsLine(line));
    slots_[line] = 0;
}

void TLineImage::SetAllLines()
{
    for (int line = 0; line < LineCount; ++line)
        SetLine(line);
}

void TLineImage::ClearAllLines() { slots_.fill(0); }

void TLineImage::LightOnly(int line)
{
    ClearAllLines();
    SetLine(line);
}

std::uint8_t TLineImage::Slot(int line) const
{
    assert(IsLine(line));
    return slots_[line];
}

std::uint8_t TLineImage::OutputByte() const { return static_cast<std::uint8_t>(SlotSum()); }

int TLineImage::SlotSum() const
{
    int sum = 0;
    for (std::uint8_t slot : slots_)
        sum += slot;
    return sum;
}

TLineState& ProcessLineState()
{
    static TLineState state;
    return state;
}

} // namespace pp::app
