#include "app/logic/ConnectorIcon.h"

#include <array>

namespace pp::app {

namespace {

constexpr int Size = ConnectorIconSize;

// Indexes into the standard 16-colour palette below.
enum TInk : std::uint8_t { Black = 0, Grey = 7, Dark = 8, Pin = 11, Silver = 15 };

// Blue, green, red, reserved: the 16 colours of the classic system palette.
constexpr std::array<std::array<std::uint8_t, 4>, 16> Palette{{
    {0, 0, 0, 0},
    {0, 0, 128, 0},
    {0, 128, 0, 0},
    {0, 128, 128, 0},
    {128, 0, 0, 0},
    {128, 0, 128, 0},
    {128, 128, 0, 0},
    {192, 192, 192, 0},
    {128, 128, 128, 0},
    {0, 0, 255, 0},
    {0, 255, 0, 0},
    {0, 255, 255, 0},
    {255, 0, 0, 0},
    {255, 0, 255, 0},
    {255, 255, 0, 0},
    {255, 255, 255, 0},
}};

struct TCanvasGrid {
    std::array<std::array<std::uint8_t, Size>, Size> Ink{};
    std::array<std::array<bool, Size>, Size> Opaque{};

    void Put(int x, int y, std::uint8_t ink)
    {
        if (x < 0 || y < 0 || x >= Size || y >= Size)
            return;
        Ink[y][x] = ink;
        Opaque[y][x] = true;
    }
};

// The connector's D-shaped shell: wider at the top, as the 13-pin row is.
bool InShell(int x, int y, int inset)
{
    const int top = 7 + inset;
    const int bottom = 24 - inset;
    if (y < top || y > bottom)
        return false;
    const int slant = (y - top) / 3;
    return x >= 1 + inset + slant && x <= 30 - inset - slant;
}

TCanvasGrid DrawConnector()
{
    TCanvasGrid grid;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            if (InShell(x, y, 0))
                grid.Put(x, y, InShell(x, y, 1) ? Grey : Dark);
            if (InShell(x, y, 2))
                grid.Put(x, y, Black);
        }
    // 13 pins over 12, two pixels wide, on a pitch of two.
    for (int i = 0; i < 13; ++i)
        grid.Put(4 + 2 * i, 12, Pin);
    for (int i = 0; i < 12; ++i)
        grid.Put(5 + 2 * i, 18, Pin);
    // Screw posts either side.
    for (int y = 14; y <= 16; ++y) {
        grid.Put(0, y, Silver);
        grid.Put(31, y, Silver);
    }
    return grid;
}

void PutLE(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> ConnectorIconFile()
{
    const TCanvasGrid grid = DrawConnector();
    constexpr std::uint32_t xorBytes = Size * Size / 2; // 4 bits a pixel, rows already 4-byte aligned
    constexpr std::uint32_t andBytes = Size * Size / 8; // 1 bit a pixel, 4 bytes a row
    constexpr std::uint32_t imageBytes = 40 + 16 * 4 + xorBytes + andBytes;

    std::vector<std::uint8_t> out;
    // Icon directory with one entry.
    PutLE(out, 0, 2);
    PutLE(out, 1, 2);
    PutLE(out, 1, 2);
    out.push_back(Size);
    out.push_back(Size);
    out.push_back(16);
    out.push_back(0);
    PutLE(out, 1, 2);
    PutLE(out, 4, 2);
    PutLE(out, imageBytes, 4);
    PutLE(out, 6 + 16, 4);
    // Bitmap header: height counts the colour and the mask images together.
    PutLE(out, 40, 4);
    PutLE(out, Size, 4);
    PutLE(out, Size * 2, 4);
    PutLE(out, 1, 2);
    PutLE(out, 4, 2);
    PutLE(out, 0, 4);
    PutLE(out, xorBytes + andBytes, 4);
    PutLE(out, 0, 4);
    PutLE(out, 0, 4);
    PutLE(out, 16, 4);
    PutLE(out, 0, 4);
    for (const auto& entry : Palette)
        out.insert(out.end(), entry.begin(), entry.end());
    // Rows bottom-up, as device-independent bitmaps store them.
    for (int y = Size - 1; y >= 0; --y)
        for (int x = 0; x < Size; x += 2)
            out.push_back(static_cast<std::uint8_t>(grid.Ink[y][x] << 4 | grid.Ink[y][x + 1]));
    for (int y = Size - 1; y >= 0; --y)
        for (int x = 0; x < Size; x += 8) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (!grid.Opaque[y][x + bit])
                    bits |= static_cast<std::uint8_t>(0x80 >> bit);
            out.push_back(bits);
        }
    return out;
}

} // namespace pp::app
