#include "skin/loading/SkinPathLoader.h"

#include "core/Error.h"
#include "core/Stream.h"
#include "core/Utf8Path.h"
#include "skin/loading/SkinConvertor.h"
#include "skin/loading/SkinFileSource.h"
#include "skin/loading/SkinOptionsText.h"

#include <memory>

namespace pp {
namespace {

TSkinFromPath LoadFolder(const std::string& folder, const TSkinLoadSettings& settings)
{
    const std::string skinFolder = folder.back() == '/' || folder.back() == '\\' ? folder : folder + "/";
    const TSkinFolderSource images(skinFolder);
    const std::string optionsFile = images.ResolveFile("Options.dat");
    if (optionsFile.empty())
        throw EFOpenError("The folder \"" + folder + "\" holds no Options.dat");
    TMemoryStream optionsStream(ReadFileBytes(optionsFile));
    TSkinFromPath loaded;
    loaded.Options = OptionsFrom(optionsStream);
    loaded.Skin.SkinData.SkinFolder = skinFolder;
    LoadSkinContent(loaded.Options, images, settings, loaded.Skin);
    return loaded;
}

TSkinFromPath LoadPackage(const std::string& file, const TSkinLoadSettings& settings)
{
    std::unique_ptr<TacSkinConvertor> package;
    OpenPackedFile(package, file, true);
    TSkinFromPath loaded;
    loaded.Options = PackageOptions(package, "\"" + file + "\"");
    loaded.Skin.SkinData.SkinFolder = Utf8FromPath(PathFromUtf8(file).parent_path()) + "/";
    LoadSkinContent(loaded.Options, TSkinPackageSource(*package), settings, loaded.Skin);
    return loaded;
}

} // namespace

TSkinFromPath LoadSkinFromPath(const std::string& path, const TSkinLoadSettings& settings)
{
    if (!path.empty() && DirectoryExists(path))
        return LoadFolder(path, settings);
    if (!path.empty() && FileExists(path))
        return LoadPackage(path, settings);
    throw EFOpenError("No skin folder or package at \"" + path + "\"");
}

} // namespace pp
