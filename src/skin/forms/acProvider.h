#pragma once
// What automatic skinning attaches to one window: for a toolkit form a skin
// provider made on the fly; for a standard platform dialog a dialog adapter
// with adapters for the dialog's child windows.
#include "toolkit/Component.h"

#include <windows.h>

#include "core/Geometry.h"

#include <memory>
#include <optional>
#include <vector>

namespace pp {

class TCustomForm;
class TacDialogWnd;
class TacMainWnd;
class TsSkinProvider;

class TacProvider : public TComponent {
public:
    // A form's TacProvider is owned by the form; a dialog's has no owner
    // and is freed by the attached list once its dialog is gone.
    explicit TacProvider(TComponent* owner);
    ~TacProvider() override;
    std::string ClassName() const override { return "TacProvider"; }

    // Gives the form a skin provider and shows the form skinned.
    void InitForForm(TCustomForm& form);
    // Adapts the dialog and its children; false when a child could not be
    // adapted (the dialog then stays as the platform draws it).
    bool InitForDialog(HWND dialog);
    // A dialog adapted while its window was being made has no controls
    // yet, and the platform places it only after that: its controls are
    // adapted and it is moved to the requested position on activation.
    void DialogActivated();

    HWND DlgWnd() const { return dlgWnd_; }
    TacDialogWnd* DlgAdapter() const { return dlgAdapter_.get(); }
    TsSkinProvider* SkinProvider() const { return skinProvider_; }
    const std::vector<std::unique_ptr<TacMainWnd>>& ChildAdapters() const { return childAdapters_; }
    bool RightToLeft() const { return rightToLeft_; }
    // The dialog is gone or has let its adapter go: nothing left to skin.
    bool DialogReleased() const;

    void Notification(TComponent* component, TOperation operation) override;

private:
    HWND dlgWnd_ = nullptr;
    std::unique_ptr<TacDialogWnd> dlgAdapter_;
    TsSkinProvider* skinProvider_ = nullptr;
    std::vector<std::unique_ptr<TacMainWnd>> childAdapters_;
    bool rightToLeft_ = false;
    std::optional<TPoint> pendingPosition_;

    bool AdaptNewChildren();
    void MoveToPendingPosition();
};

} // namespace pp
