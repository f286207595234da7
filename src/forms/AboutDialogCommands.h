// The about dialog's handlers: Escape closes it silently, a click on its
// labels or its button plays the click sound and closes it, and it centres
// itself on the main window each time it is shown.
#pragma once

#include "app/InterfaceSounds.h"
#include "forms/WindowGeometry.h"

namespace folvane {

class AboutDialogView {
public:
    virtual ~AboutDialogView() = default;

    // Outer screen rectangles at this moment.
    virtual Rect MainWindowBounds() const = 0;
    virtual Rect Bounds() const = 0;
    virtual void MoveTo(Point topLeft) = 0;
    // Ends the modal state; the dialog is hidden, not destroyed.
    virtual void Close() = 0;
};

class AboutDialogCommands {
public:
    AboutDialogCommands(InterfaceSounds& sounds, AboutDialogView& view);

    void FormShow();
    void FormKeyDown(unsigned keyCode);
    void imgDlgAlertClick();

private:
    InterfaceSounds& sounds_;
    AboutDialogView& view_;
};

} // namespace folvane
