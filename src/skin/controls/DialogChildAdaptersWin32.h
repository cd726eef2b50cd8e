#pragma once
// The adapters the child windows of a standard platform dialog get when the
// dialog is skinned automatically: one per child, chosen by the child's
// window class and style.
#include "skin/controls/MainWndWin32.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace pp {

class TsSkinManager;

// The adapter for one child window, or null when its class is not skinned
// (or it already answers for itself). `dialogCached`: the dialog adapter
// already has a picture, so that edits and combo boxes repaint at once.
std::unique_ptr<TacMainWnd> AdaptDialogChild(HWND child, TsSkinManager* manager, bool dialogCached);

// Adapts every child window of `dialog` that has the child style, depth
// first (a window's children before its next sibling), into `adapters`.
void AdaptDialogChildren(HWND dialog, TsSkinManager* manager, bool dialogCached,
                         std::vector<std::unique_ptr<TacMainWnd>>& adapters);

// Whether any descendant of `window` is a platform tool bar, as the
// platform's file dialogs hold.
bool HoldsToolBar(HWND window);

} // namespace pp
