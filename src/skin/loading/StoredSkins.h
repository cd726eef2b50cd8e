#pragma once
// Skins kept inside a window's stored description: a name, a few of the
// skin's global values and the whole skin package as bytes.
#include "core/Bitmap.h"
#include "core/Color.h"
#include "core/Stream.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace pp {

class TsStoredSkin {
public:
    std::string Name;
    TBitmap MasterBitmap;
    TColor Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    TColor BorderColor = 0xFF00FF;
    double Version = 0;
    std::string Author;
    std::string Description;
    // A complete skin package; empty when nothing was stored.
    TMemoryStream Data;

    void SetData(std::span<const std::uint8_t> bytes);
};

class TsStoredSkins {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TsStoredSkin& Items(int index) { return *items_.at(static_cast<std::size_t>(index)); }
    const TsStoredSkin& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    TsStoredSkin& Add();
    void Delete(int index);
    void Clear();
    // The first item whose name equals `name` exactly, or null.
    TsStoredSkin* Find(const std::string& name);

    // Fired after an item was added or removed.
    std::function<void()> OnChange;

private:
    void Changed();
    std::vector<std::unique_ptr<TsStoredSkin>> items_;
};

} // namespace pp
