#pragma once
// The clock of the gauge's running light. Every tick of the light timer
// adds 22 ms; once more than 2222 ms have been counted the light starts
// again 300 pixels before the bar and crosses it in steps of at least 15
// pixels, then waits, out of sight, for the next cycle.

namespace pp {

inline constexpr int GaugeLightInterval = 22; // ms between ticks
inline constexpr int GaugeLightLength = 300;  // pixels along the bar
inline constexpr int GaugeLightCycle = 2222;  // ms of one cycle

class TGaugeLightClock {
public:
    // Counts one tick for a bar `barLength` pixels long. True when the
    // light is on its way over the bar: paint it at Position(), then Step().
    bool Tick(int barLength);
    // Moves the light on after a tick that answered true.
    void Step(int barLength);

    int Position() const { return position_; }
    int Clock() const { return clock_; }

private:
    int clock_ = GaugeLightCycle + 1; // the first tick starts a cycle
    int position_ = 9999;             // no light before the first tick
};

// Pixels the light moves per tick on a bar of this length:
// max(15, rnd(length / (2222 / 44))), so a bar is crossed in about 44 ticks
// at most, and slowly on short bars.
int GaugeLightStep(int barLength);

} // namespace pp
