#include "app/logic/AppTexts.h"

#include <array>

namespace pp::app {

std::string PinLabelCaption()
{
    // Blanks between consecutive pin numbers, matched to the label's font.
    constexpr std::array<int, 7> gaps{11, 10, 10, 9, 11, 10, 11};
    std::string caption = "2";
    for (std::size_t i = 0; i < gaps.size(); ++i) {
        caption.append(gaps[i], ' ');
        caption += static_cast<char>('3' + i);
    }
    return caption;
}

} // namespace pp::app
