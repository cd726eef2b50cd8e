#include "toolkit/Menu.h"

#include "win/Text.h"

#include <algorithm>

namespace pp {

namespace {
// Command numbers of menu items; 0 stays free (it means "no command").
UINT NextCommand()
{
    static UINT next = 100;
    if (next >= 0xF000)
        next = 100; // above this the system menu's commands live
    return next++;
}
} // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) { }

TMenuItem::~TMenuItem()
{
    Destroying();
    DestroyComponents();
    for (TMenuItem* item : items_)
        item->parent_ = nullptr;
    if (parent_)
        parent_->Remove(this);
}

void TMenuItem::SetCaption(const std::string& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    Changed();
}

void TMenuItem::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Changed();
}

void TMenuItem::SetChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    Changed();
}

void TMenuItem::SetRadioItem(bool radioItem)
{
    if (radioItem == radioItem_)
        return;
    radioItem_ = radioItem;
    Changed();
}

void TMenuItem::Add(TMenuItem* item)
{
    if (!item || item->parent_ == this)
        return;
    if (item->parent_)
        item->parent_->Remove(item);
    item->parent_ = this;
    item->Menu = Menu;
    items_.push_back(item);
    Changed();
}

void TMenuItem::Remove(TMenuItem* item)
{
    if (std::find(items_.begin(), items_.end(), item) == items_.end())
        return;
    std::erase(items_, item);
    item->parent_ = nullptr;
    Changed();
}

TMenuItem* TMenuItem::FindByCommand(UINT command)
{
    if (command == command_ && parent_)
        return this;
    for (TMenuItem* item : items_)
        if (TMenuItem* found = item->FindByCommand(command))
            return found;
    return nullptr;
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
}

void TMenuItem::InsertDescribedChild(TComponent* child)
{
    if (auto* item = dynamic_cast<TMenuItem*>(child))
        Add(item);
}

void TMenuItem::Changed()
{
    if (Menu && !IsLoading())
        Menu->MenuChanged();
}

void TMenuItem::AppendTo(HMENU menu) const
{
    const std::wstring caption = WideFromUtf8(caption_);
    const UINT state = (enabled_ ? MF_ENABLED : MF_GRAYED) | (checked_ ? MF_CHECKED : MF_UNCHECKED);
    if (caption_ == "-") {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    if (items_.empty()) {
        AppendMenuW(menu, MF_STRING | state, command_, caption.c_str());
        return;
    }
    TMenuHandle submenu(CreatePopupMenu());
    for (const TMenuItem* item : items_)
        item->AppendTo(submenu.Get());
    // From here the parent menu destroys the submenu along with itself.
    AppendMenuW(menu, MF_STRING | MF_POPUP | state, reinterpret_cast<UINT_PTR>(submenu.Release()),
                caption.c_str());
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this))
{
    items_->Menu = this;
}

HMENU TMainMenu::Handle()
{
    if (!handle_) {
        TMenuHandle bar(CreateMenu());
        for (int i = 0; i < items_->Count(); ++i)
            items_->Items(i)->AppendTo(bar.Get());
        handle_ = std::move(bar);
    }
    return handle_.Get();
}

bool TMainMenu::DispatchCommand(UINT command)
{
    TMenuItem* item = items_->FindByCommand(command);
    if (!item)
        return false;
    item->Click();
    return true;
}

void TMainMenu::InsertDescribedChild(TComponent* child) { items_->InsertDescribedChild(child); }

namespace {
void SetMenuOfTree(TMenuItem& item, TMainMenu* menu)
{
    item.Menu = menu;
    for (int i = 0; i < item.Count(); ++i)
        SetMenuOfTree(*item.Items(i), menu);
}
} // namespace

void TMainMenu::MenuChanged()
{
    SetMenuOfTree(*items_, this);
    if (!handle_)
        return;
    // The window showing the old bar lets go of it before it is freed.
    TMenuHandle old = std::move(handle_);
    if (OnChange)
        OnChange(this);
}

void TMainMenu::Loaded()
{
    TComponent::Loaded();
    SetMenuOfTree(*items_, this);
}

} // namespace pp
