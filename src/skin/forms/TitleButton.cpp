#include "skin/forms/TitleButton.h"

#include "skin/forms/TitleButtonAnimation.h"
#include "toolkit/HintWindow.h"

namespace pp {
namespace {

// The hint sits below and to the right of the cursor, inside the work area
// of the form's monitor.
constexpr int HintOffsetX = 8, HintOffsetY = 16, HintMaxWidth = 800, HintExtraHeight = 4;

TRect InsideWorkArea(TRect r, HWND form)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(MonitorFromWindow(form, MONITOR_DEFAULTTONEAREST), &info))
        return r;
    const bool topmost = (GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    const RECT area = topmost ? info.rcMonitor : info.rcWork;
    r = r.Offset(std::min(0, static_cast<int>(area.right) - r.Right),
                 std::min(0, static_cast<int>(area.bottom) - r.Bottom));
    return r.Offset(std::max(0, static_cast<int>(area.left) - r.Left),
                    std::max(0, static_cast<int>(area.top) - r.Top));
}

} // namespace

TsTitleButton::TsTitleButton(int index, std::function<void()> changed)
    : index_(index), changed_(std::move(changed))
{
    Slot.HitCode = HitUserButton + index;
}

TsTitleButton::~TsTitleButton() = default;

void TsTitleButton::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    if (changed_)
        changed_();
}

void TsTitleButton::ShowHint(HWND form, TPoint cursor)
{
    if (Hint.empty())
        return;
    if (!hint_)
        hint_ = std::make_unique<THintWindow>(nullptr);
    TRect r = hint_->CalcHintRect(HintMaxWidth, Hint);
    r.Bottom += HintExtraHeight;
    r = InsideWorkArea(r.Offset(cursor.X + HintOffsetX, cursor.Y + HintOffsetY), form);
    hint_->ActivateHint(r, Hint);
}

void TsTitleButton::HideHint() { hint_.reset(); }

TsTitleButton& TsTitleButtons::Add()
{
    items_.push_back(std::make_unique<TsTitleButton>(Count(), changed_));
    if (changed_)
        changed_();
    return *items_.back();
}

} // namespace pp
