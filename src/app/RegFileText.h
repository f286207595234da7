// The text of a registry file in the registry editor's own format
// ("Windows Registry Editor Version 5.00"), which the editor imports on a
// double-click: one section per key, one line per value with its type and
// data exactly as stored, and "Name"=- for a value to be deleted. It only
// builds text and bytes; reading the registry and writing the file are the
// caller's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace folvane {

struct RegFileValue {
    std::string name; // ASCII
    bool present = false; // false: the line deletes the value
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data; // as stored; strings in UTF-16LE
};

struct RegFileSection {
    std::string keyPath; // ASCII, the root spelled out, no trailing backslash
    std::vector<RegFileValue> values;
};

// CR LF line breaks; a blank line after the header and after each section.
std::u16string RegFileText(const std::vector<RegFileSection>& sections);

// The bytes of the file: the UTF-16LE byte-order mark, then the text.
std::vector<std::uint8_t> Utf16LeFileBytes(const std::u16string& text);

} // namespace folvane
