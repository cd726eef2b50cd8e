// The bitmap button's kinds and its owner drawing.
#include "toolkit/BitBtn.h"
#include "MessageWatch.h"
#include "support/WinTestSupport.h"
#include "toolkit/Form.h"
#include "toolkit/FormBuilder.h"

#include <gtest/gtest.h>

namespace pp::test {
namespace {

TEST(BitBtnTest, KindsSetCaptionGlyphModalResultAndRoles)
{
    struct TCase {
        TBitBtnKind Kind;
        const char* Caption;
        TModalResult Result;
        int GlyphHeight;
        bool IsDefault;
        bool IsCancel;
    };
    const TCase cases[] = {
        {TBitBtnKind::bkAll, "&All", 8, 19, false, false},
        {TBitBtnKind::bkAbort, "Abort", mrAbort, 18, false, false},
        {TBitBtnKind::bkOK, "OK", mrOk, 18, true, false},
        {TBitBtnKind::bkCancel, "Cancel", mrCancel, 18, false, true},
        {TBitBtnKind::bkNo, "&No", mrNo, 18, false, true},
    };
    TForm form(nullptr);
    for (const TCase& c : cases) {
        TBitBtn button(nullptr);
        button.SetParent(&form);
        button.SetKind(c.Kind);
        EXPECT_EQ(button.Caption(), c.Caption);
        EXPECT_EQ(button.ModalResult, c.Result);
        EXPECT_EQ(button.Default(), c.IsDefault) << c.Caption;
        EXPECT_EQ(button.Cancel, c.IsCancel) << c.Caption;
        EXPECT_EQ(button.NumGlyphs(), 2);
        EXPECT_EQ(button.Glyph().Width(), 36);
        EXPECT_EQ(button.Glyph().Height(), c.GlyphHeight);
        EXPECT_EQ(button.Glyph().Format(), TPixelFormat::pf4bit);
        button.SetParent(nullptr);
    }
}

class TBitBtnForm : public TForm {
public:
    explicit TBitBtnForm(TComponent* owner) : TForm(owner)
    {
        LoadFormDescription<TBitBtnForm>(*this, {nullptr,
                                                 {
                                                     Describe(&TBitBtnForm::Stored, "Stored",
                                                              [](TBitBtn& b, TBitBtnForm&) {
                                                                  b.SetCaption("Все");
                                                                  b.SetKind(TBitBtnKind::bkAll);
                                                              }),
                                                     Describe(&TBitBtnForm::Plain, "Plain",
                                                              [](TBitBtn& b, TBitBtnForm&) {
                                                                  b.SetBounds(80, 0, 75, 25);
                                                                  b.SetKind(TBitBtnKind::bkAbort);
                                                              }),
                                                 }});
    }
    TBitBtn* Stored = nullptr;
    TBitBtn* Plain = nullptr;
};

TEST(BitBtnTest, ACaptionStoredInTheDescriptionWinsOverTheKinds)
{
    TBitBtnForm form(nullptr);
    EXPECT_EQ(form.Stored->Caption(), "Все");
    EXPECT_EQ(form.Stored->ModalResult, 8);
    EXPECT_EQ(form.Plain->Caption(), "Abort");
    // Outside loading the kind sets the caption.
    form.Stored->SetKind(TBitBtnKind::bkOK);
    EXPECT_EQ(form.Stored->Caption(), "OK");
}

// Counts the owner-draw notices that reach a button's message method.
TEST(BitBtnTest, IsOwnerDrawnThroughItsMessageMethod)
{
    TBitBtnForm form(nullptr);
    EXPECT_EQ(GetWindowLongW(form.Plain->Handle(), GWL_STYLE) & 0xF, BS_OWNERDRAW);
    int draws = 0;
    TMessageWatch watch(*form.Plain, [&](const TMessage& m) { draws += m.Msg == CN_DRAWITEM; });
    form.Show();
    RedrawWindow(form.Plain->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(PumpMessagesUntil([&] { return draws > 0; }, 2s));
}

TEST(BitBtnTest, ClickOnAModalFormEndsItWithTheButtonsResult)
{
    TBitBtnForm form(nullptr);
    TModalWatcher watcher([&](HWND w) {
        if (w != form.HandleValue())
            return false;
        PostMessageW(form.Plain->Handle(), BM_CLICK, 0, 0);
        return true;
    });
    EXPECT_EQ(form.ShowModal(), mrAbort);
    EXPECT_FALSE(form.Visible());
}

} // namespace
} // namespace pp::test
