#pragma once
// Where work that other parts of the engine do plugs into the binding: the
// glow around a hot control, the skinning of a control's popup menu, and
// the skin manager's record of the control under the mouse. The binding
// calls these at the moments they matter; the glow windows
// (BindingGlowWin32.cpp), the skinned menus and the manager's hot-window
// tracking fill them in. Until they do, a hook does nothing.
namespace pp {

class TsCommonData;

// The mouse entered a control that shows a glow: the glow window starts.
void StartControlGlow(TsCommonData& binding);
// The control moved, was resized, disabled, left or freed: its glow window goes.
void RemoveControlGlow(TsCommonData& binding);
// A context menu is about to open over the control: its popup menu gets
// the skinned look, or the platform's, to match the manager's active state.
void MatchPopupMenuSkin(TsCommonData& binding);
// The mouse entered a skinned control: the binding's skin manager records
// it as the hot control.
void TellManagerHotControl(TsCommonData& binding);

} // namespace pp
