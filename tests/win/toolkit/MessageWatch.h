#pragma once
// Puts a watching method in front of a control's message method for one
// scope, chaining to the saved one, as skinning code does.
#include "toolkit/Control.h"

#include <functional>

namespace pp::test {

class TMessageWatch {
public:
    TMessageWatch(TControl& control, std::function<void(const TMessage&)> watch)
        : control_(control), saved_(control.WindowProc)
    {
        control.WindowProc = [this, watch = std::move(watch)](TMessage& m) {
            watch(m);
            saved_(m);
        };
    }
    TMessageWatch(const TMessageWatch&) = delete;
    TMessageWatch& operator=(const TMessageWatch&) = delete;
    ~TMessageWatch() { control_.WindowProc = saved_; }

private:
    TControl& control_;
    TWndMethod saved_;
};

} // namespace pp::test
