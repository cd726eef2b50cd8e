#include "toolkit/Component.h"

#include <algorithm>

namespace pp {

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    // Whoever asked to hear of our end forgets us now.
    for (TComponent* other : std::vector<TComponent*>(freeNotifies_)) {
        std::erase(other->freeNotifies_, this);
        other->Notification(this, TOperation::opRemove);
    }
    freeNotifies_.clear();
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(std::string_view name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* c : components_)
        if (c->name_ == name)
            return c;
    return nullptr;
}

void TComponent::SetDesigning(bool on)
{
    if (on)
        state_ |= csDesigning;
    else
        state_ &= ~csDesigning;
    for (TComponent* c : components_)
        c->SetDesigning(on);
}

void TComponent::Destroying()
{
    if (state_ & csDestroying)
        return;
    state_ |= csDestroying;
    for (TComponent* c : components_)
        c->Destroying();
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove && component->owner_ == this)
        std::erase(components_, component);
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
        freeNotifies_.push_back(component);
        component->freeNotifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component)
        return;
    std::erase(freeNotifies_, component);
    std::erase(component->freeNotifies_, this);
}

void TComponent::InsertDescribedChild(TComponent*) { }

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
}

void TComponent::InsertComponent(TComponent* component)
{
    component->owner_ = this;
    components_.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component)
{
    std::erase(components_, component);
    component->owner_ = nullptr;
}

} // namespace pp
