// The path writer: the checks and questions before a write, the backup, the write and its report.
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
constexpr char kBackupFailed[] = "Nothing was written to the registry, because a backup of the values it would "
                                 "replace could not be saved first.\r\n\r\n";

} // namespace

PathWriter::PathWriter(Platform& platform, SimulatorLocator& locator, InterfaceSounds& sounds)
    : platform_(platform)
    , locator_(locator)
    , sounds_(sounds)
    , backup_(platform)
    , elevation_(platform)
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

std::vector<KeyWrite> PathWriter::PlannedWrites(const PathWriterInputs& inputs, const std::string& chosenFolder)
{
    std::vector<KeyWrite> writes { { RegistryRoot::LocalMachine, { { kSetupPathValue, chosenFolder } } } };
    if (inputs.DriveListEnabled())
        writes[0].values.emplace_back(kCDPathValue, std::string(1, inputs.DriveLetter()) + ":\\");
    if (inputs.AddToCurrentUserChecked())
        writes.push_back({ RegistryRoot::CurrentUser, { { kAppPathValue, chosenFolder } } });
    return writes;
}

PathWriter::WriteResult PathWriter::WriteValues(const std::vector<KeyWrite>& writes)
{
    Registry& registry = platform_.registry;
    for (const KeyWrite& write : writes) {
        ScopedRegistryKey key(registry);
        if (!key.Create(write.root, kSimulatorKey, kSimulatorKeyWrite)) {
            const bool refused = write.root == RegistryRoot::LocalMachine && key.Status() == reg::kAccessDenied;
            return refused ? WriteResult::MachineRootRefused : WriteResult::Failed;
        }
        for (const auto& [name, text] : write.values)
            WriteRegistryString(registry, key.Get(), name, text);
    }
    return WriteResult::Written;
}

bool PathWriter::WriteFSXPath(PathWriterInputs& inputs, const std::string& chosenFolder)
{
    const std::vector<KeyWrite> writes = PlannedWrites(inputs, chosenFolder);
    const BackupOutcome backup = backup_.SaveBefore(writes);
    if (!backup.saved) {
        platform_.dialogs.MessageDlg(kBackupFailed + backup.problem, DialogType::Warning, dlg::kOK);
        return false;
    }
    WriteResult result = WriteResult::Failed;
    try {
        result = WriteValues(writes);
    } catch (const RegistryError&) {
        // What was written before the failure stays; the keys are closed.
        result = WriteResult::Failed;
    }
    if (result == WriteResult::Written) {
        platform_.dialogs.MessageDlg(kSuccess, DialogType::Information, dlg::kOK);
        return true;
    }
    platform_.dialogs.MessageDlg(kFailure, DialogType::Error, dlg::kOK);
    if (result == WriteResult::MachineRootRefused) {
        const StartChoices sameChoices { inputs.FolderText(), inputs.DriveListEnabled() ? inputs.DriveLetter() : '\0',
            inputs.AddToCurrentUserChecked() };
        if (elevation_.Offer(sameChoices))
            inputs.EndForElevatedInstance();
    }
    return false;
}

} // namespace folvane
