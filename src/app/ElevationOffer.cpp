// The offer to start again as administrator after the machine root refused a write.
#include "app/ElevationOffer.h"

namespace folvane {

ElevationOffer::ElevationOffer(Platform& platform)
    : platform_(platform)
{
}

bool ElevationOffer::Offer(const StartChoices& choices)
{
    if (platform_.system.IsElevated())
        return false;
    if (platform_.dialogs.MessageDlg(elevation::kQuestion, DialogType::Confirmation, dlg::kYes | dlg::kNo)
        != dlg::kAnswerYes)
        return false;
    switch (platform_.shell.StartElevated(platform_.files.ProgramPath(), CommandLineFor(choices))) {
    case Shell::ElevatedStart::Started:
        return true;
    case Shell::ElevatedStart::Declined:
        return false;
    case Shell::ElevatedStart::Failed:
        break;
    }
    platform_.dialogs.MessageDlg(elevation::kStartFailed, DialogType::Error, dlg::kOK);
    return false;
}

} // namespace folvane
