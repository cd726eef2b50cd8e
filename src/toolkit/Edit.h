#pragma once
// The one-line edit box.
#include "toolkit/WinControl.h"

namespace pp {

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);
    std::string ClassName() const override { return "TEdit"; }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    void SelectAll();
    // The selected range as the window reports it.
    void GetSelection(int& start, int& end);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;

private:
    int maxLength_ = 0;
};

} // namespace pp
