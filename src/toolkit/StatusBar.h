#pragma once
// The status bar and its panels.
#include "toolkit/WinControl.h"

#include <memory>
#include <vector>

namespace pp {

class TStatusBar;

class TStatusPanel : public TPersistent {
public:
    TStatusPanel(TStatusBar& owner, int index) : owner_(owner), index_(index) { }
    std::string ClassName() const override { return "TStatusPanel"; }

    const std::string& Text() const { return text_; }
    // Repaints the panel only when the text differs.
    void SetText(const std::string& text);
    int Width() const { return width_; }
    void SetWidth(int width);
    int Index() const { return index_; }

private:
    TStatusBar& owner_;
    int index_;
    std::string text_;
    int width_ = 50;
};

// The panels of a status bar, in order.
class TStatusPanels : public TPersistent {
public:
    explicit TStatusPanels(TStatusBar& owner) : owner_(owner) { }
    std::string ClassName() const override { return "TStatusPanels"; }
    TStatusPanel& Add();
    int Count() const { return static_cast<int>(items_.size()); }
    TStatusPanel& operator[](int index) { return *items_.at(static_cast<size_t>(index)); }
    void Clear();

private:
    TStatusBar& owner_;
    std::vector<std::unique_ptr<TStatusPanel>> items_;
};

class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);
    std::string ClassName() const override { return "TStatusBar"; }

    TStatusPanels& Panels() { return panels_; }
    bool SizeGrip = true;

    // Panel layout changed: tell the window.
    void UpdatePanels();
    void UpdatePanelText(int index);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;

private:
    TStatusPanels panels_;
};

} // namespace pp
