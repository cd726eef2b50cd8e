#pragma once
// Glow needs layered windows that the platform composes well.
namespace pp {

// Decides once per process whether glowing stays disabled (see
// GlowingDisabledAtStart); later calls do nothing.
void DetectGlowSupport();

} // namespace pp
