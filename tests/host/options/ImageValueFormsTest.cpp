#include "skin/loading/ImageValueForms.h"
#include "SkinFixture.h"
#include "core/Error.h"

#include <gtest/gtest.h>

#include <functional>

namespace pp {
namespace {

using pptest::Columns;

TsMaskData Named()
{
    TsMaskData mask;
    mask.SectionName = "BUTTON";
    mask.KeyName = "BORDERSMASK";
    return mask;
}

std::string ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.what();
    }
    return "no error";
}

TEST(ImageValueForms, FirstCharacterDecidesTheForm)
{
    struct Case {
        const char* value;
        TImageValueForm form;
    } cases[] = {
        {"!A.PNG!3!1", TImageValueForm::ExternalFile},
        {"@0000", TImageValueForm::MasterPlain},
        {"^0000", TImageValueForm::MasterBordered},
        {"~0000", TImageValueForm::MasterTexture},
        {"x.bmp", TImageValueForm::NamedBitmap},
        {"16777215", TImageValueForm::NamedBitmap},
        {"#M (0,0,9,9) (3)", TImageValueForm::MasterRect},
        {"#", TImageValueForm::NotAnImage},
        {"", TImageValueForm::NotAnImage},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyImageValue(c.value), c.form) << c.value;
}

TEST(ImageValueForms, PlainAndTextureColumns)
{
    TsMaskData plain = Named();
    ReadPlainMasterValue(Columns('@', {10, 20, 110, 50}, {3, 1}), plain);
    EXPECT_EQ(plain.SourceRect, (TRect{10, 20, 110, 50}));
    EXPECT_EQ(plain.FrameCount, 3);
    EXPECT_EQ(plain.MaskBands, 1);
    EXPECT_EQ(plain.ImageKind, ikPlain);
    EXPECT_EQ(plain.LeftWidth + plain.DrawFlags, 0);

    TsMaskData texture = Named();
    ReadTextureMasterValue(Columns('~', {0, 0, 40, 40}, {12}), texture);
    EXPECT_EQ(texture.DrawFlags, 12);
    EXPECT_EQ(texture.MaskBands, 0); // column 25 absent
    EXPECT_EQ(texture.FrameCount, 1);
    EXPECT_EQ(texture.ImageKind, ikTexture);
    ReadTextureMasterValue(Columns('~', {0, 0, 40, 40}, {12, 2}), texture);
    EXPECT_EQ(texture.MaskBands, 2);
}

TEST(ImageValueForms, BorderedColumnsAndTheirBorderRules)
{
    struct Case {
        const char* name;
        std::initializer_list<int> borders;
        std::initializer_list<int> counts; // frames, bands, draw flags, border width
        int left, top, right, bottom;
    } cases[] = {
        {"given borders", {4, 5, 6, 7}, {3, 1, 0, 0}, 4, 5, 6, 7},
        {"common width", {0, 0, 0, 0}, {3, 1, 0, 2}, 2, 2, 2, 2},
        {"thirds", {0, 0, 0, 0}, {3, 1, 0, 0}, 10, 6, 10, 6}, // 90 / 9, 40 / 6
    };
    for (const Case& c : cases) {
        TsMaskData mask = Named();
        const std::string value = Columns('^', {0, 0, 90, 40}, {}) + " " +
                                  Columns(' ', c.borders, c.counts).substr(1);
        ReadBorderedMasterValue(value, 8.0, mask);
        EXPECT_EQ(mask.LeftWidth, c.left) << c.name;
        EXPECT_EQ(mask.TopWidth, c.top) << c.name;
        EXPECT_EQ(mask.RightWidth, c.right) << c.name;
        EXPECT_EQ(mask.BottomWidth, c.bottom) << c.name;
        EXPECT_EQ(mask.ImageKind, ikBordered) << c.name;
    }
}

TEST(ImageValueForms, OldSkinsMarkAOnePixelCentre)
{
    // Frames of 30 x 20 (90 / 3, 40 / 2) with borders 14 + 15 and 9 + 10: a 1 x 1 centre.
    struct Case {
        double version;
        int right;
        int flagsIn;
        int flagsOut;
    } cases[] = {
        {7.0, 15, 0, 1}, // one-pixel centre: bit 0 set
        {7.0, 14, 1, 0}, // two pixels wide: bit 0 cleared
        {7.0, 14, 3, 2}, // other bits kept
        {7.4, 15, 0, 0}, // newer skins say it themselves
    };
    for (const Case& c : cases) {
        TsMaskData mask = Named();
        const std::string value = Columns('^', {0, 0, 90, 40, 14, 9, c.right, 10}, {3, 1, c.flagsIn, 0});
        ReadBorderedMasterValue(value, c.version, mask);
        EXPECT_EQ(mask.DrawFlags, c.flagsOut) << c.version << " right " << c.right;
    }
}

TEST(ImageValueForms, FixedColumnFailures)
{
    const std::string good = Columns('^', {0, 0, 90, 40, 0, 0, 0, 0}, {3, 1, 0, 0});
    std::string badNumber = good;
    badNumber.replace(11, 4, "9x9 "); // columns 12-15
    TsMaskData mask = Named();
    EXPECT_EQ(ErrorOf([&] { ReadBorderedMasterValue(badNumber, 8, mask); }),
              "'9x9' is not a valid integer value");

    const std::string shortValue = good.substr(0, 40);
    EXPECT_EQ(
        ErrorOf([&] { ReadBorderedMasterValue(shortValue, 8, mask); }),
        "The value \"" + shortValue +
            "\" of key \"BORDERSMASK\" of skin section \"BUTTON\" is too short: it needs 48 characters");
    EXPECT_NE(ErrorOf([&] { ReadPlainMasterValue("@0000 0000", mask); }), "no error");
    EXPECT_NE(ErrorOf([&] { ReadTextureMasterValue(Columns('~', {0, 0, 4, 4}, {}), mask); }), "no error");
}

TEST(ImageValueForms, UncuttableCountsFailNamingSectionAndKey)
{
    const std::string zeroFrames = Columns('^', {0, 0, 90, 40, 0, 0, 0, 0}, {0, 1, 0, 0});
    TsMaskData mask = Named();
    EXPECT_EQ(
        ErrorOf([&] { ReadBorderedMasterValue(zeroFrames, 8, mask); }),
        "The frame count 0 of key \"BORDERSMASK\" of skin section \"BUTTON\" is not valid: an image has "
        "at least one frame");
    // Given borders need no division, but the corner cells still do.
    const std::string zeroFramesWithBorders = Columns('^', {0, 0, 90, 40, 3, 3, 3, 3}, {0, 1, 0, 0});
    EXPECT_NE(ErrorOf([&] { ReadBorderedMasterValue(zeroFramesWithBorders, 8, mask); }), "no error");

    TsMaskData bands = Named();
    bands.SourceRect = {0, 0, 90, 40};
    bands.FrameCount = 3;
    bands.MaskBands = -1;
    EXPECT_EQ(
        ErrorOf([&] { SetThirdBorders(bands); }),
        "The mask band count -1 of key \"BORDERSMASK\" of skin section \"BUTTON\" is not valid: it cannot "
        "be negative");
}

TEST(ImageValueForms, RectFormWords)
{
    struct Case {
        const char* value;
        TRect rect;
        int frames, bands, borderWidth, drawFlags;
    } cases[] = {
        {"#BTN (10,20,110,50) (3,1,4,2)", {10, 20, 110, 50}, 3, 1, 4, 2},
        {"#BTN(10, 20, 110, 50)(3 1)", {10, 20, 110, 50}, 3, 1, 0, 1},
        {"#BTN 10,20,110,50 0,-2,-5", {10, 20, 110, 50}, 1, 0, 0, 1}, // clamped counts
        {"#BTN (a,20,b,50) (x,y)", {0, 20, 0, 50}, 1, 0, 0, 1},       // words read as 0
        {"#BTN", {0, 0, 0, 0}, 1, 0, 0, 1},
        // Counts, widths and flags keep the low 16 bits of what is written; the
        // limits apply to what is kept (32768 is -32768 in 16 bits).
        {"#BTN (0,0,30,10) (65539,65537,65541,65538)", {0, 0, 30, 10}, 3, 1, 5, 2},
        {"#BTN (0,0,30,10) (32768,32768,40000,-1)", {0, 0, 30, 10}, 1, 0, 0, -1},
        {"#BTN (-2147483648,0,2147483647,10) (1)", {-2147483647 - 1, 0, 2147483647, 10}, 1, 0, 0, 1},
    };
    for (const Case& c : cases) {
        TsMaskData mask = Named();
        ReadMasterRectValue(c.value, mask);
        EXPECT_EQ(mask.SourceRect, c.rect) << c.value;
        EXPECT_EQ(mask.FrameCount, c.frames) << c.value;
        EXPECT_EQ(mask.MaskBands, c.bands) << c.value;
        EXPECT_EQ(mask.BorderWidth, c.borderWidth) << c.value;
        EXPECT_EQ(mask.DrawFlags, c.drawFlags) << c.value;
    }
    TsMaskData mask = Named();
    EXPECT_EQ(ErrorOf([&] { ReadMasterRectValue("#B (0,0,9,9) (3,1,2,x)", mask); }),
              "'x' is not a valid integer value");
}

TEST(ImageValueForms, ExternalFileWords)
{
    const TExternalImageValue few = ReadExternalValue("!BTN.PNG!3!1");
    EXPECT_EQ(few.FileName, "BTN.PNG");
    EXPECT_EQ(few.FrameCount, 3);
    EXPECT_EQ(few.MaskBands, 1);
    EXPECT_EQ(few.ImageKind, 0);
    EXPECT_FALSE(few.HasBorders);
    EXPECT_EQ(few.DrawFlags, 1);

    const TExternalImageValue all = ReadExternalValue("!BTN.BMP!2!0!9!1!2!3!4!6");
    EXPECT_EQ(all.ImageKind, 4); // limited to 0..4
    EXPECT_TRUE(all.HasBorders);
    EXPECT_EQ(all.Borders[3], 4);
    EXPECT_EQ(all.DrawFlags, 6);
}

TEST(MaskBorders, OwnWidthThenCommonWidthThenWholeFrameOrBand)
{
    struct Case {
        const char* name;
        int frames, bands, borderWidth, left, top;
        int expectLeft, expectRight, expectTop, expectBottom;
    } cases[] = {
        {"own widths", 3, 1, 7, 4, 5, 4, 7, 5, 7},
        {"common width", 3, 1, 7, 0, 0, 7, 7, 7, 7},
        {"whole frame and band", 3, 1, 0, 0, 0, 30, 30, 20, 20},
        {"no frames count as one", 0, 0, 0, 0, 0, 90, 90, 40, 40},
        {"negative bands: no band", 3, -1, 0, 0, 0, 30, 30, 0, 0},
    };
    for (const Case& c : cases) {
        TsMaskData mask;
        mask.SourceRect = {0, 0, 90, 40};
        mask.FrameCount = c.frames;
        mask.MaskBands = c.bands;
        mask.BorderWidth = c.borderWidth;
        mask.LeftWidth = c.left;
        mask.TopWidth = c.top;
        EXPECT_EQ(MaskLeftBorder(mask), c.expectLeft) << c.name;
        EXPECT_EQ(MaskRightBorder(mask), c.expectRight) << c.name;
        EXPECT_EQ(MaskTopBorder(mask), c.expectTop) << c.name;
        EXPECT_EQ(MaskBottomBorder(mask), c.expectBottom) << c.name;
    }
}

} // namespace
} // namespace pp
