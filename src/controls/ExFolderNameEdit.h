// TExFolderNameEdit: a button edit whose main button (or its shortcut,
// Alt+Down by default) browses for a folder through an owned
// TExFolderDialog; the chosen folder's path becomes the text. Cancelling
// changes nothing, and so does a folder whose path the system code page cannot
// hold (OnFolderNameNotRepresentable reports it). The button's default glyph is the bitmap resource
// "EXFOLDERNAMEEDITBUTTON" of the program.
#pragma once

#include "controls/ExButtonEdit.h"
#include "controls/ExFolderDialog.h"

#include <functional>

namespace folvane {

class TExFolderNameEdit : public TCustomExButtonEdit {
public:
    explicit TExFolderNameEdit(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TExFolderNameEdit"; }

    TExFolderDialog* Dialog() const { return dialog_; }

    // Kept in the dialog.
    TBrowseForFolderOptions Options() const { return dialog_->Options(); }
    void SetOptions(TBrowseForFolderOptions value) { dialog_->SetOptions(value); }
    TShellFolders RootFolder() const { return dialog_->RootFolder(); }
    void SetRootFolder(TShellFolders value) { dialog_->SetRootFolder(value); }
    const std::string& CustomRootFolder() const { return dialog_->CustomRootFolder(); }
    void SetCustomRootFolder(const std::string& value) { dialog_->SetCustomRootFolder(value); }
    const std::wstring& DialogTitle() const { return dialog_->DialogTitle(); }
    void SetDialogTitle(const std::wstring& value) { dialog_->SetDialogTitle(value); }
    // DialogTitle under a second name.
    const std::wstring& Title() const { return DialogTitle(); }
    void SetTitle(const std::wstring& value) { SetDialogTitle(value); }
    const std::wstring& StatusText() const { return dialog_->StatusText(); }
    void SetStatusText(const std::wstring& value) { dialog_->SetStatusText(value); }
    // Kept in the edit; handed to the dialog when browsing.
    const std::wstring& Prompt() const { return prompt_; }
    void SetPrompt(const std::wstring& value) { prompt_ = value; }

    // Runs the dialog on the current text; true when a folder was chosen.
    bool Browse();

    std::function<void(TComponent* sender, TExFolderDialog* dialog)> OnBeforeDialogExecute;
    TNotifyEvent OnDialogExecute;
    // The chosen folder's path holds characters the code page cannot; the text is left as it
    // was. `shown` is the path with those characters as the code page's default character.
    std::function<void(TComponent* sender, const std::string& shown)> OnFolderNameNotRepresentable;

    void Loaded() override;

protected:
    void ButtonClick() override;

private:
    void LoadDefaultGlyph();

    TExFolderDialog* dialog_ = nullptr;
    std::wstring prompt_;
};

} // namespace folvane
