// The registry file's text: each kind of previous value in the form the
// registry editor imports back to exactly the same type and bytes.
#include "app/RegFileText.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

std::vector<std::uint8_t> Utf16Z(const std::u16string& text)
{
    std::vector<std::uint8_t> bytes;
    for (char16_t c : text + u'\0') {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return bytes;
}

RegFileValue Value(const char* name, std::uint32_t type, std::vector<std::uint8_t> data)
{
    return { name, true, type, std::move(data) };
}

std::u16string Line(const RegFileValue& value)
{
    const std::u16string text = RegFileText({ { "HKEY_CURRENT_USER\\K", { value } } });
    const std::u16string head = u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n";
    EXPECT_EQ(head, text.substr(0, head.size()));
    return text.substr(head.size());
}

TEST(RegFileText, SectionsAndAbsentValues)
{
    const std::u16string text = RegFileText({
        { "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0",
            { Value("SetupPath", 1, Utf16Z(u"C:\\FSX\\")), { "CDPath", false, 0, {} } } },
        { "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0",
            { { "AppPath", false, 0, {} } } },
    });
    EXPECT_EQ(u"Windows Registry Editor Version 5.00\r\n\r\n"
              u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0]\r\n"
              u"\"SetupPath\"=\"C:\\\\FSX\\\\\"\r\n"
              u"\"CDPath\"=-\r\n"
              u"\r\n"
              u"[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0]\r\n"
              u"\"AppPath\"=-\r\n"
              u"\r\n",
        text);
}

TEST(RegFileText, EachTypeKeepsItsBytes)
{
    // Quotes and backslashes escaped; characters beyond Latin-1 kept as they are.
    EXPECT_EQ(u"\"V\"=\"a\\\"b\\\\c \u4e2d\"\r\n\r\n", Line(Value("V", 1, Utf16Z(u"a\"b\\c \u4e2d"))));
    EXPECT_EQ(u"\"V\"=\"\"\r\n\r\n", Line(Value("V", 1, Utf16Z(u""))));
    EXPECT_EQ(u"\"V\"=dword:0000002a\r\n\r\n", Line(Value("V", 4, { 0x2A, 0, 0, 0 })));
    EXPECT_EQ(u"\"V\"=dword:fedcba98\r\n\r\n", Line(Value("V", 4, { 0x98, 0xBA, 0xDC, 0xFE })));
    EXPECT_EQ(u"\"V\"=hex:00,ff,10\r\n\r\n", Line(Value("V", 3, { 0x00, 0xFF, 0x10 })));
    EXPECT_EQ(u"\"V\"=hex(2):25,00,00,00\r\n\r\n", Line(Value("V", 2, { 0x25, 0, 0, 0 })));
    EXPECT_EQ(u"\"V\"=hex(b):01,00,00,00,00,00,00,00\r\n\r\n", Line(Value("V", 11, { 1, 0, 0, 0, 0, 0, 0, 0 })));
    EXPECT_EQ(u"\"V\"=hex(0):\r\n\r\n", Line(Value("V", 0, {})));
    // A DWORD of the wrong size is not a DWORD line.
    EXPECT_EQ(u"\"V\"=hex(4):01,02\r\n\r\n", Line(Value("V", 4, { 1, 2 })));
}

TEST(RegFileText, StringsTheQuotedFormCannotCarryGoAsBytes)
{
    // No final NUL, an odd size, an inner NUL, a line break: hex(1) keeps them exactly.
    EXPECT_EQ(u"\"V\"=hex(1):43,00\r\n\r\n", Line(Value("V", 1, { 'C', 0 })));
    EXPECT_EQ(u"\"V\"=hex(1):43,00,00\r\n\r\n", Line(Value("V", 1, { 'C', 0, 0 })));
    EXPECT_EQ(u"\"V\"=hex(1):41,00,00,00,42,00,00,00\r\n\r\n", Line(Value("V", 1, { 'A', 0, 0, 0, 'B', 0, 0, 0 })));
    EXPECT_EQ(u"\"V\"=hex(1):41,00,0d,00,0a,00,00,00\r\n\r\n", Line(Value("V", 1, Utf16Z(u"A\r\n"))));
    EXPECT_EQ(u"\"V\"=hex(1):\r\n\r\n", Line(Value("V", 1, {})));
}

TEST(RegFileText, FileIsUtf16LittleEndianWithAByteOrderMark)
{
    EXPECT_EQ((std::vector<std::uint8_t> { 0xFF, 0xFE, 'W', 0, 0x2D, 0x4E, '\r', 0, '\n', 0 }),
        Utf16LeFileBytes(u"W\u4e2d\r\n"));
}

} // namespace
} // namespace folvane
