#include "skin/controls/DialogChildAdaptersWin32.h"

#include "skin/controls/AdapterFamilyWin32.h"
#include "skin/controls/BtnWndWin32.h"
#include "skin/paint/SkinCommandsWin32.h"

#include <algorithm>
#include <cwctype>
#include <string>

namespace pp {
namespace {

std::wstring LowerClassName(HWND window)
{
    wchar_t name[128] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    std::wstring lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
    return lower;
}

bool Has(LONG style, LONG bits) { return (style & bits) == bits; }

bool IsAnyOf(const std::wstring& name, std::initializer_list<const wchar_t*> names)
{
    return std::any_of(names.begin(), names.end(), [&](const wchar_t* n) { return name == n; });
}

// What the child gets: the adapter's kind, its section, and whether it
// takes part in the dialog's painting.
struct TChildChoice {
    enum TKind {
        None,
        Edge,
        Icon,
        Static,
        TransPanel,
        Panel,
        GroupBox,
        CheckBox,
        Button,
        ComboBox,
        Edit,
        Sizer,
        TabControl,
        ListView,
        Spin,
        Track,
        Link,
        ToolBar,
        TreeView,
        Container,
        Search
    } Kind = None;
    const char* Section = "";
    bool DialogMode = false;
};

TChildChoice StaticChoice(HWND child, LONG style)
{
    if (Has(style, 3) || Has(style, 14)) {
        if (GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_STATICEDGE)
            return {TChildChoice::Edge, "EDIT"};
        return {TChildChoice::Icon, "CHECKBOX"};
    }
    const LONG type = style & 31;
    if (Has(style, 13) || type == 5 || type == 6 || type == 11)
        return {};
    return {TChildChoice::Static, "CHECKBOX"};
}

TChildChoice ButtonChoice(LONG style)
{
    if (Has(style, 7))
        return {TChildChoice::GroupBox, "GROUPBOX"};
    if (Has(style, 3) || (style & 4) || Has(style, 5) || Has(style, 9) || (style & 16))
        return {TChildChoice::CheckBox, "CHECKBOX"};
    return {TChildChoice::Button, "BUTTON"};
}

TChildChoice ChooseAdapter(HWND child, const std::wstring& name)
{
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    const bool visible = (style & WS_VISIBLE) != 0;
    if (name == L"static")
        return StaticChoice(child, style);
    if (name == L"#32770" || name == L"shbrowseforfolder")
        return {TChildChoice::TransPanel, "CHECKBOX"};
    if (name == L"tpanel")
        return {TChildChoice::Panel, "CHECKBOX"};
    if (name == L"tsilentpaintpanel")
        return {TChildChoice::Panel, "GROUPBOX"};
    if (name == L"button" || name == L"tbutton")
        return ButtonChoice(style);
    if (name == L"combobox")
        return {TChildChoice::ComboBox, "COMBOBOX", true};
    if (name == L"combolbox")
        return {TChildChoice::Edit, "COMBOBOX"};
    if (name == L"comboboxex32")
        return {TChildChoice::ComboBox, "COMBOBOX"};
    if (name == L"scrollbar")
        return (style & 0x10) ? TChildChoice{TChildChoice::Sizer, "CHECKBOX"} : TChildChoice{};
    if (name == L"systabcontrol32")
        return (style & 0x2000) ? TChildChoice{} : TChildChoice{TChildChoice::TabControl, "PAGECONTROL"};
    if (name == L"syslistview32")
        return {TChildChoice::ListView, "EDIT", true};
    if (name == L"msctls_updown32")
        return {TChildChoice::Spin, "SPEEDBUTTON_SMALL"};
    if (name == L"msctls_trackbar32")
        return {TChildChoice::Track, "TRACKBAR"};
    if (name == L"listbox")
        return {TChildChoice::Edit, "EDIT", true};
    if (name == L"link window" || name == L"syslink")
        return {TChildChoice::Link, "CHECKBOX"};
    if (name == L"toolbarwindow32")
        return {TChildChoice::ToolBar, (style & 0x200) ? "BAR" : "CHECKBOX"};
    if (name == L"systreeview32")
        return {TChildChoice::TreeView, "EDIT", true};
    if (IsAnyOf(name, {L"rebarwindow32", L"msctls_progress32", L"universalsearchband", L"address band root",
                       L"workerw", L"search box", L"travelband", L"breadcrumb parent"}))
        return visible ? TChildChoice{TChildChoice::Container, "CHECKBOX"} : TChildChoice{};
    if (name == L"directuihwnd") {
        RECT r{};
        GetWindowRect(child, &r);
        return r.bottom - r.top == 24 ? TChildChoice{TChildChoice::Search, "CHECKBOX"} : TChildChoice{};
    }
    if (name == L"edit")
        return visible ? TChildChoice{TChildChoice::Edit, "EDIT", true} : TChildChoice{};
    return {};
}

template <class T>
std::unique_ptr<TacMainWnd> Make(HWND child, bool initialRepaint, const char* section, TsSkinManager* manager)
{
    return std::make_unique<T>(child, initialRepaint, section, manager, nullptr);
}

std::unique_ptr<TacMainWnd> MakeAdapter(HWND child, const TChildChoice& choice, TsSkinManager* manager,
                                        bool dialogCached)
{
    const char* s = choice.Section;
    switch (choice.Kind) {
    case TChildChoice::Edge: return Make<TacEdgeWnd>(child, false, s, manager);
    case TChildChoice::Icon: return Make<TacIconWnd>(child, false, s, manager);
    case TChildChoice::Static: return Make<TacStaticWnd>(child, false, s, manager);
    case TChildChoice::TransPanel: return Make<TacTransPanelWnd>(child, false, s, manager);
    case TChildChoice::Panel: return Make<TacPanelWnd>(child, false, s, manager);
    case TChildChoice::GroupBox: return Make<TacGroupBoxWnd>(child, false, s, manager);
    case TChildChoice::CheckBox: return Make<TacCheckBoxWnd>(child, false, s, manager);
    case TChildChoice::Button: return Make<TacBtnWnd>(child, false, s, manager);
    case TChildChoice::ComboBox: return Make<TacComboBoxWnd>(child, dialogCached, s, manager);
    case TChildChoice::Edit: return Make<TacEditWnd>(child, dialogCached, s, manager);
    case TChildChoice::Sizer: return Make<TacSizerWnd>(child, false, s, manager);
    case TChildChoice::TabControl: return Make<TacTabControlWnd>(child, false, s, manager);
    case TChildChoice::ListView: return Make<TacListViewWnd>(child, false, s, manager);
    case TChildChoice::Spin: return Make<TacSpinWnd>(child, false, s, manager);
    case TChildChoice::Track: return Make<TacTrackWnd>(child, false, s, manager);
    case TChildChoice::Link: return Make<TacLinkWnd>(child, false, s, manager);
    case TChildChoice::ToolBar: return Make<TacToolBarWnd>(child, false, s, manager);
    case TChildChoice::TreeView: return Make<TacTreeViewWnd>(child, false, s, manager);
    case TChildChoice::Container: return Make<TacContainerWnd>(child, false, s, manager);
    case TChildChoice::Search: return Make<TacSearchWnd>(child, false, s, manager);
    case TChildChoice::None: break;
    }
    return nullptr;
}

} // namespace

std::unique_ptr<TacMainWnd> AdaptDialogChild(HWND child, TsSkinManager* manager, bool dialogCached)
{
    if (TacMainWnd::FromWindow(child) || SendSkinCommandToWindow(child, SkinMsgIsSkinned) != 0)
        return nullptr;
    const TChildChoice choice = ChooseAdapter(child, LowerClassName(child));
    std::unique_ptr<TacMainWnd> adapter = MakeAdapter(child, choice, manager, dialogCached);
    if (adapter)
        adapter->DialogMode = choice.DialogMode;
    return adapter;
}

void AdaptDialogChildren(HWND dialog, TsSkinManager* manager, bool dialogCached,
                         std::vector<std::unique_ptr<TacMainWnd>>& adapters)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!(GetWindowLongW(child, GWL_STYLE) & WS_CHILD))
            continue;
        if (auto adapter = AdaptDialogChild(child, manager, dialogCached))
            adapters.push_back(std::move(adapter));
        AdaptDialogChildren(child, manager, dialogCached, adapters);
    }
}

bool HoldsToolBar(HWND window)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (LowerClassName(child) == L"toolbarwindow32" || HoldsToolBar(child))
            return true;
    return false;
}

} // namespace pp
