// Pictures of a control tree: skinned windows print themselves into the
// picture's context at their place, each clipped to its own size.
#include "animation/AnimationFixture.h"
#include "skin/paint/PaintWindowTreeWin32.h"
#include "skin/paint/SkinMessages.h"
#include "support/WinTestSupport.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

// Answers as a skinned control and prints itself as one colour, larger
// than itself (the clipping must hold it in).
class TPrintingControl : public TWinControl {
public:
    TPrintingControl(TWinControl* parent, TColor color) : TWinControl(nullptr), color_(color)
    {
        if (parent)
            SetParent(parent);
    }
    std::vector<LPARAM> PrintTargets;

    void WndProc(TMessage& message) override
    {
        if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SkinMsgIsSkinned) {
            message.Result = 1;
            return;
        }
        if (message.Msg == SM_SKINCOMMAND && SkinCommandOf(message.WParam) == SkinMsgSetPrintTarget) {
            PrintTargets.push_back(message.LParam);
            return;
        }
        if (message.Msg == WM_PRINT) {
            TBrushHandle brush(CreateSolidBrush(color_));
            RECT all{-50, -50, 500, 500};
            FillRect(reinterpret_cast<HDC>(message.WParam), &all, brush.Get());
            return;
        }
        TWinControl::WndProc(message);
    }

private:
    TColor color_;
};

TEST(PaintWindowTree, ChildrenPrintAtTheirPlaceClippedToTheirSize)
{
    TForm form(nullptr);
    TPrintingControl parent(&form, 0x0000FF); // red
    parent.SetBounds(0, 0, 40, 30);
    TPrintingControl child(&parent, 0xFF0000); // blue
    child.SetBounds(10, 5, 8, 6);
    parent.HandleNeeded();
    child.HandleNeeded();

    TBitmap picture(40, 30);
    PaintWindowTree(picture, parent);

    EXPECT_EQ(picture.Pixel32(0, 0).R, 255);
    EXPECT_EQ(picture.Pixel32(10, 5).B, 255) << "the child's top-left pixel";
    EXPECT_EQ(picture.Pixel32(17, 10).B, 255) << "its bottom-right pixel";
    EXPECT_EQ(picture.Pixel32(18, 10).R, 255) << "right of the child: the parent";
    EXPECT_EQ(picture.Pixel32(17, 11).R, 255) << "below the child: the parent";
    // Told the context before printing, and 0 afterwards.
    ASSERT_EQ(child.PrintTargets.size(), 2u);
    EXPECT_NE(child.PrintTargets[0], 0);
    EXPECT_EQ(child.PrintTargets[1], 0);
}

TEST(PaintWindowTree, ASeparateBorderMakesTheClientAreaOpaque)
{
    TForm host(nullptr);
    TPrintingControl form(&host, 0x00FF00);
    form.SetBounds(0, 0, 20, 20);
    form.HandleNeeded();
    TBitmap picture(30, 30);
    picture.Fill(TBGRA{0, 0, 0, 0});
    const TSeparateBorder border{{0, 0, 20, 20}, {5, 5}};
    PaintWindowTree(picture, form, &border);
    EXPECT_EQ(picture.Pixel32(5, 5).A, 255);
    EXPECT_EQ(picture.Pixel32(24, 24).A, 255);
    EXPECT_EQ(picture.Pixel32(25, 25).A, 0);
    EXPECT_EQ(picture.Pixel32(2, 2).A, 0);
}

// A framed, captioned form: its children sit below the caption and inside
// the frame in the picture, where the screen shows them.
TEST(PaintWindowTree, AFormsChildrenStartAtItsClientArea)
{
    TForm form(nullptr);
    form.SetCaption("Framed");
    form.SetBounds(50, 50, 200, 150);
    TPrintingControl child(&form, 0xFF0000); // blue
    child.SetBounds(10, 5, 8, 6);
    form.HandleNeeded();
    child.HandleNeeded();
    RECT outer{};
    GetWindowRect(form.HandleValue(), &outer);
    POINT client{0, 0};
    ClientToScreen(form.HandleValue(), &client);
    const int x = client.x - outer.left + 10, y = client.y - outer.top + 5;
    ASSERT_GT(y, 10) << "the form has a caption";

    TBitmap picture(outer.right - outer.left, outer.bottom - outer.top);
    picture.Fill(TBGRA{0, 0, 0, 0});
    PaintWindowTree(picture, form);
    EXPECT_EQ(picture.Pixel32(x, y).B, 255) << "the child's top-left pixel";
    EXPECT_EQ(picture.Pixel32(x + 7, y + 5).B, 255) << "its bottom-right pixel";
    EXPECT_NE(picture.Pixel32(10, 5).B, 255) << "not at the window's corner";
}

} // namespace
} // namespace pp::test
