// The application's message loop, once per process: Run shows the main form, keeps going
// after an exception in a handler, and ends when the main form closes. Minimize keeps the
// main form's taskbar button.
#include "ToolkitTestSupport.h"

#include "toolkit/Form.h"
#include "toolkit/Timer.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

class MainWindow : public TForm {
public:
    MainWindow(TComponent* owner)
        : TForm(owner)
    {
        SetBorderStyle(TFormBorderStyle::bsNone);
        SetBounds(10, 10, 100, 80);
        OnCreate = [this](TComponent*) { created = true; };
    }
    bool created = false;
};

TEST(ApplicationRun, LoopOutlivesHandlerErrorsAndEndsWithTheMainForm)
{
    Application().Initialize();
    auto* main = Application().CreateForm<MainWindow>();
    auto* about = Application().CreateForm<TForm>();
    EXPECT_TRUE(main->created);
    ASSERT_EQ(Application().MainForm(), main);
    EXPECT_EQ(main->Owner(), &Application());

    Application().Minimize();
    EXPECT_TRUE(IsIconic(main->Handle()));
    EXPECT_NE(GetWindowLongA(main->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    Application().Restore();
    EXPECT_FALSE(IsIconic(main->Handle()));

    std::vector<std::string> errors;
    Application().OnException = [&](const std::exception_ptr& e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& error) {
            errors.push_back(error.what());
        }
    };
    int ticks = 0;
    bool shownByRun = false;
    auto* timer = new TTimer(main);
    timer->SetInterval(10);
    timer->OnTimer = [&](TComponent*) {
        shownByRun = main->Visible() && IsWindowVisible(main->Handle());
        if (++ticks == 1)
            throw std::runtime_error("Failed to get data for 'SetupPath'");
        if (ticks == 3)
            main->Close();
    };
    Application().Run();
    Application().OnException = nullptr;

    EXPECT_TRUE(Application().Terminated());
    EXPECT_TRUE(shownByRun);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(errors, (std::vector<std::string> { "Failed to get data for 'SetupPath'" }));
    EXPECT_FALSE(main->Visible());
    EXPECT_NE(about->Owner(), nullptr);
}

} // namespace
} // namespace folvane
