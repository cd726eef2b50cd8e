// Options that change a shown skin at run time: its colours, its extended
// borders, common sections, whether it is on and which manager is the
// default, popup menus and scroll bar size.
#include "skin/loading/SkinManagerSeamsWin32.h"
#include "skin/loading/SkinManagerWin32.h"

#include "win/ModuleHandle.h"

#include <algorithm>

namespace pp {
namespace {

bool LayeredWindowsAvailable()
{
    using TUpdateLayeredWindow = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                               BLENDFUNCTION*, DWORD);
    static const bool available = ModuleFunction<TUpdateLayeredWindow>(GetModuleHandleW(L"user32.dll"),
                                                                       "UpdateLayeredWindow") != nullptr;
    return available;
}

// Common-section lines are compared without blanks; comments stay as written.
std::string WithoutBlanks(std::string line)
{
    if (!line.starts_with(';'))
        std::erase(line, ' ');
    return line;
}

} // namespace

void TsSkinManager::ReloadSkin(bool fireAfterChange)
{
    {
        TFlagScope loading(SkinEngine.SkinLoading, true);
        if (const auto error = LoadCurrentSkin())
            ShowLoadError(*error);
        if (fireAfterChange)
            Fire(OnAfterChange);
    }
    // The skin may have gone from disk since it was loaded, with no stored
    // skin to fall back on: the windows must not keep painting with it.
    if (!active_)
        BroadcastRemoveSkin();
}

void TsSkinManager::SetAdjustment(int& field, int value)
{
    if (value == field)
        return;
    field = value;
    // Without a loaded skin the next load applies the value; reloading
    // the empty name would switch skinning off.
    if (!active_ || IsLoading() || SkinEngine.SkinLoading || !skinLoaded_)
        return;
    ReloadSkin(true);
    if (!UpdateLocked && active_)
        BroadcastRefresh(true);
}

void TsSkinManager::SetHueOffset(int value) { SetAdjustment(hueOffset_, value); }

void TsSkinManager::SetSaturation(int value) { SetAdjustment(saturation_, value); }

bool TsSkinManager::ExtendedBorders() const { return storedExtendedBorders_ && LayeredWindowsAvailable(); }

void TsSkinManager::SetExtendedBorders(bool value)
{
    if (value == storedExtendedBorders_)
        return;
    storedExtendedBorders_ = value;
    if (!skin_.SkinData.Active)
        return;
    // The reload prepares the border images for the new setting.
    ReloadSkin(false);
    if (!IsLoading() && !IsDesigning() && active_)
        BroadcastRefresh(true);
}

void TsSkinManager::SetCommonSections(const TStringList& lines)
{
    commonSections_.Clear();
    for (const std::string& line : lines.Lines())
        commonSections_.Add(WithoutBlanks(line));
    // Without a skin name there is nothing to reload; a load of the empty
    // name would switch skinning off.
    if (!skinName_.empty())
        SetSkinName(skinName_);
}

void TsSkinManager::SetIsDefault(bool value)
{
    if (value || !SkinEngine.DefaultManager) {
        SkinEngine.DefaultManager = this;
        isDefault_ = true;
        active_ ? BroadcastNewSkin(true) : BroadcastRemoveSkin();
        return;
    }
    isDefault_ = SkinEngine.DefaultManager == this;
}

void TsSkinManager::SetSkinnedPopups(bool value)
{
    skinnedPopups_ = value;
    if (value && !IsDesigning() && SkinEngine.DefaultManager == this && SkinManagerSeams.TakeOverPopupMenus)
        SkinManagerSeams.TakeOverPopupMenus();
}

void TsSkinManager::SetScrollSize(int value)
{
    if (value == scrollsOptions_.ScrollSize)
        return;
    scrollsOptions_.ScrollSize = value;
    if (!SkinEngine.SkinLoading && !IsLoading())
        BroadcastRefresh(false);
}

} // namespace pp
