#include "skin/paint/SkinCommandsWin32.h"

#include "skin/paint/AnimationState.h"
#include "toolkit/WinControl.h"

namespace pp {
namespace {

bool BeingDestroyed(const TControl& control)
{
    return control.IsDestroying() || (control.ControlState & csDestroyingHandle) != 0;
}

LRESULT Dispatch(TControl& control, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (const HWND window = LiveWindowOf(&control))
        return SendMessageW(window, msg, wParam, lParam);
    if (dynamic_cast<TWinControl*>(&control) || BeingDestroyed(control))
        return 0;
    return control.Perform(msg, wParam, lParam);
}

} // namespace

HWND LiveWindowOf(const TControl* control)
{
    const auto* windowed = dynamic_cast<const TWinControl*>(control);
    if (!windowed || BeingDestroyed(*windowed) || !windowed->HandleAllocated())
        return nullptr;
    const HWND window = windowed->HandleValue();
    return IsWindow(window) ? window : nullptr;
}

HWND ParentWindowOf(HWND window)
{
    if (!window || !(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD))
        return nullptr;
    return GetParent(window);
}

LRESULT SendSkinCommand(TControl* control, TSkinCommand command, LPARAM lParam, std::uint16_t argument)
{
    if (!control)
        return 0;
    return Dispatch(*control, SM_SKINCOMMAND, SkinCommandWParam(command, argument), lParam);
}

LRESULT SendSkinCommandToWindow(HWND window, TSkinCommand command, LPARAM lParam, std::uint16_t argument)
{
    if (!window || !IsWindow(window))
        return 0;
    return SendMessageW(window, SM_SKINCOMMAND, SkinCommandWParam(command, argument), lParam);
}

bool IsSkinCommandTrue(HWND window, TSkinCommand command)
{
    return SendSkinCommandToWindow(window, command) == 1;
}

void BroadcastToControls(TWinControl& container, UINT msg, WPARAM wParam, LPARAM lParam,
                         const TBroadcastSkip& skip)
{
    // A receiver may add or remove children: walk by index and re-check.
    for (int i = 0; i < container.ControlCount(); ++i) {
        TControl* child = container.Controls(i);
        if (BeingDestroyed(*child))
            return;
        auto* windowed = dynamic_cast<TWinControl*>(child);
        const HWND window = LiveWindowOf(child);
        if (!windowed || !window)
            child->Perform(msg, wParam, lParam);
        else if (IsSkinCommandTrue(window, SkinMsgIsSkinned))
            SendMessageW(window, msg, wParam, lParam);
        else if (!skip || !skip(*windowed))
            BroadcastToControls(*windowed, msg, wParam, lParam, skip);
    }
}

void BroadcastToChildWindows(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!window || !IsWindow(window))
        return;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetParent(child) == window)
            SendMessageW(child, msg, wParam, lParam);
}

void ChildrenRepaintAfterUpdate(TWinControl& container)
{
    // While a form animates, its picture on screen is the animation's.
    if (container.IsDesigning() || AnimationState.FormAnimation)
        return;
    for (int i = 0; i < container.ControlCount(); ++i) {
        TControl* child = container.Controls(i);
        const bool windowed = dynamic_cast<TWinControl*>(child) != nullptr;
        if (!windowed || (LiveWindowOf(child) && child->Showing()))
            SendSkinCommand(child, SkinMsgRepaintAfterUpdate);
    }
}

void WindowChildrenRepaintAfterUpdate(HWND window)
{
    if (!window || !IsWindow(window))
        return;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD)
            SendSkinCommandToWindow(child, SkinMsgRepaintAfterUpdate);
}

TColor ControlBackgroundColor(TControl* control)
{
    if (!control)
        return clKeyColor;
    if (QuerySkinCommand(control, SkinMsgIsSkinned) == 1)
        return ColorToRGB(static_cast<TColor>(SendSkinCommand(control, SkinMsgGetColor, clKeyColor)));
    return ColorToRGB(control->Color());
}

TColor WindowBackgroundColor(HWND window)
{
    // A window that does not know the message answers 0: no information.
    const auto answer = static_cast<TColor>(SendSkinCommandToWindow(window, SkinMsgGetColor, clKeyColor));
    return answer == 0 ? clKeyColor : ColorToRGB(answer);
}

bool CanPaintNow(const TControl* control)
{
    if (!control || !control->Parent())
        return false;
    if (dynamic_cast<const TWinControl*>(control) && !LiveWindowOf(control))
        return false;
    if (control->ControlState & (csCreating | csReadingState))
        return false;
    return !control->HasState(csLoading | csDestroying);
}

} // namespace pp
