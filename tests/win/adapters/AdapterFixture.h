#pragma once
// A skin manager holding a small skin made in code ("BUTTON" in two plain
// colours, "FORM"), a shown form whose provider is attached on the fly, and
// the helpers the adapter tests share: placing controls, printing a window
// into a bitmap, reading its pixels.
#include "skin/controls/BtnWndWin32.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/loading/SkinManagerWin32.h"
#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace pp::test {

// Red in the low byte. Far apart so that a mixed pixel tells its parts.
inline constexpr TColor ButtonNormalColor = 0x0000C8; // red 200
inline constexpr TColor ButtonHotColor = 0x00C800;    // green 200
inline constexpr TColor FormBackColor = 0x000000;
// The client colour of the skin's "FORM" section.
inline constexpr TColor SkinFormColor = 0x808080;
inline constexpr TColor SkinFontColor = 0x123456;

// A windowed container the toolkit does not skin.
class TPlainBox : public TWinControl {
public:
    explicit TPlainBox(TComponent* owner) : TWinControl(owner) { }
    std::string ClassName() const override { return "TPlainBox"; }
};

// A bitmap with a memory context, for what a window prints into it.
class TPrintTarget {
public:
    TPrintTarget(int width, int height);
    HDC DC() const { return dc_.Get(); }
    TColor At(int x, int y);
    const TBitmap& Bitmap() const { return bitmap_; }

private:
    TBitmap bitmap_;
    TMemoryDCHandle dc_;
    TSelectObject selected_;
};

// What a window looks like, printed through its message handling.
TColor PrintedPixel(HWND window, int x, int y);
std::vector<TColor> PrintedPixels(HWND window, int width, int height);

class AdapterTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TButton* Button(TWinControl* parent, int x, int y, const std::string& caption = "");
    void ShowForm();
    // No control has the focus, and no button the default look it took with it.
    void Unfocus();
    // Shows the form and attaches its provider, which adapts its controls.
    TsSkinProvider* Skin();
    TacCtrlAdapter& Adapter();
    bool Adapted(const TControl* control);
    static bool AnswersSkinned(TWinControl* control);

    std::unique_ptr<TsSkinManager> manager;
    TForm* form = nullptr;
    TsSkinProvider* provider = nullptr;
};

} // namespace pp::test
