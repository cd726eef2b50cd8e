#pragma once
// Control-kind codes: what an owning control or adapter tells its skin
// binding about itself. The kind picks the section used when none is named
// and which behaviours apply (recolouring, hover, waiting for the parent).
#include <cstdint>
#include <string_view>

namespace pp {

using TControlKind = std::uint32_t;

// Some kinds the binding itself treats specially.
inline constexpr TControlKind ckEdit = 10;        // keeps its font colour on recolouring
inline constexpr TControlKind ckCheckBox = 32;    // draws its text over its parent
inline constexpr TControlKind ckRadioButton = 33; // likewise
inline constexpr TControlKind ckGroupBox = 74;    // likewise
inline constexpr TControlKind ckFirstButton = 92; // 92 to 94: buttons, no glow on hover
inline constexpr TControlKind ckLastButton = 94;

// Kinds whose colour and font colour follow the section (edits, combo
// boxes, lists and the like), hot and focused colours included.
bool IsColorKind(TControlKind kind);
// Kinds that never turn hot under the mouse (panels, bars, containers).
bool IsHoverBlindKind(TControlKind kind);
// Kinds that, when hot, paint without waiting for their parent's image,
// and get no glow when the mouse enters.
bool IsParentFreeKind(TControlKind kind);
// The section a kind paints with when the control names none; empty when
// the kind has no entry (the control's class name is used then).
std::string_view DefaultSectionForKind(TControlKind kind);

} // namespace pp
