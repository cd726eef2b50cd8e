#pragma once
// The software image of the eight data lines. What the program outputs is
// held here and nowhere else; the value read back from the port is shown and
// dropped, never stored into the slots.
#include <array>
#include <cstdint>

namespace pp::app {

constexpr int LineCount = 8;

// Bit weight of line Dk: the only non-zero value its slot may hold.
constexpr std::uint8_t LineWeight(int line) { return static_cast<std::uint8_t>(1u << line); }

class TLineImage {
public:
    void SetLine(int line);
    void ClearLine(int line);
    void SetAllLines();
    void ClearAllLines();
    // Only line k high, every other slot cleared.
    void LightOnly(int line);

    std::uint8_t Slot(int line) const;
    // Sum of the slots in 8-bit arithmetic; equals their bitwise OR.
    std::uint8_t OutputByte() const;
    // The same sum as a plain integer, as the gauge is fed it.
    int SlotSum() const;

private:
    std::array<std::uint8_t, LineCount> slots_{};
};

// The lines and the running light's step counter are process state, held once
// however many windows look at them.
struct TLineState {
    TLineImage Lines;
    std::int32_t StepCounter = 0;
};

TLineState& ProcessLineState();

} // namespace pp::app
