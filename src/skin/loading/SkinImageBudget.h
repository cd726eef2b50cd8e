#pragma once
// The memory a skin's images may take together. Each decoder keeps one
// image in proportion to its file, but an options file can name the same
// image under thousands of keys, and every key decodes its own copy; the
// budget stops such a skin after a bounded amount of work and memory.
#include "core/Bitmap.h"

#include <cstdint>
#include <string>

namespace pp {

// Every skin image ends as 32 bits a pixel; this many bytes of them is far
// beyond any real skin and still loads in a fraction of a second.
inline constexpr std::uint64_t SkinImagesByteLimit = std::uint64_t(256) << 20;

class TSkinImageBudget {
public:
    explicit TSkinImageBudget(std::uint64_t limit = SkinImagesByteLimit) : left_(limit), limit_(limit) { }

    // Counts `image`, decoded from the file `name`, at 32 bits a pixel.
    // Throws EInvalidData naming the image once the skin's images together
    // would pass the limit.
    void Take(const std::string& name, const TBitmap& image);

private:
    std::uint64_t left_;
    std::uint64_t limit_;
};

} // namespace pp
