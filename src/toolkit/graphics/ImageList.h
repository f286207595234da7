// TImageList: a component over a comctl32 image list of equal-sized images,
// each with a one-bit mask (1 = transparent).
//
// The list is created on first use at 24 bits with a mask, so that a stray
// alpha byte in a 32-bit source can never switch comctl32 to alpha blending
// and bypass the mask. Images added with a mask have their transparent pixels
// cleared to black in a private copy, as the mask-then-image blit requires;
// the caller's bitmaps are never modified. Changing Width, Height or Masked
// empties the list. Users register for changes (add, replace, delete, clear,
// size) with RegisterChanges, and for its destruction with TComponent's free
// notification. A handle adopted with SetHandle and ShareImages on (for
// example the shell's system list) is not destroyed with the component.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/graphics/Bitmap.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <vector>

namespace folvane {

enum class TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum class TImageType { itImage, itMask };

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner = nullptr);
    ~TImageList() override;

    const char* ClassName() const override { return "TImageList"; }

    int Width() const { return width_; }
    void SetWidth(int width);
    int Height() const { return height_; }
    void SetHeight(int height);
    void SetSize(int width, int height);
    bool Masked() const { return masked_; }
    void SetMasked(bool masked);
    // Fill for transparent pixels when drawing; clNone draws through the mask.
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor color);
    // Blend colour of dsFocus and dsSelected; clNone means the highlight colour.
    TColor BlendColor() const { return blendColor_; }
    void SetBlendColor(TColor color);
    TDrawingStyle DrawingStyle() const { return drawingStyle_; }
    void SetDrawingStyle(TDrawingStyle style);
    TImageType ImageType() const { return imageType_; }
    void SetImageType(TImageType type);
    // Growth step of comctl32's storage; takes effect when the list is created.
    int AllocBy() const { return allocBy_; }
    void SetAllocBy(int count);
    bool ShareImages() const { return shareImages_; }
    void SetShareImages(bool share) { shareImages_ = share; }

    int Count() const;
    // For reading and drawing: a change made through the handle itself reaches neither the
    // observers nor the strips the plain draw keeps; change the list through this class.
    HIMAGELIST Handle() const;
    // Adopts another image list; its image size becomes Width and Height.
    // The current list is destroyed unless ShareImages is on.
    void SetHandle(HIMAGELIST handle);

    // Appends image (cut into Width-wide images when wider) with its mask,
    // or opaque when mask is nullptr. Returns the index of the first image
    // added, -1 when the bitmap is smaller than one image or comctl32 fails.
    int Add(const TBitmap& image, const TBitmap* mask);
    // As Add, with every pixel of maskColor transparent.
    int AddMasked(const TBitmap& image, TColor maskColor);
    bool Replace(int index, const TBitmap& image, const TBitmap* mask);
    void Delete(int index);
    void Clear();

    // Entry index as a Width x Height picture: transparent pixels black, and
    // its mask as a 1-bit bitmap, white where transparent.
    bool GetImages(int index, TBitmap& image, TBitmap& mask) const;
    // Entry index drawn on BkColor (black when BkColor is clNone).
    bool GetBitmap(int index, TBitmap& image) const;

    // Top-left corner at (x, y). Disabled images are drawn in grey tones,
    // lightened, through the same mask.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    // As Draw, but transparent pixels take background (clNone: as Draw).
    void DrawWithBackground(TCanvas& canvas, int x, int y, int index, TColor background, bool enabled = true) const;

    // key identifies the observer (usually the control); one entry per key.
    void RegisterChanges(const void* key, std::function<void()> onChange);
    void UnRegisterChanges(const void* key);
    std::function<void()> OnChange;

protected:
    void Change();

private:
    void Recreate();
    void DestroyHandle();
    bool PrepareImages(const TBitmap& image, const TBitmap* mask, TBitmap& outImage, TBitmap& outMask) const;
    void DrawDisabled(TCanvas& canvas, int x, int y, int index, TColor background) const;
    // Draws through the kept strips; false when this draw needs comctl32.
    bool DrawFromStrips(TCanvas& canvas, int x, int y, int index, TColor background) const;

    // Every image, and every mask, side by side in one picture with a DC of its own, made at
    // the first plain draw and dropped at any change: comctl32 makes and deletes a DC and a
    // bitmap at every draw, which costs more than the two blits from here.
    struct Strips {
        TBitmap images;
        TBitmap masks;
    };
    mutable std::unique_ptr<Strips> strips_;
    // The list is one this component made (an adopted one may blend an alpha channel).
    mutable bool ownList_ = false;

    int width_ = 16;
    int height_ = 16;
    bool masked_ = true;
    TColor bkColor_ = clNone;
    TColor blendColor_ = clNone;
    TDrawingStyle drawingStyle_ = TDrawingStyle::dsNormal;
    TImageType imageType_ = TImageType::itImage;
    int allocBy_ = 4;
    bool shareImages_ = false;
    mutable HIMAGELIST handle_ = nullptr;

    struct Observer {
        const void* key;
        std::function<void()> onChange;
    };
    std::vector<Observer> observers_;
};

} // namespace folvane
