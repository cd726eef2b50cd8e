#pragma once
// A skinned form's own window animations: minimizing to its taskbar button
// and restoring from it, fading in when shown and out when hidden. The
// platform's own minimize animation is switched off while these play.
//
// The main form does not minimize itself: its minimize and restore
// commands go to the application's window, whose hook (MainFormAnimations)
// asks this object to play them.
#include "skin/forms/FrameSkin.h"
#include "skin/forms/MinimizeTimer.h"

#include <functional>
#include <memory>

namespace pp {

class TsSkinManager;

class TFormAnimations {
public:
    using TDefaultHandler = std::function<void(TMessage&)>;
    TFormAnimations(TCustomForm& form, TsCommonData& binding, TsFrameSkin& frame,
                    TDefaultHandler callDefault);
    ~TFormAnimations();
    TFormAnimations(const TFormAnimations&) = delete;
    TFormAnimations& operator=(const TFormAnimations&) = delete;

    unsigned StateBits = 0;
    // An animation of this form plays: frame painting waits.
    bool OwnAnimationRunning = false;
    bool AllowAnimation = true;
    // The application's minimizing plays; the show and hide animations keep still.
    bool SuppressOwnAnimations = false;

    // True when the message was answered here.
    bool HandleMessage(TMessage& message);

    // The skin manager wants the minimize animation and the platform can show it.
    bool MinimizingActive() const;
    void StartMinimizing();
    // False when refused: a restore is pending already, or nothing was minimized.
    bool StartRestoring();
    TacMinTimer* MinTimer() const { return minTimer_.get(); }

    // The main form through the application's window: true when the command was consumed.
    bool MinimizeMainForm();
    bool RestoreMainForm();

private:
    HWND Window() const;
    const TsSkinManager* Manager() const;
    bool IsMainForm() const;
    bool SystemCommand(TMessage& message);
    void SetUpMinTimer();
    void Minimized();
    void Restored();
    void Retarget();
    bool ShowAnimated(TMessage& message);
    void WindowPosChanging(const TMessage& message);
    void WindowPosChanged(TMessage& message);

    TCustomForm& form_;
    TsCommonData& binding_;
    TsFrameSkin& frame_;
    TDefaultHandler callDefault_;
    std::unique_ptr<TacMinTimer> minTimer_;
    bool restoreMaximized_ = false;
    TBitmap hidePicture_;
    // Callbacks of animations that may outlive this object hold a weak copy.
    std::shared_ptr<TFormAnimations*> self_;
};

} // namespace pp
