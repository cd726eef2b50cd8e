#include "skin/controls/GaugeFigures.h"

#include "skin/pixels/PixelMath.h"

#include <cmath>
#include <numbers>

namespace pp {

TPoint PieStartPoint(int width, int height, int percent)
{
    const double alpha = (percent / 50.0 + 0.5) * std::numbers::pi;
    return {RoundHalfEven((width / 2) * (1 - std::cos(alpha))),
            RoundHalfEven((height / 2) * (1 - std::sin(alpha)))};
}

TPoint NeedleEndPoint(int middle, int bottom, int percent)
{
    const double beta = percent / 100.0 * std::numbers::pi;
    return {RoundHalfEven(middle * (1 - std::cos(beta))), RoundHalfEven(bottom * (1 - std::sin(beta)))};
}

} // namespace pp
