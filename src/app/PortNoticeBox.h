#pragma once
// The port's notices as the user sees them: a warning box captioned with the
// application's title. Set-up problems are told once at start, together; a
// trace that stops while the program runs is told once, when it stops.
#include <string>

namespace pp::app {

// Shows what the start found wrong with the port and its trace, if anything.
void ShowPortStartupNotice();

// While it lives, a trace that stops is reported in a box shown from the
// message loop once the port access that failed has returned: the refresh
// goes on, and the box never opens in the middle of a tick.
class TTraceStopNotice {
public:
    TTraceStopNotice();
    ~TTraceStopNotice();
    TTraceStopNotice(const TTraceStopNotice&) = delete;
    TTraceStopNotice& operator=(const TTraceStopNotice&) = delete;

private:
    int hook_ = 0;
    std::string pending_;
};

} // namespace pp::app
