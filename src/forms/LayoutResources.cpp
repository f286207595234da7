// The program's embedded artwork as the layouts read it, packed pictures unpacked on the way.
#include "forms/LayoutResources.h"

#include "skin/GzipMember.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace folvane {

namespace {

// The largest picture the build packs is well under this; anything announcing
// more is damaged.
constexpr std::size_t kMaxPackedBitmap = 16u << 20;

std::span<const std::uint8_t> FindData(const char* name, LPCSTR type)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name, type);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    return { static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found) };
}

} // namespace

std::span<const std::uint8_t> ResourceData(const char* name)
{
    const auto bytes = FindData(name, MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (bytes.empty())
        throw std::runtime_error(std::string("Missing resource ") + name);
    return bytes;
}

void LoadPackedBitmap(TBitmap& target, std::span<const std::uint8_t> member, const char* name)
{
    std::vector<std::uint8_t> file;
    std::string error;
    if (!InflateGzipMember(member, file, kMaxPackedBitmap, &error) || !target.LoadFromBmpBytes(file, &error))
        throw std::runtime_error(std::string("Damaged bitmap ") + name + ": " + error);
}

void LoadResourceBitmap(TBitmap& target, const char* name)
{
    if (const auto packed = FindData(name, kPackedBitmapType); !packed.empty())
        return LoadPackedBitmap(target, packed, name);
    std::string error;
    if (!target.LoadFromResourceName(GetModuleHandleA(nullptr), name, &error))
        throw std::runtime_error(std::string("Missing bitmap ") + name + ": " + error);
}

} // namespace folvane
