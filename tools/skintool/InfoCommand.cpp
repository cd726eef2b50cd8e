#include "InfoCommand.h"

#include "core/Error.h"
#include "core/IniFile.h"
#include "core/Stream.h"
#include "core/StringList.h"
#include "core/Utf8Path.h"
#include "skin/loading/SkinContentLoader.h"
#include "skin/loading/SkinConvertor.h"
#include "skin/loading/SkinReport.h"

#include <memory>

namespace skintool {
namespace {

pp::TMemIniFile OptionsFrom(pp::TStream& stream)
{
    pp::TStringList lines(true);
    lines.LoadFromStream(stream);
    return pp::TMemIniFile(lines);
}

std::string InfoOfFolder(const std::string& folder)
{
    const std::string skinFolder = folder.back() == '/' || folder.back() == '\\' ? folder : folder + "/";
    const pp::TSkinFolderSource images(skinFolder);
    const std::string optionsFile = images.ResolveFile("Options.dat");
    if (optionsFile.empty())
        throw pp::EFOpenError("The folder \"" + folder + "\" holds no Options.dat");
    pp::TMemoryStream optionsStream(pp::ReadFileBytes(optionsFile));
    const pp::TMemIniFile options = OptionsFrom(optionsStream);
    pp::TsLoadedSkin skin;
    skin.SkinData.SkinFolder = skinFolder;
    pp::LoadSkinContent(options, images, {}, skin);
    return pp::DescribeSkin(skin, options);
}

std::string InfoOfPackage(const std::string& file)
{
    std::unique_ptr<pp::TacSkinConvertor> package;
    pp::OpenPackedFile(package, file, true);
    if (!package || !package->OptionsStream)
        throw pp::EInvalidData("The skin package \"" + file + "\" has no Options.dat entry");
    package->OptionsStream->SetPosition(0);
    const pp::TMemIniFile options = OptionsFrom(*package->OptionsStream);
    pp::TsLoadedSkin skin;
    skin.SkinData.SkinFolder = pp::Utf8FromPath(pp::PathFromUtf8(file).parent_path()) + "/";
    const pp::TSkinPackageSource images(*package);
    pp::LoadSkinContent(options, images, {}, skin);
    return pp::DescribeSkin(skin, options);
}

} // namespace

std::string Info(const std::string& skinPath)
{
    if (pp::DirectoryExists(skinPath))
        return InfoOfFolder(skinPath);
    if (pp::FileExists(skinPath))
        return InfoOfPackage(skinPath);
    throw pp::EFOpenError("No skin folder or package at \"" + skinPath + "\"");
}

} // namespace skintool
