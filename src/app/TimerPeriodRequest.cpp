#include "app/TimerPeriodRequest.h"

#include <mmsystem.h>

namespace pp {

const TTimerPeriodCalls& SystemTimerPeriodCalls()
{
    static const TTimerPeriodCalls calls{timeBeginPeriod, timeEndPeriod};
    return calls;
}

TTimerPeriodRequest::TTimerPeriodRequest(const TTimerPeriodCalls& calls)
    : calls_(calls), granted_(calls_.Begin(Milliseconds) == TIMERR_NOERROR)
{
}

TTimerPeriodRequest::~TTimerPeriodRequest()
{
    if (granted_)
        calls_.End(Milliseconds);
}

} // namespace pp
