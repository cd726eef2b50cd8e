#include "skin/paint/ItemTextWin32.h"

#include "skin/paint/TextDrawingWin32.h"
#include "skin/paint/TextPasses.h"
#include "win/Text.h"

namespace pp {
namespace {

bool IsSkinnedText(const TItemTextSource& source)
{
    return source.Skin && source.Skin->IsValidSkinIndex(source.SectionIndex) && !source.CustomFont;
}

// Only for a source that IsSkinnedText.
const TsGeneralData& TextSectionOf(const TItemTextSource& source)
{
    return source.Skin->Sections()[static_cast<std::size_t>(source.SectionIndex)];
}

TTextPasses SkinnedTextPasses(const TItemTextSource& source, bool enabled, bool hot)
{
    const TsGeneralData& section = TextSectionOf(source);
    const TTextColorChange change{source.HueOffset, source.Saturation};
    if (!enabled)
        return {
            DisabledTextPass(section.Props[0].FontColor[fcMain], source.Skin->Colors[scGlobalColor], change)};
    return EnabledTextPasses(section.Props[hot ? 1 : 0].FontColor, true, change);
}

// Enabled skinned text is not cut at the format rectangle, so a glyph that
// overhangs it (an italic's last letter) stays whole; the clip region still
// holds it to the rectangle.
UINT PassFormat(UINT format, const TTextPass& pass, bool skinnedEnabled)
{
    return skinnedEnabled && !pass.IsContour ? format | DT_NOCLIP : format;
}

} // namespace

void DrawItemText(TCanvas& canvas, const std::string& text, bool enabled, bool hot,
                  const TItemTextSource& source, UINT format, const TRect& r)
{
    HDC dc = canvas.Handle();
    if (text.empty() || !dc)
        return;
    TFont underlined;
    const TFont* font = &canvas.Font;
    if (hot && source.IsWebButton) {
        underlined.Assign(canvas.Font);
        underlined.SetStyle(underlined.Style() | fsUnderline);
        font = &underlined;
    }
    const std::wstring wide = WideFromUtf8(text);
    const bool skinned = IsSkinnedText(source);
    if (skinned && source.GlowTarget)
        DrawBlockGlow(*source.GlowTarget, TextSectionOf(source).Props[hot ? 1 : 0], wide, r, format,
                      font->Handle());
    const TTextDrawingScope scope(dc, font->Handle(), &r);
    const TTextPasses passes = skinned ? SkinnedTextPasses(source, enabled, hot)
                                       : PlainTextPasses(font->Color(), enabled);
    for (const TTextPass& pass : passes)
        DrawTextPass(dc, wide, r, PassFormat(format, pass, skinned && enabled), pass);
}

} // namespace pp
