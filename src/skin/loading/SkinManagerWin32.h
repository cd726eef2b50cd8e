#pragma once
// The skin manager: a non-visual component that finds a skin by name (a
// package in the skin directory, else a folder there, else a skin stored in
// the window's description), loads it, and carries the application-wide
// skinning options.
#include "core/IniFile.h"
#include "core/StringList.h"
#include "skin/loading/ExtendedBorderImages.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/loading/SkinAnnouncerWin32.h"
#include "skin/loading/SkinEngineState.h"
#include "skin/loading/SkinFileSource.h"
#include "skin/loading/SkinManagerOptions.h"
#include "skin/loading/StoredSkins.h"
#include "skin/loading/ThirdPartyList.h"
#include "toolkit/Component.h"
#include "toolkit/Messages.h"
#include "win/Handles.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace pp {

class TsSkinManager : public TComponent {
public:
    static constexpr const char* DefaultSkinDirectory = "c:\\Skins";

    explicit TsSkinManager(TComponent* owner);
    ~TsSkinManager() override;
    std::string ClassName() const override { return "TsSkinManager"; }

    // Published options, in their stored order.
    TacSkinEffects Effects;
    // The stored value counts only where the platform has layered windows.
    bool ExtendedBorders() const;
    void SetExtendedBorders(bool value);
    bool SkinnedPopups() const { return skinnedPopups_; }
    void SetSkinnedPopups(bool value);
    TacAnimEffects AnimEffects;
    TacButtonsSupport ButtonsOptions;
    bool IsDefault() const { return isDefault_; }
    void SetIsDefault(bool value);
    bool Active() const { return active_; }
    void SetActive(bool value);
    const TStringList& CommonSections() const { return commonSections_; }
    // Takes the lines without blanks (comment lines as they are) and reloads.
    void SetCommonSections(const TStringList& lines);
    int Saturation() const { return saturation_; }
    void SetSaturation(int value);
    int HueOffset() const { return hueOffset_; }
    void SetHueOffset(int value);
    TsStoredSkins InternalSkins;
    TacMenuSupport MenuSupport;
    const TacScrollBarsSupport& ScrollsOptions() const { return scrollsOptions_; }
    void SetScrollSize(int value);
    const std::string& SkinDirectory() const { return skinDirectory_; }
    void SetSkinDirectory(const std::string& value);
    const std::string& SkinName() const { return skinName_; }
    // Loads the named skin at once while the manager is active; setting the
    // current name again reloads it.
    void SetSkinName(const std::string& value);
    // The loaded skin's version, or "N/A" while no skin is active.
    std::string SkinInfo() const;
    unsigned SkinningRules = AllSkinningRules;
    ThirdPartyList ThirdParty;
    // Version of the skinning engine.
    static std::string Version() { return "8.46"; }

    TNotifyEvent OnActivate;
    TNotifyEvent OnAfterChange;
    TNotifyEvent OnBeforeChange;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnSkinListChanged;
    TNotifyEvent OnSkinLoading;
    // A standard dialog is about to be skinned automatically; clearing
    // `allowed` leaves it as the platform draws it.
    std::function<void(HWND dialog, bool& allowed)> OnSysDlgInit;

    void Loaded() override;

    // The loaded skin. Its SkinData.Active says whether it may be painted with.
    TsLoadedSkin& Skin() { return skin_; }
    const TsLoadedSkin& Skin() const { return skin_; }
    TsSkinData& SkinData() { return skin_.SkinData; }
    // The current skin came from a package (a file or a stored skin).
    bool IsPacked() const { return isPacked_; }
    // Held by a change driven from outside; the new-skin announcement waits.
    bool UpdateLocked = false;

    // The announcements to every form (see SkinAnnouncer). The new skin is
    // shown with the skin-changing animation when `animated`.
    void BroadcastNewSkin(bool animated);
    void BroadcastRemoveSkin();
    void BroadcastRefresh(bool animated);

    // The window and the control under the mouse, as the windows report
    // them. Clearing the hot control is refused (false) while its binding
    // still has the mouse.
    HWND HotWindow() const { return hotWindow_; }
    void SetHotWindow(HWND window);
    TControl* HotControl() const { return hotControl_; }
    bool SetHotControl(TControl* control);

    // The outer shadow frame for forms, prepared after every load.
    const TacExtendedBorders& ExtendedBorderImages() const { return extendedBorders_; }
    // The window-creation hook that automatic skinning works through.
    bool CreationHookInstalled() const { return static_cast<bool>(creationHook_); }

    // A WM_COPYDATA from a skin editing tool: applies the previewed skin
    // and answers 1, or answers 0 for anything else and for a skin that
    // failed to load (the previous one stays).
    LRESULT ApplySkinPreview(WPARAM kind, const COPYDATASTRUCT* data);
    // The options text of the skin being previewed, while it is applied.
    const std::optional<std::string>& PreviewOptions() const { return previewOptions_; }

    void Notification(TComponent* component, TOperation operation) override;

    // The skin directory with relative names taken from the program's folder.
    std::string ResolvedSkinDirectory() const;
    // Fills `list` with the skins on offer (see CollectSkinNames); answers
    // the first name found.
    std::string GetSkinNames(TStringList& list, int kind = 0) const;
    // The class-name lists of ThirdParty, split, by list index.
    const TThirdPartyClassLists& ThirdLists() const { return thirdLists_; }

    // Colours for painters without a section of their own.
    TColor GetActiveEditColor(bool hot = false) const;
    TColor GetActiveEditFontColor(bool hot = false) const;
    TColor GetHighLightColor(bool hot = false) const;
    TColor GetHighLightFontColor(bool hot = false) const;
    TColor GetGlobalColor() const { return skin_.Colors[scGlobalColor]; }
    TColor GetGlobalFontColor() const { return skin_.Colors[scGlobalFontColor]; }
    TColor SkinColor(TsSkinColor which) const { return skin_.Colors[which]; }

    // Border widths of an image: its own side width, else its common border
    // width, else a whole frame (left, right) or band (top, bottom).
    int MaskWidthLeft(int maskIndex) { return HorizontalBorder(maskIndex, &TsMaskData::LeftWidth); }
    int MaskWidthRight(int maskIndex) { return HorizontalBorder(maskIndex, &TsMaskData::RightWidth); }
    int MaskWidthTop(int maskIndex) const { return VerticalBorder(maskIndex, &TsMaskData::TopWidth); }
    int MaskWidthBottom(int maskIndex) const { return VerticalBorder(maskIndex, &TsMaskData::BottomWidth); }

    int GetSkinIndex(std::string_view section) const { return skin_.GetSkinIndex(section); }
    bool IsValidSkinIndex(int index) const { return skin_.IsValidSkinIndex(index); }
    int GetMaskIndex(int sectionIndex, std::string_view section, std::string_view key) const
    {
        return skin_.GetMaskIndex(sectionIndex, section, key);
    }
    int GetMaskIndexExact(std::string_view section, std::string_view key) const
    {
        return skin_.GetMaskIndexExact(section, key);
    }
    int GetTextureIndex(int sectionIndex, std::string_view section, std::string_view key) const
    {
        return skin_.GetTextureIndex(sectionIndex, section, key);
    }
    int GetPatternIndex(int sectionIndex, std::string_view section, std::string_view key) const
    {
        return skin_.GetPatternIndex(sectionIndex, section, key);
    }
    bool IsValidImgIndex(int index) const { return skin_.IsValidImgIndex(index); }

private:
    void FillThirdPartyLists();
    void FinishSkinChange();
    // Loads skinName_ from its package or folder; the error's message on failure.
    std::optional<std::string> LoadCurrentSkin();
    // Reloads the current skin for a changed colour or border option.
    void ReloadSkin(bool fireAfterChange);
    void SetAdjustment(int& field, int value);
    void ReplaceHotWindow(HWND window);
    void Send(TSkinAnnouncement what);
    void InstallCreationHook();
    bool HandleApplicationMessage(TMessage& message);
    // The load paths; each throws with the message for the user.
    std::string PackageFile() const;
    void LoadPackedSkin();
    void LoadSkinFolder();
    void LoadStoredSkin();
    // Where the skin being loaded comes from; taken over with the skin.
    struct TSkinOrigin {
        std::string SkinFolder;
        bool Packed = false;
    };
    void RunLoadSteps(const TMemIniFile& options, const TSkinFileSource& images, TSkinOrigin origin);
    void CheckSkinVersion(double version);
    void ShowLoadError(const std::string& message) const;
    void Fire(const TNotifyEvent& event);
    const TsMaskData* MaskAt(int maskIndex) const;
    int HorizontalBorder(int maskIndex, TMaskField TsMaskData::*side);
    int VerticalBorder(int maskIndex, TMaskField TsMaskData::*side) const;

    TsLoadedSkin skin_;
    TThirdPartyClassLists thirdLists_;
    std::string skinDirectory_;
    std::string skinName_;
    bool active_ = true;
    bool isPacked_ = false;
    // A whole skin was loaded and has not been removed since.
    bool skinLoaded_ = false;
    // The last change of the skin name could not load the skin.
    bool lastLoadFailed_ = false;
    bool storedExtendedBorders_ = false;
    bool skinnedPopups_ = true;
    bool isDefault_ = true;
    TStringList commonSections_{true};
    int saturation_ = 0;
    int hueOffset_ = 0;
    TacScrollBarsSupport scrollsOptions_;
    TacExtendedBorders extendedBorders_;
    HWND hotWindow_ = nullptr;
    TControl* hotControl_ = nullptr;
    std::optional<std::string> previewOptions_;
    THookHandle creationHook_;
    int appHookId_ = 0;
};

} // namespace pp
