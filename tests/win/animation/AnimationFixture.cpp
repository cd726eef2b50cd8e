#include "animation/AnimationFixture.h"

#include "skin/paint/SkinMessages.h"

#include <type_traits>

namespace pp::test {

std::unique_ptr<TsSkinManager> MakeManager(const TSectionValues& values, bool withGlowImage)
{
    auto manager = std::make_unique<TsSkinManager>(nullptr);
    TsGeneralData section;
    section.SectionName = "BUTTON";
    section.FadingEnabled = values.FadingEnabled;
    section.FadingIterations = values.FadingIterations;
    section.GlowCount = values.Glow;
    section.GlowMargin = values.GlowMargin;
    manager->Skin().SetSections({section});
    manager->Skin().SkinData.Active = true;
    if (withGlowImage) {
        TsMaskData glow;
        glow.OwnBitmap = std::make_unique<TBitmap>(3, 3);
        glow.OwnBitmap->Fill(TBGRA{255, 255, 255, 128});
        glow.SectionName = "BUTTON";
        glow.KeyName = "GLOW0";
        glow.SourceRect = {0, 0, 3, 3};
        glow.FrameCount = 1;
        glow.LeftWidth = glow.TopWidth = glow.RightWidth = glow.BottomWidth = 1;
        manager->Skin().AddMask(std::move(glow));
    }
    return manager;
}

template <class Base>
TAnimatedControl<Base>::TAnimatedControl(TWinControl* parent, TsSkinManager& manager)
    : Base(nullptr), manager_(&manager)
{
    this->SetParent(parent);
    this->SetBounds(10, 10, 4, 2);
    cache_.SetSize(4, 2);
    cache_.Fill(Look);
    if constexpr (std::is_base_of_v<TWinControl, Base>)
        this->HandleNeeded();
}

template <class Base> TAnimatedControl<Base>::~TAnimatedControl() { StopFade(Fade); }

template <class Base> bool TAnimatedControl<Base>::PrepareCache()
{
    cache_.SetSize(this->Width(), this->Height());
    cache_.Fill(Look);
    stale_ = false;
    return true;
}

template <class Base> void TAnimatedControl<Base>::InvalidateOwner(bool)
{
    ++Invalidations;
    stale_ = true;
    this->Invalidate();
}

template <class Base> void TAnimatedControl<Base>::WndProc(TMessage& message)
{
    if (message.Msg == WM_PAINT)
        ++Repaints;
    if (message.Msg == SM_SKINCOMMAND) {
        switch (SkinCommandOf(message.WParam)) {
        case SkinMsgFadeFrame:
            Frames.push_back(*reinterpret_cast<const TBitmap*>(message.LParam));
            message.Result = DrawsFramesItself ? 1 : 0;
            return;
        case SkinMsgStopFading:
            ++StopFadingCount;
            if (!IgnoresStopFading) {
                StopFade(Fade);
                this->Repaint();
            }
            return;
        case SkinMsgClearStale: message.Result = PrepareCache() ? 0 : 1; return;
        default: break;
        }
    }
    Base::WndProc(message);
}

template class TAnimatedControl<TWinControl>;
template class TAnimatedControl<TGraphicControl>;

TLayeredRecorder::TLayeredRecorder(bool available)
{
    TLayeredWindowApi api;
    api.Available = [available] { return available; };
    api.Push = [this](const TLayeredPush& push) {
        Pushes.push_back({push.Window, push.Position, push.Size, push.Source, push.Alpha, *push.Picture});
        return true;
    };
    previous_ = SetLayeredWindowApi(std::move(api));
}

TLayeredRecorder::~TLayeredRecorder() { SetLayeredWindowApi(previous_); }

std::unique_ptr<TForm> ShownForm(int left, int top, int width, int height)
{
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(left, top, width, height);
    ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
    return form;
}

} // namespace pp::test
