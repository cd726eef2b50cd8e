#pragma once
// The caption buttons of a skinned frame: which exist and with which skin
// images, where they lie, how they are drawn into the frame image, which
// one the mouse is over or pressing, the fades and glows of their looks,
// and the system commands their clicks send. The frame owns one and hands
// it the non-client mouse messages first.
#include "core/Bitmap.h"
#include "skin/forms/TitleButton.h"
#include "skin/forms/TitleButtonAnimation.h"
#include "skin/forms/TitleButtonSlot.h"
#include "skin/paint/FrameGeometry.h"
#include "toolkit/Control.h"

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace pp {

class TCustomForm;
class TsCommonData;
class TsFrameSkin;
struct TSkinImage;

// A title element is pressed somewhere in the process (cleared by a
// release, a double click or the mouse leaving).
extern bool TitleElementPressed;

enum TCaptionSlot : int { csMinimize = 0, csMaximize = 1, csClose = 2, csHelp = 3 };

class TCaptionButtons {
public:
    TCaptionButtons(TCustomForm& form, TsCommonData& binding, TsFrameSkin& frame);
    ~TCaptionButtons();
    TCaptionButtons(const TCaptionButtons&) = delete;
    TCaptionButtons& operator=(const TCaptionButtons&) = delete;

    // The element now hot or pressed: 0 none, -1 after the mouse left.
    int HotCode = 0;
    bool LargeTitleButtons = false;
    // Opens the system menu at a screen point (the provider's).
    std::function<void(TPoint)> OnShowSystemMenu;

    TsTitleButtons& UserButtons() { return userButtons_; }
    TitleButtonSlot& Slot(TCaptionSlot slot) { return slots_[slot]; }
    // The slot answering `code`; null when none.
    TitleButtonSlot* SlotOf(int code);

    // Looks up the images and places every button for the frame image
    // about to be composed.
    void Layout(const TFrameMeasures& m);
    // BIRIGHT, the shown buttons with their spacing and the user buttons.
    int BlockWidth() const;
    // Keeps the strip behind the buttons and draws them into the image.
    void Draw(TBitmap& image, const TFrameMeasures& m, int activeLook);
    // The shown caption buttons from the right: close, maximize, minimize, help.
    std::vector<TRect> ShownRects() const;

    // The title element's code under a point (window coordinates), 0 when
    // no element lies there.
    int HitTestElement(TPoint p) const;
    // The full answer for a point: elements, borders, caption, client.
    int HitTest(TPoint p) const;

    void SetHotCode(int code, bool repaint);
    void PressTitleElement(int code);
    void RepaintTitleButton(int code);
    // Every fade ends and every glow goes (the form moves or hides).
    void StopAnimations();

    // True when the message was answered here.
    bool HandleMessage(TMessage& message);

    // Buttons repainted into the frame image and onto the window one by
    // one (for tests).
    int DirectRepaints = 0;

private:
    HWND Window() const;
    bool ButtonEnabled(const TitleButtonSlot& slot) const;
    bool AnimatesButtons() const;
    bool GlowAllowed() const;
    std::optional<TSkinImage> ImageOf(const TitleButtonSlot& slot) const;
    int ImageFor(const char* key) const;
    void LookUpImages();
    int ButtonWidth(const TitleButtonSlot& slot) const;
    int ButtonHeight() const;
    int UserButtonWidth(const TsTitleButton& button) const;
    void PlaceSlot(TitleButtonSlot& slot, int& x, int width, const TFrameMeasures& m) const;
    void DrawSlot(TBitmap& image, const TitleButtonSlot& slot, int state, int mode,
                  const TsTitleButton* user) const;
    TsTitleButton* UserButtonOf(int code);
    void RepaintDirect(TitleButtonSlot& slot, const TsTitleButton* user);
    void Animate(TitleButtonSlot& slot, const TsTitleButton* user);
    TOverlayPicture OverlayFor(const TitleButtonSlot& slot, const TsTitleButton* user, int state) const;
    void UpdateGlow(TitleButtonSlot& slot);
    TRect ScreenRect(const TRect& r) const;
    TPoint WindowPoint(LPARAM screen) const;

    // Mouse messages and the commands of a release.
    bool MouseMove(TMessage& message);
    TMessage ScreenMessage(const TMessage& message) const;
    bool ButtonDown(TMessage& message);
    bool ButtonUp(TMessage& message);
    bool DoubleClick(TMessage& message);
    bool RightButtonUp(TMessage& message);
    bool SysCommand(TMessage& message);
    void MouseLeft();
    bool StillOverHotElement() const;
    void RunReleaseCommand(int code, TPoint p);
    void SendCommand(WPARAM command);
    void ShowSystemMenuAt(TPoint screen);
    void KeepSystemMenuStyleAway(TMessage& message);
    TPoint BelowIcon() const;
    void TrackLeave();

    TCustomForm& form_;
    TsCommonData& binding_;
    TsFrameSkin& frame_;
    std::array<TitleButtonSlot, 4> slots_;
    TsTitleButtons userButtons_;
    int buttonHeight_ = 0;
    int pressedCode_ = 0;
    TBitmap strip_;
    TPoint stripAt_;
    TRect iconRect_;
    // Tells code running after a system command whether the form (and this
    // object) still exist.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace pp
