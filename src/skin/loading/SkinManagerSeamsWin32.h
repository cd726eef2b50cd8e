#pragma once
// What the skin manager leaves to the floors above it: the skin-changing
// animation of forms, the menu painter, automatic skinning of new windows
// and the animations driven by the application window. Each slot is filled
// by the part that owns the behaviour; an empty slot means the program
// goes without it.
#include "toolkit/Messages.h"

#include <windows.h>

#include <functional>

namespace pp {

class TsSkinManager;

struct TSkinManagerSeams {
    // Before a new skin is shown: snapshot the visible forms to fade from.
    std::function<void(TsSkinManager& manager)> PrepareSkinChangeAnimation;
    // After the refresh that follows: fade to the new look.
    std::function<void(TsSkinManager& manager)> FinishSkinChangeAnimation;
    // The menu painter forgets the border width it measured with the old skin.
    std::function<void()> ResetMenuBorderWidth;
    // The menu painter takes over the system's popup menus.
    std::function<void()> TakeOverPopupMenus;
    // Every event of the window-creation hook (code, wParam, lParam as the
    // hook gets them): automatic skinning of new and activated windows.
    std::function<void(int code, WPARAM wParam, LPARAM lParam)> WindowCreation;
    // Application-window messages the manager passes on: the application
    // hiding, minimize and restore, and the repaint of a skinned popup
    // menu. True when handled.
    std::function<bool(TMessage& message)> ApplicationMessage;
};

inline TSkinManagerSeams SkinManagerSeams;

} // namespace pp
