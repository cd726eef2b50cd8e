#include "skin/paint/ItemBinding.h"

namespace pp {

TsItemBinding BindingForSection(const TsLoadedSkin& skin, int sectionIndex)
{
    TsItemBinding binding;
    binding.Skin = &skin;
    if (!skin.IsValidSkinIndex(sectionIndex))
        return binding;
    const TsGeneralData& section = skin.Sections()[static_cast<std::size_t>(sectionIndex)];
    binding.SectionIndex = sectionIndex;
    binding.BorderImageIndex = section.BorderMaskIndex;
    binding.PatternIndex = skin.GetMaskIndex(sectionIndex, section.SectionName, "PATTERN");
    binding.HotPatternIndex = skin.GetMaskIndex(sectionIndex, section.SectionName, "HOTPATTERN");
    return binding;
}

} // namespace pp
