// Registry file text in the registry editor's format: sections, quoted and hex values, deletions.
#include "app/RegFileText.h"

namespace folvane {

namespace {

constexpr char16_t kHeader[] = u"Windows Registry Editor Version 5.00";
constexpr char16_t kNewLine[] = u"\r\n";
constexpr std::uint32_t kTypeSz = 1;
constexpr std::uint32_t kTypeBinary = 3;
constexpr std::uint32_t kTypeDword = 4;

std::u16string Widen(const std::string& ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

std::u16string Hex(std::uint32_t number, int minDigits)
{
    constexpr char16_t kDigits[] = u"0123456789abcdef";
    char16_t digits[8];
    int count = 0;
    do {
        digits[7 - count++] = kDigits[number & 0xF];
        number >>= 4;
    } while (number != 0 || count < minDigits);
    return std::u16string(digits + 8 - count, digits + 8);
}

std::u16string Quoted(const std::u16string& text)
{
    std::u16string out = u"\"";
    for (char16_t c : text) {
        if (c == u'\\' || c == u'"')
            out += u'\\';
        out += c;
    }
    return out + u'"';
}

// The UTF-16 text of REG_SZ data when the quoted form gives back exactly
// these bytes: one final NUL, no other NUL, and no line break that the
// editor would read as the end of the line.
bool QuotableString(const std::vector<std::uint8_t>& data, std::u16string& text)
{
    if (data.size() < 2 || data.size() % 2 != 0)
        return false;
    text.clear();
    for (std::size_t i = 0; i + 2 < data.size(); i += 2) {
        const auto c = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (c == 0 || c == u'\r' || c == u'\n')
            return false;
        text += c;
    }
    return data[data.size() - 2] == 0 && data[data.size() - 1] == 0;
}

std::u16string HexBytes(const std::vector<std::uint8_t>& data)
{
    std::u16string out;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (i != 0)
            out += u',';
        out += Hex(data[i], 2);
    }
    return out;
}

std::u16string DataText(const RegFileValue& value)
{
    if (!value.present)
        return u"-";
    std::u16string text;
    if (value.type == kTypeSz && QuotableString(value.data, text))
        return Quoted(text);
    if (value.type == kTypeDword && value.data.size() == 4) {
        const std::uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16)
            | (static_cast<std::uint32_t>(value.data[3]) << 24);
        return std::u16string(u"dword:").append(Hex(number, 8));
    }
    // Every other type, and data the forms above cannot carry exactly.
    std::u16string hex
        = value.type == kTypeBinary ? u"hex:" : std::u16string(u"hex(").append(Hex(value.type, 1)).append(u"):");
    return hex.append(HexBytes(value.data));
}

} // namespace

std::u16string RegFileText(const std::vector<RegFileSection>& sections)
{
    std::u16string text = std::u16string(kHeader) + kNewLine + kNewLine;
    for (const RegFileSection& section : sections) {
        // Appended piece by piece: "literal" + string trips a false -Wrestrict of GCC 12.
        text += u'[';
        text += Widen(section.keyPath);
        text += u']';
        text += kNewLine;
        for (const RegFileValue& value : section.values) {
            text += Quoted(Widen(value.name));
            text += u'=';
            text += DataText(value);
            text += kNewLine;
        }
        text += kNewLine;
    }
    return text;
}

std::vector<std::uint8_t> Utf16LeFileBytes(const std::u16string& text)
{
    std::vector<std::uint8_t> bytes { 0xFF, 0xFE };
    bytes.reserve(2 + text.size() * 2);
    for (char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return bytes;
}

} // namespace folvane
