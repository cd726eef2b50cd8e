#include "toolkit/StatusBar.h"

#include "win/Text.h"

#include <commctrl.h>

#include <vector>

namespace pp {

void TStatusPanel::SetText(const std::string& text)
{
    if (text == text_)
        return;
    text_ = text;
    owner_.UpdatePanelText(index_);
}

void TStatusPanel::SetWidth(int width)
{
    if (width == width_)
        return;
    width_ = width;
    owner_.UpdatePanels();
}

TStatusPanel& TStatusPanels::Add()
{
    items_.push_back(std::make_unique<TStatusPanel>(owner_, Count()));
    owner_.UpdatePanels();
    return *items_.back();
}

void TStatusPanels::Clear()
{
    items_.clear();
    owner_.UpdatePanels();
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner), panels_(*this)
{
    SetBounds(0, 0, 150, 19);
    SetAlign(TAlign::alBottom);
}

void TStatusBar::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClassName = STATUSCLASSNAMEW;
    // The toolkit places the bar; the platform must not move it.
    params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (SizeGrip)
        params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::InitializeWindow() { UpdatePanels(); }

void TStatusBar::UpdatePanels()
{
    if (!HandleAllocated())
        return;
    std::vector<int> edges;
    int right = 0;
    for (int i = 0; i < panels_.Count(); ++i) {
        right += panels_[i].Width();
        edges.push_back(i + 1 == panels_.Count() ? -1 : right);
    }
    if (edges.empty())
        edges.push_back(-1);
    SendMessageW(HandleValue(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < panels_.Count(); ++i)
        UpdatePanelText(i);
}

void TStatusBar::UpdatePanelText(int index)
{
    if (!HandleAllocated() || index < 0 || index >= panels_.Count())
        return;
    const std::wstring text = WideFromUtf8(panels_[index].Text());
    SendMessageW(HandleValue(), SB_SETTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

} // namespace pp
