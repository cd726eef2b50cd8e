#include "BindingFixture.h"

#include "skin/loading/SkinEngineState.h"
#include "skin/pixels/Gradient.h"
#include "toolkit/Application.h"

#include <algorithm>

namespace pp::test {
namespace {

TsGeneralData Section(const std::string& name, TColor color, int transparency = 0, int states = 3)
{
    TsGeneralData section;
    section.SectionName = name;
    section.States = states;
    for (TsGenState& block : section.Props) {
        block.Color = color;
        block.Transparency = transparency;
    }
    return section;
}

// A one-frame grey border image without a mask band.
TsMaskData GreyBorder(const std::string& section, int side, int left, int top, int right, int bottom)
{
    TsMaskData mask;
    mask.OwnBitmap = std::make_unique<TBitmap>(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            mask.OwnBitmap->Pixel32(x, y) = TBGRA{0x80, 0x80, 0x80, 0xFF};
    mask.SourceRect = {0, 0, side, side};
    mask.SectionName = section;
    mask.KeyName = "BORDERSMASK";
    mask.FrameCount = 1;
    mask.LeftWidth = left;
    mask.TopWidth = top;
    mask.RightWidth = right;
    mask.BottomWidth = bottom;
    return mask;
}

// "PLAIN"'s border: widths set apart so that margins can be told apart.
TsMaskData PlainBorder() { return GreyBorder("PLAIN", 10, BorderLeft, BorderTop, BorderRight, BorderBottom); }

// "ROUNDED"'s border: the outermost pixel of each corner is key colour
// with alpha 0, the pixels a corner refresh restores.
TsMaskData RoundedBorder()
{
    TsMaskData mask = GreyBorder("ROUNDED", 6, 2, 2, 2, 2);
    for (const auto [x, y] : {std::pair{0, 0}, std::pair{5, 0}, std::pair{0, 5}, std::pair{5, 5}})
        mask.OwnBitmap->Pixel32(x, y) = TBGRA{0xFF, 0x00, 0xFF, 0x00};
    return mask;
}

TsGeneralDataArray FixtureSections()
{
    TsGeneralDataArray sections;
    sections.push_back(Section("PLAIN", PlainColor));
    TsGeneralData gradient = Section("GRADIENT", 0x808080);
    gradient.Props[0].GradientPercent = 100;
    gradient.Props[0].GradientData = "255;16711680;100;2;0";
    gradient.Props[0].GradientArray = ParseGradientSpec(gradient.Props[0].GradientData);
    gradient.Props[1] = gradient.Props[0];
    sections.push_back(gradient);
    sections.push_back(Section("CLEAR", clWhite, 100));
    sections.push_back(Section("HALF", clBlack, 30));
    TsGeneralData edit = Section("HOTEDIT", EditColor, 0, 2);
    edit.Props[0].FontColor[fcMain] = EditFontColor;
    edit.Props[1].Color = EditHotColor;
    edit.Props[1].FontColor[fcMain] = EditHotFontColor;
    sections.push_back(edit);
    TsGeneralData ownFont = Section("OWNFONT", 0x202020);
    ownFont.GiveOwnFont = true;
    sections.push_back(ownFont);
    sections.push_back(Section("WEBBUTTON", clWhite));
    sections.push_back(Section("GAUGE", clWhite));
    sections.push_back(Section("BUTTON", clWhite));
    sections.push_back(Section("ROUNDED", clWhite));
    return sections;
}

} // namespace

int TReceived::Count(unsigned command) const
{
    return static_cast<int>(std::count(Commands.begin(), Commands.end(), command));
}

void PaintThroughCache(TControl& control, TsCommonData& binding, HDC dc, int& compositions)
{
    if (!binding.IsSkinned())
        return;
    const TBitmap* cache = binding.CacheBitmap.get();
    if (binding.BackgroundStale || !cache || cache->Size() != TSize{control.Width(), control.Height()}) {
        binding.ComposeItem(binding.CurrentState());
        ++compositions;
    }
    const TRect all{0, 0, control.Width(), control.Height()};
    CopyCacheToWindow(control, binding, all, 0, 0, false, dc, all);
}

bool HandleForTest(TControl& control, TsCommonData& binding, TMessage& message, TReceived& received,
                   int& compositions)
{
    if (message.Msg != SM_SKINCOMMAND)
        return binding.HandleControlMessage(message);
    const TSkinCommand command = SkinCommandOf(message.WParam);
    received.Commands.push_back(command);
    if (command == SkinMsgClearStale && binding.BackgroundStale && binding.IsSkinned()) {
        binding.ComposeItem(binding.CurrentState());
        ++compositions;
    }
    return binding.HandleControlMessage(message);
}

TSkinnedPanel::TSkinnedPanel(TComponent* owner, const std::string& section, TControlKind kind)
    : TWinControl(owner)
{
    SkinData.ControlKind = kind;
    SkinData.SetSkinSection(section);
}

void TSkinnedPanel::WndProc(TMessage& message)
{
    if (!HandleForTest(*this, SkinData, message, Received, Compositions))
        TWinControl::WndProc(message);
}

void TSkinnedPanel::PaintWindow(HDC dc) { PaintThroughCache(*this, SkinData, dc, Compositions); }

TSkinnedGraphic::TSkinnedGraphic(TComponent* owner, const std::string& section, TControlKind kind)
    : TGraphicControl(owner)
{
    SkinData.ControlKind = kind;
    SkinData.SetSkinSection(section);
}

void TSkinnedGraphic::WndProc(TMessage& message)
{
    if (!HandleForTest(*this, SkinData, message, Received, Compositions))
        TGraphicControl::WndProc(message);
}

void TSkinnedGraphic::Paint() { PaintThroughCache(*this, SkinData, Canvas().Handle(), Compositions); }

void TPlainPanel::WndProc(TMessage& message)
{
    if (message.Msg == SM_SKINCOMMAND)
        Received.Commands.push_back(SkinCommandOf(message.WParam));
    TWinControl::WndProc(message);
}

void BindingTest::SetUp()
{
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_EQ(SkinEngine.DefaultManager, manager.get());
    TsLoadedSkin& skin = manager->Skin();
    skin.AddMask(PlainBorder());
    skin.AddMask(RoundedBorder());
    skin.SetSections(FixtureSections());
    skin.UpdateSectionImageIndexes();
    skin.Colors[scGlobalColor] = GlobalColor;
    skin.SkinData.Active = true;
    form = new TForm(Application);
    form->SetClientSize(200, 150);
}

void BindingTest::TearDown()
{
    delete form;
    manager.reset();
}

TsGeneralData& BindingTest::SectionRecord(const std::string& name)
{
    return manager->Skin().SectionAt(SectionIndex(name));
}

namespace {
template <class T> T* Placed(T* control, TWinControl* parent, TPlace place)
{
    control->SetBounds(place.X, place.Y, place.Width, place.Height);
    control->SetParent(parent);
    return control;
}
} // namespace

TSkinnedPanel* BindingTest::Panel(TWinControl* parent, const std::string& section, TPlace place,
                                  TControlKind kind)
{
    return Placed(new TSkinnedPanel(form, section, kind), parent, place);
}

TSkinnedGraphic* BindingTest::Graphic(TWinControl* parent, const std::string& section, TPlace place,
                                      TControlKind kind)
{
    return Placed(new TSkinnedGraphic(form, section, kind), parent, place);
}

TPlainPanel* BindingTest::PlainPanel(TWinControl* parent, TPlace place)
{
    return Placed(new TPlainPanel(form), parent, place);
}

void BindingTest::ShowForm()
{
    form->Show();
    form->Update();
    Application->ProcessMessages();
}

TPaintTarget::TPaintTarget()
    : bitmap_(20, 20), dc_(CreateCompatibleDC(nullptr)), selected_(dc_.Get(), bitmap_.NativeHandle())
{
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            bitmap_.Pixel32(x, y) = TBGRA{0, 0, 0, 0xFF};
}

TColor TPaintTarget::At(int x, int y)
{
    GdiFlush();
    return PixelAt(bitmap_, x, y);
}

TColor PixelAt(const TBitmap& bitmap, int x, int y) { return ColorFromPixel(bitmap.Pixel32(x, y)); }

} // namespace pp::test
