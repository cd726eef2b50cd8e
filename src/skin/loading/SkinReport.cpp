#include "skin/loading/SkinReport.h"

#include "core/StringList.h"
#include "skin/loading/ImageFormat.h"
#include "skin/loading/ImageValueForms.h"

#include <cstdio>
#include <string_view>

namespace pp {
namespace {

constexpr const char* ColorNames[SkinColorCount] = {"global colour",
                                                    "global font colour",
                                                    "bottom colour",
                                                    "top colour",
                                                    "edit text",
                                                    "edit colour",
                                                    "selection",
                                                    "selection text",
                                                    "hot selection",
                                                    "hot selection text",
                                                    "inverse edit background",
                                                    "inverse edit text",
                                                    "odd-row edit background",
                                                    "even-row edit background",
                                                    "edit text ok",
                                                    "edit text warning",
                                                    "edit text alert",
                                                    "edit text fourth state",
                                                    "edit text fifth state",
                                                    "edit background ok",
                                                    "edit background warning",
                                                    "edit background alert",
                                                    "edit background fourth state",
                                                    "edit background fifth state",
                                                    "heading 1 text",
                                                    "heading 2 text",
                                                    "heading 3 text",
                                                    "border colour"};

std::string Format(const char* format, auto... args)
{
    const int size = std::snprintf(nullptr, 0, format, args...);
    if (size <= 0)
        return {};
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.pop_back();
    return text;
}

std::string ColorText(TColor c)
{
    if (c == static_cast<TColor>(-1))
        return "none";
    return Format(c > 0xFFFFFF ? "$%08X" : "$%06X", static_cast<unsigned>(c));
}

// The value an image record was made from. Some forms upper-case the names
// they store, so names are matched without case.
std::string_view SourceValue(const TMemIniFile& options, const TsMaskData& mask)
{
    for (const TIniSection& section : options.Sections()) {
        if (!AsciiSameText(section.Name(), mask.SectionName))
            continue;
        for (const TIniEntry& entry : section.Entries())
            if (AsciiSameText(entry.Key, mask.KeyName) && !entry.Value.empty())
                return entry.Value;
    }
    return {};
}

const char* FormName(std::string_view value)
{
    if (value.empty())
        return "common section";
    switch (ClassifyImageValue(value)) {
    case TImageValueForm::ExternalFile: return "! image file";
    case TImageValueForm::MasterPlain: return "@ master plain";
    case TImageValueForm::MasterBordered: return "^ master bordered";
    case TImageValueForm::MasterTexture: return "~ master texture";
    case TImageValueForm::MasterRect: return "# master rectangle";
    case TImageValueForm::NamedBitmap:
        return NameHasExtension(AsciiUpperCase(value), TImageFormat::Bmp) ? "bitmap file" : "texture file";
    case TImageValueForm::NotAnImage: break;
    }
    return "?";
}

void DescribeSections(const TsLoadedSkin& skin, std::string& out)
{
    out += Format("Sections (%zu):\n", skin.Sections().size());
    for (std::size_t i = 0; i < skin.Sections().size(); ++i) {
        const TsGeneralData& s = skin.Sections()[i];
        out += Format("  %3zu  %-24s parent %-16s states %d  border %d  texture %d\n", i,
                      s.SectionName.c_str(), s.ParentClass.empty() ? "-" : s.ParentClass.c_str(), s.States,
                      s.BorderMaskIndex, s.TextureIndex);
    }
}

std::string MaskLine(const TsMaskData& m, const char* form)
{
    const TRect& r = m.SourceRect;
    std::string line = Format(
        "  %-16s %-16s %-18s rect %d,%d,%d,%d  frames %d  bands %d  borders %d/%d/%d/%d  width %d  "
        "flags %d  kind %d  corner %d",
        m.SectionName.c_str(), m.KeyName.c_str(), form, r.Left, r.Top, r.Right, r.Bottom, m.FrameCount,
        m.MaskBands, m.LeftWidth, m.TopWidth, m.RightWidth, m.BottomWidth, m.BorderWidth, m.DrawFlags,
        int(m.ImageKind), int(m.CornerFlag));
    if (m.OwnBitmap)
        line += Format("  own %dx%d", m.OwnBitmap->Width(), m.OwnBitmap->Height());
    return line + "\n";
}

void DescribeImages(const TsLoadedSkin& skin, const TMemIniFile& options, std::string& out)
{
    out += Format("Master bitmap: %dx%d\n", skin.MasterBitmap.Width(), skin.MasterBitmap.Height());
    out += Format("Images (%zu):\n", skin.Masks().size());
    for (const TsMaskData& mask : skin.Masks())
        out += MaskLine(mask, FormName(SourceValue(options, mask)));
    out += Format("Patterns (%zu):\n", skin.Patterns().size());
    for (const TsPatternData& p : skin.Patterns())
        out += Format("  %-16s %-16s %dx%d\n", p.SectionName.c_str(), p.KeyName.c_str(), p.Img->Width(),
                      p.Img->Height());
}

void DescribeColors(const TsLoadedSkin& skin, std::string& out)
{
    out += "Colours:\n";
    for (int i = 0; i < SkinColorCount; ++i)
        out += Format("  %2d  %-28s %s\n", i, ColorNames[i],
                      ColorText(skin.Colors[static_cast<std::size_t>(i)]).c_str());
}

} // namespace

std::string DescribeSkin(const TsLoadedSkin& skin, const TMemIniFile& options)
{
    std::string out = Format("Version: %g\n", skin.SkinData.Version);
    out += "Author: " + skin.SkinData.Author + "\n";
    out += "Description: " + skin.SkinData.Description + "\n";
    DescribeSections(skin, out);
    DescribeImages(skin, options, out);
    DescribeColors(skin, out);
    return out;
}

} // namespace pp
