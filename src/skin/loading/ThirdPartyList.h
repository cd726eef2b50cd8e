#pragma once
// The foreign control classes the adapters skin: 22 lists of class names,
// one a line, each asked for by its index.
#include "core/StringList.h"

#include <array>
#include <string>
#include <string_view>

namespace pp {

enum TThirdPartyIndex : int {
    ThirdEdits,
    ThirdButtons,
    ThirdBitBtns,
    ThirdCheckBoxes,
    ThirdComboBoxes,
    ThirdGrids,
    ThirdGroupBoxes,
    ThirdListViews,
    ThirdPanels,
    ThirdTreeViews,
    ThirdWWEdits,
    ThirdGridEh,
    ThirdVirtualTrees,
    ThirdPageControl,
    ThirdTabControl,
    ThirdToolBar,
    ThirdStatusBar,
    ThirdSpeedButton,
    ThirdScrollControl,
    ThirdUpDown,
    ThirdScrollBar,
    ThirdStaticText,
};
inline constexpr int ThirdPartyListCount = 22;

class ThirdPartyList {
public:
    ThirdPartyList();

    // The stored text of a list (class names, one a line).
    const std::string& Text(int index) const { return texts_.at(static_cast<std::size_t>(index)); }
    void SetText(int index, std::string text)
    {
        texts_.at(static_cast<std::size_t>(index)) = std::move(text);
    }

    // Property names as they are stored ("ThirdButtons"); -1 for an unknown one.
    static std::string_view PropertyName(int index);
    static int IndexOf(std::string_view propertyName);
    // A single blank, except "TButton" for the button list.
    static std::string DefaultText(int index);

    // Empty texts take their default. A single blank is not empty: it is how
    // a list is stored as deliberately empty.
    void FillEmptyWithDefaults();

private:
    std::array<std::string, ThirdPartyListCount> texts_;
};

// The texts split into case-sensitive lists; blank lines name no class.
class TThirdPartyClassLists {
public:
    void Parse(const ThirdPartyList& texts);
    const TStringList& List(int index) const { return lists_.at(static_cast<std::size_t>(index)); }
    bool Contains(int index, std::string_view className) const { return List(index).IndexOf(className) >= 0; }

private:
    std::array<TStringList, ThirdPartyListCount> lists_;
};

} // namespace pp
