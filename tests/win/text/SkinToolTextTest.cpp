// `skintool render --text` as a skin author runs it on Windows: the text
// lands inside the item in the section's font and contour colours, every
// pixel stays opaque, and the item's corners are what they are without
// text.
#include "core/Stream.h"
#include "core/Utf8Path.h"
#include "skin/loading/PngImage.h"
#include "win/Text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

namespace pp::test {
namespace {
namespace fs = std::filesystem;

constexpr TColor FrameColor = MakeColor(0x30, 0x30, 0x30);
constexpr TColor FaceColor = MakeColor(0xF0, 0xE8, 0xD0);
constexpr TColor Ink = MakeColor(0x20, 0x30, 0xA0);
constexpr TColor Contour = MakeColor(0xE0, 0x40, 0x10);
constexpr TColor Behind = MakeColor(0x20, 0x40, 0x60); // --backdrop 204060
constexpr int ItemWidth = 80, ItemHeight = 30, Border = 3;

// A 9 x 9 24-bit BMP: a 3-pixel frame whose four outermost corner pixels
// are the key colour (transparent), around a centre that is never drawn.
std::vector<std::uint8_t> FrameBmp()
{
    constexpr int side = 9, stride = 28; // 27 bytes a row, padded to 4
    std::vector<std::uint8_t> bmp(54 + stride * side, 0);
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bmp[at + i] = std::uint8_t(v >> (8 * i));
    };
    bmp[0] = 'B', bmp[1] = 'M';
    put32(2, std::uint32_t(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, side);
    put32(22, side);
    bmp[26] = 1, bmp[28] = 24;
    put32(34, stride * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const bool corner = (x == 0 || x == side - 1) && (y == 0 || y == side - 1);
            const TColor c = corner ? clKeyColor : FrameColor;
            std::uint8_t* p = &bmp[54 + std::size_t(side - 1 - y) * stride + std::size_t(x) * 3];
            p[0] = BlueOf(c), p[1] = GreenOf(c), p[2] = RedOf(c);
        }
    return bmp;
}

std::string OptionsText()
{
    return "[GLOBALINFO]\r\nVERSION=8.2\r\n[BUTTON]\r\nCOLOR=" + std::to_string(FaceColor) +
           "\r\nFONTCOLOR=" + std::to_string(Ink) + "\r\nTCLEFT=" + std::to_string(Contour) +
           "\r\nBORDERSMASK=!FRAME.BMP!1!0!0!3!3!3!3!1\r\n";
}

class SkinToolText : public testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, temp);
        dir_ = fs::path(temp) / ("pp-skintool-text-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(dir_ / "Fixture");
        const std::string options = OptionsText();
        WriteFileBytes(Path("Fixture/Options.dat"), {options.begin(), options.end()});
        WriteFileBytes(Path("Fixture/FRAME.BMP"), FrameBmp());
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string Path(const std::string& name) const { return Utf8FromPath(dir_ / PathFromUtf8(name)); }

    // Runs skintool with the arguments; answers its exit code.
    DWORD Render(const std::string& args)
    {
        const std::wstring tool = WideFromUtf8(std::string(PP_BINARY_DIR) + "/tools/skintool/skintool.exe");
        std::wstring command = L"skintool.exe render \"" + WideFromUtf8(Path("Fixture")) +
                               L"\" BUTTON 80x30 " + WideFromUtf8(args) + L" --backdrop 204060";
        STARTUPINFOW startup{sizeof(startup)};
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(tool.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return 0xFFFFFFFF;
        WaitForSingleObject(process.hProcess, 60000);
        DWORD code = 0xFFFFFFFE;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return code;
    }
    TBitmap Rendered(const std::string& name) const
    {
        TMemoryStream png(ReadFileBytes(Path(name)));
        return LoadPngFromStream(png);
    }

    fs::path dir_;
};

TEST_F(SkinToolText, PaintsTheTextInsideTheItemInItsColoursAndLeavesTheCornersAlone)
{
    ASSERT_EQ(Render("\"" + Path("plain.png") + "\""), 0u);
    ASSERT_EQ(Render("\"" + Path("text.png") + "\" --text HOW"), 0u);
    const TBitmap plain = Rendered("plain.png"), text = Rendered("text.png");
    ASSERT_EQ(text.Width(), ItemWidth);
    ASSERT_EQ(text.Height(), ItemHeight);

    // The key-coloured corner pixel shows the backdrop; the face is the
    // section colour.
    EXPECT_EQ(ColorFromPixel(plain.Pixel32(0, 0)), Behind);
    EXPECT_EQ(ColorFromPixel(plain.Pixel32(ItemWidth / 2, 5)), FaceColor);

    const TRect inside{Border, Border, ItemWidth - Border, ItemHeight - Border};
    int changed = 0, ink = 0, contour = 0, outside = 0, translucent = 0;
    for (int y = 0; y < ItemHeight; ++y)
        for (int x = 0; x < ItemWidth; ++x) {
            const TBGRA p = text.Pixel32(x, y);
            ink += ColorFromPixel(p) == Ink;
            contour += ColorFromPixel(p) == Contour;
            translucent += p.A != 0xFF;
            const bool differs = !(p == plain.Pixel32(x, y));
            changed += differs;
            outside += differs && !inside.Contains({x, y});
        }
    // The toolkit's default font is small and may be smoothed: only the
    // pixels a stroke covers fully show the colours exactly.
    EXPECT_GT(changed, 40);
    EXPECT_GT(ink, 10);
    EXPECT_GT(contour, 0);
    EXPECT_EQ(translucent, 0);
    EXPECT_EQ(outside, 0) << "pixels of the frame and corners changed by the text";
}

} // namespace
} // namespace pp::test
