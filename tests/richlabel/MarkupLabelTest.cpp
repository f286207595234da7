// The markup label and its GDI canvas under Wine with Wine's Tahoma: the splash's status line
// painted into a memory bitmap with a real 24 x 24 image list, bold text, auto sizing, anchors.
#include "richlabel/MarkupLabel.h"
#include "RichLabelTestUtil.h"
#include "richlabel/GdiMarkupCanvas.h"
#include "support/Snapshot.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

using test::CountPixels;
using test::FillBitmap;

constexpr TColor kKey = clFuchsia;

class MarkupLabelPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        images.SetSize(24, 24);
        for (TColor color : { clLime, clBlue }) {
            TBitmap glyph(24, 24, TPixelFormat::pf24bit);
            FillBitmap(glyph, color);
            images.Add(glyph, nullptr);
        }
        label.SetBounds(0, 0, 330, 25);
        label.SetTransparent(true);
        label.SetImages(&images);
    }

    // Paints the label into a bitmap larger than itself, filled with the key colour.
    TBitmap& Paint(const std::string& markup)
    {
        label.SetHTMLText(markup);
        FillBitmap(surface, kKey);
        label.PaintTo(surface.Canvas());
        return surface;
    }

    TImageList images;
    TMarkupLabel label;
    TBitmap surface { 400, 60, TPixelFormat::pf24bit };
};

bool IsInk(TColor c)
{
    return c != kKey && c != clLime && c != clBlue;
}

TEST_F(MarkupLabelPaint, SplashStatusLine)
{
    TBitmap& bitmap = Paint("<img src=\"idx:0\" align=\"middle\"> Checking Registry for correct folder path to FSX...");
    const testing::ReviewOnFailure review(bitmap, "richlabel_splash");

    // The picture covers (1, 0) to (24, 23).
    EXPECT_EQ(CountPixels(bitmap, RECT { 1, 0, 25, 24 }, [](TColor c) { return c == clLime; }), 24 * 24);
    EXPECT_EQ(bitmap.Pixel(0, 0), kKey);
    EXPECT_EQ(bitmap.Pixel(25, 0), kKey);
    // Text ink sits right of the picture, on a text line whose bottom is y 19.
    EXPECT_GT(CountPixels(bitmap, RECT { 25, 6, 330, 19 }, IsInk), 200);
    EXPECT_EQ(CountPixels(bitmap, RECT { 0, 0, 400, 6 }, IsInk), 0);
    EXPECT_EQ(CountPixels(bitmap, RECT { 0, 19, 400, 60 }, IsInk), 0);
    // Nothing at all outside the label.
    EXPECT_EQ(CountPixels(bitmap, RECT { 330, 0, 400, 60 }, [](TColor c) { return c != kKey; }), 0);
    EXPECT_EQ(CountPixels(bitmap, RECT { 0, 25, 400, 60 }, [](TColor c) { return c != kKey; }), 0);
    EXPECT_EQ(label.TextHeight(), 26);

    // A longer line loses what does not fit on the first line.
    Paint("<img src=\"idx:1\" align=\"middle\"> FSX installation folder located under <b>LOCAL_MACHINE!</b> and "
          "then a good deal more text that needs a second line");
    EXPECT_EQ(CountPixels(bitmap, RECT { 0, 25, 400, 60 }, [](TColor c) { return c != kKey; }), 0);
    EXPECT_EQ(bitmap.Pixel(1, 0), clBlue);
    EXPECT_EQ(label.TextHeight(), 26);
}

TEST_F(MarkupLabelPaint, BoldIsReallyBold)
{
    Paint("LOCAL_MACHINE!");
    const int plainWidth = label.TextWidth();
    const int plainInk = CountPixels(surface, RECT { 0, 0, 330, 25 }, IsInk);
    Paint("<b>LOCAL_MACHINE!</b>");
    const testing::ReviewOnFailure review(surface, "richlabel_bold");
    EXPECT_GT(label.TextWidth(), plainWidth);
    EXPECT_GT(CountPixels(surface, RECT { 0, 0, 330, 25 }, IsInk), plainInk + plainInk / 5);
}

TEST_F(MarkupLabelPaint, EllipsisCutsAtTheRightEdge)
{
    label.SetBounds(0, 0, 100, 25);
    label.SetEllipsis(true);
    Paint("A status text that is much too long for a label only a hundred pixels wide");
    const testing::ReviewOnFailure review(surface, "richlabel_ellipsis");
    EXPECT_EQ(CountPixels(surface, RECT { 100, 0, 400, 60 }, IsInk), 0);
    EXPECT_GT(CountPixels(surface, RECT { 80, 0, 100, 25 }, IsInk), 0);
    EXPECT_EQ(label.TextHeight(), 15); // one line
}

TEST_F(MarkupLabelPaint, ShellIconsComeFromTheSystemList)
{
    // A folder that exists: its icon is loaded into the list (Wine fills the list lazily).
    Paint("<img src=\"ssys:C:\\windows\">x");
    const int size = GetSystemMetrics(SM_CXSMICON);
    EXPECT_GT(CountPixels(surface, RECT { 1, 0, 1 + size, size }, [](TColor c) { return c != kKey; }), size);
    // The text follows the icon's box.
    EXPECT_GT(CountPixels(surface, RECT { 1 + size, 0, 1 + size + 8, 25 }, IsInk), 0);
    EXPECT_EQ(CountPixels(surface, RECT { 1 + size + 8, 0, 400, 60 }, IsInk), 0);
}

TEST_F(MarkupLabelPaint, OpaqueBackgroundsAndGradients)
{
    label.SetTransparent(false);
    label.SetColor(clWhite);
    Paint("x");
    EXPECT_EQ(surface.Pixel(300, 20), clWhite);

    // A vertical gradient of 100 / 4 = 25 steps from black to white over 50 rows, 2 rows apart.
    label.SetBounds(0, 0, 100, 50);
    label.SetColor(clBlack);
    label.SetColorTo(clWhite);
    label.SetGradientType(TGradientType::gtFullVertical);
    Paint("");
    EXPECT_EQ(surface.Pixel(50, 0), clBlack);
    EXPECT_EQ(surface.Pixel(50, 49), MakeColor(245, 245, 245));
    // A bottom line of two rows fading to white over a transparent label.
    label.SetTransparent(true);
    label.SetGradientType(TGradientType::gtBottomLine);
    Paint("");
    EXPECT_EQ(surface.Pixel(0, 48), clBlack);
    EXPECT_EQ(surface.Pixel(0, 47), kKey);
    EXPECT_EQ(surface.Pixel(99, 49), MakeColor(245, 245, 245));
}

TEST(richlabel_MarkupLabel, PropertiesAndTextJoining)
{
    TMarkupLabel label;
    EXPECT_EQ(label.Version(), "1.7.5.4");
    label.SetVersion("9");
    EXPECT_EQ(label.Version(), "1.7.5.4");
    EXPECT_EQ(label.VersionNumber(), 0x01070504u);
    EXPECT_EQ(label.URLColor(), clBlue);
    EXPECT_EQ(label.ShadowColor(), clGray);
    EXPECT_EQ(label.ShadowOffset(), 2);
    EXPECT_EQ(label.HoverColor(), clNone);
    EXPECT_EQ(label.BevelWidth(), 1);
    EXPECT_EQ(label.BorderColor(), clBlack);
    EXPECT_FALSE(label.AutoSize());
    label.SetHTMLText(std::vector<std::string> { "a\r\n", "b" });
    ASSERT_EQ(label.HTMLText().size(), 1u);
    EXPECT_EQ(label.HTMLText()[0], "ab");
    EXPECT_EQ(label.DisplayText(), "ab");
}

TEST(richlabel_MarkupLabel, AutoSizingFollowsTheText)
{
    TMarkupLabel label;
    label.SetBounds(0, 0, 10, 10);
    label.SetAutoSizing(true);
    label.SetAutoSizeType(TAutoSizeType::asBoth);
    label.SetHTMLText("ab<br>abcd");
    TBitmap surface(200, 100, TPixelFormat::pf24bit);
    label.PaintTo(surface.Canvas());

    TCanvas& canvas = surface.Canvas();
    canvas.SetFont(label.Font());
    const int widest = canvas.TextWidth(std::string_view("abcd"));
    EXPECT_EQ(label.TextWidth(), widest + 2);
    EXPECT_EQ(label.TextHeight(), 13 + 13 + 2);
    EXPECT_EQ(label.Width(), widest + 2 + 6);
    EXPECT_EQ(label.Height(), 28 + 6);
}

class RecordingLabel : public TMarkupLabel {
public:
    using TMarkupLabel::AnchorAt;
    std::vector<std::string> opened;

protected:
    void OpenLink(const std::string& target) override { opened.push_back(target); }
};

TEST(richlabel_MarkupLabel, AnchorClicksGoToTheHandlerOrTheShell)
{
    RecordingLabel label;
    label.SetBounds(0, 0, 300, 20);
    label.SetHTMLText("<a href=\"page2\">page2</a> <a href=\"mailto:someone@example.com\">mail</a>");
    std::vector<std::string> clicked;
    label.OnAnchorClick = [&](TComponent*, const std::string& anchor) { clicked.push_back(anchor); };

    RECT hover {};
    EXPECT_EQ(label.AnchorAt(5, 6, hover), "page2");
    EXPECT_EQ(hover.left, 1);
    EXPECT_EQ(hover.top, 0);
    const RECT page2 = hover;
    // A miss reports no rectangle, not the one found before.
    EXPECT_EQ(label.AnchorAt(5, 17, hover), ""); // below the text line
    EXPECT_EQ(hover.left, -1);
    EXPECT_EQ(label.AnchorAt(250, 6, hover), "");
    EXPECT_EQ(hover.right, -1);
    // The mail anchor starts a space after the first one ends.
    const int mailX = page2.right + 8;
    EXPECT_EQ(label.AnchorAt(mailX, 6, hover), "mailto:someone@example.com");
    EXPECT_GT(hover.left, page2.right);

    label.DispatchMouseDown(TMouseButton::mbLeft, 0, 5, 6, false);
    label.DispatchMouseUp(TMouseButton::mbLeft, 0, 5, 6);
    EXPECT_EQ(clicked, std::vector<std::string> { "page2" });
    label.DispatchMouseDown(TMouseButton::mbRight, 0, mailX, 6, false);
    label.DispatchMouseUp(TMouseButton::mbRight, 0, mailX, 6);
    EXPECT_EQ(clicked.size(), 1u);
    EXPECT_EQ(label.opened, std::vector<std::string> { "mailto:someone@example.com" });
}

TEST(richlabel_MarkupLabel, PictureAnchorsHaveNoHoverRectangle)
{
    // The renderer records no box for a picture anchor: the rectangle of the text anchor that
    // the mouse passed before must not come back in its place.
    TImageList images;
    images.SetSize(24, 24);
    TBitmap glyph(24, 24, TPixelFormat::pf24bit);
    FillBitmap(glyph, clLime);
    images.Add(glyph, nullptr);
    RecordingLabel label;
    label.SetBounds(0, 0, 300, 30);
    label.SetImages(&images);
    label.SetHTMLText("<a href=\"t\">text</a> <a href=\"p\"><img src=\"idx:0\"></a>");
    RECT hover {};
    ASSERT_EQ(label.AnchorAt(5, 18, hover), "t");
    ASSERT_NE(hover.left, -1);
    label.DispatchMouseMove(0, 5, 18);
    int pictureX = -1;
    for (int x = 0; x < 100 && pictureX < 0; ++x) {
        if (label.AnchorAt(x, 18, hover) == "p") {
            pictureX = x;
        }
    }
    ASSERT_GE(pictureX, 0);
    EXPECT_EQ(hover.left, -1);
    EXPECT_EQ(hover.bottom, -1);
}

TEST(richlabel_MarkupLabel, TextKeepsInsideTheFramesWhereItIsAlsoHit)
{
    // A raised bevel of 2 and a border of 3 in Color: 5 rings, then 2 more for the bevel.
    RecordingLabel label;
    label.SetBounds(0, 0, 200, 40);
    label.SetColor(clWhite);
    label.SetBevelOuter(TBevelCut::bvRaised);
    label.SetBevelWidth(2);
    label.SetBorderWidth(3);
    label.SetHTMLText("<a href=\"x\">link</a>");
    TBitmap surface(200, 40, TPixelFormat::pf24bit);
    label.PaintTo(surface.Canvas());
    const auto ink = [](TColor c) { return c == clBlue; };
    EXPECT_EQ(CountPixels(surface, RECT { 0, 0, 8, 40 }, ink), 0);
    EXPECT_EQ(CountPixels(surface, RECT { 0, 0, 200, 7 }, ink), 0);
    EXPECT_GT(CountPixels(surface, RECT { 8, 7, 60, 30 }, ink), 20);

    RECT hover {};
    EXPECT_EQ(label.AnchorAt(10, 12, hover), "x");
    EXPECT_EQ(hover.left, 8);
    EXPECT_EQ(hover.top, 7);
    int firstInk = 200;
    for (int x = 0; x < 200 && firstInk == 200; ++x) {
        if (CountPixels(surface, RECT { x, 0, x + 1, 40 }, ink) > 0) {
            firstInk = x;
        }
    }
    EXPECT_GE(firstInk, hover.left);
    EXPECT_LT(firstInk, hover.left + 3);
}

TEST(richlabel_MarkupLabel, TooltipsShowTargetsOrPlainText)
{
    TMarkupLabel label;
    label.SetBounds(0, 0, 300, 20);
    label.SetHTMLText("<a href=\"target\">link</a> and <b>more</b>");
    label.SetAnchorHint(true);
    label.SetHintShowFull(true);
    label.OnAnchorHint = [](TComponent*, std::string& anchor) { anchor += "!"; };
    THintInfo info;
    info.CursorPos = POINT { 5, 6 };
    EXPECT_TRUE(label.HintShow(info));
    EXPECT_EQ(info.HintStr, "target!");
    info.CursorPos = POINT { 250, 6 };
    label.HintShow(info);
    EXPECT_EQ(info.HintStr, "link and more");
    label.SetHTMLHint(true);
    label.HintShow(info);
    EXPECT_EQ(info.HintStr, label.DisplayText());
}

TEST(richlabel_MarkupLabel, MouseMovesEnterAndLeaveAnchors)
{
    TMarkupLabel label;
    label.SetBounds(0, 0, 300, 40);
    label.SetHover(true);
    label.SetVAlignment(TVAlignment::tvaBottom);
    label.SetHTMLText("<a href=\"one\">one</a> plain");
    std::vector<std::string> events;
    label.OnAnchorEnter = [&](TComponent*, const std::string& a) { events.push_back("enter " + a); };
    label.OnAnchorExit = [&](TComponent*, const std::string& a) { events.push_back("exit " + a); };

    // Bottom alignment: the 13-pixel line (15 with its 2) sits at the bottom of the 40 rows.
    label.DispatchMouseMove(0, 5, 6);
    EXPECT_EQ(label.Cursor(), crDefault);
    EXPECT_TRUE(events.empty());
    label.DispatchMouseMove(0, 5, 32);
    EXPECT_EQ(label.Cursor(), crHandPoint);
    label.DispatchMouseMove(0, 6, 32); // still the same anchor: no second enter
    label.DispatchMouseMove(0, 250, 32);
    EXPECT_EQ(label.Cursor(), crDefault);
    EXPECT_EQ(events, (std::vector<std::string> { "enter one", "exit " }));
}

} // namespace
} // namespace folvane
