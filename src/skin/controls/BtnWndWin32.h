#pragma once
// The adapter of push buttons: paints a standard button from the skin's
// "BUTTON" section with its caption, in the normal, hot and pressed looks,
// and tracks hover and focus. Every paint composes the look afresh in the
// binding's cache and copies it to the window.
#include "core/Geometry.h"
#include "skin/controls/MainWndWin32.h"
#include "toolkit/Canvas.h"

namespace pp {

class TacBtnWnd : public TacMainWnd {
public:
    TacBtnWnd(HWND window, bool initialRepaint, const std::string& section, TsSkinManager* manager,
              TsCommonData* binding);
    ~TacBtnWnd() override;

    void ReleaseHook() override;
    void FirstPaint() override;
    void HandleAdapterMessage(TMessage& message) override;

    virtual void PaintCaption(TCanvas& canvas);
    virtual void PaintGlyph(TCanvas&) { }
    virtual TSize GlyphSize() { return {0, 0}; }
    virtual void WriteCaption(TCanvas& canvas, TRect rect, unsigned flags);
    virtual TRect CaptionArea(TCanvas& canvas);
    virtual int CaptionWidth();
    virtual TSize MeasureCaption(TCanvas& canvas);
    virtual void PrepareCache();

    // 0 normal, 1 hot (also a default button at rest), 2 pressed.
    int ButtonState();
    // The native button shows itself pushed.
    bool NativePushed() const;

private:
    bool HandleButtonMessage(TMessage& message);
    void Paint(HDC given);
    void RepaintNow();
    void HandleWithoutRedraw(TMessage& message);
    void MouseEntered();
    void MouseLeft();
    void FollowMouse();
    bool CursorInside() const;
    bool MovesMatter() const;
    bool IsMultiLine() const;
    unsigned CaptionFlags() const;
    void SelectCaptionFont(TCanvas& canvas) const;
    void DrawFocusFrame(TRect rect);
    void DimWhenDisabled(const BackdropInfo& backdrop);
};

// The bitmap button of the toolkit family. This system's bitmap buttons skin
// themselves and never receive this adapter; their glyph is not drawn here.
class TacBitBtnWnd : public TacBtnWnd {
public:
    using TacBtnWnd::TacBtnWnd;
};

} // namespace pp
