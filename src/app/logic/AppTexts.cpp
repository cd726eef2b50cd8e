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

std::string ApplicationTitleFromExe(std::string_view exePath)
{
    const std::size_t slash = exePath.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? exePath : exePath.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    std::string title(name);
    // File names of this program are ASCII; other bytes are left as they are.
    for (std::size_t i = 1; i < title.size(); ++i)
        if (title[i] >= 'A' && title[i] <= 'Z')
            title[i] = static_cast<char>(title[i] - 'A' + 'a');
    return title;
}

} // namespace pp::app
