#pragma once
// Automatic skinning: while a skin is active, every toolkit form that comes
// without a skin provider gets one made on the fly, and every ownerless
// standard platform dialog gets a dialog adapter with adapters for its
// controls. The skin manager's window-creation hook reports windows being
// created, activated and destroyed; the manager's SkinningRules decide
// which forms and dialogs take part.
#include "core/Geometry.h"

#include <windows.h>

#include <vector>

namespace pp {

class TacProvider;
class TCustomForm;

// The windows that never get a provider, by class name.
inline constexpr const char* ExcludedFormClasses[] = {"TApplication", "TfcPopup"};
// A new ownerless dialog is adapted only while fewer adapted dialogs than
// this are visible, unless it holds a tool bar (the file dialogs do).
inline constexpr int VisibleDialogLimit = 2;
// Where the next adapted dialog is moved to; (-1, -1) leaves it where the
// platform puts it. Set for one dialog and reset afterwards.
inline TPoint RequestedDialogPosition{-1, -1};

// Fills the manager's hook slot with HandleSkinningHook and makes every
// toolkit form whose window appears pass the same rules at once. Called
// once at start; again does no harm.
void InstallAutomaticSkinning();

// The hook's events: a window created (code HCBT_CREATEWND), activated
// (HCBT_ACTIVATE) or destroyed (HCBT_DESTROYWND).
void HandleSkinningHook(int code, WPARAM wParam, LPARAM lParam);

// Attaches to `window` when the rules let it: a provider for a loaded
// toolkit form, a dialog adapter for an ownerless standard dialog.
void AttachAutomatically(HWND window);

// The same for a form whose window has just been made: the platform may
// paint the window before it activates it, and the first frame shown must
// already be the skinned one.
void AttachFormWhenCreated(TCustomForm& form);

// The attached list, one entry per automatically skinned window; freed
// entries are null until the next purge.
const std::vector<TacProvider*>& AttachedProviders();
// Frees the providers of dialogs that are gone and drops freed entries.
void PurgeAttachedProviders();
// Frees every dialog's provider at once (the program is ending, or the
// skin's windows are all let go together).
void DropAttachedDialogs();
// A TacProvider being freed leaves the list.
void ForgetAttachedProvider(TacProvider* provider);

} // namespace pp
