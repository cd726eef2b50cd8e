#include "skin/paint/ControlKinds.h"

#include <initializer_list>

namespace pp {
namespace {

struct TKindRange {
    TControlKind First;
    TControlKind Last;
};

bool InRanges(TControlKind kind, std::initializer_list<TKindRange> ranges)
{
    for (const TKindRange& r : ranges)
        if (kind >= r.First && kind <= r.Last)
            return true;
    return false;
}

} // namespace

bool IsColorKind(TControlKind kind)
{
    return InRanges(kind, {{2, 18}, {41, 41}, {76, 84}, {96, 96}, {131, 140}, {231, 231}});
}

bool IsHoverBlindKind(TControlKind kind)
{
    return InRanges(kind, {{19, 19}, {51, 74}, {110, 110}, {141, 161}});
}

bool IsParentFreeKind(TControlKind kind)
{
    return InRanges(kind, {{51, 52},
                           {54, 54},
                           {56, 60},
                           {68, 68},
                           {73, 74},
                           {110, 110},
                           {141, 141},
                           {143, 143},
                           {151, 151},
                           {161, 161},
                           {226, 226}});
}

std::string_view DefaultSectionForKind(TControlKind kind)
{
    struct TKindSection {
        TControlKind First;
        TControlKind Last;
        std::string_view Section;
    };
    static constexpr TKindSection table[] = {
        {2, 8, "EDIT"},          {10, 10, "EDIT"},       {41, 41, "EDIT"},          {76, 76, "EDIT"},
        {78, 78, "EDIT"},        {83, 85, "EDIT"},       {96, 96, "EDIT"},          {131, 131, "EDIT"},
        {140, 140, "EDIT"},      {230, 230, "EDIT"},     {11, 18, "COMBOBOX"},      {81, 82, "COMBOBOX"},
        {19, 19, "BAR"},         {20, 20, "BARTITLE"},   {32, 33, "CHECKBOX"},      {50, 50, "CHECKBOX"},
        {152, 152, "CHECKBOX"},  {51, 51, "PANEL"},      {59, 59, "PANEL"},         {68, 68, "PANEL"},
        {73, 73, "PANEL"},       {52, 52, "PANEL_LOW"},  {58, 58, "PANEL_LOW"},     {53, 54, "TOOLBAR"},
        {60, 60, "TOOLBAR"},     {56, 56, "DRAGBAR"},    {57, 57, "TABSHEET"},      {74, 74, "GROUPBOX"},
        {226, 226, "GROUPBOX"},  {75, 75, "SPLITTER"},   {92, 92, "SPEEDBUTTON"},   {95, 95, "SPEEDBUTTON"},
        {93, 94, "BUTTON"},      {98, 98, "TOOLBUTTON"}, {141, 141, "PAGECONTROL"}, {143, 143, "PAGECONTROL"},
        {151, 151, "STATUSBAR"}, {161, 161, "GAUGE"},    {165, 165, "TRACKBAR"},
    };
    for (const TKindSection& entry : table)
        if (kind >= entry.First && kind <= entry.Last)
            return entry.Section;
    return {};
}

} // namespace pp
