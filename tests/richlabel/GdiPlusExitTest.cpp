// GDI+ at exit, in a program of its own so that the application object surely exists before
// GDI+ starts: the application releases its forms after every static made later than it.
#include "RichLabelTestUtil.h"
#include "richlabel/GdiPlus.h"
#include "richlabel/ReflectionImage.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace folvane {
namespace {

// GDI+ must still run while a form released at exit disposes its pictures.
class ExitCheckedReflection : public TReflectionImage {
public:
    using TReflectionImage::TReflectionImage;
    ~ExitCheckedReflection() override
    {
        if (!GdiPlusRunning()) {
            std::fputs("GDI+ was shut down before a picture was released\n", stderr);
            std::_Exit(1);
        }
    }
};

TEST(richlabel_ReflectionImage, FormReleasedAtExitDisposesItsPictureUnderGdiPlus)
{
    TForm* form = Application().CreateForm<TForm>();
    auto* image = new ExitCheckedReflection(form);
    image->SetBounds(0, 0, 48, 80);
    TEncodedPicture png;
    png.LoadFromBytes(test::Resource("ALPHA_ROWS"));
    image->SetPicture(png);
    TBitmap surface(48, 80, TPixelFormat::pf24bit);
    image->PaintTo(surface.Canvas());
    EXPECT_TRUE(GdiPlusRunning());
}

} // namespace
} // namespace folvane
