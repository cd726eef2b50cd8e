#pragma once
// The platform's own minimize and restore animation is the user's
// system-wide setting. The form animations switch it off while they
// minimize or restore a window themselves, and put it back however they
// leave, errors included: a guard object does both.
#include <functional>

namespace pp {

struct TSystemAnimationApi {
    // The setting now; false when it cannot be read.
    std::function<bool(bool& on)> Read;
    std::function<void(bool on)> Write;
};

// SystemParametersInfo with SPI_GETANIMATION and SPI_SETANIMATION. The
// change is never written to the user's profile, so that a program that
// dies before it puts the setting back leaves nothing behind a log-off.
TSystemAnimationApi PlatformSystemAnimationApi();
// Replaces the functions (tests record the calls); answers the previous.
TSystemAnimationApi SetSystemAnimationApi(TSystemAnimationApi api);

class TSystemAnimationOff {
public:
    TSystemAnimationOff();
    ~TSystemAnimationOff();
    TSystemAnimationOff(const TSystemAnimationOff&) = delete;
    TSystemAnimationOff& operator=(const TSystemAnimationOff&) = delete;

private:
    // Only a setting that was on is switched off, and only that is put back.
    bool switchedOff_ = false;
};

} // namespace pp
