#pragma once
// The skin manager's announcements as skin command messages: to every form
// of the application from the last to the first and into its containers,
// to the forms that form skin providers register, and to the windows that
// automatic skinning adopts; and the hot window's enter and leave.
#include <windows.h>

#include <functional>
#include <vector>

namespace pp {

class TCustomForm;

// Fills the manager's announcer slot; called once when the program starts.
void InstallSkinBroadcast();

// Forms a form skin provider has attached to, in the order their providers
// came, which the broadcast reaches besides the application's own forms (a
// form with a provider answers "skinned" and is passed by there). A provider
// registers its form when it takes the form over and unregisters it before
// it lets go; the last entry moves into the freed slot.
void RegisterProviderForm(TCustomForm& form);
void UnregisterProviderForm(TCustomForm& form);
const std::vector<TCustomForm*>& ProviderForms();

// The windows automatic skinning has adopted; it fills this slot. The
// broadcast reaches the visible ones, and the refresh redraws them whole.
inline std::function<std::vector<HWND>()> AdoptedWindows;

} // namespace pp
