#include "AdapterFixture.h"

#include "skin/loading/SkinEngineState.h"
#include "skin/paint/SkinBroadcastWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "support/WinTestSupport.h"
#include "toolkit/Application.h"

namespace pp::test {
namespace {

TsGeneralData PlainSection(const std::string& name, TColor normal, TColor hot)
{
    TsGeneralData section;
    section.SectionName = name;
    section.States = 3;
    section.Props[0].Color = normal;
    section.Props[1].Color = hot;
    for (TsGenState& state : section.Props)
        state.FontColor[fcMain] = SkinFontColor;
    return section;
}

} // namespace

TPrintTarget::TPrintTarget(int width, int height)
    : bitmap_(width, height), dc_(CreateCompatibleDC(nullptr)), selected_(dc_.Get(), bitmap_.NativeHandle())
{
}

TColor TPrintTarget::At(int x, int y)
{
    GdiFlush();
    return ColorFromPixel(bitmap_.Pixel32(x, y));
}

TColor PrintedPixel(HWND window, int x, int y)
{
    TPrintTarget target(x + 1, y + 1);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.DC()), PRF_CLIENT);
    return target.At(x, y);
}

std::vector<TColor> PrintedPixels(HWND window, int width, int height)
{
    TPrintTarget target(width, height);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.DC()), PRF_CLIENT);
    std::vector<TColor> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(target.At(x, y));
    return pixels;
}

void AdapterTest::SetUp()
{
    // Hover reaches the adapters through the manager's announcements.
    InstallSkinBroadcast();
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_EQ(SkinEngine.DefaultManager, manager.get());
    TsLoadedSkin& skin = manager->Skin();
    skin.SetSections({PlainSection("BUTTON", ButtonNormalColor, ButtonHotColor),
                      PlainSection("FORM", SkinFormColor, SkinFormColor)});
    skin.UpdateSectionImageIndexes();
    skin.Colors[scGlobalFontColor] = SkinFontColor;
    skin.SkinData.Active = true;
    // Wine moves the mouse over a window that appears under the pointer:
    // keep it away, so that no button turns hot unasked.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    form = new TForm(Application);
    form->SetClientSize(400, 200);
    form->SetColor(FormBackColor);
}

void AdapterTest::TearDown()
{
    delete form;
    manager.reset();
}

TButton* AdapterTest::Button(TWinControl* parent, int x, int y, const std::string& caption)
{
    auto* button = new TButton(form);
    button->SetBounds(x, y, 41, 20);
    button->SetCaption(caption);
    button->SetParent(parent);
    return button;
}

void AdapterTest::ShowForm()
{
    form->Show();
    PumpMessagesUntil([&] { return IsWindowVisible(form->Handle()) != FALSE; });
}

void AdapterTest::Unfocus()
{
    SetFocus(form->Handle());
    form->FocusChanged(nullptr);
}

TsSkinProvider* AdapterTest::Skin()
{
    ShowForm();
    provider = AttachSkinProvider(*form);
    return provider;
}

TacCtrlAdapter& AdapterTest::Adapter()
{
    EXPECT_NE(provider, nullptr);
    EXPECT_NE(provider->Adapter(), nullptr);
    return *provider->Adapter();
}

bool AdapterTest::Adapted(const TControl* control)
{
    const int index = Adapter().IndexOf(control);
    return index >= 0 && Adapter().GetItem(index)->WindowAdapter != nullptr;
}

bool AdapterTest::AnswersSkinned(TWinControl* control)
{
    return SendSkinCommandToWindow(control->Handle(), SkinMsgIsSkinned) != 0;
}

} // namespace pp::test
