#pragma once
// The minimize and restore animation of a form: a picture of the window
// shrinks and fades towards its taskbar target, 15 ms a frame, or grows
// back from it. The frames play on a layered window of their own; the form
// itself is minimized (or stays minimized) meanwhile, so nothing waits for
// the animation and the message loop keeps running.
#include "core/Bitmap.h"
#include "skin/forms/FormGeometry.h"
#include "skin/paint/ThreadedTimerWin32.h"

#include <functional>
#include <memory>

#include <windows.h>

namespace pp {

class TacEffectForm;

struct TMinimizeEvents {
    // The picture has gone: the form is minimized for good.
    std::function<void()> Minimized;
    // The picture stands at the window's place: show the real window.
    std::function<void()> Restored;
};

class TacMinTimer : public TacThreadedTimer {
public:
    TacMinTimer(TComponent* owner, TMinimizeEvents events);
    ~TacMinTimer() override;
    std::string ClassName() const override { return "TacMinTimer"; }

    // The path from the window's rectangle `source` to `target`, the
    // window's picture, and the opacity the window has when shown.
    void SetUp(TBitmap snapshot, const TRect& source, const TRect& target, int timeMs, int startOpacity);
    // A new target, the rest kept (the work area changed meanwhile).
    void Retarget(const TRect& target);
    void StartMinimizing();
    void StartRestoring();

    bool Restoring() const { return restoring_; }
    bool HasPicture() const { return !snapshot_.Empty(); }
    const TMinimizePath& Path() const { return path_; }
    const TRect& Source() const { return source_; }
    // The opacity the picture had at the last frame.
    int Opacity() const { return opacity_; }

protected:
    void Tick() override;

private:
    void Start(bool restoring);
    void PushFrame(const TRect& rect, int opacity);
    void EndMinimizing();
    void EndRestoring();
    void HideWindow();

    TMinimizeEvents events_;
    TBitmap snapshot_;
    TBitmap work_;
    TRect source_;
    int timeMs_ = 0;
    TMinimizePath path_;
    int tick_ = 0;
    int opacity_ = 0;
    bool restoring_ = false;
    std::unique_ptr<TacEffectForm> window_;
};

} // namespace pp
