#pragma once
// The screen object.
#include "toolkit/Component.h"

#include <functional>
#include <string>
#include <vector>

namespace pp {

class TCustomForm;

// The screen: its size and the forms in creation order.
class TScreen : public TComponent {
public:
    TScreen() : TComponent(nullptr) { }
    std::string ClassName() const override { return "TScreen"; }
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
    TCustomForm* ActiveForm() const;
    int Width() const;
    int Height() const;
    void AddForm(TCustomForm* form) { forms_.push_back(form); }
    void RemoveForm(TCustomForm* form);
    // Told when a form's window has been made, before it is first shown.
    std::function<void(TCustomForm& form)> OnFormWindowCreated;

private:
    std::vector<TCustomForm*> forms_;
};

extern TScreen* Screen;

} // namespace pp
