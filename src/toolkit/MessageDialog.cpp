// The standard message dialog: a window of its own with system BUTTON and STATIC children,
// run in a local modal loop through IsDialogMessage (which gives Tab, Enter, Escape and the
// "&" mnemonics their dialog meaning).
#include "toolkit/MessageDialog.h"

#include "toolkit/Application.h"
#include "toolkit/graphics/FontCache.h"
#include "toolkit/graphics/GdiHandle.h"

#include <windows.h>

#include <algorithm>

namespace folvane {

namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 6;

struct DialogState {
    TModalResult result = mrNone;
    TModalResult escape = mrNone;
    TModalResult enter = mrNone;
    std::vector<HWND> buttons;
};

DialogState* StateOf(HWND window)
{
    return reinterpret_cast<DialogState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool IsOurButton(const DialogState& state, HWND window)
{
    return std::find(state.buttons.begin(), state.buttons.end(), window) != state.buttons.end();
}

LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    DialogState* state = StateOf(window);
    if (!state)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case DM_GETDEFID: {
        // Enter presses the focused button, or the default one.
        HWND focus = GetFocus();
        int id = IsOurButton(*state, focus) ? GetDlgCtrlID(focus) : state->enter;
        return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
    }
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (HIWORD(wParam) != BN_CLICKED)
            break;
        if (id == IDCANCEL && !GetDlgItem(window, IDCANCEL)) {
            // Escape: Cancel is not there, so No answers it, or nothing does.
            if (state->escape != mrNone)
                state->result = state->escape;
            return 0;
        }
        if (GetDlgItem(window, id))
            state->result = id;
        return 0;
    }
    case WM_CLOSE:
        if (state->escape != mrNone)
            state->result = state->escape;
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterDialogClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXA wc {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &DialogProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMessageDialogClass;
    registered = RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

LPCSTR IconFor(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning:
        return IDI_WARNING;
    case TMsgDlgType::mtError:
        return IDI_ERROR;
    case TMsgDlgType::mtInformation:
        return IDI_INFORMATION;
    case TMsgDlgType::mtConfirmation:
        return IDI_QUESTION;
    case TMsgDlgType::mtCustom:
        break;
    }
    return nullptr;
}

// The system's message font, else Tahoma 8.
TSharedFont MessageFont()
{
    NONCLIENTMETRICSA metrics {};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return SharedFont(metrics.lfMessageFont);
    LOGFONTA tahoma {};
    tahoma.lfHeight = -11;
    tahoma.lfWeight = FW_NORMAL;
    tahoma.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(tahoma.lfFaceName, "Tahoma", LF_FACESIZE);
    return SharedFont(tahoma);
}

// Measures `text` wrapped at `rect`'s width; returns it whole when it is no taller than
// `maxHeight`, else cut after the most characters that still fit with "..." after them.
std::string FitTextHeight(HDC dc, const std::string& text, RECT& rect, int maxHeight, UINT flags)
{
    auto measure = [&](const std::string& candidate) {
        RECT r { 0, 0, rect.right, 0 };
        DrawTextA(dc, candidate.c_str(), static_cast<int>(candidate.size()), &r, flags | DT_CALCRECT);
        return r;
    };
    rect = measure(text);
    if (rect.bottom <= maxHeight)
        return text;
    // Cut only between characters: a double-byte character stays whole.
    std::vector<std::size_t> ends { 0 };
    for (const char* p = text.c_str(); *p;) {
        p = CharNextExA(CP_ACP, p, 0);
        ends.push_back(static_cast<std::size_t>(p - text.c_str()));
    }
    std::size_t fits = 0;
    std::size_t tooMany = ends.size();
    while (tooMany - fits > 1) {
        const std::size_t middle = (fits + tooMany) / 2;
        if (measure(text.substr(0, ends[middle]) + "...").bottom <= maxHeight)
            fits = middle;
        else
            tooMany = middle;
    }
    std::string cut = text.substr(0, ends[fits]) + "...";
    rect = measure(cut);
    return cut;
}

} // namespace

const char* MessageDlgCaption(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning:
        return "Warning";
    case TMsgDlgType::mtError:
        return "Error";
    case TMsgDlgType::mtInformation:
        return "Information";
    case TMsgDlgType::mtConfirmation:
        return "Confirm";
    case TMsgDlgType::mtCustom:
        break;
    }
    return "";
}

std::vector<TMsgDlgButtonInfo> MessageDlgButtons(TMsgDlgButtons buttons)
{
    static constexpr TMsgDlgButtonInfo kAll[] = {
        { mbYes, "&Yes", mrYes },
        { mbNo, "&No", mrNo },
        { mbOK, "OK", mrOk },
        { mbCancel, "Cancel", mrCancel },
    };
    std::vector<TMsgDlgButtonInfo> result;
    for (const auto& info : kAll)
        if (buttons & info.button)
            result.push_back(info);
    if (result.empty())
        result.push_back(kAll[2]);
    return result;
}

TModalResult MessageDlgEnterResult(TMsgDlgButtons buttons)
{
    auto list = MessageDlgButtons(buttons);
    for (TModalResult wanted : { mrOk, mrYes })
        for (const auto& info : list)
            if (info.result == wanted)
                return wanted;
    // Without OK or Yes the first button has the focus, and Enter presses it.
    return list.front().result;
}

TModalResult MessageDlgEscapeResult(TMsgDlgButtons buttons)
{
    auto list = MessageDlgButtons(buttons);
    for (TModalResult wanted : { mrCancel, mrNo })
        for (const auto& info : list)
            if (info.result == wanted)
                return wanted;
    return mrNone;
}

int PlainMessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags);
}

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME;

// Where everything goes, in client coordinates, and the window's place on the screen.
struct DialogLayout {
    RECT window {}; // left, top, right, bottom
    int clientWidth = 0;
    int clientHeight = 0;
    RECT text {}; // left, top, width, height
    std::string shownText;
    int buttonsLeft = 0;
    int buttonsTop = 0;
};

// ---------------------------------------------------------------------------
// Measure
// ---------------------------------------------------------------------------

// The dialog stays inside the work area: text that would make it taller is cut, and a
// word too long for the width is clipped, so that the buttons always show.
DialogLayout MeasureDialog(const std::string& text, HFONT font, bool hasIcon, int buttonCount)
{
    RECT work { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT frame {};
    AdjustWindowRectEx(&frame, kDialogStyle, FALSE, kDialogExStyle);
    const int maxClientWidth = (work.right - work.left) - (frame.right - frame.left);
    const int maxClientHeight = (work.bottom - work.top) - (frame.bottom - frame.top);

    // Measure the text in the dialog's font, wrapped at half the screen.
    DialogLayout layout;
    const int textLeft = hasIcon ? kMargin + kIconSize + kMargin : kMargin;
    const int maxTextWidth = std::max(maxClientWidth - textLeft - kMargin, 1);
    const int maxTextHeight = std::max(maxClientHeight - 3 * kMargin - kButtonHeight, 1);
    RECT textRect { 0, 0, std::min(std::max(GetSystemMetrics(SM_CXSCREEN) / 2, 200), maxTextWidth), 0 };
    constexpr UINT textFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
    {
        TWindowDC screen;
        TSelectScope select(screen.Get(), font);
        layout.shownText = FitTextHeight(screen.Get(), text, textRect, maxTextHeight, textFlags);
    }
    textRect.right = std::min<LONG>(textRect.right, maxTextWidth);
    const int contentHeight = std::max<int>(textRect.bottom, hasIcon ? kIconSize : 0);
    const int rowWidth = buttonCount * kButtonWidth + (buttonCount - 1) * kButtonGap;
    layout.clientWidth = std::max<int>(textLeft + textRect.right + kMargin, rowWidth + 2 * kMargin);
    layout.clientHeight = kMargin + contentHeight + kMargin + kButtonHeight + kMargin;
    layout.text = { textLeft, kMargin + (contentHeight - textRect.bottom) / 2, textRect.right, textRect.bottom };
    layout.buttonsLeft = (layout.clientWidth - rowWidth) / 2;
    layout.buttonsTop = layout.clientHeight - kMargin - kButtonHeight;

    RECT outer { 0, 0, layout.clientWidth, layout.clientHeight };
    AdjustWindowRectEx(&outer, kDialogStyle, FALSE, kDialogExStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const int left = work.left + (work.right - work.left - width) / 2;
    const int top = work.top + (work.bottom - work.top - height) / 2;
    layout.window = { left, top, left + width, top + height };
    return layout;
}

// ---------------------------------------------------------------------------
// Create
// ---------------------------------------------------------------------------

// The window and its children; fills in the state's buttons. Null when the system refuses
// the window.
HWND CreateDialogWindow(const DialogLayout& layout, const std::string& caption, HICON icon, HFONT font,
    const std::vector<TMsgDlgButtonInfo>& buttons, HWND owner, DialogState& state)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const RECT& at = layout.window;
    HWND dialog = CreateWindowExA(kDialogExStyle, kMessageDialogClass, caption.c_str(), kDialogStyle, at.left, at.top,
        at.right - at.left, at.bottom - at.top, owner, nullptr, instance, &state);
    if (!dialog)
        return nullptr;
    if (state.escape == mrNone)
        EnableMenuItem(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);

    auto setFont = [&](HWND child) { SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE); };
    if (icon) {
        HWND picture = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON, kMargin, kMargin, kIconSize,
            kIconSize, dialog, nullptr, instance, nullptr);
        SendMessageA(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
    const RECT& text = layout.text;
    HWND label = CreateWindowExA(0, "STATIC", layout.shownText.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
        text.left, text.top, text.right, text.bottom, dialog, nullptr, instance, nullptr);
    setFont(label);

    int x = layout.buttonsLeft;
    for (const auto& info : buttons) {
        DWORD buttonStyle
            = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (info.result == state.enter ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        HWND button = CreateWindowExA(0, "BUTTON", info.caption, buttonStyle, x, layout.buttonsTop, kButtonWidth,
            kButtonHeight, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(info.result)), instance, nullptr);
        setFont(button);
        state.buttons.push_back(button);
        x += kButtonWidth + kButtonGap;
    }
    return dialog;
}

// ---------------------------------------------------------------------------
// Run
// ---------------------------------------------------------------------------

// Shows the dialog modal to the application's other windows until a button answers, then
// destroys it and gives the activation back to `previous`.
TModalResult RunDialog(HWND dialog, DialogState& state, HWND previous)
{
    std::vector<HWND> disabled = Application().DisableTaskWindows(dialog);
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    HWND focus = state.buttons.front();
    for (HWND button : state.buttons)
        if (GetDlgCtrlID(button) == state.enter)
            focus = button;
    SetFocus(focus);

    bool quit = false;
    WPARAM quitCode = 0;
    while (state.result == mrNone) {
        MSG msg;
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // A quit request ends the dialog; the loop above this one must still see it.
            quit = got == 0;
            quitCode = msg.wParam;
            state.result = mrCancel;
            break;
        }
        if (!IsDialogMessageA(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    Application().EnableTaskWindows(disabled);
    DestroyWindow(dialog);
    if (previous && IsWindow(previous))
        SetActiveWindow(previous);
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
    return state.result;
}

} // namespace

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons)
{
    RegisterDialogClass();
    Application().CancelHint();
    const auto list = MessageDlgButtons(buttons);
    DialogState state;
    state.escape = MessageDlgEscapeResult(buttons);
    state.enter = MessageDlgEnterResult(buttons);

    const TSharedFont font = MessageFont();
    const HFONT fontHandle = font ? font->Get() : nullptr;
    HICON icon = IconFor(type) ? LoadIconA(nullptr, IconFor(type)) : nullptr;
    const DialogLayout layout = MeasureDialog(text, fontHandle, icon != nullptr, static_cast<int>(list.size()));

    const std::string caption = type == TMsgDlgType::mtCustom ? Application().Title() : MessageDlgCaption(type);
    HWND previous = GetActiveWindow();
    HWND dialog = CreateDialogWindow(layout, caption, icon, fontHandle, list, previous, state);
    if (!dialog)
        return mrCancel;
    return RunDialog(dialog, state, previous);
}

} // namespace folvane
