// NinePartPieces.
#include "skin/NinePart.h"

#include <algorithm>

namespace folvane {
namespace {

// A corner's size: the smaller of its source and destination boxes in each
// direction, never negative.
struct CornerSize {
    int width;
    int height;
};

CornerSize Fit(int sourceWidth, int sourceHeight, int destWidth, int destHeight)
{
    return CornerSize { std::max(0, std::min(sourceWidth, destWidth)),
        std::max(0, std::min(sourceHeight, destHeight)) };
}

// Keeps `keep` pixels of the span [from, to): at its start or at its end.
void KeepStart(int& from, int& to, int keep)
{
    to = std::min(to, from + std::max(0, keep));
}
void KeepEnd(int& from, int& to, int keep)
{
    from = std::max(from, to - std::max(0, keep));
}

// An empty source span samples the one pixel where it starts, inside the image.
void AtLeastOne(int& from, int& to, int limit)
{
    if (to > from)
        return;
    from = std::clamp(from, 0, std::max(0, limit - 1));
    to = from + 1;
}

bool Empty(const PixelRect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

} // namespace

std::vector<NinePiece> NinePartPieces(int W, int H, int w, int h)
{
    std::vector<NinePiece> pieces;
    if (W <= 0 || H <= 0 || w <= 0 || h <= 0)
        return pieces;
    const int hw = W / 2, hh = H / 2, dw = w / 2, dh = h / 2;

    // Corners: the part at the image's own corner, placed at the control's.
    const CornerSize tl = Fit(hw, hh, dw, dh);
    const CornerSize bl = Fit(hw, hh - 1, dw, dh - 1);
    const CornerSize tr = Fit(hw - 1, hh, dw - 1, dh);
    const CornerSize br = Fit(hw - 1, hh - 1, dw - 1, dh - 1);
    const PixelRect tlDest { 0, 0, tl.width, tl.height };
    const PixelRect blDest { 0, h - bl.height, bl.width, h };
    const PixelRect trDest { w - tr.width, 0, w, tr.height };
    const PixelRect brDest { w - br.width, h - br.height, w, h };

    auto add = [&](NinePieceKind kind, PixelRect source, PixelRect dest) {
        if (!Empty(dest))
            pieces.push_back(NinePiece { kind, source, dest });
    };

    add(NinePieceKind::TopLeft, PixelRect { 0, 0, tl.width, tl.height }, tlDest);
    add(NinePieceKind::BottomLeft, PixelRect { 0, H - bl.height, bl.width, H }, blDest);
    {
        PixelRect dest { 0, tlDest.bottom, tlDest.right, blDest.top };
        PixelRect source { 0, hh, hw, H - hh };
        KeepStart(source.left, source.right, dest.Width());
        AtLeastOne(source.top, source.bottom, H);
        add(NinePieceKind::Left, source, dest);
    }
    add(NinePieceKind::TopRight, PixelRect { W - tr.width, 0, W, tr.height }, trDest);
    add(NinePieceKind::BottomRight, PixelRect { W - br.width, H - br.height, W, H }, brDest);
    {
        PixelRect dest { trDest.left, trDest.bottom, w, brDest.top };
        PixelRect source { W - hw + 1, H - hh, W, hh + 2 };
        KeepEnd(source.left, source.right, dest.Width());
        source.bottom = std::min(source.bottom, H);
        AtLeastOne(source.top, source.bottom, H);
        add(NinePieceKind::Right, source, dest);
    }
    {
        PixelRect dest { tlDest.right, 0, trDest.left, tlDest.bottom };
        PixelRect source { hw, 0, W - hw + 1, hh };
        KeepStart(source.top, source.bottom, dest.Height());
        source.right = std::min(source.right, W);
        add(NinePieceKind::Top, source, dest);
    }
    {
        PixelRect dest { tlDest.right, tlDest.bottom, trDest.left, brDest.top - 1 };
        PixelRect source { hw, hh, W - hw + 1, H - hh };
        source.right = std::min(source.right, W);
        AtLeastOne(source.top, source.bottom, H);
        add(NinePieceKind::Centre, source, dest);
    }
    {
        PixelRect dest { tlDest.right - 1, blDest.top - 1, brDest.left, h };
        PixelRect source { hw, H - hh, W - hw + 1, H };
        KeepEnd(source.top, source.bottom, dest.Height());
        source.right = std::min(source.right, W);
        source.left = std::max(source.left, 0);
        add(NinePieceKind::Bottom, source, dest);
    }
    return pieces;
}

} // namespace folvane
