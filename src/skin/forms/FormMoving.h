#pragma once
// How a skinned form moves and sizes: the maximized size that puts the
// frame outside the work area, snapping to the work area's edges while
// dragged, the outline-drag mode, and turning translucent while dragged
// by the caption when the skin manager asks for it.
#include "skin/forms/FrameSkin.h"
#include "skin/forms/OutlineDrag.h"

#include <functional>
#include <memory>

namespace pp {

class TsSkinManager;
class TacMoveTimer;

enum TacResizeMode { rmStandard, rmBorder };

class TFormMoving {
public:
    using TDefaultHandler = std::function<void(TMessage&)>;
    TFormMoving(TCustomForm& form, TsFrameSkin& frame, TDefaultHandler callDefault);
    ~TFormMoving();

    TacResizeMode ResizeMode = rmStandard;
    bool ScreenSnap = false;
    int SnapBuffer = 10;
    bool AllowBlendOnMoving = true;

    // True when the message was answered here.
    bool HandleMessage(TMessage& message, const TsSkinManager* manager);
    bool BlendingOnMove() const { return moveTimer_ != nullptr; }

private:
    HWND Window() const;
    bool IsTopLevelFramed() const;
    void GetMinMaxInfo(TMessage& message);
    void Snap(WINDOWPOS& position);
    bool StartOutlineDrag(unsigned command);
    bool OutlineMouse(const TMessage& message);
    void MoveBlended(TMessage& message, const TsSkinManager& manager);

    TCustomForm& form_;
    TsFrameSkin& frame_;
    TDefaultHandler callDefault_;
    std::unique_ptr<TOutlineDrag> outline_;
    std::unique_ptr<TacMoveTimer> moveTimer_;
};

} // namespace pp
