#pragma once
// The option values that name skin images, and the records they describe.
// The first character decides the form:
//   "!"  an image file with its counts and borders as "!"-separated words
//   "@"  a plain image in the master bitmap, fixed columns
//   "^"  a bordered image in the master bitmap, fixed columns
//   "~"  a texture in the master bitmap, fixed columns
//   a value with "#" (other than "#" alone): a rectangle of the master
//        bitmap and its counts in words
//   any other value naming a ".BMP" file: a three-state bordered image
// Fixed-column numbers that are not integers fail the load; word numbers
// that are not integers read as 0.
#include "skin/loading/SkinImages.h"

#include <optional>
#include <string>
#include <string_view>

namespace pp {

enum class TImageValueForm {
    ExternalFile,
    MasterPlain,
    MasterBordered,
    MasterTexture,
    MasterRect,
    NamedBitmap,
    NotAnImage,
};

TImageValueForm ClassifyImageValue(std::string_view value);

// The fixed-column and rectangle forms fill everything but the pixels and the
// corner flag; `mask` carries its section and key names for messages.
void ReadPlainMasterValue(std::string_view value, TsMaskData& mask);
void ReadBorderedMasterValue(std::string_view value, double skinVersion, TsMaskData& mask);
void ReadTextureMasterValue(std::string_view value, TsMaskData& mask);
// Rectangle and counts of the "#" form, without the border rule.
void ReadMasterRectValue(std::string_view value, TsMaskData& mask);

// The words of an external-file value.
struct TExternalImageValue {
    std::string FileName;
    int FrameCount = 0;
    int MaskBands = 0;
    int ImageKind = 0;       // limited to 0..4
    bool HasBorders = false; // words 5 to 8 given
    int Borders[4] = {};     // left, top, right, bottom
    int DrawFlags = 1;
};
TExternalImageValue ReadExternalValue(std::string_view value);

// Border rules. Each divides by the frame and band counts, so each first
// checks that the record can be cut (see RequireCuttable).
// All four borders a third of a frame and of a band.
void SetThirdBorders(TsMaskData& mask);
// When no border is given: the common width if any, else `fallback`.
void ApplyZeroBorderRule(TsMaskData& mask, void (*fallback)(TsMaskData&));
// Whole frame and band as borders.
void SetFrameBorders(TsMaskData& mask);

// A frame count below 1 or a negative band count cannot be cut into frames
// and bands: throws EInvalidData naming the section and key.
void RequireCuttable(const TsMaskData& mask);

} // namespace pp
