// String reads and writes over the registry seam, and the registry error.
#include "platform/Registry.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace folvane {

RegistryError RegistryError::GetDataFailed(const std::string& valueName)
{
    return RegistryError("Failed to get data for '" + valueName + "'");
}

RegistryError RegistryError::SetDataFailed(const std::string& valueName)
{
    return RegistryError("Failed to set data for '" + valueName + "'");
}

RegistryError RegistryError::InvalidDataType(const std::string& valueName)
{
    return RegistryError("Invalid data type for '" + valueName + "'");
}

std::string ReadRegistryString(Registry& registry, RegistryKey key, const std::string& name)
{
    std::uint32_t type = reg::kTypeNone;
    std::uint32_t size = 0;
    if (registry.QueryValue(key, name, &type, nullptr, &size) != reg::kSuccess || size == 0)
        return {};
    if (size > kMaxRegistryStringBytes)
        throw RegistryError::GetDataFailed(name);

    std::vector<std::uint8_t> buffer(size);
    std::uint32_t got = size;
    // A value that grew since the first query fails here with "more data"
    // instead of being read past the buffer.
    if (registry.QueryValue(key, name, &type, buffer.data(), &got) != reg::kSuccess)
        throw RegistryError::GetDataFailed(name);
    if (type != reg::kTypeSz && type != reg::kTypeExpandSz)
        throw RegistryError::InvalidDataType(name);

    // The value may have shrunk, and stored data need not end in a NUL.
    const std::size_t length = std::min<std::size_t>(got, buffer.size());
    const auto* begin = reinterpret_cast<const char*>(buffer.data());
    const auto* nul = static_cast<const char*>(std::memchr(begin, 0, length));
    return std::string(begin, nul ? static_cast<std::size_t>(nul - begin) : length);
}

void WriteRegistryString(Registry& registry, RegistryKey key, const std::string& name, const std::string& text)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.c_str());
    if (registry.SetValue(key, name, reg::kTypeSz, bytes, static_cast<std::uint32_t>(text.size() + 1)) != reg::kSuccess)
        throw RegistryError::SetDataFailed(name);
}

ScopedRegistryKey::~ScopedRegistryKey()
{
    Close();
}

bool ScopedRegistryKey::Open(RegistryRoot root, const std::string& path, std::uint32_t access)
{
    Close();
    status_ = registry_.OpenKey(root, path, access, key_);
    open_ = status_ == reg::kSuccess;
    return open_;
}

bool ScopedRegistryKey::Create(RegistryRoot root, const std::string& path, std::uint32_t access)
{
    Close();
    status_ = registry_.CreateKey(root, path, access, key_);
    open_ = status_ == reg::kSuccess;
    return open_;
}

void ScopedRegistryKey::Close()
{
    if (open_)
        registry_.CloseKey(key_);
    open_ = false;
    key_ = 0;
}

} // namespace folvane
