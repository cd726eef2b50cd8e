#pragma once
// What the bitmap button's fades and glow read from it: its skin binding's
// cache, stale flag and glow slot, and its own cache preparation.
#include "skin/paint/AnimationBindingWin32.h"

namespace pp {

class TsBitBtn;

class TButtonFadeBinding final : public TAnimationBinding {
public:
    explicit TButtonFadeBinding(TsBitBtn& button) : button_(button) { }

    TControl* HostControl() const override;
    TsSkinManager* SkinManager() const override;
    int SectionIndex() const override;
    TBitmap* CacheBitmap() override;
    bool BackgroundStale() const override;
    void SetBackgroundStale(bool stale) override;
    bool PrepareCache() override;
    void InvalidateOwner(bool updateNow) override;
    int& GlowHandle() override;

private:
    TsBitBtn& button_;
};

} // namespace pp
