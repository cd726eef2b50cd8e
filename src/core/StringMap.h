#pragma once
// Maps keyed by text that can be searched with a string_view, without
// building a string for every lookup: names of sections, keys and images
// are looked up this way on every load.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace pp {

struct TStringViewHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

template <typename TValue>
using TStringMap = std::unordered_map<std::string, TValue, TStringViewHash, std::equal_to<>>;

} // namespace pp
