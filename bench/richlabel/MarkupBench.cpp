// Times RenderMarkup over a 1 MB markup text of words, styles, links, pictures and line
// breaks, laid out in full (a rectangle tall enough for every line), and prints the time per KB
// of a painting call and of a measuring (hit-testing) call.
#include "richlabel/FakeMarkupCanvas.h"
#include "richlabel/MarkupRenderer.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

using namespace folvane;

// Draws nothing and keeps nothing, so that the time is the layout's own.
class NullCanvas : public test::FakeCanvas {
public:
    int DrawTextRun(std::string_view text, const MarkupRect& rect, unsigned flags) override
    {
        ++drawn;
        return MeasureText(text, rect, flags);
    }
    void DrawTextAt(int, int, std::string_view) override { ++drawn; }
    void DrawImage(const MarkupImages&, int, int, int) override { ++drawn; }
    void FillRect(const MarkupRect&, TColor) override { ++drawn; }
    long long drawn = 0;
};

std::string MakeMarkup(std::size_t size)
{
    const char* pieces[]
        = { "word ", "<b>bold</b> ", "text&amp;more ", "<font color=\"#FF0000\" size=\"3\">red</font> ",
              "<a href=\"target\">a link</a> ", "<img src=\"idx:0\" align=\"middle\"> ", "&lt;escaped&gt; ",
              "<i>it</i>", "<br>", "longerwordhere ", "<u>under</u> " };
    std::string markup;
    markup.reserve(size + 64);
    for (std::size_t i = 0; markup.size() < size; ++i) {
        markup += pieces[(i * 7 + i / 11) % (sizeof pieces / sizeof pieces[0])];
    }
    return markup;
}

double SecondsFor(const MarkupRenderRequest& request, MarkupRenderResult& result)
{
    const auto start = std::chrono::steady_clock::now();
    RenderMarkup(request, result);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main()
{
    const std::string markup = MakeMarkup(1 << 20);
    NullCanvas canvas;
    test::FakeImages images(2, 24, 24);
    MarkupRenderRequest request;
    request.Canvas = &canvas;
    request.Markup = markup;
    request.LayoutRect = { 0, 0, 400, 1 << 30 };
    request.Images = &images;
    request.MouseX = 50;
    request.MouseY = 1 << 20;
    MarkupRenderResult result;

    const double paint = SecondsFor(request, result);
    request.MeasureOnly = true;
    const double measure = SecondsFor(request, result);
    const double kb = static_cast<double>(markup.size()) / 1024.0;
    std::printf(
        "markup: %.0f KB, %d lines of text height, %lld drawing calls\n", kb, result.TextHeight / 13, canvas.drawn);
    std::printf("paint:   %.3f s total, %.2f us per KB\n", paint, paint * 1e6 / kb);
    std::printf("measure: %.3f s total, %.2f us per KB\n", measure, measure * 1e6 / kb);
    return paint < 1.0 && measure < 1.0 ? 0 : 1;
}
