// What the main window's commands need of the window: its controls' states,
// the three result labels, the geometry that places the popup menus, and the
// few requests a command makes of the window or the application.
#pragma once

#include "forms/WindowGeometry.h"

#include <string>

namespace folvane {

enum class MenuButton { GetFSXPath, SearchReg };

class MainWindowView {
public:
    virtual ~MainWindowView() = default;

    // "Set Path" tab.
    virtual std::u16string FolderText() const = 0;
    // "Set CD-ROM Path:" box.
    virtual bool CDROMBoxChecked() const = 0;
    virtual bool DriveListEnabled() const = 0;
    virtual void SetDriveListEnabled(bool enabled) = 0;
    virtual std::u16string DriveListText() const = 0;
    virtual char DriveLetter() const = 0;
    virtual bool AddToCurrentUserChecked() const = 0;
    // Filled in from the command line, without sounds or events.
    virtual void ShowSetPathPage() = 0;
    virtual void SetFolderText(const std::u16string& text) = 0;
    virtual void SetCDROMBoxChecked(bool checked) = 0;
    // Selects the drive when the list has it; false when it does not.
    virtual bool SelectDrive(char letter) = 0;
    virtual void SetAddToCurrentUserChecked(bool checked) = 0;

    // "Get Path" tab.
    virtual void SetFolderPathCaption(const std::string& caption) = 0;
    virtual void SetRegKeyCaption(const std::string& caption) = 0;
    virtual void SetRegValueCaption(const std::string& caption) = 0;

    // Screen position of the window; the others relative to their parents.
    virtual Point WindowOrigin() const = 0;
    virtual Point PageControlOrigin() const = 0;
    virtual Point AnalyzePageOrigin() const = 0;
    virtual Rect ButtonBounds(MenuButton button) const = 0;
    virtual void PopupMenuAt(MenuButton button, Point screen) = 0;

    virtual void SetMakerLabelUnderlined(bool underlined) = 0;
    virtual void ShowAboutDialog() = 0;
    virtual void SetHintTimings(int pauseMs, int hidePauseMs) = 0;
    virtual void Close() = 0;
    virtual void MinimizeApplication() = 0;
    // Posts the application's quit request.
    virtual void TerminateApplication() = 0;
};

} // namespace folvane
