// DrawNinePart and TNinePartPainter over GDI.
#include "skin/NinePartDraw.h"

#include "skin/NinePart.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/graphics/MaskedBlit.h"

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

} // namespace

TNinePartPainter::TNinePartPainter() = default;
TNinePartPainter::~TNinePartPainter() = default;

void TNinePartPainter::DrawPieces(TCanvas& canvas, const std::vector<Piece>& pieces)
{
    for (const Piece& piece : pieces) {
        if (piece.corner)
            piece.corner->Draw(canvas, piece.dest.left, piece.dest.top, 0);
        else
            canvas.Draw(piece.dest.left, piece.dest.top, *piece.stretched);
    }
}

void TNinePartPainter::PutTogether(const TBitmap& image)
{
    std::vector<Piece> pieces;
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
        pieces.push_back(std::move(piece));
    }
    const RECT all { 0, 0, width_, height_ };
    auto over = [&](TColor background) {
        auto picture = std::make_unique<TBitmap>(width_, height_, TPixelFormat::pf24bit);
        picture->Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
        picture->Canvas().Brush().SetColor(background);
        picture->Canvas().FillRect(all);
        DrawPieces(picture->Canvas(), pieces);
        return picture;
    };
    overBlack_ = over(clBlack);
    const BmpImage black = overBlack_->ToImage();
    const BmpImage white = over(clWhite)->ToImage();
    // Monochrome rows are padded to whole 16-bit words.
    const int stride = (width_ + 15) / 16 * 2;
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride) * height_, 0);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * width_ + x;
            if ((black.pixels[at] & 0xFFFFFF) != (white.pixels[at] & 0xFFFFFF))
                bits[static_cast<std::size_t>(y) * stride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    mask_.Reset(CreateBitmap(width_, height_, 1, 1, bits.data()));
    maskDC_ = TMemoryDC::Create();
    SelectObject(maskDC_.Get(), mask_.Get());
}

void TNinePartPainter::Prepare(const TBitmap& image, int width, int height, bool transparent)
{
    Clear();
    width_ = width;
    height_ = height;
    transparent_ = transparent;
    if (!image.Empty() && width > 0 && height > 0)
        PutTogether(image);
}

bool TNinePartPainter::PreparedFor(int width, int height, bool transparent) const
{
    return width == width_ && height == height_ && transparent == transparent_;
}

void TNinePartPainter::Clear()
{
    width_ = -1;
    height_ = -1;
    overBlack_.reset();
    maskDC_ = TMemoryDC(); // lets go of the mask before it is deleted
    mask_.Reset(nullptr);
}

void TNinePartPainter::Draw(TCanvas& canvas) const
{
    HDC dc = canvas.Handle();
    if (!dc || !maskDC_ || !overBlack_)
        return;
    BlitThroughMask(dc, 0, 0, width_, height_, maskDC_.Get(), overBlack_->DC());
}

void DrawNinePart(TCanvas& canvas, const TBitmap& image, int width, int height, bool transparent)
{
    TNinePartPainter painter;
    painter.Prepare(image, width, height, transparent);
    painter.Draw(canvas);
}

} // namespace folvane
