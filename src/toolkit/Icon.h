#pragma once
// Window icons.
#include "toolkit/GraphicsObjects.h"
#include "win/Handles.h"

#include <cstdint>
#include <span>
#include <string>

namespace pp {

// A window icon, taken from the program's resources or from the bytes of an
// .ico file embedded in the program.
class TIcon : public TGraphicsObject {
public:
    std::string ClassName() const override { return "TIcon"; }
    bool Empty() const { return !handle_; }
    void LoadFromResourceName(const std::wstring& name);
    // The bytes of an .ico file; the image closest to `size` is taken.
    // Throws EInvalidData when the bytes hold no usable icon.
    void LoadFromIconFile(std::span<const std::uint8_t> bytes, int size = 32);
    HICON Handle() const { return handle_.Get(); }
    void Clear();

private:
    TIconHandle handle_;
};

} // namespace pp
