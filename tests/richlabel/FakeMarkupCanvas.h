// A markup canvas with fixed metrics that records what is drawn, for the renderer's native
// tests, its fuzzer and its benchmark.
//
// Metrics: a line of text is font size + 5 pixels high (8 points gives 13, as Tahoma does on
// the real screen); every character is size / 2 pixels wide, one more when bold. Prefix
// processing and the end ellipsis behave as the platform's text drawing does: "&&" is one "&",
// a single "&" takes no room, and text too wide for its rectangle is cut to fit with "...".
#pragma once

#include "richlabel/MarkupCanvas.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace folvane::test {

struct FakeText {
    std::string text; // as shown: after prefix processing and ellipsis
    MarkupRect rect;
    MarkupFont font;
    TColor background = clNone;
    int width = 0;
};

struct FakeFill {
    MarkupRect rect;
    TColor color = clNone;
    bool frameOnly = false;
};

struct FakeImage {
    int index = -1;
    int x = 0;
    int y = 0;
    bool icon = false;
};

struct FakePictureDraw {
    const MarkupPicture* picture = nullptr;
    MarkupRect rect;
    bool stretched = false;
};

class FakeImages : public MarkupImages {
public:
    FakeImages(int count, int width, int height)
        : count_(count)
        , width_(width)
        , height_(height)
    {
    }
    int Count() const override { return count_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }

private:
    int count_;
    int width_;
    int height_;
};

class FakePicture : public MarkupPicture {
public:
    FakePicture(int width, int height)
        : width_(width)
        , height_(height)
    {
    }
    bool Empty() const override { return width_ == 0 || height_ == 0; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    int AnimationWidth() const override { return animationWidth_ ? animationWidth_ : width_; }
    int AnimationHeight() const override { return animationHeight_ ? animationHeight_ : height_; }
    int FrameX() const override { return frameX_; }
    int FrameY() const override { return frameY_; }
    bool Stretch() const override { return stretch_; }
    void SetStretch(bool stretch) override { stretch_ = stretch; }

    void SetAnimation(int width, int height, int frameX, int frameY)
    {
        animationWidth_ = width;
        animationHeight_ = height;
        frameX_ = frameX;
        frameY_ = frameY;
    }

private:
    int width_;
    int height_;
    int animationWidth_ = 0;
    int animationHeight_ = 0;
    int frameX_ = 0;
    int frameY_ = 0;
    bool stretch_ = false;
};

class FakeCanvas : public MarkupCanvas {
public:
    FakeCanvas()
    {
        font_.name = "Tahoma";
        font_.size = 8;
        font_.color = clBlack;
    }

    MarkupFont Font() const override { return font_; }
    void SetFont(const MarkupFont& font) override { font_ = font; }
    TColor Background() const override { return background_; }
    void SetBackground(TColor color) override { background_ = color; }
    TColor ResolveColor(TColor color) const override
    {
        if (IsSystemColor(color)) {
            const auto n = static_cast<std::uint8_t>(SystemColorIndex(color));
            return MakeColor(n, n, n);
        }
        return color;
    }
    int PixelsPerInchX() const override { return ppiX; }
    int PixelsPerInchY() const override { return ppiY; }

    int CharWidth() const { return std::max(1, font_.size / 2) + (font_.Has(mfsBold) ? 1 : 0); }
    // As GDI does, a width past int's range is cut to it.
    int Width(std::string_view text) const
    {
        return static_cast<int>(std::min<long long>(static_cast<long long>(text.size()) * CharWidth(), INT_MAX));
    }
    int TextHeight(std::string_view) override { return std::max(1, font_.size + 5); }

    int MeasureText(std::string_view text, const MarkupRect& rect, unsigned flags) override
    {
        return Width(Shown(text, rect, flags));
    }
    int DrawTextRun(std::string_view text, const MarkupRect& rect, unsigned flags) override
    {
        FakeText drawn { Shown(text, rect, flags), rect, font_, background_, 0 };
        drawn.width = Width(drawn.text);
        texts.push_back(drawn);
        return drawn.width;
    }
    void DrawTextAt(int x, int y, std::string_view text) override
    {
        const int w = Width(text);
        const int right = static_cast<int>(std::min<long long>(static_cast<long long>(x) + w, INT_MAX));
        texts.push_back({ std::string(text), { x, y, right, y + TextHeight(text) }, font_, background_, w });
    }

    void FillRect(const MarkupRect& rect, TColor color) override { fills.push_back({ rect, color, false }); }
    void FrameRect(const MarkupRect& rect, TColor color) override { fills.push_back({ rect, color, true }); }
    void Polyline(std::span<const MarkupPoint> points, TColor color) override
    {
        lines.emplace_back(points.begin(), points.end());
        lineColors.push_back(color);
    }

    void DrawImage(const MarkupImages&, int index, int x, int y) override { images.push_back({ index, x, y, false }); }
    int SystemIconIndex(const std::string& path, bool) override { return path.empty() ? -1 : 7; }
    int SystemIconSize(bool large) const override { return large ? 32 : 16; }
    void DrawSystemIcon(bool, int index, int x, int y) override { images.push_back({ index, x, y, true }); }
    void DrawPicture(MarkupPicture& picture, const MarkupRect& rect) override
    {
        pictures.push_back({ &picture, rect, picture.Stretch() });
    }

    void SetClip(const MarkupRect& rect) override { clip_ = rect; }
    void ClearClip() override { clip_ = bounds; }
    MarkupRect ClipBounds() const override
    {
        return { std::max(clip_.left, bounds.left), std::max(clip_.top, bounds.top),
            std::min(clip_.right, bounds.right), std::min(clip_.bottom, bounds.bottom) };
    }

    void Clear()
    {
        texts.clear();
        fills.clear();
        lines.clear();
        lineColors.clear();
        images.clear();
        pictures.clear();
    }

    // The drawn runs joined, without bullets.
    std::string ShownText() const
    {
        std::string all;
        for (const FakeText& t : texts) {
            if (t.font.name != "Symbol") {
                all += t.text;
            }
        }
        return all;
    }

    int ppiX = 96;
    int ppiY = 96;
    MarkupRect bounds { -100000, -100000, 100000, 100000 };
    std::vector<FakeText> texts;
    std::vector<FakeFill> fills;
    std::vector<std::vector<MarkupPoint>> lines;
    std::vector<TColor> lineColors;
    std::vector<FakeImage> images;
    std::vector<FakePictureDraw> pictures;

private:
    std::string Shown(std::string_view text, const MarkupRect& rect, unsigned flags) const
    {
        std::string shown;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '&' && (flags & mtfNoPrefix) == 0) {
                if (i + 1 < text.size() && text[i + 1] == '&') {
                    shown += '&';
                    ++i;
                }
                continue;
            }
            shown += text[i];
        }
        const int cw = CharWidth();
        const int room = rect.right - rect.left;
        if ((flags & mtfEndEllipsis) != 0 && Width(shown) > room) {
            const int keep = std::max(0, room / cw - 3);
            shown = shown.substr(0, static_cast<std::size_t>(keep)) + "...";
        }
        return shown;
    }

    MarkupFont font_;
    TColor background_ = clWhite;
    MarkupRect clip_ = bounds;
};

} // namespace folvane::test
