// The stored layout of TfrmMain, control by control in stored order: the
// window, the controls on it, the "Get Path" and "Set Path" pages, then the
// components without a place on screen. References (themes, image lists, the
// active page, the popup menu) are attached when the loading scope finishes,
// so that the theme replaces the skinned controls' stored colours.
#include "controls/ExButtonEdit.h"
#include "controls/ExCheckBox.h"
#include "controls/ExDriveComboBox.h"
#include "controls/ExFolderNameEdit.h"
#include "controls/ExGraphicButton.h"
#include "controls/ExImageList.h"
#include "controls/ExLabel.h"
#include "forms/DialogFace.h"
#include "forms/LayoutResources.h"
#include "forms/MainWindow.h"
#include "forms/MakerNotice.h"
#include "labels/BvLabel.h"
#include "labels/BvSimpleLabel.h"
#include "skin/SkinButton.h"
#include "skin/SkinFileTheme.h"
#include "skin/SkinForm.h"
#include "skin/SkinPageControl.h"
#include "skin/SkinPopupMenu.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/LoadingScope.h"
#include "toolkit/Menus.h"

namespace folvane {

namespace {

constexpr TColor kWindowColor = 0x007F3727; // RGB 27 37 7F
constexpr TColor kPageColor = 0x00EDFCED; // RGB ED FC ED
constexpr TColor kButtonCaption = 0x006B635A; // RGB 5A 63 6B
constexpr TColor kPageBorder = 0x0080521C; // RGB 1C 52 80
constexpr TColor kFieldColor = 0x00EFE7DE; // RGB DE E7 EF
constexpr TColor kFocusedSelect = 0x00DBC9B5; // RGB B5 C9 DB
constexpr TColor kTitleOutline = 0x00F5EDE9; // RGB E9 ED F5

constexpr char kCurrentUserHint[]
    = "Option: Also add the FSX folder path to the HKEY_CURRENT_USER key in the Registry.\r\n"
      "(Some FSX add-ons read the FSX folder from this Key instead of HKEY_LOCAL_MACHINE) ";
constexpr char kCDROMHint[] = "Option: Set the CD-ROM path in the registry";

// Bounds are left, top, width, height, as the layout tables give them.
template <typename Control> Control* Place(TForm& owner, TWinControl* parent, const char* name, RECT bounds)
{
    auto* control = new Control(&owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    return control;
}

void FixSize(TControl& control)
{
    control.SetConstraints({ control.Width(), control.Height(), control.Width(), control.Height() });
}

void FixWidth(TControl& control)
{
    control.SetConstraints({ control.Width(), 0, control.Width(), 0 });
}

TImage* Picture(TForm& owner, TWinControl* parent, const char* name, RECT bounds, const char* bitmap)
{
    auto* image = Place<TImage>(owner, parent, name, bounds);
    TBitmap picture;
    LoadResourceBitmap(picture, bitmap);
    image->SetBitmap(picture);
    return image;
}

// A 16 x 16 icon that opens something: transparent, fixed size, hand cursor.
TImage* LinkIcon(TForm& owner, const char* name, RECT bounds, const char* bitmap)
{
    TImage* icon = Picture(owner, &owner, name, bounds, bitmap);
    icon->SetTransparent(true);
    FixSize(*icon);
    icon->SetCursor(crHandPoint);
    return icon;
}

TBvSimpleLabel* LinkLabel(TForm& owner, const char* name, RECT bounds, const char* caption)
{
    auto* label = Place<TBvSimpleLabel>(owner, &owner, name, bounds);
    label->SetCaption(caption);
    label->SetAlignment(TBvAlignment::agCenterLeft);
    StoreFont(*label, fsBold, clBlack);
    label->SetOptions(0);
    label->SetCursor(crHandPoint);
    return label;
}

// The caption over a frame picture: bold on the page colour, centred, of
// fixed width; transparent until the window is shown.
TLabel* FrameCaption(TForm& owner, TWinControl* page, const char* name, RECT bounds, const char* caption)
{
    auto* label = Place<TLabel>(owner, page, name, bounds);
    label->SetCaption(caption);
    label->SetAlignment(TAlignment::taCenter);
    StoreFont(*label, fsBold);
    label->SetColor(kPageColor);
    FixWidth(*label);
    return label;
}

TBvLabel* CustomBevelLabel(TForm& owner, TWinControl* page, const char* name, RECT bounds, const char* caption = "")
{
    auto* label = Place<TBvLabel>(owner, page, name, bounds);
    label->SetCaption(caption);
    label->Bevel().SetMode(TBvBevelMode::bmCustom);
    StoreFont(*label, 0, clBlack);
    label->SetOptions(0);
    return label;
}

TBvLabel* ResultLabel(TForm& owner, TWinControl* page, const char* name, RECT bounds)
{
    TBvLabel* label = CustomBevelLabel(owner, page, name, bounds);
    label->SetMultiLine(true);
    label->SetShowAccelChar(false); // paths and registry texts are shown as they are
    FixSize(*label);
    return label;
}

// The settings every skinned button of the window shares with "Exit to &FSX".
TSkinButton* SkinnedButton(TForm& owner, TWinControl* parent, const char* name, RECT bounds, const char* caption,
    int tabOrder, const char* glyph = nullptr)
{
    auto* button = Place<TSkinButton>(owner, parent, name, bounds);
    button->SetCaption(caption);
    StoreFont(*button, fsBold, kButtonCaption);
    button->SetUIStyle(TSkinUIStyle::FromThemeFile);
    button->SetTransparent(true);
    button->SetAutoSize(false);
    button->SetModalResult(0);
    button->SetFocusedRectMargin(2);
    button->SetLayout(TSkinButtonLayout::blGlyphLeft);
    button->SetSpacing(4);
    button->SetMouseContinuouslyDownInterval(100);
    button->SetTabOrder(tabOrder);
    if (glyph) {
        TBitmap bitmap;
        LoadResourceBitmap(bitmap, glyph);
        button->SetGlyph(bitmap);
    }
    return button;
}

TExGraphicButton* TitleButton(TForm& owner, const char* name, RECT bounds)
{
    auto* button = Place<TExGraphicButton>(owner, &owner, name, bounds);
    button->SetUseImageList(true);
    button->SetImageIndex(0);
    button->SetNumGlyphs(1);
    button->SetSpacing(0);
    button->SetShowBorder(false);
    button->SetUseXPThemes(false);
    button->SetColor(kWindowColor);
    return button;
}

TExCheckBox* ImageCheckBox(TForm& owner, TWinControl* page, const char* name, RECT bounds, const wchar_t* caption,
    const char* hint, int tabOrder)
{
    auto* box = Place<TExCheckBox>(owner, page, name, bounds);
    box->SetCaption(caption);
    box->SetHint(std::wstring(hint, hint + std::char_traits<char>::length(hint)));
    box->SetUseImageList(true);
    box->SetCheckMargin(5);
    box->SetColor(clWhite);
    box->SetUseXPThemes(false);
    box->SetChecked(false);
    box->SetTabOrder(tabOrder);
    return box;
}

TExImageList* StreamedImageList(TForm& owner, const char* name, const char* stream, int width, int height)
{
    auto* list = new TExImageList(&owner);
    list->SetName(name);
    list->SetSize(width, height);
    list->ReadBitmap(ResourceData(stream));
    return list;
}

TSkinPopupMenu* RegistryMenu(TForm& owner, const char* name)
{
    auto* menu = new TSkinPopupMenu(&owner);
    menu->SetName(name);
    menu->SetUIStyle(TSkinUIStyle::Frost);
    menu->SetMenuItemHeight(21);
    menu->SetSeparatorHeight(5);
    menu->SetBarWidth(26);
    menu->SetBarColor(0x00CED3D6); // RGB D6 D3 CE
    menu->SetBarToColor(0x00CED3D6);
    menu->SetColor(clWhite);
    menu->SetSeparatorColor(0x00848284); // RGB 84 82 84
    menu->SetSelectedBorderColor(0x00C66931); // RGB 31 69 C6
    menu->SetSelectedColor(0x00EFD3C6); // RGB C6 D3 EF
    menu->SetSelectedFontColor(clBlack);
    menu->SetFontColor(clBlack);
    menu->SetBorderColor(clBlack);
    menu->SetFlatMenu(false);
    menu->SetFontName("MS Sans Serif");
    menu->SetFontSize(8);
    menu->SetUseSystemFont(true);
    return menu;
}

TMenuItem* RegistryMenuItem(TForm& owner, TSkinPopupMenu& menu, const char* name, const char* caption)
{
    auto* item = new TMenuItem(&owner);
    item->SetName(name);
    item->SetCaption(caption);
    item->SetImageIndex(5); // the binoculars
    menu.Items()->Add(item);
    return item;
}

} // namespace

// The borderless window and its painted face.
void TfrmMain::BuildWindow()
{
    TForm& form = *this;
    SetName("frmMain");
    SetCaption("Skelvor - Folvane");
    SetClientWidth(620);
    SetClientHeight(470);
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetColor(kWindowColor);
    StoreFont(*this);
    SetPosition(TPosition::poScreenCenter);
    SetKeyPreview(true);
    SetShowHint(true); // every control with a hint text shows it

    skinForm1 = Place<TSkinForm>(form, this, "skinForm1", { 0, 0, 620, 470 });
    LoadResourceBitmap(*skinForm1->Glyph(), "MAINFACE");
    skinForm1->SetTransparentColor(kWindowFaceKey);
}

// The website and about links under the pages.
void TfrmMain::BuildLinkBand()
{
    TForm& form = *this;
    VisitWebsiteImage = LinkIcon(form, "VisitWebsiteImage", { 158, 373, 16, 16 }, "ICON_WEBSITE");
    VisitWebsiteLabel = LinkLabel(form, "VisitWebsiteLabel", { 179, 374, 101, 15 }, "Skelvor Website");
    imgAbout = LinkIcon(form, "imgAbout", { 297, 373, 16, 16 }, "ICON_ABOUT");
    AboutLabel = LinkLabel(form, "AboutLabel", { 319, 373, 169, 15 }, "About the Folvane");
}

// The title, the banner under it and the title-bar buttons.
void TfrmMain::BuildTitleBand()
{
    TForm& form = *this;
    BvLabel7 = Place<TBvLabel>(form, this, "BvLabel7", { 45, 60, 530, 25 });
    FixSize(*BvLabel7);
    BvLabel7->SetCaption("This application helps to analyze and repair the FSX Folder Path in the Windows Registry");
    TBvBevel& bevel = BvLabel7->Bevel();
    bevel.SetMode(TBvBevelMode::bmStandard);
    bevel.SetStandardStyle(TBvBorderStyle::lsSingle);
    bevel.SetWidthInner(5);
    bevel.SetWidthOuter(0);
    bevel.SetBorderWidth(1);
    bevel.SetBorderInnerWidth(3);
    bevel.SetBorderColor(clWhite);
    BvLabel7->SetAlignment(TBvAlignment::agCenter);
    BvLabel7->SetMultiLine(true);
    BvLabel7->SetTransparent(false);
    BvLabel7->SetColor(clWhite);
    StoreFont(*BvLabel7, 0, clNavy);
    BvLabel7->SetOptions(0);

    lbMainTitle = Place<TExLabel>(form, this, "lbMainTitle", { 70, 10, 314, 27 });
    lbMainTitle->SetCaption(L"SKELVOR - FOLVANE");
    StoreFont(*lbMainTitle, 0, clWindowText, "Trebuchet MS", -21);
    lbMainTitle->SetOutlineColor(kTitleOutline);

    btnMinimize = TitleButton(form, "btnMinimize", { 535, 6, 34, 34 });
    btnClose = TitleButton(form, "btnClose", { 567, 6, 34, 34 });
}

// The maker's notice and the buttons that close the window.
void TfrmMain::BuildFooterBand()
{
    TForm& form = *this;
    lbSkelvor = Place<TLabel>(form, this, "lbSkelvor", { 93, 429, 160, 13 });
    lbSkelvor->SetCaption(MakerNotice(GetACP()));
    StoreFont(*lbSkelvor, fsBold, clNavy);
    lbSkelvor->SetTransparent(true);
    lbSkelvor->SetCursor(crHandPoint);

    btnExitFSX = SkinnedButton(form, this, "btnExitFSX", { 363, 426, 100, 27 }, "Exit to &FSX", 1);
    btnCloseMain = SkinnedButton(form, this, "btnCloseMain", { 469, 426, 100, 27 }, "&Exit", 2);
}

// The page control; the pages built next join it.
void TfrmMain::BuildPageControl()
{
    TForm& form = *this;
    skinPageControl = Place<TSkinPageControl>(form, this, "skinPageControl", { 46, 95, 529, 266 });
    skinPageControl->SetStoredPages({ "tabAnalyze", "tabSet" });
    skinPageControl->SetTabPosition(TSkinTabPosition::skTop);
    skinPageControl->SetLeftMargin(10);
    skinPageControl->SetBorderColor(kPageBorder);
    skinPageControl->SetColor(kPageColor);
    TFont tabFont;
    tabFont.SetStyle(fsBold);
    skinPageControl->SetTabFont(tabFont);
    skinPageControl->SetPageDrawFocused(true);
    skinPageControl->SetUIStyle(TSkinUIStyle::FromThemeFile);
    skinPageControl->SetTabOrder(0);
    skinPageControl->SetTabStop(true);
}

// Page "Get Path".
void TfrmMain::BuildAnalyzePage()
{
    TForm& form = *this;
    tabAnalyze = new TSkinTabSheet(this);
    tabAnalyze->SetName("tabAnalyze");
    tabAnalyze->SetPageControl(skinPageControl);
    tabAnalyze->SetCaption("Get Path");
    tabAnalyze->SetBounds(3, 26, 523, 237);
    tabAnalyze->SetColor(kPageColor);
    StoreFont(*tabAnalyze);
    TSkinTabSheet* page = tabAnalyze;

    imgGbxRegPath = Picture(form, page, "imgGbxRegPath", { 29, 121, 460, 64 }, "FRAME460");
    imgGbx150 = Picture(form, page, "imgGbx150", { 341, 50, 150, 64 }, "FRAME150");
    imgGbxRegKey = Picture(form, page, "imgGbxRegKey", { 29, 50, 305, 64 }, "FRAME305");
    BvLabel2 = CustomBevelLabel(
        form, page, "BvLabel2", { 97, 17, 269, 15 }, "Retrieve the FSX folder path as recorded in the registry");
    BvLabel3 = CustomBevelLabel(
        form, page, "BvLabel3", { 108, 199, 258, 15 }, "Launch RegEdit and search for the FSX registry entry");
    lbRegValue = ResultLabel(form, page, "lbRegValue", { 356, 74, 120, 30 });
    lbRegValue->SetAlignment(TBvAlignment::agCenter);
    lbFSXRegKey = ResultLabel(form, page, "lbFSXRegKey", { 41, 67, 280, 30 });
    lbFSXFolderPath = ResultLabel(form, page, "lbFSXFolderPath", { 41, 138, 440, 30 });
    lbFSXFolderPath->SetAlignment(TBvAlignment::agCenterLeft);
    Label1 = FrameCaption(form, page, "Label1", { 39, 45, 80, 13 }, "Registry Key:");
    Label2 = FrameCaption(form, page, "Label2", { 39, 116, 160, 13 }, "FSX Folder Path in Registry:");
    Label3 = FrameCaption(form, page, "Label3", { 351, 45, 90, 13 }, "Registry Value:");
    btnSearchRegEdit
        = SkinnedButton(form, page, "btnSearchRegEdit", { 371, 193, 120, 27 }, "Search &Reg", 1, "GLYPH_SEARCHREG");
    btnSearchRegEdit->SetFocusedRectMargin(0);
    btnGetRegPath
        = SkinnedButton(form, page, "btnGetRegPath", { 371, 11, 120, 27 }, "Get FSX &Path", 0, "GLYPH_GETPATH");
}

// Page "Set Path".
void TfrmMain::BuildSetPathPage()
{
    TForm& form = *this;
    tabSet = new TSkinTabSheet(this);
    tabSet->SetName("tabSet");
    tabSet->SetPageControl(skinPageControl);
    tabSet->SetCaption("Set Path");
    tabSet->SetBounds(3, 26, 523, 237);
    tabSet->SetColor(kPageColor);
    tabSet->SetEnabled(false);
    TSkinTabSheet* page = tabSet;

    imgSetPath4 = Picture(form, page, "imgSetPath4", { 32, 155, 460, 64 }, "FRAME460");
    imgSetPath2 = Picture(form, page, "imgSetPath2", { 32, 85, 269, 64 }, "FRAME269");
    imgSetPath1 = Picture(form, page, "imgSetPath1", { 32, 14, 460, 64 }, "FRAME460");
    Label4 = FrameCaption(form, page, "Label4", { 42, 10, 140, 13 }, "Select FSX Root Folder:");
    Label5 = FrameCaption(form, page, "Label5", { 42, 80, 175, 13 }, "Option - Select CD-ROM Path:");
    Label6 = FrameCaption(form, page, "Label6", { 42, 151, 250, 13 }, "Final Step - Write the Data to the Registry:");
    BvLabel4 = CustomBevelLabel(form, page, "BvLabel4", { 44, 180, 307, 15 },
        "Note: You need administrative privileges to write to the registry");
    BvLabel4->SetColor(clWhite);
    BvLabel4->SetTransparent(false);
    imgSetPath3 = Picture(form, page, "imgSetPath3", { 306, 85, 186, 64 }, "FRAME186");
    imgSetPath3->SetHint(kCurrentUserHint);
    Label7 = FrameCaption(form, page, "Label7", { 315, 80, 135, 13 }, "Option - Current User:");
    Label7->SetHint(kCurrentUserHint);
    btnSetRegPath
        = SkinnedButton(form, page, "btnSetRegPath", { 361, 173, 120, 28 }, "&Set FSX Path", 4, "GLYPH_SETPATH");
    btnSetRegPath->SetHint("Write the data to the Windows Registry");
    cbSetCDROMPath
        = ImageCheckBox(form, page, "cbSetCDROMPath", { 44, 106, 114, 22 }, L"Set CD-ROM Path:", kCDROMHint, 1);

    cbDrive = Place<TExDriveComboBox>(form, page, "cbDrive", { 159, 107, 124, 21 });
    cbDrive->SetHint(kCDROMHint);
    cbDrive->SetOptions(dcoDisplayCD);
    cbDrive->SetTextCase(TExTextCase::etcUppercase);
    cbDrive->SetEnabled(false);
    cbDrive->SetColor(kFieldColor);
    cbDrive->SetFocusedSelectColor(kFocusedSelect);
    cbDrive->SetBorderStyle(TEditBorderStyle::bsSingle);
    cbDrive->SetBorderSides(kAllEditBorderSides);
    cbDrive->SetLineBorderActiveColor(clBlack);
    cbDrive->SetLineBorderInactiveColor(clBlack);
    cbDrive->SetButtonEnabled(false);
    cbDrive->SetButtonWidth(15);
    cbDrive->SetButtonArrowColor(clBtnText);
    cbDrive->SetTopMargin(0);
    cbDrive->SetRightMargin(1);
    cbDrive->SetCursor(crIBeam);
    StoreFont(*cbDrive, 0, clBlack);
    cbDrive->SetTabOrder(2);

    edNewFS9Path = Place<TExFolderNameEdit>(form, page, "edNewFS9Path", { 44, 36, 437, 21 });
    edNewFS9Path->SetHint("Select the actual folder where your fsx.exe file resides");
    edNewFS9Path->SetReadOnly(true);
    edNewFS9Path->SetDialogTitle(L"Select FSX root folder...");
    edNewFS9Path->SetRootFolder(TShellFolders::sfoDesktopExpanded);
    edNewFS9Path->SetOptions(0);
    TBitmap folderGlyph;
    LoadResourceBitmap(folderGlyph, "FOLDERBUTTON");
    edNewFS9Path->SetButtonGlyph(folderGlyph);
    edNewFS9Path->SetButtonWidth(20);
    edNewFS9Path->SetButtonShortcut(32808); // Alt+Down
    edNewFS9Path->SetColor(kFieldColor);
    edNewFS9Path->SetBorderStyle(TEditBorderStyle::bsSingle);
    edNewFS9Path->SetCtl3D(true);
    edNewFS9Path->SetAutoSize(false);
    StoreFont(*edNewFS9Path, 0, clBlack);
    edNewFS9Path->SetTabOrder(0);

    cbCurrentUser = ImageCheckBox(
        form, page, "cbCurrentUser", { 336, 106, 122, 22 }, L"Add to Current User", kCurrentUserHint, 3);
}

// The components without a place on screen.
void TfrmMain::BuildComponents()
{
    TForm& form = *this;
    imgListMin = StreamedImageList(form, "imgListMin", "IMGLIST_MIN", 30, 22);
    imgListMinHot = StreamedImageList(form, "imgListMinHot", "IMGLIST_MINHOT", 30, 22);
    imgListMinDown = StreamedImageList(form, "imgListMinDown", "IMGLIST_MINDOWN", 30, 22);
    imgListClose = StreamedImageList(form, "imgListClose", "IMGLIST_CLOSE", 30, 22);
    imgListCloseHot = StreamedImageList(form, "imgListCloseHot", "IMGLIST_CLOSEHOT", 30, 22);
    imgListCloseDown = StreamedImageList(form, "imgListCloseDown", "IMGLIST_CLOSEDOWN", 30, 22);
    imgListCheckBoxes = StreamedImageList(form, "imgListCheckBoxes", "IMGLIST_CHECKBOXES", 16, 18);

    skinTheme = new TSkinBuiltInFileTheme(this);
    skinTheme->SetName("skinTheme");
    skinTheme->SetSkinData(ResourceData("SKINDATA"));

    imgMenuIcos = new TImageList(this);
    imgMenuIcos->SetName("imgMenuIcos");
    imgMenuIcos->SetSize(16, 16);
    TBitmap menuIcons;
    LoadResourceBitmap(menuIcons, "MENUICONS");
    imgMenuIcos->AddMasked(menuIcons, 0x00FF00FF);

    menuGetFSXPath = RegistryMenu(form, "menuGetFSXPath");
    menLookInLocMach = RegistryMenuItem(form, *menuGetFSXPath, "menLookInLocMach", "Look in HKEY_LOCAL_MACHINE");
    menLookInCurUsr = RegistryMenuItem(form, *menuGetFSXPath, "menLookInCurUsr", "Look in HKEY_CURRENT_USER");
    menuSearchReg = RegistryMenu(form, "menuSearchReg");
    SearchHKEYLOCALMACHINE1
        = RegistryMenuItem(form, *menuSearchReg, "SearchHKEYLOCALMACHINE1", "Search in HKEY_LOCAL_MACHINE");
    SearchHKEYCURRENTUSER1
        = RegistryMenuItem(form, *menuSearchReg, "SearchHKEYCURRENTUSER1", "Search in HKEY_CURRENT_USER");
}

void TfrmMain::BuildLayout()
{
    TLoadingScope scope;
    BuildWindow();
    BuildLinkBand();
    BuildTitleBand();
    BuildFooterBand();
    BuildPageControl();
    BuildAnalyzePage();
    BuildSetPathPage();
    BuildComponents();

    // ---- References, attached as loading ends ----
    scope.Attach([this] {
        btnMinimize->SetImages(imgListMin);
        btnMinimize->SetHotImages(imgListMinHot);
        btnMinimize->SetDownImages(imgListMinDown);
        btnClose->SetImages(imgListClose);
        btnClose->SetHotImages(imgListCloseHot);
        btnClose->SetDownImages(imgListCloseDown);
        cbSetCDROMPath->SetImages(imgListCheckBoxes);
        cbCurrentUser->SetImages(imgListCheckBoxes);
        btnSearchRegEdit->SetPopupMenu(menuSearchReg);
        menuGetFSXPath->SetImages(imgMenuIcos);
        menuSearchReg->SetImages(imgMenuIcos);
        skinPageControl->SetActivePage(tabAnalyze);
        for (TSkinButton* button : { btnExitFSX, btnCloseMain, btnSearchRegEdit, btnGetRegPath, btnSetRegPath })
            button->SetFileTheme(skinTheme);
        skinPageControl->SetFileTheme(skinTheme);
    });
    scope.Finish();
    // The theme gives the page control its body colour, which the control
    // hands on to its pages; the pages keep their own.
    tabAnalyze->SetColor(kPageColor);
    tabSet->SetColor(kPageColor);
}

} // namespace folvane
