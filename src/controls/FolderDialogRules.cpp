// Browse flags, root identifiers and centring of the folder dialog.
#include "controls/FolderDialogRules.h"

#include <algorithm>
#include <array>

namespace folvane {

namespace {

// Identifiers of the roots before sfoCustom, in ordinal order.
constexpr std::array<int, 45> kFolderIds { 0xFEFE, 0x00, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B,
    0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F, 0x20, 0x21, 0x22,
    0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F, 0x30 };
static_assert(kFolderIds.size() == static_cast<std::size_t>(TShellFolders::sfoCustom));

// Flags of the first seven options, in ordinal order.
constexpr std::array<unsigned, 7> kOptionFlags { 0x0001, 0x0002, 0x0004, 0x0008, 0x1000, 0x2000, 0x4000 };

} // namespace

unsigned BrowseFlags(TBrowseForFolderOptions options)
{
    unsigned flags = 0;
    for (std::size_t i = 0; i < kOptionFlags.size(); ++i)
        if (options & (1u << i))
            flags |= kOptionFlags[i];
    return flags;
}

int ShellFolderId(TShellFolders folder)
{
    const auto index = static_cast<std::size_t>(folder);
    return index < kFolderIds.size() ? kFolderIds[index] : -1;
}

PlacementPoint CenteredPlacement(const PlacementArea& area, int windowWidth, int windowHeight)
{
    return PlacementPoint { std::max(0, area.left + (area.width - windowWidth) / 2),
        std::max(0, area.top + (area.height - windowHeight) / 2) };
}

} // namespace folvane
