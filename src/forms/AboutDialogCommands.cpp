// The about dialog's handlers, as decisions over its view.
#include "forms/AboutDialogCommands.h"

namespace folvane {

namespace {
constexpr unsigned kEscape = 27;
}

AboutDialogCommands::AboutDialogCommands(InterfaceSounds& sounds, AboutDialogView& view)
    : sounds_(sounds)
    , view_(view)
{
}

void AboutDialogCommands::FormShow()
{
    const Rect own = view_.Bounds();
    view_.MoveTo(CentredOn(view_.MainWindowBounds(), own.width, own.height));
}

void AboutDialogCommands::FormKeyDown(unsigned keyCode)
{
    if (keyCode == kEscape)
        view_.Close();
}

void AboutDialogCommands::imgDlgAlertClick()
{
    sounds_.PlayClickSound();
    view_.Close();
}

} // namespace folvane
