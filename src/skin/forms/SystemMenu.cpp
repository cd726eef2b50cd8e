#include "skin/forms/SystemMenu.h"

#include "core/StringList.h"
#include "skin/forms/TitleButtonRules.h"
#include "skin/forms/sSkinableMenus.h"
#include "skin/loading/SkinManagerWin32.h"
#include "toolkit/Form.h"
#include "win/Text.h"

namespace pp {
namespace {

bool IsStandardCommand(UINT id) { return id >= 0xF000 && id <= 0xF1FF; }

std::string MenuText(HMENU menu, UINT id, UINT flags)
{
    wchar_t buffer[256] = {};
    const int length = GetMenuStringW(menu, id, buffer, 256, flags);
    return length > 0 ? Utf8FromWide(std::wstring(buffer, static_cast<std::size_t>(length))) : std::string();
}

void MakeOwnerDrawn(HMENU menu, const TMenuItem& parent)
{
    MenuPainter().PreparePopupMenu(menu, parent, true);
    for (int i = 0; i < parent.Count() && i < GetMenuItemCount(menu); ++i)
        if (const HMENU sub = GetSubMenu(menu, i))
            MakeOwnerDrawn(sub, *parent.Items(i));
}

void CopyItems(const TMenuItem& from, TMenuItem& to)
{
    for (int i = 0; i < from.Count(); ++i) {
        const TMenuItem& source = *from.Items(i);
        auto* copy = new TMenuItem(&to);
        copy->SetCaption(source.Caption());
        copy->SetChecked(source.Checked());
        copy->SetRadioItem(source.RadioItem());
        copy->SetEnabled(source.Enabled());
        copy->OnClick = source.OnClick;
        to.Add(copy);
        CopyItems(source, *copy);
    }
}

} // namespace

TsSystemMenu::TsSystemMenu(TCustomForm& form, std::function<TsSkinManager*()> manager)
    : TsCustomSysMenu(nullptr), form_(form), manager_(std::move(manager))
{
    SetName("acSysMenu" + std::to_string(GetTickCount()));
}

TsSystemMenu::~TsSystemMenu() = default;

bool TsSystemMenu::VisibleClose() { return VisibleCloseButton(form_); }
bool TsSystemMenu::VisibleMax() { return VisibleMaxButton(form_); }
bool TsSystemMenu::VisibleMin() { return VisibleMinButton(form_); }
bool TsSystemMenu::EnabledMax() { return EnabledMaxButton(form_); }
bool TsSystemMenu::EnabledMin() { return EnabledMinButton(form_); }
bool TsSystemMenu::EnabledRestore() { return pp::EnabledRestore(form_); }

void TsSystemMenu::Clear()
{
    root_ = std::make_unique<TMenuItem>(nullptr);
    container_ = new TMenuItem(root_.get());
    root_->Add(container_);
}

TMenuItem* TsSystemMenu::AddItem(TMenuItem& parent, const std::string& name, const std::string& caption,
                                 UINT command, bool enabled)
{
    auto* item = new TMenuItem(&parent);
    item->SetName(name);
    item->SetCaption(caption);
    item->SetEnabled(enabled);
    if (command != 0)
        item->OnClick = [this, command](TObject*) { SendCommand(command); };
    parent.Add(item);
    return item;
}

// The window's own text for a standard command (its shortcut after a tab
// kept), or the plain word when the window's menu lacks it.
std::string TsSystemMenu::StandardCaption(UINT command, const char* fallback) const
{
    const HWND window = form_.HandleValue();
    const HMENU menu = window ? GetSystemMenu(window, FALSE) : nullptr;
    const std::string text = menu ? MenuText(menu, command, MF_BYCOMMAND) : std::string();
    return text.empty() ? fallback : text;
}

void TsSystemMenu::AddStandardItems()
{
    const HWND window = form_.HandleValue();
    const bool minimized = window && IsIconic(window);
    const bool maximized = window && IsZoomed(window);
    const TFormBorderStyle border = form_.BorderStyle();
    const bool large = HasLargeTitleButtons(form_);
    if (large && HasSystemMenuIcon(form_))
        AddItem(*container_, "acIR", StandardCaption(SC_RESTORE, "Restore"), SC_RESTORE, EnabledRestore());
    AddItem(*container_, "acIM", StandardCaption(SC_MOVE, "Move"), SC_MOVE, !maximized);
    if (border != TFormBorderStyle::bsNone && border != TFormBorderStyle::bsDialog &&
        border != TFormBorderStyle::bsToolWindow)
        AddItem(*container_, "acIS", StandardCaption(SC_SIZE, "Size"), SC_SIZE,
                border != TFormBorderStyle::bsSingle && !minimized);
    if (VisibleMin())
        AddItem(*container_, "acIN", StandardCaption(SC_MINIMIZE, "Minimize"), SC_MINIMIZE, EnabledMin());
    if (VisibleMax())
        AddItem(*container_, "acIX", StandardCaption(SC_MAXIMIZE, "Maximize"), SC_MAXIMIZE, EnabledMax());
}

// Items the form's owner put into the window's system menu come along.
void TsSystemMenu::AddWindowExtras()
{
    const HWND window = form_.HandleValue();
    const HMENU menu = window ? GetSystemMenu(window, FALSE) : nullptr;
    bool any = false;
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1) || IsStandardCommand(id))
            continue;
        AddItem(*container_, "", MenuText(menu, static_cast<UINT>(i), MF_BYPOSITION), 0, true)->OnClick =
            [window, id](TObject*) { PostMessageW(window, WM_SYSCOMMAND, id, 0); };
        any = true;
    }
    if (any)
        AddItem(*container_, "", "-", 0, true);
}

void TsSystemMenu::AddSubMenu(TacSubMenuPosition at)
{
    if (SysSubMenu.Position != at || SysSubMenu.Caption.empty() || !SysSubMenu.PopupMenu)
        return;
    if (at == ipBottom)
        AddItem(*container_, "", "-", 0, true);
    TMenuItem* sub = AddItem(*container_, "", SysSubMenu.Caption, 0, true);
    CopyItems(*SysSubMenu.PopupMenu, *sub);
    if (at != ipBottom)
        AddItem(*container_, "", "-", 0, true);
}

void TsSystemMenu::AddSkinList()
{
    TsSkinManager* manager = manager_ ? manager_() : nullptr;
    if (!MakeSkinMenu || !manager)
        return;
    TStringList names;
    manager->GetSkinNames(names);
    if (names.Count() == 0)
        return;
    TMenuItem* list = AddItem(*container_, "", "Available skins", 0, true);
    for (std::size_t i = 0; i < names.Count(); ++i) {
        const std::string name = names[i];
        TMenuItem* item = AddItem(*list, "", name, 0, true);
        item->SetRadioItem(true);
        item->SetChecked(name == manager->SkinName());
        item->OnClick = [manager, name](TObject*) { manager->SetSkinName(name); };
    }
}

void TsSystemMenu::RefreshItems()
{
    Clear();
    AddSkinList();
    AddSubMenu(ipTop);
    AddStandardItems();
    AddItem(*container_, "", "-", 0, true);
    AddWindowExtras();
    AddSubMenu(ipBeforeClose);
    if (VisibleClose())
        AddItem(*container_, "acIC", StandardCaption(SC_CLOSE, "Close"), SC_CLOSE, CloseEnabled(form_));
    AddSubMenu(ipBottom);
}

void TsSystemMenu::SendCommand(UINT command)
{
    if (const HWND window = form_.HandleValue())
        SendMessageW(window, WM_SYSCOMMAND, command, 0);
}

void TsSystemMenu::Popup(TPoint screen)
{
    const HWND window = form_.HandleValue();
    if (!window)
        return;
    RefreshItems();
    TMenuHandle menu(CreatePopupMenu());
    for (int i = 0; i < container_->Count(); ++i)
        container_->Items(i)->AppendTo(menu.Get());
    if (MenuPainter().Skin())
        MakeOwnerDrawn(menu.Get(), *container_);
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.X, screen.Y, 0, window, nullptr));
    if (command == 0)
        return;
    // The command may close the form, and this menu with its items: the
    // handler runs from a copy.
    if (TMenuItem* item = container_->FindByCommand(command))
        if (const TNotifyEvent click = item->OnClick)
            click(nullptr);
}

} // namespace pp
