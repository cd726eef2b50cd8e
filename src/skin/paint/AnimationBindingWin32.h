#pragma once
// What a fade and a glow need from the skin binding of the control they
// animate: the control, its section, its cache bitmap and stale flag, a
// way to build its current look and to repaint it, and the slot that
// keeps its glow.
#include "core/Bitmap.h"
#include "skin/loading/SkinSections.h"
#include "toolkit/Control.h"

namespace pp {

class TsSkinManager;

class TAnimationBinding {
public:
    virtual ~TAnimationBinding() = default;

    virtual TControl* HostControl() const = 0;
    virtual TsSkinManager* SkinManager() const = 0;
    // The section's index in the manager's skin; -1 when not skinned.
    virtual int SectionIndex() const = 0;
    // Null when the control has no cache bitmap.
    virtual TBitmap* CacheBitmap() = 0;
    virtual bool BackgroundStale() const = 0;
    virtual void SetBackgroundStale(bool stale) = 0;
    // Builds the control's look for its current state into the cache
    // bitmap; false when it has to wait for its parent.
    virtual bool PrepareCache() = 0;
    // Marks the cache stale and redraws the control.
    virtual void InvalidateOwner(bool updateNow) = 0;
    // The control's glow: an index into the glow list, -1 for none.
    virtual int& GlowHandle() = 0;
};

// The binding's section record, or null while it is not skinned.
const TsGeneralData* AnimatedSection(const TAnimationBinding& binding);

} // namespace pp
