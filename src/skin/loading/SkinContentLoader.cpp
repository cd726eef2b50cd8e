#include "skin/loading/SkinContentLoader.h"

#include "skin/loading/CommonSections.h"
#include "skin/loading/SkinColors.h"
#include "skin/loading/SkinImageLoader.h"
#include "skin/loading/SkinRecolor.h"

namespace pp {
namespace {

void CheckVersion(const TSkinLoadSettings& settings, double version)
{
    if (settings.CheckVersion)
        settings.CheckVersion(version);
}

void LoadSections(const TMemIniFile& options, const TSkinLoadSettings& settings, TsLoadedSkin& skin)
{
    ReadGlobalInfo(options, settings.SizingFrameWidth, skin.SkinData);
    CheckVersion(settings, skin.SkinData.Version);
    TsGeneralDataArray sections = ReadSectionRecords(options);
    if (settings.CommonSections)
        MergeCommonSections(*settings.CommonSections, sections);
    skin.SetSections(std::move(sections));
    skin.UpdateSectionImageIndexes();
    skin.Colors = ReadSkinColors(options, skin.Sections());
    RecolorSkin(skin, settings.HueOffset, settings.Saturation);
}

} // namespace

void LoadSkinContent(const TMemIniFile& options, const TSkinFileSource& images,
                     const TSkinLoadSettings& settings, TsLoadedSkin& skin)
{
    skin.SkinData.Version = ReadSkinVersion(options);
    CheckVersion(settings, skin.SkinData.Version);

    const TSkinFolderSource files(skin.SkinData.SkinFolder);
    LoadSkinImages({options, images, files, settings.CommonSections, skin.SkinData.Version}, skin);
    LoadSections(options, settings, skin);
    skin.UpdateStandardIndexes();
    skin.UpdateSectionImageIndexes();
}

} // namespace pp
