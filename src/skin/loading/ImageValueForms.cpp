#include "skin/loading/ImageValueForms.h"

#include "core/Error.h"
#include "core/IniFile.h"
#include "skin/loading/OptionValues.h"

#include <algorithm>
#include <vector>

namespace pp {
namespace {

std::string Describe(const TsMaskData& mask)
{
    return "key \"" + mask.KeyName + "\" of skin section \"" + mask.SectionName + "\"";
}

// Columns count from 1, both ends included.
class TFixedColumns {
public:
    TFixedColumns(std::string_view value, const TsMaskData& mask, std::size_t lastColumn) : value_(value)
    {
        if (value.size() < lastColumn)
            throw EInvalidData("The value \"" + std::string(value) + "\" of " + Describe(mask) +
                               " is too short: it needs " + std::to_string(lastColumn) + " characters");
    }
    int Number(std::size_t first, std::size_t last) const
    {
        return StrictOptionInteger(TrimBlanks(value_.substr(first - 1, last - first + 1)));
    }
    TMaskField Field(std::size_t first, std::size_t last) const { return MaskField(Number(first, last)); }
    TRect Rect(std::size_t first) const
    {
        return {Number(first, first + 3), Number(first + 5, first + 8), Number(first + 10, first + 13),
                Number(first + 15, first + 18)};
    }

private:
    std::string_view value_;
};

std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
        const std::string_view word = TrimBlanks(text.substr(start, end - start));
        if (!word.empty())
            words.push_back(word);
        start = end + 1;
    }
    return words;
}

int WordNumber(const std::vector<std::string_view>& words, std::size_t index, int absent)
{
    return index < words.size() ? OptionInteger(words[index], 0) : absent;
}

// The "#" form's words: text before the first "(" and then the bracketed
// groups; a value without brackets is split at blanks instead.
std::vector<std::string_view> RectValueWords(std::string_view value)
{
    if (value.find('(') != std::string_view::npos)
        return SplitWords(value, "()");
    return SplitWords(value, " \t");
}

} // namespace

TImageValueForm ClassifyImageValue(std::string_view value)
{
    if (value.empty())
        return TImageValueForm::NotAnImage;
    switch (value.front()) {
    case '!': return TImageValueForm::ExternalFile;
    case '@': return TImageValueForm::MasterPlain;
    case '^': return TImageValueForm::MasterBordered;
    case '~': return TImageValueForm::MasterTexture;
    default: break;
    }
    if (value.find('#') == std::string_view::npos)
        return TImageValueForm::NamedBitmap;
    return value == "#" ? TImageValueForm::NotAnImage : TImageValueForm::MasterRect;
}

void RequireCuttable(const TsMaskData& mask)
{
    if (mask.FrameCount < 1)
        throw EInvalidData("The frame count " + std::to_string(mask.FrameCount) + " of " + Describe(mask) +
                           " is not valid: an image has at least one frame");
    if (mask.MaskBands < 0)
        throw EInvalidData("The mask band count " + std::to_string(mask.MaskBands) + " of " + Describe(mask) +
                           " is not valid: it cannot be negative");
}

void SetThirdBorders(TsMaskData& mask)
{
    RequireCuttable(mask);
    mask.LeftWidth = mask.RightWidth = MaskField(ThirdOfFrameWidth(mask));
    mask.TopWidth = mask.BottomWidth = MaskField(ThirdOfBandHeight(mask));
}

void SetFrameBorders(TsMaskData& mask)
{
    RequireCuttable(mask);
    mask.LeftWidth = mask.RightWidth = MaskField(FrameWidth(mask));
    mask.TopWidth = mask.BottomWidth = MaskField(BandHeight(mask));
}

void ApplyZeroBorderRule(TsMaskData& mask, void (*fallback)(TsMaskData&))
{
    if (mask.LeftWidth != 0 || mask.TopWidth != 0 || mask.RightWidth != 0 || mask.BottomWidth != 0)
        return;
    if (mask.BorderWidth != 0)
        mask.LeftWidth = mask.TopWidth = mask.RightWidth = mask.BottomWidth = mask.BorderWidth;
    else
        fallback(mask);
}

void ReadPlainMasterValue(std::string_view value, TsMaskData& mask)
{
    const TFixedColumns columns(value, mask, 24);
    mask.SourceRect = columns.Rect(2);
    mask.FrameCount = columns.Field(22, 22);
    mask.MaskBands = columns.Field(24, 24);
    mask.ImageKind = ikPlain;
}

void ReadBorderedMasterValue(std::string_view value, double skinVersion, TsMaskData& mask)
{
    const TFixedColumns columns(value, mask, 48);
    mask.SourceRect = columns.Rect(2);
    mask.LeftWidth = columns.Field(22, 25);
    mask.TopWidth = columns.Field(27, 30);
    mask.RightWidth = columns.Field(32, 35);
    mask.BottomWidth = columns.Field(37, 40);
    mask.FrameCount = columns.Field(42, 42);
    mask.MaskBands = columns.Field(44, 44);
    mask.DrawFlags = columns.Field(46, 46);
    mask.BorderWidth = columns.Field(48, 48);
    mask.ImageKind = ikBordered;
    RequireCuttable(mask);
    // Older skins did not say whether a one-pixel centre is to be stretched;
    // the painter reads bit 0 for that.
    if (skinVersion < 7.4 && mask.MaskBands > 0) {
        const bool onePixelCentre = std::int64_t(FrameWidth(mask)) - mask.LeftWidth - mask.RightWidth == 1 &&
                                    std::int64_t(BandHeight(mask)) - mask.TopWidth - mask.BottomWidth == 1;
        mask.DrawFlags = MaskField(onePixelCentre ? (mask.DrawFlags | 1) : (mask.DrawFlags & ~1));
    }
    ApplyZeroBorderRule(mask, SetThirdBorders);
}

void ReadTextureMasterValue(std::string_view value, TsMaskData& mask)
{
    const TFixedColumns columns(value, mask, 23);
    mask.SourceRect = columns.Rect(2);
    mask.FrameCount = 1;
    mask.DrawFlags = columns.Field(22, 23);
    mask.MaskBands = value.size() >= 25 ? columns.Field(25, 25) : TMaskField(0);
    mask.ImageKind = ikTexture;
}

void ReadMasterRectValue(std::string_view value, TsMaskData& mask)
{
    const std::vector<std::string_view> words = RectValueWords(value);
    const std::vector<std::string_view> rect = SplitWords(words.size() > 1 ? words[1] : std::string_view(),
                                                          " ,\t");
    const std::vector<std::string_view> counts = SplitWords(words.size() > 2 ? words[2] : std::string_view(),
                                                            " ,\t");
    mask.SourceRect = {WordNumber(rect, 0, 0), WordNumber(rect, 1, 0), WordNumber(rect, 2, 0),
                       WordNumber(rect, 3, 0)};
    // The limits apply to the values as the record holds them.
    mask.FrameCount = std::max<TMaskField>(MaskField(WordNumber(counts, 0, 0)), 1);
    mask.MaskBands = std::max<TMaskField>(MaskField(WordNumber(counts, 1, 0)), 0);
    mask.BorderWidth = counts.size() > 2 ? std::max<TMaskField>(MaskField(StrictOptionInteger(counts[2])), 0)
                                         : 0;
    mask.DrawFlags = counts.size() > 3 ? MaskField(StrictOptionInteger(counts[3])) : TMaskField(1);
    mask.ImageKind = ikBordered;
}

TExternalImageValue ReadExternalValue(std::string_view value)
{
    const std::vector<std::string_view> words = SplitWords(value, "!");
    TExternalImageValue result;
    if (words.empty())
        return result;
    result.FileName = std::string(words[0]);
    result.FrameCount = WordNumber(words, 1, 0);
    result.MaskBands = WordNumber(words, 2, 0);
    result.ImageKind = std::clamp(WordNumber(words, 3, 0), 0, 4);
    result.HasBorders = words.size() >= 5;
    for (std::size_t i = 0; i < 4; ++i)
        result.Borders[i] = WordNumber(words, 4 + i, 0);
    result.DrawFlags = WordNumber(words, 8, 1);
    return result;
}

} // namespace pp
