#include "skin/loading/LoadedSkin.h"

#include <algorithm>
#include <vector>

namespace pp {

std::string TsLoadedSkin::LookupKey(std::string_view section, std::string_view key)
{
    std::string result;
    result.reserve(section.size() + key.size() + 1);
    result.append(section).push_back('\0');
    result.append(key);
    return result;
}

void TsLoadedSkin::Remember(TNameIndex& index, const std::string& section, const std::string& key,
                            int position)
{
    index.try_emplace(LookupKey(section, key), position);
}

void TsLoadedSkin::ClearImages()
{
    masks_.clear();
    patterns_.clear();
    maskIndex_.clear();
    textureIndex_.clear();
    patternIndex_.clear();
    MasterBitmap = TBitmap();
}

void TsLoadedSkin::AddMask(TsMaskData mask)
{
    const int position = static_cast<int>(masks_.size());
    Remember(maskIndex_, mask.SectionName, mask.KeyName, position);
    if (mask.ImageKind == ikTexture)
        Remember(textureIndex_, mask.SectionName, mask.KeyName, position);
    masks_.push_back(std::move(mask));
}

void TsLoadedSkin::AddPattern(TsPatternData pattern)
{
    Remember(patternIndex_, pattern.SectionName, pattern.KeyName, static_cast<int>(patterns_.size()));
    patterns_.push_back(std::move(pattern));
}

int TsLoadedSkin::GetSkinIndex(std::string_view name) const { return FindSectionIndex(Sections, name); }

bool TsLoadedSkin::IsValidSkinIndex(int index) const
{
    return index >= 0 && index < static_cast<int>(Sections.size());
}

bool TsLoadedSkin::IsValidImgIndex(int index) const
{
    return index >= 0 && index < static_cast<int>(masks_.size());
}

int TsLoadedSkin::FindWithParents(const TNameIndex& index, int sectionIndex, std::string_view sectionName,
                                  std::string_view key) const
{
    // Parent chains come from the skin file: one that loops ends the search.
    std::vector<int> visited;
    std::string name(sectionName);
    while (sectionIndex >= 0 && !name.empty()) {
        const auto found = index.find(LookupKey(name, key));
        if (found != index.end())
            return found->second;
        if (!IsValidSkinIndex(sectionIndex))
            return -1;
        visited.push_back(sectionIndex);
        const std::string& parent = Sections[static_cast<std::size_t>(sectionIndex)].ParentClass;
        if (parent.empty() || parent == name)
            return -1;
        sectionIndex = GetSkinIndex(parent);
        if (std::find(visited.begin(), visited.end(), sectionIndex) != visited.end())
            return -1;
        name = parent;
    }
    return -1;
}

int TsLoadedSkin::GetMaskIndex(int sectionIndex, std::string_view sectionName, std::string_view key) const
{
    return FindWithParents(maskIndex_, sectionIndex, sectionName, key);
}

int TsLoadedSkin::GetMaskIndexExact(std::string_view sectionName, std::string_view key) const
{
    const auto found = maskIndex_.find(LookupKey(sectionName, key));
    return found == maskIndex_.end() ? -1 : found->second;
}

int TsLoadedSkin::GetTextureIndex(int sectionIndex, std::string_view sectionName, std::string_view key) const
{
    return FindWithParents(textureIndex_, sectionIndex, sectionName, key);
}

int TsLoadedSkin::GetPatternIndex(int sectionIndex, std::string_view sectionName, std::string_view key) const
{
    return FindWithParents(patternIndex_, sectionIndex, sectionName, key);
}

void TsLoadedSkin::UpdateSectionImageIndexes()
{
    for (std::size_t i = 0; i < Sections.size(); ++i) {
        TsGeneralData& s = Sections[i];
        if (s.SectionName == GlobalInfoSection)
            continue;
        const int index = static_cast<int>(i);
        const std::string& name = s.SectionName;
        s.BorderMaskIndex = GetMaskIndex(index, name, "BORDERSMASK");
        s.ImgTL = GetMaskIndex(index, name, "IMGTOPLEFT");
        s.ImgTR = GetMaskIndex(index, name, "IMGTOPRIGHT");
        s.ImgBL = GetMaskIndex(index, name, "IMGBTMLEFT");
        s.ImgBR = GetMaskIndex(index, name, "IMGBTMRIGHT");
        s.TextureIndex = s.Props[0].TextureIndex = GetTextureIndex(index, name, "PATTERN");
        if (s.States > 1)
            s.Props[1].TextureIndex = GetTextureIndex(index, name, "HOTPATTERN");
    }
}

} // namespace pp
