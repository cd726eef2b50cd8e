#pragma once
// The label.
#include "toolkit/Control.h"

#include <string>

namespace pp {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A text painted on its parent's surface.
class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* owner);
    std::string ClassName() const override { return "TCustomLabel"; }

    // Not transparent: the label fills its area with its colour first.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    void SetText(const std::string& text) override;
    // Widest a word-wrapped auto-sized label may grow (0: no limit).
    int MaxWidth = 0;

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void AdjustBounds();
    unsigned TextFlags() const;

private:
    bool transparent_ = false;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
    std::string ClassName() const override { return "TLabel"; }
};

} // namespace pp
