#include "skin/controls/AdapterChoiceWin32.h"

#include "skin/controls/AdapterFamilyWin32.h"
#include "skin/controls/BtnWndWin32.h"
#include "skin/loading/ThirdPartyList.h"
#include "toolkit/WinControl.h"

#include <array>
#include <functional>

namespace pp {
namespace {

using TMaker =
    std::function<std::unique_ptr<TacMainWnd>(HWND, const std::string&, TsSkinManager*, TsCommonData*)>;

template <class T> TMaker Make()
{
    return [](HWND window, const std::string& section, TsSkinManager* manager, TsCommonData* binding) {
        return std::make_unique<T>(window, false, section, manager, binding);
    };
}

struct TAdapterKind {
    TMaker Create;
    const char* Section;
};

// In list order. The panel list's section depends on its bevels; the
// toolkit has no panels, so it takes the section of a panel without bevels.
const std::array<TAdapterKind, ThirdPartyListCount>& Kinds()
{
    static const std::array<TAdapterKind, ThirdPartyListCount> kinds{{
        {Make<TacEditWnd>(), "EDIT"},
        {Make<TacBtnWnd>(), "BUTTON"},
        {Make<TacBitBtnWnd>(), "BUTTON"},
        {Make<TacCheckBoxWnd>(), "CHECKBOX"},
        {Make<TacComboBoxWnd>(), "EDIT"},
        {Make<TacGridWnd>(), "EDIT"},
        {Make<TacGroupBoxWnd>(), "GROUPBOX"},
        {Make<TacListViewWnd>(), "EDIT"},
        {Make<TacPanelWnd>(), "CHECKBOX"},
        {Make<TacTreeViewWnd>(), "EDIT"},
        {Make<TacWWComboBoxWnd>(), "EDIT"},
        {Make<TacGridEhWnd>(), "EDIT"},
        {Make<TacVirtualTreeViewWnd>(), "EDIT"},
        {Make<TacPageControlWnd>(), "PAGECONTROL"},
        {Make<TacTabControlWnd>(), "PAGECONTROL"},
        {Make<TacToolBarVCLWnd>(), "TOOLBAR"},
        {Make<TacStatusBarWnd>(), "STATUSBAR"},
        {nullptr, ""},
        {Make<TacScrollBoxWnd>(), "PANEL_LOW"},
        {Make<TacSpinWnd>(), ""},
        {Make<TacSBWnd>(), "CHECKBOX"},
        {Make<TacStaticTextWnd>(), "CHECKBOX"},
    }};
    return kinds;
}

// These kinds put their section into the binding before the adapter exists.
bool SetsSectionFirst(int kind)
{
    return kind == ThirdScrollControl || kind == ThirdScrollBar || kind == ThirdStaticText;
}

} // namespace

std::string DefaultAdapterSection(int kind, const TWinControl&)
{
    if (kind < 0 || kind >= ThirdPartyListCount)
        return {};
    return Kinds()[static_cast<std::size_t>(kind)].Section;
}

std::unique_ptr<TacMainWnd> CreateWindowAdapter(int kind, TWinControl& control, TsCommonData& binding,
                                                TsSkinManager* manager)
{
    if (kind < 0 || kind >= ThirdPartyListCount)
        return nullptr;
    const TAdapterKind& chosen = Kinds()[static_cast<std::size_t>(kind)];
    if (!chosen.Create)
        return nullptr;
    const std::string section = DefaultAdapterSection(kind, control);
    if (SetsSectionFirst(kind) || (binding.SkinSection().empty() && !section.empty()))
        binding.SetSkinSection(section);
    return chosen.Create(control.Handle(), binding.SkinSection(), manager, &binding);
}

} // namespace pp
