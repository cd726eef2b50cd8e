#pragma once
// Colour values as stored in skins and descriptions: red in the low byte,
// then green, then blue. A value 0xFF000000 plus an index names a system
// colour. Pixels in memory are blue, green, red, alpha.
#include <cstdint>

namespace pp {

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
// Marks transparent pixels throughout the skin engine.
inline constexpr TColor clKeyColor = 0xFF00FF;
// Stands for "no key colour" in operations that take one.
inline constexpr TColor clNoKeyColor = 0x1FFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor SystemColorFlag = 0xFF000000;
inline constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == SystemColorFlag; }
inline constexpr int SystemColorIndex(TColor c) { return static_cast<int>(c & 0xFFu); }

// System colour indexes as the platform numbers them.
enum TSystemColorIndex : int {
    COLOR_SCROLLBAR_INDEX = 0,
    COLOR_BACKGROUND_INDEX = 1,
    COLOR_ACTIVECAPTION_INDEX = 2,
    COLOR_INACTIVECAPTION_INDEX = 3,
    COLOR_MENU_INDEX = 4,
    COLOR_WINDOW_INDEX = 5,
    COLOR_WINDOWFRAME_INDEX = 6,
    COLOR_MENUTEXT_INDEX = 7,
    COLOR_WINDOWTEXT_INDEX = 8,
    COLOR_CAPTIONTEXT_INDEX = 9,
    COLOR_BTNFACE_INDEX = 15,
    COLOR_BTNSHADOW_INDEX = 16,
    COLOR_GRAYTEXT_INDEX = 17,
    COLOR_BTNTEXT_INDEX = 18,
    COLOR_BTNHIGHLIGHT_INDEX = 20,
    COLOR_INFOTEXT_INDEX = 23,
    COLOR_INFOBK_INDEX = 24,
};

inline constexpr TColor clBtnFace = SystemColorFlag | COLOR_BTNFACE_INDEX;
inline constexpr TColor clWindowText = SystemColorFlag | COLOR_WINDOWTEXT_INDEX;
inline constexpr TColor clWindow = SystemColorFlag | COLOR_WINDOW_INDEX;
inline constexpr TColor clBtnText = SystemColorFlag | COLOR_BTNTEXT_INDEX;

constexpr std::uint8_t RedOf(TColor c) { return static_cast<std::uint8_t>(c); }
constexpr std::uint8_t GreenOf(TColor c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t BlueOf(TColor c) { return static_cast<std::uint8_t>(c >> 16); }
constexpr TColor MakeColor(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

// One pixel of a 32-bit bitmap, in memory order.
struct TBGRA {
    std::uint8_t B = 0;
    std::uint8_t G = 0;
    std::uint8_t R = 0;
    std::uint8_t A = 0;
    friend bool operator==(const TBGRA&, const TBGRA&) = default;
};
static_assert(sizeof(TBGRA) == 4);

constexpr TBGRA PixelFromColor(TColor c, std::uint8_t alpha = 0xFF)
{
    return {BlueOf(c), GreenOf(c), RedOf(c), alpha};
}
constexpr TColor ColorFromPixel(TBGRA p) { return MakeColor(p.R, p.G, p.B); }

// Answers a system colour's current RGB value: the Windows build asks the
// platform, the portable build answers from the classic default scheme.
TColor ResolveSystemColor(TColor c);
// Plain colours pass through; system colours are resolved.
inline TColor ColorToRGB(TColor c) { return IsSystemColor(c) ? ResolveSystemColor(c) : c; }

} // namespace pp
