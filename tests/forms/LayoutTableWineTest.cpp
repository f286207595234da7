// The three real windows, built from their layouts under Wine, against tables
// of what each control must be: place, font, colours, caption, hint, tab
// order, accelerator, visibility and enabling. The tables are written from
// what the windows are meant to look like, not from the layout code. Then a
// few pixels of each window on screen: the cut corners, the frame, the bands.
#include "app/InterfaceSounds.h"
#include "app/SimulatorLocator.h"
#include "controls/ExButtonControl.h"
#include "controls/ExEdit.h"
#include "controls/ExGraphicButton.h"
#include "controls/ExLabel.h"
#include "forms/AboutDialog.h"
#include "forms/MainWindow.h"
#include "forms/SplashWindow.h"
#include "labels/BvLabel.h"
#include "program/Win32Dialogs.h"
#include "program/Win32Seams.h"
#include "richlabel/MarkupLabel.h"
#include "skin/SkinFileTheme.h"
#include "support/RealProgram.h"
#include "toolkit/Application.h"
#include "toolkit/Label.h"
#include "toolkit/graphics/GdiObjects.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace folvane {
namespace {

constexpr TColor kPage = 0x00EDFCED; // RGB ED FC ED
constexpr TColor kField = 0x00EFE7DE; // RGB DE E7 EF
constexpr TColor kWindow = 0x007F3727; // RGB 27 37 7F

// Colours a theme gives at the end of loading, or that nothing fixes: not compared.
constexpr std::optional<TColor> kAny = std::nullopt;

struct FontRow {
    const char* face;
    int height;
    TFontStyles style;
    std::optional<TColor> color;
};
constexpr FontRow kPlain { "Tahoma", -11, 0, clWindowText };
constexpr FontRow kBold { "Tahoma", -11, fsBold, clWindowText };
constexpr FontRow kBlack { "Tahoma", -11, 0, clBlack };
constexpr FontRow kBoldBlack { "Tahoma", -11, fsBold, clBlack };
// Skinned buttons: bold; the theme gives the colour.
constexpr FontRow kButton { "Tahoma", -11, fsBold, kAny };
// The title band's buttons show no text in the control's own font colour.
constexpr FontRow kCaptionless { "Tahoma", -11, 0, kAny };

// Controls that size themselves to their text keep their stored place; the
// stored width (and height) is their text's on the designer's fonts.
enum class Size { Stored, TextWidth, Text };

struct Row {
    const char* name;
    RECT bounds; // left, top, width, height; the size is compared for Size::Stored
    FontRow font;
    std::optional<TColor> color;
    const wchar_t* caption; // nullptr: not compared (pictures)
    const char* hint = "";
    int tabOrder = -1; // -1: not a control of the tab order
    char accelerator = 0;
    std::optional<bool> visible = true;
    bool enabled = true;
    Size size = Size::Stored;
};

constexpr char kCDROMHint[] = "Option: Set the CD-ROM path in the registry";
constexpr char kCurrentUserHint[]
    = "Option: Also add the FSX folder path to the HKEY_CURRENT_USER key in the Registry.\r\n"
      "(Some FSX add-ons read the FSX folder from this Key instead of HKEY_LOCAL_MACHINE) ";

// clang-format off
const std::vector<Row> kMainWindow = {
    { "skinForm1", { 0, 0, 620, 470 }, kPlain, kAny, nullptr },
    { "VisitWebsiteImage", { 158, 373, 16, 16 }, kPlain, kAny, nullptr },
    { "VisitWebsiteLabel", { 179, 374, 101, 15 }, kBoldBlack, kAny, L"Skelvor Website" , "", -1, 0, true, true, Size::TextWidth },
    { "imgAbout", { 297, 373, 16, 16 }, kPlain, kAny, nullptr },
    { "AboutLabel", { 319, 373, 169, 15 }, kBoldBlack, kAny, L"About the Folvane" , "", -1, 0, true, true, Size::TextWidth },
    { "BvLabel7", { 45, 60, 530, 25 }, { "Tahoma", -11, 0, clNavy }, clWhite,
        L"This application helps to analyze and repair the FSX Folder Path in the Windows Registry" },
    { "lbMainTitle", { 70, 10, 314, 27 }, { "Trebuchet MS", -21, 0, clWindowText }, kAny, L"SKELVOR - FOLVANE" , "", -1, 0, true, true, Size::Text },
    { "btnMinimize", { 535, 6, 34, 34 }, kCaptionless, kWindow, L"" },
    { "btnClose", { 567, 6, 34, 34 }, kCaptionless, kWindow, L"" },
    { "lbSkelvor", { 93, 429, 160, 13 }, { "Tahoma", -11, fsBold, clNavy }, kAny, nullptr , "", -1, 0, true, true, Size::TextWidth },
    { "btnExitFSX", { 363, 426, 100, 27 }, kButton, kAny, L"Exit to &FSX", "", 1, 'F' },
    { "btnCloseMain", { 469, 426, 100, 27 }, kButton, kAny, L"&Exit", "", 2, 'E' },
    { "skinPageControl", { 46, 95, 529, 266 }, kBold, kAny, nullptr, "", 0 },

    { "tabAnalyze", { 3, 26, 523, 237 }, kPlain, kPage, L"Get Path" },
    { "imgGbxRegPath", { 29, 121, 460, 64 }, kPlain, kAny, nullptr },
    { "imgGbx150", { 341, 50, 150, 64 }, kPlain, kAny, nullptr },
    { "imgGbxRegKey", { 29, 50, 305, 64 }, kPlain, kAny, nullptr },
    { "BvLabel2", { 97, 17, 269, 15 }, kBlack, kAny, L"Retrieve the FSX folder path as recorded in the registry" , "", -1, 0, true, true, Size::TextWidth },
    { "BvLabel3", { 108, 199, 258, 15 }, kBlack, kAny, L"Launch RegEdit and search for the FSX registry entry" , "", -1, 0, true, true, Size::TextWidth },
    { "lbRegValue", { 356, 74, 120, 30 }, kBlack, kAny, L"" },
    { "lbFSXRegKey", { 41, 67, 280, 30 }, kBlack, kAny, L"" },
    { "lbFSXFolderPath", { 41, 138, 440, 30 }, kBlack, kAny, L"" },
    { "Label1", { 39, 45, 80, 13 }, kBold, kPage, L"Registry Key:" },
    { "Label2", { 39, 116, 160, 13 }, kBold, kPage, L"FSX Folder Path in Registry:" },
    { "Label3", { 351, 45, 90, 13 }, kBold, kPage, L"Registry Value:" },
    { "btnSearchRegEdit", { 371, 193, 120, 27 }, kButton, kAny, L"Search &Reg", "", 1, 'R' },
    { "btnGetRegPath", { 371, 11, 120, 27 }, kButton, kAny, L"Get FSX &Path", "", 0, 'P' },

    // Inactive at first, so disabled; shown behind the active page.
    { "tabSet", { 3, 26, 523, 237 }, kBold, kPage, L"Set Path", "", -1, 0, std::nullopt, false },
    { "imgSetPath4", { 32, 155, 460, 64 }, kBold, kAny, nullptr },
    { "imgSetPath2", { 32, 85, 269, 64 }, kBold, kAny, nullptr },
    { "imgSetPath1", { 32, 14, 460, 64 }, kBold, kAny, nullptr },
    { "Label4", { 42, 10, 140, 13 }, kBold, kPage, L"Select FSX Root Folder:" },
    { "Label5", { 42, 80, 175, 13 }, kBold, kPage, L"Option - Select CD-ROM Path:" },
    { "Label6", { 42, 151, 250, 13 }, kBold, kPage, L"Final Step - Write the Data to the Registry:" },
    { "BvLabel4", { 44, 180, 307, 15 }, kBlack, clWhite,
        L"Note: You need administrative privileges to write to the registry" , "", -1, 0, true, true, Size::TextWidth },
    { "imgSetPath3", { 306, 85, 186, 64 }, kBold, kAny, nullptr, kCurrentUserHint },
    { "Label7", { 315, 80, 135, 13 }, kBold, kPage, L"Option - Current User:", kCurrentUserHint },
    { "btnSetRegPath", { 361, 173, 120, 28 }, kButton, kAny, L"&Set FSX Path",
        "Write the data to the Windows Registry", 4, 'S' },
    // The page's font; the colour is the check box's own.
    { "cbSetCDROMPath", { 44, 106, 114, 22 }, { "Tahoma", -11, fsBold, kAny }, clWhite, L"Set CD-ROM Path:",
        kCDROMHint, 1 , 0, true, true, Size::TextWidth },
    { "cbDrive", { 159, 107, 124, 21 }, kBlack, kField, L"", kCDROMHint, 2, 0, true, false },
    { "edNewFS9Path", { 44, 36, 437, 21 }, kBlack, kField, L"",
        "Select the actual folder where your fsx.exe file resides", 0 },
    { "cbCurrentUser", { 336, 106, 122, 22 }, { "Tahoma", -11, fsBold, kAny }, clWhite, L"Add to Current User",
        kCurrentUserHint, 3 , 0, true, true, Size::TextWidth },
};

const std::vector<Row> kAboutDialog = {
    { "skinForm1", { 0, 0, 440, 190 }, { "Verdana", -11, 0, clWindowText }, kAny, nullptr },
    { "msgLabel", { 135, 75, 155, 39 }, kPlain, kAny, nullptr , "", -1, 0, true, true, Size::Text },
    { "hdgLabel", { 135, 43, 145, 13 }, kBold, kAny, L"About Folvane" , "", -1, 0, true, true, Size::TextWidth },
    { "ReflectionImage1", { 71, 43, 48, 80 }, { "Verdana", -11, 0, clWindowText }, kAny, nullptr },
    { "btnCloseMain", { 299, 147, 100, 27 }, kButton, kAny, L"&OK", "", 0, 'O' },
};

const std::vector<Row> kSplash = {
    { "skinForm1", { 0, 0, 440, 190 }, kPlain, kAny, nullptr },
    { "hdgLabel", { 97, 53, 169, 13 }, kBold, kAny, L"Skelvor - Folvane", "", -1, 0, true, true, Size::TextWidth },
    { "ReflectionImage1", { 38, 53, 48, 80 }, kPlain, kAny, nullptr },
    { "lbMsg", { 97, 92, 330, 25 }, kPlain, kAny, nullptr },
};
// clang-format on

std::wstring Widened(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

// The extended controls hide the toolkit's ANSI texts with UTF-16 ones.
std::wstring CaptionOf(TControl& control)
{
    if (auto* box = dynamic_cast<TExButtonControl*>(&control))
        return box->Caption();
    if (auto* label = dynamic_cast<TCustomExLabel*>(&control))
        return label->Caption();
    if (auto* button = dynamic_cast<TCustomExGraphicButton*>(&control))
        return button->Caption();
    if (auto* edit = dynamic_cast<TCustomExEdit*>(&control))
        return edit->Text();
    return Widened(control.Caption());
}

std::wstring HintOf(TControl& control)
{
    if (auto* box = dynamic_cast<TExButtonControl*>(&control))
        return box->Hint();
    if (auto* label = dynamic_cast<TCustomExLabel*>(&control))
        return label->Hint();
    return Widened(control.Hint());
}

void ExpectRows(TForm& form, const std::vector<Row>& rows)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(form.ClassName()) + "." + row.name);
        auto* control = dynamic_cast<TControl*>(form.FindComponent(row.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Left(), row.bounds.left);
        EXPECT_EQ(control->Top(), row.bounds.top);
        if (row.size == Size::Stored) {
            EXPECT_EQ(control->Width(), row.bounds.right);
        }
        if (row.size != Size::Text) {
            EXPECT_EQ(control->Height(), row.bounds.bottom);
        }
        EXPECT_EQ(control->Font().Name(), row.font.face);
        EXPECT_EQ(control->Font().Height(), row.font.height);
        EXPECT_EQ(control->Font().Style(), row.font.style);
        if (row.font.color) {
            EXPECT_EQ(control->Font().Color(), *row.font.color);
        }
        if (row.color) {
            EXPECT_EQ(control->Color(), *row.color);
        }
        if (row.caption) {
            EXPECT_EQ(CaptionOf(*control), row.caption);
        }
        EXPECT_EQ(HintOf(*control), Widened(row.hint));
        // A hint that is never shown is no hint.
        if (*row.hint) {
            EXPECT_TRUE(control->ShowHint()) << "the hint never shows";
        }
        auto* windowed = dynamic_cast<TWinControl*>(control);
        if (row.tabOrder >= 0) {
            ASSERT_NE(windowed, nullptr);
            EXPECT_EQ(windowed->TabOrder(), row.tabOrder);
            EXPECT_TRUE(windowed->TabStop());
        }
        if (row.accelerator) {
            EXPECT_TRUE(IsAccel(row.accelerator, control->Caption()));
            EXPECT_TRUE(IsAccel(static_cast<char>(row.accelerator + ('a' - 'A')), control->Caption()));
        }
        if (row.visible) {
            EXPECT_EQ(control->Visible(), *row.visible);
        }
        EXPECT_EQ(control->Enabled(), row.enabled);
    }
}

// Labels that show a path or a registry text show it literally.
void ExpectLiteral(const TBvBaseLabel& label)
{
    EXPECT_FALSE(label.ShowAccelChar()) << label.Name() << " would eat an \"&\" of a path";
}

using Program = testing::RealProgram;

class LayoutTable : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application().Initialize();
        program_ = new Program;
        main_ = Application().CreateForm<TfrmMain>(program_->platform, program_->locator, program_->sounds);
        dialog_ = Application().CreateForm<TfrmDialog>(program_->sounds, main_->skinTheme);
        main_->SetAboutDialog(dialog_);
    }

    static void TearDownTestSuite()
    {
        delete dialog_;
        delete main_;
        delete program_;
    }

    static inline Program* program_ = nullptr;
    static inline TfrmMain* main_ = nullptr;
    static inline TfrmDialog* dialog_ = nullptr;
};

TEST_F(LayoutTable, MainWindow)
{
    EXPECT_EQ(main_->Caption(), "Skelvor - Folvane");
    EXPECT_EQ(main_->ClientWidth(), 620);
    EXPECT_EQ(main_->ClientHeight(), 470);
    EXPECT_EQ(main_->Color(), kWindow);
    EXPECT_EQ(main_->Font().Name(), "Tahoma");
    EXPECT_EQ(main_->Font().Height(), -11);
    EXPECT_EQ(main_->Font().Color(), clWindowText);
    EXPECT_TRUE(main_->KeyPreview());
    ExpectRows(*main_, kMainWindow);
    for (const TBvBaseLabel* result : { main_->lbFSXFolderPath, main_->lbFSXRegKey, main_->lbRegValue })
        ExpectLiteral(*result);
}

TEST_F(LayoutTable, AboutDialog)
{
    EXPECT_EQ(dialog_->Caption(), "FS DIALOG");
    EXPECT_EQ(dialog_->ClientWidth(), 440);
    EXPECT_EQ(dialog_->ClientHeight(), 190);
    EXPECT_EQ(dialog_->Color(), clBtnFace);
    EXPECT_EQ(dialog_->Font().Name(), "Verdana");
    EXPECT_EQ(dialog_->Font().Height(), -11);
    EXPECT_TRUE(dialog_->KeyPreview());
    EXPECT_FALSE(dialog_->Visible()) << "created hidden";
    ExpectRows(*dialog_, kAboutDialog);
    EXPECT_EQ(dialog_->msgLabel->Caption().rfind(L"Folvane - Version 1.2\r\n", 0), 0u);
}

TEST_F(LayoutTable, Splash)
{
    TfrmSplash splash(nullptr);
    EXPECT_EQ(splash.Caption(), "Registry Check");
    EXPECT_EQ(splash.ClientWidth(), 440);
    EXPECT_EQ(splash.ClientHeight(), 190);
    EXPECT_EQ(splash.Color(), clBtnFace);
    EXPECT_EQ(splash.Font().Name(), "Tahoma");
    EXPECT_EQ(splash.Font().Height(), -11);
    ExpectRows(splash, kSplash);
    ASSERT_EQ(splash.lbMsg->HTMLText().size(), 1u);
    EXPECT_EQ(splash.lbMsg->HTMLText()[0],
        "<img src=\"idx:0\" align=\"middle\"> Checking Registry for correct folder path to FSX...");
}

// ---- Pixels of the windows on screen, at points no control covers ----

struct Rgb {
    int r, g, b;
};

Rgb ScreenPixel(HWND window, int x, int y)
{
    RECT outer {};
    GetWindowRect(window, &outer);
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, outer.left + x, outer.top + y);
    ReleaseDC(nullptr, screen);
    return { GetRValue(pixel), GetGValue(pixel), GetBValue(pixel) };
}

bool InsideShape(HWND window, int x, int y)
{
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    const bool inside = GetWindowRgn(window, shape) == ERROR || PtInRegion(shape, x, y);
    DeleteObject(shape);
    return inside;
}

::testing::AssertionResult Light(Rgb c, int floor)
{
    if (c.r >= floor && c.g >= floor && c.b >= floor)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "RGB " << c.r << " " << c.g << " " << c.b << " is not lighter than "
                                         << floor;
}

// Blue over red by the margin, and over green.
::testing::AssertionResult Bluish(Rgb c, int margin)
{
    if (c.b >= c.r + margin && c.b > c.g)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "RGB " << c.r << " " << c.g << " " << c.b << " is not blue by " << margin;
}

// The cut corners, the grey-blue border and the very light panel of the
// about dialog's and the splash's face.
void ExpectDialogFace(HWND window)
{
    EXPECT_FALSE(InsideShape(window, 0, 0)) << "the corner is not cut away";
    EXPECT_FALSE(InsideShape(window, 439, 189)) << "the corner is not cut away";
    EXPECT_TRUE(InsideShape(window, 220, 95));
    const Rgb border = ScreenPixel(window, 0, 95);
    EXPECT_TRUE(Bluish(border, 20));
    EXPECT_FALSE(Light(border, 220)) << "the border is too light to see";
    EXPECT_TRUE(Light(ScreenPixel(window, 220, 10), 240));
    EXPECT_TRUE(Light(ScreenPixel(window, 20, 95), 240));
}

TEST_F(LayoutTable, MainWindowOnScreen)
{
    main_->Show();
    Application().ProcessMessages();
    HWND window = main_->Handle();
    RECT outer {};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 620) << "no frame";
    EXPECT_EQ(outer.bottom - outer.top, 470) << "no caption bar";
    EXPECT_FALSE(InsideShape(window, 0, 0));
    EXPECT_FALSE(InsideShape(window, 619, 469));
    EXPECT_TRUE(InsideShape(window, 310, 235));
    EXPECT_TRUE(Bluish(ScreenPixel(window, 5, 200), 50)) << "the blue frame";
    EXPECT_TRUE(Bluish(ScreenPixel(window, 610, 300), 50)) << "the blue frame";
    EXPECT_TRUE(Light(ScreenPixel(window, 20, 20), 220)) << "the title band";
    EXPECT_TRUE(Light(ScreenPixel(window, 30, 380), 250)) << "the white work area";
    EXPECT_TRUE(Light(ScreenPixel(window, 30, 440), 240)) << "the white panel bottom left";
    const Rgb right = ScreenPixel(window, 590, 440);
    EXPECT_TRUE(Light(right, 180)) << "the light blue panel bottom right";
    EXPECT_TRUE(Bluish(right, 20)) << "the light blue panel bottom right";
    // The "Get Path" page's own colour, left of its key frame: page (10, 100).
    const Rgb page = ScreenPixel(window, 49 + 10, 121 + 100);
    EXPECT_EQ(RGB(page.r, page.g, page.b), RGB(0xED, 0xFC, 0xED));
}

TEST_F(LayoutTable, AboutDialogOnScreen)
{
    main_->Show();
    dialog_->Show();
    Application().ProcessMessages();
    ExpectDialogFace(dialog_->Handle());
    dialog_->Hide();
    Application().ProcessMessages();
}

TEST_F(LayoutTable, SplashOnScreen)
{
    main_->Hide();
    SplashWindow splash;
    splash.Show();
    splash.Repaint();
    // The entry paints the splash without a message loop; reading the screen
    // back under Wine needs the window's surface flushed.
    Application().ProcessMessages();
    ExpectDialogFace(splash.Form()->Handle());
    splash.Release();
}

} // namespace
} // namespace folvane
