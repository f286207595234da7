// The standard message dialog: a modal window of the toolkit's own (not the system message
// box). Its caption follows the type ("Warning", "Error", "Information", "Confirm"; a custom
// dialog takes the application title), it shows the type's system icon, and its buttons appear
// in the fixed order "&Yes", "&No", "OK", "Cancel" whatever the combination asked for. Enter
// presses OK or else Yes; Escape presses Cancel or else No. The result names the button.
//
// PlainMessageBox is the thin path to MessageBoxA with no owner window and the caller's flags,
// for the few messages that must use the system box.
// An empty button set shows OK alone, so that every dialog can be closed. Enter presses the
// focused button once the user has moved the focus; Escape and the title-bar close box do
// nothing when neither Cancel nor No is there (the close box is then disabled).
//
// The dialog's window class is kMessageDialogClass; its buttons are BUTTON children whose
// control ids are their results (IDOK = mrOk, IDYES = mrYes...), its text a STATIC child and
// its icon a STATIC child with SS_ICON. Tests find it with FindWindow and drive it with keys.
#pragma once

#include "toolkit/ModalResult.h"

#include <string>
#include <vector>

namespace folvane {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
using TMsgDlgButtons = unsigned;

TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

// MessageBoxA(nullptr, text, caption, flags); returns what the system box returned.
int PlainMessageBox(const std::string& text, const std::string& caption, unsigned flags);

// The window class of the dialog, so that tests and tools can find it.
inline constexpr const char* kMessageDialogClass = "FolvaneMessageDialog";

// One button of the dialog as laid out, left to right.
struct TMsgDlgButtonInfo {
    TMsgDlgBtn button;
    const char* caption;
    TModalResult result;
};

// The caption a dialog of this type carries ("" for mtCustom: the caller uses the title).
const char* MessageDlgCaption(TMsgDlgType type);
// The buttons in display order; an empty set gives OK alone.
std::vector<TMsgDlgButtonInfo> MessageDlgButtons(TMsgDlgButtons buttons);
// The result of Enter and of Escape for a set (after the empty-set rule); mrNone when no
// button answers the key.
TModalResult MessageDlgEnterResult(TMsgDlgButtons buttons);
TModalResult MessageDlgEscapeResult(TMsgDlgButtons buttons);

} // namespace folvane
