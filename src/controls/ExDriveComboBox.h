// TExDriveComboBox: a read-only combo of the computer's drives, each row
// drawn with the shell's icon of the drive root and "E: [label]".
//
// The list is rebuilt when the window is created and when Options or
// TextCase change; after a rebuild Drive starts as the current directory's
// drive and the drive remembered from before is selected again if it is
// listed. Drive follows the selection (#0 when nothing is selected after a
// change of the text); TextCase changes only what is drawn.
#pragma once

#include "controls/DriveList.h"
#include "controls/ExComboBox.h"

namespace folvane {

class TExDriveComboBox : public TCustomExComboBox {
public:
    explicit TExDriveComboBox(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TExDriveComboBox"; }

    TDriveComboOptions Options() const { return options_; }
    void SetOptions(TDriveComboOptions value);
    TExTextCase TextCase() const { return textCase_; }
    void SetTextCase(TExTextCase value);
    wchar_t Drive() const { return drive_; }
    // Selects the first item beginning with the letter, if any.
    void SetDrive(wchar_t value);
    bool ButtonEnabled() const;
    void SetButtonEnabled(bool value);
    // Also sets the drop-down button's enabled state.
    void SetEnabled(bool value) override;

    // The system the list is read from; the default is the real one. Not
    // owned; for tests.
    void SetDriveSource(DriveSource* source);
    // Builds the list again and chooses the drive.
    void RebuildList();

    void DrawItem(TCanvas& canvas, int index, const RECT& rect, bool selected) override;

protected:
    void HandleCreated() override;
    void FontChanged() override;
    void TextFollowed() override;

private:
    void UpdateItemHeight();

    DriveSource* source_;
    TDriveComboOptions options_ = kAllDriveTypes;
    TExTextCase textCase_ = TExTextCase::etcLowercase;
    wchar_t drive_ = L'C';
    bool choosing_ = false;
};

} // namespace folvane
