#include "skin/paint/GlowWin32.h"

#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/EffectFormWin32.h"
#include "skin/paint/GlowGeometry.h"
#include "skin/paint/LayeredWindowWin32.h"
#include "skin/paint/SkinImage.h"
#include "toolkit/Application.h"
#include "toolkit/WinControl.h"
#include "win/Handles.h"

namespace pp {
namespace {

TBitmap GlowPicture(const TSkinImage& image, const TGlowPlacement& placement)
{
    TBitmap picture(placement.FullSize.Width, placement.FullSize.Height);
    picture.Fill(TBGRA{0, 0, 0, 0});
    BackdropInfo none;
    none.BackColor = clKeyColor;
    // The picture goes to a window with per-pixel alpha: its alpha must
    // stay valid where the image is drawn through its mask.
    DrawBorderMaskKeepingAlpha(picture, picture.Bounds(), false, 0, image, none);
    return picture;
}

void ShowGlowWindow(TacGlowEffect& glow, const TBitmap& picture, const TGlowPlacement& placement, HWND above,
                    int alpha)
{
    glow.Window = new TacEffectForm(nullptr, WS_EX_LAYERED | WS_EX_TRANSPARENT, true);
    glow.Window->SetBounds(placement.Window.Left, placement.Window.Top, placement.Window.Width(),
                           placement.Window.Height());
    TLayeredPush push;
    push.Window = glow.Window->Handle();
    push.Position = {placement.Window.Left, placement.Window.Top};
    push.Size = {placement.Window.Width(), placement.Window.Height()};
    push.Picture = &picture;
    push.Source = {placement.Source.Left, placement.Source.Top};
    push.Alpha = alpha;
    PushLayeredWindow(push);
    glow.Window->ShowAbove(above, placement.Window);
}

int nextGlowHandle = 0;

void CloseGlowWindow(TacGlowEffect& glow, bool freeNow)
{
    TacEffectForm* window = std::exchange(glow.Window, nullptr);
    if (!window)
        return;
    if (freeNow || (Application && Application->Terminated())) {
        delete window;
        return;
    }
    // The window may be in the middle of a message of its own: it goes
    // once its pending messages are done, and disappears now.
    ShowWindow(window->Handle(), SW_HIDE);
    window->Release();
}

// The control's rectangle on screen and the part of it not hidden by its
// parents, in its own coordinates.
struct TShownPart {
    TRect Screen;
    TRect Visible;
};

TRect WindowClipBox(HWND window)
{
    const TWindowDCHandle dc(window);
    RECT box{};
    if (!dc.Get() || GetClipBox(dc.Get(), &box) == ERROR)
        return {};
    return {box.left, box.top, box.right, box.bottom};
}

TShownPart ShownPartOfWindow(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {{r.left, r.top, r.right, r.bottom}, WindowClipBox(window)};
}

TShownPart ShownPartOfControl(TControl& control)
{
    const TPoint origin = control.ClientToScreen({0, 0});
    const TRect screen = TRect::FromBounds(origin.X, origin.Y, control.Width(), control.Height());
    if (auto* windowed = dynamic_cast<TWinControl*>(&control))
        return {screen, WindowClipBox(windowed->Handle())};
    TWinControl* parent = control.Parent();
    if (!parent || !parent->HandleAllocated())
        return {screen, {}};
    const TRect box = WindowClipBox(parent->Handle()).Offset(-control.Left(), -control.Top());
    return {screen, IntersectRect(box, {0, 0, control.Width(), control.Height()})};
}

// A control's glow stays above its form (or the form's parent window).
HWND GlowAboveWindow(TControl& control)
{
    TCustomForm* form = TCustomForm::GetParentForm(&control);
    if (!form)
        return nullptr;
    if (form->Parent() && form->Parent()->HandleAllocated())
        return form->Parent()->Handle();
    return form->Handle();
}

bool MouseOver(const TRect& screen)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    return screen.Contains({cursor.x, cursor.y});
}

// Glowing is on for this binding: allowed by its manager, and asked for by its section.
const TsGeneralData* GlowingSection(const TAnimationBinding& binding)
{
    const TsGeneralData* section = AnimatedSection(binding);
    if (!section || !binding.SkinManager()->Effects.AllowGlowing() || section->GlowCount < 1)
        return nullptr;
    return section;
}

void UpdateGlow(TAnimationBinding& binding, const TShownPart& shown, HWND above, bool leaving)
{
    const TsGeneralData* section = GlowingSection(binding);
    if (!section)
        return;
    int& handle = binding.GlowHandle();
    const bool pressed = GetKeyState(VK_LBUTTON) < 0;
    if (!MouseOver(shown.Screen) || pressed || (leaving && handle >= 0)) {
        RemoveGlow(handle);
        return;
    }
    if (handle >= 0)
        return;
    handle = CreateGlow(shown.Screen, shown.Visible, section->SectionName, *binding.SkinManager(), above, 255,
                        section->GlowMargin);
}

} // namespace

std::map<int, std::unique_ptr<TacGlowEffect>>& TacGlowEffects()
{
    static std::map<int, std::unique_ptr<TacGlowEffect>> glows;
    return glows;
}

int CreateGlow(const TRect& controlRect, const TRect& visible, const std::string& section,
               TsSkinManager& manager, HWND above, int alpha, int margin, const std::string& baseName)
{
    if (!LayeredWindowsAvailable())
        return -1;
    const int sectionIndex = manager.GetSkinIndex(section);
    const int maskIndex = manager.GetMaskIndex(sectionIndex, section, baseName + "0");
    const auto image = SkinImageAt(manager.Skin(), maskIndex);
    if (!image)
        return -1;
    const auto placement = PlaceGlow(controlRect, visible,
                                     {image->Left, image->Top, image->Right, image->Bottom}, margin);
    if (!placement)
        return -1;
    auto glow = std::make_unique<TacGlowEffect>();
    glow->Manager = &manager;
    glow->MaskIndex = maskIndex;
    glow->Margin = margin;
    ShowGlowWindow(*glow, GlowPicture(*image, *placement), *placement, above, alpha);
    const int handle = nextGlowHandle++;
    TacGlowEffects()[handle] = std::move(glow);
    return handle;
}

void RemoveGlow(int& handle)
{
    const auto found = TacGlowEffects().find(handle);
    handle = -1;
    if (found == TacGlowEffects().end())
        return;
    TacGlowEffect& glow = *found->second;
    CloseGlowWindow(glow, glow.Manager && glow.Manager->IsDestroying());
    TacGlowEffects().erase(found);
}

void RemoveAllGlows(bool freeWindows)
{
    for (auto& [handle, glow] : TacGlowEffects())
        CloseGlowWindow(*glow, freeWindows);
    TacGlowEffects().clear();
}

void UpdateControlGlow(TAnimationBinding& binding, bool leaving)
{
    TControl* control = binding.HostControl();
    if (!control || control->IsDestroying())
        return;
    UpdateGlow(binding, ShownPartOfControl(*control), GlowAboveWindow(*control), leaving);
}

void UpdateWindowGlow(TAnimationBinding& binding, HWND window, bool leaving)
{
    if (!IsWindow(window))
        return;
    UpdateGlow(binding, ShownPartOfWindow(window), GetAncestor(window, GA_ROOT), leaving);
}

} // namespace pp
