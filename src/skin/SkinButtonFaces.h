// TSkinButtonFaces: the faces of a skinned button (normal, hot, pressed), each fetched and put
// together by the nine-part rule the first time it is drawn, then kept, so that a repaint is
// two blits. The button drops them when its look changes; a new size or transparency puts the
// kept pictures together again without fetching them.
#pragma once

#include "skin/NinePartDraw.h"
#include "toolkit/graphics/Bitmap.h"

#include <array>
#include <functional>

namespace folvane {

class TCanvas;

class TSkinButtonFaces {
public:
    static constexpr int kSlices = 3;
    // Fills target with face slice 1..kSlices.
    using TFetchSlice = std::function<void(int slice, TBitmap& target)>;

    explicit TSkinButtonFaces(TFetchSlice fetch)
        : fetch_(std::move(fetch))
    {
    }

    // Draws the slice over a width x height client area at the canvas's (0, 0).
    void Draw(TCanvas& canvas, int slice, int width, int height, bool transparent);
    // Forgets every kept face: the theme, the style or the picture changed.
    void Drop();

private:
    struct Face {
        bool fetched = false;
        TBitmap picture;
        TNinePartPainter painter;
    };

    TFetchSlice fetch_;
    std::array<Face, kSlices> faces_;
};

} // namespace folvane
