#pragma once
// One caption button of a skinned frame as the provider keeps it: its
// state, skin image, place in the frame image, glow and running fade.
#include "core/Geometry.h"

#include <memory>

namespace pp {

class TacSBAnimation;

// Hit codes the provider answers besides the platform's own.
inline constexpr int HitMinimize = 8;      // HTMINBUTTON
inline constexpr int HitMaximize = 9;      // HTMAXBUTTON
inline constexpr int HitClose = 20;        // HTCLOSE
inline constexpr int HitHelp = 21;         // HTHELP
inline constexpr int HitUserButton = 1000; // + the user title button's index
inline constexpr int HitTitleBarItem = 2000;

enum TTitleButtonState : int { tsNotDrawn = -1, tsNormal = 0, tsHot = 1, tsPressed = 2 };

struct TitleButtonSlot {
    TitleButtonSlot();
    ~TitleButtonSlot();
    TitleButtonSlot(const TitleButtonSlot&) = delete;
    TitleButtonSlot& operator=(const TitleButtonSlot&) = delete;

    int State = tsNotDrawn;
    int ImageIndex = -1;
    TRect Rect; // in the frame image; empty when the button is not shown
    bool Big = false;
    int GlowId = -1;
    std::unique_ptr<TacSBAnimation> Animation;
    int HitCode = 0;
};

// True for the codes of caption buttons, user title buttons, title bar
// items and a child's buttons in its parent's menu line.
bool IsTitleElementCode(int code);

} // namespace pp
