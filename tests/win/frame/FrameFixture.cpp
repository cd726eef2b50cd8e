#include "FrameFixture.h"

#include "skin/loading/SkinEngineState.h"
#include "toolkit/Application.h"

namespace pp::test {
namespace {

constexpr TBGRA KeyPixel{0xFF, 0x00, 0xFF, 0x00};

TBGRA Opaque(TColor color) { return PixelFromColor(color); }

TsGeneralData Section(const std::string& name, TColor color, TColor hotColor, int states)
{
    TsGeneralData section;
    section.SectionName = name;
    section.States = states;
    section.Props[0].Color = color;
    section.Props[1].Color = hotColor;
    return section;
}

TsMaskData Image(const std::string& section, const std::string& key, int width, int height, int frames,
                 TColor color)
{
    TsMaskData mask;
    mask.OwnBitmap = std::make_unique<TBitmap>(width, height);
    mask.OwnBitmap->Fill(Opaque(color));
    mask.SourceRect = {0, 0, width, height};
    mask.SectionName = section;
    mask.KeyName = key;
    mask.FrameCount = MaskField(frames);
    return mask;
}

TsMaskData FormBorder()
{
    TsMaskData mask = Image("FORM", "BORDERSMASK", MaskSide, MaskSide, 1, BorderGrey);
    mask.LeftWidth = mask.TopWidth = mask.RightWidth = mask.BottomWidth = MaskBorder;
    mask.CornerFlag = cfKeyPixels;
    const int last = MaskSide - 1;
    for (const auto [x, y] :
         {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 1}, std::pair{last, 0}, std::pair{last - 1, 0},
          std::pair{last, 1}, std::pair{0, last}, std::pair{1, last}, std::pair{0, last - 1},
          std::pair{last, last}, std::pair{last - 1, last}, std::pair{last, last - 1}})
        mask.OwnBitmap->Pixel32(x, y) = KeyPixel;
    return mask;
}

} // namespace

void FrameTest::SetUp()
{
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_EQ(SkinEngine.DefaultManager, manager.get());
    TsLoadedSkin& skin = manager->Skin();
    skin.AddMask(FormBorder());
    skin.AddMask(Image(GlobalInfoSection, "BICONCLOSE", 3 * ButtonWidth, ButtonHeight, 3, 0x0000FF));
    skin.AddMask(Image(GlobalInfoSection, "BICONMIN", 3 * ButtonWidth, ButtonHeight, 3, 0x00FF00));
    TsGeneralDataArray sections;
    sections.push_back(Section(GlobalInfoSection, clWhite, clWhite, 1));
    sections.push_back(Section("FORM", FormColor, FormHotColor, 1));
    sections.push_back(Section("FORMTITLE", TitleColor, TitleColor, 1));
    sections.push_back(Section("MENULINE", MenuLineColor, MenuLineColor, 1));
    sections.push_back(Section("MENUITEM", MenuItemColor, MenuItemColor, 1));
    skin.SetSections(std::move(sections));
    skin.UpdateSectionImageIndexes();
    skin.SkinData.Active = true;
    form = new TForm(Application);
    form->SetBorderIcons(biSystemMenu | biMinimize);
    form->SetCaption("Frame");
    form->SetClientSize(240, 120);
}

void FrameTest::TearDown()
{
    delete form;
    manager.reset();
}

void FrameTest::ShowSkinnedForm(const std::vector<std::string>& menuItems)
{
    menu = new TMainMenu(form);
    for (const std::string& caption : menuItems) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(caption);
        menu->Items().Add(item);
    }
    form->SetMenu(menu);
    form->HandleNeeded();
    provider = new TsSkinProvider(form);
    form->Show();
    Settle();
}

void FrameTest::Settle()
{
    form->Update();
    Application->ProcessMessages();
}

TColor FrameTest::ImagePixel(int x, int y) const
{
    return ColorFromPixel(Frame().FrameImage()->Pixel32(x, y));
}

} // namespace pp::test
