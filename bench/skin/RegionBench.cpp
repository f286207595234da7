// Window region of the main window's 620 x 470 face: the plain rule (every
// pixel read through the bitmap's device context, one region and one union
// per run) against the region built from the face's bits in one call. Prints
// both times, their ratio and whether the regions are equal; fails when they
// differ or ours takes a millisecond or more.
#include "skin/BitmapRegion.h"
#include "skin/LiteralRegion.h"
#include "support/ProgramAssets.h"
#include "toolkit/graphics/Bitmap.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

using namespace folvane;

namespace {

constexpr TColor kFaceKey = 0x00FF07FF;

// The best of `rounds` runs, in milliseconds.
double BestMs(int rounds, const std::function<void()>& run)
{
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        auto start = std::chrono::steady_clock::now();
        run();
        std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

} // namespace

int main()
{
    TBitmap face;
    if (!test::LoadProgramFace(face, "MainFace.bmp")) {
        std::printf("MainFace.bmp missing\n");
        return 1;
    }
    HRGN literal = nullptr;
    HRGN ours = nullptr;
    const double literalMs = BestMs(3, [&] {
        if (literal)
            DeleteObject(literal);
        literal = test::LiteralBitmapRegion(face, kFaceKey);
    });
    const double oursMs = BestMs(50, [&] {
        if (ours)
            DeleteObject(ours);
        ours = CreateBitmapRegion(face, kFaceKey);
    });
    const bool equal = EqualRgn(literal, ours) != FALSE;
    std::printf("region of %d x %d face: literal %.3f ms, ours %.3f ms, ratio %.1f, equal %s\n", face.Width(),
        face.Height(), literalMs, oursMs, literalMs / oursMs, equal ? "yes" : "NO");
    DeleteObject(literal);
    DeleteObject(ours);
    return equal && oursMs < 1.0 ? 0 : 1;
}
