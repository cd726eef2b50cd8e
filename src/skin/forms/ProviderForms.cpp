#include "skin/forms/ProviderForms.h"

#include <algorithm>

namespace pp {
namespace {

std::vector<TCustomForm*>& Forms()
{
    static std::vector<TCustomForm*> forms;
    return forms;
}

} // namespace

const std::vector<TCustomForm*>& ProviderForms() { return Forms(); }

void AddProviderForm(TCustomForm& form) { Forms().push_back(&form); }

void RemoveProviderForm(const TCustomForm& form)
{
    std::vector<TCustomForm*>& forms = Forms();
    const auto found = std::find(forms.begin(), forms.end(), &form);
    if (found == forms.end())
        return;
    *found = forms.back();
    forms.pop_back();
}

} // namespace pp
