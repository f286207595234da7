// The program's pictures, drawn from code, and the set of files they become.
//
// Each Draw... function returns the picture at its exact stored size with
// alpha; BuildArtwork() turns them into the files under assets/ (BMP of the
// stated depths, PNG, image-list streams, the skin archive, the icon) and the
// resource script that embeds them. Nothing here reads files.
#pragma once

#include "Raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace folvane {

// ---------------------------------------------------------------- pictures

Raster DrawMainFace(); // 620 x 470, key colour outside the frame
Raster DrawDialogFace(); // 440 x 190
Raster DrawFrame(int width); // width x 64 group frame on the page colour

enum class ButtonGlyph { getPath, setPath, searchReg };
Raster DrawButtonGlyph(ButtonGlyph which); // 16 x 16
Raster DrawFolderArrowGlyph(); // 13 x 12
Raster DrawFolderGlyph(); // 13 x 11
Raster DrawWebsiteIcon(); // 16 x 16
Raster DrawAboutIcon(); // 16 x 16
Raster DrawMenuIcon(int index); // 16 x 16, six of them
Raster DrawStatusIcon(int index); // 24 x 24: checking, found, not found
Raster DrawCog(int size); // silver cog with alpha
Raster DrawAppIcon(int size);

enum class TitleGlyph { minimise, maximise, restore, help, rollUp, rollDown, close };
enum class TitleState { normal, hot, down };
Raster DrawTitleButton(TitleGlyph glyph, TitleState state); // 30 x 22
Raster DrawCheckBoxImage(int index); // 16 x 18, seven of them

// ---------------------------------------------------------------- skin looks

// One look of the skinned controls: button faces (3 slices), tabs (2 slices of
// three cells), the tab line, scroll buttons (4 slices) and menu pictures.
enum class Look { theme, pearl, frost, marine, coral, glass };
Raster DrawSkinButton(Look look); // three slices side by side
Raster DrawSkinTab(Look look); // active and inactive
Raster DrawSkinTabLine(Look look);
Raster DrawSkinScrollButton(Look look); // right, right hot, left, left hot
bool LookTransparent(Look look); // button corners are keyed
Argb LookMatte(Look look); // the colour expected behind keyed corners
Argb LookBody(Look look); // page control body
Argb LookBorder(Look look); // page control border
Raster DrawMenuChecked(); // 16 x 16 on white
Raster DrawPearlMenuBar(); // 8 x 20
Raster DrawPearlMenuSelect(); // 8 x 20

// ---------------------------------------------------------------- the set

// packedBitmap: a BMP file the build embeds gzip-compressed (file + ".gz", type
// BMPGZ) and the layouts unpack; for the large, flat pictures.
enum class ResourceType { bitmap, packedBitmap, rcdata, icon, none };

struct Asset {
    std::string file; // inside assets/
    std::string resource; // resource name, empty for files that are not embedded
    ResourceType type = ResourceType::none;
    std::vector<std::uint8_t> bytes;
};

struct Preview {
    std::string label;
    Raster picture;
};

struct ArtworkSet {
    std::vector<Asset> assets;
    std::vector<Preview> previews; // what the files hold, for the contact sheet
};

ArtworkSet BuildArtwork();

// The main window as the controls would compose it, text included: for
// review only, never stored.
Raster DrawMockup();

// Review sheet: every preview enlarged and labelled, as PNG.
std::vector<std::uint8_t> DrawContactSheet(const std::vector<Preview>& previews);

} // namespace folvane
