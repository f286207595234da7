// The about dialog: its controls in stored order and the wiring of their events.
#include "forms/AboutDialog.h"

#include "controls/ExLabel.h"
#include "forms/DialogFace.h"
#include "skin/SkinButton.h"
#include "toolkit/Application.h"
#include "toolkit/LoadingScope.h"

namespace folvane {

namespace {

Rect OuterBounds(const TControl& window)
{
    return { window.Left(), window.Top(), window.Width(), window.Height() };
}

} // namespace

TfrmDialog::TfrmDialog(TComponent* owner, InterfaceSounds& sounds, TSkinFileTheme* mainTheme)
    : TForm(owner)
    , commands_(sounds, *this)
{
    TLoadingScope scope;
    SetName("frmDialog");
    SetCaption("FS DIALOG");
    SetClientWidth(440);
    SetClientHeight(190);
    SetColor(clBtnFace);
    StoreFont(*this, 0, clWindowText, "Verdana");
    SetKeyPreview(true);

    skinForm1 = AddDialogFace(*this);

    const auto closeClick = [this](TComponent*) { commands_.imgDlgAlertClick(); };

    msgLabel = AddWrappedLabel(*this, "msgLabel", { 135, 75, 155, 39 }, aboutdialog::kMessage, 0);
    msgLabel->OnClick = closeClick;

    hdgLabel = AddWrappedLabel(*this, "hdgLabel", { 135, 43, 145, 13 }, L"About Folvane", fsBold);
    hdgLabel->OnClick = closeClick;

    ReflectionImage1 = AddCog(*this, 71, 43);

    btnCloseMain = new TSkinButton(this);
    btnCloseMain->SetName("btnCloseMain");
    btnCloseMain->SetParent(this);
    btnCloseMain->SetBounds(299, 147, 100, 27);
    btnCloseMain->SetCaption("&OK");
    StoreFont(*btnCloseMain, fsBold, 0x006B635A); // RGB 5A 63 6B
    btnCloseMain->SetUIStyle(TSkinUIStyle::FromThemeFile);
    btnCloseMain->SetTransparent(true);
    btnCloseMain->SetAutoSize(false);
    btnCloseMain->SetModalResult(0);
    btnCloseMain->SetFocusedRectMargin(2);
    btnCloseMain->SetLayout(TSkinButtonLayout::blGlyphLeft);
    btnCloseMain->SetSpacing(4);
    btnCloseMain->SetMouseContinuouslyDownInterval(100);
    btnCloseMain->SetTabOrder(0);
    btnCloseMain->OnClick = closeClick;

    OnKeyDown = [this](TComponent*, std::uint16_t& key, TShiftState) { commands_.FormKeyDown(key); };
    OnShow = [this](TComponent*) { commands_.FormShow(); };

    scope.Attach([this, mainTheme] { btnCloseMain->SetFileTheme(mainTheme); });
    scope.Finish();
}

Rect TfrmDialog::MainWindowBounds() const
{
    TForm* main = Application().MainForm();
    return main ? OuterBounds(*main) : OuterBounds(*this);
}

Rect TfrmDialog::Bounds() const
{
    return OuterBounds(*this);
}

void TfrmDialog::MoveTo(Point topLeft)
{
    SetBounds(topLeft.x, topLeft.y, Width(), Height());
}

} // namespace folvane
