// DrawNinePart and TNinePartPainter over GDI.
#include "skin/NinePartDraw.h"

#include "skin/NinePart.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImageList.h"

namespace folvane {
namespace {

constexpr TColor kSkinKey = 0x00FF00FF;

// The piece's source pixels scaled to its destination size.
void CopyPiece(const TBitmap& image, const NinePiece& piece, TBitmap& out)
{
    const PixelRect& s = piece.source;
    const PixelRect& d = piece.dest;
    out.SetPixelFormat(TPixelFormat::pf24bit);
    out.SetSize(d.Width(), d.Height());
    const int oldMode = SetStretchBltMode(out.DC(), COLORONCOLOR);
    StretchBlt(out.DC(), 0, 0, d.Width(), d.Height(), image.DC(), s.left, s.top, s.Width(), s.Height(), SRCCOPY);
    SetStretchBltMode(out.DC(), oldMode);
}

bool SameImage(const BmpImage& a, const BmpImage& b)
{
    return a.width == b.width && a.height == b.height && a.bitsPerPixel == b.bitsPerPixel && a.palette == b.palette
        && a.pixels == b.pixels && a.indices == b.indices;
}

} // namespace

TNinePartPainter::TNinePartPainter() = default;
TNinePartPainter::~TNinePartPainter() = default;

void TNinePartPainter::Prepare(const TBitmap& image)
{
    pieces_.clear();
    for (const NinePiece& p : NinePartPieces(image.Width(), image.Height(), width_, height_)) {
        Piece piece { p.dest, nullptr, std::make_unique<TBitmap>() };
        CopyPiece(image, p, *piece.stretched);
        if (p.Corner()) {
            piece.corner = std::make_unique<TImageList>();
            piece.corner->SetSize(p.dest.Width(), p.dest.Height());
            piece.corner->SetMasked(transparent_);
            if (transparent_)
                piece.corner->AddMasked(*piece.stretched, kSkinKey);
            else
                piece.corner->Add(*piece.stretched, nullptr);
            piece.stretched.reset();
        } else {
            piece.stretched->SetTransparentColor(kSkinKey);
            piece.stretched->SetTransparent(true);
        }
        pieces_.push_back(std::move(piece));
    }
}

void TNinePartPainter::Draw(TCanvas& canvas, const TBitmap& image, int width, int height, bool transparent)
{
    if (image.Empty())
        return;
    BmpImage pixels = image.ToImage();
    if (width != width_ || height != height_ || transparent != transparent_ || !SameImage(pixels, image_)) {
        width_ = width;
        height_ = height;
        transparent_ = transparent;
        image_ = std::move(pixels);
        Prepare(image);
    }
    for (const Piece& piece : pieces_) {
        if (piece.corner)
            piece.corner->Draw(canvas, piece.dest.left, piece.dest.top, 0);
        else
            canvas.Draw(piece.dest.left, piece.dest.top, *piece.stretched);
    }
}

void DrawNinePart(TCanvas& canvas, const TBitmap& image, int width, int height, bool transparent)
{
    TNinePartPainter painter;
    painter.Draw(canvas, image, width, height, transparent);
}

} // namespace folvane
