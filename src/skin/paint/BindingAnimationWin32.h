#pragma once
// A control's skin binding as fades and glows see it. The binding has all
// they ask for but the control's own cache preparation: a control that
// prepares its cache itself (the bit button's states, glyph and caption)
// hands it in; others get the binding's composition of their section.
#include "skin/paint/AnimationBindingWin32.h"
#include "skin/paint/SkinBindingWin32.h"

#include <functional>

namespace pp {

class TsBindingAnimation : public TAnimationBinding {
public:
    explicit TsBindingAnimation(TsCommonData& binding, std::function<bool()> prepareCache = nullptr)
        : binding_(binding), prepareCache_(std::move(prepareCache))
    {
    }

    TControl* HostControl() const override { return binding_.HostControl; }
    TsSkinManager* SkinManager() const override { return binding_.SkinManager(); }
    int SectionIndex() const override { return binding_.SectionIndex; }
    TBitmap* CacheBitmap() override { return binding_.CacheBitmap.get(); }
    bool BackgroundStale() const override { return binding_.BackgroundStale; }
    void SetBackgroundStale(bool stale) override { binding_.BackgroundStale = stale; }
    bool PrepareCache() override;
    void InvalidateOwner(bool updateNow) override { binding_.InvalidateOwner(updateNow); }
    int& GlowHandle() override { return binding_.GlowHandle; }

private:
    TsCommonData& binding_;
    std::function<bool()> prepareCache_;
};

} // namespace pp
