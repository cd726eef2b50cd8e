#include "toolkit/FormBuilder.h"

#include "toolkit/Form.h"

namespace pp {

namespace {
// Creates a component and everything described inside it, in the listed
// order, assigning each one's values right after it is made.
void CreateDescribed(TCustomForm& form, TComponent& container, const TComponentDescription& description,
                     std::vector<TComponent*>& created)
{
    TComponent* component = description.Create(form);
    component->BeginLoading();
    component->SetName(description.Name);
    container.InsertDescribedChild(component);
    created.push_back(component);
    if (description.Assign)
        description.Assign(*component, form);
    component->EndReading();
    for (const TComponentDescription& child : description.Children)
        CreateDescribed(form, *component, child, created);
}
} // namespace

void LoadComponents(TCustomForm& form, const std::function<void()>& assignForm,
                    const std::vector<TComponentDescription>& components)
{
    form.BeginLoading();
    if (assignForm)
        assignForm();
    form.EndReading();
    std::vector<TComponent*> created;
    for (const TComponentDescription& description : components)
        CreateDescribed(form, form, description, created);
    form.Loaded();
    for (TComponent* component : created)
        component->Loaded();
}

} // namespace pp
