#include <gtest/gtest.h>

#include "skin/controls/GlyphChoice.h"

namespace pp {
namespace {

TEST(GlyphChoiceTest, ListImageOnlyWhenTheListHoldsTheIndex)
{
    struct Case {
        const char* name;
        bool hasList;
        int count, index;
        bool selected;
    };
    const Case cases[] = {
        {"no list", false, 3, 0, false},   {"empty list", true, 0, 0, false},
        {"no index", true, 3, -1, false},  {"index at the count", true, 3, 3, false},
        {"first image", true, 3, 0, true}, {"last image", true, 3, 2, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SelectsListImage(c.hasList, c.count, c.index), c.selected) << c.name;
}

TEST(GlyphChoiceTest, DisabledStripKeepsItsFirstImageAndASingleImageFades)
{
    using S = TButtonPaintState;
    struct Case {
        const char* name;
        TGlyphBitmapTraits glyph;
        TGlyphButtonState button;
        int image, transparency;
        bool grayed;
    };
    const TGlyphBitmapTraits strip{2, true, false};
    const TGlyphBitmapTraits single{1, false, false};
    const TGlyphBitmapTraits alpha{2, false, true};
    const Case cases[] = {
        {"strip, blended", strip, {S::Normal, false, false, 0, dgBlended}, 0, 0, false},
        {"strip, greyed and blended", strip, {S::Normal, false, false, 0, dgBlended | dgGrayed}, 0, 0, false},
        {"strip keeps Blend in the normal state",
         strip,
         {S::Normal, false, false, 40, dgBlended},
         0,
         40,
         false},
        {"strip of four, default", {4, false, false}, {S::Default, false, false, 40, dgBlended}, 3, 0, false},
        {"single, blended ignores Blend", single, {S::Normal, false, false, 30, dgBlended}, 0, 50, false},
        {"single, greyed", single, {S::Normal, false, false, 0, dgGrayed}, 0, 0, true},
        {"single, greyed and blended",
         single,
         {S::Normal, false, false, 0, dgBlended | dgGrayed},
         0,
         50,
         true},
        {"single, neither", single, {S::Normal, false, false, 30, 0}, 0, 0, false},
        {"single, enabled", single, {S::Normal, true, false, 30, dgBlended | dgGrayed}, 0, 30, false},
        {"single, enabled and hot", single, {S::Hot, true, false, 30, dgBlended}, 0, 0, false},
        {"alpha, blended, Blend above half", alpha, {S::Normal, false, false, 70, dgBlended}, 0, 70, false},
        {"alpha, blended", alpha, {S::Normal, false, false, 0, dgBlended}, 0, 50, false},
        {"alpha, greyed", alpha, {S::Normal, false, false, 0, dgGrayed}, 0, 0, true},
    };
    for (const Case& c : cases) {
        const TGlyphLook look = BitmapGlyphLook(c.button, c.glyph);
        EXPECT_EQ(look.Image, c.image) << c.name;
        EXPECT_EQ(look.Transparency, c.transparency) << c.name;
        EXPECT_EQ(look.Grayed, c.grayed) << c.name;
        EXPECT_EQ(look.Key, clNone) << c.name;
    }
}

TEST(GlyphChoiceTest, ListImageIsKeyedByFuchsiaAndOnlyGreyed)
{
    struct Case {
        const char* name;
        bool enabled;
        unsigned kind;
        bool grayed;
    };
    const Case cases[] = {
        {"enabled", true, dgBlended | dgGrayed, false},
        {"disabled, blended", false, dgBlended, false},
        {"disabled, greyed", false, dgGrayed, true},
    };
    for (const Case& c : cases) {
        const TGlyphLook look = ListGlyphLook({TButtonPaintState::Normal, c.enabled, false, 60, c.kind});
        EXPECT_EQ(look.Key, clKeyColor) << c.name;
        EXPECT_EQ(look.Transparency, 0) << c.name;
        EXPECT_EQ(look.Grayed, c.grayed) << c.name;
        EXPECT_EQ(look.NumGlyphs, 1) << c.name;
    }
}

} // namespace
} // namespace pp
