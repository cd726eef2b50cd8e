#pragma once
// A borderless window the engine makes for its own effects: a glow around
// a control, or the temporary window a window animation plays on. It is
// tagged so that automatic skinning leaves it alone, has no owner window,
// and is never activated.
#include "core/Geometry.h"
#include "toolkit/Form.h"

namespace pp {

// Windows the engine makes for itself carry this tag.
inline constexpr int EngineWindowTag = -98;

class TacEffectForm : public TForm {
public:
    // `exStyle` is added to tool window and no-activate; with
    // `hitTransparent` the mouse passes through to what lies below.
    TacEffectForm(TComponent* owner, DWORD exStyle, bool hitTransparent);
    std::string ClassName() const override { return "TacEffectForm"; }

    // Puts the window at `screenRect`, directly above `above` in the
    // z-order (topmost when that window is), and shows it without
    // activating anything.
    void ShowAbove(HWND above, const TRect& screenRect);
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    DWORD exStyle_;
    bool hitTransparent_;
};

} // namespace pp
