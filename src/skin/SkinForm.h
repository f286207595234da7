// TSkinForm: the face of a shaped window. Dropped on a form at (0, 0) as its
// bottom-most control, it makes the form borderless, cuts every pixel of its
// Glyph that has the key colour TransparentColor out of the form's window,
// gives the form the glyph's size, paints the glyph, and drags the window
// when the uncovered face is pressed with any mouse button.
//
// The region is built only when Glyph or TransparentColor is assigned (once,
// after both, while the form is loading); resizing or recreating the window
// does not rebuild it. The window owns the region it is given.
#pragma once

#include "toolkit/GraphicControl.h"
#include "toolkit/graphics/Bitmap.h"

#include <memory>

namespace folvane {

class TForm;

class TSkinForm : public TGraphicControl {
public:
    static constexpr TColor kDefaultTransparentColor = 0x00FF00FF;

    // An owner that is not a form leaves the component without a glyph, and
    // unusable.
    explicit TSkinForm(TComponent* owner = nullptr);
    ~TSkinForm() override;
    const char* ClassName() const override { return "TSkinForm"; }

    TForm* OwnerForm() const { return ownerForm_; }

    // The owned bitmap. Writing into it directly (as a layout loads it) does
    // not reshape; SetGlyph copies and reshapes.
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const TBitmap& bitmap);
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor value);

    // Builds the region and sizes control and form from the glyph; nothing
    // at all for an empty glyph.
    void ReshapeForm();

    TNotifyEvent OnRegionChanged;
    TNotifyEvent OnPaint;

    void Loaded() override;

protected:
    void Paint(TCanvas& canvas) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void Reshaped();

    TForm* ownerForm_ = nullptr;
    std::unique_ptr<TBitmap> glyph_;
    TColor transparentColor_ = kDefaultTransparentColor;
    bool reshapeWhenLoaded_ = false;
};

} // namespace folvane
