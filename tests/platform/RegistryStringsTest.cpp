// String reads and writes over the registry seam: what the two queries make of
// every shape of stored data, and the exact error messages.
#include "platform/FakePlatform.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using testing::FakeRegistry;

constexpr auto kRoot = RegistryRoot::LocalMachine;
const std::string kPath = "SOFTWARE\\Test\\";

class RegistryStrings : public ::testing::Test {
protected:
    RegistryStrings()
        : registry(log)
    {
        registry.AddKey(kRoot, kPath);
    }

    std::string Read(const std::string& name)
    {
        ScopedRegistryKey key(registry);
        EXPECT_TRUE(key.Open(kRoot, kPath, reg::kKeyRead));
        return ReadRegistryString(registry, key.Get(), name);
    }

    std::string ReadError(const std::string& name)
    {
        try {
            Read(name);
        } catch (const RegistryError& error) {
            return error.what();
        }
        return "<no error>";
    }

    testing::EventLog log;
    FakeRegistry registry;
};

TEST_F(RegistryStrings, StringTypesAreTakenAsStored)
{
    registry.SetString(kRoot, kPath, "Plain", "C:\\FSX");
    registry.SetString(kRoot, kPath, "Expand", "%SystemDrive%\\FSX", reg::kTypeExpandSz);
    EXPECT_EQ("C:\\FSX", Read("Plain"));
    EXPECT_EQ("%SystemDrive%\\FSX", Read("Expand"));
}

TEST_F(RegistryStrings, MissingOrEmptyValueReadsAsEmptyText)
{
    registry.SetRaw(kRoot, kPath, "Empty", reg::kTypeSz, {});
    // Size 0 ends the read before the type is looked at.
    registry.SetRaw(kRoot, kPath, "EmptyBinary", reg::kTypeBinary, {});
    EXPECT_EQ("", Read("Missing"));
    EXPECT_EQ("", Read("Empty"));
    EXPECT_EQ("", Read("EmptyBinary"));
    EXPECT_EQ(0, registry.OpenHandles());
}

TEST_F(RegistryStrings, TextEndsAtFirstNulOrAtEndOfData)
{
    registry.SetRaw(kRoot, kPath, "Embedded", reg::kTypeSz, { 'A', ':', '\\', 0, 'Z', 0 });
    registry.SetRaw(kRoot, kPath, "Unterminated", reg::kTypeSz, { 'D', ':', '\\' });
    EXPECT_EQ("A:\\", Read("Embedded"));
    EXPECT_EQ("D:\\", Read("Unterminated"));
}

TEST_F(RegistryStrings, ValueChangedBetweenTheQueriesIsReadSafely)
{
    registry.SetString(kRoot, kPath, "Growing", "C:\\FSX");
    registry.growBy = 64;
    EXPECT_EQ("Failed to get data for 'Growing'", ReadError("Growing"));

    // Shrunk by two bytes: the NUL and the last letter are gone.
    registry.SetString(kRoot, kPath, "Shrinking", "C:\\FSX");
    registry.growBy = -2;
    EXPECT_EQ("C:\\FS", Read("Shrinking"));
    EXPECT_EQ(0, registry.OpenHandles());
}

TEST_F(RegistryStrings, ErrorsNameTheValue)
{
    registry.SetRaw(kRoot, kPath, "SetupPath", reg::kTypeDword, { 1, 0, 0, 0 });
    EXPECT_EQ("Invalid data type for 'SetupPath'", ReadError("SetupPath"));

    registry.SetString(kRoot, kPath, "AppPath", "C:\\FSX\\");
    registry.failDataQuery = true;
    EXPECT_EQ("Failed to get data for 'AppPath'", ReadError("AppPath"));
    registry.failDataQuery = false;

    registry.SetRaw(kRoot, kPath, "Huge", reg::kTypeSz, std::vector<std::uint8_t>(kMaxRegistryStringBytes + 1, 'a'));
    EXPECT_EQ("Failed to get data for 'Huge'", ReadError("Huge"));
    EXPECT_EQ(0, registry.OpenHandles());
}

TEST_F(RegistryStrings, WriteStoresRegSzWithItsNul)
{
    ScopedRegistryKey key(registry);
    ASSERT_TRUE(key.Create(kRoot, kPath, reg::kKeyWrite));
    WriteRegistryString(registry, key.Get(), "CDPath", "E:\\");
    EXPECT_EQ(std::string("E:\\\0", 4), registry.RawText(kRoot, kPath, "CDPath"));
    EXPECT_EQ(reg::kTypeSz, registry.TypeOf(kRoot, kPath, "CDPath"));

    registry.failingSets.insert("AppPath");
    try {
        WriteRegistryString(registry, key.Get(), "AppPath", "C:\\FSX\\");
        ADD_FAILURE() << "no error";
    } catch (const RegistryError& error) {
        EXPECT_STREQ("Failed to set data for 'AppPath'", error.what());
    }
}

TEST_F(RegistryStrings, ScopedKeyClosesOnceOnEveryPath)
{
    {
        ScopedRegistryKey key(registry);
        ASSERT_TRUE(key.Open(kRoot, kPath, reg::kKeyRead));
        EXPECT_EQ(1, registry.OpenHandles());
        // Reopening closes the first handle.
        ASSERT_TRUE(key.Open(kRoot, kPath, reg::kKeyRead));
        EXPECT_EQ(1, registry.OpenHandles());
    }
    EXPECT_EQ(0, registry.OpenHandles());
    EXPECT_EQ(2u, registry.CallsOf("close").size());
    {
        ScopedRegistryKey key(registry);
        EXPECT_FALSE(key.Open(kRoot, "SOFTWARE\\Missing\\", reg::kKeyRead));
    }
    EXPECT_EQ(2u, registry.CallsOf("close").size());
}

} // namespace
} // namespace folvane
