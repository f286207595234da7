// TExDriveComboBox.
#include "controls/ExDriveComboBox.h"

#include "controls/ComboGeometry.h"
#include "controls/ExTheme.h"
#include "controls/Win32DriveSource.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/GdiObjects.h"
#include "toolkit/graphics/TextConvert.h"

#include <shellapi.h>

#include <cstdlib>

namespace folvane {

namespace {

Win32DriveSource& SystemDrives()
{
    static Win32DriveSource system;
    return system;
}

// The shell's icon of a drive root, destroyed with the holder.
class DriveIcon {
public:
    DriveIcon(wchar_t letter, bool large)
    {
        const std::wstring root { letter, L':', L'\\' };
        SHFILEINFOW info {};
        const UINT size = large ? SHGFI_LARGEICON : SHGFI_SMALLICON;
        if (SHGetFileInfoW(root.c_str(), 0, &info, sizeof(info), SHGFI_ICON | size))
            icon_ = info.hIcon;
    }
    ~DriveIcon()
    {
        if (icon_)
            DestroyIcon(icon_);
    }
    DriveIcon(const DriveIcon&) = delete;
    DriveIcon& operator=(const DriveIcon&) = delete;
    HICON Handle() const { return icon_; }

private:
    HICON icon_ = nullptr;
};

} // namespace

TExDriveComboBox::TExDriveComboBox(TComponent* owner)
    : TCustomExComboBox(owner)
    , source_(&SystemDrives())
{
    SetStyle(TExComboStyle::csOwnerDrawFixed);
    UpdateItemHeight();
}

// ---------------------------------------------------------------------------
// Properties
// ---------------------------------------------------------------------------

void TExDriveComboBox::SetOptions(TDriveComboOptions value)
{
    value &= kAllDriveTypes;
    if (value == options_)
        return;
    options_ = value;
    RebuildList();
}

void TExDriveComboBox::SetTextCase(TExTextCase value)
{
    if (value == textCase_)
        return;
    textCase_ = value;
    // Only the drawing changes, but the list is built afresh all the same;
    // the selection is chosen again as after an Options change.
    RebuildList();
}

void TExDriveComboBox::SetDrive(wchar_t value)
{
    const DriveSelection now = ApplyDriveLetter(Items(), { ItemIndex(), drive_ }, value);
    if (now.itemIndex == ItemIndex() && now.drive == drive_)
        return;
    SetItemIndex(now.itemIndex);
    drive_ = now.drive;
}

bool TExDriveComboBox::ButtonEnabled() const
{
    return Button()->Enabled();
}

void TExDriveComboBox::SetButtonEnabled(bool value)
{
    Button()->SetEnabled(value);
}

void TExDriveComboBox::SetEnabled(bool value)
{
    TCustomExComboBox::SetEnabled(value);
    SetButtonEnabled(value);
}

void TExDriveComboBox::SetDriveSource(DriveSource* source)
{
    source_ = source ? source : &SystemDrives();
}

// ---------------------------------------------------------------------------
// The list and the drive
// ---------------------------------------------------------------------------

void TExDriveComboBox::RebuildList()
{
    const wchar_t remembered = drive_;
    choosing_ = true;
    try {
        SetItems(BuildDriveList(*source_, options_));
        const DriveSelection chosen = ChooseDriveAfterRebuild(Items(), remembered, source_->CurrentDirectoryDrive());
        SetItemIndex(chosen.itemIndex);
        drive_ = chosen.drive;
    } catch (...) {
        choosing_ = false;
        throw;
    }
    choosing_ = false;
}

void TExDriveComboBox::TextFollowed()
{
    // A rebuild sets Drive itself; any other change of the text takes the
    // letter of the item it selected.
    if (!choosing_)
        drive_ = DriveOfItem(Items(), ItemIndex());
}

void TExDriveComboBox::HandleCreated()
{
    TCustomExComboBox::HandleCreated();
    RebuildList();
}

void TExDriveComboBox::FontChanged()
{
    TCustomExComboBox::FontChanged();
    UpdateItemHeight();
}

void TExDriveComboBox::UpdateItemHeight()
{
    SetItemHeight(
        DriveItemHeight(Font().Height(), GetSystemMetrics(SM_CXEDGE), ItemHeight(), GetSystemMetrics(SM_CYSMICON)));
}

// ---------------------------------------------------------------------------
// Drawing
// ---------------------------------------------------------------------------

void TExDriveComboBox::DrawItem(TCanvas& canvas, int index, const RECT& rect, bool selected)
{
    FillItem(canvas, rect, selected);
    if (index < 0 || index >= static_cast<int>(Items().size()))
        return;
    const std::wstring& item = Items()[static_cast<std::size_t>(index)];
    const int height = rect.bottom - rect.top;
    const DriveIconChoice choice = ChooseDriveIcon(height, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CXICON));
    const DriveItemLayout layout
        = LayoutDriveItem(PixelRect { rect.left, rect.top, rect.right, rect.bottom }, choice.size);
    if (!item.empty()) {
        DriveIcon icon(item[0], choice.large);
        if (icon.Handle()) {
            canvas.Refresh();
            DrawIconEx(canvas.Handle(), layout.icon.left, layout.icon.top, icon.Handle(), choice.size, choice.size, 0,
                nullptr, DI_NORMAL);
        }
    }
    RECT text { layout.textLeft, rect.top, rect.right, rect.bottom };
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    // Drawn in the system code page, as the label would be by an ANSI program.
    const std::string shown = WideToAnsi(ApplyTextCase(item, textCase_));
    constexpr unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT;
    bool themed = false;
    if (ThemedDrawing() && HandleAllocated()) {
        canvas.Refresh();
        const int state = DriveTextThemeState(EnabledInParents(), selected, MouseInside());
        themed = DrawThemeTextPart(
            ExistingHandle(), canvas.Handle(), L"EDIT", kThemeEditText, state, AnsiToWide(shown).c_str(), flags, text);
    }
    if (!themed)
        canvas.DrawText(shown, text, flags);
    if (selected)
        BlendSelection(canvas, rect);
}

} // namespace folvane
