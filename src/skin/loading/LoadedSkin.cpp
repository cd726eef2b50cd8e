#include "skin/loading/LoadedSkin.h"

namespace pp {

int TsLoadedSkin::Find(const TNameIndex& index, std::string_view section, std::string_view key)
{
    const auto keys = index.find(section);
    if (keys == index.end())
        return -1;
    const auto found = keys->second.find(key);
    return found == keys->second.end() ? -1 : found->second;
}

void TsLoadedSkin::Remember(TNameIndex& index, const std::string& section, const std::string& key,
                            int position)
{
    index[section].try_emplace(key, position);
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

void TsLoadedSkin::SetSections(TsGeneralDataArray sections)
{
    sections_ = std::move(sections);
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i)
        sectionIndex_.try_emplace(sections_[i].SectionName, static_cast<int>(i));
}

int TsLoadedSkin::GetSkinIndex(std::string_view name) const
{
    if (name.empty())
        return -1;
    const auto found = sectionIndex_.find(name);
    return found == sectionIndex_.end() ? -1 : found->second;
}

bool TsLoadedSkin::IsValidSkinIndex(int index) const
{
    return index >= 0 && index < static_cast<int>(sections_.size());
}

bool TsLoadedSkin::IsValidImgIndex(int index) const
{
    return index >= 0 && index < static_cast<int>(masks_.size());
}

int TsLoadedSkin::FindWithParents(const TNameIndex& index, int sectionIndex, std::string_view sectionName,
                                  std::string_view key) const
{
    if (sectionIndex < 0 || sectionName.empty())
        return -1;
    // Parent chains come from the skin file: a chain longer than the number
    // of sections has looped, and the search ends there.
    std::string_view name = sectionName;
    for (std::size_t step = 0; step <= sections_.size(); ++step) {
        const int found = Find(index, name, key);
        if (found >= 0)
            return found;
        if (!IsValidSkinIndex(sectionIndex))
            return -1;
        const std::string& parent = sections_[static_cast<std::size_t>(sectionIndex)].ParentClass;
        if (parent.empty() || parent == name)
            return -1;
        sectionIndex = GetSkinIndex(parent);
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
    return Find(maskIndex_, sectionName, key);
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
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        TsGeneralData& s = sections_[i];
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
