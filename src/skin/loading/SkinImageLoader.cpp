#include "skin/loading/SkinImageLoader.h"

#include "core/StringList.h"
#include "skin/loading/CornerFlag.h"
#include "skin/loading/ImageFormat.h"
#include "skin/loading/ImageValueForms.h"
#include "skin/loading/SkinImageAlpha.h"

namespace pp {
namespace {

// The decoded image ready for the skin engine, or null when the source has
// no such image or it is empty.
std::unique_ptr<TBitmap> LoadImage(const TSkinImageRequest& request, const TSkinFileSource& source,
                                   const std::string& name, TImageFormat format)
{
    const std::unique_ptr<TStream> stream = source.Open(name);
    if (!stream)
        return nullptr;
    TBitmap image = DecodeImage(*stream, format, request.Version);
    if (image.Width() <= 0)
        return nullptr;
    if (request.Budget)
        request.Budget->Take(name, image);
    return std::make_unique<TBitmap>(std::move(image));
}

void PrepareForSkin(TBitmap& image) { ConvertToSkin32(image); }

TsMaskData Named(std::string section, std::string key)
{
    TsMaskData mask;
    mask.SectionName = std::move(section);
    mask.KeyName = std::move(key);
    return mask;
}

// A record for an image of its own, under upper-cased names, covering the
// whole image; the image gets the 32-bit treatment first.
TsMaskData OwnImageMask(const std::string& section, const std::string& key, std::unique_ptr<TBitmap> image)
{
    PrepareForSkin(*image);
    TsMaskData mask = Named(AsciiUpperCase(section), AsciiUpperCase(key));
    mask.SourceRect = image->Bounds();
    mask.OwnBitmap = std::move(image);
    return mask;
}

void FinishBordered(TsMaskData& mask, const TsLoadedSkin& skin)
{
    RequireCuttable(mask);
    mask.CornerFlag = ComputeCornerFlag(mask, skin.MasterBitmap);
}

class TMaskReader {
public:
    TMaskReader(const TSkinImageRequest& request, TsLoadedSkin& skin) : request_(request), skin_(skin) { }

    void ReadValue(const std::string& section, const std::string& key, const std::string& value)
    {
        switch (ClassifyImageValue(value)) {
        case TImageValueForm::ExternalFile: return ReadExternal(section, key, value);
        case TImageValueForm::MasterPlain: return ReadMaster(section, key, value, ReadPlainMasterValue);
        case TImageValueForm::MasterBordered: return ReadBordered(section, key, value);
        case TImageValueForm::MasterTexture: return ReadMaster(section, key, value, ReadTextureMasterValue);
        case TImageValueForm::NamedBitmap: return ReadNamedBitmap(section, key, value);
        case TImageValueForm::MasterRect: return ReadRect(section, key, value);
        case TImageValueForm::NotAnImage: return;
        }
    }

private:
    void ReadExternal(const std::string& section, const std::string& key, const std::string& value)
    {
        const TExternalImageValue words = ReadExternalValue(value);
        const std::optional<TImageFormat> format = ImageFormatOfName(words.FileName);
        if (format != TImageFormat::Bmp && format != TImageFormat::Png)
            return;
        std::unique_ptr<TBitmap> image = LoadImage(request_, request_.Images, words.FileName, *format);
        if (!image)
            return;
        PrepareForSkin(*image);
        TsMaskData mask = Named(section, key);
        mask.SourceRect = image->Bounds();
        mask.OwnBitmap = std::move(image);
        mask.FrameCount = MaskField(words.FrameCount);
        mask.MaskBands = MaskField(words.MaskBands);
        mask.ImageKind = static_cast<std::uint8_t>(words.ImageKind);
        if (words.HasBorders) {
            mask.LeftWidth = MaskField(words.Borders[0]);
            mask.TopWidth = MaskField(words.Borders[1]);
            mask.RightWidth = MaskField(words.Borders[2]);
            mask.BottomWidth = MaskField(words.Borders[3]);
        } else {
            SetThirdBorders(mask);
        }
        mask.DrawFlags = MaskField(words.DrawFlags);
        if (mask.ImageKind == ikBordered)
            FinishBordered(mask, skin_);
        skin_.AddMask(std::move(mask));
    }

    void ReadMaster(const std::string& section, const std::string& key, const std::string& value,
                    void (*read)(std::string_view, TsMaskData&))
    {
        TsMaskData mask = Named(section, key);
        read(value, mask);
        skin_.AddMask(std::move(mask));
    }

    void ReadBordered(const std::string& section, const std::string& key, const std::string& value)
    {
        TsMaskData mask = Named(section, key);
        ReadBorderedMasterValue(value, request_.Version, mask);
        FinishBordered(mask, skin_);
        skin_.AddMask(std::move(mask));
    }

    void ReadNamedBitmap(const std::string& section, const std::string& key, const std::string& value)
    {
        const std::string name = AsciiUpperCase(value);
        if (!NameHasExtension(name, TImageFormat::Bmp))
            return;
        std::unique_ptr<TBitmap> image = LoadImage(request_, request_.Images, name, TImageFormat::Bmp);
        if (!image)
            return;
        TsMaskData mask = OwnImageMask(section, key, std::move(image));
        mask.FrameCount = 3;
        mask.MaskBands = 1;
        mask.LeftWidth = mask.RightWidth = MaskField(mask.SourceRect.Width() / 9);
        mask.TopWidth = mask.BottomWidth = MaskField(mask.SourceRect.Height() / 6);
        FinishBordered(mask, skin_);
        skin_.AddMask(std::move(mask));
    }

    void ReadRect(const std::string& section, const std::string& key, const std::string& value)
    {
        TsMaskData mask = Named(AsciiUpperCase(section), AsciiUpperCase(key));
        ReadMasterRectValue(value, mask);
        ApplyZeroBorderRule(mask, SetFrameBorders);
        FinishBordered(mask, skin_);
        skin_.AddMask(std::move(mask));
    }

    const TSkinImageRequest& request_;
    TsLoadedSkin& skin_;
};

void LoadMasterBitmap(const TSkinImageRequest& request, TsLoadedSkin& skin)
{
    const std::string name = request.Options.ReadString(GlobalInfoSection, "MASTERBITMAP", "");
    std::unique_ptr<TBitmap> image;
    if (!name.empty())
        image = LoadImage(request, request.Images, name, TImageFormat::Bmp);
    skin.MasterBitmap = image ? std::move(*image) : TBitmap(0, 0, TPixelFormat::pf32bit);
    PrepareForSkin(skin.MasterBitmap);
    skin.MasterBitmap.Transparent = true;
    skin.MasterBitmap.TransparentColor = clKeyColor;
}

bool IsMasterBitmapKey(const TIniSection& section, const TIniEntry& entry)
{
    return section.Name() == GlobalInfoSection && entry.Key == "MASTERBITMAP";
}

void LoadMasks(const TSkinImageRequest& request, TsLoadedSkin& skin)
{
    TMaskReader reader(request, skin);
    for (const TIniSection& section : request.Options.Sections())
        for (const TIniEntry& entry : section.Entries())
            if (!entry.Value.empty() && !IsMasterBitmapKey(section, entry))
                reader.ReadValue(section.Name(), entry.Key, entry.Value);
}

// A texture small enough becomes a bitmap of its own; larger ones (and every
// texture of the common sections) are kept as patterns.
void LoadTexture(const TSkinImageRequest& request, const TSkinFileSource& source, const std::string& section,
                 const std::string& key, const std::string& value, bool alwaysPattern, TsLoadedSkin& skin)
{
    const std::string name = AsciiUpperCase(value);
    if (!NameHasExtension(name, TImageFormat::Jpeg))
        return;
    std::unique_ptr<TBitmap> image = LoadImage(request, source, name, TImageFormat::Jpeg);
    if (!image)
        return;
    const std::int64_t pixels = std::int64_t(image->Width()) * image->Height();
    if (alwaysPattern || pixels > MaxTextureMaskPixels) {
        skin.AddPattern({std::move(image), AsciiUpperCase(section), AsciiUpperCase(key)});
        return;
    }
    TsMaskData mask = OwnImageMask(section, key, std::move(image));
    mask.FrameCount = 1;
    mask.ImageKind = ikTexture;
    skin.AddMask(std::move(mask));
}

void LoadPatterns(const TSkinImageRequest& request, TsLoadedSkin& skin)
{
    for (const TIniSection& section : request.Options.Sections())
        for (const TIniEntry& entry : section.Entries())
            LoadTexture(request, request.Images, section.Name(), entry.Key, entry.Value, false, skin);
}

void LoadCommonBitmap(const TSkinImageRequest& request, const std::string& section, const std::string& key,
                      const std::string& name, TsLoadedSkin& skin)
{
    std::unique_ptr<TBitmap> image = LoadImage(request, request.Files, name, TImageFormat::Bmp);
    if (image)
        skin.AddMask(OwnImageMask(section, key, std::move(image)));
}

void LoadCommonRect(const std::string& section, const std::string& key, const std::string& value,
                    TsLoadedSkin& skin)
{
    TsMaskData mask = Named(AsciiUpperCase(section), AsciiUpperCase(key));
    ReadMasterRectValue(value, mask);
    // Unlike the skin's own rectangles, common ones default to thirds.
    ApplyZeroBorderRule(mask, SetThirdBorders);
    FinishBordered(mask, skin);
    skin.AddMask(std::move(mask));
}

void LoadCommonSectionImages(const TSkinImageRequest& request, TsLoadedSkin& skin)
{
    if (!request.CommonSections)
        return;
    for (const TIniSection& section : request.CommonSections->Sections()) {
        if (section.Name() == GlobalInfoSection)
            continue;
        for (const TIniEntry& entry : section.Entries()) {
            const std::string& value = entry.Value;
            if (value.find('#') == std::string::npos) {
                const std::string name = AsciiUpperCase(value);
                if (NameHasExtension(name, TImageFormat::Bmp))
                    LoadCommonBitmap(request, section.Name(), entry.Key, name, skin);
            } else if (value != "#") {
                LoadCommonRect(section.Name(), entry.Key, value, skin);
            }
            LoadTexture(request, request.Files, section.Name(), entry.Key, value, true, skin);
        }
    }
}

} // namespace

void LoadSkinImages(const TSkinImageRequest& given, TsLoadedSkin& skin)
{
    TSkinImageBudget budget;
    TSkinImageRequest request = given;
    if (!request.Budget)
        request.Budget = &budget;
    skin.ClearImages();
    LoadMasterBitmap(request, skin);
    LoadMasks(request, skin);
    LoadPatterns(request, skin);
    LoadCommonSectionImages(request, skin);
}

} // namespace pp
