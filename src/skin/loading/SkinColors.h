#pragma once
// The skin-wide colours the manager hands to painters that have no section
// of their own to ask: global, edit, selection and edit-state colours.
#include "core/Color.h"
#include "core/IniFile.h"
#include "skin/loading/SkinSections.h"

#include <array>

namespace pp {

enum TsSkinColor {
    scGlobalColor,
    scGlobalFontColor,
    scBottomColor,
    scTopColor,
    scEditText,
    scEditColor,
    scSelectionColor,
    scSelectionText,
    scHotSelectionColor,
    scHotSelectionText,
    scEditBgInverse,
    scEditTextInverse,
    scEditBgOdd,
    scEditBgEven,
    scEditTextOk,
    scEditTextWarning,
    scEditTextAlert,
    scEditTextFourth,
    scEditTextFifth,
    scEditBgOk,
    scEditBgWarning,
    scEditBgAlert,
    scEditBgFourth,
    scEditBgFifth,
    scEditTextH1,
    scEditTextH2,
    scEditTextH3,
    scBorderColor,
    SkinColorCount
};

using TsSkinColors = std::array<TColor, SkinColorCount>;

// Reads the table from "GLOBALINFO" and the "EDIT", "SELECTION" and
// "MENUITEM" section records, in table order (later entries default to
// earlier ones).
TsSkinColors ReadSkinColors(const TMemIniFile& options, const TsGeneralDataArray& sections);

} // namespace pp
