#pragma once
// Label, push button and edit box.
#include "toolkit/Controls.h"

namespace pp {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Modal results as the platform's dialog results number them.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = IDOK;
inline constexpr TModalResult mrCancel = IDCANCEL;
inline constexpr TModalResult mrAbort = IDABORT;
inline constexpr TModalResult mrRetry = IDRETRY;
inline constexpr TModalResult mrIgnore = IDIGNORE;
inline constexpr TModalResult mrYes = IDYES;
inline constexpr TModalResult mrNo = IDNO;
inline constexpr TModalResult mrAll = 8;

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
