#pragma once
// The section model: one record per section of the options file, in file
// order, each with a normal and a hot look. Painting code addresses sections
// by index only (GetSkinIndex).
#include "core/Color.h"
#include "core/IniFile.h"
#include "skin/pixels/Gradient.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pp {

// Font colour slots: the main colour, then the contour colours the text
// painter draws around it (-1: none for that side).
enum TsFontColorSlot { fcMain = 0, fcLeft, fcTop, fcRight, fcBottom, FontColorSlots };
using TsFontColors = std::array<TColor, FontColorSlots>;

// The look of a section in one state.
struct TsGenState {
    TColor Color = clWhite;
    TsFontColors FontColor{};
    int GradientPercent = 0;
    std::string GradientData;
    TsGradArray GradientArray; // parsed from GradientData
    int ImagePercent = 0;
    int TextureIndex = -1;
    TColor GlowColor = clWhite;
    std::uint8_t GlowSize = 0;
    int Transparency = 0;
};

using TsProps = std::array<TsGenState, 2>;

struct TsGeneralData {
    std::string ParentClass;
    std::string SectionName;
    int States = 3;
    TsProps Props; // [0] normal, [1] hot
    bool GiveOwnFont = false;
    bool ReservedBoolean = false;
    bool ShowFocus = true;
    int GlowCount = 0;
    int GlowMargin = 0;
    int BorderMaskIndex = -1;
    int ImgTL = -1;
    int ImgTR = -1;
    int ImgBL = -1;
    int ImgBR = -1;
    int TextureIndex = -1;
    // The state values as read, before any colour adjustment, so that a
    // later hue or saturation change can start again from them.
    TsProps RawProps;
    bool FadingEnabled = false;
    int FadingIterations = 5;
};

using TsGeneralDataArray = std::vector<TsGeneralData>;

// Builds one record per section of `options`, in file order, GLOBALINFO
// included. Image indexes stay -1: they are filled once the images exist.
TsGeneralDataArray ReadSectionRecords(const TMemIniFile& options);

// Index of the first record named exactly `name`; -1 for an empty name or no match.
int FindSectionIndex(const TsGeneralDataArray& sections, std::string_view name);

} // namespace pp
