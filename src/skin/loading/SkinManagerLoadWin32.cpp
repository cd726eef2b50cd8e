// Setting a skin name: where the skin is found, how it is loaded, and what
// the user is told when it is too new, too old or cannot be loaded.
#include "skin/loading/SkinManagerWin32.h"

#include "core/Error.h"
#include "core/Stream.h"
#include "skin/loading/CommonSections.h"
#include "skin/loading/SkinContentLoader.h"
#include "skin/loading/SkinConvertor.h"
#include "skin/loading/SkinLocation.h"
#include "skin/loading/SkinOptionsText.h"
#include "skin/loading/SkinVersionNotice.h"
#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Timer.h"
#include "win/CommandLine.h"
#include "win/Text.h"

#include <windows.h>

#include <memory>

namespace pp {
namespace {

HWND MessageOwner() { return Application ? Application->Handle() : nullptr; }

} // namespace

void TsSkinManager::SetSkinName(const std::string& value)
{
    const std::string oldName = skinName_;
    skinName_ = value;
    if (!active_)
        return;
    Fire(OnBeforeChange);
    {
        TFlagScope loading(SkinEngine.SkinLoading, true);
        skin_.SkinData.Active = false;
        skinName_ = StripPackageExtension(skinName_);
        const auto error = LoadCurrentSkin();
        lastLoadFailed_ = error.has_value();
        if (error) {
            skinName_ = oldName;
            ShowLoadError(*error);
        }
    }
    // The flag is clear while the windows are told, after a failed load as
    // after a good one: they repaint with the skin that stays, and painters
    // that hold back during a load would otherwise leave it unpainted.
    FinishSkinChange();
}

std::optional<std::string> TsSkinManager::LoadCurrentSkin()
{
    bool packed = FileExists(PackageFile());
    if (SkinEngine.EditorPreviewMode &&
        DirectoryExists(WithTrailingBackslash(ResolvedSkinDirectory()) + skinName_))
        packed = false;
    try {
        packed ? LoadPackedSkin() : LoadSkinFolder();
    } catch (const std::exception& error) {
        // Nothing of the failed skin was taken over: the previous skin is
        // still whole, with its IsPacked, and may be shown again.
        return error.what();
    }
    return std::nullopt;
}

void TsSkinManager::FinishSkinChange()
{
    if (active_) {
        if (!UpdateLocked && !IsLoading())
            BroadcastNewSkin(true);
        if (!IsDesigning() && !IsLoading())
            Fire(OnActivate);
    } else {
        BroadcastRemoveSkin();
        if (!IsDesigning())
            Fire(OnActivate);
    }
    Fire(OnAfterChange);
}

// The package is looked for where the folder is: a relative skin directory
// means the program's folder, never the current directory, which may be
// anywhere and would let a folder win over the package beside it.
std::string TsSkinManager::PackageFile() const { return PackagePath(ResolvedSkinDirectory(), skinName_); }

void TsSkinManager::LoadPackedSkin()
{
    const std::string path = PackageFile();
    std::unique_ptr<TacSkinConvertor> package;
    OpenPackedFile(package, path, true);
    RunLoadSteps(PackageOptions(package, "\"" + path + "\""), TSkinPackageSource(*package),
                 {ResolvedSkinDirectory() + "\\", true});
}

void TsSkinManager::LoadSkinFolder()
{
    const std::string folder = ResolvedSkinDirectory() + "\\" + skinName_ + "\\";
    const std::string optionsFile = folder + "Options.dat";
    if (SkinEngine.EditorPreviewMode && previewOptions_) {
        TMemoryStream bytes(std::vector<std::uint8_t>(previewOptions_->begin(), previewOptions_->end()));
        RunLoadSteps(OptionsFrom(bytes), TSkinFolderSource(folder), {folder, false});
        return;
    }
    if (!FileExists(optionsFile)) {
        LoadStoredSkin();
        return;
    }
    TMemoryStream bytes(ReadFileBytes(optionsFile));
    RunLoadSteps(OptionsFrom(bytes), TSkinFolderSource(folder), {folder, false});
}

void TsSkinManager::LoadStoredSkin()
{
    TsStoredSkin* stored = InternalSkins.Find(skinName_);
    if (!stored && InternalSkins.Count() > 0) {
        stored = &InternalSkins.Items(0);
        skinName_ = stored->Name;
    }
    if (!stored) {
        // Nothing of that name anywhere: the windows keep the platform's look.
        active_ = false;
        return;
    }
    if (stored->Data.Size() == 0)
        throw EInvalidData("The stored skin \"" + stored->Name + "\" holds no data");
    std::unique_ptr<TacSkinConvertor> package;
    ReadStoredSkin(package, stored->Data);
    RunLoadSteps(PackageOptions(package, "stored as \"" + stored->Name + "\""), TSkinPackageSource(*package),
                 {std::string(), true});
}

void TsSkinManager::RunLoadSteps(const TMemIniFile& options, const TSkinFileSource& images,
                                 TSkinOrigin origin)
{
    // The new skin is built beside the current one and takes its place only
    // when it is whole, so that a damaged skin never leaves a half-built one
    // to be painted with.
    TsLoadedSkin fresh;
    fresh.SkinData.SkinFolder = std::move(origin.SkinFolder);
    TSkinLoadSettings settings;
    settings.SizingFrameWidth = GetSystemMetrics(SM_CXSIZEFRAME);
    TMemIniFile common;
    if (!commonSections_.Empty()) {
        common = ParseCommonSections(commonSections_);
        settings.CommonSections = &common;
    }
    settings.CheckVersion = [this](double version) { CheckSkinVersion(version); };
    settings.HueOffset = hueOffset_;
    settings.Saturation = saturation_;
    LoadSkinContent(options, images, settings, fresh);
    // The skin in use is still whole and painters hold back during a load:
    // the port's timers may tick before the new skin takes its place.
    RunDuePunctualTimers();
    // Whether the skin may be painted with is the broadcast's to say.
    fresh.SkinData.Active = skin_.SkinData.Active;
    skin_ = std::move(fresh);
    skinLoaded_ = true;
    isPacked_ = origin.Packed;
    extendedBorders_ = PrepareExtendedBorders(skin_, active_, ExtendedBorders());
    Fire(OnSkinLoading);
}

void TsSkinManager::CheckSkinVersion(double version)
{
    switch (ClassifySkinVersion(version, HasOldSkinNoticeSwitch(ProgramArguments()))) {
    case TSkinVersionNotice::TooNew: {
        // The warning box itself must not be skinned by a skin that may not
        // paint it correctly.
        const unsigned rules = SkinningRules;
        SkinningRules &= ~srStdDialogs;
        MessageBoxW(MessageOwner(), WideFromUtf8(TooNewSkinText()).c_str(), L"Warning",
                    MB_OK | MB_ICONWARNING);
        SkinningRules = (SkinningRules & ~srStdDialogs) | (rules & srStdDialogs);
        break;
    }
    case TSkinVersionNotice::TooOld: ShowMessage(OldSkinText(skinName_)); break;
    case TSkinVersionNotice::None: break;
    }
}

void TsSkinManager::ShowLoadError(const std::string& message) const
{
    MessageBoxW(MessageOwner(), WideFromUtf8(message).c_str(), L"Error", MB_OK | MB_ICONERROR);
}

} // namespace pp
