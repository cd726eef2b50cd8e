#pragma once
// An invisible window that freezes a form's picture on screen while the
// form repaints beneath it in a new skin: it shows a picture it is given
// and nothing of its own.
#include "core/Bitmap.h"
#include "toolkit/WinControl.h"

namespace pp {

class TOutputWindow : public TWinControl {
public:
    // Over `form`: a child of its parent with its bounds when it has one,
    // else a top-level window over its screen rectangle, owned by the
    // application's window and topmost when the form is.
    explicit TOutputWindow(TWinControl& form);
    std::string ClassName() const override { return "TOutputWindow"; }

    // Shows the picture (the form's size) now and on every later paint.
    void ShowPicture(const TBitmap& picture);
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    void Draw(HDC dc) const;

    TWinControl& form_;
    const TBitmap* picture_ = nullptr;
};

} // namespace pp
