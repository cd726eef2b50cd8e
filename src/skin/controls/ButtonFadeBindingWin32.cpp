#include "skin/controls/ButtonFadeBindingWin32.h"

#include "skin/controls/sBitBtnWin32.h"

namespace pp {

TControl* TButtonFadeBinding::HostControl() const { return &button_; }
TsSkinManager* TButtonFadeBinding::SkinManager() const { return button_.SkinData.SkinManager(); }
int TButtonFadeBinding::SectionIndex() const
{
    return button_.SkinData.IsSkinned() ? button_.SkinData.SectionIndex : -1;
}
TBitmap* TButtonFadeBinding::CacheBitmap() { return button_.SkinData.CacheBitmap.get(); }
bool TButtonFadeBinding::BackgroundStale() const { return button_.SkinData.BackgroundStale; }
void TButtonFadeBinding::SetBackgroundStale(bool stale) { button_.SkinData.BackgroundStale = stale; }
bool TButtonFadeBinding::PrepareCache() { return button_.PrepareCache(); }
void TButtonFadeBinding::InvalidateOwner(bool updateNow) { button_.SkinData.InvalidateOwner(updateNow); }
int& TButtonFadeBinding::GlowHandle() { return button_.SkinData.GlowHandle; }

} // namespace pp
