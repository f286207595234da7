// Rules of the folder dialog that do not touch the platform: the browse
// options and the flags they become, the root folders and their shell
// identifiers, and where a centred dialog window goes.
#pragma once

#include <cstdint>

namespace folvane {

enum class TBrowseForFolderOption {
    bfoFileSysDirsOnly,
    bfoDontGoBelowDomain,
    bfoStatusText,
    bfoFileSysAncestors,
    bfoBrowseForComputer,
    bfBrowseForPrinter,
    bfoBrowseIncludeFiles,
    bfoShowPath,
    bfoNewDialogStyle
};
// A set of options: bit n for the option of ordinal n.
using TBrowseForFolderOptions = unsigned;
constexpr TBrowseForFolderOptions OptionBit(TBrowseForFolderOption option)
{
    return 1u << static_cast<unsigned>(option);
}
constexpr bool HasOption(TBrowseForFolderOptions options, TBrowseForFolderOption option)
{
    return (options & OptionBit(option)) != 0;
}

// The browse call's flags: only the first seven options have one; the path
// is shown as status text instead, and the classic dialog style is kept.
unsigned BrowseFlags(TBrowseForFolderOptions options);

// In the order of the stored ordinals.
enum class TShellFolders {
    sfoDesktopExpanded,
    sfoDesktop,
    sfoPrograms,
    sfoControlPanel,
    sfoPrinters,
    sfoPersonal,
    sfoFavorites,
    sfoStartup,
    sfoRecent,
    sfoSendto,
    sfoRecycleBin,
    sfoStartMenu,
    sfoDesktopDirectory,
    sfoMyComputer,
    sfoNetwork,
    sfoNetworkNeighborhood,
    sfoFonts,
    sfoTemplates,
    sfoCommonStartMenu,
    sfoCommonPrograms,
    sfoCommonStartup,
    sfoCommonDesktopDirectory,
    sfoAppData,
    sfoPrintHood,
    sfoLocalAppData,
    sfoAltStartUp,
    sfoCommonAltStartUp,
    sfoCommonFavorites,
    sfoInternetCache,
    sfoCookies,
    sfoHistory,
    sfoCommonAppData,
    sfoWindows,
    sfoSystem,
    sfoProgramFiles,
    sfoMyPictures,
    sfoProfile,
    sfoSystemX86,
    sfoProgramFilesX86,
    sfoProgramFilesCommon,
    sfoProgramFilesCommonX86,
    sfoCommonTemplates,
    sfoCommonDocuments,
    sfoCommonAdminTools,
    sfoAdminTools,
    sfoCustom
};

// The special-folder identifier of a root; -1 for sfoCustom (a path).
// sfoDesktopExpanded is 0xFEFE, which the shell does not know: no root, so
// the whole namespace shows and expands to the initial selection.
int ShellFolderId(TShellFolders folder);

enum class TFolderDialogPosition {
    fdpDefault,
    fdpScreenCenter,
    fdpDesktopCenter,
    fdpMainFormCenter,
    fdpOwnerFormCenter
};

struct PlacementArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PlacementPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PlacementPoint&) const = default;
};

// Top-left corner of a window centred over the area, never above or left
// of 0.
PlacementPoint CenteredPlacement(const PlacementArea& area, int windowWidth, int windowHeight);

} // namespace folvane
