#include "skin/paint/FadeProgress.h"

namespace pp {

TFadeProgress RestartFade(TFadeProgress previous, bool reused, int fadingIterations, bool halve)
{
    TFadeProgress next = previous;
    if (reused)
        next.Level = fadingIterations;
    else
        next = TFadeProgress{fdNone, 1, 0};
    next.Iterations = fadingIterations;
    if (next.Direction == fdIn)
        next.Iterations = next.Level;
    else if (next.Direction == fdOut)
        next.Iterations = fadingIterations - next.Level;
    if (halve)
        next.Iterations /= 2;
    if (next.Level >= next.Iterations || next.Level <= 0)
        next.Level = 1;
    return next;
}

bool FadeOver(const TFadeProgress& progress)
{
    return progress.Level < 0 || progress.Level > progress.Iterations;
}

} // namespace pp
