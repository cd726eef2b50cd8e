#pragma once
// Everything one skin load produces: the skin-wide record, the section
// records, the image records with the master bitmap, the skin-wide colours
// and the standard index table. Painters read it by index only; it is
// rebuilt from scratch on every load.
#include "core/Bitmap.h"
#include "core/StringMap.h"
#include "skin/loading/SkinColors.h"
#include "skin/loading/SkinData.h"
#include "skin/loading/SkinImages.h"
#include "skin/loading/SkinSections.h"
#include "skin/loading/StandardIndexes.h"

#include <string>
#include <string_view>
#include <vector>

namespace pp {

class TsLoadedSkin {
public:
    TsSkinData SkinData;
    TBitmap MasterBitmap;
    TsSkinColors Colors{};
    TsStandardIndexes ConstData;

    // Frees every image record, pattern and the master bitmap.
    void ClearImages();
    void AddMask(TsMaskData mask);
    void AddPattern(TsPatternData pattern);
    const TsMaskArray& Masks() const { return masks_; }
    // For adjustments of the pixels after loading (hue, saturation).
    TsMaskData& MaskAt(int index) { return masks_.at(static_cast<std::size_t>(index)); }
    const TsPatternArray& Patterns() const { return patterns_; }

    // Replaces the section records and indexes them by name.
    void SetSections(TsGeneralDataArray sections);
    const TsGeneralDataArray& Sections() const { return sections_; }
    // For adjustments of the look after loading (hue, saturation); names
    // and parents must stay as they are, the indexes rely on them.
    TsGeneralData& SectionAt(int index) { return sections_.at(static_cast<std::size_t>(index)); }

    // Index of the first section named exactly `name`; -1 when none.
    int GetSkinIndex(std::string_view name) const;
    bool IsValidSkinIndex(int index) const;

    // First image of `key` in the section, else in its parents; -1 when none.
    int GetMaskIndex(int sectionIndex, std::string_view sectionName, std::string_view key) const;
    // The same without looking at parents.
    int GetMaskIndexExact(std::string_view sectionName, std::string_view key) const;
    // As GetMaskIndex, among textures only.
    int GetTextureIndex(int sectionIndex, std::string_view sectionName, std::string_view key) const;
    // As GetMaskIndex, among the patterns.
    int GetPatternIndex(int sectionIndex, std::string_view sectionName, std::string_view key) const;
    bool IsValidImgIndex(int index) const;

    // Border, corner and texture indexes of every section but GLOBALINFO.
    void UpdateSectionImageIndexes();
    void UpdateStandardIndexes();

private:
    // Section name, then key, to the first record of both.
    using TNameIndex = TStringMap<TStringMap<int>>;
    static int Find(const TNameIndex& index, std::string_view section, std::string_view key);
    static void Remember(TNameIndex& index, const std::string& section, const std::string& key, int position);
    int FindWithParents(const TNameIndex& index, int sectionIndex, std::string_view sectionName,
                        std::string_view key) const;

    TsGeneralDataArray sections_;
    // First section of each name, so that lookups do not scan.
    TStringMap<int> sectionIndex_;
    TsMaskArray masks_;
    TsPatternArray patterns_;
    // First record of each section and key, so that lookups do not scan.
    TNameIndex maskIndex_;
    TNameIndex textureIndex_;
    TNameIndex patternIndex_;
};

} // namespace pp
