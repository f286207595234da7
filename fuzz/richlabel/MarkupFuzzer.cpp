// Feeds arbitrary markup through RenderMarkup with fixed metrics, in all three kinds of call
// (paint, measure, hit-test), with pictures from a store and an address cache, and through
// MarkupToPlainText. The first byte picks the options, the next two the mouse point.
#include "richlabel/FakeMarkupCanvas.h"
#include "richlabel/MarkupRenderer.h"
#include "richlabel/MarkupText.h"

#include <map>
#include <memory>

namespace {

using namespace folvane;

class Store : public MarkupPictureStore {
public:
    MarkupPicture* PictureByName(const std::string& name) override { return name == "LOGO" ? &logo : nullptr; }
    test::FakePicture logo { 5, 7 };
};

class Cache : public MarkupPictureCache {
public:
    MarkupPicture* PictureByAddress(const std::string& address) override
    {
        auto it = pictures.find(address);
        return it == pictures.end() ? nullptr : it->second.get();
    }
    MarkupPicture* AddPictureFromAddress(const std::string& address) override
    {
        auto picture = std::make_unique<test::FakePicture>(
            static_cast<int>(address.size() % 7), static_cast<int>(address.size() % 5));
        picture->SetAnimation(9, 9, 2, 3);
        return (pictures[address] = std::move(picture)).get();
    }
    std::map<std::string, std::unique_ptr<test::FakePicture>> pictures;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3) {
        return 0;
    }
    const std::uint8_t options = data[0];
    const std::string_view markup(reinterpret_cast<const char*>(data + 3), size - 3);

    test::FakeCanvas canvas;
    canvas.bounds = { 0, 0, 400, 300 };
    test::FakeImages images(2, 16, 16);
    Store store;
    Cache cache;
    MarkupRenderRequest request;
    request.Canvas = &canvas;
    request.Markup = markup;
    request.LayoutRect = (options & 0x40) ? MarkupRect { 0, 0, 120, 65535 + 40 } : MarkupRect { 2, 3, 200, 60 };
    request.Images = (options & 0x01) ? &images : nullptr;
    request.WordWrap = (options & 0x02) == 0;
    request.Hover = (options & 0x04) != 0;
    request.HoverColor = (options & 0x08) ? clYellow : clNone;
    request.HoverFontColor = (options & 0x10) ? clRed : clNone;
    request.HoverAnchor = options & 0x03;
    request.MouseX = data[1];
    request.MouseY = data[2] / 2;
    request.PictureStore = &store;
    request.PictureCache = &cache;
    canvas.ppiX = (options & 0x20) ? 120 : 96;

    const MarkupFont base = canvas.Font();
    MarkupRenderResult result;
    RenderMarkup(request, result);
    request.MeasureOnly = true;
    RenderMarkup(request, result);
    if (canvas.Font() != base || canvas.Background() != clWhite || result.TextHeight < 2 || result.TextWidth < 0) {
        __builtin_trap();
    }
    MarkupToPlainText(markup);
    return 0;
}
