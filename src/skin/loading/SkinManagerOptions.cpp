#include "skin/loading/SkinManagerOptions.h"

namespace pp {
namespace {

bool glowingDisabled = false;

} // namespace

bool TacSkinEffects::AllowGlowing() const { return allowGlowing_ && !GlowingDisabledAtStart(); }

void SetGlowingDisabledAtStart(bool disabled) { glowingDisabled = disabled; }

bool GlowingDisabledAtStart() { return glowingDisabled; }

} // namespace pp
