// Helpers of the controls' Windows tests: image lists of solid test colours,
// pictures of a control in a memory bitmap, and mouse messages.
#pragma once

#include "controls/ExImageList.h"
#include "toolkit/Application.h"
#include "toolkit/Control.h"
#include "toolkit/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <windowsx.h>

#include <string>
#include <vector>

namespace folvane::testing {

// Entry i is one solid colour, with the top-left pixel transparent.
inline void FillSolidList(TExImageList& list, const std::vector<TColor>& colours)
{
    ImageListContent content;
    content.width = list.Width();
    content.height = list.Height();
    for (TColor colour : colours) {
        ImageListEntry entry;
        entry.pixels.assign(static_cast<std::size_t>(content.width) * content.height, ColorToPixel(colour));
        entry.mask.assign(entry.pixels.size(), 0);
        entry.mask[0] = 1;
        content.images.push_back(std::move(entry));
    }
    list.AddContent(content);
}

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

// Writes the picture beside the test binary, for a look at a failure.
inline void SaveForReview(const TBitmap& bitmap, const std::string& name)
{
    const std::vector<std::uint8_t> bytes = bitmap.SaveToBmpBytes();
    if (FILE* f = std::fopen((name + ".bmp").c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

// Saves the picture, as it is at the end of the scope, when the test has failed.
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

inline std::string Hex(TColor c)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return text;
}

inline void SendMouse(HWND window, UINT message, int x, int y, WPARAM keys = 0)
{
    SendMessageA(window, message, keys, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

class WindowsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Application().Initialize(); }
};

} // namespace folvane::testing
