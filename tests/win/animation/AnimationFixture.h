#pragma once
// A skinned control made for the animation tests: its binding answers from
// a skin made in memory (one section, optionally a glow image), its look is
// one colour it is told, and it records what the fade hands it.
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/AnimationBindingWin32.h"
#include "skin/paint/FadeTimerWin32.h"
#include "skin/paint/LayeredWindowWin32.h"
#include "toolkit/Form.h"

#include <memory>
#include <vector>

namespace pp::test {

struct TSectionValues {
    bool FadingEnabled = true;
    int FadingIterations = 5;
    int Glow = 0;
    int GlowMargin = 0;
};

// A manager holding one section "BUTTON" and, with borders given, its
// 32-bit image "GLOW0" of 3 x 3 pixels cut into borders of 1.
std::unique_ptr<TsSkinManager> MakeManager(const TSectionValues& values, bool withGlowImage);

// A control with (TWinControl) or without (TGraphicControl) a window.
template <class Base> class TAnimatedControl : public Base, public TAnimationBinding {
public:
    TAnimatedControl(TWinControl* parent, TsSkinManager& manager);
    ~TAnimatedControl() override;

    // The look PrepareCache builds; SetLookNow also puts it in the cache.
    TBGRA Look{0, 0, 0, 255};
    void SetLookNow(TBGRA look)
    {
        Look = look;
        PrepareCache();
    }
    // What the fade offered, and what the control answered.
    std::vector<TBitmap> Frames;
    bool DrawsFramesItself = true;
    bool IgnoresStopFading = false;
    int StopFadingCount = 0;
    int Invalidations = 0;
    int Repaints = 0;
    TsFadeTimer* Fade = nullptr;

    TControl* HostControl() const override { return const_cast<TAnimatedControl*>(this); }
    TsSkinManager* SkinManager() const override { return manager_; }
    int SectionIndex() const override { return 0; }
    TBitmap* CacheBitmap() override { return &cache_; }
    bool BackgroundStale() const override { return stale_; }
    void SetBackgroundStale(bool stale) override { stale_ = stale; }
    bool PrepareCache() override;
    void InvalidateOwner(bool updateNow) override;
    int& GlowHandle() override { return glow_; }

    void WndProc(TMessage& message) override;

private:
    TsSkinManager* manager_;
    TBitmap cache_;
    bool stale_ = false;
    int glow_ = -1;
};

using TAnimatedButton = TAnimatedControl<TWinControl>;
using TAnimatedGraphic = TAnimatedControl<TGraphicControl>;

// Records what would go to the layered-window update while it lives.
class TLayeredRecorder {
public:
    explicit TLayeredRecorder(bool available = true);
    ~TLayeredRecorder();
    TLayeredRecorder(const TLayeredRecorder&) = delete;
    TLayeredRecorder& operator=(const TLayeredRecorder&) = delete;

    struct TPush {
        HWND Window;
        TPoint Position;
        TSize Size;
        TPoint Source;
        int Alpha;
        TBitmap Picture;
    };
    std::vector<TPush> Pushes;

private:
    TLayeredWindowApi previous_;
};

// A visible form at a known place on screen, not activated.
std::unique_ptr<TForm> ShownForm(int left, int top, int width, int height);

} // namespace pp::test
