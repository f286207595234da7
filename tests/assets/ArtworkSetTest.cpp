// Properties of the drawn set that the program relies on and that no single
// writer test sees: keys that the cut-out and the masks find, slice layouts
// the skinned controls can cut, image lists whose states differ, a theme
// archive holding what the controls read, and a resource script that names
// every file once.
#include "Artwork.h"
#include "Paint.h"
#include "assets/ArtworkTestSupport.h"
#include "controls/ImageListStream.h"
#include "skin/SkinElementFile.h"
#include "support/MemorySkinFileSystem.h"
#include "toolkit/graphics/BmpFile.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace folvane {
namespace {

const ArtworkSet& Set()
{
    static const ArtworkSet set = BuildArtwork();
    return set;
}

const Asset& Find(const std::string& file)
{
    for (const Asset& a : Set().assets)
        if (a.file == file)
            return a;
    throw std::runtime_error("no asset " + file);
}

BmpImage Bmp(const std::string& file)
{
    BmpImage image;
    std::string error;
    EXPECT_TRUE(ParseBmpFile(Find(file).bytes, image, nullptr, &error)) << file << ": " << error;
    return image;
}

std::uint32_t At(const BmpImage& image, int x, int y)
{
    return image.pixels[static_cast<std::size_t>(y * image.width + x)] & 0xFFFFFF;
}

// A colour an eye reads as a blend of the key into the picture: strong red and
// blue with weak green. Such pixels survive an exact-match cut as a pink fringe.
bool Pinkish(std::uint32_t rgb)
{
    const int r = static_cast<int>(rgb >> 16 & 0xFF), g = static_cast<int>(rgb >> 8 & 0xFF),
              b = static_cast<int>(rgb & 0xFF);
    return r > 160 && b > 160 && g < std::min(r, b) - 60;
}

void ExpectCleanKey(const std::string& file, std::uint32_t key, bool cornersKeyed)
{
    const BmpImage image = Bmp(file);
    ASSERT_GT(image.width, 0) << file;
    int keyed = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = At(image, x, y);
            if (p == key)
                ++keyed;
            else
                EXPECT_FALSE(Pinkish(p)) << file << " (" << x << ", " << y << ") = " << std::hex << p;
        }
    EXPECT_GT(keyed, 0) << file;
    if (cornersKeyed) {
        EXPECT_EQ(At(image, 0, 0), key) << file;
        EXPECT_EQ(At(image, image.width - 1, 0), key) << file;
        EXPECT_EQ(At(image, 0, image.height - 1), key) << file;
        EXPECT_EQ(At(image, image.width - 1, image.height - 1), key) << file;
    }
}

TEST(ArtworkSet, FacesAreCutByTheirKeyWithoutFringe)
{
    for (const char* face : { "MainFace.bmp", "DialogFace.bmp" }) {
        const BmpImage image = Bmp(face);
        EXPECT_EQ(image.bitsPerPixel, 8) << face;
        ASSERT_FALSE(image.palette.empty());
        EXPECT_EQ(image.palette[0], 0xFF07FFu) << face;
        ExpectCleanKey(face, 0xFF07FF, true);
        // The cut keeps the window whole: every row has opaque pixels and the
        // middle row is opaque edge to edge.
        for (int y = 0; y < image.height; ++y) {
            int opaque = 0;
            for (int x = 0; x < image.width; ++x)
                opaque += At(image, x, y) != 0xFF07FF;
            EXPECT_GT(opaque, image.width / 2) << face << " row " << y;
        }
        for (int x = 0; x < image.width; ++x)
            EXPECT_NE(At(image, x, image.height / 2), 0xFF07FFu) << face;
    }
}

TEST(ArtworkSet, TitleButtonAreaOfTheMainFaceIsTheBandColour)
{
    // The graphic buttons fill their 34 x 34 squares with RGB 27 37 7F; the
    // face under them must be that colour or the squares show.
    const BmpImage face = Bmp("MainFace.bmp");
    for (int y = 6; y < 40; ++y)
        for (int x = 535; x < 601; ++x)
            ASSERT_EQ(At(face, x, y), 0x27377Fu) << x << ", " << y;
}

TEST(ArtworkSet, GlyphsAreKeyedAtEveryCorner)
{
    for (const char* file : { "GlyphGetPath.bmp", "GlyphSetPath.bmp", "GlyphSearchReg.bmp", "IconWebsite.bmp",
             "IconAbout.bmp", "FolderButton.bmp", "ExFolderNameEditButton.bmp" })
        ExpectCleanKey(file, 0xFF00FF, true);
    for (const char* file : { "MenuIcons.bmp", "StatusIcons.bmp" })
        ExpectCleanKey(file, 0xFF00FF, false);
}

TEST(ArtworkSet, StyleImagesCutIntoTheirSlices)
{
    for (const char* style : { "Pearl", "Frost", "Marine", "Coral", "Glass" }) {
        const std::string s = style;
        const BmpImage button = Bmp(s + "Button.bmp");
        EXPECT_EQ(button.width % 3, 0) << s;
        const BmpImage tab = Bmp(s + "Tab.bmp");
        EXPECT_EQ(tab.width % 6, 0) << s << ": two tabs of three cells";
        EXPECT_EQ(At(tab, 0, 0), 0xFF00FFu) << s << ": tabs are keyed by their top-left pixel";
        const BmpImage line = Bmp(s + "TabLine.bmp");
        EXPECT_GT(line.height, 0);
        // Transparent styles key their corners; opaque ones must not show magenta.
        const bool keyed = s == "Pearl" || s == "Glass";
        EXPECT_EQ(At(button, 0, 0) == 0xFF00FF, keyed) << s;
    }
    for (const char* file : { "PearlScrollbutton.bmp", "FrostScrollbutton.bmp", "MoreScrollbutton.bmp" }) {
        const BmpImage scroll = Bmp(file);
        EXPECT_EQ(scroll.width % 4, 0) << file;
        for (int slice = 0; slice < 4; ++slice)
            EXPECT_EQ(At(scroll, slice * scroll.width / 4, scroll.height - 1), 0xFF00FFu)
                << file << ": keyed by the bottom-left pixel of each slice";
    }
}

TEST(ArtworkSet, ImageListsHoldSevenDistinctImagesPerState)
{
    const std::map<std::string, std::pair<int, int>> lists
        = { { "ImgListMin.bin", { 30, 22 } }, { "ImgListMinHot.bin", { 30, 22 } }, { "ImgListMinDown.bin", { 30, 22 } },
              { "ImgListClose.bin", { 30, 22 } }, { "ImgListCloseHot.bin", { 30, 22 } },
              { "ImgListCloseDown.bin", { 30, 22 } }, { "ImgListCheckBoxes.bin", { 16, 18 } } };
    std::map<std::string, ImageListContent> read;
    for (const auto& [file, size] : lists) {
        ImageListContent list;
        list.width = size.first;
        list.height = size.second;
        const ImageListResult result = ReadImageListStream(Find(file).bytes, list);
        ASSERT_TRUE(result.Ok()) << file << ": " << result.message;
        ASSERT_EQ(list.Count(), 7) << file;
        const ImageListEntry& first = list.images[0];
        EXPECT_EQ(first.mask[0], 1) << file << ": corner transparent";
        EXPECT_EQ(first.mask[static_cast<std::size_t>(size.second / 2 * size.first + size.first / 2)], 0) << file;
        read[file] = std::move(list);
    }
    // Normal, hot and pressed must look different, or the buttons do not react.
    for (const char* family : { "Min", "Close" }) {
        const std::string f = std::string("ImgList") + family;
        EXPECT_NE(read[f + ".bin"].images[0].pixels, read[f + "Hot.bin"].images[0].pixels) << f;
        EXPECT_NE(read[f + ".bin"].images[0].pixels, read[f + "Down.bin"].images[0].pixels) << f;
        EXPECT_NE(read[f + "Hot.bin"].images[0].pixels, read[f + "Down.bin"].images[0].pixels) << f;
    }
    EXPECT_NE(read["ImgListMin.bin"].images[0].pixels, read["ImgListClose.bin"].images[0].pixels);
    // The check box shows images 0 to 5; each state must be recognisable.
    const auto& boxes = read["ImgListCheckBoxes.bin"].images;
    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j)
            EXPECT_NE(boxes[static_cast<std::size_t>(i)].pixels, boxes[static_cast<std::size_t>(j)].pixels)
                << i << " vs " << j;
}

TEST(ArtworkSet, ThemeArchiveHoldsWhatTheSkinnedControlsRead)
{
    const std::vector<std::uint8_t>& zip = Find("Skin.skn").bytes;
    ASSERT_GT(zip.size(), 30u);
    const std::size_t dir = Get32(zip, zip.size() - 22 + 16);
    const std::size_t local = Get32(zip, dir + 42);
    const std::size_t data = local + 30 + Get16(zip, local + 26) + Get16(zip, local + 28);
    const std::vector<std::uint8_t> member = InflateRaw(zip.data() + data, Get32(zip, dir + 20), Get32(zip, dir + 24));
    ASSERT_EQ(member.size(), Get32(zip, dir + 24));
    std::vector<int> kinds;
    const auto elements = Elements(member, &kinds);
    std::map<std::string, std::pair<int, std::vector<std::uint8_t>>> byName;
    for (std::size_t i = 0; i < elements.size(); ++i)
        byName.emplace(elements[i].first, std::pair { kinds[i], elements[i].second });
    auto bitmap = [&](const char* name) {
        BmpImage image;
        const auto found = byName.find(name);
        EXPECT_TRUE(found != byName.end() && found->second.first == 0) << name;
        if (found != byName.end()) {
            EXPECT_TRUE(ParseBmpFile(found->second.second, image)) << name;
        }
        return image;
    };
    const BmpImage button = bitmap("SKIN2_BUTTON");
    EXPECT_EQ(button.width % 3, 0);
    EXPECT_LE(button.width / 3, 100) << "corners are half a slice; wider slices cut the 100-pixel buttons' corners";
    const BmpImage tab = bitmap("SKIN2_TABCONTROL");
    EXPECT_EQ(tab.width % 6, 0);
    const BmpImage line = bitmap("SKIN2_TABCONTROLLINE");
    // The main window's pages start 26 pixels into the page control: strip + 3.
    EXPECT_EQ(tab.height + line.height, 23);
    EXPECT_EQ(bitmap("SKIN2_SCROLLBUTTON").width % 4, 0);
    for (const char* colour : { "SKIN2_BUTTONFONTCOLOR", "SKIN2_TABCONTROLACTIVEFONTCOLOR",
             "SKIN2_TABCONTROLINACTIVEFONTCOLOR", "SKIN2_FORMCOLOR", "SKIN2_CONTROLBORDERCOLOR",
             "SKIN2_LEFTBARSTARTCOLOR", "SKIN2_LEFTBARENDCOLOR", "SKIN2_MENUITEMCOLOR", "SKIN2_MENUITEMFONTCOLOR",
             "SKIN2_SELECTEDMENUCOLOR", "SKIN2_SELECTEDMENUBORDERCOLOR", "SKIN2_SELECTEDMENUFONTCOLOR" }) {
        const auto found = byName.find(colour);
        ASSERT_TRUE(found != byName.end()) << colour;
        EXPECT_EQ(found->second.first, 1) << colour;
        ASSERT_EQ(found->second.second.size(), 4u) << colour;
        EXPECT_EQ(found->second.second[3], 0) << colour << ": a 0x00BBGGRR value";
    }
    for (const char* flag : { "SKIN2_BUTTONTRANS", "SKIN2_TABCONTROLTRANS" }) {
        const auto found = byName.find(flag);
        ASSERT_TRUE(found != byName.end()) << flag;
        EXPECT_EQ(found->second.first, 2) << flag;
        EXPECT_EQ(found->second.second, std::vector<std::uint8_t> { 1 }) << flag;
    }
}

TEST(ArtworkSet, ThemeArchiveLoadsThroughTheProgramsReader)
{
    MemorySkinFileSystem files;
    files.Put("fsx.skn", Find("Skin.skn").bytes);
    SkinElementTable table;
    ASSERT_TRUE(LoadSkinArchive(files, "fsx.skn", "", table));
    EXPECT_EQ(files.FileCount(), 1u) << "the extracted element file is deleted";
    for (const char* name : { "SKIN2_BUTTON", "SKIN2_TABCONTROL", "SKIN2_TABCONTROLLINE", "SKIN2_SCROLLBUTTON" }) {
        const auto* data = table.BitmapData(name);
        ASSERT_NE(data, nullptr) << name;
        BmpImage image;
        EXPECT_TRUE(ParseBmpFile(*data, image)) << name;
    }
    EXPECT_EQ(table.Integer("SKIN2_FORMCOLOR"), 0xFFFFFF);
    EXPECT_GE(table.Integer("SKIN2_BUTTONFONTCOLOR"), 0);
    EXPECT_TRUE(table.Flag("SKIN2_BUTTONTRANS"));
    EXPECT_EQ(table.Integer("SKIN2_NOSUCHELEMENT"), -1);
}

TEST(ArtworkSet, ResourceScriptNamesEveryEmbeddedFileOnce)
{
    const Asset& rc = Find("Assets.rc");
    const std::string script(rc.bytes.begin(), rc.bytes.end());
    std::set<std::string> files, names;
    for (const Asset& a : Set().assets) {
        EXPECT_TRUE(files.insert(a.file).second) << a.file;
        if (a.file == "Assets.rc")
            continue;
        EXPECT_TRUE(names.insert(a.resource).second) << a.resource;
        const std::string line = "\n" + a.resource + " ";
        const std::size_t at = script.find(line);
        ASSERT_NE(at, std::string::npos) << a.resource;
        EXPECT_EQ(script.find(line, at + 1), std::string::npos) << a.resource;
        const std::string stored = a.type == ResourceType::packedBitmap ? a.file + ".gz" : a.file;
        EXPECT_NE(script.find("\"" + stored + "\"", at), std::string::npos) << a.file;
    }
    EXPECT_TRUE(names.count("EXFOLDERNAMEEDITBUTTON"));
    EXPECT_TRUE(names.count("MORE_SCROLLBUTTON"));
}

} // namespace
} // namespace folvane
