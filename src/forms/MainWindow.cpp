// The main window: creation, the screen-resolution guard and the wiring of its controls' events.
#include "forms/MainWindow.h"

#include "app/SimulatorKey.h"
#include "controls/ExCheckBox.h"
#include "controls/ExDriveComboBox.h"
#include "controls/ExFolderNameEdit.h"
#include "controls/ExGraphicButton.h"
#include "forms/AboutDialog.h"
#include "labels/BvLabel.h"
#include "labels/BvSimpleLabel.h"
#include "skin/SkinButton.h"
#include "skin/SkinPageControl.h"
#include "skin/SkinPopupMenu.h"
#include "toolkit/Application.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Menus.h"

namespace folvane {

namespace {

Rect BoundsOf(const TControl& control)
{
    return { control.Left(), control.Top(), control.Width(), control.Height() };
}

// wchar_t is UTF-16 on Windows.
std::u16string Utf16(const std::wstring& text)
{
    return std::u16string(text.begin(), text.end());
}

} // namespace

TfrmMain::TfrmMain(TComponent* owner, Platform& platform, SimulatorLocator& locator, InterfaceSounds& sounds)
    : TForm(owner)
    , commands_(platform, locator, sounds, *this)
{
    BuildLayout();

    auto& c = commands_;
    const auto on = [](void (MainWindowCommands::*handler)(), MainWindowCommands& target) {
        return [handler, &target](TComponent*) { (target.*handler)(); };
    };
    OnCreate = on(&MainWindowCommands::FormCreate, c);
    OnShow = [this](TComponent*) { FormShow(); };
    skinPageControl->OnChange = on(&MainWindowCommands::skinPageControlChange, c);
    btnGetRegPath->OnClick = on(&MainWindowCommands::btnGetRegPathClick, c);
    btnSearchRegEdit->OnClick = on(&MainWindowCommands::btnSearchRegEditClick, c);
    menLookInLocMach->OnClick = on(&MainWindowCommands::menLookInLocMachClick, c);
    menLookInCurUsr->OnClick = on(&MainWindowCommands::menLookInCurUsrClick, c);
    SearchHKEYLOCALMACHINE1->OnClick = on(&MainWindowCommands::SearchHKEYLOCALMACHINE1Click, c);
    SearchHKEYCURRENTUSER1->OnClick = on(&MainWindowCommands::SearchHKEYCURRENTUSER1Click, c);
    cbSetCDROMPath->OnClick = on(&MainWindowCommands::cbSetCDROMPathClick, c);
    cbCurrentUser->OnClick = on(&MainWindowCommands::cbCurrentUserClick, c);
    cbDrive->OnDropDown = on(&MainWindowCommands::cbDriveDropDown, c);
    btnSetRegPath->OnClick = on(&MainWindowCommands::btnSetRegPathClick, c);
    edNewFS9Path->OnFolderNameNotRepresentable
        = [&c](TComponent*, const std::string& shown) { c.edNewFS9PathFolderNameNotRepresentable(shown); };
    btnExitFSX->OnClick = on(&MainWindowCommands::btnExitFSXClick, c);
    btnCloseMain->OnClick = on(&MainWindowCommands::btnCloseMainClick, c);
    btnMinimize->OnClick = on(&MainWindowCommands::btnMinimizeClick, c);
    btnClose->OnClick = on(&MainWindowCommands::btnCloseClick, c);
    lbSkelvor->OnClick = on(&MainWindowCommands::lbSkelvorClick, c);
    VisitWebsiteImage->OnClick = on(&MainWindowCommands::lbSkelvorClick, c);
    VisitWebsiteLabel->OnClick = on(&MainWindowCommands::lbSkelvorClick, c);
    lbSkelvor->OnMouseEnter = on(&MainWindowCommands::lbSkelvorMouseEnter, c);
    lbSkelvor->OnMouseLeave = on(&MainWindowCommands::lbSkelvorMouseLeave, c);
    imgAbout->OnClick = on(&MainWindowCommands::imgAboutClick, c);
    AboutLabel->OnClick = on(&MainWindowCommands::imgAboutClick, c);
}

void TfrmMain::FormShow()
{
    // Opaque, the labels cover the frames' borders like group-box captions.
    for (TLabel* label : { Label1, Label3, Label2, Label4, Label5, Label6, Label7 })
        label->SetTransparent(false);
    btnGetRegPath->SetTransparent(true);
    btnSearchRegEdit->SetTransparent(true);
}

// ---- MainWindowView -------------------------------------------------------

std::u16string TfrmMain::FolderText() const
{
    return Utf16(edNewFS9Path->Text());
}

bool TfrmMain::CDROMBoxChecked() const
{
    return cbSetCDROMPath->Checked();
}

bool TfrmMain::DriveListEnabled() const
{
    return cbDrive->Enabled();
}

void TfrmMain::SetDriveListEnabled(bool enabled)
{
    cbDrive->SetEnabled(enabled);
}

std::u16string TfrmMain::DriveListText() const
{
    return Utf16(cbDrive->Text());
}

char TfrmMain::DriveLetter() const
{
    const wchar_t drive = cbDrive->Drive();
    return drive < 0x80 ? static_cast<char>(drive) : '\0';
}

bool TfrmMain::AddToCurrentUserChecked() const
{
    return cbCurrentUser->Checked();
}

void TfrmMain::ShowSetPathPage()
{
    skinPageControl->SetActivePage(tabSet);
}

void TfrmMain::SetFolderText(const std::u16string& text)
{
    edNewFS9Path->SetText(std::wstring(text.begin(), text.end()));
}

void TfrmMain::SetCDROMBoxChecked(bool checked)
{
    cbSetCDROMPath->SetChecked(checked);
}

bool TfrmMain::SelectDrive(char letter)
{
    if (FindDriveItem(cbDrive->Items(), static_cast<wchar_t>(letter)) < 0)
        return false;
    cbDrive->SetDrive(static_cast<wchar_t>(letter));
    return true;
}

void TfrmMain::SetAddToCurrentUserChecked(bool checked)
{
    cbCurrentUser->SetChecked(checked);
}

void TfrmMain::SetFolderPathCaption(const std::string& caption)
{
    lbFSXFolderPath->SetCaption(caption);
}

void TfrmMain::SetRegKeyCaption(const std::string& caption)
{
    lbFSXRegKey->SetCaption(caption);
}

void TfrmMain::SetRegValueCaption(const std::string& caption)
{
    lbRegValue->SetCaption(caption);
}

Point TfrmMain::WindowOrigin() const
{
    return { Left(), Top() };
}

Point TfrmMain::PageControlOrigin() const
{
    return { skinPageControl->Left(), skinPageControl->Top() };
}

Point TfrmMain::AnalyzePageOrigin() const
{
    return { tabAnalyze->Left(), tabAnalyze->Top() };
}

Rect TfrmMain::ButtonBounds(MenuButton button) const
{
    return BoundsOf(button == MenuButton::GetFSXPath ? *btnGetRegPath : *btnSearchRegEdit);
}

void TfrmMain::PopupMenuAt(MenuButton button, Point screen)
{
    TSkinPopupMenu* menu = button == MenuButton::GetFSXPath ? menuGetFSXPath : menuSearchReg;
    menu->SetPopupComponent(button == MenuButton::GetFSXPath ? btnGetRegPath : btnSearchRegEdit);
    menu->Popup(screen.x, screen.y);
}

void TfrmMain::SetMakerLabelUnderlined(bool underlined)
{
    lbSkelvor->Font().SetStyle(underlined ? fsBold | fsUnderline : fsBold);
}

void TfrmMain::ShowAboutDialog()
{
    if (aboutDialog_)
        aboutDialog_->ShowModal();
}

void TfrmMain::SetHintTimings(int pauseMs, int hidePauseMs)
{
    Application().SetHintPause(pauseMs);
    Application().SetHintHidePause(hidePauseMs);
}

void TfrmMain::MinimizeApplication()
{
    Application().Minimize();
}

void TfrmMain::TerminateApplication()
{
    Application().Terminate();
}

// ---- The interactive path -------------------------------------------------

void RunInteractive(
    Platform& platform, SimulatorLocator& locator, InterfaceSounds& sounds, const CommandLineRequest& commandLine)
{
    TApplication& application = Application();
    application.SetTitle(kApplicationTitle);
    auto* main = application.CreateForm<TfrmMain>(platform, locator, sounds);
    main->Commands().ApplyCommandLine(commandLine);
    // The main window shows before the about dialog is made: a user sees it that much sooner,
    // and nothing can open the dialog before the message loop runs.
    main->Show();
    main->Update();
    auto* dialog = application.CreateForm<TfrmDialog>(sounds, main->skinTheme);
    main->SetAboutDialog(dialog);
    application.Run();
}

} // namespace folvane
