#include "skin/controls/MessageTakeoverWin32.h"

namespace pp {

void TMessageTakeover::Take(TControl& control, TWndMethod handler)
{
    control_ = &control;
    link_ = std::make_shared<TLink>(TLink{std::move(handler), control.WindowProc});
    control.WindowProc = [link = link_](TMessage& message) {
        // A copy: giving the method back replaces this very function.
        const std::shared_ptr<TLink> held = link;
        if (held->Handler)
            held->Handler(message);
        else
            held->Previous(message);
    };
}

void TMessageTakeover::GiveBack()
{
    if (!control_)
        return;
    control_->WindowProc = link_->Previous;
    Detach();
}

void TMessageTakeover::Detach()
{
    if (link_)
        link_->Handler = nullptr;
    control_ = nullptr;
}

void TMessageTakeover::CallPrevious(TMessage& message) const
{
    if (link_ && link_->Previous)
        link_->Previous(message);
}

} // namespace pp
