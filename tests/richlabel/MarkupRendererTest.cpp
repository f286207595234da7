// Layout, painting and hit-testing of markup against the fixed metrics of FakeCanvas: 8-point
// text is 13 pixels high and 4 pixels per character (5 when bold).
#include "richlabel/MarkupRenderer.h"
#include "richlabel/FakeMarkupCanvas.h"
#include "richlabel/MarkupText.h"

#include <gtest/gtest.h>

#include <map>

namespace folvane {
namespace {

using test::FakeCanvas;
using test::FakeImages;
using test::FakePicture;
using test::FakeText;

class FakeStore : public MarkupPictureStore {
public:
    MarkupPicture* PictureByName(const std::string& name) override
    {
        lookups.push_back(name);
        auto it = pictures.find(name);
        return it == pictures.end() ? nullptr : it->second;
    }
    std::map<std::string, MarkupPicture*> pictures;
    std::vector<std::string> lookups;
};

class FakeCache : public MarkupPictureCache {
public:
    MarkupPicture* PictureByAddress(const std::string& address) override
    {
        auto it = pictures.find(address);
        return it == pictures.end() ? nullptr : it->second.get();
    }
    MarkupPicture* AddPictureFromAddress(const std::string& address) override
    {
        added.push_back(address);
        auto& slot = pictures[address];
        slot = std::make_unique<FakePicture>(address.starts_with("file://") ? 16 : 0, 12);
        return slot.get();
    }
    std::map<std::string, std::unique_ptr<FakePicture>> pictures;
    std::vector<std::string> added;
};

class richlabel_MarkupRenderer : public ::testing::Test {
protected:
    bool Render(std::string_view markup, MarkupRect rect = { 0, 0, 330, 200 })
    {
        canvas.Clear();
        request.Canvas = &canvas;
        request.Markup = markup;
        request.LayoutRect = rect;
        result.HoverRect = { -1, -1, -1, -1 };
        return RenderMarkup(request, result);
    }

    const FakeText* Run(std::string_view text) const
    {
        for (const FakeText& t : canvas.texts) {
            if (t.text == text) {
                return &t;
            }
        }
        return nullptr;
    }

    FakeCanvas canvas;
    FakeImages images { 3, 24, 24 };
    MarkupRenderRequest request;
    MarkupRenderResult result;
};

TEST_F(richlabel_MarkupRenderer, SplashStatusLine)
{
    request.Images = &images;
    const std::string markup
        = "<img src=\"idx:0\" align=\"middle\"> Checking Registry for correct folder path to FSX...";
    Render(markup, { 0, 0, 330, 25 });

    ASSERT_EQ(canvas.images.size(), 1u);
    EXPECT_EQ(canvas.images[0].index, 0);
    EXPECT_EQ(canvas.images[0].x, 1);
    EXPECT_EQ(canvas.images[0].y, 0);
    ASSERT_FALSE(canvas.texts.empty());
    EXPECT_EQ(canvas.texts[0].text, " ");
    EXPECT_EQ(canvas.texts[0].rect.left, 25);
    for (const FakeText& t : canvas.texts) {
        EXPECT_EQ(t.rect.top, 0) << t.text;
        EXPECT_EQ(t.rect.bottom, 19) << t.text; // 24 - (24 - 13) / 2
    }
    EXPECT_EQ(canvas.ShownText(), " Checking Registry for correct folder path to FSX...");
    EXPECT_EQ(result.TextHeight, 26);

    // A longer status loses its second line: it would start at 24, and 24 + 13 > 25.
    const std::string longer = markup + " and a few more words that cannot fit on the first line at all";
    Render(longer, { 0, 0, 330, 25 });
    for (const FakeText& t : canvas.texts) {
        EXPECT_EQ(t.rect.top, 0) << t.text;
    }
    EXPECT_EQ(result.TextHeight, 26);
    EXPECT_LT(
        canvas.ShownText().size(), std::string(" Checking Registry for correct folder path to FSX...").size() + 60);
}

TEST_F(richlabel_MarkupRenderer, EntitiesAndThePrefixRule)
{
    Render("a&amp;b");
    EXPECT_EQ(canvas.ShownText(), "a&b");
    // No " & " in the text as given: the doubled ampersand shows one.
    Render("a &amp; b");
    EXPECT_EQ(canvas.ShownText(), "a & b");
    // With " & " prefix processing is off for the whole text.
    Render("x & y &amp; z");
    EXPECT_EQ(canvas.ShownText(), "x & y && z");
    Render("&Save");
    EXPECT_EQ(canvas.ShownText(), "Save");
    Render("&lt;b&gt;text");
    ASSERT_NE(Run("<b>text"), nullptr);
    EXPECT_FALSE(Run("<b>text")->font.Has(mfsBold));
    Render("a&nbsp;b");
    EXPECT_EQ(canvas.texts.size(), 1u); // not split at the decoded space
    EXPECT_EQ(canvas.ShownText(), "a b");
}

TEST_F(richlabel_MarkupRenderer, WordsWrapButGluedRunsStay)
{
    // Room is 29: "bold" (20) fits, "text" would end at 36 but is glued to "bold".
    Render("<b>bold</b>text", { 0, 0, 30, 100 });
    ASSERT_NE(Run("text"), nullptr);
    EXPECT_EQ(Run("text")->rect.top, 0);
    EXPECT_EQ(Run("text")->rect.left, 21);

    Render("<b>bold</b> text", { 0, 0, 30, 100 });
    ASSERT_NE(Run("text"), nullptr);
    EXPECT_EQ(Run("text")->rect.top, 13);
    EXPECT_EQ(Run("text")->rect.left, 1);
    EXPECT_EQ(result.TextHeight, 28);
    // The trailing space does not count in the width: "bold" is 20 wide.
    EXPECT_EQ(result.TextWidth, 22);

    // A word at least as wide as the room fits by definition, even after other words.
    Render("a verylongwordindeed b", { 0, 0, 30, 100 });
    ASSERT_NE(Run("verylongwordindeed "), nullptr);
    EXPECT_EQ(Run("verylongwordindeed ")->rect.top, 0);
    EXPECT_EQ(Run("b")->rect.top, 13);
}

TEST_F(richlabel_MarkupRenderer, WithoutWordWrapTextIsCutWithAnEllipsis)
{
    request.WordWrap = false;
    Render("a long text that is far too wide for the label", { 0, 0, 61, 100 });
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].text, "a long text ...");
    EXPECT_EQ(canvas.texts[0].rect.top, 0);
    EXPECT_LE(canvas.texts[0].width, 60);

    // An overflowing run after other text is still drawn, and everything after it is dropped.
    // (Room 62: the cut run measures 60, so it is not wider than the room by itself.)
    Render("<b>ab</b> and a long tail that overflows<br>next line", { 0, 0, 63, 100 });
    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_TRUE(canvas.texts[1].text.ends_with("...")) << canvas.texts[1].text;
    EXPECT_EQ(Run("next line"), nullptr);
    EXPECT_EQ(result.TextHeight, 15);
}

TEST_F(richlabel_MarkupRenderer, FontTagSizesFacesAndColours)
{
    Render("<font size=\"3\">a</font><font size=\"20\">b</font>c");
    EXPECT_EQ(Run("a")->font.size, 12);
    EXPECT_EQ(Run("b")->font.size, 20);
    EXPECT_EQ(Run("c")->font.size, 8);
    EXPECT_EQ(result.TextHeight, 25 + 2); // the 20-point run sets the line height

    MarkupFont base = canvas.Font();
    base.color = clGreen;
    canvas.SetFont(base);
    Render("<font color=\"#FF0000\">a</font><font color=\"clRed\">b</font><font color=\"red\">c</font>d");
    EXPECT_EQ(Run("a")->font.color, clRed);
    EXPECT_EQ(Run("b")->font.color, clRed);
    EXPECT_EQ(Run("c")->font.color, clBlack);
    EXPECT_EQ(Run("d")->font.color, clGreen);

    Render("<font face=\"Arial\" bgcolor=\"#0000FF\">a</font>b");
    EXPECT_EQ(Run("a")->font.name, "ARIAL");
    EXPECT_EQ(Run("a")->background, clBlue);
    EXPECT_EQ(Run("b")->font.name, "Tahoma");
    EXPECT_EQ(Run("b")->background, clNone);
}

TEST_F(richlabel_MarkupRenderer, CanvasStateIsRestored)
{
    canvas.SetBackground(clYellow);
    const MarkupFont base = canvas.Font();
    Render("<b><i><font face=\"X\" size=\"5\" bgcolor=\"#00FF00\">unclosed <r a=\"90\">rotated");
    EXPECT_EQ(canvas.Font(), base);
    EXPECT_EQ(canvas.Background(), clYellow);
    EXPECT_EQ(Run("rotated")->font.orientation, 900);
}

TEST_F(richlabel_MarkupRenderer, AnchorsTargetsHitTestAndHoverRect)
{
    request.MeasureOnly = true;
    request.MouseX = 21; // line left 1 + 20: inside "here", which spans 12..28
    request.MouseY = 6;
    EXPECT_TRUE(Render("go <a href=\"Target\">here</a> now"));
    EXPECT_EQ(result.AnchorTarget, "Target");
    EXPECT_EQ(result.MouseAnchor, 1);
    EXPECT_EQ(result.HoverRect, (MarkupRect { 13, 0, 29, 13 }));

    request.MouseY = 13; // on the line bottom: not strictly inside the text
    EXPECT_FALSE(Render("go <a href=\"Target\">here</a> now"));

    request.MouseX = 5;
    request.MouseY = 6;
    EXPECT_FALSE(Render("go <a href=\"Target\">here</a> now"));
    EXPECT_EQ(result.MouseAnchor, -1);
    EXPECT_EQ(result.HoverRect, (MarkupRect { -1, -1, -1, -1 }));

    // The second anchor is number 2; an anchor without a quote has an empty target.
    request.MouseX = 1 + 4 * 3 + 2;
    EXPECT_TRUE(Render("<a href=\"x\">a</a> <a>bc</a>"));
    EXPECT_EQ(result.AnchorTarget, "");
    EXPECT_EQ(result.MouseAnchor, 2);

    // An anchor that wraps: its hover box on the last line starts at the line's left.
    request.MouseX = 3;
    request.MouseY = 20;
    EXPECT_TRUE(Render("xxxx <a href=\"w\">first second</a>", { 0, 0, 50, 100 }));
    EXPECT_EQ(result.AnchorTarget, "w");
    EXPECT_EQ(result.HoverRect, (MarkupRect { 1, 13, 1 + 24, 26 }));
}

TEST_F(richlabel_MarkupRenderer, AnchorPicturesAreHitAndShowTheirAlternative)
{
    request.Images = &images;
    request.MeasureOnly = true;
    request.MouseX = 10;
    request.MouseY = 10;
    EXPECT_TRUE(Render("<a href=\"pic\"><img src=\"idx:0\" alt=\"idx:1\"></a>"));
    EXPECT_EQ(result.AnchorTarget, "pic");

    request.MeasureOnly = false;
    Render("<a href=\"pic\"><img src=\"idx:0\" alt=\"idx:1\"></a>");
    ASSERT_EQ(canvas.images.size(), 1u);
    EXPECT_EQ(canvas.images[0].index, 1);

    request.MouseX = 100;
    Render("<a href=\"pic\"><img src=\"idx:0\" alt=\"idx:1\"></a>");
    ASSERT_EQ(canvas.images.size(), 1u);
    EXPECT_EQ(canvas.images[0].index, 0);
    // A centred picture is hit where it is drawn, not where the fitting pass first had it.
    request.MeasureOnly = true;
    const std::string centred = "<p align=\"center\"><a href=\"pic\"><img src=\"idx:0\"></a>";
    request.MouseX = 5;
    EXPECT_FALSE(Render(centred));
    EXPECT_EQ(result.AnchorTarget, "");
    request.MouseX = 165;
    EXPECT_TRUE(Render(centred));
}

TEST_F(richlabel_MarkupRenderer, AnchorStyling)
{
    MarkupFont base = canvas.Font();
    base.color = clGreen;
    canvas.SetFont(base);
    request.URLColor = clBlue;
    Render("<a href=\"1\">one</a> <a href=\"2\">two</a> end");
    EXPECT_TRUE(Run("one")->font.Has(mfsUnderline));
    EXPECT_EQ(Run("one")->font.color, clBlue);
    EXPECT_FALSE(Run("end")->font.Has(mfsUnderline));
    EXPECT_EQ(Run("end")->font.color, clGreen);

    request.Hover = true;
    request.HoverAnchor = 2;
    request.HoverColor = clYellow;
    request.HoverFontColor = clRed;
    Render("<a href=\"1\">one</a> <a href=\"2\">two</a> end");
    EXPECT_FALSE(Run("one")->font.Has(mfsUnderline));
    EXPECT_EQ(Run("one")->font.color, clBlue);
    EXPECT_EQ(Run("one")->background, clNone);
    EXPECT_TRUE(Run("two")->font.Has(mfsUnderline));
    EXPECT_EQ(Run("two")->font.color, clRed);
    EXPECT_EQ(Run("two")->background, clYellow);
    EXPECT_EQ(Run("end")->background, clNone);
}

TEST_F(richlabel_MarkupRenderer, ListsPutItemsOnTheirOwnLinesAfterBullets)
{
    Render("<ul><li>one<li>two</ul>after");
    ASSERT_NE(Run("one"), nullptr);
    ASSERT_NE(Run("two"), nullptr);
    EXPECT_EQ(Run("one")->rect.top, 13); // the list tag ends the first, empty line
    EXPECT_EQ(Run("two")->rect.top, 26);
    EXPECT_EQ(Run("one")->rect.left, 13);
    std::vector<const FakeText*> bullets;
    for (const FakeText& t : canvas.texts) {
        if (t.font.name == "Symbol") {
            bullets.push_back(&t);
        }
    }
    ASSERT_EQ(bullets.size(), 2u);
    EXPECT_EQ(bullets[0]->text, "\xB7");
    EXPECT_EQ(bullets[0]->rect.left, 1);
    EXPECT_EQ(bullets[0]->rect.top, 13);
    EXPECT_EQ(bullets[1]->rect.top, 26);
    // "</ul>" lowers the level without ending the line.
    EXPECT_EQ(Run("after")->rect.top, 26);

    Render("<ul><ul><li>deep</ul></ul>");
    EXPECT_EQ(Run("deep")->rect.left, 1 + 12 + 12);
    EXPECT_EQ(Run("o")->font.name, "Symbol");
}

TEST_F(richlabel_MarkupRenderer, EmptyAndBrokenText)
{
    Render("");
    EXPECT_EQ(result.TextHeight, 15);
    EXPECT_EQ(result.TextWidth, 0);
    EXPECT_TRUE(canvas.texts.empty());

    Render("ab<b and the rest");
    EXPECT_EQ(canvas.ShownText(), "ab");
    Render("ab<");
    EXPECT_EQ(canvas.ShownText(), "ab");
    Render("ab<>cd<unknown tag>ef");
    EXPECT_EQ(canvas.ShownText(), "abcdef");
    Render("a<z>hidden <b>still</b> acts</z>b");
    EXPECT_EQ(canvas.ShownText(), "ab");
}

TEST_F(richlabel_MarkupRenderer, LinesThatDoNotFitAreNotLaidOut)
{
    Render("a<br>b<br>c", { 0, 0, 100, 25 });
    EXPECT_EQ(canvas.ShownText(), "a");
    EXPECT_EQ(result.TextHeight, 15);
    Render("a<br>b<br>c", { 0, 0, 100, 26 });
    EXPECT_EQ(canvas.ShownText(), "ab");
    EXPECT_EQ(result.TextHeight, 28);
}

TEST_F(richlabel_MarkupRenderer, TextWidthIsTheWidestLinePlusTwo)
{
    Render("abc");
    EXPECT_EQ(result.TextWidth, 14);
    // The second line (14) is the widest even though the first already gave 14.
    Render("abc<br><b>ab</b>c");
    EXPECT_EQ(result.TextWidth, 16);
    Render("<br>");
    EXPECT_EQ(result.TextWidth, 0);
}

TEST_F(richlabel_MarkupRenderer, ParagraphAlignmentIndentAndOffsets)
{
    Render("<p align=\"right\">ab", { 0, 0, 100, 100 });
    EXPECT_EQ(Run("ab")->rect.left, 92);
    Render("<p align=\"center\">ab", { 0, 0, 100, 100 });
    EXPECT_EQ(Run("ab")->rect.left, 1 + (99 - 8) / 2);
    Render("<p align=\"left right\">ab", { 0, 0, 100, 100 }); // the last test that matches wins
    EXPECT_EQ(Run("ab")->rect.left, 1);
    // Alignment carries to the following lines.
    Render("<p align=\"right\">ab<br>cd", { 0, 0, 100, 100 });
    EXPECT_EQ(Run("cd")->rect.left, 92);

    Render("<p indent=\"10\">ab<br>cd", { 0, 0, 100, 100 });
    EXPECT_EQ(Run("ab")->rect.left, 11);
    EXPECT_EQ(Run("cd")->rect.left, 11);

    Render("a<ind x=\"40\">b");
    EXPECT_EQ(Run("b")->rect.left, 40);
    Render("a<of x=\"50\">b<br>c</of><br>d");
    EXPECT_EQ(Run("b")->rect.left, 50);
    EXPECT_EQ(Run("c")->rect.left, 51);
    EXPECT_EQ(Run("d")->rect.left, 1);
}

TEST_F(richlabel_MarkupRenderer, ScriptsShadowsHighlightsAndRules)
{
    Render("x<sup>2</sup>y");
    // 13 / 4 = 3 of rise: the line is 16 high, normal text sits on 16, the superscript on 13.
    EXPECT_EQ(result.TextHeight, 18);
    EXPECT_EQ(Run("x")->rect.bottom, 16);
    EXPECT_EQ(Run("2")->rect.bottom, 13);
    Render("x<sub>2</sub>y");
    EXPECT_EQ(Run("x")->rect.bottom, 13);
    EXPECT_EQ(Run("2")->rect.bottom, 16);

    request.ShadowColor = clSilver;
    request.ShadowOffset = 3;
    Render("<sh>a</sh>b");
    ASSERT_EQ(canvas.texts.size(), 3u);
    EXPECT_EQ(canvas.texts[0].font.color, clSilver);
    EXPECT_EQ(canvas.texts[0].rect.left, canvas.texts[1].rect.left + 3);
    EXPECT_EQ(canvas.texts[0].rect.bottom, canvas.texts[1].rect.bottom + 3);
    EXPECT_EQ(canvas.texts[2].text, "b");

    Render("<hi>a</hi>b");
    EXPECT_EQ(Run("a")->background, clHighlight);
    EXPECT_EQ(Run("a")->font.color, clHighlightText);
    EXPECT_EQ(Run("b")->background, clNone);
    EXPECT_EQ(Run("b")->font.color, clBlack);

    Render("ab<hr>cd", { 0, 0, 100, 100 });
    ASSERT_EQ(canvas.lines.size(), 1u);
    EXPECT_EQ(canvas.lines[0].front(), (MarkupPoint { 1, 14 }));
    EXPECT_EQ(canvas.lines[0].back(), (MarkupPoint { 100, 14 }));
    EXPECT_EQ(Run("cd")->rect.top, 13);
}

TEST_F(richlabel_MarkupRenderer, ZigzagUnderline)
{
    Render("<e>ab</e>c");
    ASSERT_EQ(canvas.lines.size(), 1u);
    EXPECT_EQ(canvas.lineColors[0], clRed);
    // The run covers 1..9; x0 = 0 is a multiple of 4, so the zigzag starts 2 down.
    const std::vector<MarkupPoint> expected { { 0, 14 }, { 2, 12 }, { 4, 14 }, { 6, 12 }, { 8, 14 }, { 10, 12 } };
    EXPECT_EQ(canvas.lines[0], expected);
}

TEST_F(richlabel_MarkupRenderer, InlinePicturesFromStoreCacheAndImageList)
{
    FakePicture logo(10, 8);
    FakePicture three(6, 6);
    FakeStore store;
    store.pictures["logo"] = &logo;
    store.pictures["3"] = &three;
    FakeCache cache;
    request.PictureStore = &store;
    request.PictureCache = &cache;
    request.Images = &images;

    Render("<img src=\"logo\">a");
    ASSERT_EQ(canvas.pictures.size(), 1u);
    EXPECT_EQ(canvas.pictures[0].rect.left, 1);
    EXPECT_EQ(Run("a")->rect.left, 11);

    Render("<img src=\"logo\" width=\"20\" height=\"30\">a");
    ASSERT_EQ(canvas.pictures.size(), 1u);
    EXPECT_TRUE(canvas.pictures[0].stretched);
    EXPECT_EQ(canvas.pictures[0].rect, (MarkupRect { 1, 0, 21, 30 }));
    EXPECT_EQ(result.TextHeight, 32);

    // "idx:" is removed and the rest is also a name: the store's picture wins.
    Render("<img src=\"idx:3\">");
    EXPECT_TRUE(canvas.images.empty()); // index 3 is beyond the list
    ASSERT_EQ(canvas.pictures.size(), 1u);
    EXPECT_EQ(canvas.pictures[0].picture, &three);

    // Addresses are loaded once into the cache, found by exact case afterwards.
    Render("<img src=\"file://a.bmp\"><br><img src=\"file://a.bmp\"><img src=\"http://x/y.gif\">b");
    EXPECT_EQ(cache.added, (std::vector<std::string> { "file://a.bmp", "http://x/y.gif" }));
    EXPECT_EQ(canvas.pictures.size(), 2u); // the unfetched one is empty and takes no room
    EXPECT_EQ(Run("b")->rect.left, 1 + 16);

    // An animation frame is drawn at its offset in a box of the animation's size.
    FakePicture gif(8, 8);
    gif.SetAnimation(30, 20, 4, 5);
    store.pictures["anim"] = &gif;
    Render("<img src=\"anim\">z");
    ASSERT_EQ(canvas.pictures.size(), 1u);
    EXPECT_EQ(canvas.pictures[0].rect.left, 5);
    EXPECT_EQ(canvas.pictures[0].rect.top, 5);
    EXPECT_EQ(Run("z")->rect.left, 31);

    request.PictureStore = nullptr; // "3" would name the store's picture
    Render("<img src=\"ssys:3\"><img src=\"lsys:c:\\x.txt\">");
    ASSERT_EQ(canvas.images.size(), 2u);
    EXPECT_TRUE(canvas.images[0].icon);
    EXPECT_EQ(canvas.images[0].index, 3);
    EXPECT_EQ(canvas.images[1].index, 7);
    EXPECT_EQ(canvas.images[1].x, 1 + 16);
}

TEST_F(richlabel_MarkupRenderer, PicturesWrapAndScaleWithResolution)
{
    request.Images = &images;
    // Room 39: "abcdef" takes 24, the 24-wide picture no longer fits but is narrower than the line.
    Render("abcdef<img src=\"idx:0\">", { 0, 0, 40, 100 });
    ASSERT_EQ(canvas.images.size(), 1u);
    EXPECT_EQ(canvas.images[0].x, 1);
    EXPECT_EQ(canvas.images[0].y, 13);

    // A picture wider than the whole line stays where it is.
    Render("ab<img src=\"idx:0\">", { 0, 0, 20, 100 });
    EXPECT_EQ(canvas.images[0].y, 0);

    canvas.ppiX = 120;
    canvas.ppiY = 144;
    Render("<img src=\"idx:0\">a");
    EXPECT_EQ(Run("a")->rect.left, 1 + 30);
    EXPECT_EQ(result.TextHeight, 36 + 2);

    canvas.ppiX = canvas.ppiY = 96;
    Render("<img src=\"idx:0\" align=\"top\">a");
    EXPECT_EQ(Run("a")->rect.bottom, 13); // raised by 24 - 13
    // "wrap": the line keeps the height of text, the picture hangs below it.
    Render("<img src=\"idx:1\" align=\"top\" wrap>b<br>c");
    EXPECT_EQ(Run("b")->rect.bottom, 13);
    EXPECT_EQ(Run("c")->rect.top, 13);
    EXPECT_EQ(canvas.images[0].y, 0);
}

TEST_F(richlabel_MarkupRenderer, BodyAndParagraphBackgrounds)
{
    Render("<body bgcolor=\"#FF0000\">a", { 0, 0, 50, 40 });
    ASSERT_FALSE(canvas.fills.empty());
    EXPECT_EQ(canvas.fills[0].rect, (MarkupRect { -2, 0, 50, 40 }));
    EXPECT_EQ(canvas.fills[0].color, clRed);
    EXPECT_EQ(Run("a")->background, clRed);

    Render("<body bgcolor=\"#000000\" bgcolorto=\"#FFFFFF\" dir=\"v\">a", { 0, 0, 64, 64 });
    ASSERT_EQ(canvas.fills.size(), 64u);
    EXPECT_EQ(canvas.fills[1].rect, (MarkupRect { 0, 1, 64, 3 })); // vertical bands
    EXPECT_EQ(Run("a")->background, clNone);

    Render("<p bgcolor=\"#0000FF\">a<br>b</p>c", { 0, 0, 50, 100 });
    // The tag fills its line's band; the next line draws its band first; "</p>" ends it.
    ASSERT_EQ(canvas.fills.size(), 2u);
    EXPECT_EQ(canvas.fills[0].rect, (MarkupRect { 0, 0, 50, 13 }));
    EXPECT_EQ(canvas.fills[1].rect, (MarkupRect { 0, 13, 50, 26 }));
    EXPECT_EQ(Run("c")->background, clNone);

    FakePicture tile(20, 20);
    FakeStore store;
    store.pictures["TILE"] = &tile;
    request.PictureStore = &store;
    Render("<body background=\"tile\">", { 0, 0, 50, 30 });
    EXPECT_EQ(canvas.pictures.size(), 3u * 2u);
}

TEST_F(richlabel_MarkupRenderer, HugeInputsStayBounded)
{
    // A tiny tiled picture under an auto-sized rectangle is tiled only where it can be seen.
    FakePicture dot(1, 1);
    FakeStore store;
    store.pictures["DOT"] = &dot;
    request.PictureStore = &store;
    canvas.bounds = { 0, 0, 40, 30 };
    Render("<body background=\"dot\">", { 0, 0, 40, 30 + 65535 });
    EXPECT_EQ(canvas.pictures.size(), 40u * 30u);

    // Runs glued without spaces stay on one line however wide they get: the line's width
    // saturates instead of wrapping round, so the widest line is still the widest.
    std::string glued = "<font size=\"999999\">";
    for (int i = 0; i < 1000; ++i) {
        glued += "wwww<b>w</b>";
    }
    canvas.bounds = { 0, 0, 330, 200 };
    Render(glued);
    EXPECT_GT(result.TextWidth, 1 << 27);

    // A zig-zag under a run 20 million pixels wide covers only what can be seen.
    Render("<e><font size=\"999999\">" + std::string(40, 'w'));
    ASSERT_EQ(canvas.lines.size(), 1u);
    EXPECT_LE(canvas.lines[0].size(), 200u);

    // Markup past the limit is not laid out: the line break after it adds no line.
    request.WordWrap = true;
    Render(std::string(kMaxMarkupLength - 1, 'a') + "<br>b", { 0, 0, 330, 1000 });
    EXPECT_EQ(result.TextHeight, 13 + 2);
    Render(std::string(kMaxMarkupLength - 5, 'a') + "<br>b", { 0, 0, 330, 1000 });
    EXPECT_EQ(result.TextHeight, 2 * 13 + 2);

    // Without word wrap a run billions of pixels wide is still measured and cut to its room.
    request.WordWrap = false;
    Render("<font size=\"999999\">" + std::string(5000, 'w'));
    ASSERT_FALSE(canvas.texts.empty());
    EXPECT_EQ(canvas.texts.back().text.substr(canvas.texts.back().text.size() - 3), "...");
}

} // namespace
} // namespace folvane
