// DrawNinePart over GDI.
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

void DrawCorner(TCanvas& canvas, const TBitmap& piece, const PixelRect& dest, bool transparent)
{
    TImageList list;
    list.SetSize(dest.Width(), dest.Height());
    list.SetMasked(transparent);
    if (transparent)
        list.AddMasked(piece, kSkinKey);
    else
        list.Add(piece, nullptr);
    list.Draw(canvas, dest.left, dest.top, 0);
}

} // namespace

void DrawNinePart(TCanvas& canvas, const TBitmap& image, int width, int height, bool transparent)
{
    if (image.Empty())
        return;
    TBitmap piece;
    for (const NinePiece& p : NinePartPieces(image.Width(), image.Height(), width, height)) {
        CopyPiece(image, p, piece);
        if (p.Corner()) {
            DrawCorner(canvas, piece, p.dest, transparent);
        } else {
            piece.SetTransparentColor(kSkinKey);
            piece.SetTransparent(true);
            canvas.Draw(p.dest.left, p.dest.top, piece);
            piece.SetTransparent(false);
        }
    }
}

} // namespace folvane
