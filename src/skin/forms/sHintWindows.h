#pragma once
// The hint windows of the hint manager, one class per style. They measure
// their text in the manager's font, place themselves against the monitor
// with the tail towards the anchor, and show as layered windows: an opaque
// body over a translucent shadow at the hint's constant opacity, faded in.
#include "skin/forms/HintFade.h"
#include "skin/paint/HintBody.h"
#include "skin/paint/HintGeometry.h"
#include "toolkit/HintWindow.h"

namespace pp {

class TsHintManager;

class TsCustomHintWindow : public THintWindow {
public:
    explicit TsCustomHintWindow(TComponent* owner);
    std::string ClassName() const override { return "TsCustomHintWindow"; }
    TRect CalcHintRect(int maxWidth, const std::string& text) override;
    void ActivateHint(const TRect& rect, const std::string& text) override;

    THintTail Tail() const { return tail_; }
    // The images of the hint shown last (Layered is what the window shows).
    const THintImages& Images() const { return images_; }
    // The opacity the window was last given.
    int Opacity() const { return fade_.Opacity(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    void WndProc(TMessage& message) override;
    // Where the tail points: the position the application proposed for
    // this hint, else the mouse pointer.
    virtual TPoint HintAnchor(TsHintManager& manager);

private:
    void ComposeImages(TsHintManager& manager, TSize size);
    void DrawHintText(TsHintManager& manager, TBitmap& body);
    // The platform's drop shadow is for skinned hints with a border image;
    // the own style draws its own.
    void UsePlatformShadow(bool use);
    void Present(TsHintManager& manager, const TRect& rect);

    THintImages images_;
    THintTail tail_ = THintTail::TopLeft;
    THintExtraSize extra_;
    THintFade fade_;
};

class TsSimplyHintWindow : public TsCustomHintWindow {
public:
    using TsCustomHintWindow::TsCustomHintWindow;
    std::string ClassName() const override { return "TsSimplyHintWindow"; }

protected:
    TPoint HintAnchor(TsHintManager& manager) override;
};

class TsComicsHintWindow : public TsCustomHintWindow {
public:
    using TsCustomHintWindow::TsCustomHintWindow;
    std::string ClassName() const override { return "TsComicsHintWindow"; }
};

class TsEllipseHintWindow : public TsCustomHintWindow {
public:
    using TsCustomHintWindow::TsCustomHintWindow;
    std::string ClassName() const override { return "TsEllipseHintWindow"; }
};

class TsBalloonHintWindow : public TsCustomHintWindow {
public:
    using TsCustomHintWindow::TsCustomHintWindow;
    std::string ClassName() const override { return "TsBalloonHintWindow"; }
};

} // namespace pp
