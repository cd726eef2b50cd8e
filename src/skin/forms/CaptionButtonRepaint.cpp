// How one caption button shows a new look: drawn straight into the frame
// image and onto the window, or faded in on an overlay with its glow.
#include "skin/forms/CaptionButtons.h"

#include "skin/forms/BitmapParts.h"
#include "skin/forms/FrameSkin.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/GlowWin32.h"
#include "skin/paint/LayeredWindowWin32.h"
#include "skin/paint/MaskImage.h"
#include "skin/paint/SkinImage.h"
#include "toolkit/Form.h"

namespace pp {
namespace {

// A glow's light added to a channel; transparent light adds nothing.
std::uint8_t AddLight(std::uint8_t base, std::uint8_t light, std::uint8_t alpha)
{
    return static_cast<std::uint8_t>(std::min(255, base + light * alpha / 255));
}

} // namespace

bool TCaptionButtons::GlowAllowed() const
{
    const TsSkinManager* manager = binding_.SkinManager();
    return manager && manager->Effects.AllowGlowing() && LayeredWindowsAvailable();
}

// Fades need layered windows and a top-level form.
bool TCaptionButtons::AnimatesButtons() const { return GlowAllowed() && !form_.Parent(); }

void TCaptionButtons::RepaintTitleButton(int code)
{
    TitleButtonSlot* slot = SlotOf(code);
    if (!slot || slot->State == tsNotDrawn || slot->Rect.IsEmpty() || !Window())
        return;
    const TsTitleButton* user = UserButtonOf(code);
    if (AnimatesButtons())
        Animate(*slot, user);
    else
        RepaintDirect(*slot, user);
}

void TCaptionButtons::RepaintDirect(TitleButtonSlot& slot, const TsTitleButton* user)
{
    TBitmap* image = binding_.CacheBitmap.get();
    if (!image || image->Width() <= 0 || slot.Rect.Left < frame_.IconRect().Right)
        return;
    GdiFlush();
    PasteArea(*image, strip_, stripAt_, slot.Rect);
    const bool enabled = user ? user->Enabled : ButtonEnabled(slot);
    const int mode = slot.State <= tsNormal && (!frame_.ActiveLook || !enabled) ? mmFaint : mmNormal;
    DrawSlot(*image, slot, slot.State, mode, user);
    frame_.CopyToWindow(slot.Rect);
    ++DirectRepaints;
    UpdateGlow(slot);
}

void TCaptionButtons::UpdateGlow(TitleButtonSlot& slot)
{
    const TsLoadedSkin* skin = binding_.Skin();
    TsSkinManager* manager = binding_.SkinManager();
    int size = 0, margin = 0;
    const char* base = nullptr;
    if (skin)
        switch (slot.HitCode) {
        case HitMinimize:
            size = skin->SkinData.MinGlowSize, margin = skin->SkinData.MinGlowMargin, base = "BICONMINGLOW";
            break;
        case HitMaximize:
            size = skin->SkinData.MaxGlowSize, margin = skin->SkinData.MaxGlowMargin, base = "BICONMAXGLOW";
            break;
        case HitClose:
            size = skin->SkinData.CloseGlowSize, margin = skin->SkinData.CloseGlowMargin,
            base = "BICONCLOSEGLOW";
            break;
        default: break;
        }
    RemoveGlow(slot.GlowId);
    if (slot.State != tsHot || size <= 0 || !base || !manager || form_.Parent() || !GlowAllowed())
        return;
    const TRect screen = ScreenRect(slot.Rect);
    slot.GlowId = CreateGlow(screen, {0, 0, screen.Width(), screen.Height()}, GlobalInfoSection, *manager,
                             Window(), 255, margin, base);
}

TOverlayPicture TCaptionButtons::OverlayFor(const TitleButtonSlot& slot, const TsTitleButton* user,
                                            int state) const
{
    // The button's look over the caption behind it, opaque.
    TBitmap button(slot.Rect.Width(), slot.Rect.Height());
    button.Fill(TBGRA{0, 0, 0, 0xFF});
    PasteArea(button, strip_, {stripAt_.X - slot.Rect.Left, stripAt_.Y - slot.Rect.Top}, button.Bounds());
    {
        TitleButtonSlot at;
        at.Rect = button.Bounds();
        at.ImageIndex = slot.ImageIndex;
        at.HitCode = slot.HitCode;
        DrawSlot(button, at, state, mmNormal, user);
    }
    for (int y = 0; y < button.Height(); ++y)
        for (int x = 0; x < button.Width(); ++x)
            button.Pixel32(x, y).A = 0xFF;
    TOverlayPicture overlay{std::move(button), ScreenRect(slot.Rect)};
    const TsLoadedSkin* skin = binding_.Skin();
    int glowSize = 0;
    const char* glowName = nullptr;
    if (skin && state == tsHot && GlowAllowed())
        switch (slot.HitCode) {
        case HitMinimize: glowSize = skin->SkinData.MinGlowSize, glowName = "BICONMINGLOW0"; break;
        case HitMaximize: glowSize = skin->SkinData.MaxGlowSize, glowName = "BICONMAXGLOW0"; break;
        case HitClose: glowSize = skin->SkinData.CloseGlowSize, glowName = "BICONCLOSEGLOW0"; break;
        default: break;
        }
    const auto glow = skin && glowName ? SkinImageAt(*skin, ImageFor(glowName)) : std::nullopt;
    if (!glow || glowSize <= 0)
        return overlay;
    // The halo around the hot button: the glow image stretched around it
    // (light on black, as skins draw glows), added to the frame image
    // beneath and cut to the window, so that the
    // overlay is opaque and looks the same with or without a compositing
    // display; the button in its middle.
    const TBitmap* frameImage = binding_.CacheBitmap.get();
    const TRect around = slot.Rect.Inflate(glowSize, glowSize);
    const TRect shown = frameImage ? IntersectRect(around, frameImage->Bounds()) : TRect{};
    if (shown.IsEmpty())
        return overlay;
    TBitmap halo(around.Width(), around.Height());
    halo.Fill(TBGRA{0, 0, 0, 0});
    BackdropInfo none;
    none.BackColor = clKeyColor;
    DrawBorderMaskKeepingAlpha(halo, halo.Bounds(), false, 0, *glow, none);
    TBitmap picture = CopyOfArea(*frameImage, shown);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const TBGRA& light = halo.Pixel32(x + shown.Left - around.Left, y + shown.Top - around.Top);
            TBGRA& p = picture.Pixel32(x, y);
            p = TBGRA{AddLight(p.B, light.B, light.A), AddLight(p.G, light.G, light.A),
                      AddLight(p.R, light.R, light.A), 0xFF};
        }
    PasteArea(picture, overlay.Picture, {slot.Rect.Left - shown.Left, slot.Rect.Top - shown.Top},
              picture.Bounds());
    return {std::move(picture), ScreenRect(shown)};
}

void TCaptionButtons::Animate(TitleButtonSlot& slot, const TsTitleButton* user)
{
    if (slot.State == tsNormal && !(slot.Animation && slot.Animation->Active()))
        return;
    if (!slot.Animation) {
        TacSBAnimation::THooks hooks;
        hooks.Form = Window();
        hooks.Picture = [this, &slot, user](int state) { return OverlayFor(slot, user, state); };
        hooks.CursorInside = [this, &slot] {
            POINT cursor{};
            GetCursorPos(&cursor);
            return ScreenRect(slot.Rect).Contains({cursor.x, cursor.y});
        };
        hooks.Left = [this] { SendMessageW(Window(), WM_MOUSELEAVE, 0, 0); };
        slot.Animation = std::make_unique<TacSBAnimation>(slot, std::move(hooks));
    }
    slot.Animation->Start(std::max(0, slot.State));
}

void TCaptionButtons::StopAnimations()
{
    const auto stop = [](TitleButtonSlot& slot) {
        if (slot.Animation)
            slot.Animation->Stop();
        RemoveGlow(slot.GlowId);
    };
    for (TitleButtonSlot& slot : slots_)
        stop(slot);
    for (int i = 0; i < userButtons_.Count(); ++i)
        stop(userButtons_.Items(i).Slot);
}

} // namespace pp
