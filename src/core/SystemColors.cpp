#include "core/SystemColors.h"
#include "core/Color.h"

#include <array>
#include <cstddef>

namespace pp {
namespace {

// The classic Windows scheme, used where no platform answers.
constexpr std::array<TColor, 31> ClassicScheme = {
    0xC8D0D4, 0x004E98, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
    0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xFF9933, 0xC8D0D4,
};

TSystemColorResolver currentResolver = nullptr;

} // namespace

TColor ClassicSystemColor(int index)
{
    if (index < 0 || index >= static_cast<int>(ClassicScheme.size()))
        return 0;
    return ClassicScheme[static_cast<std::size_t>(index)];
}

void SetSystemColorResolver(TSystemColorResolver resolver) { currentResolver = resolver; }

TColor ResolveSystemColor(TColor c)
{
    const int index = SystemColorIndex(c);
    return currentResolver ? currentResolver(index) : ClassicSystemColor(index);
}

} // namespace pp
