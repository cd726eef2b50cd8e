#pragma once
// Taking over a toolkit control's message method (WindowProc) and giving it
// back exactly as it was. The method put in its place calls the new handler
// while the take-over lasts; should the taker go first and the control live
// on, it passes everything to the saved method, so the control never calls
// into a freed object.
#include "toolkit/Control.h"

#include <memory>

namespace pp {

class TMessageTakeover {
public:
    TMessageTakeover() = default;
    TMessageTakeover(const TMessageTakeover&) = delete;
    TMessageTakeover& operator=(const TMessageTakeover&) = delete;
    ~TMessageTakeover() { Detach(); }

    // Saves the control's method and puts `handler` in its place.
    void Take(TControl& control, TWndMethod handler);
    // Puts the saved method back (the control must still exist).
    void GiveBack();
    // Stops calling the handler without touching the control (it is gone,
    // or it is left to pass everything on by itself).
    void Detach();
    // The saved method.
    void CallPrevious(TMessage& message) const;
    bool Active() const { return control_ != nullptr; }

private:
    struct TLink {
        TWndMethod Handler;
        TWndMethod Previous;
    };
    TControl* control_ = nullptr;
    std::shared_ptr<TLink> link_;
};

} // namespace pp
