// Composing the frame image: the whole window painted off screen.
#include "skin/forms/FrameSkin.h"

#include "skin/forms/BitmapParts.h"
#include "skin/forms/SystemFonts.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/MaskImage.h"
#include "skin/paint/RenderItem.h"
#include "skin/paint/SectionTextWin32.h"
#include "skin/paint/SkinImage.h"
#include "skin/paint/TextDrawingWin32.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/Menu.h"
#include "win/Text.h"

namespace pp {
namespace {

// The "CAPTION" section's plate reaches this far around the text.
constexpr int CaptionPlateX = 4, CaptionPlateY = 2;
constexpr UINT CaptionTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

const TsGeneralData* SectionAt(const TsLoadedSkin& skin, int index)
{
    return skin.IsValidSkinIndex(index) ? &skin.Sections()[static_cast<std::size_t>(index)] : nullptr;
}

BackdropInfo BehindOf(const TBitmap& copy) { return BackdropFromBitmap(&copy, 0, 0); }

HICON CaptionIcon(TCustomForm& form)
{
    if (!form.Icon().Empty())
        return form.Icon().Handle();
    if (Application && Application->Handle())
        if (auto icon = reinterpret_cast<HICON>(
                SendMessageW(Application->Handle(), WM_GETICON, ICON_SMALL, 0)))
            return icon;
    return LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
}

// DrawIconEx leaves alpha 0 where it draws plain icons: every pixel it
// changed becomes opaque.
void RepairAlpha(TBitmap& image, const TBitmap& before, const TRect& r)
{
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            TBGRA& now = image.Pixel32(x, y);
            const TBGRA& old = before.Pixel32(x - r.Left, y - r.Top);
            if (now.B != old.B || now.G != old.G || now.R != old.R || now.A != old.A)
                now.A = 0xFF;
        }
}

} // namespace

int TsFrameSkin::LookState(int sectionIndex) const
{
    const TsLoadedSkin* skin = binding_.Skin();
    const TsGeneralData* section = skin ? SectionAt(*skin, sectionIndex) : nullptr;
    return section ? std::max(0, std::min(ActiveLook, section->States - 1)) : 0;
}

bool TsFrameSkin::EnsureFrameImage() { return EnsureFrameImage(Measures()); }

bool TsFrameSkin::EnsureFrameImage(const TFrameMeasures& m)
{
    const HWND window = Window();
    if (!window || !binding_.IsSkinned() || binding_.SectionIndex < 0)
        return false;
    const bool minimizedChild = IsIconic(window) && Application && Application->MainForm() != &form_;
    const TSize size = minimizedChild ? MinimizedFrameImageSize(m) : TSize{m.Width, m.Height};
    if (size.Width <= 0 || size.Height <= 0)
        return false;
    if (!binding_.CacheBitmap)
        binding_.CacheBitmap = std::make_unique<TBitmap>();
    TBitmap& image = *binding_.CacheBitmap;
    if (!binding_.BackgroundStale && image.Size() == size)
        return true;
    imageCanvas_.reset();
    if (image.Size() != size)
        image.SetSize(size.Width, size.Height);
    BuildFrameImage(image, m);
    binding_.BackgroundStale = false;
    regionDirty_ = true;
    firstFramePainted_ = true;
    ++Rebuilds;
    return true;
}

void TsFrameSkin::BuildFrameImage(TBitmap& image, const TFrameMeasures& m)
{
    PaintFormSection(image);
    if (m.Caption > 0 && DrawNonClientArea)
        PaintCaptionBand(image, m);
    if (m.MenuLine > 0 && DrawNonClientArea)
        PaintMenuLine(image, m);
}

void TsFrameSkin::PaintFormSection(TBitmap& image)
{
    BackdropInfo none;
    none.BackColor = form_.Color();
    RenderItem(binding_.ItemBinding(), none, true, image, {0, 0}, image.Bounds(),
               LookState(binding_.SectionIndex));
}

void TsFrameSkin::PaintCaptionBand(TBitmap& image, const TFrameMeasures& m)
{
    const TsLoadedSkin& skin = *binding_.Skin();
    const int title = skin.GetSkinIndex("FORMTITLE");
    if (title >= 0) {
        const TBitmap behind = image;
        RenderItemBySection(skin, title, BehindOf(behind), -1, -1, image, {0, 0},
                            {0, 0, image.Width(), HeaderBottom(m)}, LookState(title));
    }
    const bool iconShown = (form_.BorderStyle() == TFormBorderStyle::bsSingle ||
                            form_.BorderStyle() == TFormBorderStyle::bsSizeable) &&
                           (form_.BorderIcons() & biSystemMenu);
    iconRect_ = CaptionIconRect(m, skin.SkinData.BILeft, iconShown);
    if (iconShown)
        DrawCaptionIcon(image, iconRect_);
    captionButtons_->Layout(m);
    DrawCaptionText(image, m, iconRect_);
    captionButtons_->Draw(image, m, ActiveLook);
}

void TsFrameSkin::DrawCaptionIcon(TBitmap& image, const TRect& iconRect)
{
    const TRect r = IntersectRect(iconRect, image.Bounds());
    if (r.IsEmpty())
        return;
    const TBitmap before = CopyOfArea(image, r);
    {
        TBitmapCanvas canvas(image);
        DrawIconEx(canvas.Handle(), iconRect.Left, iconRect.Top, CaptionIcon(form_), iconRect.Width(),
                   iconRect.Height(), 0, nullptr, DI_NORMAL);
        GdiFlush();
    }
    RepairAlpha(image, before, r);
}

void TsFrameSkin::DrawCaptionText(TBitmap& image, const TFrameMeasures& m, const TRect& iconRect)
{
    const TsLoadedSkin& skin = *binding_.Skin();
    const std::string text = form_.Caption();
    const int captionSection = skin.GetSkinIndex("CAPTION");
    const int block = captionButtons_->BlockWidth();
    TRect r = CaptionTextRect(m, iconRect, skin.SkinData.BILeft, block, captionSection >= 0);
    if (text.empty() || r.IsEmpty())
        return;
    TBitmapCanvas canvas(image);
    AssignCaptionFont(canvas.Font);
    TRect measured = r;
    canvas.DrawText(text, measured, CaptionTextFormat | DT_CALCRECT);
    const int centre = CaptionCenterY(m);
    r.Top = centre - measured.Height() / 2;
    r.Bottom = r.Top + measured.Height();
    if (captionSection >= 0) {
        const TBitmap behind = image;
        const TRect plate = IntersectRect(r.Inflate(CaptionPlateX, CaptionPlateY), image.Bounds());
        RenderItemBySection(skin, captionSection, BehindOf(behind), -1, -1, image, {0, 0}, plate,
                            LookState(captionSection));
    }
    const int textSection = captionSection >= 0 ? captionSection : skin.GetSkinIndex("FORMTITLE");
    if (const TsGeneralData* section = SectionAt(skin, textSection))
        DrawBlockGlow(image, section->Props[static_cast<std::size_t>(std::min(LookState(textSection), 1))],
                      WideFromUtf8(text), r, CaptionTextFormat, canvas.Font.Handle());
    DrawSectionText(canvas, text, IsWindowEnabled(Window()) != FALSE, &skin, LookState(textSection) > 0,
                    textSection, CaptionTextFormat, r);
}

void TsFrameSkin::PaintMenuLine(TBitmap& image, const TFrameMeasures& m)
{
    const TsLoadedSkin& skin = *binding_.Skin();
    const TsSkinManager* manager = binding_.SkinManager();
    TMainMenu* menu = form_.Menu();
    if (!menu || !manager || !manager->SkinnedPopups())
        return;
    const TRect line = IntersectRect(MenuLineRect(m), image.Bounds());
    if (line.IsEmpty())
        return;
    if (const int section = skin.GetSkinIndex("MENULINE"); section >= 0) {
        const TBitmap behind = image;
        RenderItemBySection(skin, section, BehindOf(behind), -1, -1, image, {0, 0}, line, 0);
    }
    menuLineImage_ = CopyOfArea(image, line);
    RECT window{};
    GetWindowRect(Window(), &window);
    TBitmapCanvas canvas(image);
    const TMenuBarBackdrop backdrop{&skin, &menuLineImage_, {line.Left, line.Top}};
    for (int i = 0; i < menu->Items().Count(); ++i) {
        RECT item{};
        if (!GetMenuItemRect(Window(), GetMenu(Window()), static_cast<UINT>(i), &item))
            continue;
        const TRect r{item.left - window.left, item.top - window.top, item.right - window.left,
                      item.bottom - window.top};
        DrawMenuBarItem(backdrop, *menu->Items().Items(i), canvas.Handle(), r,
                        ODS_NOACCEL | odsMenuLinePaint);
    }
}

} // namespace pp
