#pragma once
// Small skins made in memory for the item painting tests: images with
// their pixels written out by the test, sections with the few values a
// test needs.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/paint/BackdropParent.h"
#include "skin/paint/SkinImage.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace pp::test {

// Pixels as 0xAARRGGBB, row by row.
TBitmap Pixels(int width, int height, std::initializer_list<std::uint32_t> values);
// Every pixel from a rule (x, y) -> 0xAARRGGBB.
TBitmap PixelsBy(int width, int height, const std::function<std::uint32_t(int x, int y)>& rule);
std::uint32_t At(const TBitmap& b, int x, int y);
// 0xAARRGGBB of a colour value, opaque: what At reads where it was painted.
std::uint32_t Opaque(TColor c);

struct TImageSpec {
    int Frames = 1;
    int MaskBands = 0;
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int DrawMode = 0;
    int CornerKey = 0;
    std::string Section = {};
    std::string Key = {};
};

// A parent that answers every backdrop request with the same answer.
class TAnsweringParent : public TBackdropParent {
public:
    BackdropRequest Answer;
    void AskForBackdrop(BackdropRequest& request) override { request = Answer; }
    void PaintIntoTarget(const BackdropRequest&) override { }
    TColor FallbackColor() override { return 0; }
};

class TFixtureSkin {
public:
    // Adds an image record with its own bitmap; answers its index.
    int AddImage(TBitmap pixels, const TImageSpec& spec);
    // A section record with the normal and hot colour; the rest default.
    TsGeneralData& AddSection(const std::string& name, TColor color, TColor hotColor, int states = 3);
    // Makes the sections known to the skin (call after the last AddSection
    // and after changing them).
    const TsLoadedSkin& Skin();
    TSkinImage Image(int index) const;
    // For what the helpers above do not make (patterns).
    TsLoadedSkin& Raw() { return skin_; }
    TsGeneralData& Section(int index) { return sections_.at(static_cast<std::size_t>(index)); }

private:
    TsLoadedSkin skin_;
    TsGeneralDataArray sections_;
};

} // namespace pp::test
