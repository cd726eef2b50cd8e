#pragma once
// The per-section keys, their forms and defaults, and how each lands in a
// section record. Shared by the options load and the common-sections merge.
#include "skin/loading/SkinSections.h"

#include <cstdint>
#include <span>
#include <string>

namespace pp {

enum class TKeyForm {
    Integer,
    Color,    // kept as read (a system colour stays a system colour)
    ColorRGB, // system colours resolved
    Byte,     // integer, low 8 bits kept
    Flag,
    Text,
};

struct TKeyValue {
    std::int32_t Number = 0; // integers, colours, bytes; 0 or 1 for flags
    std::string Text;
};

using TKeyStore = void (*)(TsGeneralData&, const TKeyValue&);

struct TSectionKey {
    const char* Key;
    TKeyForm Form;
    std::int32_t Default;    // for every form but Text (flags: 0 or 1)
    const char* TextDefault; // for Text
    TKeyStore Store;
};

// "STATES" and the keys of the normal look (and of the whole section).
std::span<const TSectionKey> NormalSectionKeys();
// The keys of the hot look, read only for sections of two or more states.
std::span<const TSectionKey> HotSectionKeys();

// Converts the plain text of a key by its form; text that is no number gives
// the key's default.
TKeyValue ConvertKeyText(const TSectionKey& key, const std::string& text);
TKeyValue DefaultKeyValue(const TSectionKey& key);

// Applies what every freshly read record needs: a section of fewer than two
// states looks the same hot as normal, gradient texts are parsed (one shorter
// than two characters switches the gradient off), and Props start as the
// raw values. A gradient text with a field that is no integer throws.
void FinishSectionRecord(TsGeneralData& record);

} // namespace pp
