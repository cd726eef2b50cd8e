#include "skin/controls/CtrlAdapterWin32.h"

#include "skin/controls/AdapterChoiceWin32.h"
#include "skin/loading/SkinEngineState.h"
#include "skin/loading/SkinManagerWin32.h"
#include "skin/paint/SkinCommandsWin32.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/WinControl.h"

namespace pp {
namespace {

// One examination of a form at a time; the recursion into containers is
// part of it. Creating an adapter can create windows, whose notices ask the
// provider to examine the form again.
bool addingAllItems = false;
bool removingAllItems = false;

bool AnswersSkinned(TControl* control) { return SendSkinCommand(control, SkinMsgIsSkinned) != 0; }

// The first ThirdParty list naming the class, or -1.
int ListNaming(const TsSkinManager& manager, const std::string& className)
{
    for (int list = 0; list < ThirdPartyListCount; ++list)
        if (manager.ThirdLists().Contains(list, className))
            return list;
    return -1;
}

} // namespace

// Hears of adapted controls being freed, so that no item outlives its control.
class TacCtrlAdapter::TFreeWatch : public TComponent {
public:
    explicit TFreeWatch(TacCtrlAdapter& adapter) : TComponent(nullptr), adapter_(adapter) { }
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove)
            adapter_.ControlFreed(component);
    }

private:
    TacCtrlAdapter& adapter_;
};

TacAdapterItem::~TacAdapterItem() { FreeWindowAdapter(); }

void TacAdapterItem::FreeWindowAdapter() { WindowAdapter.reset(); }

void TacAdapterItem::ControlGone()
{
    if (WindowAdapter)
        WindowAdapter->ControlGone();
    WindowAdapter.reset();
    Control = nullptr;
}

void TacAdapterItem::Adapt(TWinControl* control)
{
    if (!control || control->Tag == NeverSkinnedTag || !control->HandleAllocated() || !control->Parent() ||
        AnswersSkinned(control))
        return;
    if (Control != control || !SkinData) {
        SkinData = std::make_unique<TsCtrlSkinData>(control, true);
        SkinData->ControlKind = COC_TacAdapterItem;
    }
    Control = control;
    if (!Section.empty())
        SkinData->SetSkinSection(Section);
    TsSkinManager* manager = Adapter.SkinManager();
    if (!manager)
        return;
    const int list = ListNaming(*manager, control->ClassName());
    if (list >= 0)
        WindowAdapter = CreateWindowAdapter(list, *control, *SkinData, manager);
}

TacCtrlAdapter::TacCtrlAdapter(TacAdapterOwner& provider)
    : Provider(provider), watch_(std::make_unique<TFreeWatch>(*this))
{
}

TacCtrlAdapter::~TacCtrlAdapter()
{
    RemoveAllItems();
    watch_.reset();
}

TacAdapterItem* TacCtrlAdapter::GetItem(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[static_cast<std::size_t>(index)].get();
}

int TacCtrlAdapter::IndexOf(const TControl* control) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<std::size_t>(i)]->Control == control)
            return i;
    return -1;
}

bool TacCtrlAdapter::IsControlSupported(TComponent* component)
{
    if (!component || component->Tag == NeverSkinnedTag)
        return false;
    auto* control = dynamic_cast<TControl*>(component);
    if (!control)
        return false;
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        if (!windowed->HandleAllocated() || AnswersSkinned(windowed))
            return false;
    }
    bool allowed = true;
    std::string section;
    if (dynamic_cast<TCustomLabel*>(control) || dynamic_cast<TCustomForm*>(control)) {
        Provider.SkinItem(*control, allowed, section);
        return allowed;
    }
    const TsSkinManager* manager = SkinManager();
    return dynamic_cast<TWinControl*>(control) && manager && ListNaming(*manager, control->ClassName()) >= 0;
}

void TacCtrlAdapter::AddNewItem(TControl* control, const std::string& section)
{
    if (!control || control->Tag == NeverSkinnedTag || !control->Parent() || AnswersSkinned(control))
        return;
    bool allowed = true;
    std::string chosen = section;
    Provider.SkinItem(*control, allowed, chosen);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    // The toolkit has no frames, and this program embeds no forms in others.
    if (!allowed || !windowed || dynamic_cast<TCustomForm*>(control))
        return;
    const int index = IndexOf(control);
    if (index >= 0) {
        TacAdapterItem& item = *items_[static_cast<std::size_t>(index)];
        if (!chosen.empty())
            item.Section = chosen;
        if (item.WindowAdapter && item.WindowAdapter->Released()) {
            item.FreeWindowAdapter();
            item.Adapt(windowed);
        }
        return;
    }
    auto item = std::make_unique<TacAdapterItem>(*this);
    item->Section = chosen;
    item->Adapt(windowed);
    if (!item->WindowAdapter)
        return;
    watch_->FreeNotification(control);
    items_.push_back(std::move(item));
}

void TacCtrlAdapter::RemoveItem(int index)
{
    if (index < 0 || index >= Count())
        return;
    auto& slot = items_[static_cast<std::size_t>(index)];
    if (slot->Control)
        watch_->RemoveFreeNotification(slot->Control);
    slot = std::move(items_.back());
    items_.pop_back();
}

void TacCtrlAdapter::SendToItems(TMessage& message)
{
    for (int i = 0; i < Count(); ++i) {
        const TacAdapterItem& item = *items_[static_cast<std::size_t>(i)];
        if (item.WindowAdapter && !item.WindowAdapter->Released() && item.Control && item.Control->Parent())
            SendMessageW(item.WindowAdapter->Handle(), message.Msg, message.WParam, message.LParam);
    }
}

void TacCtrlAdapter::CleanItems()
{
    for (int i = Count() - 1; i >= 0; --i) {
        const TacAdapterItem& item = *items_[static_cast<std::size_t>(i)];
        if (!item.WindowAdapter || item.WindowAdapter->Released())
            RemoveItem(i);
    }
}

void TacCtrlAdapter::RemoveAllItems(bool shuttingDown)
{
    if (removingAllItems)
        return;
    const TFlagScope guard(removingAllItems, true);
    for (int i = Count() - 1; i >= 0; --i) {
        TacAdapterItem& item = *items_[static_cast<std::size_t>(i)];
        if (shuttingDown && item.WindowAdapter)
            item.WindowAdapter->Release(false);
        RemoveItem(i);
    }
}

void TacCtrlAdapter::ControlFreed(TComponent* control)
{
    const int index = IndexOf(dynamic_cast<TControl*>(control));
    if (index < 0)
        return;
    items_[static_cast<std::size_t>(index)]->ControlGone();
    RemoveItem(index);
}

void TacCtrlAdapter::SkinLabel(TControl& label)
{
    auto* custom = dynamic_cast<TCustomLabel*>(&label);
    const TsSkinManager* manager = SkinManager();
    if (!custom || !manager || label.Tag == KeepLabelColorTag)
        return;
    custom->SetTransparent(true);
    custom->Font().SetColor(manager->GetGlobalFontColor());
}

void TacCtrlAdapter::AddOne(TComponent* component)
{
    if (IsControlSupported(component)) {
        auto* control = static_cast<TControl*>(component);
        if (dynamic_cast<TWinControl*>(control))
            AddNewItem(control, "");
        else
            SkinLabel(*control);
    }
    auto* windowed = dynamic_cast<TWinControl*>(component);
    if (windowed && windowed->HandleAllocated() && windowed->Parent())
        AddItemsOf(*windowed);
}

void TacCtrlAdapter::AddItemsOf(TWinControl& container)
{
    if (container.Tag == NeverSkinnedTag)
        return;
    CleanItems();
    for (int i = 0; i < container.ComponentCount(); ++i)
        AddOne(container.Components(i));
    for (int i = 0; i < container.ControlCount(); ++i)
        AddOne(container.Controls(i));
}

void TacCtrlAdapter::AddAllItems(TWinControl* container)
{
    const TsSkinManager* manager = SkinManager();
    if (addingAllItems || !manager || (manager->SkinningRules & srThirdParty) == 0)
        return;
    const TFlagScope guard(addingAllItems, true);
    AddItemsOf(container ? *container : Provider.AdaptedForm());
}

} // namespace pp
