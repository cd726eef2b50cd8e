#include "skin/paint/TextPasses.h"

#include "skin/pixels/ColorOps.h"

namespace pp {
namespace {

constexpr TColor ButtonHighlight = SystemColorFlag | COLOR_BTNHIGHLIGHT_INDEX;
constexpr TColor ButtonShadow = SystemColorFlag | COLOR_BTNSHADOW_INDEX;
// How much of the font colour disabled text keeps.
constexpr double DisabledTextWeight = 0.4;

} // namespace

TColor ChangedTextColor(TColor color, const TTextColorChange& change)
{
    const TColor rotated = RotateHueOfColor(change.HueOffset, ColorToRGB(color));
    return AdjustSaturation(change.Saturation, rotated);
}

TTextPasses EnabledTextPasses(const TsFontColors& colors, bool withContour, const TTextColorChange& change)
{
    static constexpr struct {
        TsFontColorSlot Slot;
        int DX, DY;
    } contours[] = {{fcLeft, -1, 0}, {fcTop, 0, -1}, {fcRight, 1, 0}, {fcBottom, 0, 1}};
    TTextPasses passes;
    if (withContour)
        for (const auto& c : contours)
            if (colors[c.Slot] != NoContourColor)
                passes.push_back({ChangedTextColor(colors[c.Slot], change), c.DX, c.DY, true});
    passes.push_back({ChangedTextColor(colors[fcMain], change), 0, 0, false});
    return passes;
}

TTextPass DisabledTextPass(TColor fontColor, TColor background, const TTextColorChange& change)
{
    // Both are resolved first: mixing a system colour's index would give
    // neither colour.
    const TColor mixed = BlendColors(ColorToRGB(fontColor), ColorToRGB(background), DisabledTextWeight);
    return {ChangedTextColor(mixed, change), 0, 0, false};
}

TTextPasses PlainTextPasses(TColor fontColor, bool enabled)
{
    if (enabled)
        return {{ColorToRGB(fontColor), 0, 0, false}};
    return {{ColorToRGB(ButtonHighlight), 1, 1, false}, {ColorToRGB(ButtonShadow), 0, 0, false}};
}

} // namespace pp
