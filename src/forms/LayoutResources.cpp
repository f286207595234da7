#include "forms/LayoutResources.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace folvane {

std::span<const std::uint8_t> ResourceData(const char* name)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(10)); // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        throw std::runtime_error(std::string("Missing resource ") + name);
    return { static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found) };
}

void LoadResourceBitmap(TBitmap& target, const char* name)
{
    std::string error;
    if (!target.LoadFromResourceName(GetModuleHandleA(nullptr), name, &error))
        throw std::runtime_error(std::string("Missing bitmap ") + name + ": " + error);
}

} // namespace folvane
