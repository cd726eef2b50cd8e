#pragma once
// Main menu and menu items. Captions may mark an access key with "&".
#include "toolkit/Component.h"
#include "win/Handles.h"

#include <vector>

namespace pp {

class TMainMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // A check mark beside the caption; a radio item shows a round one.
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radioItem);

    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    TMenuItem* ParentItem() const { return parent_; }
    // The item with a command number, here or below; null when none.
    TMenuItem* FindByCommand(UINT command);
    UINT Command() const { return command_; }

    TNotifyEvent OnClick;
    virtual void Click();
    void InsertDescribedChild(TComponent* child) override;

    // Appends this item to a platform menu (with its submenu, built fresh).
    void AppendTo(HMENU menu) const;

    // The menu this item belongs to, told when an item changes.
    TMainMenu* Menu = nullptr;

private:
    void Changed();

    std::string caption_;
    bool enabled_ = true;
    bool checked_ = false;
    bool radioItem_ = false;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
    UINT command_;
};

class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* owner);
    std::string ClassName() const override { return "TMainMenu"; }

    // The top-level items.
    TMenuItem& Items() { return *items_; }
    // The menu bar, built on first use and after changes.
    HMENU Handle();
    bool HandleAllocated() const { return static_cast<bool>(handle_); }
    // A window that shows this menu lets go of it before it is destroyed
    // (the platform would otherwise destroy it with the window).
    void ReleaseHandle() { handle_.Reset(); }
    // Runs the click of the item with this command; false when none has it.
    bool DispatchCommand(UINT command);
    void InsertDescribedChild(TComponent* child) override;
    void Loaded() override;
    // Called when an item changed: the menu bar is rebuilt.
    TNotifyEvent OnChange;
    void MenuChanged();

private:
    TMenuItem* items_;
    TMenuHandle handle_;
};

} // namespace pp
