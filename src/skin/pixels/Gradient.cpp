#include "skin/pixels/Gradient.h"

#include "core/Error.h"
#include "skin/pixels/BlendRows.h"
#include "skin/pixels/PixelMath.h"
#include "skin/pixels/TriangleGradient.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>
#include <vector>

namespace pp {
namespace {

constexpr std::size_t FieldsPerSegment = 5;

std::vector<std::string_view> SplitFields(std::string_view spec)
{
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (pos < spec.size()) {
        const std::size_t next = std::min(spec.find(';', pos), spec.size());
        if (next > pos)
            fields.push_back(spec.substr(pos, next - pos));
        pos = next + 1;
    }
    return fields;
}

std::int32_t FieldToInt(std::string_view field)
{
    const auto bad = [&] {
        std::string message = "'";
        message.append(field).append("' is not a valid integer value");
        return EConvertError(message);
    };
    const std::size_t signLength = (!field.empty() && (field[0] == '+' || field[0] == '-')) ? 1 : 0;
    const std::string_view digits = field.substr(signLength);
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        throw bad();
    // from_chars takes a minus but no plus, so the plus is dropped first.
    const std::string_view number = field[0] == '+' ? digits : field;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        throw bad();
    return value;
}

// Colours along one axis of the clipped rectangle, one entry per row (mode 0)
// or column (mode 1). Entries no segment reached stay unpainted, so the
// pixels there keep what they had.
struct TGradientLine {
    std::vector<TBGRA> Colors;
    std::vector<bool> Painted;
    explicit TGradientLine(int length) : Colors(std::size_t(length)), Painted(std::size_t(length)) { }
};

// Entries first..first+steps run from `from` to `to`. The running values are
// 32-bit floats and the steps 64-bit, as stored skins were designed against.
void PaintRun(TGradientLine& line, int first, int steps, TColor from, TColor to)
{
    if ((from & 0xFFFFFF) == (to & 0xFFFFFF)) {
        for (int k = 0; k <= steps; ++k) {
            line.Colors[std::size_t(first + k)] = PixelFromColor(from);
            line.Painted[std::size_t(first + k)] = true;
        }
        return;
    }
    float r = RedOf(from), g = GreenOf(from), b = BlueOf(from);
    const double dr = (double(RedOf(to)) - RedOf(from)) / steps;
    const double dg = (double(GreenOf(to)) - GreenOf(from)) / steps;
    const double db = (double(BlueOf(to)) - BlueOf(from)) / steps;
    for (int k = 0; k <= steps; ++k) {
        line.Colors[std::size_t(first + k)] = TBGRA{RoundToByte(b), RoundToByte(g), RoundToByte(r), 0xFF};
        line.Painted[std::size_t(first + k)] = true;
        r = static_cast<float>(r + dr);
        g = static_cast<float>(g + dg);
        b = static_cast<float>(b + db);
    }
}

// Segment boundaries of the vertical mode: the last segment always runs to
// the bottom row, and each segment starts on the row where the last ended.
TGradientLine VerticalLine(const TRect& r, const TsGradArray& gradient)
{
    TGradientLine line(r.Height());
    const int lastRow = r.Bottom - 1;
    int start = r.Top;
    for (std::size_t i = 0; i < gradient.size(); ++i) {
        int end = (i + 1 == gradient.size()) ? lastRow : start + (r.Height() * gradient[i].Percent) / 100;
        end = std::min(end, lastRow);
        if (end - start > 0)
            PaintRun(line, start - r.Top, end - start, gradient[i].ColorFrom, gradient[i].ColorTo);
        start = end;
    }
    return line;
}

TGradientLine HorizontalLine(const TRect& r, const TsGradArray& gradient)
{
    TGradientLine line(r.Width());
    const int lastColumn = r.Right - 1;
    const double unit = r.Width() / 100.0;
    int start = r.Left;
    for (std::size_t i = 0; i < gradient.size(); ++i) {
        int end = (i + 1 == gradient.size())
                      ? lastColumn
                      : std::min(RoundHalfEven(gradient[i].Percent * unit + start), lastColumn);
        if (end - start > 0)
            PaintRun(line, start - r.Left, end - start, gradient[i].ColorFrom, gradient[i].ColorTo);
        start = end;
    }
    return line;
}

void FillRowSpan(TBitmap& bitmap, int y, int left, int right, TBGRA color)
{
    std::fill(bitmap.Row32(y) + left, bitmap.Row32(y) + right, color);
}

void PaintVertical(TBitmap& bitmap, const TRect& r, const TsGradArray& gradient)
{
    const TGradientLine line = VerticalLine(r, gradient);
    for (int y = r.Top; y < r.Bottom; ++y)
        if (line.Painted[std::size_t(y - r.Top)])
            FillRowSpan(bitmap, y, r.Left, r.Right, line.Colors[std::size_t(y - r.Top)]);
}

// The painted entries of a horizontal line form one run from the left edge.
int PaintedLength(const TGradientLine& line)
{
    int n = 0;
    while (n < int(line.Painted.size()) && line.Painted[std::size_t(n)])
        ++n;
    return n;
}

void PaintHorizontal(TBitmap& bitmap, const TRect& r, const TsGradArray& gradient)
{
    const TGradientLine line = HorizontalLine(r, gradient);
    const int length = PaintedLength(line);
    if (length == 0)
        return;
    // One row is computed, the others are copies of it.
    for (int y = r.Top; y < r.Bottom; ++y)
        std::copy_n(line.Colors.data(), length, bitmap.Row32(y) + r.Left);
}

void PaintTriangles(TBitmap& bitmap, const TRect& r, const TsGradArray& gradient)
{
    TGradientVertex v[5] = {{r.Left, r.Top, 0},
                            {r.Left + r.Width() / 2, r.Top + r.Height() / 2, 0},
                            {r.Right, r.Top, 0},
                            {r.Right, r.Bottom, 0},
                            {r.Left, r.Bottom, 0}};
    v[0].Color = gradient[0].ColorFrom & 0xFFFFFF;
    for (std::size_t k = 1; k < 5; ++k)
        v[k].Color = gradient.size() > k ? gradient[k].ColorFrom & 0xFFFFFF : v[k - 1].Color;
    FillGradientTriangle(bitmap, r, v[0], v[1], v[2]);
    FillGradientTriangle(bitmap, r, v[1], v[2], v[3]);
    FillGradientTriangle(bitmap, r, v[0], v[1], v[4]);
    FillGradientTriangle(bitmap, r, v[4], v[1], v[3]);
}

// The texture as the mixing loop reads it: 32-bit, and the rectangle of it
// that tiles (clipped to the texture; the whole texture when empty).
struct TTextureTiles {
    TBitmap Converted;
    const TBitmap* Pixels = nullptr;
    TRect Area;
};

TTextureTiles PrepareTexture(const TBitmap& texture, const TRect& textureRect)
{
    TTextureTiles tiles;
    tiles.Pixels = &texture;
    if (texture.Format() != TPixelFormat::pf32bit && !texture.Empty()) {
        tiles.Converted = texture;
        tiles.Converted.SetFormat(TPixelFormat::pf32bit);
        tiles.Pixels = &tiles.Converted;
    }
    tiles.Area = textureRect.IsEmpty() ? texture.Bounds() : ClipToBitmap(textureRect, texture);
    return tiles;
}

// One row in two vector passes: the texture tiled in, opaque, then the
// gradient colours blended onto it (BlendRow's (w * (X - G) + G * 256) >> 8
// with the texture pixel X already in place, its alpha kept). `colorRow`
// holds a one-colour row for vertical gradients.
void MixTextureRow(TBGRA* out, int left, int length, const TBGRA* gradient, bool oneColor,
                   const TBGRA* textureRow, const TRect& area, int weight, std::vector<TBGRA>& colorRow)
{
    const int tileWidth = area.Width();
    TBGRA* row = out + left;
    for (int i = 0, column = left % tileWidth; i < length; column = 0) {
        const int run = std::min(tileWidth - column, length - i);
        const TBGRA* tile = textureRow + area.Left + column;
        for (int k = 0; k < run; ++k) {
            std::uint32_t value;
            std::memcpy(&value, tile + k, sizeof value);
            value |= 0xFF000000u;
            std::memcpy(static_cast<void*>(row + i + k), &value, sizeof value);
        }
        i += run;
    }
    if (oneColor) {
        colorRow.assign(std::size_t(length), gradient[0]);
        gradient = colorRow.data();
    }
    BlendRow(row, gradient, length, weight);
}

} // namespace

void ParseGradientSpec(std::string_view spec, TsGradArray& into)
{
    into.clear();
    const std::vector<std::string_view> fields = SplitFields(spec);
    into.resize(fields.size() / FieldsPerSegment);
    for (std::size_t k = 0; k < into.size(); ++k) {
        const std::string_view* f = &fields[k * FieldsPerSegment];
        TsGradSegment& s = into[k];
        s.ColorFrom = TColor(std::max(0, FieldToInt(f[0])));
        s.ColorTo = TColor(std::max(0, FieldToInt(f[1])));
        s.Percent = std::uint8_t(std::clamp(FieldToInt(f[2]), 0, 100));
        s.Mode = FieldToInt(f[3]);
    }
}

TsGradArray ParseGradientSpec(std::string_view spec)
{
    TsGradArray result;
    ParseGradientSpec(spec, result);
    return result;
}

void DrawGradientFill(TBitmap& bitmap, const TRect& rect, const TsGradArray& gradient)
{
    const TRect r = ClipToBitmap(rect, bitmap);
    if (r.IsEmpty() || gradient.empty() || !Is32Bit(bitmap))
        return;
    switch (gradient[0].Mode) {
    case gmVertical: PaintVertical(bitmap, r, gradient); break;
    case gmHorizontal: PaintHorizontal(bitmap, r, gradient); break;
    case gmTriangles: PaintTriangles(bitmap, r, gradient); break;
    default: break;
    }
}

void DrawTexturedGradient(TBitmap& bitmap, const TRect& rect, const TsGradArray& gradient, int textureWeight,
                          const TRect& textureRect, const TBitmap& texture)
{
    const TRect r = ClipToBitmap(rect, bitmap);
    if (r.IsEmpty() || gradient.empty() || !Is32Bit(bitmap) || texture.Empty())
        return;
    const int mode = gradient[0].Mode;
    if (mode != gmVertical && mode != gmHorizontal)
        return;
    const TTextureTiles tiles = PrepareTexture(texture, textureRect);
    if (tiles.Area.IsEmpty())
        return;
    const int weight = std::clamp(textureWeight, 0, 255);
    const TGradientLine line = mode == gmVertical ? VerticalLine(r, gradient) : HorizontalLine(r, gradient);
    const int columns = mode == gmVertical ? r.Width() : PaintedLength(line);
    std::vector<TBGRA> colorRow;
    for (int y = r.Top; y < r.Bottom; ++y) {
        const std::size_t entry = std::size_t(y - r.Top);
        if (mode == gmVertical && !line.Painted[entry])
            continue;
        const TBGRA* textureRow = tiles.Pixels->Row32(tiles.Area.Top + y % tiles.Area.Height());
        const TBGRA* colors = mode == gmVertical ? &line.Colors[entry] : line.Colors.data();
        MixTextureRow(bitmap.Row32(y), r.Left, columns, colors, mode == gmVertical, textureRow, tiles.Area,
                      weight, colorRow);
    }
}

} // namespace pp
