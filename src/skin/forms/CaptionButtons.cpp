// The caption buttons' images, places and looks.
#include "skin/forms/CaptionButtons.h"

#include "skin/forms/BitmapParts.h"

#include "skin/forms/FrameSkin.h"
#include "skin/forms/NonClientHitTest.h"
#include "skin/forms/TitleButtonRules.h"
#include "skin/paint/MaskImage.h"
#include "skin/paint/SkinImage.h"
#include "toolkit/Form.h"

namespace pp {

bool TitleElementPressed = false;

namespace {

// A button whose skin image is missing still takes this much room.
constexpr int DefaultButtonSide = 21;
// The gap before the help button and before the user buttons.
constexpr int GroupGap = 6;

void DrawGlyph(TBitmap& target, const TBitmap& source, TPoint at)
{
    if (source.Width() <= 0 || source.Height() <= 0)
        return;
    const bool perPixel = source.Format() == TPixelFormat::pf32bit;
    TBitmap glyph = source;
    if (!perPixel)
        glyph.SetFormat(TPixelFormat::pf32bit);
    // Without per-pixel alpha the glyph's bottom-left pixel is its transparent colour.
    const TBGRA key = glyph.Pixel32(0, glyph.Height() - 1);
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x) {
            const int tx = at.X + x, ty = at.Y + y;
            if (tx < 0 || ty < 0 || tx >= target.Width() || ty >= target.Height())
                continue;
            const TBGRA p = glyph.Pixel32(x, y);
            TBGRA& d = target.Pixel32(tx, ty);
            if (perPixel) {
                const int a = p.A;
                d.B = static_cast<std::uint8_t>((p.B * a + d.B * (255 - a)) / 255);
                d.G = static_cast<std::uint8_t>((p.G * a + d.G * (255 - a)) / 255);
                d.R = static_cast<std::uint8_t>((p.R * a + d.R * (255 - a)) / 255);
            } else if (p.B != key.B || p.G != key.G || p.R != key.R) {
                d = TBGRA{p.B, p.G, p.R, 0xFF};
            }
        }
}

} // namespace

TCaptionButtons::TCaptionButtons(TCustomForm& form, TsCommonData& binding, TsFrameSkin& frame)
    : form_(form), binding_(binding), frame_(frame), userButtons_([this] { frame_.RepaintFrame(); })
{
    slots_[csMinimize].HitCode = HitMinimize;
    slots_[csMaximize].HitCode = HitMaximize;
    slots_[csClose].HitCode = HitClose;
    slots_[csHelp].HitCode = HitHelp;
}

TCaptionButtons::~TCaptionButtons()
{
    *alive_ = false;
    StopAnimations();
}

HWND TCaptionButtons::Window() const { return form_.HandleValue(); }

TitleButtonSlot* TCaptionButtons::SlotOf(int code)
{
    for (TitleButtonSlot& slot : slots_)
        if (slot.HitCode == code)
            return &slot;
    if (TsTitleButton* user = UserButtonOf(code))
        return &user->Slot;
    return nullptr;
}

TsTitleButton* TCaptionButtons::UserButtonOf(int code)
{
    const int index = code - HitUserButton;
    if (index < 0 || index >= userButtons_.Count())
        return nullptr;
    TsTitleButton& button = userButtons_.Items(index);
    return button.Visible() ? &button : nullptr;
}

int TCaptionButtons::ImageFor(const char* key) const
{
    const TsLoadedSkin* skin = binding_.Skin();
    if (!skin)
        return -1;
    const int global = skin->GetSkinIndex(GlobalInfoSection);
    return global < 0 ? -1 : skin->GetMaskIndex(global, GlobalInfoSection, key);
}

std::optional<TSkinImage> TCaptionButtons::ImageOf(const TitleButtonSlot& slot) const
{
    const TsLoadedSkin* skin = binding_.Skin();
    return skin ? SkinImageAt(*skin, slot.ImageIndex) : std::nullopt;
}

void TCaptionButtons::LookUpImages()
{
    LargeTitleButtons = HasLargeTitleButtons(form_);
    for (TitleButtonSlot& slot : slots_) {
        slot.ImageIndex = -1;
        slot.Big = false;
    }
    const TsLoadedSkin* skin = binding_.Skin();
    if (!skin || skin->GetSkinIndex(GlobalInfoSection) < 0)
        return;
    const bool minimizedSecondary = IsMinimizedSecondaryForm(form_);
    const bool maximized = Window() && IsZoomed(Window());
    const auto big = [&] {
        slots_[csMinimize].ImageIndex = ImageFor(minimizedSecondary ? "BICONNORM" : "BICONMIN");
        slots_[csMaximize].ImageIndex = ImageFor(maximized ? "BICONNORM" : "BICONMAX");
        const bool alone = !VisibleMaxButton(form_) && !VisibleMinButton(form_);
        const int closeAlone = alone ? ImageFor("BICLOSEALONE") : -1;
        slots_[csClose].ImageIndex = closeAlone >= 0 ? closeAlone : ImageFor("BICONCLOSE");
        slots_[csHelp].ImageIndex = ImageFor("BICONHELP");
        slots_[csMinimize].Big = slots_[csMaximize].Big = slots_[csClose].Big = true;
    };
    if (LargeTitleButtons) {
        big();
    } else {
        slots_[csClose].ImageIndex = ImageFor("SICONCLOSE");
        slots_[csMinimize].ImageIndex = ImageFor(minimizedSecondary ? "SICONNORM" : "SICONMIN");
        slots_[csMaximize].ImageIndex = ImageFor(maximized ? "SICONNORM" : "SICONMAX");
        const int help = ImageFor("SICONHELP");
        slots_[csHelp].ImageIndex = help >= 0 ? help : ImageFor("BICONHELP");
    }
    if (slots_[csClose].ImageIndex < 0) {
        big();
        slots_[csHelp].Big = true;
    }
    const int userImage = ImageFor("TITLEBUTTON");
    for (int i = 0; i < userButtons_.Count(); ++i) {
        TsTitleButton& button = userButtons_.Items(i);
        button.Slot.ImageIndex = button.UseSkinData ? userImage : -1;
    }
}

int TCaptionButtons::ButtonWidth(const TitleButtonSlot& slot) const
{
    const auto image = ImageOf(slot);
    return image && image->StateWidth() > 0 ? image->StateWidth() : DefaultButtonSide;
}

int TCaptionButtons::ButtonHeight() const
{
    const auto image = ImageOf(slots_[csClose]);
    return image && image->StateHeight() > 0 ? image->StateHeight() : DefaultButtonSide;
}

int TCaptionButtons::UserButtonWidth(const TsTitleButton& button) const
{
    const TsLoadedSkin* skin = binding_.Skin();
    const auto image = skin ? SkinImageAt(*skin, ImageFor("TITLEBUTTON")) : std::nullopt;
    const int skinWidth = image && image->StateWidth() > 0 ? image->StateWidth() : DefaultButtonSide;
    return std::max(button.Glyph.Width() + 2, skinWidth);
}

int TCaptionButtons::BlockWidth() const
{
    const TsLoadedSkin* skin = binding_.Skin();
    if (!skin)
        return 0;
    const int space = LargeTitleButtons ? skin->SkinData.BISpace : 0;
    int width = skin->SkinData.BIRight;
    if (HasSystemMenuIcon(form_)) {
        width += ButtonWidth(slots_[csClose]) + space;
        if (VisibleMaxButton(form_))
            width += ButtonWidth(slots_[csMaximize]) + space;
        if (VisibleMinButton(form_))
            width += ButtonWidth(slots_[csMinimize]) + space;
        if (form_.BorderIcons() & biHelp)
            width += ButtonWidth(slots_[csHelp]) + space;
    }
    if (userButtons_.Count() > 0)
        width += GroupGap;
    for (int i = 0; i < userButtons_.Count(); ++i)
        if (userButtons_.Items(i).Visible())
            width += UserButtonWidth(userButtons_.Items(i)) + space;
    return width;
}

void TCaptionButtons::PlaceSlot(TitleButtonSlot& slot, int& x, int width, const TFrameMeasures& m) const
{
    const TsLoadedSkin& skin = *binding_.Skin();
    const int captionTop = m.Maximized ? GetSystemMetrics(SM_CXFRAME) - 1 : 0;
    slot.Rect.Right = x;
    slot.Rect.Left = x - width;
    slot.Rect.Top = slot.Big && skin.SkinData.BIVAlign == 1 ? captionTop
                                                            : CaptionCenterY(m) - buttonHeight_ / 2;
    slot.Rect.Bottom = slot.Rect.Top + buttonHeight_;
    x = slot.Rect.Left - (LargeTitleButtons ? skin.SkinData.BISpace : 0);
}

void TCaptionButtons::Layout(const TFrameMeasures& m)
{
    LookUpImages();
    for (TitleButtonSlot& slot : slots_)
        slot.Rect = {};
    const TsLoadedSkin* skin = binding_.Skin();
    if (!skin || m.Caption <= 0)
        return;
    buttonHeight_ = ButtonHeight();
    int x = m.Width - skin->SkinData.BIRight - m.Frame;
    if (HasSystemMenuIcon(form_)) {
        PlaceSlot(slots_[csClose], x, ButtonWidth(slots_[csClose]), m);
        if (VisibleMaxButton(form_))
            PlaceSlot(slots_[csMaximize], x, ButtonWidth(slots_[csMaximize]), m);
        if (VisibleMinButton(form_))
            PlaceSlot(slots_[csMinimize], x, ButtonWidth(slots_[csMinimize]), m);
        if (form_.BorderIcons() & biHelp) {
            x -= GroupGap;
            PlaceSlot(slots_[csHelp], x, ButtonWidth(slots_[csHelp]), m);
        }
    }
    if (userButtons_.Count() > 0)
        x -= GroupGap;
    for (int i = 0; i < userButtons_.Count(); ++i) {
        TsTitleButton& button = userButtons_.Items(i);
        button.Slot.Rect = {};
        if (button.Visible())
            PlaceSlot(button.Slot, x, UserButtonWidth(button), m);
    }
}

std::vector<TRect> TCaptionButtons::ShownRects() const
{
    std::vector<TRect> shown;
    for (const TCaptionSlot slot : {csClose, csMaximize, csMinimize, csHelp})
        if (!slots_[slot].Rect.IsEmpty())
            shown.push_back(slots_[slot].Rect);
    return shown;
}

bool TCaptionButtons::ButtonEnabled(const TitleButtonSlot& slot) const
{
    switch (slot.HitCode) {
    case HitClose: return VisibleCloseButton(form_) && CloseEnabled(form_);
    case HitMaximize: return EnabledMaxButton(form_);
    case HitMinimize: return EnabledMinButton(form_) || IsMinimizedSecondaryForm(form_);
    default: return true;
    }
}

void TCaptionButtons::DrawSlot(TBitmap& image, const TitleButtonSlot& slot, int state, int mode,
                               const TsTitleButton* user) const
{
    if (slot.Rect.IsEmpty())
        return;
    if (const auto button = ImageOf(slot)) {
        const TBitmap behind = CopyOfArea(image, IntersectRect(slot.Rect, image.Bounds()));
        DrawMaskImage(image, {slot.Rect.Left, slot.Rect.Top}, state,
                      BackdropFromBitmap(&behind, -slot.Rect.Left, -slot.Rect.Top), *button, mode);
    }
    if (user && user->Glyph.Width() > 0) {
        const int shift = state == tsPressed ? 1 : 0;
        DrawGlyph(image, user->Glyph,
                  {slot.Rect.Left + (slot.Rect.Width() - user->Glyph.Width()) / 2 + shift,
                   slot.Rect.Top + (buttonHeight_ - user->Glyph.Height()) / 2 + shift});
    }
}

void TCaptionButtons::Draw(TBitmap& image, const TFrameMeasures& m, int activeLook)
{
    Layout(m);
    const TsLoadedSkin* skin = binding_.Skin();
    if (!skin)
        return;
    // The strip behind the buttons, kept so that one button can be
    // repainted without composing the caption again.
    const int stripWidth = m.Frame + BlockWidth() + 10;
    const TRect strip = IntersectRect(TRect::FromBounds(image.Width() - stripWidth - 1, 0, stripWidth,
                                                        HeaderBottom(m) + m.Frame + m.MenuLine),
                                      image.Bounds());
    strip_ = CopyOfArea(image, strip);
    stripAt_ = {strip.Left, strip.Top};
    const auto modeOf = [&](const TitleButtonSlot& slot) {
        const bool atRest = slot.State <= tsNormal || (slot.Animation && slot.Animation->Active());
        return atRest && (!activeLook || !ButtonEnabled(slot)) ? mmFaint : mmNormal;
    };
    const auto stateOf = [](const TitleButtonSlot& slot) {
        return slot.Animation && slot.Animation->Active() ? 0 : std::max(0, slot.State);
    };
    for (TitleButtonSlot& slot : slots_) {
        DrawSlot(image, slot, stateOf(slot), modeOf(slot), nullptr);
        if (slot.State < 0)
            slot.State = tsNormal;
    }
    for (int i = 0; i < userButtons_.Count(); ++i) {
        TsTitleButton& button = userButtons_.Items(i);
        if (!button.Visible())
            continue;
        const bool enabled = button.Enabled;
        const bool atRest = button.Slot.State <= tsNormal;
        DrawSlot(image, button.Slot, stateOf(button.Slot),
                 atRest && (!activeLook || !enabled) ? mmFaint : mmNormal, &button);
        if (button.Slot.State < 0)
            button.Slot.State = tsNormal;
    }
}

int TCaptionButtons::HitTestElement(TPoint p) const
{
    if (HasSystemMenuIcon(form_))
        for (const TCaptionSlot kind : {csClose, csMaximize, csMinimize, csHelp}) {
            const TitleButtonSlot& slot = slots_[kind];
            if (slot.Rect.IsEmpty() || !slot.Rect.Contains(p))
                continue;
            switch (kind) {
            case csClose: return CloseEnabled(form_) ? HitClose : HTCAPTION;
            case csMaximize:
                return EnabledMaxButton(form_) || (EnabledRestore(form_) && !IsIconic(Window())) ? HitMaximize
                                                                                                 : HTCAPTION;
            case csMinimize: return IsIconic(Window()) || EnabledMinButton(form_) ? HitMinimize : HTCAPTION;
            case csHelp: return HitHelp;
            }
        }
    for (int i = 0; i < userButtons_.Count(); ++i) {
        const TsTitleButton& button = userButtons_.Items(i);
        if (button.Visible() && button.Slot.Rect.Contains(p))
            return button.Enabled ? button.Slot.HitCode : HTCLIENT;
    }
    return 0;
}

int TCaptionButtons::HitTest(TPoint p) const
{
    if (const int code = HitTestElement(p); code != 0 && code != HTCLIENT)
        return code;
    const HWND window = Window();
    TFrameHitInput input;
    input.Measures = frame_.Measures();
    const bool tool = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) && !IsIconic(window);
    input.SystemCaption = GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION);
    input.Sizeable = !input.Measures.Maximized && (GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME);
    input.IconRect = frame_.IconRect();
    return FrameHitTest(input, p);
}

TRect TCaptionButtons::ScreenRect(const TRect& r) const
{
    RECT window{};
    GetWindowRect(Window(), &window);
    return r.Offset(window.left, window.top);
}

TPoint TCaptionButtons::WindowPoint(LPARAM screen) const
{
    RECT window{};
    GetWindowRect(Window(), &window);
    return {static_cast<short>(LOWORD(screen)) - window.left,
            static_cast<short>(HIWORD(screen)) - window.top};
}

void TCaptionButtons::SetHotCode(int code, bool repaint)
{
    if (code == HotCode || !frame_.DrawNonClientArea)
        return;
    if (HotCode > 0)
        if (TitleButtonSlot* old = SlotOf(HotCode)) {
            old->State = tsNormal;
            if (TsTitleButton* user = UserButtonOf(HotCode))
                user->HideHint();
            if (repaint)
                RepaintTitleButton(HotCode);
        }
    HotCode = code;
    if (TitleElementPressed || code < 1)
        return;
    TitleButtonSlot* slot = SlotOf(code);
    if (!slot)
        return;
    slot->State = tsHot;
    if (repaint)
        RepaintTitleButton(code);
    if (TsTitleButton* user = UserButtonOf(code)) {
        POINT cursor{};
        GetCursorPos(&cursor);
        user->ShowHint(Window(), {cursor.x, cursor.y});
    }
}

void TCaptionButtons::PressTitleElement(int code)
{
    if (HotCode > 0 && HotCode != code)
        if (TitleButtonSlot* old = SlotOf(HotCode)) {
            old->State = tsNormal;
            RepaintTitleButton(HotCode);
        }
    HotCode = code;
    TitleButtonSlot* slot = SlotOf(code);
    if (!slot)
        return;
    const bool refused = (code == HitMaximize && !EnabledMaxButton(form_) &&
                          !(IsZoomed(Window()) && EnabledRestore(form_))) ||
                         (code == HitClose && !CloseEnabled(form_));
    if (refused) {
        HotCode = 0;
        return;
    }
    slot->State = tsPressed;
    TitleElementPressed = true;
    pressedCode_ = code;
    SetCapture(Window());
    RepaintTitleButton(code);
}

} // namespace pp
