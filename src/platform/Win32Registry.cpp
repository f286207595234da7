// The registry seam over advapi32: keys opened, created and closed, strings and stored values.
#include "platform/Win32Registry.h"

#include <windows.h>

namespace folvane {

namespace {

HKEY RootKey(RegistryRoot root)
{
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

HKEY ToHkey(RegistryKey key)
{
    return reinterpret_cast<HKEY>(key);
}

} // namespace

long Win32Registry::OpenKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key)
{
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(RootKey(root), path.c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS)
        key = reinterpret_cast<RegistryKey>(opened);
    return status;
}

long Win32Registry::CreateKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key)
{
    HKEY created = nullptr;
    DWORD disposition = 0;
    const LONG status = RegCreateKeyExA(
        RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &created, &disposition);
    if (status == ERROR_SUCCESS)
        key = reinterpret_cast<RegistryKey>(created);
    return status;
}

long Win32Registry::QueryValue(
    RegistryKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data, std::uint32_t* size)
{
    DWORD valueType = REG_NONE;
    DWORD valueSize = size ? *size : 0;
    const LONG status = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType, data, &valueSize);
    if (type)
        *type = valueType;
    if (size)
        *size = valueSize;
    return status;
}

long Win32Registry::SetValue(
    RegistryKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data, std::uint32_t size)
{
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, size);
}

long Win32Registry::QueryStoredValue(RegistryKey key, const std::string& name, RegistryValue& value)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return ERROR_INVALID_PARAMETER;
    std::wstring wideName(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wideName.data(), length);

    DWORD size = 0;
    DWORD type = REG_NONE;
    LONG status = RegQueryValueExW(ToHkey(key), wideName.c_str(), nullptr, &type, nullptr, &size);
    // The value may grow between the two queries; ask again a few times.
    for (int attempt = 0; status == ERROR_SUCCESS && attempt < 4; ++attempt) {
        if (size > kMaxRegistryStringBytes)
            return ERROR_MORE_DATA;
        value.data.assign(size, 0);
        DWORD got = size;
        status = RegQueryValueExW(ToHkey(key), wideName.c_str(), nullptr, &type, value.data.data(), &got);
        if (status == ERROR_SUCCESS) {
            value.type = type;
            value.data.resize(got);
            return ERROR_SUCCESS;
        }
        if (status == ERROR_MORE_DATA) {
            size = got;
            status = ERROR_SUCCESS;
        }
    }
    return status == ERROR_SUCCESS ? ERROR_MORE_DATA : status;
}

void Win32Registry::CloseKey(RegistryKey key)
{
    RegCloseKey(ToHkey(key));
}

} // namespace folvane
