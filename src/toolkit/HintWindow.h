#pragma once
// The hint window and what the application tells about a hint before it shows.
#include "toolkit/WinControl.h"

#include <functional>
#include <memory>
#include <string>

namespace pp {

// The hint window shown over controls; the application's hint window class
// can be replaced with a factory for another kind.
class THintWindow : public TWinControl {
public:
    explicit THintWindow(TComponent* owner);
    std::string ClassName() const override { return "THintWindow"; }
    // The rectangle (at 0, 0) that the text needs.
    virtual TRect CalcHintRect(int maxWidth, const std::string& text);
    // Places the window on the screen at `rect` with `text` and shows it.
    virtual void ActivateHint(const TRect& rect, const std::string& text);
    void ReleaseHandle() { DestroyHandle(); }

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
};
using THintWindowFactory = std::function<std::unique_ptr<THintWindow>()>;

struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint HintPos;
    int HintMaxWidth = 0;
    TColor HintColor = 0;
    TRect CursorRect;
    std::string HintStr;
    int HideTimeout = 0;
};
using TShowHintEvent = std::function<void(std::string& hintText, bool& canShow, THintInfo& info)>;

} // namespace pp
