#include "skin/paint/AnimationBindingWin32.h"

#include "skin/loading/SkinManagerWin32.h"
#include "toolkit/WinControl.h"

namespace pp {

const TsGeneralData* AnimatedSection(const TAnimationBinding& binding)
{
    const TsSkinManager* manager = binding.SkinManager();
    if (!manager || manager->IsDestroying() || !manager->IsValidSkinIndex(binding.SectionIndex()))
        return nullptr;
    return &manager->Skin().Sections()[static_cast<std::size_t>(binding.SectionIndex())];
}

LRESULT SendToAnimatedControl(const TAnimationBinding& binding, TSkinCommand command, LPARAM lParam)
{
    TControl* control = binding.HostControl();
    if (!control || control->IsDestroying())
        return 0;
    const WPARAM wParam = SkinCommandWParam(command);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        if (!windowed->HandleAllocated())
            return 0;
        return SendMessageW(windowed->HandleValue(), SM_SKINCOMMAND, wParam, lParam);
    }
    return control->Perform(SM_SKINCOMMAND, wParam, lParam);
}

} // namespace pp
