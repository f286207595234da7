// The main window's handlers over a fake view and fake platform: look-in
// commands and their warnings, starting the simulator, the screen-resolution
// guard, the popup-menu and about-dialog arithmetic, and the sounds.
#include "forms/MainWindowCommands.h"
#include "app/SimulatorKey.h"
#include "forms/AboutDialogCommands.h"
#include "platform/FakePlatform.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

constexpr auto kMachine = RegistryRoot::LocalMachine;
constexpr auto kUser = RegistryRoot::CurrentUser;

const std::string kEntryBlank = "It appears this registry entry is blank or does not exist!\r\n"
                                "You may use this utility to correct the FSX registry entry.\r\n"
                                "(Please also check that you have administrative access)";

std::string ReportedPath(const std::string& folder)
{
    return "The path your registry is reporting is:\r\n\r\n" + folder
        + "\r\n\r\nThis may not be correct, the fsx.exe file was not found there!";
}

struct FakeView : MainWindowView {
    std::u16string folder;
    bool cdromChecked = false;
    bool driveEnabled = false;
    std::u16string driveText;
    char driveLetter = 'E';
    bool currentUser = false;
    std::string folderCaption = "old", keyCaption = "old", valueCaption = "old";
    std::vector<std::pair<MenuButton, Point>> popups;
    std::vector<std::string> requests;
    int hintPause = 500, hintHidePause = 2500;

    std::u16string FolderText() const override { return folder; }
    bool CDROMBoxChecked() const override { return cdromChecked; }
    bool DriveListEnabled() const override { return driveEnabled; }
    void SetDriveListEnabled(bool enabled) override { driveEnabled = enabled; }
    std::u16string DriveListText() const override { return driveText; }
    char DriveLetter() const override { return driveLetter; }
    bool AddToCurrentUserChecked() const override { return currentUser; }
    std::string listedDrives = "EF";
    bool setPathPage = false;
    void ShowSetPathPage() override { setPathPage = true; }
    void SetFolderText(const std::u16string& text) override { folder = text; }
    void SetCDROMBoxChecked(bool checked) override { cdromChecked = checked; }
    bool SelectDrive(char letter) override
    {
        if (listedDrives.find(letter) == std::string::npos)
            return false;
        driveLetter = letter;
        driveText = std::u16string(1, letter) + u":";
        return true;
    }
    void SetAddToCurrentUserChecked(bool checked) override { currentUser = checked; }
    void SetFolderPathCaption(const std::string& c) override { folderCaption = c; }
    void SetRegKeyCaption(const std::string& c) override { keyCaption = c; }
    void SetRegValueCaption(const std::string& c) override { valueCaption = c; }
    // The stored layout, with the window at (200, 100).
    Point WindowOrigin() const override { return { 200, 100 }; }
    Point PageControlOrigin() const override { return { 46, 95 }; }
    Point AnalyzePageOrigin() const override { return { 3, 26 }; }
    Rect ButtonBounds(MenuButton b) const override
    {
        return b == MenuButton::GetFSXPath ? Rect { 371, 11, 120, 27 } : Rect { 371, 193, 120, 27 };
    }
    void PopupMenuAt(MenuButton b, Point p) override { popups.emplace_back(b, p); }
    void SetMakerLabelUnderlined(bool u) override { requests.push_back(u ? "underline" : "bold only"); }
    void ShowAboutDialog() override { requests.push_back("about"); }
    void SetHintTimings(int pause, int hide) override
    {
        hintPause = pause;
        hintHidePause = hide;
    }
    void Close() override { requests.push_back("close"); }
    void MinimizeApplication() override { requests.push_back("minimize"); }
    void TerminateApplication() override { requests.push_back("terminate"); }
};

class MainWindow : public ::testing::Test {
protected:
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : fake.dialogs.shown)
            texts.push_back(shown.text);
        return texts;
    }
    void ProvenSimulatorAt(const std::string& folder)
    {
        fake.files.files.insert(folder + "fsx.exe");
        fake.files.files.insert(folder + "\\Uires\\btnstdc.wav");
        fake.files.files.insert(folder + "\\Uires\\checkc.wav");
        fake.files.files.insert(folder + "\\Uires\\radioc.wav");
    }

    testing::FakePlatform fake;
    SimulatorLocator locator { fake.registry, fake.files, fake.system };
    InterfaceSounds sounds { locator, fake.files, fake.sound };
    FakeView view;
    MainWindowCommands commands { fake.platform, locator, sounds, view };
};

TEST_F(MainWindow, LookInWithoutKeyWarnsTwiceAndLeavesBlank)
{
    commands.menLookInCurUsrClick();
    EXPECT_EQ("", view.folderCaption);
    EXPECT_EQ("HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\", view.keyCaption);
    EXPECT_EQ("AppPath", view.valueCaption);
    EXPECT_EQ((std::vector<std::string> { kEntryBlank, ReportedPath("[Blank]") }), Texts());
    for (const auto& shown : fake.dialogs.shown) {
        EXPECT_EQ(DialogType::Warning, shown.type);
        EXPECT_EQ(dlg::kOK, shown.buttons);
    }
    EXPECT_EQ("[Blank]", locator.CurrentFolder());
    EXPECT_TRUE(fake.sound.played.empty());

    // Afterwards "Exit to FSX" cannot start anything: it warns and closes.
    commands.btnExitFSXClick();
    EXPECT_EQ("Sorry, unable to find the fsx.exe in the specified\r\npath and so we cannot launch Flight Simulator X!",
        Texts().back());
    EXPECT_TRUE(fake.shell.opened.empty());
    EXPECT_EQ(std::vector<std::string> { "close" }, view.requests);
}

TEST_F(MainWindow, LookInWithUnprovenFolderWarnsOnce)
{
    fake.registry.SetString(kMachine, kSimulatorKey, "SetupPath", "C:\\Moved");
    commands.menLookInLocMachClick();
    EXPECT_EQ("C:\\Moved\\", view.folderCaption);
    EXPECT_EQ("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\", view.keyCaption);
    EXPECT_EQ("SetupPath", view.valueCaption);
    EXPECT_EQ(std::vector<std::string> { ReportedPath("C:\\Moved\\") }, Texts());
}

TEST_F(MainWindow, LookInWithMissingValueShowsTheBackslash)
{
    fake.registry.AddKey(kMachine, kSimulatorKey);
    commands.menLookInLocMachClick();
    EXPECT_EQ("\\", view.folderCaption);
    EXPECT_EQ(std::vector<std::string> { ReportedPath("\\") }, Texts());
}

TEST_F(MainWindow, LookInWithProvenFolderIsSilentAndExitStartsTheSimulator)
{
    fake.registry.SetString(kUser, kSimulatorKey, "AppPath", "D:\\FSX\\");
    ProvenSimulatorAt("D:\\FSX\\");
    commands.menLookInCurUsrClick();
    EXPECT_TRUE(fake.dialogs.shown.empty());
    commands.btnExitFSXClick();
    EXPECT_EQ(std::vector<std::string> { "D:\\FSX\\fsx.exe" }, fake.shell.opened);
    EXPECT_EQ(std::vector<std::string> { "D:\\FSX\\\\Uires\\btnstdc.wav" }, fake.sound.played);
    EXPECT_EQ(std::vector<std::string> { "close" }, view.requests);
}

TEST_F(MainWindow, LookInRegistryErrorLeavesTheLabelsAlone)
{
    fake.registry.SetRaw(kMachine, kSimulatorKey, "SetupPath", reg::kTypeDword, { 1, 0, 0, 0 });
    EXPECT_THROW(commands.menLookInLocMachClick(), RegistryError);
    EXPECT_EQ("old", view.folderCaption);
    EXPECT_EQ("", locator.CurrentFolder());
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(MainWindow, HighResolutionIsRefusedWithAQuitRequest)
{
    fake.system.dpi = 120;
    fake.registry.SetString(kMachine, kSimulatorKey, "SetupPath", "C:\\FSX\\");
    ProvenSimulatorAt("C:\\FSX\\");
    commands.FormCreate();
    ASSERT_EQ(1u, fake.dialogs.shown.size());
    const auto& box = fake.dialogs.shown[0];
    EXPECT_TRUE(box.plainBox);
    EXPECT_EQ("Skelvor - Folvane", box.caption);
    EXPECT_EQ(0x40040u, box.flags);
    EXPECT_EQ("Sorry, but it appears your screen fonts are set to: 120 DPI\r\n\r\n"
              "This application will not display correctly unless the fonts\r\n"
              "are set back to the Windows default of NORMAL (96 DPI).\r\n\r\n"
              "(If you require help to adjust your font setting back to\r\n"
              "the default of 96 DPI please visit the Skelvor Forum)\r\n\r\n"
              "Now exiting the Folvane.",
        box.text);
    // Creation goes on after the request.
    EXPECT_EQ(std::vector<std::string> { "terminate" }, view.requests);
    EXPECT_EQ("C:\\FSX\\", locator.CurrentFolder());
    EXPECT_EQ(100, view.hintPause);
    EXPECT_EQ(20000, view.hintHidePause);
}

TEST_F(MainWindow, NormalResolutionCreatesQuietly)
{
    commands.FormCreate();
    fake.system.dpi = 72;
    commands.CheckScreenDPI();
    EXPECT_TRUE(fake.dialogs.shown.empty());
    EXPECT_TRUE(view.requests.empty());
}

TEST_F(MainWindow, RegistryErrorInCreationKeepsDefaultHintTimings)
{
    fake.registry.SetRaw(kMachine, kSimulatorKey, "SetupPath", reg::kTypeBinary, { 1 });
    EXPECT_THROW(commands.FormCreate(), RegistryError);
    EXPECT_EQ(500, view.hintPause);
}

TEST_F(MainWindow, MenusOpenAtTheButtonsBottomLeftCorner)
{
    commands.btnGetRegPathClick();
    commands.btnSearchRegEditClick();
    ASSERT_EQ(2u, view.popups.size());
    EXPECT_EQ(MenuButton::GetFSXPath, view.popups[0].first);
    EXPECT_EQ((Point { 200 + 420, 100 + 159 }), view.popups[0].second);
    EXPECT_EQ(MenuButton::SearchReg, view.popups[1].first);
    EXPECT_EQ((Point { 200 + 420, 100 + 341 }), view.popups[1].second);
}

TEST_F(MainWindow, CancelAtMissingProgramPlaysClickAgainAndOpensTheMenu)
{
    locator.SetCurrentFolder("C:\\FSX\\");
    fake.files.files.insert("C:\\FSX\\\\Uires\\btnstdc.wav");
    view.folder = u"D:\\Nothing";
    fake.dialogs.answers = { dlg::kAnswerYes, dlg::kAnswerCancel };
    commands.btnSetRegPathClick();
    EXPECT_EQ(2u, fake.sound.played.size());
    ASSERT_EQ(1u, view.popups.size());
    EXPECT_EQ(MenuButton::GetFSXPath, view.popups[0].first);
    EXPECT_TRUE(fake.registry.CallsOf("create").empty());
}

TEST_F(MainWindow, CdromBoxTogglesTheDriveListWithATick)
{
    fake.registry.SetString(kMachine, kSimulatorKey, "SetupPath", "C:\\FSX\\");
    ProvenSimulatorAt("C:\\FSX\\");
    view.cdromChecked = true;
    commands.cbSetCDROMPathClick();
    EXPECT_TRUE(view.driveEnabled);
    view.cdromChecked = false;
    commands.cbSetCDROMPathClick();
    EXPECT_FALSE(view.driveEnabled);
    EXPECT_EQ(std::vector<std::string>(2, "C:\\FSX\\\\Uires\\checkc.wav"), fake.sound.played);

    // The sound's registry read fails: the error still goes out to the error
    // box, but the list has followed the box, as the path writer expects.
    fake.registry.SetRaw(kMachine, kSimulatorKey, "SetupPath", reg::kTypeDword, { 1, 0, 0, 0 });
    view.cdromChecked = true;
    EXPECT_THROW(commands.cbSetCDROMPathClick(), RegistryError);
    EXPECT_TRUE(view.driveEnabled);
}

TEST_F(MainWindow, SoundsByControl)
{
    fake.registry.SetString(kMachine, kSimulatorKey, "SetupPath", "C:\\FSX\\");
    ProvenSimulatorAt("C:\\FSX\\");
    commands.skinPageControlChange(); // radio, and the resolver runs
    commands.cbDriveDropDown();
    commands.cbCurrentUserClick();
    commands.btnMinimizeClick();
    commands.btnCloseClick(); // click, then the "&Exit" handler's own click
    const std::string click = "C:\\FSX\\\\Uires\\btnstdc.wav";
    EXPECT_EQ((std::vector<std::string> { "C:\\FSX\\\\Uires\\radioc.wav", "C:\\FSX\\\\Uires\\radioc.wav",
                  "C:\\FSX\\\\Uires\\checkc.wav", click, click, click }),
        fake.sound.played);
    EXPECT_EQ((std::vector<std::string> { "minimize", "close" }), view.requests);
}

TEST_F(MainWindow, WebPageAboutAndMakerLabelMakeNoSound)
{
    locator.SetCurrentFolder("C:\\FSX\\");
    ProvenSimulatorAt("C:\\FSX\\");
    commands.lbSkelvorClick();
    commands.imgAboutClick();
    commands.lbSkelvorMouseEnter();
    commands.lbSkelvorMouseLeave();
    ASSERT_EQ(1u, fake.shell.opened.size());
    const std::string& address = fake.shell.opened[0];
    EXPECT_EQ(0u, address.rfind("https://", 0));
    EXPECT_NE(std::string::npos, address.find("?product=Folvane"));
    EXPECT_EQ((std::vector<std::string> { "about", "underline", "bold only" }), view.requests);
    EXPECT_TRUE(fake.sound.played.empty());
}

TEST_F(MainWindow, RegistryWalksGoToTheKeyOfTheRegistryViewInUse)
{
    const WindowHandle editor = fake.windows.AddWindow("RegEdit_RegEdit");
    const WindowHandle tree = fake.windows.AddWindow("SysTreeView32", editor);
    auto typed = [&] {
        std::string text;
        for (const std::string& e : fake.log)
            if (e.rfind("char " + std::to_string(tree) + " ", 0) == 0)
                text += e[e.size() - 3];
            else if (e.rfind("keydown " + std::to_string(tree) + " 39", 0) == 0)
                text += '>';
        fake.log.clear();
        return text;
    };
    commands.SearchHKEYLOCALMACHINE1Click();
    EXPECT_EQ(">HKEY_LOCAL_MACHINE>SOFTWARE>Microsoft>Microsoft Games>Flight Simulator>10.0", typed());
    fake.system.windows64 = true;
    commands.SearchHKEYLOCALMACHINE1Click();
    EXPECT_EQ(">HKEY_LOCAL_MACHINE>SOFTWARE>Wow6432Node>Microsoft>Microsoft Games>Flight Simulator>10.0", typed());
    commands.SearchHKEYCURRENTUSER1Click();
    EXPECT_EQ(">HKEY_CURRENT_USER>SOFTWARE>Microsoft>Microsoft Games>Flight Simulator>10.0", typed());
    EXPECT_TRUE(fake.sound.played.empty());
}

TEST_F(MainWindow, CommandLineFillsInSetPath)
{
    commands.ApplyCommandLine({});
    EXPECT_FALSE(view.setPathPage);

    const CommandLineRequest request = ParseCommandLine({ u"/set", u"D:\\My FSX", u"/cdrom", u"F", u"/currentuser" });
    commands.ApplyCommandLine(request);
    EXPECT_TRUE(fake.dialogs.shown.empty());
    EXPECT_TRUE(view.setPathPage);
    EXPECT_EQ(u"D:\\My FSX", view.folder);
    EXPECT_TRUE(view.cdromChecked);
    EXPECT_TRUE(view.driveEnabled);
    EXPECT_EQ('F', view.driveLetter);
    EXPECT_TRUE(view.currentUser);
    // Filling in is no click: no sound, nothing written.
    EXPECT_TRUE(fake.sound.played.empty());
    EXPECT_TRUE(fake.registry.calls.empty());
}

TEST_F(MainWindow, CommandLineProblemsAreShownAndChangeNothing)
{
    commands.ApplyCommandLine(ParseCommandLine({ u"/set", u"D:\\FSX", u"/cdrom", u"X" }));
    ASSERT_EQ(1u, fake.dialogs.shown.size());
    EXPECT_EQ("There is no CD-ROM drive X: on this computer.", fake.dialogs.shown[0].text);
    EXPECT_EQ(DialogType::Warning, fake.dialogs.shown[0].type);
    EXPECT_EQ(dlg::kOK, fake.dialogs.shown[0].buttons);

    const CommandLineRequest unknown = ParseCommandLine({ u"/fix" });
    commands.ApplyCommandLine(unknown);
    ASSERT_EQ(2u, fake.dialogs.shown.size());
    EXPECT_EQ(unknown.problem, fake.dialogs.shown[1].text);

    EXPECT_FALSE(view.setPathPage);
    EXPECT_EQ(u"", view.folder);
    EXPECT_FALSE(view.cdromChecked);
    EXPECT_FALSE(view.driveEnabled);
    EXPECT_FALSE(view.currentUser);
}

struct FakeAboutView : AboutDialogView {
    Rect main { 0, 0, 620, 470 };
    Rect own { 0, 0, 440, 190 };
    std::vector<Point> moves;
    int closes = 0;
    Rect MainWindowBounds() const override { return main; }
    Rect Bounds() const override { return own; }
    void MoveTo(Point p) override { moves.push_back(p); }
    void Close() override { ++closes; }
};

TEST(AboutDialog, CentresOnTheMainWindowWhereverItIs)
{
    testing::FakePlatform fake;
    SimulatorLocator locator { fake.registry, fake.files, fake.system };
    InterfaceSounds sounds { locator, fake.files, fake.sound };
    FakeAboutView view;
    AboutDialogCommands about { sounds, view };
    about.FormShow();
    view.main = { -301, 57, 620, 470 };
    view.own = { 0, 0, 441, 191 };
    about.FormShow();
    ASSERT_EQ(2u, view.moves.size());
    EXPECT_EQ((Point { 90, 140 }), view.moves[0]);
    EXPECT_EQ((Point { -301 + 310 - 220, 57 + 235 - 95 }), view.moves[1]);
    // Halves round toward zero, also for odd negative sizes.
    EXPECT_EQ((Point { -1, -1 }), CentredOn(Rect { 0, 0, -3, -3 }, 0, 0));
}

TEST(AboutDialog, EscapeClosesSilentlyAndClicksCloseWithASound)
{
    testing::FakePlatform fake;
    SimulatorLocator locator { fake.registry, fake.files, fake.system };
    locator.SetCurrentFolder("C:\\FSX\\");
    fake.files.files.insert("C:\\FSX\\\\Uires\\btnstdc.wav");
    InterfaceSounds sounds { locator, fake.files, fake.sound };
    FakeAboutView view;
    AboutDialogCommands about { sounds, view };
    about.FormKeyDown(13);
    EXPECT_EQ(0, view.closes);
    about.FormKeyDown(27);
    EXPECT_EQ(1, view.closes);
    EXPECT_TRUE(fake.sound.played.empty());
    about.imgDlgAlertClick();
    EXPECT_EQ(2, view.closes);
    EXPECT_EQ(1u, fake.sound.played.size());
}

} // namespace
} // namespace folvane
