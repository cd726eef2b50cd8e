#include "skin/paint/AnimationWindowWin32.h"

#include "skin/paint/EffectFormWin32.h"
#include "skin/paint/LayeredWindowWin32.h"

namespace pp {
namespace {

TRect WindowBounds(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

TacAnimationWindow::TacAnimationWindow(HWND window)
    : form_(new TacEffectForm(nullptr, WS_EX_LAYERED, false)),
      animated_(window),
      bounds_(WindowBounds(window))
{
    form_->SetBounds(bounds_.Left, bounds_.Top, bounds_.Width(), bounds_.Height());
}

TacAnimationWindow::~TacAnimationWindow() { delete form_; }

HWND TacAnimationWindow::Handle() const { return form_->Handle(); }

void TacAnimationWindow::Push(const TBitmap& picture, int alpha)
{
    TLayeredPush push;
    push.Window = form_->Handle();
    push.Position = {bounds_.Left, bounds_.Top};
    push.Size = {std::min(bounds_.Width(), picture.Width()), std::min(bounds_.Height(), picture.Height())};
    push.Picture = &picture;
    push.Alpha = alpha;
    PushLayeredWindow(push);
    if (!shown_) {
        form_->ShowAbove(animated_, bounds_);
        shown_ = true;
    }
}

void TacAnimationWindow::SendBehind(HWND window)
{
    SetWindowPos(form_->Handle(), window, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace pp
