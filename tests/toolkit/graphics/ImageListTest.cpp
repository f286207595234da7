// TImageList over Wine's comctl32: adding strips with masks, drawing through
// the mask, the greyed look, reading images back, observers and free
// notification.
#include "GraphicsTestUtil.h"

#include "toolkit/graphics/ImageList.h"

namespace folvane {
namespace {

using testing::CountColor;
using testing::Fill;
using testing::SaveForReview;

// A strip of `count` 4x3 images; image i is filled with colours[i] and has a
// fuchsia (transparent) left column.
void MakeStrip(TBitmap& strip, TBitmap& mask, int count, const TColor* colours)
{
    Fill(strip, 4 * count, 3, clBlack);
    mask.SetPixelFormat(TPixelFormat::pf1bit);
    mask.SetSize(4 * count, 3);
    for (int i = 0; i < count; ++i)
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x) {
                const bool clear = x == 0;
                strip.SetPixel(4 * i + x, y, clear ? clFuchsia : colours[i]);
                mask.SetPixel(4 * i + x, y, clear ? clWhite : clBlack);
            }
}

TEST(ImageList, AddCutsStripsAndDrawHonoursTheMask)
{
    TImageList list;
    EXPECT_EQ(list.Width(), 16);
    list.SetSize(4, 3);
    const TColor colours[] = { clRed, clGreen, clBlue };
    TBitmap strip, mask;
    MakeStrip(strip, mask, 3, colours);
    EXPECT_EQ(list.Add(strip, &mask), 0);
    EXPECT_EQ(list.Count(), 3);
    // The caller's bitmap is untouched by the blackening of clear pixels.
    EXPECT_EQ(strip.Pixel(0, 0), clFuchsia);

    TBitmap target;
    Fill(target, 10, 10, clYellow);
    list.Draw(target.Canvas(), 2, 2, 1);
    EXPECT_EQ(CountColor(target, clGreen), 9);
    EXPECT_EQ(target.Pixel(2, 2), clYellow); // clear column
    EXPECT_EQ(target.Pixel(3, 2), clGreen);
    EXPECT_EQ(target.Pixel(5, 4), clGreen);
    EXPECT_EQ(target.Pixel(6, 2), clYellow);
    EXPECT_EQ(CountColor(target, clFuchsia) + CountColor(target, clBlack), 0);

    // With a background colour the clear pixels take it.
    list.DrawWithBackground(target.Canvas(), 0, 6, 2, clWhite);
    EXPECT_EQ(target.Pixel(0, 6), clWhite);
    EXPECT_EQ(target.Pixel(1, 6), clBlue);
    list.DrawWithBackground(target.Canvas(), 6, 6, 2, clNone);
    EXPECT_EQ(target.Pixel(6, 6), clYellow);

    // Indexes out of range draw nothing; bitmaps smaller than an image are refused.
    Fill(target, 10, 10, clYellow);
    list.Draw(target.Canvas(), 0, 0, 3);
    list.Draw(target.Canvas(), 0, 0, -1);
    EXPECT_EQ(CountColor(target, clYellow), 100);
    TBitmap tiny;
    Fill(tiny, 3, 3, clRed);
    EXPECT_EQ(list.Add(tiny, nullptr), -1);
    EXPECT_EQ(list.Count(), 3);
    if (::testing::Test::HasFailure())
        SaveForReview(target, "imagelist_draw");
}

TEST(ImageList, AddMaskedUsesTheKeyColourAndGetImagesGivesItBack)
{
    TImageList list;
    list.SetSize(4, 3);
    const TColor colours[] = { clNavy, clMaroon };
    TBitmap strip, unused;
    MakeStrip(strip, unused, 2, colours);
    EXPECT_EQ(list.AddMasked(strip, clFuchsia), 0);
    ASSERT_EQ(list.Count(), 2);

    TBitmap image, mask;
    ASSERT_TRUE(list.GetImages(1, image, mask));
    EXPECT_EQ(image.Width(), 4);
    EXPECT_EQ(mask.PixelFormat(), TPixelFormat::pf1bit);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(mask.Pixel(0, y), clWhite);
        EXPECT_EQ(image.Pixel(0, y), clBlack); // clear pixels read back black
        for (int x = 1; x < 4; ++x) {
            EXPECT_EQ(mask.Pixel(x, y), clBlack);
            EXPECT_EQ(image.Pixel(x, y), clMaroon);
        }
    }
    EXPECT_FALSE(list.GetImages(2, image, mask));

    // An image list without masks draws every pixel.
    TImageList opaque;
    opaque.SetMasked(false);
    opaque.SetSize(4, 3);
    opaque.Add(strip, nullptr);
    TBitmap target;
    Fill(target, 4, 3, clWhite);
    opaque.Draw(target.Canvas(), 0, 0, 0);
    EXPECT_EQ(target.Pixel(0, 0), clFuchsia);
}

TEST(ImageList, DisabledImagesAreGreyThroughTheSameMask)
{
    TImageList list;
    list.SetSize(4, 3);
    const TColor colours[] = { clRed };
    TBitmap strip, mask;
    MakeStrip(strip, mask, 1, colours);
    list.Add(strip, &mask);
    TBitmap target;
    Fill(target, 6, 5, clYellow);
    list.Draw(target.Canvas(), 1, 1, 0, false);
    EXPECT_EQ(target.Pixel(1, 1), clYellow);
    const TColor grey = target.Pixel(2, 2);
    EXPECT_EQ(ColorRed(grey), ColorGreen(grey));
    EXPECT_EQ(ColorGreen(grey), ColorBlue(grey));
    EXPECT_NE(grey, clRed);
    EXPECT_EQ(CountColor(target, grey), 9);
    EXPECT_EQ(CountColor(target, clYellow), 30 - 9);
    // Lighter pictures stay lighter when greyed.
    TImageList other;
    other.SetSize(4, 3);
    const TColor light[] = { clWhite };
    MakeStrip(strip, mask, 1, light);
    other.Add(strip, &mask);
    other.Draw(target.Canvas(), 1, 1, 0, false);
    EXPECT_GT(ColorRed(target.Pixel(2, 2)), ColorRed(grey));
}

TEST(ImageList, ReplaceDeleteClearAndSizeChangesNotifyObservers)
{
    TImageList list;
    list.SetSize(4, 3);
    const TColor colours[] = { clRed, clGreen, clBlue };
    TBitmap strip, mask;
    MakeStrip(strip, mask, 3, colours);

    int seenA = 0, seenB = 0, events = 0;
    int key = 0;
    list.RegisterChanges(&seenA, [&] { ++seenA; });
    list.RegisterChanges(&seenB, [&] {
        ++seenB;
        list.UnRegisterChanges(&seenB); // leaving from inside the callback
    });
    list.OnChange = [&] { ++events; };
    list.Add(strip, &mask);
    EXPECT_EQ(seenA, 1);
    EXPECT_EQ(seenB, 1);

    // Drawn once before the change: what a draw keeps must not outlive it.
    TBitmap target;
    Fill(target, 4, 3, clBlack);
    list.Draw(target.Canvas(), 0, 0, 0);
    EXPECT_EQ(target.Pixel(2, 1), clRed);
    TBitmap one, oneMask;
    const TColor white[] = { clWhite };
    MakeStrip(one, oneMask, 1, white);
    EXPECT_TRUE(list.Replace(0, one, &oneMask));
    EXPECT_FALSE(list.Replace(7, one, &oneMask));
    Fill(target, 4, 3, clBlack);
    list.Draw(target.Canvas(), 0, 0, 0);
    EXPECT_EQ(target.Pixel(2, 1), clWhite);
    EXPECT_EQ(seenA, 2);

    list.Delete(0);
    EXPECT_EQ(list.Count(), 2);
    Fill(target, 4, 3, clBlack);
    list.Draw(target.Canvas(), 0, 0, 0);
    EXPECT_EQ(target.Pixel(2, 1), clGreen);
    list.Delete(5); // out of range: no change, no event
    EXPECT_EQ(seenA, 3);

    list.RegisterChanges(&key, [&] { seenA += 100; }); // a second observer
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(seenA, 104);
    list.Clear(); // already empty
    EXPECT_EQ(seenA, 104);

    list.Add(strip, &mask);
    list.SetWidth(8); // a new size empties the list
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(seenB, 1);
    EXPECT_EQ(seenA, 306);
    // Add, Replace, Delete, Clear, Add, SetWidth.
    EXPECT_EQ(events, 6);
}

// A component that holds a reference to an image list, as a control does.
class Holder : public TComponent {
public:
    using TComponent::TComponent;
    TImageList* images = nullptr;
    void SetImages(TImageList* list)
    {
        images = list;
        list->FreeNotification(this);
        list->RegisterChanges(this, [this] { ++repaints; });
    }
    int repaints = 0;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == images)
            images = nullptr;
    }
};

TEST(ImageList, DestructionTellsItsUsers)
{
    Holder holder;
    auto* list = new TImageList;
    EXPECT_STREQ(list->ClassName(), "TImageList");
    holder.SetImages(list);
    TBitmap strip, mask;
    const TColor colours[] = { clRed };
    list->SetSize(4, 3);
    MakeStrip(strip, mask, 1, colours);
    list->Add(strip, &mask);
    EXPECT_EQ(holder.repaints, 1);
    delete list;
    EXPECT_EQ(holder.images, nullptr);
    EXPECT_EQ(holder.repaints, 1); // no change event while being destroyed

    // Owned by a component, the list goes with its owner.
    auto* owner = new TComponent;
    auto* owned = new TImageList(owner);
    holder.SetImages(owned);
    delete owner;
    EXPECT_EQ(holder.images, nullptr);
}

TEST(ImageList, SharedHandlesOutliveTheComponent)
{
    HIMAGELIST raw = ImageList_Create(8, 6, ILC_COLOR24 | ILC_MASK, 1, 1);
    {
        TImageList list;
        list.SetShareImages(true);
        list.SetHandle(raw);
        EXPECT_EQ(list.Width(), 8);
        EXPECT_EQ(list.Height(), 6);
    }
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(raw, &cx, &cy));
    EXPECT_EQ(cx, 8);
    ImageList_Destroy(raw);
}

} // namespace
} // namespace folvane
