// The main window's two bitmap buttons under the built-in default skin, as
// the form's window shows them in each look: normal, hot, pressed (held
// down, with the focus dots) and disabled. Each look must reach the window
// and differ from the others. With PP_LOOKS_PICTURE set to a file name the
// looks are also written there as a 24-bit BMP, one row per button and one
// column per look, each with a few pixels of the window around it; the
// glow windows are not part of the form's window, so they do not show.
#include "app/Unit1.h"
#include "port/PortIoWin32.h"
#include "skin/controls/sBitBtnWin32.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace pp::test {
namespace {

constexpr int Margin = 3; // pixels of the window around each button

// A block of the window's pixels, row by row (COLORREF values).
struct TPixelBlock {
    int Width = 0;
    int Height = 0;
    std::vector<COLORREF> Pixels;
};

TPixelBlock AroundButton(TForm1& form, const TsBitBtn& button)
{
    TPixelBlock block{button.Width() + 2 * Margin, button.Height() + 2 * Margin, {}};
    const TWindowDCHandle dc(form.HandleValue());
    for (int y = 0; y < block.Height; ++y)
        for (int x = 0; x < block.Width; ++x)
            block.Pixels.push_back(GetPixel(dc.Get(), button.Left() - Margin + x, button.Top() - Margin + y));
    return block;
}

void PutLittleEndian(std::vector<char>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

// Rows of equal blocks side by side, as a bottom-up 24-bit BMP.
void WriteBmp(const char* path, const std::vector<std::vector<TPixelBlock>>& rows)
{
    const int cellWidth = rows[0][0].Width, cellHeight = rows[0][0].Height;
    const int width = cellWidth * static_cast<int>(rows[0].size());
    const int height = cellHeight * static_cast<int>(rows.size());
    const int stride = (width * 3 + 3) / 4 * 4;
    std::vector<char> out{'B', 'M'};
    PutLittleEndian(out, 54 + stride * height, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 54, 4);
    for (const std::uint32_t field : {40u, std::uint32_t(width), std::uint32_t(height)})
        PutLittleEndian(out, field, 4);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 24, 2);
    for (int i = 0; i < 6; ++i)
        PutLittleEndian(out, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        const auto& row = rows[static_cast<std::size_t>(y / cellHeight)];
        for (int x = 0; x < width; ++x) {
            const TPixelBlock& cell = row[static_cast<std::size_t>(x / cellWidth)];
            const COLORREF c =
                cell.Pixels[static_cast<std::size_t>((y % cellHeight) * cellWidth + x % cellWidth)];
            out.insert(out.end(), {char(GetBValue(c)), char(GetGValue(c)), char(GetRValue(c))});
        }
        out.insert(out.end(), static_cast<std::size_t>(stride - width * 3), '\0');
    }
    std::ofstream(path, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
}

class BitBtnLooks : public ::testing::Test {
protected:
    void SetUp() override
    {
        port::InitializePort("sim", "");
        form = new TForm1(Application);
        form->Timer1->SetEnabled(false);
        form->Show();
        for (TsBitBtn* button : {form->sBitBtn1, form->sBitBtn2})
            SendSkinCommand(button, SkinMsgSetSkin, reinterpret_cast<LPARAM>(form->sSkinManager1));
        RedrawWindow(form->HandleValue(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Application->ProcessMessages();
    }
    void TearDown() override
    {
        delete form;
        port::ShutdownPort();
    }
    void Settle(TsBitBtn& button)
    {
        ASSERT_TRUE(PumpMessagesUntil([&] { return !button.FadeRunning(); }));
        RedrawWindow(button.HandleValue(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Application->ProcessMessages();
    }
    // Normal, hot, pressed, disabled, as the window shows them.
    std::vector<TPixelBlock> Looks(TsBitBtn& button)
    {
        std::vector<TPixelBlock> looks{AroundButton(*form, button)};
        button.Perform(CM_MOUSEENTER, 0, 0);
        Settle(button);
        looks.push_back(AroundButton(*form, button));
        // Held down without a release: no click, the pressed look stays.
        button.SetFocus();
        SendMessageW(button.HandleValue(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        Settle(button);
        looks.push_back(AroundButton(*form, button));
        ReleaseCapture();
        button.Perform(CM_MOUSELEAVE, 0, 0);
        button.SetEnabled(false);
        Settle(button);
        looks.push_back(AroundButton(*form, button));
        return looks;
    }

    TForm1* form = nullptr;
};

TEST_F(BitBtnLooks, EachLookReachesTheWindowAndDiffersFromTheOthers)
{
    std::vector<std::vector<TPixelBlock>> rows;
    for (TsBitBtn* button : {form->sBitBtn1, form->sBitBtn2}) {
        rows.push_back(Looks(*button));
        const auto& looks = rows.back();
        for (std::size_t a = 0; a < looks.size(); ++a)
            for (std::size_t b = a + 1; b < looks.size(); ++b)
                EXPECT_NE(looks[a].Pixels, looks[b].Pixels)
                    << button->Caption() << ": looks " << a << ", " << b;
    }
    if (const char* path = std::getenv("PP_LOOKS_PICTURE"))
        WriteBmp(path, rows);
}

} // namespace
} // namespace pp::test
