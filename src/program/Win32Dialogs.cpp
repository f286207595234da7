// The dialog seam: the toolkit's message dialog and the plain topmost message box.
#include "program/Win32Dialogs.h"

#include "toolkit/MessageDialog.h"

namespace folvane {

// Both sides use the same button bits and the same answers.
static_assert(dlg::kYes == mbYes && dlg::kNo == mbNo && dlg::kOK == mbOK && dlg::kCancel == mbCancel);
static_assert(
    dlg::kAnswerOk == mrOk && dlg::kAnswerCancel == mrCancel && dlg::kAnswerYes == mrYes && dlg::kAnswerNo == mrNo);

namespace {

TMsgDlgType ToolkitType(DialogType type)
{
    switch (type) {
    case DialogType::Warning:
        return TMsgDlgType::mtWarning;
    case DialogType::Error:
        return TMsgDlgType::mtError;
    case DialogType::Information:
        return TMsgDlgType::mtInformation;
    case DialogType::Confirmation:
        return TMsgDlgType::mtConfirmation;
    }
    return TMsgDlgType::mtCustom;
}

} // namespace

int Win32Dialogs::MessageDlg(const std::string& text, DialogType type, unsigned buttons)
{
    return folvane::MessageDlg(text, ToolkitType(type), buttons);
}

int Win32Dialogs::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    return PlainMessageBox(text, caption, flags);
}

} // namespace folvane
