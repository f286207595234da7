// The dialog seam: the toolkit's standard message dialog and the plain system
// message box. Answers use the values of both APIs, which agree (OK 1,
// Cancel 2, Yes 6, No 7).
#pragma once

#include <string>

namespace folvane {

enum class DialogType { Warning, Error, Information, Confirmation };

namespace dlg {
constexpr unsigned kYes = 1;
constexpr unsigned kNo = 2;
constexpr unsigned kOK = 4;
constexpr unsigned kCancel = 8;

constexpr int kAnswerNone = 0;
constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

// Message box flags as in winuser.h.
constexpr unsigned kBoxOk = 0x0;
constexpr unsigned kBoxYesNo = 0x4;
constexpr unsigned kBoxIconError = 0x10;
constexpr unsigned kBoxIconWarning = 0x30;
constexpr unsigned kBoxIconInformation = 0x40;
constexpr unsigned kBoxTopmost = 0x40000;
} // namespace dlg

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Modal; buttons is a set of dlg::kYes, kNo, kOK, kCancel.
    virtual int MessageDlg(const std::string& text, DialogType type, unsigned buttons) = 0;
    // The plain box with no owner window.
    virtual int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
};

} // namespace folvane
