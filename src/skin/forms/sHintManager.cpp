#include "skin/forms/sHintManager.h"

#include "skin/forms/HintSystemFont.h"
#include "skin/forms/sHintWindows.h"
#include "skin/loading/SkinEngineState.h"
#include "skin/loading/SkinManagerWin32.h"
#include "toolkit/Application.h"

namespace pp {

namespace {

// The application's pauses while a hint manager exists.
constexpr int ManagedHintPause = 300;
constexpr int ManagedHintShortPause = 200;

// Process-wide: one manager draws the hints at a time.
TsHintManager* servingManager = nullptr;

template <class Window> THintWindowFactory WindowFactory()
{
    return [] { return std::make_unique<Window>(nullptr); };
}

THintWindowFactory FactoryForStyle(THintStyle style)
{
    switch (style) {
    case THintStyle::hsComics: return WindowFactory<TsComicsHintWindow>();
    case THintStyle::hsEllipse: return WindowFactory<TsEllipseHintWindow>();
    case THintStyle::hsBalloon: return WindowFactory<TsBalloonHintWindow>();
    case THintStyle::hsStandard: return nullptr;
    default: return WindowFactory<TsSimplyHintWindow>();
    }
}

bool StyleServesHints(THintStyle style)
{
    return style != THintStyle::hsStandard && style != THintStyle::hsNone;
}

} // namespace

void TsHintKind::SetStyle(THintStyle style)
{
    if (Style == style)
        return;
    Style = style;
    manager_.ChooseWindowClass();
}

TsHintManager::TsHintManager(TComponent* owner) : TComponent(owner)
{
    if (Application) {
        Application->HintPause = ManagedHintPause;
        Application->HintShortPause = ManagedHintShortPause;
        if (!IsDesigning()) {
            previousShowHint_ = Application->OnShowHint;
            Application->OnShowHint = [this](std::string& text, bool& canShow, THintInfo& info) {
                ShowHintHook(text, canShow, info);
            };
        }
    }
    ChooseWindowClass();
}

TsHintManager::~TsHintManager()
{
    if (servingManager == this)
        servingManager = nullptr;
    if (Application) {
        Application->SetHintWindowClass(nullptr);
        if (!IsDesigning())
            Application->OnShowHint = previousShowHint_;
    }
}

TsHintManager* TsHintManager::Serving() { return servingManager; }

void TsHintManager::SetPauseHide(int milliseconds)
{
    if (pauseHide_ == milliseconds)
        return;
    pauseHide_ = milliseconds;
    if (Application)
        Application->HintHidePause = milliseconds;
}

void TsHintManager::SetSkinSection(const std::string& section)
{
    skinSection_ = section.empty() ? "HINT" : section;
}

void TsHintManager::SetUseSkinData(bool use)
{
    if (useSkinData_ == use)
        return;
    useSkinData_ = use;
    if (!use) {
        ChooseWindowClass();
        ApplyPreset();
    }
}

void TsHintManager::Loaded()
{
    TComponent::Loaded();
    if (IsDesigning())
        return;
    if (Application)
        Application->HintHidePause = pauseHide_;
    ApplyPreset();
}

void TsHintManager::ApplyPreset()
{
    const THintStyle before = hintKind_.Style;
    if (ApplyHintPreset(hintKind_, Predefinitions))
        AssignSystemHintFont(hintKind_.Font);
    if (hintKind_.Style != before)
        ChooseWindowClass();
}

void TsHintManager::ChooseWindowClass()
{
    if (StyleServesHints(hintKind_.Style))
        servingManager = this;
    else if (servingManager == this)
        servingManager = nullptr;
    if (Application)
        Application->SetHintWindowClass(FactoryForStyle(hintKind_.Style));
}

bool TsHintManager::SkinnedMode() const
{
    const TsSkinManager* skins = SkinEngine.DefaultManager;
    return servingManager == this && useSkinData_ && skins && skins->Active() &&
           skins->GetSkinIndex(skinSection_) >= 0;
}

void TsHintManager::ShowHintHook(std::string& hintText, bool& canShow, THintInfo& info)
{
    if (previousShowHint_)
        previousShowHint_(hintText, canShow, info);
    hintPosition_ = info.HintPos;
    if (OnShowHint)
        OnShowHint(hintText, canShow, info);
    hintPosition_ = info.HintPos;
}

std::optional<TPoint> TsHintManager::TakeHintPosition() { return std::exchange(hintPosition_, std::nullopt); }

} // namespace pp
