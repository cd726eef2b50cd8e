// The kind glyphs of the bitmap button: two 16-colour images side by side,
// the normal one and a greyed one, on the olive background that marks
// transparent pixels (the bottom-left pixel's colour).
#include "toolkit/BitBtn.h"

#include <cstdlib>
#include <map>

namespace pp {

namespace {

enum TGlyphColor : std::uint8_t {
    Black = 0,
    Maroon = 1,
    Green = 2,
    Olive = 3,
    Navy = 4,
    Gray = 7,
    Silver = 8,
    Red = 9,
    White = 15
};

const std::vector<TColor>& VgaPalette()
{
    static const std::vector<TColor> palette = {
        MakeColor(0, 0, 0),       MakeColor(128, 0, 0),   MakeColor(0, 128, 0),   MakeColor(128, 128, 0),
        MakeColor(0, 0, 128),     MakeColor(128, 0, 128), MakeColor(0, 128, 128), MakeColor(128, 128, 128),
        MakeColor(192, 192, 192), MakeColor(255, 0, 0),   MakeColor(0, 255, 0),   MakeColor(255, 255, 0),
        MakeColor(0, 0, 255),     MakeColor(255, 0, 255), MakeColor(0, 255, 255), MakeColor(255, 255, 255)};
    return palette;
}

// A 16-colour canvas of one glyph image.
class TGlyphPainter {
public:
    TGlyphPainter(TBitmap& bitmap, int originX) : bitmap_(bitmap), originX_(originX) { }
    void Set(int x, int y, std::uint8_t color)
    {
        if (x < 0 || y < 0 || x >= 18 || y >= bitmap_.Height())
            return;
        const int px = originX_ + x;
        std::uint8_t& byte = bitmap_.ScanLine(y)[px >> 1];
        byte = (px & 1) ? static_cast<std::uint8_t>((byte & 0xF0) | color)
                        : static_cast<std::uint8_t>((byte & 0x0F) | (color << 4));
    }
    // A line two pixels thick.
    void Line(int x0, int y0, int x1, int y1, std::uint8_t color)
    {
        const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        int error = dx + dy;
        for (;;) {
            Set(x0, y0, color);
            Set(x0 + 1, y0, color);
            if (x0 == x1 && y0 == y1)
                break;
            const int e2 = 2 * error;
            if (e2 >= dy) {
                error += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                error += dx;
                y0 += sy;
            }
        }
    }

private:
    TBitmap& bitmap_;
    int originX_;
};

void DrawCheck(TGlyphPainter& p, int dx, int dy, std::uint8_t color)
{
    p.Line(3 + dx, 9 + dy, 7 + dx, 13 + dy, color);
    p.Line(7 + dx, 13 + dy, 14 + dx, 4 + dy, color);
}

void DrawCross(TGlyphPainter& p, int dx, int dy, std::uint8_t color)
{
    p.Line(4 + dx, 4 + dy, 13 + dx, 13 + dy, color);
    p.Line(13 + dx, 4 + dy, 4 + dx, 13 + dy, color);
}

void DrawRing(TGlyphPainter& p, int dx, int dy, std::uint8_t color)
{
    p.Line(6 + dx, 3 + dy, 11 + dx, 3 + dy, color);
    p.Line(13 + dx, 5 + dy, 13 + dx, 11 + dy, color);
    p.Line(11 + dx, 13 + dy, 6 + dx, 13 + dy, color);
    p.Line(4 + dx, 11 + dy, 4 + dx, 5 + dy, color);
}

// The picture of a kind, in one colour, offset by (dx, dy).
void DrawKindShape(TBitBtnKind kind, TGlyphPainter& p, int dx, int dy, std::uint8_t color)
{
    switch (kind) {
    case TBitBtnKind::bkOK:
    case TBitBtnKind::bkYes: DrawCheck(p, dx, dy, color); break;
    case TBitBtnKind::bkAll:
        DrawCheck(p, dx - 2, dy - 1, color);
        DrawCheck(p, dx + 2, dy + 3, color);
        break;
    case TBitBtnKind::bkCancel:
    case TBitBtnKind::bkNo:
    case TBitBtnKind::bkAbort: DrawCross(p, dx, dy, color); break;
    default: DrawRing(p, dx, dy, color); break;
    }
}

std::uint8_t KindColor(TBitBtnKind kind)
{
    switch (kind) {
    case TBitBtnKind::bkOK:
    case TBitBtnKind::bkYes:
    case TBitBtnKind::bkAll: return Green;
    case TBitBtnKind::bkCancel:
    case TBitBtnKind::bkNo:
    case TBitBtnKind::bkAbort: return Red;
    default: return Navy;
    }
}

TBitmap MakeKindGlyph(TBitBtnKind kind)
{
    const int height = kind == TBitBtnKind::bkAll ? 19 : 18;
    TBitmap glyph(36, height, TPixelFormat::pf4bit);
    glyph.Palette = VgaPalette();
    TGlyphPainter normal(glyph, 0);
    TGlyphPainter greyed(glyph, 18);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 18; ++x) {
            normal.Set(x, y, Olive);
            greyed.Set(x, y, Olive);
        }
    DrawKindShape(kind, normal, 0, 0, KindColor(kind));
    DrawKindShape(kind, greyed, 1, 1, White);
    DrawKindShape(kind, greyed, 0, 0, Gray);
    glyph.Transparent = true;
    return glyph;
}

} // namespace

const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind kind)
{
    static const TBitBtnKindInfo table[] = {
        {"", "", mrNone, false, false},
        {"OK", "BBOK", mrOk, true, false},
        {"Cancel", "BBCANCEL", mrCancel, false, true},
        {"&Help", "BBHELP", mrNone, false, false},
        {"&Yes", "BBYES", mrYes, true, false},
        {"&No", "BBNO", mrNo, false, true},
        {"&Close", "BBCLOSE", mrNone, false, false},
        {"Abort", "BBABORT", mrAbort, false, false},
        {"&Retry", "BBRETRY", mrRetry, false, false},
        {"&Ignore", "BBIGNORE", mrIgnore, false, false},
        {"&All", "BBALL", mrAll, false, false},
    };
    return table[static_cast<int>(kind)];
}

const TBitmap& BitBtnKindGlyph(TBitBtnKind kind)
{
    static std::map<TBitBtnKind, TBitmap> glyphs;
    auto found = glyphs.find(kind);
    if (found == glyphs.end())
        found = glyphs.emplace(kind, MakeKindGlyph(kind)).first;
    return found->second;
}

} // namespace pp
