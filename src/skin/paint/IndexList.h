#pragma once
// Source indexes, one per destination column or row of a piece, kept inline
// for the sizes controls have, so that painting a piece allocates nothing.
#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace pp {

class TIndexList {
public:
    TIndexList() = default;
    // Copies move only the entries in use, not the whole inline store.
    TIndexList(const TIndexList& other) { *this = other; }
    TIndexList& operator=(const TIndexList& other)
    {
        if (this != &other) {
            Resize(other.size_);
            std::copy(other.Data(), other.Data() + size_, Data());
        }
        return *this;
    }

    void Resize(int count)
    {
        size_ = count > 0 ? count : 0;
        if (size_ > InlineCapacity)
            heap_.resize(static_cast<std::size_t>(size_));
        else
            heap_.clear();
    }
    int Size() const { return size_; }
    int* Data() { return heap_.empty() ? inline_.data() : heap_.data(); }
    const int* Data() const { return heap_.empty() ? inline_.data() : heap_.data(); }
    int& operator[](int i) { return Data()[i]; }
    int operator[](int i) const { return Data()[i]; }

private:
    static constexpr int InlineCapacity = 512;
    // Left unset: only the first size_ entries are ever read, after Resize
    // and the caller's filling.
    std::array<int, InlineCapacity> inline_;
    std::vector<int> heap_;
    int size_ = 0;
};

} // namespace pp
