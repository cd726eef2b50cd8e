#pragma once
// A skinned form's control adapter: decides which of the form's controls get
// a window adapter, from the class names in the skin manager's ThirdParty
// lists, keeps one item per adapted control, and turns labels transparent
// in the skin's font colour. The form's skin provider owns it.
#include "skin/controls/MainWndWin32.h"
#include "skin/paint/SkinBindingWin32.h"
#include "toolkit/Component.h"

#include <memory>
#include <string>
#include <vector>

namespace pp {

class TControl;
class TWinControl;
class TsSkinManager;
class TacCtrlAdapter;

// Control-kind code of an adapter item's binding.
inline constexpr TControlKind COC_TacAdapterItem = 230;
// A control with this tag, and everything inside it, is never adapted; the
// engine's own windows carry it.
inline constexpr std::intptr_t NeverSkinnedTag = -98;
// A label with this tag keeps its own font colour.
inline constexpr std::intptr_t KeepLabelColorTag = 98;

// What the control adapter asks of the provider that owns it.
class TacAdapterOwner {
public:
    virtual ~TacAdapterOwner() = default;
    virtual TWinControl& AdaptedForm() = 0;
    virtual TsSkinManager* AdapterSkinManager() = 0;
    // The provider's OnSkinItem: may forbid adapting a control or name its section.
    virtual void SkinItem(TControl& control, bool& allowed, std::string& section) = 0;
};

class TacAdapterItem : public TPersistent {
public:
    explicit TacAdapterItem(TacCtrlAdapter& adapter) : Adapter(adapter) { }
    ~TacAdapterItem() override;
    std::string ClassName() const override { return "TacAdapterItem"; }

    // Chooses and creates the window adapter for the control.
    virtual void Adapt(TWinControl* control);
    // Drops the window adapter (giving the window back) and keeps the item.
    void FreeWindowAdapter();
    // The control was freed; nothing of it is touched again.
    void ControlGone();

    TWinControl* Control = nullptr;
    // Made when the item adapts its control, which the binding belongs to.
    std::unique_ptr<TsCtrlSkinData> SkinData;
    std::unique_ptr<TacMainWnd> WindowAdapter;
    std::string Section;
    TacCtrlAdapter& Adapter;
};

class TacCtrlAdapter : public TPersistent {
public:
    explicit TacCtrlAdapter(TacAdapterOwner& provider);
    ~TacCtrlAdapter() override;
    std::string ClassName() const override { return "TacCtrlAdapter"; }

    virtual bool IsControlSupported(TComponent* component);
    TacAdapterItem* GetItem(int index) const;
    virtual void AdaptControl(TControl* control) { AddNewItem(control, DefaultSection); }
    virtual void AddNewItem(TControl* control, const std::string& section);
    // Frees the item; the last item takes its place.
    virtual void RemoveItem(int index);
    // To the window of every item whose adapter is alive and whose control has a parent.
    virtual void SendToItems(TMessage& message);

    // The container's controls and components (the provider's form when
    // none is given), and theirs in turn.
    void AddAllItems(TWinControl* container = nullptr);
    // Drops every item whose adapter is missing or released.
    void CleanItems();
    // Frees every item. `shuttingDown`: the application is going, windows
    // are not given back one by one.
    void RemoveAllItems(bool shuttingDown = false);
    int Count() const { return static_cast<int>(items_.size()); }
    int IndexOf(const TControl* control) const;

    TacAdapterOwner& Provider;
    std::string DefaultSection;
    TsSkinManager* SkinManager() const { return Provider.AdapterSkinManager(); }

private:
    class TFreeWatch;
    void AddOne(TComponent* component);
    void AddItemsOf(TWinControl& container);
    void SkinLabel(TControl& label);
    void ControlFreed(TComponent* control);

    std::vector<std::unique_ptr<TacAdapterItem>> items_;
    std::unique_ptr<TFreeWatch> watch_;
};

} // namespace pp
