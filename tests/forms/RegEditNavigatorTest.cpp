// The registry editor walk over a fake window driver: the exact message
// sequence, finding or starting the editor, and Wine's nested tree.
#include "forms/RegEditNavigator.h"
#include "platform/FakePlatform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace folvane {
namespace {

class RegEditWalk : public ::testing::Test {
protected:
    // The events from the tree's point of view, without the window handle.
    std::vector<std::string> TreeEvents(WindowHandle tree) const
    {
        std::vector<std::string> out;
        const std::string handle = " " + std::to_string(tree) + " ";
        for (const std::string& event : fake.log) {
            const auto at = event.find(handle);
            if (at != std::string::npos)
                out.push_back(event.substr(0, at) + " " + event.substr(at + handle.size()));
            else if (event.rfind("sleep", 0) == 0)
                out.push_back(event);
        }
        return out;
    }

    testing::FakePlatform fake;
    RegEditNavigator navigator { fake.windows, fake.shell, fake.clock };
};

TEST_F(RegEditWalk, CollapsesExpandsAndTypesEveryLevelButTheLastCharacter)
{
    const WindowHandle editor = fake.windows.AddWindow("RegEdit_RegEdit");
    const WindowHandle tree = fake.windows.AddWindow("SysTreeView32", editor);
    navigator.ShowRegEditKey("HKEY_X\\AB\\C\\");

    std::vector<std::string> expected(30, "keydown 37 0");
    expected.insert(expected.end(), { "sleep 500", "keydown 39 0", "sleep 500" });
    for (char c : std::string("HKEY_X"))
        expected.push_back(std::string("char ") + c + " 1");
    expected.insert(expected.end(),
        { "keydown 39 0", "sleep 500", "char A 1", "char B 1", "keydown 39 0", "sleep 500", "char C 1" });
    EXPECT_EQ(expected, TreeEvents(tree));
    EXPECT_EQ("show " + std::to_string(editor), fake.log.at(0));
    EXPECT_EQ("foreground " + std::to_string(tree), fake.log.at(1));
    EXPECT_TRUE(std::none_of(fake.log.begin(), fake.log.end(), [](const std::string& e) {
        return e.rfind("shell", 0) == 0;
    })) << "no second editor is started";
}

TEST_F(RegEditWalk, MachinePathTakesThreeAndAHalfSeconds)
{
    const WindowHandle editor = fake.windows.AddWindow("RegEdit_RegEdit");
    const WindowHandle tree = fake.windows.AddWindow("SysTreeView32", editor);
    navigator.ShowRegEditKey(RegEditPathFor(RegistryRoot::LocalMachine, false));
    EXPECT_EQ(3500u, fake.clock.total);
    const auto events = TreeEvents(tree);
    EXPECT_EQ(6, std::count(events.begin(), events.end(), "keydown 39 0")); // the root, then five levels
    // The final backslash sends nothing: "10.0" stays selected, collapsed.
    const std::vector<std::string> tail(events.end() - 6, events.end());
    EXPECT_EQ(
        (std::vector<std::string> { "keydown 39 0", "sleep 500", "char 1 1", "char 0 1", "char . 1", "char 0 1" }),
        tail);
}

TEST_F(RegEditWalk, StartsTheEditorWhenNoneIsOpen)
{
    WindowHandle tree = 0;
    fake.shell.onStart = [&] {
        const WindowHandle editor = fake.windows.AddWindow("RegEdit_RegEdit");
        // Wine nests the tree below an intermediate child.
        const WindowHandle frame = fake.windows.AddWindow("RegEditFrame", editor);
        tree = fake.windows.AddWindow("SysTreeView32", frame);
    };
    navigator.ShowRegEditKey("HKEY_CURRENT_USER\\");
    EXPECT_EQ("shell start regedit.exe 200", fake.log.at(0));
    ASSERT_NE(0u, tree);
    const auto events = TreeEvents(tree);
    EXPECT_EQ(30, std::count(events.begin(), events.end(), "keydown 37 0"));
    EXPECT_EQ("char R 1", events.back());
}

TEST_F(RegEditWalk, SlowEditorIsWaitedForInShortSteps)
{
    WindowHandle tree = 0;
    int polls = 0;
    fake.clock.onSleep = [&] {
        if (++polls == 3) {
            const WindowHandle editor = fake.windows.AddWindow("RegEdit_RegEdit");
            tree = fake.windows.AddWindow("SysTreeView32", editor);
        }
    };
    navigator.ShowRegEditKey("HKEY_CURRENT_USER\\");
    EXPECT_EQ((std::vector<std::string> { "shell start regedit.exe 200", "sleep 50", "sleep 50", "sleep 50" }),
        std::vector<std::string>(fake.log.begin(), fake.log.begin() + 4));
    ASSERT_NE(0u, tree);
    EXPECT_EQ("char R 1", TreeEvents(tree).back());
    EXPECT_EQ(150u + 1000u, fake.clock.total);
}

TEST_F(RegEditWalk, NoEditorWindowSendsNothingButStillWaits)
{
    // An unrelated top-level tree must not receive the keys.
    fake.windows.AddWindow("SysTreeView32");
    navigator.ShowRegEditKey(RegEditPathFor(RegistryRoot::CurrentUser, false));
    EXPECT_EQ(5000u + 3500u, fake.clock.total);
    for (const std::string& event : fake.log)
        EXPECT_TRUE(event.rfind("sleep", 0) == 0 || event.rfind("shell", 0) == 0) << event;

    // When the editor cannot be started at all there is nothing to wait for.
    fake.clock.total = 0;
    fake.shell.startFails = true;
    navigator.ShowRegEditKey(RegEditPathFor(RegistryRoot::CurrentUser, false));
    EXPECT_EQ(3500u, fake.clock.total);
}

TEST_F(RegEditWalk, ShortPathsAreSafe)
{
    const WindowHandle editor = fake.windows.AddWindow("RegEdit_RegEdit");
    fake.windows.AddWindow("SysTreeView32", editor);
    navigator.ShowRegEditKey("");
    navigator.ShowRegEditKey("H");
    EXPECT_EQ(2000u, fake.clock.total);
    EXPECT_TRUE(
        std::none_of(fake.log.begin(), fake.log.end(), [](const std::string& e) { return e.rfind("char", 0) == 0; }));
}

TEST(RegEditPath, MachineKeyIsUnderWow6432NodeOn64BitWindows)
{
    EXPECT_EQ("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\",
        RegEditPathFor(RegistryRoot::LocalMachine, false));
    EXPECT_EQ("HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\",
        RegEditPathFor(RegistryRoot::LocalMachine, true));
    EXPECT_EQ("HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\",
        RegEditPathFor(RegistryRoot::CurrentUser, true));
}

} // namespace
} // namespace folvane
