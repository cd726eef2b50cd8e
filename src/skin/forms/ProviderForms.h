#pragma once
// The forms that have a skin provider, in the order their providers came.
// The skin change across forms walks it; a provider adds its form when it
// takes the form over and takes it out when it goes (the last entry moves
// into the freed slot).
#include <vector>

namespace pp {

class TCustomForm;

const std::vector<TCustomForm*>& ProviderForms();
void AddProviderForm(TCustomForm& form);
void RemoveProviderForm(const TCustomForm& form);

} // namespace pp
