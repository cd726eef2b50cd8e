#include "skin/loading/SkinImageBudget.h"

#include "core/Error.h"

namespace pp {

void TSkinImageBudget::Take(const std::string& name, const TBitmap& image)
{
    const std::uint64_t bytes = std::uint64_t(image.Width()) * std::uint64_t(image.Height()) * 4;
    if (bytes > left_)
        throw EInvalidData("The image \"" + name + "\" (" + std::to_string(image.Width()) + " x " +
                           std::to_string(image.Height()) + ") takes the skin's images past " +
                           std::to_string(limit_ >> 20) + " MB of pixels");
    left_ -= bytes;
}

} // namespace pp
