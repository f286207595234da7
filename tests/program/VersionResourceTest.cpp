// Reads the version resource of the built Folvane.exe back through the
// platform's own version API.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string gExePath;

class VersionResource : public testing::Test {
protected:
    void SetUp() override
    {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(gExePath.c_str(), &ignored);
        ASSERT_NE(0u, size) << "no version resource in " << gExePath;
        block_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoA(gExePath.c_str(), 0, size, block_.data()));
    }

    std::string String(const char* name)
    {
        const std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
        char* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(block_.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
            return "<missing>";
        return value;
    }

    std::vector<char> block_;
};

TEST_F(VersionResource, FixedVersionsAreOneTwoZeroZero)
{
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block_.data(), "\\", reinterpret_cast<void**>(&info), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(0xFEEF04BDu, info->dwSignature);
    EXPECT_EQ(MAKELONG(2, 1), info->dwFileVersionMS);
    EXPECT_EQ(0u, info->dwFileVersionLS);
    EXPECT_EQ(MAKELONG(2, 1), info->dwProductVersionMS);
    EXPECT_EQ(0u, info->dwProductVersionLS);
}

TEST_F(VersionResource, NamesTheProductAndItsMaker)
{
    EXPECT_EQ("Folvane", String("FileDescription"));
    EXPECT_EQ("Folvane", String("InternalName"));
    EXPECT_EQ("Folvane", String("ProductName"));
    EXPECT_EQ("Skelvor", String("CompanyName"));
    EXPECT_EQ("1.2.0.0", String("FileVersion"));
    EXPECT_EQ("1.2.0.0", String("ProductVersion"));
}

TEST(Manifest, AsksToRunAsInvoker)
{
    HMODULE exe = LoadLibraryExA(gExePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, exe);
    HRSRC found = FindResourceA(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(nullptr, found);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(exe, found)));
    const std::string manifest(bytes, SizeofResource(exe, found));
    FreeLibrary(exe);
    EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\""));
    EXPECT_NE(std::string::npos, manifest.find("<dpiAware"));
}

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1)
        gExePath = argv[1];
    return RUN_ALL_TESTS();
}
