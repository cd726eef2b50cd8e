#include "skin/paint/SkinChangeAnimationWin32.h"

#include "skin/paint/AnimationPlayerWin32.h"
#include "skin/paint/LayeredWindowWin32.h"
#include "skin/paint/OutputWindowWin32.h"
#include "skin/paint/ShowAnimationWin32.h"
#include "skin/paint/WindowAnimationSteps.h"
#include "skin/pixels/Blend.h"
#include "win/Handles.h"

#include <memory>

namespace pp {
namespace {

void RedrawForm(TWinControl& form)
{
    RedrawWindow(form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

class TFrozenBlend : public TFramedAnimation {
public:
    explicit TFrozenBlend(TSkinChangeRequest request)
        : request_(std::move(request)),
          steps_(AnimationStepCount(request_.TimeMs)),
          oldLook_(FreezeFormPicture(*request_.Form)),
          frame_(request_.NewLook),
          output_(*request_.Form)
    {
        output_.ShowPicture(oldLook_);
    }

    bool Tick() override
    {
        if (step_ <= steps_) {
            BlendThroughWeights(frame_, request_.NewLook, oldLook_, SkinChangeOldWeight(step_++, steps_));
            output_.ShowPicture(frame_);
            return false;
        }
        output_.ShowPicture(request_.NewLook);
        covering_ = false;
        if (request_.Finished)
            request_.Finished();
        RedrawForm(*request_.Form);
        return true;
    }
    bool CoversWindow() const override { return covering_; }

private:
    TSkinChangeRequest request_;
    int steps_;
    int step_ = 0;
    bool covering_ = true;
    TBitmap oldLook_;
    TBitmap frame_;
    TOutputWindow output_;
};

} // namespace

TBitmap FreezeFormPicture(TWinControl& form)
{
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    TBitmap picture(r.right - r.left, r.bottom - r.top);
    const TWindowDCHandle screen(nullptr);
    TMemoryDCHandle dc(CreateCompatibleDC(screen.Get()));
    if (picture.NativeHandle() && dc) {
        const TSelectObject selected(dc.Get(), static_cast<HBITMAP>(picture.NativeHandle()));
        BitBlt(dc.Get(), 0, 0, picture.Width(), picture.Height(), screen.Get(), r.left, r.top, SRCCOPY);
        GdiFlush();
    }
    return picture;
}

void AnimateSkinChange(TSkinChangeRequest request)
{
    if (!request.Form || !request.Form->HandleAllocated())
        return;
    if (LayeredWindowsAvailable()) {
        TFormShowRequest show;
        show.Window = request.Form->Handle();
        show.Snapshot = std::move(request.NewLook);
        show.TimeMs = request.TimeMs;
        show.FinalAlpha = request.FinalAlpha;
        show.Mode = request.Mode;
        show.ShowRealWindow = std::move(request.Finished);
        AnimateFormShow(std::move(show));
        return;
    }
    PlayAnimation(std::make_unique<TFrozenBlend>(std::move(request)));
}

} // namespace pp
