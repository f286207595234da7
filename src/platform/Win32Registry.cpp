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

bool Win32Registry::OpenKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(RootKey(root), path.c_str(), 0, access, &opened) != ERROR_SUCCESS)
        return false;
    key = reinterpret_cast<RegistryKey>(opened);
    return true;
}

bool Win32Registry::CreateKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key)
{
    HKEY created = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(
            RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &created, &disposition)
        != ERROR_SUCCESS)
        return false;
    key = reinterpret_cast<RegistryKey>(created);
    return true;
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

void Win32Registry::CloseKey(RegistryKey key)
{
    RegCloseKey(ToHkey(key));
}

} // namespace folvane
