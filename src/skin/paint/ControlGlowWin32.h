#pragma once
// Where the glow around a hot control and the skinning of a control's popup
// menu plug into the binding. The binding calls these at the moments the
// glow starts and ends and a context menu opens; the animation and glow
// effects and the skinned menus fill them in. Until then they do nothing,
// and a binding's GlowHandle stays -1.
namespace pp {

class TsCommonData;

// The mouse entered a control that shows a glow: the glow window starts.
void StartControlGlow(TsCommonData& binding);
// The control moved, was resized, disabled, left or freed: its glow window goes.
void RemoveControlGlow(TsCommonData& binding);
// A context menu is about to open over the control: its popup menu gets
// the skinned look, or the platform's, to match the manager's active state.
void MatchPopupMenuSkin(TsCommonData& binding);

} // namespace pp
