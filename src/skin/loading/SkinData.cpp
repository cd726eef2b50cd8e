#include "skin/loading/SkinData.h"

#include "skin/loading/OptionValues.h"

namespace pp {
namespace {

class TGlobalInfoReader {
public:
    explicit TGlobalInfoReader(const TMemIniFile& options) : options_(options) { }

    std::string Text(const char* key) const { return options_.ReadString(GlobalInfoSection, key, ""); }
    std::int32_t Integer(const char* key, std::int32_t defaultValue) const
    {
        return OptionInteger(options_.ReadString(GlobalInfoSection, key, ""), defaultValue);
    }
    std::int16_t Short(const char* key, std::int32_t defaultValue) const
    {
        return static_cast<std::int16_t>(Integer(key, defaultValue));
    }
    std::int16_t Strict(const char* key, const char* defaultText) const
    {
        return static_cast<std::int16_t>(
            StrictOptionInteger(options_.ReadString(GlobalInfoSection, key, defaultText)));
    }

private:
    const TMemIniFile& options_;
};

void ReadFrameMetrics(const TGlobalInfoReader& read, int sizingFrameWidth, TsSkinData& data)
{
    data.BorderWidth = read.Short("BORDERWIDTH", 4);
    data.TitleHeight = read.Short("TITLEHEIGHT", 30);
    if (data.TitleHeight == 0)
        data.TitleHeight = 30;
    data.MaxTitleHeight = read.Short("MAXHEIGHT", 0);
    if (data.MaxTitleHeight == 0)
        data.MaxTitleHeight = data.TitleHeight;
    data.FormOffset = read.Short("FORMOFFSET", sizingFrameWidth);
    data.CenterOffset = read.Short("CENTEROFFSET", 0);
    data.BorderMode = read.Short("BORDERMODE", 0);
    data.AlignOffset = read.Short("ALIGNOFFSET", 0);
    auto alignSide = [&](const char* key) {
        const std::int16_t value = read.Short(key, -1);
        return value == -1 ? data.AlignOffset : value;
    };
    data.AlignOffsetRight = alignSide("ALIGNOFFSETR");
    data.AlignOffsetTop = alignSide("ALIGNOFFSETT");
    data.AlignOffsetBottom = alignSide("ALIGNOFFSETB");
}

void ReadShadowAndTitleButtons(const TGlobalInfoReader& read, TsSkinData& data)
{
    data.Shadow1Color = static_cast<TColor>(read.Integer("SHADOW1COLOR", 0));
    data.Shadow1Offset = read.Strict("SHADOW1OFFSET", "0");
    data.Shadow1Transparency = read.Strict("SHADOW1TRANSPARENCY", "0");
    data.Shadow1Blur = read.Strict("SHADOW1BLUR", "-1");
    data.BISpace = read.Short("BISPACE", 0);
    data.BIVAlign = read.Short("BIVALIGN", 0);
    data.BIRight = read.Short("BIRIGHT", 0);
    data.BILeft = read.Short("BILEFT", 0);
    data.BITop = read.Short("BITOP", 0);
    data.BIKeepHue = read.Short("BIKEEPHUE", 0);
    data.CloseGlowSize = read.Strict("BICONCLOSEGLOW", "0");
    data.CloseGlowMargin = read.Strict("BICONCLOSEGLOWMARGIN", "0");
    data.MaxGlowSize = read.Strict("BICONMAXGLOW", "0");
    data.MaxGlowMargin = read.Strict("BICONMAXGLOWMARGIN", "0");
    data.MinGlowSize = read.Strict("BICONMINGLOW", "0");
    data.MinGlowMargin = read.Strict("BICONMINGLOWMARGIN", "0");
    data.AeroBlur = read.Integer("AEROBLUR", 0) != 0;
}

} // namespace

double ReadSkinVersion(const TMemIniFile& options)
{
    return OptionNumber(options.ReadString(GlobalInfoSection, "VERSION", ""), 0);
}

void ReadGlobalInfo(const TMemIniFile& options, int sizingFrameWidth, TsSkinData& data)
{
    const TGlobalInfoReader read(options);
    data.Version = ReadSkinVersion(options);
    data.Author = read.Text("AUTHOR");
    data.Description = read.Text("DESCRIPTION");
    ReadFrameMetrics(read, sizingFrameWidth, data);
    ReadShadowAndTitleButtons(read, data);
}

} // namespace pp
