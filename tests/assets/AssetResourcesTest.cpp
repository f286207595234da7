// The pictures as Folvane.exe carries them: every resource found by name in
// the built program (loaded as a data file, as a second process would see it),
// read back both by Windows itself and by the program's own readers.
#include "controls/ImageListStream.h"
#include "skin/GzipMember.h"
#include "skin/SkinElementFile.h"
#include "support/MemorySkinFileSystem.h"
#include "toolkit/graphics/BmpFile.h"

#include <windows.h>

#include <gdiplus.h>
#include <objidl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace folvane {
namespace {

// Folvane.exe lies in bin/ of the same build tree: tests/assets/<test>.exe.
std::wstring ProgramPath()
{
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    for (int up = 0; up < 3; ++up)
        path.resize(path.find_last_of(L"\\/"));
    return path + L"\\bin\\Folvane.exe";
}

class FolvaneResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() { module_ = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE); }
    static void TearDownTestSuite()
    {
        if (module_)
            FreeLibrary(module_);
        module_ = nullptr;
    }
    void SetUp() override { ASSERT_NE(module_, nullptr) << "cannot load Folvane.exe as a data file"; }

    static std::vector<std::uint8_t> Data(const char* name, LPCSTR type)
    {
        HRSRC found = FindResourceA(module_, name, type);
        if (!found)
            return {};
        HGLOBAL loaded = LoadResource(module_, found);
        const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
        return std::vector<std::uint8_t>(bytes, bytes + SizeofResource(module_, found));
    }

    // A bitmap resource is a file image without its 14-byte file header; a
    // packed one (BMPGZ) the whole file image, gzip-compressed.
    static BmpImage Bitmap(const char* name)
    {
        BmpImage image;
        std::string error;
        if (const std::vector<std::uint8_t> packed = Data(name, "BMPGZ"); !packed.empty()) {
            std::vector<std::uint8_t> file;
            EXPECT_TRUE(InflateGzipMember(packed, file, 1u << 20, &error)) << name << ": " << error;
            EXPECT_TRUE(ParseBmpFile(file, image, nullptr, &error)) << name << ": " << error;
            return image;
        }
        std::vector<std::uint8_t> dib = Data(name, MAKEINTRESOURCEA(2)); // RT_BITMAP
        if (dib.size() < sizeof(BITMAPINFOHEADER))
            return image;
        BITMAPINFOHEADER info;
        std::memcpy(&info, dib.data(), sizeof info);
        const DWORD colours = info.biClrUsed ? info.biClrUsed : info.biBitCount <= 8 ? 1u << info.biBitCount : 0;
        const DWORD offBits = 14 + info.biSize + colours * 4;
        std::vector<std::uint8_t> file = { 'B', 'M' };
        const DWORD fields[3] = { static_cast<DWORD>(14 + dib.size()), 0, offBits };
        file.insert(file.end(), reinterpret_cast<const std::uint8_t*>(fields),
            reinterpret_cast<const std::uint8_t*>(fields) + 12);
        file.insert(file.end(), dib.begin(), dib.end());
        EXPECT_TRUE(ParseBmpFile(file, image, nullptr, &error)) << name << ": " << error;
        return image;
    }

    static HMODULE module_;
};

HMODULE FolvaneResources::module_ = nullptr;

std::uint32_t At(const BmpImage& image, int x, int y)
{
    return image.pixels[static_cast<std::size_t>(y * image.width + x)] & 0xFFFFFF;
}

enum class Key { none, corners, topLeftOfSlices, bottomLeftOfSlices };

struct ExpectedBitmap {
    const char* name;
    int width;
    int height;
    int bits; // 0: any
    int slices;
    Key key;
    std::uint32_t keyColour;
};

constexpr std::uint32_t kFaceKey = 0xFF07FF;
constexpr std::uint32_t kMagenta = 0xFF00FF;

const ExpectedBitmap kBitmaps[] = {
    { "MAINFACE", 620, 470, 8, 1, Key::corners, kFaceKey },
    { "DIALOGFACE", 440, 190, 0, 1, Key::corners, kFaceKey },
    { "FRAME460", 460, 64, 0, 1, Key::none, 0 },
    { "FRAME305", 305, 64, 0, 1, Key::none, 0 },
    { "FRAME150", 150, 64, 0, 1, Key::none, 0 },
    { "FRAME269", 269, 64, 0, 1, Key::none, 0 },
    { "FRAME186", 186, 64, 0, 1, Key::none, 0 },
    { "GLYPH_GETPATH", 16, 16, 0, 1, Key::corners, kMagenta },
    { "GLYPH_SETPATH", 16, 16, 0, 1, Key::corners, kMagenta },
    { "GLYPH_SEARCHREG", 16, 16, 0, 1, Key::corners, kMagenta },
    { "FOLDERBUTTON", 13, 12, 4, 1, Key::corners, kMagenta },
    { "EXFOLDERNAMEEDITBUTTON", 13, 11, 4, 1, Key::corners, kMagenta },
    { "ICON_WEBSITE", 16, 16, 0, 1, Key::corners, kMagenta },
    { "ICON_ABOUT", 16, 16, 0, 1, Key::corners, kMagenta },
    { "MENUICONS", 96, 16, 0, 6, Key::bottomLeftOfSlices, kMagenta },
    { "STATUSICONS", 72, 24, 0, 3, Key::bottomLeftOfSlices, kMagenta },
    { "PEARL_BUTTON", 222, 21, 0, 3, Key::topLeftOfSlices, kMagenta },
    { "FROST_BUTTON", 54, 21, 0, 3, Key::none, 0 },
    { "MARINE_BUTTON", 252, 23, 0, 3, Key::none, 0 },
    { "CORAL_BUTTON", 222, 21, 0, 3, Key::none, 0 },
    { "GLASS_BUTTON", 231, 27, 0, 3, Key::topLeftOfSlices, kMagenta },
    { "PEARL_TAB", 0, 0, 0, 2, Key::topLeftOfSlices, kMagenta },
    { "FROST_TAB", 0, 0, 0, 2, Key::topLeftOfSlices, kMagenta },
    { "MARINE_TAB", 0, 0, 0, 2, Key::topLeftOfSlices, kMagenta },
    { "CORAL_TAB", 0, 0, 0, 2, Key::topLeftOfSlices, kMagenta },
    { "GLASS_TAB", 0, 0, 0, 2, Key::topLeftOfSlices, kMagenta },
    { "PEARL_TAB_LINE", 0, 0, 0, 1, Key::none, 0 },
    { "FROST_TAB_LINE", 0, 0, 0, 1, Key::none, 0 },
    { "MARINE_TAB_LINE", 0, 0, 0, 1, Key::none, 0 },
    { "CORAL_TAB_LINE", 0, 0, 0, 1, Key::none, 0 },
    { "GLASS_TAB_LINE", 0, 0, 0, 1, Key::none, 0 },
    { "PEARL_SCROLLBUTTON", 0, 0, 0, 4, Key::bottomLeftOfSlices, kMagenta },
    { "FROST_SCROLLBUTTON", 0, 0, 0, 4, Key::bottomLeftOfSlices, kMagenta },
    { "MORE_SCROLLBUTTON", 0, 0, 0, 4, Key::bottomLeftOfSlices, kMagenta },
    { "MENU_CHECKED", 16, 16, 0, 1, Key::corners, 0xFFFFFF },
    { "PEARL_MENU_BAR", 0, 20, 0, 1, Key::none, 0 },
    { "PEARL_MENU_SELECT", 0, 20, 0, 1, Key::none, 0 },
};

TEST_F(FolvaneResources, BitmapsHaveTheirSizeDepthSlicesAndKeys)
{
    for (const ExpectedBitmap& expected : kBitmaps) {
        SCOPED_TRACE(expected.name);
        const BmpImage image = Bitmap(expected.name);
        ASSERT_GT(image.width, 0) << "missing";
        if (expected.width) {
            EXPECT_EQ(image.width, expected.width);
        }
        if (expected.height) {
            EXPECT_EQ(image.height, expected.height);
        }
        if (expected.bits) {
            EXPECT_EQ(image.bitsPerPixel, expected.bits);
        }
        // Tabs are cut into two slices of three cells each.
        const int cells
            = std::strstr(expected.name, "_TAB") && !std::strstr(expected.name, "LINE") ? 6 : expected.slices;
        EXPECT_EQ(image.width % cells, 0);
        const int slice = image.width / expected.slices;
        switch (expected.key) {
        case Key::none:
            break;
        case Key::corners:
            EXPECT_EQ(At(image, 0, 0), expected.keyColour);
            EXPECT_EQ(At(image, image.width - 1, 0), expected.keyColour);
            EXPECT_EQ(At(image, 0, image.height - 1), expected.keyColour);
            EXPECT_EQ(At(image, image.width - 1, image.height - 1), expected.keyColour);
            break;
        case Key::topLeftOfSlices:
        case Key::bottomLeftOfSlices:
            for (int i = 0; i < expected.slices; ++i)
                EXPECT_EQ(At(image, i * slice, expected.key == Key::topLeftOfSlices ? 0 : image.height - 1),
                    expected.keyColour)
                    << "slice " << i;
            break;
        }
    }
}

TEST_F(FolvaneResources, WindowsLoadsABitmapAtItsStoredDepth)
{
    // The 8-bit faces are packed; their depth is checked with the other bitmaps.
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(module_, "FOLDERBUTTON", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION dib {};
    ASSERT_EQ(GetObjectA(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 4);
    DeleteObject(bitmap);
}

TEST_F(FolvaneResources, ImageListStreamsReadBackToSevenImagesOfTheirSize)
{
    const std::pair<const char*, std::pair<int, int>> lists[] = {
        { "IMGLIST_MIN", { 30, 22 } },
        { "IMGLIST_MINHOT", { 30, 22 } },
        { "IMGLIST_MINDOWN", { 30, 22 } },
        { "IMGLIST_CLOSE", { 30, 22 } },
        { "IMGLIST_CLOSEHOT", { 30, 22 } },
        { "IMGLIST_CLOSEDOWN", { 30, 22 } },
        { "IMGLIST_CHECKBOXES", { 16, 18 } },
    };
    for (const auto& [name, size] : lists) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> stream = Data(name, MAKEINTRESOURCEA(10)); // RT_RCDATA
        ASSERT_FALSE(stream.empty());
        ImageListContent list;
        list.width = size.first;
        list.height = size.second;
        const ImageListResult result = ReadImageListStream(stream, list);
        ASSERT_TRUE(result.Ok()) << result.message;
        ASSERT_EQ(list.Count(), 7);
        for (const ImageListEntry& entry : list.images) {
            EXPECT_EQ(entry.pixels.size(), static_cast<std::size_t>(size.first * size.second));
            EXPECT_EQ(entry.mask.size(), entry.pixels.size());
        }
    }
}

TEST_F(FolvaneResources, CogIsA48PixelPngWithAlphaThatGdiPlusDecodes)
{
    const std::vector<std::uint8_t> png = Data("COG", MAKEINTRESOURCEA(10));
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
    EXPECT_EQ(png[24], 8); // bits per channel
    EXPECT_EQ(png[25], 6); // RGBA

    using namespace Gdiplus::DllExports;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, png.size());
    std::memcpy(GlobalLock(memory), png.data(), png.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(memory, TRUE, &stream), S_OK);
    Gdiplus::GpBitmap* bitmap = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromStream(stream, &bitmap), Gdiplus::Ok);
    UINT width = 0, height = 0;
    GdipGetImageWidth(bitmap, &width);
    GdipGetImageHeight(bitmap, &height);
    EXPECT_EQ(width, 48u);
    EXPECT_EQ(height, 48u);
    Gdiplus::ARGB corner = 0, centreOfRim = 0, hole = 0;
    GdipBitmapGetPixel(bitmap, 0, 0, &corner);
    GdipBitmapGetPixel(bitmap, 24, 9, &centreOfRim);
    GdipBitmapGetPixel(bitmap, 24, 24, &hole);
    EXPECT_EQ(corner >> 24, 0u) << "outside the cog is transparent";
    EXPECT_EQ(centreOfRim >> 24, 255u) << "the cog itself is opaque";
    EXPECT_EQ(hole >> 24, 0u) << "the axle hole shows what lies behind";
    GdipDisposeImage(bitmap);
    stream->Release();
    Gdiplus::GdiplusShutdown(token);
}

TEST_F(FolvaneResources, ApplicationIconHasThreeSizes)
{
    const std::vector<std::uint8_t> group = Data("MAINICON", MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u + 3 * 14u);
    EXPECT_EQ(group[2], 1); // icons, not cursors
    ASSERT_EQ(group[4], 3);
    for (int i = 0; i < 3; ++i) {
        const std::uint8_t* entry = &group[6 + 14 * static_cast<std::size_t>(i)];
        EXPECT_EQ(entry[0], i == 0 ? 16 : i == 1 ? 32 : 48) << i;
        EXPECT_EQ(entry[6], 32) << "bits per pixel of entry " << i;
    }
    for (int side : { 16, 32, 48 }) {
        HICON icon = static_cast<HICON>(LoadImageA(module_, "MAINICON", IMAGE_ICON, side, side, 0));
        ASSERT_NE(icon, nullptr) << side;
        ICONINFO info {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour {};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, side);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST_F(FolvaneResources, SkinArchiveReadsThroughTheProgramsReader)
{
    const std::vector<std::uint8_t> archive = Data("SKINDATA", MAKEINTRESOURCEA(10));
    ASSERT_GT(archive.size(), 22u);
    EXPECT_EQ(std::memcmp(archive.data(), "SK\x03\x04", 4), 0);
    MemorySkinFileSystem files;
    files.Put("skin.skn", archive);
    SkinElementTable table;
    ASSERT_TRUE(LoadSkinArchive(files, "skin.skn", "", table));
    const auto* button = table.BitmapData("SKIN2_BUTTON");
    ASSERT_NE(button, nullptr);
    BmpImage image;
    ASSERT_TRUE(ParseBmpFile(*button, image));
    EXPECT_EQ(image.width % 3, 0) << "three slices: normal, hot, pressed";
    const auto* tab = table.BitmapData("SKIN2_TABCONTROL");
    ASSERT_NE(tab, nullptr);
    ASSERT_TRUE(ParseBmpFile(*tab, image));
    EXPECT_EQ(image.width % 6, 0) << "two slices of three cells";
    EXPECT_NE(table.BitmapData("SKIN2_TABCONTROLLINE"), nullptr);
    EXPECT_NE(table.BitmapData("SKIN2_SCROLLBUTTON"), nullptr);
    EXPECT_TRUE(table.Flag("SKIN2_BUTTONTRANS"));
    EXPECT_NE(table.Integer("SKIN2_CONTROLBORDERCOLOR"), -1);
}

} // namespace
} // namespace folvane
