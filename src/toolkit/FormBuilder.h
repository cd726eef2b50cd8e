#pragma once
// Forms described in C++: the components in order, each with its property
// values in stored order, its event bindings and what is nested inside it.
// The builder creates every component, assigns its values while the
// component is marked loading and reading, and then tells the form and every
// component, in the same order, that loading has finished.
//
//   LoadFormDescription(*this, {
//       [](TForm1& f) { f.SetCaption("..."); f.SetClientSize(393, 192); },
//       {
//           Describe(&TForm1::Label1, "Label1", [](TLabel& c, TForm1&) { c.SetBounds(16, 8, 345, 13); }),
//           Describe(&TForm1::Button1, "Button1", [](TButton& c, TForm1& f) {
//               c.OnClick = [&f](TObject* s) { f.Button1Click(s); };
//           }),
//       }});
#include "toolkit/Component.h"

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace pp {

class TCustomForm;

struct TComponentDescription {
    std::string Name;
    // Makes the component with the form as its owner and records it in the
    // form's field.
    std::function<TComponent*(TCustomForm& form)> Create;
    // Sets the stored property values and event bindings.
    std::function<void(TComponent& component, TCustomForm& form)> Assign;
    // Components inside this one (menu items, controls in a container).
    std::vector<TComponentDescription> Children;
};

template <class Form> struct TFormDescription {
    std::function<void(Form& form)> Assign;
    std::vector<TComponentDescription> Components;
};

template <class T, class Form>
TComponentDescription Describe(T* Form::*field, std::string name,
                               std::type_identity_t<std::function<void(T&, Form&)>> assign,
                               std::vector<TComponentDescription> children = {})
{
    TComponentDescription d;
    d.Name = std::move(name);
    d.Create = [field](TCustomForm& form) -> TComponent* {
        auto& concrete = static_cast<Form&>(form);
        T* component = new T(&form);
        concrete.*field = component;
        return component;
    };
    d.Assign = [assign = std::move(assign)](TComponent& component, TCustomForm& form) {
        if (assign)
            assign(static_cast<T&>(component), static_cast<Form&>(form));
    };
    d.Children = std::move(children);
    return d;
}

// The same for a component the form keeps no field for.
template <class T, class Form>
TComponentDescription Describe(std::string name, std::type_identity_t<std::function<void(T&, Form&)>> assign,
                               std::vector<TComponentDescription> children = {})
{
    TComponentDescription d;
    d.Name = std::move(name);
    d.Create = [](TCustomForm& form) -> TComponent* { return new T(&form); };
    d.Assign = [assign = std::move(assign)](TComponent& component, TCustomForm& form) {
        if (assign)
            assign(static_cast<T&>(component), static_cast<Form&>(form));
    };
    d.Children = std::move(children);
    return d;
}

// Builds the components of a form from its description (see the top).
void LoadComponents(TCustomForm& form, const std::function<void()>& assignForm,
                    const std::vector<TComponentDescription>& components);

template <class Form> void LoadFormDescription(Form& form, const TFormDescription<Form>& description)
{
    LoadComponents(
        form,
        [&] {
            if (description.Assign)
                description.Assign(form);
        },
        description.Components);
}

} // namespace pp
