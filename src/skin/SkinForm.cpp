// TSkinForm: construction, reshaping, painting and dragging.
#include "skin/SkinForm.h"

#include "skin/BitmapRegion.h"
#include "toolkit/Form.h"

namespace folvane {

TSkinForm::TSkinForm(TComponent* owner)
    : TGraphicControl(owner)
{
    ownerForm_ = dynamic_cast<TForm*>(owner);
    if (!ownerForm_)
        return;
    ownerForm_->SetBorderStyle(TFormBorderStyle::bsNone);
    glyph_ = std::make_unique<TBitmap>();
    transparentColor_ = kDefaultTransparentColor;
    SetWidth(200);
    SetHeight(100);
}

TSkinForm::~TSkinForm() = default;

// ---- Properties ----

void TSkinForm::SetGlyph(const TBitmap& bitmap)
{
    if (!glyph_)
        return;
    if (&bitmap != glyph_.get())
        glyph_->Assign(bitmap);
    Reshaped();
}

void TSkinForm::SetTransparentColor(TColor value)
{
    transparentColor_ = value;
    Reshaped();
}

void TSkinForm::Reshaped()
{
    // A layout assigns the glyph and then the key colour: one reshape once both are in.
    if (IsLoading()) {
        reshapeWhenLoaded_ = true;
        return;
    }
    ReshapeForm();
    Invalidate();
}

void TSkinForm::Loaded()
{
    TGraphicControl::Loaded();
    if (reshapeWhenLoaded_) {
        reshapeWhenLoaded_ = false;
        ReshapeForm();
        Invalidate();
    }
}

// ---- Shape ----

void TSkinForm::ReshapeForm()
{
    if (!ownerForm_ || !glyph_ || glyph_->Empty())
        return;
    ApplyBitmapRegion(ownerForm_->Handle(), *glyph_, transparentColor_);
    if (glyph_->Width() != 0 && glyph_->Height() != 0) {
        SetHeight(glyph_->Height());
        SetWidth(glyph_->Width());
    }
    SetTop(0);
    SetLeft(0);
    ownerForm_->SetClientHeight(Height());
    ownerForm_->SetClientWidth(Width());
    if (OnRegionChanged)
        OnRegionChanged(this);
}

// ---- Painting and dragging ----

void TSkinForm::Paint(TCanvas& canvas)
{
    if (glyph_ && glyph_->Width() != 0 && glyph_->Height() != 0) {
        // Opaque, key pixels included: they lie outside the window's region.
        BitBlt(canvas.Handle(), 0, 0, glyph_->Width(), glyph_->Height(), glyph_->DC(), 0, 0, SRCCOPY);
    } else {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(clBlack);
        canvas.FrameRect(ClientRect());
    }
    if (OnPaint)
        OnPaint(this);
}

void TSkinForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (!ownerForm_)
        return;
    // A press on the face is a press on a caption: the system moves the window until release.
    ReleaseCapture();
    ownerForm_->Perform(WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

} // namespace folvane
