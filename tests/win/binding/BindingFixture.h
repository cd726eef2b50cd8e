#pragma once
// A skin manager holding a small skin made in code, a shown form, and test
// controls (with and without a window) that paint through their binding's
// cache and record the skin commands they receive.
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/SkinBindingWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Form.h"
#include "toolkit/WinControl.h"
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pp::test {

// Colours of the fixture skin's sections.
inline constexpr TColor PlainColor = 0x336699;
inline constexpr TColor GlobalColor = 0x0A0B0C;
inline constexpr TColor EditColor = 0x112233;
inline constexpr TColor EditHotColor = 0x445566;
inline constexpr TColor EditFontColor = 0x010203;
inline constexpr TColor EditHotFontColor = 0x040506;
// Border widths of the "PLAIN" section's border image.
inline constexpr int BorderLeft = 2, BorderTop = 3, BorderRight = 4, BorderBottom = 1;

// Records the sub-commands and toolkit notifications a control receives.
struct TReceived {
    std::vector<unsigned> Commands;
    int Count(unsigned command) const;
};

// Both test controls paint the same way: compose the cache when it is
// stale or the wrong size, then copy it.
void PaintThroughCache(TControl& control, TsCommonData& binding, HDC dc, int& compositions);
// Both answer SkinMsgClearStale by composing their cache, as real controls do.
bool HandleForTest(TControl& control, TsCommonData& binding, TMessage& message, TReceived& received,
                   int& compositions);

class TSkinnedPanel : public TWinControl {
public:
    TSkinnedPanel(TComponent* owner, const std::string& section, TControlKind kind = 51);
    std::string ClassName() const override { return "TSkinnedPanel"; }
    void WndProc(TMessage& message) override;
    TsCtrlSkinData SkinData{this, true};
    TReceived Received;
    int Compositions = 0;

protected:
    void PaintWindow(HDC dc) override;
};

class TSkinnedGraphic : public TGraphicControl {
public:
    TSkinnedGraphic(TComponent* owner, const std::string& section, TControlKind kind = 0);
    std::string ClassName() const override { return "TSkinnedGraphic"; }
    void WndProc(TMessage& message) override;
    TsCtrlSkinData SkinData{this, true};
    TReceived Received;
    int Compositions = 0;

protected:
    void Paint() override;
};

// An unskinned windowed container that records what reaches it.
class TPlainPanel : public TWinControl {
public:
    explicit TPlainPanel(TComponent* owner) : TWinControl(owner) { }
    std::string ClassName() const override { return "TPlainPanel"; }
    void WndProc(TMessage& message) override;
    TReceived Received;
};

// Where a test control goes in its parent.
struct TPlace {
    int X = 0, Y = 0, Width = 0, Height = 0;
};

// The fixture skin's sections: "PLAIN" (opaque colour, border image),
// "GRADIENT" (opaque, a gradient over both directions), "CLEAR"
// (transparency 100), "HALF" (transparency 30, black), "HOTEDIT" (two
// states with their own colours), "OWNFONT" (opaque, its own font),
// "WEBBUTTON", "GAUGE" and "BUTTON" (opaque white), "ROUNDED" (opaque,
// a grey border whose four outermost corner pixels are transparent key).
class BindingTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    int SectionIndex(const std::string& name) const { return manager->GetSkinIndex(name); }
    TsGeneralData& SectionRecord(const std::string& name);
    // A skinned windowed or windowless control in `parent`, owned by the form.
    TSkinnedPanel* Panel(TWinControl* parent, const std::string& section, TPlace place,
                         TControlKind kind = 51);
    TSkinnedGraphic* Graphic(TWinControl* parent, const std::string& section, TPlace place,
                             TControlKind kind = 0);
    TPlainPanel* PlainPanel(TWinControl* parent, TPlace place);
    void ShowForm();

    std::unique_ptr<TsSkinManager> manager;
    TForm* form = nullptr;
};

// A 20 x 20 black bitmap with a memory context on it, for what is painted
// into a device context.
class TPaintTarget {
public:
    TPaintTarget();
    HDC DC() const { return dc_.Get(); }
    // After the platform finished drawing.
    TColor At(int x, int y);

private:
    TBitmap bitmap_;
    TMemoryDCHandle dc_;
    TSelectObject selected_;
};

// The colour of a cache pixel (red in the low byte).
TColor PixelAt(const TBitmap& bitmap, int x, int y);

} // namespace pp::test
