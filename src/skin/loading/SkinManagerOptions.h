#pragma once
// The option groups a skin manager publishes besides the skin itself:
// effects, animations, buttons, menus and scroll bars. Plain values with
// their stored defaults; the parts that animate, paint menus or scroll read
// them.
#include "core/Color.h"

#include <string>

namespace pp {

enum TacAnimType { atFading, atAero };

class TacSkinEffects {
public:
    // True only when it is asked for and the platform can show glow
    // (layered windows, and not a 32-bit program on 64-bit Windows with
    // desktop composition off).
    bool AllowGlowing() const;
    bool StoredAllowGlowing() const { return allowGlowing_; }
    void SetAllowGlowing(bool value) { allowGlowing_ = value; }
    bool AllowAeroBluring = true;

private:
    bool allowGlowing_ = true;
};

struct TacBlendOnMoving {
    bool Active = false;
    int BlendValue = 170;
    int Time = 1000;
};

enum TacBtnEvent : unsigned {
    beMouseEnter = 1u << 0,
    beMouseLeave = 1u << 1,
    beMouseDown = 1u << 2,
    beMouseUp = 1u << 3,
};

struct TacBtnEffects {
    unsigned Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
};

struct TacFormAnimation {
    bool Active = true;
    int Time = 0;
    TacAnimType Mode = atAero;
};
using TacDialogShow = TacFormAnimation;
using TacFormShow = TacFormAnimation;
using TacFormHide = TacFormAnimation;

struct TacMinimizing {
    bool Active = true;
    int Time = 200;
};

struct TacPageChange {
    bool Active = true;
    int Time = 0;
};

struct TacSkinChanging {
    bool Active = true;
    int Time = 100;
    TacAnimType Mode = atFading;
};

struct TacAnimEffects {
    TacBlendOnMoving BlendOnMoving;
    TacBtnEffects Buttons;
    TacDialogShow DialogShow;
    TacFormShow FormShow;
    TacFormHide FormHide;
    TacFormHide DialogHide;
    TacMinimizing Minimizing;
    TacPageChange PageChange;
    TacSkinChanging SkinChanging;
};

struct TacButtonsSupport {
    bool ShowFocusRect = true;
};

struct TacMenuExtraLineFont {
    std::string Name = "Tahoma";
    int Height = -11;
    TColor Color = clWindowText;
    bool Bold = false;
};

struct TacMenuSupport {
    int AlphaBlend = 255;
    // Empty until the manager has been loaded; then "ICOLINE".
    std::string IcoLineSkin;
    bool UseExtraLine = false;
    int ExtraLineWidth = 32;
    TacMenuExtraLineFont ExtraLineFont;
};

struct TacScrollBarsSupport {
    int ScrollSize = -1;
};

enum TacSkinningRule : unsigned {
    srStdForms = 1u << 0,
    srStdDialogs = 1u << 1,
    srThirdParty = 1u << 2,
};
inline constexpr unsigned AllSkinningRules = srStdForms | srStdDialogs | srThirdParty;

// Process-wide: glowing was found impossible when the program started.
void SetGlowingDisabledAtStart(bool disabled);
bool GlowingDisabledAtStart();

} // namespace pp
