#pragma once
// The skinned form's own system menu. The skin takes WS_SYSMENU away from
// the form (it draws the caption buttons itself), so the platform's menu
// never shows; this one is built from the window's own system menu (read
// all the same) and drawn by the menu painter like the form's drop-downs.
// It opens by Alt+Space, a click on the caption icon and a right click on
// the caption.
#include "core/Geometry.h"
#include "toolkit/Component.h"
#include "toolkit/Menu.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace pp {

class TCustomForm;
class TsSkinManager;

// Which of the standard items a form's system menu shows and enables.
class TsCustomSysMenu : public TComponent {
public:
    using TComponent::TComponent;
    virtual bool VisibleClose() = 0;
    virtual bool VisibleMax() = 0;
    virtual bool VisibleMin() = 0;
    virtual bool EnabledMax() = 0;
    virtual bool EnabledMin() = 0;
    virtual bool EnabledRestore() = 0;
};

enum TacSubMenuPosition { ipTop, ipBottom, ipBeforeClose };

// An item of the form's own inside the system menu, holding copies of a
// menu's items.
struct TacSysSubMenu {
    std::string Caption;
    TMenuItem* PopupMenu = nullptr; // its sub-items are copied
    TacSubMenuPosition Position = ipBeforeClose;
};

class TsSystemMenu : public TsCustomSysMenu {
public:
    TsSystemMenu(TCustomForm& form, std::function<TsSkinManager*()> manager);
    ~TsSystemMenu() override;
    std::string ClassName() const override { return "TsSystemMenu"; }

    bool VisibleClose() override;
    bool VisibleMax() override;
    bool VisibleMin() override;
    bool EnabledMax() override;
    bool EnabledMin() override;
    bool EnabledRestore() override;

    // The list of the manager's skins as a first item "Available skins".
    bool MakeSkinMenu = false;
    TacSysSubMenu SysSubMenu;

    // Builds the items again from the window's system menu and the form's
    // state now: shown items only, each enabled as the form allows.
    void RefreshItems();
    // The items as they stand (after RefreshItems).
    const TMenuItem& Items() const { return *container_; }
    // Refreshes the items and shows the menu at a screen point; the chosen
    // command goes to the form as WM_SYSCOMMAND.
    void Popup(TPoint screen);

private:
    TMenuItem* AddItem(TMenuItem& parent, const std::string& name, const std::string& caption, UINT command,
                       bool enabled);
    std::string StandardCaption(UINT command, const char* fallback) const;
    void AddStandardItems();
    void AddWindowExtras();
    void AddSubMenu(TacSubMenuPosition at);
    void AddSkinList();
    void Clear();
    void SendCommand(UINT command);

    TCustomForm& form_;
    std::function<TsSkinManager*()> manager_;
    std::unique_ptr<TMenuItem> root_;
    // The items' parent (an item below the root, so that the menu painter
    // treats them as drop-down items).
    TMenuItem* container_ = nullptr;
};

} // namespace pp
