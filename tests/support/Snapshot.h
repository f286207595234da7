// Pictures of controls for Windows tests: a control painted into a memory
// bitmap, and the picture written beside the test binary only when a check of
// the test has failed, for a look at what went wrong.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace folvane::testing {

// The control painted by itself into a 32-bit bitmap of its size, on a
// background of `under`.
inline void Snapshot(TControl& control, TBitmap& out, TColor under = clFuchsia)
{
    out.SetPixelFormat(TPixelFormat::pf32bit);
    out.SetSize(control.Width(), control.Height());
    out.Canvas().Brush().SetColor(under);
    out.Canvas().FillRect(RECT { 0, 0, control.Width(), control.Height() });
    out.Canvas().SaveState();
    control.PaintTo(out.Canvas());
    out.Canvas().RestoreState();
}

// Writes the picture as `name`.bmp beside the test binary.
inline void SaveForReview(const TBitmap& bitmap, const std::string& name)
{
    const std::vector<std::uint8_t> bytes = bitmap.SaveToBmpBytes();
    if (FILE* f = std::fopen((name + ".bmp").c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

// Saves the picture, as it is at the end of the scope, when the test has failed by then.
class ReviewOnFailure {
public:
    ReviewOnFailure(const TBitmap& bitmap, std::string name)
        : bitmap_(bitmap)
        , name_(std::move(name))
    {
    }
    ~ReviewOnFailure()
    {
        if (::testing::Test::HasFailure())
            SaveForReview(bitmap_, name_);
    }
    ReviewOnFailure(const ReviewOnFailure&) = delete;
    ReviewOnFailure& operator=(const ReviewOnFailure&) = delete;

private:
    const TBitmap& bitmap_;
    std::string name_;
};

} // namespace folvane::testing
