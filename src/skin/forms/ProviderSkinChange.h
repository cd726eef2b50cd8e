#pragma once
// The providers' part in a skin change shown with animation: the skin
// manager freezes the forms before it announces the new skin and lets them
// show it afterwards, blending from the old look when the manager's
// SkinChanging effect is on and redrawing each form whole otherwise.
namespace pp {

class TsSkinManager;

// Fills the manager's two skin-change slots (again, when called again).
void InstallSkinChangeSteps();

// The two steps, as the manager runs them around its broadcast.
void PrepareFormsForSkinChange(TsSkinManager& manager);
void FinishFormsSkinChange(TsSkinManager& manager);

} // namespace pp
