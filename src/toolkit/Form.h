// TForm: a top-level window holding controls. Border styles (none included), client size,
// placement in the screen's centre, key preview (the form sees keys before the focused
// control), the active control with focus-changed notification to every control, dialog-key
// and accelerator routing, Show/Hide/Close and ShowModal with ModalResult.
//
// The application's main form (the first form created) owns the taskbar button; other forms
// are owned by it, so they stay above it, minimise with it and have no button of their own.
//
// A derived form builds its controls in its constructor and calls DoCreate() at the end of
// construction (TApplication::CreateForm does that), which raises OnCreate.
#pragma once

#include "toolkit/ModalResult.h"
#include "toolkit/WinControl.h"

#include <functional>

namespace folvane {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter, poOwnerFormCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

class EInvalidOperation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner = nullptr);
    ~TForm() override;
    const char* ClassName() const override { return "TForm"; }

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value) { position_ = value; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool value) { keyPreview_ = value; }

    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int value) override;
    void SetClientHeight(int value) override;
    POINT ClientOrigin() const override;

    // The control that has (or, while the form is inactive, will get) the focus.
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    bool Active() const;

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    bool Modal() const { return modal_; }

    void Show();
    void Hide();
    // Asks OnCloseQuery, then OnClose decides: hide (the default), free, minimise or nothing.
    // Closing the main form ends the application; closing a modal form ends its modal state.
    void Close();
    // Shows the form, disables the application's other windows and runs messages until
    // ModalResult is set; returns it. The form is hidden, not destroyed, afterwards.
    TModalResult ShowModal();
    // Destroys the form once the messages already queued have been handled.
    void Release();

    // Raises OnCreate; exceptions go to the application's error box and the form lives on.
    void DoCreate();

    // Routing used by the controls' window procedure.
    bool ProcessDialogKey(std::uint16_t key, TShiftState shift);
    bool ProcessDialogChar(char ch, TShiftState shift);
    void SetFocusedControl(TWinControl* control);
    void ControlRemoved(TControl* control);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    std::function<void(TComponent* sender, TCloseAction& action)> OnClose;
    std::function<void(TComponent* sender, bool& canClose)> OnCloseQuery;

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void PaintWindow(TCanvas& canvas) override;
    void UpdateShowing() override;
    void TextChanged() override;
    void Loaded() override;
    virtual bool CloseQuery();
    bool CloseModal();
    virtual void DoShow();
    virtual void DoHide();

private:
    void FrameSize(int& dx, int& dy) const;
    void PlaceOnShow();
    void ApplyBorderStyle();

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TPosition position_ = TPosition::poDesigned;
    bool keyPreview_ = false;
    TWinControl* activeControl_ = nullptr;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool placed_ = false;
    bool releasing_ = false;
};

} // namespace folvane
