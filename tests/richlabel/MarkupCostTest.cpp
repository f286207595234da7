// The markup's cost grows linearly with its length, for the worst shapes we know: unclosed "<",
// long text without tags, one huge word, deep nesting, many tags.
#include "richlabel/FakeMarkupCanvas.h"
#include "richlabel/MarkupRenderer.h"
#include "richlabel/MarkupText.h"
#include "support/CostMeter.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

std::string Repeat(std::string_view piece, std::size_t bytes)
{
    std::string text;
    text.reserve(bytes + piece.size());
    while (text.size() < bytes) {
        text += piece;
    }
    return text;
}

// Lays the text out in a rectangle tall enough for every line, as an auto-sized label does.
void Layout(const std::string& markup, bool wordWrap)
{
    test::FakeCanvas canvas;
    MarkupRenderRequest request;
    request.Canvas = &canvas;
    request.Markup = markup;
    request.LayoutRect = { 0, 0, 200, 1 << 27 };
    request.MeasureOnly = true;
    request.WordWrap = wordWrap;
    MarkupRenderResult result;
    RenderMarkup(request, result);
}

constexpr std::size_t kSize = 64 * 1024;

TEST(richlabel_MarkupCost, PlainTextIsLinear)
{
    for (std::string_view shape : { "<", "<z>", "<br>", "a<b", "</z><z>" }) {
        const std::string small = Repeat(shape, kSize);
        const std::string large = Repeat(shape, 4 * kSize);
        EXPECT_EQ(test::CheckLinearCost([&] { MarkupToPlainText(small); }, [&] { MarkupToPlainText(large); }), "")
            << shape;
    }
}

TEST(richlabel_MarkupCost, LayoutIsLinear)
{
    for (std::string_view shape : { "w", "<", "<b>x</b> ", "<ul><li>", "<font size=\"9\">a ", "&amp;" }) {
        for (bool wrap : { true, false }) {
            const std::string small = Repeat(shape, kSize / 2);
            const std::string large = Repeat(shape, 2 * kSize);
            EXPECT_EQ(test::CheckLinearCost([&] { Layout(small, wrap); }, [&] { Layout(large, wrap); }), "")
                << shape << (wrap ? " wrapped" : " unwrapped");
        }
    }
}

TEST(richlabel_MarkupCost, ManyShortWordsWithoutTagsAreLinear)
{
    // The most words per byte, each of which could look for the next tag through the rest.
    const std::string small = Repeat("a ", 2 * kSize);
    const std::string large = Repeat("a ", 8 * kSize);
    EXPECT_EQ(test::CheckLinearCost([&] { Layout(small, true); }, [&] { Layout(large, true); }), "");
}

} // namespace
} // namespace folvane
