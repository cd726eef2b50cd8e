#pragma once
// The data register the application drives. The window code binds it to the
// real port layer; tests bind it to a recorder to check bytes and order.

namespace pp::app {

// Data register of the first parallel port; no other address is ever used.
constexpr short DataPortAddress = 888;

class TPortBus {
public:
    virtual ~TPortBus() = default;
    // Writes the low 8 bits of value to the data register.
    virtual void Write(int value) = 0;
    virtual int Read() = 0;
};

} // namespace pp::app
