#pragma once
// The application's port, bound to the port layer at the data register.
#include "app/logic/PortBus.h"

namespace pp::app {

class TPortIoBus : public TPortBus {
public:
    void Write(int value) override;
    int Read() override;
};

} // namespace pp::app
