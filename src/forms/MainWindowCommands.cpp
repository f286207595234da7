// The main window's handlers, as decisions over its view and the platform's seams.
#include "forms/MainWindowCommands.h"

#include "app/SimulatorKey.h"

namespace folvane {

namespace {

constexpr char kMachineKeyCaption[]
    = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\";
constexpr char kUserKeyCaption[] = "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\";
constexpr char kEntryBlank[] = "It appears this registry entry is blank or does not exist!\r\n"
                               "You may use this utility to correct the FSX registry entry.\r\n"
                               "(Please also check that you have administrative access)";
constexpr char kReportedPathHead[] = "The path your registry is reporting is:\r\n\r\n";
constexpr char kReportedPathTail[] = "\r\n\r\nThis may not be correct, the fsx.exe file was not found there!";
constexpr char kCannotLaunch[] = "Sorry, unable to find the fsx.exe in the specified\r\n"
                                 "path and so we cannot launch Flight Simulator X!";

std::string DpiMessage(int dpi)
{
    return "Sorry, but it appears your screen fonts are set to: " + std::to_string(dpi)
        + " DPI\r\n\r\n"
          "This application will not display correctly unless the fonts\r\n"
          "are set back to the Windows default of NORMAL (96 DPI).\r\n\r\n"
          "(If you require help to adjust your font setting back to\r\n"
          "the default of 96 DPI please visit the Skelvor Forum)\r\n\r\n"
          "Now exiting the Folvane.";
}

} // namespace

MainWindowCommands::MainWindowCommands(
    Platform& platform, SimulatorLocator& locator, InterfaceSounds& sounds, MainWindowView& view)
    : platform_(platform)
    , locator_(locator)
    , sounds_(sounds)
    , view_(view)
    , writer_(platform, locator, sounds)
    , navigator_(platform.windows, platform.shell, platform.clock)
    , writerInputs_(*this)
{
}

void MainWindowCommands::FormCreate()
{
    CheckScreenDPI();
    locator_.GetFSXPath_Valid();
    view_.SetHintTimings(mainwindow::kHintPauseMs, mainwindow::kHintHidePauseMs);
}

void MainWindowCommands::ApplyCommandLine(const CommandLineRequest& request)
{
    if (!request.given)
        return;
    if (!request.valid) {
        platform_.dialogs.MessageDlg(request.problem, DialogType::Warning, dlg::kOK);
        return;
    }
    const StartChoices& choices = request.choices;
    if (choices.cdromDrive != 0 && !view_.SelectDrive(choices.cdromDrive)) {
        platform_.dialogs.MessageDlg(
            std::string("There is no CD-ROM drive ") + choices.cdromDrive + ": on this computer.", DialogType::Warning,
            dlg::kOK);
        return;
    }
    view_.SetFolderText(choices.folder);
    if (choices.cdromDrive != 0) {
        view_.SetCDROMBoxChecked(true);
        view_.SetDriveListEnabled(true);
    }
    view_.SetAddToCurrentUserChecked(choices.currentUser);
    view_.ShowSetPathPage();
}

void MainWindowCommands::CheckScreenDPI()
{
    const int dpi = platform_.system.ScreenDpi();
    if (dpi <= mainwindow::kNormalDpi)
        return;
    platform_.dialogs.ShowMessageBox(
        DpiMessage(dpi), mainwindow::kDpiCaption, dlg::kBoxOk | dlg::kBoxIconInformation | dlg::kBoxTopmost);
    view_.TerminateApplication();
}

void MainWindowCommands::skinPageControlChange()
{
    sounds_.PlayRadioSound();
}

void MainWindowCommands::OpenMenuBelow(MenuButton button)
{
    sounds_.PlayClickSound();
    view_.PopupMenuAt(button,
        PopupMenuPosition(
            view_.WindowOrigin(), view_.PageControlOrigin(), view_.AnalyzePageOrigin(), view_.ButtonBounds(button)));
}

void MainWindowCommands::btnGetRegPathClick()
{
    OpenMenuBelow(MenuButton::GetFSXPath);
}

void MainWindowCommands::btnSearchRegEditClick()
{
    OpenMenuBelow(MenuButton::SearchReg);
}

void MainWindowCommands::LookIn(RegistryRoot root)
{
    const bool machine = root == RegistryRoot::LocalMachine;
    if (machine)
        locator_.GetFSXPath_LocMach();
    else
        locator_.GetFSXPath_CurrentUsr();

    const std::string folder = locator_.CurrentFolder();
    view_.SetFolderPathCaption(folder);
    view_.SetRegKeyCaption(machine ? kMachineKeyCaption : kUserKeyCaption);
    view_.SetRegValueCaption(machine ? kSetupPathValue : kAppPathValue);

    Dialogs& dialogs = platform_.dialogs;
    if (folder.empty()) {
        dialogs.MessageDlg(kEntryBlank, DialogType::Warning, dlg::kOK);
        locator_.SetCurrentFolder(mainwindow::kBlankFolder);
    }
    if (!locator_.CurrentFolderProven())
        dialogs.MessageDlg(
            kReportedPathHead + locator_.CurrentFolder() + kReportedPathTail, DialogType::Warning, dlg::kOK);
}

void MainWindowCommands::menLookInLocMachClick()
{
    LookIn(RegistryRoot::LocalMachine);
}

void MainWindowCommands::menLookInCurUsrClick()
{
    LookIn(RegistryRoot::CurrentUser);
}

void MainWindowCommands::WalkEditorTo(RegistryRoot root)
{
    navigator_.ShowRegEditKey(RegEditPathFor(root, platform_.system.WindowsIs64Bit()));
}

void MainWindowCommands::SearchHKEYLOCALMACHINE1Click()
{
    WalkEditorTo(RegistryRoot::LocalMachine);
}

void MainWindowCommands::SearchHKEYCURRENTUSER1Click()
{
    WalkEditorTo(RegistryRoot::CurrentUser);
}

void MainWindowCommands::cbSetCDROMPathClick()
{
    // The path writer relies on the list agreeing with the box, so the list
    // follows even when the sound's registry read raises its error.
    try {
        sounds_.PlayTickSound();
    } catch (...) {
        view_.SetDriveListEnabled(view_.CDROMBoxChecked());
        throw;
    }
    view_.SetDriveListEnabled(view_.CDROMBoxChecked());
}

void MainWindowCommands::cbCurrentUserClick()
{
    sounds_.PlayTickSound();
}

void MainWindowCommands::cbDriveDropDown()
{
    sounds_.PlayRadioSound();
}

void MainWindowCommands::btnSetRegPathClick()
{
    writer_.btnSetRegPathClick(writerInputs_);
}

void MainWindowCommands::edNewFS9PathFolderNameNotRepresentable(const std::string& shownFolder)
{
    writer_.WarnUnusableFolderName(shownFolder);
}

void MainWindowCommands::btnExitFSXClick()
{
    sounds_.PlayClickSound();
    if (locator_.CurrentFolderProven())
        platform_.shell.Open(locator_.CurrentFolder() + kSimulatorProgram);
    else
        platform_.dialogs.MessageDlg(kCannotLaunch, DialogType::Warning, dlg::kOK);
    view_.Close();
}

void MainWindowCommands::btnCloseMainClick()
{
    sounds_.PlayClickSound();
    view_.Close();
}

void MainWindowCommands::btnMinimizeClick()
{
    sounds_.PlayClickSound();
    view_.MinimizeApplication();
}

void MainWindowCommands::btnCloseClick()
{
    sounds_.PlayClickSound();
    btnCloseMainClick();
}

void MainWindowCommands::lbSkelvorClick()
{
    platform_.shell.Open(mainwindow::kMakerWebPage);
}

void MainWindowCommands::lbSkelvorMouseEnter()
{
    view_.SetMakerLabelUnderlined(true);
}

void MainWindowCommands::lbSkelvorMouseLeave()
{
    view_.SetMakerLabelUnderlined(false);
}

void MainWindowCommands::imgAboutClick()
{
    view_.ShowAboutDialog();
}

} // namespace folvane
