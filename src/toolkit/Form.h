#pragma once
// Forms: top-level windows that hold controls, with a border, an icon, a
// menu, the focus among their controls and modal showing.
#include "toolkit/Icon.h"
#include "toolkit/ModalResult.h"
#include "toolkit/WinControl.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pp {

class TButton;
class TMainMenu;

enum TBorderIconFlag : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;
    std::string ClassName() const override { return "TCustomForm"; }

    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TPosition Position = TPosition::poDefault;
    TIcon& Icon() { return icon_; }
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    // Stored values of the form's description, kept for what reads them.
    int PixelsPerInch = 96;
    int TextHeight = 13;

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    // Shows the form modally (other forms disabled) until a modal result is set.
    TModalResult ShowModal();
    // Asks the form to close; the OnClose action decides: hide (default),
    // minimise, free (caFree: the form frees itself from the message loop).
    void Close();
    void Release();
    bool IsModal() const { return modal_; }
    void SetClientSize(int width, int height) override;

    // The control that has or last had the focus inside the form.
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    void FocusControl(TWinControl* control);
    // The form a control is on, or null.
    static TCustomForm* GetParentForm(const TControl* control);

    std::function<void(TObject* sender, TCloseAction& action)> OnClose;
    std::function<void(TObject* sender, bool& canClose)> OnCloseQuery;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

    void WndProc(TMessage& message) override;
    void Loaded() override;
    // Enter and Escape go to the default and cancel buttons, Tab moves the
    // focus, a character marked with "&" in a caption clicks that control;
    // true when the key was used.
    bool HandleDialogKey(const MSG& msg);

    // Records the focused control and tells every control on the form.
    void FocusChanged(TWinControl* control);
    // A control of the form is being freed: the form stops pointing at it.
    void ControlDestroyed(const TControl* control)
    {
        if (activeControl_ == control)
            activeControl_ = nullptr;
    }
    // Moves the focus along the tab order.
    void SelectNext(bool forward);

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void DestroyWnd() override;

private:
    void CenterOnScreen();
    void ApplyRequestedClientSize();
    void ShowWindowNow();
    void MenuChanged();
    void FocusFirst();
    std::vector<TWinControl*> TabList() const;
    TButton* FindButton(bool wantDefault) const;
    bool HandleDialogChar(const MSG& msg);
    bool CloseQuery();

    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TIcon icon_;
    TMainMenu* menu_ = nullptr;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool shownOnce_ = false;
    TWinControl* activeControl_ = nullptr;
    std::optional<TSize> requestedClient_;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    std::string ClassName() const override { return "TForm"; }
};

} // namespace pp
