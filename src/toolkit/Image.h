// TImage: a picture without a window: a bitmap (owned) or an icon (owned), drawn at the
// top-left corner, centred or stretched; a transparent bitmap leaves its transparent colour's
// pixels showing the parent. With AutoSize the control takes the picture's size. Clicks and
// the other mouse events are the control's.
#pragma once

#include "toolkit/GraphicControl.h"

#include <memory>

namespace folvane {

class TBitmap;

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner = nullptr);
    ~TImage() override;
    const char* ClassName() const override { return "TImage"; }

    // The bitmap, created empty on first use; assigning one drops the icon.
    TBitmap& Bitmap();
    void SetBitmap(const TBitmap& bitmap);
    // Takes a copy of the icon (nullptr clears it); drops the bitmap.
    void SetIcon(HICON icon);
    HICON Icon() const { return icon_; }
    bool Empty() const;
    // Width and height of what is shown; (0, 0) when empty.
    SIZE PictureSize() const;

    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);

    void Loaded() override;

protected:
    void Paint(TCanvas& canvas) override;
    void PictureChanged();

private:
    RECT DestRect() const;
    void ClearIcon();

    std::unique_ptr<TBitmap> bitmap_;
    HICON icon_ = nullptr;
    SIZE iconSize_ { 0, 0 };
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

} // namespace folvane
