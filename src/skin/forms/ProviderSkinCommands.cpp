// The provider's answers to the skin command message that only a form's
// provider gives: suspending and resuming its frame, the urgent paint,
// staleness, transparency, colour, and locking the form's redrawing for the
// skinned scroll bars. The commands every state answers stay in
// sSkinProvider.cpp.
#include "skin/forms/sSkinProvider.h"

#include "skin/paint/AnimationState.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Form.h"

namespace pp {
namespace {

constexpr UINT RedrawWhole = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

// The binding counts as suspended while it waits to paint or is told to.
bool CountsAsSuspended(const TsCommonData& binding)
{
    return binding.PaintSuspended || binding.UpdateDepth > 0;
}

} // namespace

bool TsSkinProvider::AnswerFrameCommand(TSkinCommand command, TMessage& message)
{
    const HWND window = LiveWindowOf(&form_);
    switch (command) {
    case SkinMsgRepaintAfterUpdate:
        if (binding_->PaintSuspended) {
            binding_->PaintSuspended = false;
            frame_->RepaintFrame();
        }
        return true;
    case SkinMsgSetSuspended:
        binding_->HandleSkinMessage(message);
        if (CountsAsSuspended(*binding_))
            frame_->InvalidateFrame();
        return true;
    case SkinMsgSetUrgentPaint:
        binding_->HandleSkinMessage(message);
        if (binding_->UrgentPaint) {
            frame_->InvalidateFrame();
            frame_->EnsureFrameImage();
        }
        return true;
    case SkinMsgQueryStale:
        message.Result = !AnimationState.FormAnimation && binding_->IsSkinned() && binding_->PaintSuspended;
        return true;
    case SkinMsgQueryTransparency:
    case SkinMsgGetColor: return binding_->HandleSkinMessage(message);
    case SkinMsgLockRedraw:
        if (window)
            SendMessageW(window, WM_SETREDRAW, FALSE, 0);
        return true;
    case SkinMsgUnlockRedraw:
        if (window) {
            SendMessageW(window, WM_SETREDRAW, TRUE, 0);
            RedrawWindow(window, nullptr, nullptr, RedrawWhole);
        }
        return true;
    default: return false;
    }
}

} // namespace pp
