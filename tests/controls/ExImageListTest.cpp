// TExImageList under Wine: streams written by the list read back with the
// same pixels and masks, reading failures, drawing through the mask, and
// the notifications its users rely on.
#include "ControlsTestSupport.h"

#include "controls/ExImageList.h"
#include "toolkit/graphics/Canvas.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using testing::FillSolidList;
using testing::Hex;

// A pattern with every pixel different and a mask band per entry.
ImageListContent Pattern(int width, int height, int count)
{
    ImageListContent content;
    content.width = width;
    content.height = height;
    for (int i = 0; i < count; ++i) {
        ImageListEntry entry;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const bool clear = (x + 2 * y + i) % 7 == 0;
                entry.mask.push_back(clear ? 1 : 0);
                // The list keeps transparent pixels black.
                entry.pixels.push_back(clear ? 0 : (0x102030u * (i + 1) + (x << 16) + (y << 8) + 1) & 0xFFFFFF);
            }
        content.images.push_back(std::move(entry));
    }
    return content;
}

void ExpectSameContent(const ImageListContent& a, const ImageListContent& b)
{
    ASSERT_EQ(a.Count(), b.Count());
    for (int i = 0; i < a.Count(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        EXPECT_EQ(a.images[i].mask, b.images[i].mask);
        for (std::size_t p = 0; p < a.images[i].pixels.size(); ++p)
            ASSERT_EQ(a.images[i].pixels[p] & 0xFFFFFF, b.images[i].pixels[p] & 0xFFFFFF) << p;
    }
}

class ControlsExImageList : public testing::WindowsTest { };

TEST_F(ControlsExImageList, WrittenListReadsBackWithSamePixelsAndMasks)
{
    TExImageList list;
    list.SetSize(30, 22);
    const ImageListContent pattern = Pattern(30, 22, 7);
    list.AddContent(pattern);
    ASSERT_EQ(list.Count(), 7);
    ExpectSameContent(list.Content(), pattern);

    std::vector<std::uint8_t> stream;
    ASSERT_TRUE(list.WriteBitmap(stream));
    ASSERT_FALSE(stream.empty());

    TExImageList back;
    back.SetSize(30, 22);
    FillSolidList(back, { clRed }); // replaced by the read
    back.ReadBitmap(stream);
    ExpectSameContent(back.Content(), pattern);

    std::vector<std::uint8_t> again;
    ASSERT_TRUE(back.WriteBitmap(again));
    EXPECT_EQ(again, stream);
}

std::vector<std::uint8_t> ReadAsset(const std::string& name)
{
    std::vector<std::uint8_t> bytes;
    if (FILE* f = std::fopen((std::string(FOLVANE_ASSET_DIR) + "/" + name).c_str(), "rb")) {
        int c;
        while ((c = std::fgetc(f)) != EOF)
            bytes.push_back(static_cast<std::uint8_t>(c));
        std::fclose(f);
    }
    return bytes;
}

TEST_F(ControlsExImageList, ProgramListsReadWriteAndReadAgain)
{
    struct Stored {
        const char* file;
        int width;
        int height;
    };
    for (const Stored& s : { Stored { "ImgListClose.bin", 30, 22 }, Stored { "ImgListCloseHot.bin", 30, 22 },
             Stored { "ImgListCloseDown.bin", 30, 22 }, Stored { "ImgListMin.bin", 30, 22 },
             Stored { "ImgListMinHot.bin", 30, 22 }, Stored { "ImgListMinDown.bin", 30, 22 },
             Stored { "ImgListCheckBoxes.bin", 16, 18 } }) {
        SCOPED_TRACE(s.file);
        const std::vector<std::uint8_t> stream = ReadAsset(s.file);
        ASSERT_FALSE(stream.empty());
        TExImageList list;
        list.SetSize(s.width, s.height);
        list.ReadBitmap(stream);
        ASSERT_EQ(list.Count(), 7);
        // The same picture as the portable reader's, opaque pixels and masks.
        ImageListContent decoded;
        decoded.width = s.width;
        decoded.height = s.height;
        ASSERT_TRUE(ReadImageListStream(stream, decoded).Ok());
        for (ImageListEntry& e : decoded.images)
            for (std::size_t p = 0; p < e.pixels.size(); ++p)
                if (e.mask[p])
                    e.pixels[p] = 0;
        ExpectSameContent(list.Content(), decoded);
        std::vector<std::uint8_t> written;
        ASSERT_TRUE(list.WriteBitmap(written));
        TExImageList again;
        again.SetSize(s.width, s.height);
        again.ReadBitmap(written);
        ExpectSameContent(again.Content(), list.Content());
    }
}

TEST_F(ControlsExImageList, EmptyListWritesNothingAndBadStreamsFail)
{
    TExImageList list;
    std::vector<std::uint8_t> stream = { 1 };
    EXPECT_FALSE(list.WriteBitmap(stream));
    EXPECT_TRUE(stream.empty());

    // The whole strip is added, then the count cuts it; a strip of another
    // height is tiled.
    TExImageList source;
    source.SetSize(8, 4);
    source.AddContent(Pattern(8, 4, 6));
    ASSERT_TRUE(source.WriteBitmap(stream));
    stream[4] = 5; // N = 5 over a strip of 6
    TExImageList five;
    five.SetSize(8, 4);
    five.ReadBitmap(stream);
    EXPECT_EQ(five.Count(), 5);
    TExImageList tiles;
    tiles.SetSize(8, 2);
    tiles.ReadBitmap(stream);
    EXPECT_EQ(tiles.Count(), 5);

    // A plain stream claiming more entries than it holds.
    std::vector<std::uint8_t> plain = { 2, 0, 0, 0 };
    TBitmap one;
    one.SetPixelFormat(TPixelFormat::pf24bit);
    one.SetSize(8, 4);
    const std::vector<std::uint8_t> bmp = one.SaveToBmpBytes();
    plain.insert(plain.end(), bmp.begin(), bmp.end());
    plain.insert(plain.end(), bmp.begin(), bmp.end());
    one.SetSize(16, 4);
    const std::vector<std::uint8_t> wide = one.SaveToBmpBytes();
    std::vector<std::uint8_t> mismatch = { 1, 0, 0, 0 };
    mismatch.insert(mismatch.end(), wide.begin(), wide.end());
    try {
        five.ReadBitmap(mismatch);
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Failed to load ExImageList");
    }
    EXPECT_EQ(five.Count(), 2); // the entries read stay

    // Cut short: an error, and what was read before stays.
    std::vector<std::uint8_t> cut(stream.begin(), stream.end() - 3);
    EXPECT_THROW(five.ReadBitmap(cut), EReadError);
    EXPECT_EQ(five.Count(), 0);
    EXPECT_NO_THROW(five.ReadBitmap(plain));
    EXPECT_EQ(five.Count(), 2);
}

TEST_F(ControlsExImageList, DrawKeepsTransparentPixelsAndFillsWithBackground)
{
    TExImageList list;
    list.SetSize(4, 3);
    FillSolidList(list, { clRed, clLime });
    TBitmap target(10, 5, TPixelFormat::pf32bit);
    target.Canvas().Brush().SetColor(clBlue);
    target.Canvas().FillRect(RECT { 0, 0, 10, 5 });

    list.Draw(target.Canvas(), 1, 1, 1, true);
    EXPECT_EQ(Hex(target.Pixel(1, 1)), Hex(clBlue)); // the transparent corner
    EXPECT_EQ(Hex(target.Pixel(2, 1)), Hex(clLime));
    EXPECT_EQ(Hex(target.Pixel(4, 3)), Hex(clLime));
    EXPECT_EQ(Hex(target.Pixel(5, 3)), Hex(clBlue));

    list.DrawWithBackground(target.Canvas(), 5, 1, 0, clYellow, true);
    EXPECT_EQ(Hex(target.Pixel(5, 1)), Hex(clYellow));
    EXPECT_EQ(Hex(target.Pixel(6, 1)), Hex(clRed));
}

TEST_F(ControlsExImageList, TellsItsUsersOfChanges)
{
    TExImageList list;
    int changes = 0;
    list.RegisterChanges(&changes, [&] { ++changes; });
    std::vector<std::uint8_t> stream;
    TExImageList source;
    source.AddContent(Pattern(16, 16, 3));
    ASSERT_TRUE(source.WriteBitmap(stream));
    list.ReadBitmap(stream);
    EXPECT_GT(changes, 0);
    const int afterRead = changes;
    list.Delete(0);
    EXPECT_GT(changes, afterRead);
    list.UnRegisterChanges(&changes);

    list.SetDesignPosition(120, -4);
    EXPECT_EQ(list.DesignLeft(), 120);
    EXPECT_EQ(list.DesignTop(), -4);
    EXPECT_EQ(static_cast<std::uint32_t>(list.DesignInfo()), 0xFFFC0078u);
}

} // namespace
} // namespace folvane
