#include "skin/loading/ThirdPartyList.h"

#include "core/IniFile.h"

namespace pp {
namespace {

constexpr std::array<std::string_view, ThirdPartyListCount> PropertyNames = {
    "ThirdEdits",     "ThirdButtons",    "ThirdBitBtns",      "ThirdCheckBoxes",    "ThirdComboBoxes",
    "ThirdGrids",     "ThirdGroupBoxes", "ThirdListViews",    "ThirdPanels",        "ThirdTreeViews",
    "ThirdWWEdits",   "ThirdGridEh",     "ThirdVirtualTrees", "ThirdPageControl",   "ThirdTabControl",
    "ThirdToolBar",   "ThirdStatusBar",  "ThirdSpeedButton",  "ThirdScrollControl", "ThirdUpDown",
    "ThirdScrollBar", "ThirdStaticText",
};

} // namespace

ThirdPartyList::ThirdPartyList()
{
    for (int i = 0; i < ThirdPartyListCount; ++i)
        SetText(i, DefaultText(i));
}

std::string_view ThirdPartyList::PropertyName(int index)
{
    return PropertyNames.at(static_cast<std::size_t>(index));
}

int ThirdPartyList::IndexOf(std::string_view propertyName)
{
    for (int i = 0; i < ThirdPartyListCount; ++i)
        if (PropertyNames[static_cast<std::size_t>(i)] == propertyName)
            return i;
    return -1;
}

std::string ThirdPartyList::DefaultText(int index) { return index == ThirdButtons ? "TButton" : " "; }

void ThirdPartyList::FillEmptyWithDefaults()
{
    for (int i = 0; i < ThirdPartyListCount; ++i)
        if (Text(i).empty())
            SetText(i, DefaultText(i));
}

void TThirdPartyClassLists::Parse(const ThirdPartyList& texts)
{
    for (int i = 0; i < ThirdPartyListCount; ++i) {
        TStringList lines;
        lines.SetText(texts.Text(i));
        TStringList& list = lists_[static_cast<std::size_t>(i)];
        list = TStringList(true);
        for (const std::string& line : lines.Lines()) {
            const std::string_view name = TrimBlanks(line);
            if (!name.empty())
                list.Add(std::string(name));
        }
    }
}

} // namespace pp
