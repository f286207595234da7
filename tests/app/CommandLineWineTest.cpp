// The command-line splitter against the system's own CommandLineToArgvW.
#include "app/CommandLine.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

namespace folvane {
namespace {

TEST(CommandLineWine, SplitsAsCommandLineToArgvW)
{
    for (const wchar_t* line : { L"f", L"\"C:\\Program Files\\f.exe\" /set \"C:\\a b\\\\\"", L"f a\\\\\\b d\"e f\"g h",
             L"f a\\\\\\\"b c d", L"f a\\\\\\\\\"b c\" d e", L"f \"\"\t x", L"f \"a\"\"\"b\"", L"f a\"b\"\"\" c",
             L"f \"C:\\My FSX ", L"f \"\"\"\"\"\" x", L"f a\"\"b", L"\"C:\\x\\\"a", L"f \\\\\"\\\"\" y ",
             L"f /set \"C:\\Program Files\\FSX\\\\\" /cdrom e: /currentuser" }) {
        int count = 0;
        LPWSTR* expected = CommandLineToArgvW(line, &count);
        ASSERT_NE(nullptr, expected);
        std::vector<std::u16string> want;
        for (int i = 1; i < count; ++i)
            want.emplace_back(reinterpret_cast<const char16_t*>(expected[i]));
        LocalFree(expected);
        EXPECT_EQ(want, SplitCommandLine(reinterpret_cast<const char16_t*>(line)))
            << "line: " << ::testing::PrintToString(std::wstring(line));
    }
}

} // namespace
} // namespace folvane
