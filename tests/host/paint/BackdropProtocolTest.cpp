// Asking the parent what lies behind: the fallbacks when nobody answers,
// what item painting makes of an answer, and a chain of parents that pass
// the question on.
#include "PaintFixture.h"

#include "skin/paint/BackdropParent.h"
#include "skin/paint/RenderItem.h"

#include <gtest/gtest.h>

#include <optional>

namespace pp::test {
namespace {

// A parent that answers as told and records what it was asked.
class TFakeParent : public TBackdropParent {
public:
    std::optional<BackdropRequest> Answer;
    TColor Fallback = MakeColor(1, 2, 3);
    int PaintCalls = 0;
    BackdropRequest Received;

    void AskForBackdrop(BackdropRequest& request) override
    {
        Received = request;
        if (Answer)
            request = *Answer;
    }
    void PaintIntoTarget(const BackdropRequest&) override { ++PaintCalls; }
    TColor FallbackColor() override { return Fallback; }
};

BackdropRequest Stale()
{
    static const TBitmap old(1, 1);
    BackdropRequest r;
    r.Image = &old;
    r.Kind = bkImage;
    r.Margins[0] = r.Margins[3] = 7;
    return r;
}

TEST(RequestParentBackdrop, ClearsTheRequestBeforeAsking)
{
    TFakeParent parent;
    parent.Answer = BackdropRequest{};
    parent.Answer->Kind = bkColor;
    BackdropRequest request = Stale();
    RequestParentBackdrop(request, parent, true);
    EXPECT_EQ(parent.Received.Image, nullptr);
    EXPECT_EQ(parent.Received.Kind, bkNoAnswer);
    EXPECT_EQ(parent.Received.Margins[0], 0);
    EXPECT_EQ(parent.Received.Margins[3], 0);
    EXPECT_EQ(parent.Received.PaintNow, 1);
}

TEST(RequestParentBackdrop, FallsBackToPaintingOrToTheParentsColourWhenNobodyAnswers)
{
    struct TCase {
        const char* Name;
        bool Answered;
        bool PaintNow;
        std::uint8_t Kind;
        TColor Color;
        int PaintCalls;
    } cases[] = {
        {"answered", true, false, bkImage, 0, 0},
        {"answered, paint now", true, true, bkImage, 0, 0},
        {"unanswered", false, false, bkColor, MakeColor(1, 2, 3), 0},
        {"unanswered, paint now", false, true, bkNoAnswer, 0, 1},
    };
    for (const TCase& c : cases) {
        TFakeParent parent;
        if (c.Answered) {
            parent.Answer = BackdropRequest{};
            parent.Answer->Kind = bkImage;
        }
        BackdropRequest request;
        RequestParentBackdrop(request, parent, c.PaintNow);
        EXPECT_EQ(request.Kind, c.Kind) << c.Name;
        EXPECT_EQ(request.Color, c.Color) << c.Name;
        EXPECT_EQ(parent.PaintCalls, c.PaintCalls) << c.Name;
    }
}

TEST(BackdropFromRequest, AnImageAnswerIsReadAColourAnswerKeepsItsImageForTheMargins)
{
    const TBitmap cache(4, 4);
    BackdropRequest image;
    image.Kind = bkImage;
    image.Image = &cache;
    image.OffsetX = 3;
    image.OffsetY = 4;
    image.Color = 0x123456;
    image.Margins[1] = 5;
    const BackdropInfo fromImage = BackdropFromRequest(image);
    EXPECT_TRUE(fromImage.HasImage);
    EXPECT_EQ(fromImage.Image, &cache);
    EXPECT_EQ(fromImage.OffsetX, 3);
    EXPECT_EQ(fromImage.OffsetY, 4);
    EXPECT_EQ(fromImage.BackColor, clKeyColor);
    EXPECT_EQ(fromImage.Margins[1], 0);

    BackdropRequest colour = image;
    colour.Kind = bkColor;
    colour.Color = clBtnFace; // resolved: the classic scheme's button face
    const BackdropInfo fromColour = BackdropFromRequest(colour);
    EXPECT_FALSE(fromColour.HasImage);
    EXPECT_EQ(fromColour.Image, &cache);
    EXPECT_EQ(fromColour.BackColor, 0xC8D0D4u);
    EXPECT_EQ(fromColour.Margins[1], 5);
    EXPECT_EQ(fromColour.OffsetX, 3);
}

// The form answers with its cached image.
class TForm : public TBackdropParent {
public:
    explicit TForm(const TBitmap& cache) : cache_(cache) { }
    void AskForBackdrop(BackdropRequest& request) override
    {
        request.Kind = bkImage;
        request.Image = &cache_;
        request.OffsetX = request.OffsetY = 0;
    }
    void PaintIntoTarget(const BackdropRequest&) override { }
    TColor FallbackColor() override { return 0; }

private:
    const TBitmap& cache_;
};

// A transparent panel passes the question on to its own parent and adds
// its place in that parent to an image answer.
class TPassingPanel : public TBackdropParent {
public:
    TPassingPanel(TBackdropParent& parent, TPoint position) : parent_(parent), position_(position) { }
    void AskForBackdrop(BackdropRequest& request) override
    {
        RequestParentBackdrop(request, parent_, request.PaintNow != 0);
        if (request.Kind == bkImage)
            AddRequesterPosition(request, position_);
    }
    void PaintIntoTarget(const BackdropRequest&) override { }
    TColor FallbackColor() override { return 0; }

private:
    TBackdropParent& parent_;
    TPoint position_;
};

TEST(BackdropChain, AButtonOnATransparentPanelGetsExactlyTheFormsPixelsBehindIt)
{
    const TBitmap formCache = PixelsBy(40, 30, [](int x, int y) {
        return 0xFF000000u | std::uint32_t(x) << 16 | std::uint32_t(y) << 8 | 0x5A;
    });
    TForm form(formCache);
    const TPoint panelInForm{7, 5}, buttonInPanel{4, 3};
    TPassingPanel panel(form, panelInForm);

    BackdropRequest request;
    RequestParentBackdrop(request, panel, false);
    ASSERT_EQ(request.Kind, bkImage);
    AddRequesterPosition(request, buttonInPanel);

    TFixtureSkin fixture;
    TsGeneralData& section = fixture.AddSection("BUTTON", MakeColor(9, 9, 9), MakeColor(9, 9, 9));
    section.Props[0].Transparency = section.Props[1].Transparency = 100;
    TsItemBinding binding;
    binding.Skin = &fixture.Skin();
    binding.SectionIndex = 0;
    TBitmap button(8, 6);
    RenderItem(binding, BackdropFromRequest(request), true, button, {0, 0}, button.Bounds(), 0);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(At(button, x, y), At(formCache, x + 11, y + 8)) << x << "," << y;
}

} // namespace
} // namespace pp::test
