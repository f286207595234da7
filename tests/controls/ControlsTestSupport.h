// Helpers of the controls' Windows tests: image lists of solid test colours,
// pictures of a control in a memory bitmap, and mouse messages.
#pragma once

#include "controls/ExImageList.h"
#include "support/Snapshot.h"
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
