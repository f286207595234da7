// The packed pictures as the layouts load them, against the BMP files they
// were packed from; and damaged packed bytes refused as a broken build.
#include "forms/LayoutResources.h"
#include "support/ProgramAssets.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace folvane {
namespace {

std::span<const std::uint8_t> PackedResource(const char* name)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name, kPackedBitmapType);
    if (!found)
        return {};
    return { static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found))),
        SizeofResource(module, found) };
}

const std::pair<const char*, const char*> kPacked[] = {
    { "MAINFACE", "MainFace.bmp" },
    { "DIALOGFACE", "DialogFace.bmp" },
    { "FRAME460", "Frame460.bmp" },
    { "FRAME305", "Frame305.bmp" },
    { "FRAME150", "Frame150.bmp" },
    { "FRAME269", "Frame269.bmp" },
    { "FRAME186", "Frame186.bmp" },
};

TEST(LayoutResources, PackedPicturesLoadExactlyAsTheirBmpFiles)
{
    for (const auto& [name, file] : kPacked) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> original = test::ReadProgramAsset(file);
        ASSERT_GT(original.size(), 54u);
        const auto packed = PackedResource(name);
        ASSERT_FALSE(packed.empty()) << "stored as a plain bitmap";
        EXPECT_LT(packed.size() * 10, original.size());

        TBitmap expected, loaded;
        ASSERT_TRUE(expected.LoadFromBmpBytes(original));
        ASSERT_NO_THROW(LoadResourceBitmap(loaded, name));
        EXPECT_EQ(loaded.Width(), expected.Width());
        EXPECT_EQ(loaded.Height(), expected.Height());
        EXPECT_EQ(loaded.BitsPerPixel(), original[28]); // the file's own depth, palette and all
        EXPECT_EQ(loaded.Palette(), expected.Palette());
        EXPECT_EQ(loaded.SaveToBmpBytes(), expected.SaveToBmpBytes());
    }
}

TEST(LayoutResources, DamagedOrMissingPicturesThrow)
{
    const auto packed = PackedResource("FRAME150");
    ASSERT_FALSE(packed.empty());
    std::vector<std::uint8_t> flipped(packed.begin(), packed.end());
    flipped[flipped.size() / 2] ^= 0x10;
    const std::vector<std::uint8_t> cut(packed.begin(), packed.end() - 1);
    TBitmap bitmap;
    EXPECT_THROW(LoadPackedBitmap(bitmap, flipped, "FRAME150"), std::runtime_error);
    EXPECT_THROW(LoadPackedBitmap(bitmap, cut, "FRAME150"), std::runtime_error);
    EXPECT_THROW(LoadResourceBitmap(bitmap, "NOSUCHPICTURE"), std::runtime_error);
    EXPECT_EQ(bitmap.Width(), 0);
    ASSERT_NO_THROW(LoadPackedBitmap(bitmap, packed, "FRAME150"));
    EXPECT_EQ(bitmap.Width(), 150);
}

} // namespace
} // namespace folvane
