#pragma once
// The push button.
#include "toolkit/ModalResult.h"
#include "toolkit/WinControl.h"

#include <string>

namespace pp {

// True when `caption` marks `key` with "&" (case does not matter).
bool IsAccelerator(wchar_t key, const std::string& caption);

// A push button: a superclass of the system button, registered as "TButton".
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    std::string ClassName() const override { return "TButton"; }

    bool Default() const { return default_; }
    void SetDefault(bool on);
    bool Cancel = false;
    TModalResult ModalResult = mrNone;

    // Runs OnClick and hands the modal result to the form.
    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    // Switches the default-button look on or off (sends CM_BUTTONSTYLE).
    virtual void SetButtonStyle(bool isDefault);

private:
    bool default_ = false;
    bool active_ = false;
};

} // namespace pp
