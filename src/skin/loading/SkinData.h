#pragma once
// The skin-wide record of a loaded skin: what its "GLOBALINFO" section says
// about the whole skin (version, author, frame metrics, shadow, title-button
// placement and glow).
#include "core/Color.h"
#include "core/IniFile.h"

#include <cstdint>
#include <string>

namespace pp {

struct TsSkinData {
    std::string SkinFolder; // with a trailing "\"; empty for a stored skin
    bool Active = false;
    double Version = 0;
    std::string Author;
    std::string Description;
    TColor Shadow1Color = 0;
    std::int16_t Shadow1Offset = 0;
    std::int16_t Shadow1Blur = -1;
    std::int16_t Shadow1Transparency = 0;
    std::int16_t BorderWidth = 4;
    std::int16_t TitleHeight = 30;
    std::int16_t MaxTitleHeight = 30;
    std::int16_t FormOffset = 0;
    std::int16_t CenterOffset = 0;
    std::int16_t BorderMode = 0;
    std::int16_t AlignOffset = 0;
    std::int16_t AlignOffsetRight = 0;
    std::int16_t AlignOffsetTop = 0;
    std::int16_t AlignOffsetBottom = 0;
    std::int16_t BISpace = 0;
    std::int16_t BIVAlign = 0;
    std::int16_t BIRight = 0;
    std::int16_t BILeft = 0;
    std::int16_t BITop = 0;
    std::int16_t BIKeepHue = 0;
    std::int16_t CloseGlowSize = 0;
    std::int16_t CloseGlowMargin = 0;
    std::int16_t MaxGlowSize = 0;
    std::int16_t MaxGlowMargin = 0;
    std::int16_t MinGlowSize = 0;
    std::int16_t MinGlowMargin = 0;
    bool AeroBlur = false;
};

inline constexpr const char* GlobalInfoSection = "GLOBALINFO";

// "VERSION" with "." as the decimal separator; 0 when absent or not a number.
double ReadSkinVersion(const TMemIniFile& options);

// Fills everything but SkinFolder and Active from "GLOBALINFO" (plain reads,
// no inheritance). `sizingFrameWidth` is the platform's horizontal sizing
// frame, the default form offset. A strict integer key that is not an
// integer throws EConvertError.
void ReadGlobalInfo(const TMemIniFile& options, int sizingFrameWidth, TsSkinData& data);

} // namespace pp
