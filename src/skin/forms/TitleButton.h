#pragma once
// Buttons of the form's own beside the caption buttons: each with the
// skin's "TITLEBUTTON" look (or none), an optional glyph, a hint shown
// while the mouse is over it and mouse events. The provider owns the
// collection; a button answers the hit code 1000 + its index.
#include "core/Bitmap.h"
#include "skin/forms/TitleButtonSlot.h"
#include "toolkit/Control.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pp {

class THintWindow;

class TsTitleButton : public TObject {
public:
    TsTitleButton(int index, std::function<void()> changed);
    ~TsTitleButton() override;

    bool Enabled = true;
    TBitmap Glyph;
    std::string Hint;
    std::string Name = "TsTitleButton";
    bool UseSkinData = true;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

    bool Visible() const { return visible_; }
    // A change shows or hides the button at once (the frame is composed again).
    void SetVisible(bool visible);
    int Index() const { return index_; }
    TitleButtonSlot Slot;

    // The plain hint window shown while the button is hot.
    void ShowHint(HWND form, TPoint cursor);
    void HideHint();

private:
    int index_;
    bool visible_ = true;
    std::function<void()> changed_;
    std::unique_ptr<THintWindow> hint_;
};

class TsTitleButtons {
public:
    // `changed` recomposes the frame when a button comes or goes.
    explicit TsTitleButtons(std::function<void()> changed) : changed_(std::move(changed)) { }
    TsTitleButton& Add();
    int Count() const { return static_cast<int>(items_.size()); }
    TsTitleButton& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }

private:
    std::function<void()> changed_;
    std::vector<std::unique_ptr<TsTitleButton>> items_;
};

} // namespace pp
