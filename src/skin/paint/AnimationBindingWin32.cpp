#include "skin/paint/AnimationBindingWin32.h"

#include "skin/loading/SkinManagerWin32.h"

namespace pp {

const TsGeneralData* AnimatedSection(const TAnimationBinding& binding)
{
    const TsSkinManager* manager = binding.SkinManager();
    if (!manager || manager->IsDestroying() || !manager->IsValidSkinIndex(binding.SectionIndex()))
        return nullptr;
    return &manager->Skin().Sections()[static_cast<std::size_t>(binding.SectionIndex())];
}

} // namespace pp
