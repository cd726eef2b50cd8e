#pragma once
// The skin manager: a non-visual component that finds a skin by name (a
// package in the skin directory, else a folder there, else a skin stored in
// the window's description), loads it, and carries the application-wide
// skinning options.
#include "core/IniFile.h"
#include "core/StringList.h"
#include "skin/loading/LoadedSkin.h"
#include "skin/loading/SkinEngineState.h"
#include "skin/loading/SkinFileSource.h"
#include "skin/loading/SkinManagerOptions.h"
#include "skin/loading/StoredSkins.h"
#include "skin/loading/ThirdPartyList.h"
#include "toolkit/Component.h"

#include <functional>
#include <string>

namespace pp {

enum class TSkinAnnouncement { NewSkin, RemoveSkin };
// How the windows learn that a manager has a new skin or none: every skin
// change goes through this one slot, which the broadcast to the windows
// fills in.
using TSkinAnnouncer = std::function<void(TsSkinManager& manager, TSkinAnnouncement what, bool animated)>;
inline TSkinAnnouncer SkinAnnouncer;

class TsSkinManager : public TComponent {
public:
    static constexpr const char* DefaultSkinDirectory = "c:\\Skins";

    explicit TsSkinManager(TComponent* owner);
    ~TsSkinManager() override;
    std::string ClassName() const override { return "TsSkinManager"; }

    // Published options, in their stored order.
    TacSkinEffects Effects;
    bool ExtendedBorders = false;
    bool SkinnedPopups = true;
    TacAnimEffects AnimEffects;
    TacButtonsSupport ButtonsOptions;
    bool IsDefault = true;
    bool Active() const { return active_; }
    void SetActive(bool value);
    TStringList CommonSections{true};
    int Saturation = 0;
    int HueOffset = 0;
    TsStoredSkins InternalSkins;
    TacMenuSupport MenuSupport;
    TacScrollBarsSupport ScrollsOptions;
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

    void Loaded() override;

    // The loaded skin. Its SkinData.Active says whether it may be painted with.
    TsLoadedSkin& Skin() { return skin_; }
    const TsLoadedSkin& Skin() const { return skin_; }
    TsSkinData& SkinData() { return skin_.SkinData; }
    // The current skin came from a package (a file or a stored skin).
    bool IsPacked() const { return isPacked_; }
    // Held by a change driven from outside; the new-skin announcement waits.
    bool UpdateLocked = false;

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
    void Announce(TSkinAnnouncement what, bool animated);
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
    int appHookId_ = 0;
};

} // namespace pp
