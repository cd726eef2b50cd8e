#pragma once
// The hint manager: a component that gives the application's hints the
// engine's own shaped, shadowed and translucent windows and sets the
// application's hint timing.
#include "core/Bitmap.h"
#include "skin/paint/HintLook.h"
#include "toolkit/Component.h"
#include "toolkit/GraphicsObjects.h"
#include "toolkit/HintWindow.h"

#include <optional>
#include <string>

namespace pp {

class TsHintManager;

// The look of the manager's hints: the values of THintLook plus the text
// font and the texture picture. Change Style through SetStyle, so that the
// manager picks the window class for it.
class TsHintKind : public THintLook {
public:
    explicit TsHintKind(TsHintManager& manager) : manager_(manager) { }
    void SetStyle(THintStyle style);
    TFont Font;
    TBitmap Texture;
    std::string TextureFile;

private:
    TsHintManager& manager_;
};

// Called before a hint shows: may change the text, forbid the hint, or
// move it by changing the information's HintPos.
using TsShowHintEvent = std::function<void(std::string& hintText, bool& canShow, THintInfo& info)>;

class TsHintManager : public TComponent {
public:
    explicit TsHintManager(TComponent* owner);
    ~TsHintManager() override;
    std::string ClassName() const override { return "TsHintManager"; }

    TsHintKind& HintKind() { return hintKind_; }
    const TsHintKind& HintKind() const { return hintKind_; }
    // Applied once, when the form has loaded; setting it only stores it.
    THintPredefinitions Predefinitions = THintPredefinitions::shEllipse;
    bool Animated = true;
    THintMousePos DefaultMousePos = THintMousePos::mpLeftTop;
    // Simple markup in hint texts is not rendered; the flag is kept for
    // stored forms.
    bool HTMLMode = false;
    int PauseHide() const { return pauseHide_; }
    void SetPauseHide(int milliseconds);
    const std::string& SkinSection() const { return skinSection_; }
    void SetSkinSection(const std::string& section);
    bool UseSkinData() const { return useSkinData_; }
    void SetUseSkinData(bool use);
    TsShowHintEvent OnShowHint;

    void Loaded() override;

    // The manager whose windows draw the application's hints, or null.
    static TsHintManager* Serving();
    // Drawn with SkinSection of the current skin instead of the own style.
    bool SkinnedMode() const;
    // The hint position the application proposed for the hint about to
    // show; forgotten once taken.
    std::optional<TPoint> TakeHintPosition();

private:
    friend class TsHintKind;
    void ApplyPreset();
    void ChooseWindowClass();
    void ShowHintHook(std::string& hintText, bool& canShow, THintInfo& info);

    TsHintKind hintKind_{*this};
    int pauseHide_ = 5000;
    std::string skinSection_ = "HINT";
    bool useSkinData_ = false;
    std::optional<TPoint> hintPosition_;
    TShowHintEvent previousShowHint_;
};

} // namespace pp
