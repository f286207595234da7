#include "app/PathWriter.h"

#include "app/SimulatorKey.h"

namespace folvane {

namespace {

constexpr char kFolderMissing[] = "The \"Select FSX Root Folder Path\" box is blank!";
constexpr char kCDROMPathMissing[] = "The CD-ROM Path is blank, please uncheck\r\n"
                                     "this option if you do not intend to use it!";
constexpr char kAlreadyRecordedWithCDROM[] = "The selected path is already in the registry, continue?\r\n"
                                             "(For example, if you are just setting a new CD-ROM Path)";
constexpr char kAlreadyRecorded[] = "The selected path is already recorded in the registry, continue?";
constexpr char kFinalConfirmation[] = "Are you sure you want to write this path to the registry?\r\n\r\n";
constexpr char kNoProgramFile[] = "The fsx.exe is not in the path you have specified.\r\n"
                                  "Do you still want to write this path to the registry?";
// The name would reach the registry with '?' in place of what the code page lacks.
constexpr char kUnusableFolderName[] = "This folder's name holds characters that FSX cannot use:\r\n\r\n";
constexpr char kUnusableFolderNameAdvice[] = "\r\n\r\nRename the folder or choose another one.";
constexpr char kSuccess[] = "The FSX Registry entry has been updated!\r\n\r\n"
                            "Use the Get Path tab to verify the change.";
constexpr char kFailure[] = "Sorry, for some reason we were unable to write to the registry.\r\n\r\n"
                            "Verify you have administrative privileges for this logon account.";

} // namespace

PathWriter::PathWriter(Platform& platform, SimulatorLocator& locator, InterfaceSounds& sounds)
    : platform_(platform)
    , locator_(locator)
    , sounds_(sounds)
{
}

void PathWriter::btnSetRegPathClick(PathWriterInputs& inputs)
{
    Dialogs& dialogs = platform_.dialogs;
    sounds_.PlayClickSound();

    const std::u16string folderText = inputs.FolderText();
    if (folderText.empty()) {
        dialogs.MessageDlg(kFolderMissing, DialogType::Information, dlg::kOK);
        return;
    }
    if (!platform_.system.FitsCodePage(folderText)) {
        WarnUnusableFolderName(platform_.system.ToAnsi(folderText));
        return;
    }
    const bool cdromAsked = inputs.DriveListEnabled();
    if (cdromAsked && inputs.DriveListText().empty()) {
        dialogs.MessageDlg(kCDROMPathMissing, DialogType::Information, dlg::kOK);
        return;
    }

    const std::string chosen = locator_.WithTrailingBackslash(platform_.system.ToAnsi(folderText));
    if (chosen == locator_.CurrentFolder()) {
        const char* question = cdromAsked ? kAlreadyRecordedWithCDROM : kAlreadyRecorded;
        if (dialogs.MessageDlg(question, DialogType::Confirmation, dlg::kYes | dlg::kNo) == dlg::kAnswerNo)
            return;
    }
    if (dialogs.MessageDlg(kFinalConfirmation + chosen, DialogType::Confirmation, dlg::kYes | dlg::kCancel)
        != dlg::kAnswerYes)
        return;

    if (locator_.IsProven(chosen)) {
        WriteFSXPath(inputs, chosen);
        return;
    }
    if (dialogs.MessageDlg(kNoProgramFile, DialogType::Warning, dlg::kYes | dlg::kCancel) != dlg::kAnswerCancel) {
        WriteFSXPath(inputs, chosen);
        return;
    }
    inputs.ClickGetFSXPath();
}

void PathWriter::WarnUnusableFolderName(const std::string& shownFolder)
{
    platform_.dialogs.MessageDlg(
        kUnusableFolderName + shownFolder + kUnusableFolderNameAdvice, DialogType::Warning, dlg::kOK);
}

bool PathWriter::WriteValues(const PathWriterInputs& inputs, const std::string& chosenFolder)
{
    Registry& registry = platform_.registry;
    {
        ScopedRegistryKey machine(registry);
        if (!machine.Create(RegistryRoot::LocalMachine, kSimulatorKey, reg::kKeyWrite))
            return false;
        WriteRegistryString(registry, machine.Get(), kSetupPathValue, chosenFolder);
        if (inputs.DriveListEnabled())
            WriteRegistryString(registry, machine.Get(), kCDPathValue, std::string(1, inputs.DriveLetter()) + ":\\");
    }
    if (inputs.AddToCurrentUserChecked()) {
        ScopedRegistryKey user(registry);
        if (!user.Create(RegistryRoot::CurrentUser, kSimulatorKey, reg::kKeyWrite))
            return false;
        WriteRegistryString(registry, user.Get(), kAppPathValue, chosenFolder);
    }
    return true;
}

bool PathWriter::WriteFSXPath(const PathWriterInputs& inputs, const std::string& chosenFolder)
{
    bool written = false;
    try {
        written = WriteValues(inputs, chosenFolder);
    } catch (const RegistryError&) {
        // What was written before the failure stays; the keys are closed.
        written = false;
    }
    if (written)
        platform_.dialogs.MessageDlg(kSuccess, DialogType::Information, dlg::kOK);
    else
        platform_.dialogs.MessageDlg(kFailure, DialogType::Error, dlg::kOK);
    return written;
}

} // namespace folvane
