// TfrmMain, the program's working window: built from its layout in
// MainWindowLayout.cpp, and the view that MainWindowCommands decides over.
// The window only wires the controls' events to the commands and answers the
// commands' questions about its controls; every decision lives in the
// commands.
#pragma once

#include "forms/MainWindowCommands.h"
#include "toolkit/Form.h"

namespace folvane {

class TBvLabel;
class TBvSimpleLabel;
class TExCheckBox;
class TExDriveComboBox;
class TExFolderNameEdit;
class TExGraphicButton;
class TExImageList;
class TExLabel;
class TImage;
class TImageList;
class TLabel;
class TSkinBuiltInFileTheme;
class TSkinButton;
class TSkinForm;
class TSkinPageControl;
class TSkinPopupMenu;
class TSkinTabSheet;
class TMenuItem;
class TfrmDialog;

class TfrmMain : public TForm, private MainWindowView {
public:
    TfrmMain(TComponent* owner, Platform& platform, SimulatorLocator& locator, InterfaceSounds& sounds);
    const char* ClassName() const override { return "TfrmMain"; }

    // The about dialog is created after the window, which its button's theme lives in.
    void SetAboutDialog(TfrmDialog* dialog) { aboutDialog_ = dialog; }
    MainWindowCommands& Commands() { return commands_; }

    // Ends the program: the window is the application's main window.
    void Close() override { TForm::Close(); }

    // ---- the layout's components, in stored order ----
    TSkinForm* skinForm1 = nullptr;
    TImage* VisitWebsiteImage = nullptr;
    TBvSimpleLabel* VisitWebsiteLabel = nullptr;
    TImage* imgAbout = nullptr;
    TBvSimpleLabel* AboutLabel = nullptr;
    TBvLabel* BvLabel7 = nullptr;
    TExLabel* lbMainTitle = nullptr;
    TExGraphicButton* btnMinimize = nullptr;
    TExGraphicButton* btnClose = nullptr;
    TLabel* lbSkelvor = nullptr;
    TSkinButton* btnExitFSX = nullptr;
    TSkinButton* btnCloseMain = nullptr;
    TSkinPageControl* skinPageControl = nullptr;

    TSkinTabSheet* tabAnalyze = nullptr;
    TImage* imgGbxRegPath = nullptr;
    TImage* imgGbx150 = nullptr;
    TImage* imgGbxRegKey = nullptr;
    TBvLabel* BvLabel2 = nullptr;
    TBvLabel* BvLabel3 = nullptr;
    TBvLabel* lbRegValue = nullptr;
    TBvLabel* lbFSXRegKey = nullptr;
    TBvLabel* lbFSXFolderPath = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TSkinButton* btnSearchRegEdit = nullptr;
    TSkinButton* btnGetRegPath = nullptr;

    TSkinTabSheet* tabSet = nullptr;
    TImage* imgSetPath4 = nullptr;
    TImage* imgSetPath2 = nullptr;
    TImage* imgSetPath1 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TBvLabel* BvLabel4 = nullptr;
    TImage* imgSetPath3 = nullptr;
    TLabel* Label7 = nullptr;
    TSkinButton* btnSetRegPath = nullptr;
    TExCheckBox* cbSetCDROMPath = nullptr;
    TExDriveComboBox* cbDrive = nullptr;
    TExFolderNameEdit* edNewFS9Path = nullptr;
    TExCheckBox* cbCurrentUser = nullptr;

    TExImageList* imgListMin = nullptr;
    TExImageList* imgListMinHot = nullptr;
    TExImageList* imgListMinDown = nullptr;
    TExImageList* imgListClose = nullptr;
    TExImageList* imgListCloseHot = nullptr;
    TExImageList* imgListCloseDown = nullptr;
    TExImageList* imgListCheckBoxes = nullptr;
    TSkinBuiltInFileTheme* skinTheme = nullptr;
    TImageList* imgMenuIcos = nullptr;
    TSkinPopupMenu* menuGetFSXPath = nullptr;
    TMenuItem* menLookInLocMach = nullptr;
    TMenuItem* menLookInCurUsr = nullptr;
    TSkinPopupMenu* menuSearchReg = nullptr;
    TMenuItem* SearchHKEYLOCALMACHINE1 = nullptr;
    TMenuItem* SearchHKEYCURRENTUSER1 = nullptr;

private:
    // The stored layout, band by band and page by page in stored order;
    // MainWindowLayout.cpp.
    void BuildLayout();
    void BuildWindow();
    void BuildLinkBand();
    void BuildTitleBand();
    void BuildFooterBand();
    void BuildPageControl();
    void BuildAnalyzePage();
    void BuildSetPathPage();
    void BuildComponents();
    void FormShow();

    // ---- MainWindowView ----
    std::u16string FolderText() const override;
    bool CDROMBoxChecked() const override;
    bool DriveListEnabled() const override;
    void SetDriveListEnabled(bool enabled) override;
    std::u16string DriveListText() const override;
    char DriveLetter() const override;
    bool AddToCurrentUserChecked() const override;
    void ShowSetPathPage() override;
    void SetFolderText(const std::u16string& text) override;
    void SetCDROMBoxChecked(bool checked) override;
    bool SelectDrive(char letter) override;
    void SetAddToCurrentUserChecked(bool checked) override;
    void SetFolderPathCaption(const std::string& caption) override;
    void SetRegKeyCaption(const std::string& caption) override;
    void SetRegValueCaption(const std::string& caption) override;
    Point WindowOrigin() const override;
    Point PageControlOrigin() const override;
    Point AnalyzePageOrigin() const override;
    Rect ButtonBounds(MenuButton button) const override;
    void PopupMenuAt(MenuButton button, Point screen) override;
    void SetMakerLabelUnderlined(bool underlined) override;
    void ShowAboutDialog() override;
    void SetHintTimings(int pauseMs, int hidePauseMs) override;
    void MinimizeApplication() override;
    void TerminateApplication() override;

    MainWindowCommands commands_;
    TfrmDialog* aboutDialog_ = nullptr;
};

// The interactive path: the title, the main window, the hidden about dialog,
// the command line's choices, then the message loop until the main window
// closes.
void RunInteractive(
    Platform& platform, SimulatorLocator& locator, InterfaceSounds& sounds, const CommandLineRequest& commandLine = {});

} // namespace folvane
