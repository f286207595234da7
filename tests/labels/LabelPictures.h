// Helpers of the label tests: a shown form, where a colour lies in a picture, and text
// metrics of the screen, to check painted text by its ink.
#pragma once

#include "controls/ControlsTestSupport.h"
#include "toolkit/Form.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/GdiHandle.h"
#include "toolkit/graphics/GdiObjects.h"

#include <windows.h>

#include <functional>
#include <string>

namespace folvane::testing {

// The bounding box of the pixels that satisfy `ink`; empty (0, 0, 0, 0) when there are none.
inline RECT InkBox(const TBitmap& picture, const std::function<bool(TColor)>& ink)
{
    RECT box { picture.Width(), picture.Height(), -1, -1 };
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (ink(picture.Pixel(x, y))) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box.right < 0 ? RECT {} : box;
}

inline RECT InkOf(const TBitmap& picture, TColor color)
{
    const TColor rgb = static_cast<TColor>(ColorToRGB(color));
    return InkBox(picture, [rgb](TColor c) { return c == rgb; });
}

// The size of `text` on the screen in `font`, as the platform measures one line.
inline SIZE TextSize(const TFont& font, const std::string& text)
{
    TWindowDC screen;
    TSelectScope select(screen.Get(), font.Handle());
    SIZE size {};
    GetTextExtentPoint32A(screen.Get(), text.data(), static_cast<int>(text.size()), &size);
    return size;
}

// One shown, borderless white form for a whole suite: hiding a form costs Wine seconds.
class LabelFormTest : public WindowsTest {
protected:
    static void SetUpTestSuite()
    {
        WindowsTest::SetUpTestSuite();
        form = new TForm();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 640, 400);
        form->SetColor(clWhite);
        form->Show();
    }
    static void TearDownTestSuite()
    {
        delete form;
        form = nullptr;
    }

    static inline TForm* form = nullptr;
};

} // namespace folvane::testing
