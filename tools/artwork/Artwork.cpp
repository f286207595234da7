// The asset set: every picture converted to its stored format and named for
// the resource script.
#include "Artwork.h"
#include "Formats.h"
#include "Paint.h"
#include "SkinArchive.h"
#include "controls/ImageListStream.h"

#include <stdexcept>

namespace folvane {

namespace {

// Where keyed glyphs are expected to be drawn; anti-aliased edges are mixed
// with these colours instead of the key.
constexpr Argb kButtonFace = Rgb(0xE9F1FB); // middle of the theme's button face
constexpr Argb kSystemFace = Rgb(0xE6E3DE); // between the usual system button faces
constexpr Argb kMenuBar = Rgb(0xD6D3CE); // the popup menus' icon bar
constexpr Argb kDialogPanel = Rgb(0xF8FAFD);

std::uint32_t ToColorValue(Argb rgb) // 0x00BBGGRR as the program stores colours
{
    return static_cast<std::uint32_t>(BlueOf(rgb) << 16 | GreenOf(rgb) << 8 | RedOf(rgb));
}

Raster PreviewOf(const BmpImage& image)
{
    Raster r(image.width, image.height);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            r.SetPixel(x, y, 0xFF000000u | image.pixels[static_cast<std::size_t>(y * image.width + x)]);
    return r;
}

Raster Copy(const Raster& source)
{
    Raster r(source.Width(), source.Height());
    r.Paste(source, 0, 0);
    return r;
}

// Small glyphs are drawn by controls that take their transparent colour from
// one corner or another; all four corners are kept clear for any of them.
Raster ClearCorners(Raster picture)
{
    const int w = picture.Width() - 1;
    const int h = picture.Height() - 1;
    for (const auto& [x, y] : { std::pair { 0, 0 }, { w, 0 }, { 0, h }, { w, h } })
        picture.SetPixel(x, y, 0);
    return picture;
}

// Pictures of one size side by side.
template <typename Draw> Raster Strip(int count, int width, int height, Draw draw)
{
    Raster strip(width * count, height);
    for (int i = 0; i < count; ++i)
        strip.Paste(draw(i), i * width, 0);
    return strip;
}

class Builder {
public:
    void Bitmap(const std::string& file, const std::string& resource, const BmpImage& image,
        ResourceType type = ResourceType::bitmap)
    {
        std::vector<std::uint8_t> bytes = EncodeBmpFile(image);
        if (bytes.empty())
            throw std::runtime_error("cannot encode " + file);
        set_.previews.push_back({ resource, PreviewOf(image) });
        Add(file, resource, type, std::move(bytes));
    }

    void Keyed(
        const std::string& file, const std::string& resource, const Raster& picture, Argb matte, int minAlpha = 64)
    {
        Bitmap(file, resource, ToBmp24(picture, { ink::magenta, matte, minAlpha }));
    }

    void Opaque(const std::string& file, const std::string& resource, const Raster& picture)
    {
        Bitmap(file, resource, ToBmp24(picture, { std::nullopt, ink::white, 0 }));
    }

    void ImageList(const std::string& file, const std::string& resource, const Raster& strip, int count, Argb matte)
    {
        const BmpImage image = ToBmp32(strip, { std::nullopt, matte, 0 });
        const BmpImage mask = ToMask(strip, 128);
        std::vector<std::uint8_t> bytes;
        const ImageListResult result = WriteImageListStrips(count, image, mask, bytes);
        if (!result.Ok())
            throw std::runtime_error("cannot write image list " + file + ": " + result.message);
        // The preview shows what the list draws: the image where the mask is opaque.
        Raster shown(strip.Width(), strip.Height());
        for (int y = 0; y < strip.Height(); ++y)
            for (int x = 0; x < strip.Width(); ++x) {
                const std::size_t i = static_cast<std::size_t>(y * strip.Width() + x);
                shown.SetPixel(x, y, mask.indices[i] ? 0 : 0xFF000000u | image.pixels[i]);
            }
        set_.previews.push_back({ resource, std::move(shown) });
        Add(file, resource, ResourceType::rcdata, std::move(bytes));
    }

    void Data(const std::string& file, const std::string& resource, ResourceType type, std::vector<std::uint8_t> bytes,
        Raster preview)
    {
        set_.previews.push_back({ resource, std::move(preview) });
        Add(file, resource, type, std::move(bytes));
    }

    void Add(const std::string& file, const std::string& resource, ResourceType type, std::vector<std::uint8_t> bytes)
    {
        set_.assets.push_back({ file, resource, type, std::move(bytes) });
    }

    ArtworkSet Take() { return std::move(set_); }

private:
    ArtworkSet set_;
};

BmpImage SkinBitmap(const Raster& picture, bool keyed, Argb matte)
{
    return keyed ? ToBmp24(picture, { ink::magenta, matte, 96 }) : ToBmp24(picture, { std::nullopt, matte, 0 });
}

std::vector<std::uint8_t> ThemeArchive(Builder& builder)
{
    SkinElementFile elements;
    auto bitmap = [&](const char* name, const BmpImage& image) {
        elements.AddBitmap(name, EncodeBmpFile(image));
        builder.Bitmap("", std::string("skin: ") + name, image);
    };
    bitmap("SKIN2_BUTTON", SkinBitmap(DrawSkinButton(Look::theme), true, LookMatte(Look::theme)));
    bitmap("SKIN2_TABCONTROL", SkinBitmap(DrawSkinTab(Look::theme), true, LookBody(Look::theme)));
    bitmap("SKIN2_TABCONTROLLINE", SkinBitmap(DrawSkinTabLine(Look::theme), false, ink::white));
    bitmap("SKIN2_SCROLLBUTTON", SkinBitmap(DrawSkinScrollButton(Look::theme), true, LookBody(Look::theme)));
    bitmap("SKIN2_CHECKEDMENUICON", SkinBitmap(DrawMenuChecked(), false, ink::white));

    const std::pair<const char*, Argb> colours[] = {
        { "SKIN2_TRANSCOLOR", Rgb(0xFF00FF) },
        { "SKIN2_TITLEFONTCOLOR", Rgb(0xFFFFFF) },
        { "SKIN2_FORMCOLOR", Rgb(0xFFFFFF) },
        { "SKIN2_MENUBARSTARTCOLOR", Rgb(0xF2F7FD) },
        { "SKIN2_MENUBARENDCOLOR", Rgb(0xDCE8F8) },
        { "SKIN2_TOPSELECTEDMENUCOLOR", Rgb(0xC9DCF6) },
        { "SKIN2_TOPSELECTEDMENUBORDERCOLOR", Rgb(0x3F74D0) },
        { "SKIN2_TOPSELECTEDMENUFONTCOLOR", Rgb(0x1E2E6E) },
        { "SKIN2_TOPMENUFONTCOLOR", Rgb(0x000000) },
        { "SKIN2_LEFTBARSTARTCOLOR", Rgb(0xEAF1FB) },
        { "SKIN2_LEFTBARENDCOLOR", Rgb(0xC9DAF1) },
        { "SKIN2_MENUITEMCOLOR", Rgb(0xFFFFFF) },
        { "SKIN2_MENUITEMFONTCOLOR", Rgb(0x000000) },
        { "SKIN2_SELECTEDMENUCOLOR", Rgb(0xD5E4F8) },
        { "SKIN2_SELECTEDMENUBORDERCOLOR", Rgb(0x3F74D0) },
        { "SKIN2_SELECTEDMENUFONTCOLOR", Rgb(0x000000) },
        { "SKIN2_TOOLBARSTARTCOLOR", Rgb(0xF2F7FD) },
        { "SKIN2_TOOLBARENDCOLOR", Rgb(0xD3E2F6) },
        { "SKIN2_TOOLBARONCOLOR", Rgb(0xC9DCF6) },
        { "SKIN2_TOOLBARBORDERCOLOR", Rgb(0x6E8EC6) },
        { "SKIN2_TOOLBARDOWNCOLOR", Rgb(0xB5CAEA) },
        { "SKIN2_CONTROLCOLOR", Rgb(0xFFFFFF) },
        { "SKIN2_CONTROLBORDERCOLOR", LookBorder(Look::theme) },
        { "SKIN2_CONTROLFONTCOLOR", Rgb(0x000000) },
        { "SKIN2_BUTTONFONTCOLOR", Rgb(0x1E2E6E) },
        { "SKIN2_SCROLLBARCOLOR", Rgb(0xE9F0FA) },
        { "SKIN2_TABCONTROLCOLOR", Rgb(0xFFFFFF) },
        { "SKIN2_TABCONTROLBORDERCOLOR", LookBorder(Look::theme) },
        { "SKIN2_TABCONTROLACTIVEFONTCOLOR", Rgb(0x1E2E6E) },
        { "SKIN2_TABCONTROLINACTIVEFONTCOLOR", Rgb(0x4A5A7A) },
        { "SKIN2_SIDECHANNELCOLOR", Rgb(0xE9F0FA) },
        { "SKIN2_SIDECHANNELBORDERCOLOR", LookBorder(Look::theme) },
    };
    for (const auto& [name, colour] : colours)
        elements.AddInteger(name, static_cast<std::int32_t>(ToColorValue(colour)));

    const std::pair<const char*, bool> flags[] = {
        { "SKIN2_TITLEFIVESECT", false },
        { "SKIN2_BOTTOMBORDERTHREESECT", false },
        { "SKIN2_TITLEBARNEEDREGION", false },
        { "SKIN2_BOTTOMBORDERNEEDREGION", false },
        { "SKIN2_TITLEBTNTRANS", true },
        { "SKIN2_BUTTONTRANS", true },
        { "SKIN2_CHECKBOXTRANS", true },
        { "SKIN2_RADIOBUTTONTRANS", true },
        { "SKIN2_TABCONTROLTRANS", true },
    };
    for (const auto& [name, value] : flags)
        elements.AddFlag(name, value);
    elements.AddString("SKIN2_SKINNAME", "Folvane Blue");
    return WriteSkinArchive("SKINDATA.SK2", elements.Bytes());
}

const char* StyleName(Look look)
{
    switch (look) {
    case Look::pearl:
        return "PEARL";
    case Look::frost:
        return "FROST";
    case Look::marine:
        return "MARINE";
    case Look::coral:
        return "CORAL";
    case Look::glass:
        return "GLASS";
    case Look::theme:
        break;
    }
    return "THEME";
}

std::string Camel(const std::string& upper)
{
    std::string out;
    bool start = true;
    for (char c : upper) {
        if (c == '_') {
            start = true;
            continue;
        }
        out += start ? c : static_cast<char>(c - 'A' + 'a');
        start = false;
    }
    return out;
}

std::string ResourceScript(const std::vector<Asset>& assets)
{
    std::string rc = "// Pictures of the program, drawn by tools/artwork and embedded under stable names.\n"
                     "// Generated by tools/artwork; edit the drawing code, not this file.\n"
                     "// A .gz file is the build's gzip copy of the file of that name without .gz.\n\n";
    for (const Asset& asset : assets) {
        if (asset.type == ResourceType::none || asset.resource.empty())
            continue;
        const bool packed = asset.type == ResourceType::packedBitmap;
        const char* type = asset.type == ResourceType::bitmap ? "BITMAP"
            : packed                                          ? "BMPGZ"
            : asset.type == ResourceType::icon                ? "ICON"
                                                              : "RCDATA";
        rc += asset.resource + " " + type + " \"" + asset.file + (packed ? ".gz" : "") + "\"\n";
    }
    return rc;
}

} // namespace

ArtworkSet BuildArtwork()
{
    Builder b;

    // Window faces, cut along their key colour, and the group frames: together
    // most of the program file unless packed.
    constexpr ResourceType packed = ResourceType::packedBitmap;
    b.Bitmap("MainFace.bmp", "MAINFACE", ToBmpIndexed(DrawMainFace(), 8, { ink::faceKey, std::nullopt, 128 }), packed);
    b.Bitmap(
        "DialogFace.bmp", "DIALOGFACE", ToBmpIndexed(DrawDialogFace(), 8, { ink::faceKey, std::nullopt, 128 }), packed);

    for (int width : { 460, 305, 150, 269, 186 }) {
        const std::string w = std::to_string(width);
        b.Bitmap("Frame" + w + ".bmp", "FRAME" + w, ToBmp24(DrawFrame(width), { std::nullopt, ink::page, 0 }), packed);
    }

    b.Keyed("GlyphGetPath.bmp", "GLYPH_GETPATH", ClearCorners(DrawButtonGlyph(ButtonGlyph::getPath)), kButtonFace);
    b.Keyed("GlyphSetPath.bmp", "GLYPH_SETPATH", ClearCorners(DrawButtonGlyph(ButtonGlyph::setPath)), kButtonFace);
    b.Keyed(
        "GlyphSearchReg.bmp", "GLYPH_SEARCHREG", ClearCorners(DrawButtonGlyph(ButtonGlyph::searchReg)), kButtonFace);
    b.Bitmap("FolderButton.bmp", "FOLDERBUTTON",
        ToBmpIndexed(ClearCorners(DrawFolderArrowGlyph()), 4, { ink::magenta, kSystemFace, 72 }));
    b.Bitmap("ExFolderNameEditButton.bmp", "EXFOLDERNAMEEDITBUTTON",
        ToBmpIndexed(ClearCorners(DrawFolderGlyph()), 4, { ink::magenta, kSystemFace, 72 }));

    b.Keyed("IconWebsite.bmp", "ICON_WEBSITE", ClearCorners(DrawWebsiteIcon()), ink::white);
    b.Keyed("IconAbout.bmp", "ICON_ABOUT", ClearCorners(DrawAboutIcon()), ink::white);
    b.Keyed("MenuIcons.bmp", "MENUICONS", Strip(6, 16, 16, DrawMenuIcon), kMenuBar);
    b.Keyed("StatusIcons.bmp", "STATUSICONS", Strip(3, 24, 24, DrawStatusIcon), kDialogPanel);

    Raster cog = DrawCog(48);
    b.Data("Cog.png", "COG", ResourceType::rcdata, EncodePng(cog), Copy(cog));

    // Title band lists: each holds the seven glyphs in one state.
    const TitleGlyph minOrder[7] = { TitleGlyph::minimise, TitleGlyph::maximise, TitleGlyph::restore, TitleGlyph::help,
        TitleGlyph::rollUp, TitleGlyph::rollDown, TitleGlyph::close };
    const TitleGlyph closeOrder[7] = { TitleGlyph::close, TitleGlyph::minimise, TitleGlyph::maximise,
        TitleGlyph::restore, TitleGlyph::help, TitleGlyph::rollUp, TitleGlyph::rollDown };
    const std::pair<const char*, TitleState> states[3]
        = { { "", TitleState::normal }, { "Hot", TitleState::hot }, { "Down", TitleState::down } };
    for (const auto& [family, order] : { std::pair { "Min", minOrder }, std::pair { "Close", closeOrder } }) {
        for (const auto& [suffix, state] : states) {
            const std::string name = std::string("ImgList") + family + suffix;
            std::string resource = "IMGLIST_" + std::string(family) + suffix;
            for (char& c : resource)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            const TitleState s = state;
            const TitleGlyph* glyphs = order;
            b.ImageList(name + ".bin", resource, Strip(7, 30, 22, [&](int i) { return DrawTitleButton(glyphs[i], s); }),
                7, ink::navy);
        }
    }
    b.ImageList("ImgListCheckBoxes.bin", "IMGLIST_CHECKBOXES", Strip(7, 16, 18, DrawCheckBoxImage), 7, ink::white);

    std::vector<std::uint8_t> skin = ThemeArchive(b);
    b.Add("Skin.skn", "SKINDATA", ResourceType::rcdata, std::move(skin));

    // Built-in styles.
    for (Look look : { Look::pearl, Look::frost, Look::marine, Look::coral, Look::glass }) {
        const std::string prefix = StyleName(look);
        const Argb body = LookBody(look);
        auto add = [&](const std::string& suffix, const BmpImage& image) {
            b.Bitmap(Camel(prefix + "_" + suffix) + ".bmp", prefix + "_" + suffix, image);
        };
        add("BUTTON", SkinBitmap(DrawSkinButton(look), LookTransparent(look), LookMatte(look)));
        add("TAB", SkinBitmap(DrawSkinTab(look), true, body));
        add("TAB_LINE", SkinBitmap(DrawSkinTabLine(look), false, body));
        if (look == Look::pearl || look == Look::frost)
            add("SCROLLBUTTON", SkinBitmap(DrawSkinScrollButton(look), true, body));
    }
    b.Bitmap("MoreScrollbutton.bmp", "MORE_SCROLLBUTTON",
        SkinBitmap(DrawSkinScrollButton(Look::marine), true, LookBody(Look::marine)));
    b.Opaque("MenuChecked.bmp", "MENU_CHECKED", DrawMenuChecked());
    b.Opaque("PearlMenuBar.bmp", "PEARL_MENU_BAR", DrawPearlMenuBar());
    b.Opaque("PearlMenuSelect.bmp", "PEARL_MENU_SELECT", DrawPearlMenuSelect());

    Raster icon16 = DrawAppIcon(16);
    Raster icon32 = DrawAppIcon(32);
    Raster icon48 = DrawAppIcon(48);
    b.Data("Folvane.ico", "MAINICON", ResourceType::icon, EncodeIco({ &icon16, &icon32, &icon48 }), Copy(icon48));
    b.Data("", "icon 32", ResourceType::none, {}, Copy(icon32));
    b.Data("", "icon 16", ResourceType::none, {}, Copy(icon16));

    ArtworkSet set = b.Take();
    // Previews without a file (skin elements, extra icon sizes) are not assets.
    std::erase_if(set.assets, [](const Asset& a) { return a.file.empty(); });
    const std::string rc = ResourceScript(set.assets);
    set.assets.push_back({ "Assets.rc", "", ResourceType::none, std::vector<std::uint8_t>(rc.begin(), rc.end()) });
    return set;
}

} // namespace folvane
