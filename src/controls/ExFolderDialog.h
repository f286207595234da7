// TExFolderDialog: the shell's browse-for-folder dialog as a component, with
// a root folder, options, a caption, a prompt, a status text and a current
// folder that the dialog opens on and that the user's choice replaces.
//
// The current folder is held as a shell item list owned by the component
// (every list it receives is copied, and every list it owns is freed once).
// Folder is its file-system path in the ANSI code page. While the dialog is
// open its window is subclassed so that messages pass the component first;
// destroying the component closes an open dialog. Execute is modal and not
// re-entrant: a call while the dialog is open returns False at once.
#pragma once

#include "controls/FolderDialogRules.h"
#include "toolkit/Component.h"
#include "toolkit/Controls.h"

#include <windows.h>

#include <shlobj.h>

#include <string>

namespace folvane {

class TExFolderDialog : public TComponent {
public:
    explicit TExFolderDialog(TComponent* owner = nullptr);
    ~TExFolderDialog() override;
    const char* ClassName() const override { return "TExFolderDialog"; }

    // The path of the current item, or the stored text when there is none.
    const std::string& Folder() const { return folder_; }
    // True when the current item's path holds characters the code page cannot: Folder shows
    // them as its default character and so names another folder, or none.
    bool FolderLostCharacters() const { return folderLost_; }
    // Stores the text and makes the item it names current (none when the
    // text is empty, longer than MAX_PATH or does not parse).
    void SetFolder(const std::string& value);
    bool HasCurrentItem() const { return current_ != nullptr; }

    const std::wstring& DialogTitle() const { return dialogTitle_; }
    void SetDialogTitle(const std::wstring& value) { dialogTitle_ = value; }
    const std::wstring& Prompt() const { return prompt_; }
    void SetPrompt(const std::wstring& value) { prompt_ = value; }
    const std::wstring& StatusText() const { return statusText_; }
    void SetStatusText(const std::wstring& value);
    TBrowseForFolderOptions Options() const { return options_; }
    void SetOptions(TBrowseForFolderOptions value) { options_ = value; }
    TShellFolders RootFolder() const { return rootFolder_; }
    void SetRootFolder(TShellFolders value) { rootFolder_ = value; }
    const std::string& CustomRootFolder() const { return customRoot_; }
    void SetCustomRootFolder(const std::string& value) { customRoot_ = value; }
    TFolderDialogPosition Position() const { return position_; }
    void SetPosition(TFolderDialogPosition value) { position_ = value; }
    // Accepted and ignored: the dialog's owner is the application's window.
    TComponent* Parent() const { return nullptr; }
    void SetParent(TComponent*) { }

    // True when the user accepted a folder.
    bool Execute();
    // The dialog's window while it is open, else nullptr.
    HWND DialogWindow() const { return window_; }

    // Raised whenever a non-empty item becomes current.
    TNotifyEvent OnChange;

private:
    // Releases the current item and makes a copy of `item` current.
    void MakeCurrent(PCIDLIST_ABSOLUTE item);
    void TakeFolder(const std::wstring& path);
    // Gives the dialog window back its own procedure; it no longer reaches this component.
    void Unhook(HWND window);
    PIDLIST_ABSOLUTE RootItem() const;
    void Initialised(HWND window);
    void PlaceWindow();
    void SendStatus(const std::wstring& text);
    static int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM lParam, LPARAM data);
    static LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::string folder_;
    bool folderLost_ = false;
    PIDLIST_ABSOLUTE current_ = nullptr;
    std::wstring dialogTitle_;
    std::wstring prompt_;
    std::wstring statusText_;
    TBrowseForFolderOptions options_ = 0;
    TShellFolders rootFolder_ = TShellFolders::sfoDesktopExpanded;
    std::string customRoot_;
    TFolderDialogPosition position_ = TFolderDialogPosition::fdpDefault;
    wchar_t displayName_[MAX_PATH] = {};

    HWND window_ = nullptr;
    WNDPROC previousProc_ = nullptr;
    bool ignoreSelection_ = false;
    bool pendingSelection_ = false;
    bool open_ = false;
    // Set by the destructor when the component goes while Execute runs.
    bool* destroyedFlag_ = nullptr;
};

} // namespace folvane
