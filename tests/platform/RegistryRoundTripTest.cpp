// A string value written and read back through the ANSI registry entry points
// of the real (Wine) registry. With --keep the value stays for an outside check.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace {

const char kText[] = "C:\\Program Files\\Microsoft Games\\FSX\\";
bool gKeep = false;

// The outside check runs beside this test, so it uses a key of its own.
std::string KeyPath()
{
    return gKeep ? "Software\\Folvane Tests\\Outside" : "Software\\Folvane Tests\\Harness";
}

std::string QueryString(HKEY key, const char* name, DWORD* type)
{
    char data[512] = {};
    DWORD size = sizeof data - 1;
    if (RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
        return "<missing>";
    return std::string(data, strnlen(data, size));
}

TEST(RegistryRoundTrip, StringValueComesBackAsWritten)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(ERROR_SUCCESS,
        RegCreateKeyExA(
            HKEY_CURRENT_USER, KeyPath().c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, &disposition));
    ASSERT_EQ(ERROR_SUCCESS,
        RegSetValueExA(
            key, "Greeting", 0, REG_SZ, reinterpret_cast<const BYTE*>(kText), static_cast<DWORD>(sizeof kText)));
    RegCloseKey(key);

    // Reopen so that the value is read from the registry, not from this handle.
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath().c_str(), 0, KEY_READ, &key));
    DWORD type = 0;
    EXPECT_EQ(kText, QueryString(key, "Greeting", &type));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ("<missing>", QueryString(key, "NoSuchValue", &type));
    RegCloseKey(key);

    if (!gKeep) {
        EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_CURRENT_USER, KeyPath().c_str()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
        gKeep = gKeep || std::strcmp(argv[i], "--keep") == 0;
    return RUN_ALL_TESTS();
}
