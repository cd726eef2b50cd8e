#pragma once
// The parent a control asks for its backdrop, over the skin command
// message: a parent control (its window, or its own dispatch when it has
// none) or a parent window.
#include "skin/paint/BackdropParent.h"
#include "toolkit/Control.h"

#include <windows.h>

namespace pp {

class TControlBackdropParent : public TBackdropParent {
public:
    explicit TControlBackdropParent(TControl& parent) : parent_(parent) { }
    void AskForBackdrop(BackdropRequest& request) override;
    void PaintIntoTarget(const BackdropRequest& request) override;
    // Its answer to SkinMsgGetColor (0 counts as none), else its own colour.
    TColor FallbackColor() override;

private:
    TControl& parent_;
};

class TWindowBackdropParent : public TBackdropParent {
public:
    explicit TWindowBackdropParent(HWND parent) : parent_(parent) { }
    void AskForBackdrop(BackdropRequest& request) override;
    void PaintIntoTarget(const BackdropRequest& request) override;
    // The default skin manager's global colour, else the button face.
    TColor FallbackColor() override;

private:
    HWND parent_;
};

// The request answered by the parent control when there is one, else by
// the parent window, with the fallbacks of RequestParentBackdrop.
void RequestParentBackdrop(BackdropRequest& request, TControl* parentControl, HWND parentWindow,
                           bool paintNow);

// Where a window lies in its parent window's client area.
TPoint WindowPositionInParent(HWND window);

} // namespace pp
