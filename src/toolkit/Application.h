// TApplication: the one application object (Application()). It knows the main form (the
// first form created), runs the message loop until the main form closes or a quit request
// arrives, minimises the program, shows hints after HintPause and hides them after
// HintHidePause, and shows the standard error box for an exception that escaped an event
// handler: the message with a final period, the title as caption, an error icon, OK. The
// program goes on after it.
//
// It also keeps the toolkit's hidden utility window, which carries window-message timers and
// owns popup menus while they are open.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Controls.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace folvane {

class TControl;
class TForm;
class THintWindow;
class TTimer;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }

    // Common controls and the toolkit's window classes; safe to call more than once.
    void Initialize();

    // The program file's name without extension until set.
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }

    TForm* MainForm() const { return mainForm_; }
    // Constructs a form owned by the application, makes it the main form when there is none,
    // and raises its OnCreate.
    template <typename Form, typename... Args> Form* CreateForm(Args&&... args)
    {
        auto* form = new Form(this, std::forward<Args>(args)...);
        form->DoCreate();
        return form;
    }

    // Shows the main form and handles messages until the program is asked to end.
    void Run();
    // Posts a quit request; the loop ends when it handles it.
    void Terminate();
    bool Terminated() const { return terminated_; }
    int ExitCode() const { return exitCode_; }
    // Handles every message already queued, without waiting.
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();
    // Minimises the main form; its taskbar button stays.
    void Minimize();
    void Restore();

    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    void CancelHint();
    THintWindow* HintWindow() const { return hintWindow_; }

    // The standard error box for an exception, or OnException when assigned.
    void HandleException(std::exception_ptr error);
    void ShowException(const std::string& message);
    std::function<void(const std::exception_ptr&)> OnException;

    // ---- used by the toolkit ----
    HWND UtilityWindow();
    void FormCreated(TForm* form);
    void FormDestroyed(TForm* form);
    void HintMouseMove(TControl* control, POINT clientPoint);
    void HintControlLeft(TControl* control);
    void ControlDestroyed(TControl* control);
    // Disables the thread's enabled, visible top-level windows except `except`; returns them.
    std::vector<HWND> DisableTaskWindows(HWND except);
    void EnableTaskWindows(const std::vector<HWND>& windows);

private:
    void HintTimerFired();
    void HideTimerFired();
    static LRESULT CALLBACK UtilityProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::string title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    int exitCode_ = 0;
    bool initialized_ = false;
    HWND utility_ = nullptr;
    int hintPause_ = 500;
    int hintHidePause_ = 2500;
    bool showHint_ = true;
    TControl* hintControl_ = nullptr;
    RECT hintCursorRect_ {};
    bool hintActive_ = false;
    THintWindow* hintWindow_ = nullptr;
    TTimer* hintTimer_ = nullptr;
    TTimer* hideTimer_ = nullptr;
};

TApplication& Application();

// The text of the standard error box: the message with a final period unless it has one.
std::string ExceptionBoxText(const std::string& message);

} // namespace folvane
