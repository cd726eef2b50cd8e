#pragma once
// Indexes of the sections and images that common controls paint with on
// every paint, looked up once per load so that painting never searches.
#include <array>

namespace pp {

// One scroll button or slider: its section and its images.
struct TsScrollPartIndexes {
    int SkinIndex = -1;
    int BorderMask = -1;
    int GlyphMask = -1;
    int Pattern = -1;
    int HotPattern = -1;
};

struct TsScrollTrackIndexes {
    int SkinIndex = -1;
    int BorderMask = -1;
    int Pattern = -1;
    int HotPattern = -1;
};

struct TsTabIndexes {
    int SkinIndex = -1;
    int BorderMask = -1;
};

enum TsCheckGlyph {
    cgBoxChecked,
    cgBoxUnchecked,
    cgBoxGrayed,
    cgRadioChecked,
    cgRadioUnchecked,
    cgRadioGrayed,
    cgSmallChecked,
    cgSmallUnchecked,
    cgSmallGrayed,
    CheckGlyphCount
};

enum TsTitleGlyph {
    tgCloseNormal,
    tgCloseAlone,
    tgMaximize,
    tgRestore,
    tgMinimize,
    tgHelp,
    tgSmallClose,
    tgSmallMaximize,
    tgSmallRestore,
    tgSmallMinimize,
    tgSmallHelp,
    TitleGlyphCount
};

enum TsSide { sdTop, sdBottom, sdLeft, sdRight, SideCount };
enum TsScrollTrack { stTrack1H, stTrack1V, stTrack2H, stTrack2V, ScrollTrackCount };
enum TsSlider { slVertical, slHorizontal, SliderCount };

struct TsStandardIndexes {
    int GlobalSection = -1;
    std::array<int, CheckGlyphCount> CheckGlyphs{-1, -1, -1, -1, -1, -1, -1, -1, -1};
    int ExBorder = -1;
    int GripImage = -1;
    int GripHorz = -1;
    int GripVert = -1;
    int ComboBtnSection = -1;
    int ComboBtnBorder = -1;
    int ComboBtnPattern = -1;
    int ComboBtnHotPattern = -1;
    int ComboGlyph = -1;
    std::array<TsTabIndexes, SideCount> Tabs{};
    std::array<TsScrollPartIndexes, SideCount> ScrollButtons{};
    std::array<TsScrollPartIndexes, SliderCount> ScrollSliders{};
    std::array<int, TitleGlyphCount> TitleGlyphs{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::array<TsScrollTrackIndexes, ScrollTrackCount> ScrollTracks{};
    int WebButtonSection = -1;
};

} // namespace pp
