#include "toolkit/BitBtn.h"
#include "skin/controls/BitBtnLayout.h"
#include "skin/controls/sBitBtnWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace pp {
namespace {

TEST(BitBtnLayoutTest, PlacesGlyphAndCaption)
{
    using P = TGlyphPlace;
    using A = TGroupAlignment;
    struct Case {
        const char* name;
        P place;
        A alignment;
        int width, height, margin, spacing;
        TSize glyph, text;
        TPoint glyphPos;
        TPoint captionPos;
        bool rightToLeft = false;
    };
    const TSize glyph{18, 19};
    const TSize text{14, 13};
    const Case cases[] = {
        // margin = (75 - (18 + 4 + 14) + 1) div 2 = 20
        {"defaults", P::Left, A::Center, 75, 25, -1, 4, glyph, text, {20, 3}, {42, 6}},
        {"caption alone is centred", P::Left, A::Center, 75, 25, -1, 4, {0, 0}, {30, 13}, {23, 13}, {23, 6}},
        {"glyph alone is centred", P::Left, A::Center, 75, 25, -1, 4, glyph, {0, 0}, {29, 3}, {47, 13}},
        {"glyph right", P::Right, A::Center, 75, 25, -1, 4, glyph, text, {37, 3}, {19, 6}},
        {"left justified", P::Left, A::Left, 75, 25, -1, 4, glyph, text, {2, 3}, {24, 6}},
        {"right justified", P::Left, A::Right, 75, 25, -1, 4, glyph, text, {37, 3}, {59, 6}},
        {"spread spacing", P::Left, A::Center, 75, 25, -1, -1, glyph, text, {14, 3}, {46, 6}},
        {"fixed margin, spread spacing", P::Left, A::Left, 75, 25, 5, -1, glyph, text, {5, 3}, {42, 6}},
        {"glyph top", P::Top, A::Center, 75, 50, -1, 4, glyph, text, {29, 7}, {31, 30}},
        {"glyph bottom", P::Bottom, A::Center, 75, 50, -1, 4, glyph, text, {29, 24}, {31, 7}},
        {"right to left mirrors", P::Left, A::Center, 75, 25, -1, 4, glyph, text, {37, 3}, {19, 6}, true},
    };
    for (const Case& c : cases) {
        TBitBtnLayoutInput input;
        input.Client = {0, 0, c.width, c.height};
        input.Place = c.place;
        input.Alignment = c.alignment;
        input.Margin = c.margin;
        input.Spacing = c.spacing;
        input.GlyphSize = c.glyph;
        input.TextSize = c.text;
        input.RightToLeft = c.rightToLeft;
        const TBitBtnLayoutResult r = LayoutBitBtn(input);
        EXPECT_EQ(r.GlyphPos, c.glyphPos) << c.name;
        EXPECT_EQ((TPoint{r.CaptionRect.Left, r.CaptionRect.Top}), c.captionPos) << c.name;
        EXPECT_EQ(r.CaptionRect.Height(), c.text.Height) << c.name;
    }
}

TEST(BitBtnLayoutTest, LeftJustifiedCaptionIsCutAtTheMargin)
{
    TBitBtnLayoutInput input;
    input.Client = {0, 0, 40, 25};
    input.Alignment = TGroupAlignment::Left;
    input.GlyphSize = {18, 19};
    input.TextSize = {60, 13};
    const TBitBtnLayoutResult r = LayoutBitBtn(input);
    EXPECT_EQ(r.CaptionRect.Right, 38);

    input.Client = {5, 7, 45, 32};
    const TBitBtnLayoutResult moved = LayoutBitBtn(input);
    EXPECT_EQ(moved.GlyphPos, (TPoint{r.GlyphPos.X + 5, r.GlyphPos.Y + 7}))
        << "offset by the client rectangle";
}

class BitBtnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        form = new TForm(Application);
        button = new TsBitBtn(form);
        button->SetParent(form);
        button->SetBounds(0, 0, 75, 25);
    }
    void TearDown() override { delete form; }

    TBitmap Paint()
    {
        TBitmap image(button->Width(), button->Height(), TPixelFormat::pf32bit);
        button->PaintUnskinned(image, false);
        return image;
    }

    TForm* form = nullptr;
    TsBitBtn* button = nullptr;
};

constexpr TColor Ink = clRed;
constexpr TColor Green = 0x00FF00;
constexpr TColor Olive = 0x008080;

TColor At(const TBitmap& image, int x, int y) { return image.PixelColor(x, y) & 0xFFFFFF; }

// A 24-bit strip of 4 x 4 images: the first red with an olive key at its
// bottom-left, the second green.
TBitmap RedGreenStrip()
{
    TBitmap strip(8, 4, TPixelFormat::pf32bit);
    strip.Fill(PixelFromColor(Green));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            strip.Pixel32(x, y) = PixelFromColor(Ink);
    strip.Pixel32(0, 3) = PixelFromColor(Olive);
    strip.SetFormat(TPixelFormat::pf24bit);
    return strip;
}

// 8 x 6 entries: blue, then green with a fuchsia corner at (0, 0).
std::unique_ptr<TImageList> BlueGreenList()
{
    auto list = std::make_unique<TImageList>(nullptr);
    list->SetSize(8, 6);
    TBitmap entry(8, 6, TPixelFormat::pf32bit);
    entry.Fill(PixelFromColor(0xFF0000));
    list->Add(entry);
    entry.Fill(PixelFromColor(Green));
    entry.Pixel32(0, 0) = PixelFromColor(clKeyColor);
    list->Add(entry);
    return list;
}

// Halfway from the face to the ink, channel by channel, give or take the
// rounding of one step.
void ExpectHalfway(TColor drawn, TColor face, TColor ink, const char* name)
{
    for (int shift : {0, 8, 16}) {
        const int half =
            (static_cast<int>((face >> shift) & 0xFF) + static_cast<int>((ink >> shift) & 0xFF)) / 2;
        EXPECT_LE(std::abs(static_cast<int>((drawn >> shift) & 0xFF) - half), 1)
            << name << ", bits " << shift;
    }
}

// Without a caption the glyph is centred: an 8 x 6 list image at
// ((75 - 8 + 1) div 2, (25 - 6 + 1) div 2) = (34, 10), the 8 x 4 glyph
// bitmap, one image, at (34, (25 - 4 + 1) div 2) = (34, 11).
TEST_F(BitBtnTest, ListImageReplacesTheGlyphOnlyWhenTheListHoldsTheIndex)
{
    button->SetCaption("");
    button->SetGlyph(RedGreenStrip());
    auto list = BlueGreenList();
    struct Case {
        const char* name;
        bool useList;
        int index;
        bool listDrawn;
    };
    const Case cases[] = {
        {"list image 1", true, 1, true},
        {"index past the list", true, 2, false},
        {"no index", true, -1, false},
        {"index without a list", false, 1, false},
    };
    for (const Case& c : cases) {
        button->SetImages(c.useList ? list.get() : nullptr);
        button->SetImageIndex(c.index);
        EXPECT_EQ(button->UsesListImage(), c.listDrawn) << c.name;
        const TBitmap image = Paint();
        if (c.listDrawn) {
            EXPECT_EQ(At(image, 35, 11), Green) << c.name;
            EXPECT_EQ(At(image, 41, 15), Green) << c.name << ": the whole entry";
            EXPECT_NE(At(image, 34, 10), clKeyColor) << c.name << ": fuchsia is left out";
        } else {
            EXPECT_EQ(At(image, 35, 11), Ink) << c.name;
            EXPECT_NE(At(image, 41, 15), Green) << c.name << ": below the glyph";
        }
    }

    button->SetImages(list.get());
    list->Delete(1);
    EXPECT_FALSE(button->UsesListImage()) << "the entry is gone";
    list.reset();
    EXPECT_EQ(button->Images(), nullptr) << "a freed list is forgotten";
    EXPECT_EQ(At(Paint(), 35, 11), Ink);
}

TEST_F(BitBtnTest, LoadingWithAListImageDropsTheGlyph)
{
    auto list = BlueGreenList();
    const std::pair<int, bool> cases[] = {{0, true}, {5, false}};
    for (const auto& [index, dropped] : cases) {
        TsBitBtn loaded(form);
        loaded.BeginLoading();
        loaded.SetKind(TBitBtnKind::bkAll);
        loaded.SetImages(list.get());
        loaded.SetImageIndex(index);
        loaded.Loaded();
        EXPECT_EQ(loaded.Glyph().Empty(), dropped) << index;
    }
}

// A strip carries its own look, so a disabled button draws its first image
// as it is; a single image is greyed and faded as DisabledGlyphKind says.
// The list image is only greyed without a skin.
TEST_F(BitBtnTest, DisabledGlyphLook)
{
    button->SetCaption("");
    button->SetEnabled(false);
    const TBitmap face = Paint();
    const TColor grey = 0x4C4C4C;      // red: 255 * 77 >> 8 = 76
    const TColor greenGrey = 0x969696; // green: 255 * 151 >> 8 = 150
    auto list = BlueGreenList();
    enum class Source { Strip, Single, List };
    struct Case {
        const char* name;
        Source source;
        unsigned kind;
        TPoint probe;
        TColor ink;
        bool halfway;
    };
    const Case cases[] = {
        {"strip, blended", Source::Strip, dgBlended, {37, 11}, Ink, false},
        {"strip, greyed and blended", Source::Strip, dgBlended | dgGrayed, {37, 11}, Ink, false},
        {"single, blended", Source::Single, dgBlended, {35, 11}, Ink, true},
        {"single, greyed", Source::Single, dgGrayed, {35, 11}, grey, false},
        {"single, greyed and blended", Source::Single, dgBlended | dgGrayed, {35, 11}, grey, true},
        {"single, neither", Source::Single, 0, {35, 11}, Ink, false},
        {"list, blended", Source::List, dgBlended, {35, 11}, Green, false},
        {"list, greyed", Source::List, dgGrayed, {35, 11}, greenGrey, false},
    };
    for (const Case& c : cases) {
        button->SetGlyph(RedGreenStrip());
        button->SetNumGlyphs(c.source == Source::Strip ? 2 : 1);
        button->SetImages(c.source == Source::List ? list.get() : nullptr);
        button->SetImageIndex(1);
        button->SetDisabledGlyphKind(c.kind);
        const TColor drawn = At(Paint(), c.probe.X, c.probe.Y);
        if (c.halfway)
            ExpectHalfway(drawn, At(face, c.probe.X, c.probe.Y), c.ink, c.name);
        else
            EXPECT_EQ(drawn, c.ink) << c.name;
    }
}

TEST_F(BitBtnTest, BlendIsClamped)
{
    const std::pair<int, int> cases[] = {{150, 100}, {-5, 0}, {30, 30}};
    for (const auto& [given, stored] : cases) {
        button->SetBlend(given);
        EXPECT_EQ(button->Blend(), stored) << given;
    }
}

TEST_F(BitBtnTest, AllKindDrawsItsFirstGlyphImage)
{
    button->SetKind(TBitBtnKind::bkAll);
    EXPECT_EQ(button->Caption(), "&All");
    const TBitmap& glyph = button->Glyph();
    ASSERT_EQ(glyph.Width(), 36);
    ASSERT_EQ(glyph.Height(), 19);
    for (TButtonPaintState state : {TButtonPaintState::Normal, TButtonPaintState::Hot,
                                    TButtonPaintState::Pressed, TButtonPaintState::Default})
        EXPECT_EQ(button->GlyphImageIndex(state), 0);

    const TBitmap image = Paint();
    TBitmap scratch(75, 25, TPixelFormat::pf32bit);
    TBitmapCanvas canvas(scratch);
    const TBitBtnLayoutResult layout = button->ComputeLayout(canvas);
    const TColor key = glyph.PixelColor(0, glyph.Height() - 1);
    int compared = 0;
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 18; ++x) {
            const TColor wanted = glyph.PixelColor(x, y);
            if (wanted == key)
                continue;
            EXPECT_EQ(image.PixelColor(layout.GlyphPos.X + x, layout.GlyphPos.Y + y) & 0xFFFFFF,
                      wanted & 0xFFFFFF)
                << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, 20);
}

TEST_F(BitBtnTest, DisabledCaptionIsEmbossed)
{
    button->SetCaption("Abort");
    button->SetEnabled(false);
    const TBitmap image = Paint();
    const TColor highlight = ColorToRGB(SystemColorFlag | COLOR_BTNHIGHLIGHT_INDEX) & 0xFFFFFF;
    const TColor shadow = ColorToRGB(SystemColorFlag | COLOR_BTNSHADOW_INDEX) & 0xFFFFFF;
    int pairs = 0;
    for (int y = 4; y < 20; ++y)
        for (int x = 4; x < 70; ++x)
            if ((image.PixelColor(x, y) & 0xFFFFFF) == shadow &&
                (image.PixelColor(x + 1, y + 1) & 0xFFFFFF) == highlight)
                ++pairs;
    EXPECT_GT(pairs, 5) << "shadow text with its highlight copy one pixel down and right";
}

// Themed or classic, whichever the platform offers: focus and press must
// each change the face.
TEST_F(BitBtnTest, FaceShowsFocusAndPress)
{
    const auto face = [&](bool focused, bool down) {
        button->SetDown(down);
        TBitmap image(75, 25, TPixelFormat::pf32bit);
        button->PaintUnskinned(image, focused);
        std::vector<TColor> pixels;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                pixels.push_back(image.PixelColor(x, y) & 0xFFFFFF);
        return pixels;
    };
    const auto normal = face(false, false);
    EXPECT_NE(face(true, false), normal) << "focus";
    EXPECT_NE(face(false, true), normal) << "pressed";
    EXPECT_EQ(face(false, false), normal) << "painting is repeatable";
}

TEST_F(BitBtnTest, MouseEnterAndLeave)
{
    int enters = 0, leaves = 0;
    button->OnMouseEnter = [&](TObject*) { ++enters; };
    button->OnMouseLeave = [&](TObject*) { ++leaves; };
    button->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(button->MouseInside());
    EXPECT_EQ(button->PaintState(), TButtonPaintState::Hot);
    button->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(button->MouseInside());
    button->SetEnabled(false);
    button->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(button->MouseInside());
    EXPECT_EQ(enters, 1) << "a disabled button fires no event";
    EXPECT_EQ(leaves, 1);
}

TEST_F(BitBtnTest, DownHoldsThePressedState)
{
    EXPECT_EQ(button->PaintState(), TButtonPaintState::Normal);
    button->SetDefault(true);
    EXPECT_EQ(button->PaintState(), TButtonPaintState::Default);
    button->SetDown(true);
    EXPECT_EQ(button->PaintState(), TButtonPaintState::Pressed);
}

} // namespace
} // namespace pp
