// The dialog seam for the program: the toolkit's standard message dialog, and
// the system's plain message box with no owner window.
#pragma once

#include "platform/Dialogs.h"

namespace folvane {

class Win32Dialogs : public Dialogs {
public:
    int MessageDlg(const std::string& text, DialogType type, unsigned buttons) override;
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
};

} // namespace folvane
