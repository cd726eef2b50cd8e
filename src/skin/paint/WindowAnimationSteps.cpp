#include "skin/paint/WindowAnimationSteps.h"

#include "skin/paint/NearestStretch.h"

#include <algorithm>
#include <cmath>

namespace pp {
namespace {

int NearestAlpha(double alpha) { return std::clamp(static_cast<int>(std::lround(alpha)), 0, 255); }

// The whole window inset on each side by `parts` of an eighth of its size:
// 0 is the whole window, 1 an inset of a full eighth.
TRect InsetPicture(TSize size, double parts)
{
    const double dx = size.Width / 8.0 * parts;
    const double dy = size.Height / 8.0 * parts;
    return {static_cast<int>(std::lround(dx)), static_cast<int>(std::lround(dy)),
            static_cast<int>(std::lround(size.Width - dx)), static_cast<int>(std::lround(size.Height - dy))};
}

TRect WholeWindow(TSize size) { return {0, 0, size.Width, size.Height}; }

} // namespace

int AnimationStepCount(int timeMs) { return timeMs > 0 ? timeMs / WindowAnimationStepMs : 0; }

TAnimationFrame ShowAnimationFrame(int i, int steps, int finalAlpha, TSize size, TacAnimType mode)
{
    TAnimationFrame frame;
    if (steps <= 0) {
        frame.Alpha = std::clamp(finalAlpha, 0, 255);
        frame.Picture = WholeWindow(size);
        return frame;
    }
    const double step = static_cast<double>(finalAlpha) / steps;
    frame.Alpha = NearestAlpha(std::min<double>(finalAlpha, step * (i + 1)));
    frame.Cleared = mode == atAero;
    frame.Picture = mode == atAero ? InsetPicture(size, 1.0 - static_cast<double>(i) / steps)
                                   : WholeWindow(size);
    return frame;
}

TAnimationFrame HideAnimationFrame(int i, int steps, int startAlpha, TSize size, TacAnimType mode)
{
    TAnimationFrame frame;
    if (steps <= 0) {
        frame.Picture = WholeWindow(size);
        return frame;
    }
    const double step = static_cast<double>(startAlpha) / steps;
    frame.Alpha = NearestAlpha(std::max(0.0, startAlpha - step * (i + 1)));
    frame.Cleared = mode == atAero;
    frame.Picture = mode == atAero ? InsetPicture(size, static_cast<double>(i) / steps) : WholeWindow(size);
    return frame;
}

TBitmap AnimationFramePicture(const TBitmap& snapshot, const TAnimationFrame& frame)
{
    if (!frame.Cleared)
        return snapshot;
    TBitmap picture(snapshot.Width(), snapshot.Height());
    picture.Fill(TBGRA{0, 0, 0, 0});
    StretchNearest(picture, frame.Picture, snapshot, snapshot.Bounds());
    return picture;
}

int SkinChangeOldWeight(int i, int steps)
{
    if (steps <= 0)
        return 0;
    return std::max(0, 255 - i * (255 / steps));
}

} // namespace pp
