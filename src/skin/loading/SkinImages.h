#pragma once
// Image records of a loaded skin. A mask's pixels lie in a bitmap of its own
// or in a rectangle of the skin's master bitmap; its image area is cut into
// frames side by side (one per state) and into bands from the top, and its
// border widths split a frame into nine parts for stretching or tiling.
#include "core/Bitmap.h"
#include "core/Geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pp {

enum TsImageKind : std::uint8_t {
    ikBordered = 0,
    ikTexture = 1,
    ikPlain = 2,
    // 3 and 4 only come from the external-file form; the painter gives them meaning.
};

enum TsCornerFlag : std::int16_t {
    cfNoKeyPixels = 0,
    cfKeyPixels = 1,
    cfUnchecked = 2,
};

// Counts, border widths and flags of an image record are 16-bit, as the
// skin format's records hold them: a wider number from a skin file keeps its
// low 16 bits. Only the image area is 32-bit.
using TMaskField = std::int16_t;
constexpr TMaskField MaskField(std::int64_t value) { return static_cast<TMaskField>(value); }

struct TsMaskData {
    std::unique_ptr<TBitmap> OwnBitmap; // null when the image lies in the master bitmap
    std::string SectionName;
    std::string KeyName;
    TRect SourceRect;
    TMaskField FrameCount = 0;
    TMaskField MaskBands = 0; // further bands below the image band
    TMaskField BorderWidth = 0;
    TMaskField DrawFlags = 0;
    std::uint8_t ImageKind = ikBordered;
    TMaskField LeftWidth = 0;
    TMaskField TopWidth = 0;
    TMaskField RightWidth = 0;
    TMaskField BottomWidth = 0;
    std::int16_t CornerFlag = cfNoKeyPixels;
};

// Sides of a rectangle from a skin file, free of overflow.
std::int64_t RectWidth(const TRect& r);
std::int64_t RectHeight(const TRect& r);
// Width of one frame: 0 without frames, the whole width for one.
int FrameWidth(const TsMaskData& mask);
// Height of the image band: the whole height without further bands, 0 for
// a negative band count.
int BandHeight(const TsMaskData& mask);
// A third of a frame and of the image band: the default border widths. The
// caller makes sure the counts allow the division (RequireCuttable).
int ThirdOfFrameWidth(const TsMaskData& mask);
int ThirdOfBandHeight(const TsMaskData& mask);

// Border widths as painters use them: the side's own width when above 0,
// else the common border width when above 0, else the whole frame (for
// left and right; a frame count of 0 counts as 1) or the whole band (top
// and bottom).
int MaskLeftBorder(const TsMaskData& mask);
int MaskRightBorder(const TsMaskData& mask);
int MaskTopBorder(const TsMaskData& mask);
int MaskBottomBorder(const TsMaskData& mask);

// A texture too large to be kept as a bitmap of the skin's own.
struct TsPatternData {
    std::unique_ptr<TBitmap> Img; // the decoded picture
    std::string SectionName;
    std::string KeyName;
};

using TsMaskArray = std::vector<TsMaskData>;
using TsPatternArray = std::vector<TsPatternData>;

// Textures of more pixels than this stay patterns.
inline constexpr std::int64_t MaxTextureMaskPixels = 899999;

} // namespace pp
