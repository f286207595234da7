// TExFolderDialog.
#include "controls/ExFolderDialog.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/graphics/TextConvert.h"

#include <objbase.h>

namespace folvane {

namespace {

// The component behind a subclassed dialog window.
constexpr const wchar_t* kDialogProperty = L"FolvaneFolderDialog";

// Frees a shell item list at the end of a scope.
class ItemList {
public:
    explicit ItemList(PIDLIST_ABSOLUTE item = nullptr)
        : item_(item)
    {
    }
    ~ItemList() { CoTaskMemFree(item_); }
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    PIDLIST_ABSOLUTE Get() const { return item_; }

private:
    PIDLIST_ABSOLUTE item_;
};

// The item a path names, parsed by the desktop folder; nullptr when the
// path is empty, too long or unknown. The caller frees it.
PIDLIST_ABSOLUTE ParsePath(const std::string& path)
{
    if (path.empty() || path.size() >= MAX_PATH)
        return nullptr;
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop)) || !desktop)
        return nullptr;
    std::wstring wide = AnsiToWide(path);
    PIDLIST_RELATIVE item = nullptr;
    const HRESULT hr = desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &item, nullptr);
    desktop->Release();
    if (FAILED(hr)) {
        CoTaskMemFree(item);
        return nullptr;
    }
    return reinterpret_cast<PIDLIST_ABSOLUTE>(item);
}

// The item's file-system path; empty when it has none.
std::wstring PathOf(PCIDLIST_ABSOLUTE item)
{
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(item, path))
        return std::wstring();
    path[MAX_PATH - 1] = L'\0';
    return path;
}

RECT WindowBounds(HWND window)
{
    RECT r {};
    GetWindowRect(window, &r);
    return r;
}

PlacementArea AreaOf(const RECT& r)
{
    return PlacementArea { r.left, r.top, r.right - r.left, r.bottom - r.top };
}

} // namespace

TExFolderDialog::TExFolderDialog(TComponent* owner)
    : TComponent(owner)
{
}

TExFolderDialog::~TExFolderDialog()
{
    Destroying();
    if (destroyedFlag_)
        *destroyedFlag_ = true;
    if (HWND window = window_) {
        // Unhooked first: what the window hears from now on, up to its destruction, must not
        // reach this component.
        Unhook(window);
        SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    CoTaskMemFree(current_);
}

// ---------------------------------------------------------------------------
// Current folder
// ---------------------------------------------------------------------------

void TExFolderDialog::SetFolder(const std::string& value)
{
    folder_ = value;
    folderLost_ = false;
    ItemList item(ParsePath(value));
    MakeCurrent(item.Get());
}

void TExFolderDialog::MakeCurrent(PCIDLIST_ABSOLUTE item)
{
    // The copy comes first: `item` may be the current item itself.
    PIDLIST_ABSOLUTE copy = item ? ILCloneFull(item) : nullptr;
    CoTaskMemFree(current_);
    current_ = copy;
    if (!current_)
        return;
    std::wstring path = PathOf(current_);
    if (path.empty() && HasOption(options_, TBrowseForFolderOption::bfoBrowseForComputer)) {
        displayName_[MAX_PATH - 1] = L'\0';
        path = displayName_;
    }
    TakeFolder(path);
    if (pendingSelection_ && window_) {
        // Cleared first: the selection this sends reports back here.
        pendingSelection_ = false;
        SendMessageW(window_, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(current_));
    }
    if (HasOption(options_, TBrowseForFolderOption::bfoShowPath))
        SendStatus(AnsiToWide(folder_));
    if (OnChange)
        OnChange(this);
}

void TExFolderDialog::TakeFolder(const std::wstring& path)
{
    folder_ = WideToAnsi(path);
    folderLost_ = !AnsiCodePageHolds(path);
}

void TExFolderDialog::SetStatusText(const std::wstring& value)
{
    statusText_ = value;
    SendStatus(value);
}

void TExFolderDialog::SendStatus(const std::wstring& text)
{
    if (window_)
        SendMessageW(window_, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

PIDLIST_ABSOLUTE TExFolderDialog::RootItem() const
{
    if (rootFolder_ == TShellFolders::sfoCustom)
        return ParsePath(customRoot_);
    PIDLIST_ABSOLUTE root = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, ShellFolderId(rootFolder_), &root))) {
        CoTaskMemFree(root);
        return nullptr;
    }
    return root;
}

// ---------------------------------------------------------------------------
// Running the dialog
// ---------------------------------------------------------------------------

bool TExFolderDialog::Execute()
{
    if (open_)
        return false;
    const std::string remembered = folder_;
    ItemList root(RootItem());
    BROWSEINFOW info {};
    info.hwndOwner = Application().UtilityWindow();
    info.pidlRoot = root.Get();
    info.pszDisplayName = displayName_;
    info.lpszTitle = prompt_.empty() ? nullptr : prompt_.c_str();
    info.ulFlags = BrowseFlags(options_);
    info.lpfn = &TExFolderDialog::BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);
    ignoreSelection_ = pendingSelection_ = open_ = true;

    bool destroyed = false;
    destroyedFlag_ = &destroyed;
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ItemList chosen(SHBrowseForFolderW(&info));
    if (SUCCEEDED(com))
        CoUninitialize();
    // A handler may have destroyed the component while the dialog ran.
    if (destroyed)
        return false;
    destroyedFlag_ = nullptr;
    open_ = false;
    window_ = nullptr;
    pendingSelection_ = false;

    if (chosen.Get()) {
        if (HasOption(options_, TBrowseForFolderOption::bfoBrowseForComputer)) {
            displayName_[MAX_PATH - 1] = L'\0';
            SetFolder(WideToAnsi(displayName_));
        } else {
            MakeCurrent(chosen.Get());
        }
        return true;
    }
    // Cancelled: whatever was selected while browsing is undone.
    SetFolder(remembered);
    return false;
}

int CALLBACK TExFolderDialog::BrowseCallback(HWND window, UINT message, LPARAM lParam, LPARAM data)
{
    auto* self = reinterpret_cast<TExFolderDialog*>(data);
    // Once initialised, the window names its component: none after that component went.
    if (message != BFFM_INITIALIZED && GetPropW(window, kDialogProperty) != self)
        return 0;
    try {
        if (message == BFFM_INITIALIZED)
            self->Initialised(window);
        else if (message == BFFM_SELCHANGED && !self->ignoreSelection_)
            self->MakeCurrent(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam));
    } catch (...) {
        Application().HandleException(std::current_exception());
    }
    return 0;
}

void TExFolderDialog::Initialised(HWND window)
{
    window_ = window;
    SetPropW(window, kDialogProperty, this);
    previousProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TExFolderDialog::DialogProc)));
    ignoreSelection_ = false;
    SetWindowTextW(window, dialogTitle_.c_str());
    SendStatus(statusText_);
    // Selecting the remembered folder again sends it to the tree, which
    // selects and expands to it.
    if (current_)
        MakeCurrent(current_);
    PlaceWindow();
}

LRESULT CALLBACK TExFolderDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<TExFolderDialog*>(GetPropW(window, kDialogProperty));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC previous = self->previousProc_;
    if (message == WM_NCDESTROY)
        self->Unhook(window);
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

void TExFolderDialog::Unhook(HWND window)
{
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    RemovePropW(window, kDialogProperty);
    window_ = nullptr;
}

void TExFolderDialog::PlaceWindow()
{
    if (position_ == TFolderDialogPosition::fdpDefault || !window_)
        return;
    PlacementArea area { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) };
    TForm* form = nullptr;
    switch (position_) {
    case TFolderDialogPosition::fdpDesktopCenter:
        area = PlacementArea { 0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN) };
        break;
    case TFolderDialogPosition::fdpMainFormCenter:
        form = Application().MainForm();
        break;
    case TFolderDialogPosition::fdpOwnerFormCenter:
        form = dynamic_cast<TForm*>(TWinControl::FromHandle(GetWindow(window_, GW_OWNER)));
        if (!form)
            form = Application().MainForm();
        break;
    default:
        break;
    }
    if (form && form->HandleAllocated())
        area = AreaOf(WindowBounds(form->Handle()));
    const RECT bounds = WindowBounds(window_);
    const PlacementPoint at = CenteredPlacement(area, bounds.right - bounds.left, bounds.bottom - bounds.top);
    SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace folvane
