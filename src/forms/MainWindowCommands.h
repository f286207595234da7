// The main window's event handlers, as decisions over the window's view and
// the platform seams: look-in commands, the registry editor walks, the path
// writer, starting the simulator, the web page, the screen-resolution guard
// and the sounds. It draws nothing and owns no control.
#pragma once

#include "app/CommandLine.h"
#include "app/InterfaceSounds.h"
#include "app/PathWriter.h"
#include "app/SimulatorLocator.h"
#include "forms/MainWindowView.h"
#include "forms/RegEditNavigator.h"
#include "platform/Platform.h"

namespace folvane {

namespace mainwindow {
inline constexpr char kMakerWebPage[] = "https://www.skelvor.com/software.php?product=Folvane";
inline constexpr int kNormalDpi = 96;
inline constexpr int kHintPauseMs = 100;
inline constexpr int kHintHidePauseMs = 20000;
inline constexpr char kBlankFolder[] = "[Blank]";
inline constexpr char kDpiCaption[] = "Skelvor - Folvane";
} // namespace mainwindow

class MainWindowCommands {
public:
    MainWindowCommands(Platform& platform, SimulatorLocator& locator, InterfaceSounds& sounds, MainWindowView& view);

    void FormCreate();
    void CheckScreenDPI();
    // After creation: choices from the command line fill in "Set Path"; a
    // problem with them is shown and the window stays as without them.
    void ApplyCommandLine(const CommandLineRequest& request);

    void skinPageControlChange();
    void btnGetRegPathClick();
    void btnSearchRegEditClick();
    void menLookInLocMachClick();
    void menLookInCurUsrClick();
    void SearchHKEYLOCALMACHINE1Click();
    void SearchHKEYCURRENTUSER1Click();
    void cbSetCDROMPathClick();
    void cbCurrentUserClick();
    void cbDriveDropDown();
    void btnSetRegPathClick();
    void edNewFS9PathFolderNameNotRepresentable(const std::string& shownFolder);
    void btnExitFSXClick();
    void btnCloseMainClick();
    void btnMinimizeClick();
    void btnCloseClick();
    void lbSkelvorClick();
    void lbSkelvorMouseEnter();
    void lbSkelvorMouseLeave();
    void imgAboutClick();

private:
    // The writer's view of the window; its Cancel branch comes back here.
    class WriterInputs : public PathWriterInputs {
    public:
        explicit WriterInputs(MainWindowCommands& owner)
            : owner_(owner)
        {
        }
        std::u16string FolderText() const override { return owner_.view_.FolderText(); }
        bool DriveListEnabled() const override { return owner_.view_.DriveListEnabled(); }
        std::u16string DriveListText() const override { return owner_.view_.DriveListText(); }
        char DriveLetter() const override { return owner_.view_.DriveLetter(); }
        bool AddToCurrentUserChecked() const override { return owner_.view_.AddToCurrentUserChecked(); }
        void ClickGetFSXPath() override { owner_.btnGetRegPathClick(); }
        void EndForElevatedInstance() override { owner_.view_.Close(); }

    private:
        MainWindowCommands& owner_;
    };

    void LookIn(RegistryRoot root);
    void OpenMenuBelow(MenuButton button);
    void WalkEditorTo(RegistryRoot root);

    Platform& platform_;
    SimulatorLocator& locator_;
    InterfaceSounds& sounds_;
    MainWindowView& view_;
    PathWriter writer_;
    RegEditNavigator navigator_;
    WriterInputs writerInputs_;
};

} // namespace folvane
