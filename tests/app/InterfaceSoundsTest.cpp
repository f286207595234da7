// The three interface sounds: the file names they form, what they do when the
// file is missing, and the resolver run before the tick and radio sounds.
#include "app/InterfaceSounds.h"
#include "app/SimulatorKey.h"
#include "platform/FakePlatform.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

class Sounds : public ::testing::Test {
protected:
    testing::FakePlatform fake;
    SimulatorLocator locator { fake.registry, fake.files, fake.system };
    InterfaceSounds sounds { locator, fake.files, fake.sound };
};

TEST_F(Sounds, ClickPlaysFromTheCurrentFolderWithoutANewRead)
{
    locator.SetCurrentFolder("C:\\FSX\\");
    fake.files.files.insert("C:\\FSX\\\\Uires\\btnstdc.wav");
    sounds.PlayClickSound();
    EXPECT_EQ(std::vector<std::string> { "C:\\FSX\\\\Uires\\btnstdc.wav" }, fake.sound.played);
    EXPECT_TRUE(fake.registry.calls.empty());
}

TEST_F(Sounds, MissingFilePlaysNothing)
{
    locator.SetCurrentFolder("C:\\FSX\\");
    sounds.PlayClickSound();
    EXPECT_TRUE(fake.sound.played.empty());
    EXPECT_EQ("C:\\FSX\\\\Uires\\btnstdc.wav", fake.files.asked.back());

    // With no folder the name starts at the root of the current drive.
    locator.SetCurrentFolder("");
    sounds.PlayClickSound();
    EXPECT_EQ("\\Uires\\btnstdc.wav", fake.files.asked.back());
}

TEST_F(Sounds, TickAndRadioRefreshTheFolderFirst)
{
    fake.registry.SetString(RegistryRoot::CurrentUser, kSimulatorKey, "AppPath", "D:\\FSX");
    fake.files.files.insert("D:\\FSX\\fsx.exe");
    fake.files.files.insert("D:\\FSX\\\\Uires\\checkc.wav");
    fake.files.files.insert("D:\\FSX\\\\Uires\\radioc.wav");
    locator.SetCurrentFolder("[Blank]");
    sounds.PlayTickSound();
    EXPECT_EQ("D:\\FSX\\", locator.CurrentFolder());
    locator.SetCurrentFolder("[Blank]");
    sounds.PlayRadioSound();
    EXPECT_EQ("D:\\FSX\\", locator.CurrentFolder());
    EXPECT_EQ((std::vector<std::string> { "D:\\FSX\\\\Uires\\checkc.wav", "D:\\FSX\\\\Uires\\radioc.wav" }),
        fake.sound.played);
}

TEST_F(Sounds, RegistryErrorInTheResolverPlaysNothing)
{
    fake.registry.SetRaw(RegistryRoot::LocalMachine, kSimulatorKey, "SetupPath", reg::kTypeDword, { 0, 0, 0, 0 });
    fake.files.files.insert("\\Uires\\checkc.wav");
    EXPECT_THROW(sounds.PlayTickSound(), RegistryError);
    EXPECT_TRUE(fake.sound.played.empty());
}

} // namespace
} // namespace folvane
