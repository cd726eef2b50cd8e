// The kind sets at the edges of their ranges, where an off-by-one shows.
#include "skin/paint/ControlKinds.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

struct KindCase {
    TControlKind Kind;
    bool Colour;
    bool HoverBlind;
    bool ParentFree;
};

TEST(ControlKinds, SetsHoldTheirRangesAndNothingBeside)
{
    const KindCase cases[] = {
        {1, false, false, false},       {2, true, false, false},   {18, true, false, false},
        {19, false, true, false},       {20, false, false, false}, {41, true, false, false},
        {50, false, false, false},      {51, false, true, true},   {53, false, true, false},
        {54, false, true, true},        {55, false, true, false},  {56, false, true, true},
        {60, false, true, true},        {61, false, true, false},  {68, false, true, true},
        {74, false, true, true},        {75, false, false, false}, {76, true, false, false},
        {84, true, false, false},       {85, false, false, false}, {96, true, false, false},
        {110, false, true, true},       {131, true, false, false}, {140, true, false, false},
        {141, false, true, true},       {142, false, true, false}, {143, false, true, true},
        {151, false, true, true},       {161, false, true, true},  {162, false, false, false},
        {226, false, false, true},      {231, true, false, false}, {232, false, false, false},
        {256 + 2, false, false, false},
    };
    for (const KindCase& c : cases) {
        EXPECT_EQ(IsColorKind(c.Kind), c.Colour) << c.Kind;
        EXPECT_EQ(IsHoverBlindKind(c.Kind), c.HoverBlind) << c.Kind;
        EXPECT_EQ(IsParentFreeKind(c.Kind), c.ParentFree) << c.Kind;
    }
}

TEST(ControlKinds, DefaultSectionsAtTheEdgesOfTheirRanges)
{
    const std::pair<TControlKind, std::string_view> cases[] = {
        {1, ""},          {2, "EDIT"},       {8, "EDIT"},        {9, ""},          {10, "EDIT"},
        {11, "COMBOBOX"}, {18, "COMBOBOX"},  {19, "BAR"},        {20, "BARTITLE"}, {31, ""},
        {32, "CHECKBOX"}, {33, "CHECKBOX"},  {34, ""},           {50, "CHECKBOX"}, {57, "TABSHEET"},
        {75, "SPLITTER"}, {77, ""},          {85, "EDIT"},       {86, ""},         {92, "SPEEDBUTTON"},
        {94, "BUTTON"},   {97, ""},          {98, "TOOLBUTTON"}, {142, ""},        {152, "CHECKBOX"},
        {161, "GAUGE"},   {165, "TRACKBAR"}, {230, "EDIT"},      {256 + 161, ""},
    };
    for (const auto& [kind, section] : cases)
        EXPECT_EQ(DefaultSectionForKind(kind), section) << kind;
}

} // namespace
} // namespace pp
