#include "skin/loading/StoredSkins.h"

namespace pp {

void TsStoredSkin::SetData(std::span<const std::uint8_t> bytes)
{
    Data.Clear();
    Data.Bytes().assign(bytes.begin(), bytes.end());
}

TsStoredSkin& TsStoredSkins::Add()
{
    items_.push_back(std::make_unique<TsStoredSkin>());
    Changed();
    return *items_.back();
}

void TsStoredSkins::Delete(int index)
{
    items_.erase(items_.begin() + index);
    Changed();
}

void TsStoredSkins::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    Changed();
}

TsStoredSkin* TsStoredSkins::Find(const std::string& name)
{
    for (auto& item : items_)
        if (item->Name == name)
            return item.get();
    return nullptr;
}

void TsStoredSkins::Changed()
{
    if (OnChange)
        OnChange();
}

} // namespace pp
