// TSkinButtonFaces: fetch once, put together once per size, blit at every paint.
#include "skin/SkinButtonFaces.h"

#include <algorithm>

namespace folvane {

void TSkinButtonFaces::Draw(TCanvas& canvas, int slice, int width, int height, bool transparent)
{
    Face& face = faces_[static_cast<std::size_t>(std::clamp(slice, 1, kSlices) - 1)];
    if (!face.fetched) {
        fetch_(slice, face.picture);
        face.fetched = true;
        face.painter.Clear();
    }
    if (!face.painter.PreparedFor(width, height, transparent))
        face.painter.Prepare(face.picture, width, height, transparent);
    face.painter.Draw(canvas);
}

void TSkinButtonFaces::Drop()
{
    for (Face& face : faces_) {
        face.fetched = false;
        face.picture.SetSize(0, 0);
        face.painter.Clear();
    }
}

} // namespace folvane
