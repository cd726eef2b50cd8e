#pragma once
// The skinned frame of a form: the frame image (the whole window painted
// off screen: form section, caption band, icon, caption text, title buttons
// in their normal look, menu line), its non-client parts copied onto the
// window, the window region cut at the corners, the activation looks, the
// client background and resizing. The form's skin provider owns one and
// hands it the form's messages first.
#include "core/Bitmap.h"
#include "skin/forms/CaptionButtons.h"
#include "skin/forms/MenuBarPainter.h"
#include "skin/paint/BackdropRequest.h"
#include "skin/paint/FrameGeometry.h"
#include "skin/paint/SkinBindingWin32.h"
#include "skin/pixels/KeyRegion.h"
#include "toolkit/Canvas.h"
#include "toolkit/Form.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

namespace pp {

class TsFrameSkin {
public:
    using TDefaultHandler = std::function<void(TMessage&)>;
    // `binding` is the form's binding: its cache bitmap is the frame image.
    // `callDefault` runs the form's own handling of a message.
    TsFrameSkin(TCustomForm& form, TsCommonData& binding, TDefaultHandler callDefault);
    TsFrameSkin(const TsFrameSkin&) = delete;
    TsFrameSkin& operator=(const TsFrameSkin&) = delete;
    ~TsFrameSkin();

    // The caption is painted active (1) or inactive (0).
    int ActiveLook = 1;
    // Non-client painting and the client background are the skin's.
    bool DrawNonClientArea = true;
    bool DrawClientArea = true;
    // Frame images built so far (for measuring and tests).
    int Rebuilds = 0;

    // Takes the form's frame over: the platform's caption buttons go
    // (WS_SYSMENU off) and the menu bar becomes owner-drawn.
    void Attach();
    // Gives the platform its frame back.
    void Detach();

    // True when the message was answered here and must not go on.
    bool HandleMessage(TMessage& message);

    // The window's measures now.
    TFrameMeasures Measures() const;
    // Rebuilds the frame image when it is invalid; false when it cannot be built.
    bool EnsureFrameImage();
    // The same with the measures already taken.
    bool EnsureFrameImage(const TFrameMeasures& m);
    void InvalidateFrame() { binding_.BackgroundStale = true; }
    // Rebuilds and copies the non-client parts at once.
    void RepaintFrame();
    // Copies the non-client parts of the frame image onto the window.
    void PaintNonClient();
    // The client area's top-left pixel in the frame image.
    TPoint ClientOffset() const;
    // Answers a child's question about what lies behind it.
    void AnswerBackdrop(BackdropRequest& request);
    const TBitmap* FrameImage() const { return binding_.CacheBitmap.get(); }
    // The shown caption buttons from the right: close, maximize, minimize, help.
    std::vector<TRect> TitleButtonRects() const { return captionButtons_->ShownRects(); }
    TCaptionButtons& CaptionButtons() { return *captionButtons_; }
    // The caption icon's place in the frame image (empty without an icon).
    const TRect& IconRect() const { return iconRect_; }
    // Copies one part of the frame image onto the window at once.
    void CopyToWindow(const TRect& r);
    const TAOR& Cutouts() const { return cutouts_; }

private:
    HWND Window() const;
    // A context with the frame image selected, kept between paints; it is
    // let go before the image is composed again.
    HDC ImageDC();
    bool IsMaximized() const;
    int CaptionHeight() const;
    int FrameThickness(const RECT& outer, const RECT& client) const;
    int MenuLines() const;
    bool ShowsMenuLine() const;
    TMenuBarBackdrop MenuBarBackdrop() const;

    // Frame image composition, in order.
    void BuildFrameImage(TBitmap& image, const TFrameMeasures& m);
    void PaintFormSection(TBitmap& image);
    void PaintCaptionBand(TBitmap& image, const TFrameMeasures& m);
    void DrawCaptionIcon(TBitmap& image, const TRect& iconRect);
    void DrawCaptionText(TBitmap& image, const TFrameMeasures& m, const TRect& iconRect);
    void PaintMenuLine(TBitmap& image, const TFrameMeasures& m);
    int LookState(int sectionIndex) const;

    // Region and messages.
    void BuildCutouts(const TFrameMeasures& m);
    void ApplyRegion(bool redraw);
    void Activate(TMessage& message);
    void EraseClient(HDC dc);
    void Print(TMessage& message);
    void Resized(TMessage& message);
    void TextChanged(TMessage& message);
    void QueryEndSession(TMessage& message);
    bool DrawMenuItem(TMessage& message);
    bool MeasureMenuItem(TMessage& message);
    void PreparePopup(const TMessage& message);
    bool SectionsHaveOneLook() const;

    TCustomForm& form_;
    TsCommonData& binding_;
    TDefaultHandler callDefault_;
    bool attached_ = false;
    bool regionDirty_ = true;
    bool firstFramePainted_ = false;
    int redrawLock_ = 0;
    // Computed on first need, forgotten on activation and resizing.
    mutable int menuLineCount_ = -1;
    TAOR cutouts_;
    TBitmap menuLineImage_;
    TRect iconRect_;
    TSize clientSize_; // at the last resizing
    // The platform's caption and menu heights, read once (and again when
    // the settings change): reading them is not cheap.
    struct TSystemHeights {
        int Caption = 0;
        int SmallCaption = 0;
        int Menu = 0;
    };
    static TSystemHeights ReadSystemHeights();
    TSystemHeights heights_ = ReadSystemHeights();
    std::unique_ptr<TBitmapCanvas> imageCanvas_;
    std::unique_ptr<TCaptionButtons> captionButtons_;
};

} // namespace pp
