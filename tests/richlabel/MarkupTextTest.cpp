// Preparation, tag recognition, attributes, numbers, colours and plain-text conversion.
#include "richlabel/MarkupText.h"

#include <gtest/gtest.h>

namespace folvane {
namespace {

TEST(richlabel_MarkupText, PrefixRuleLooksForAnAmpersandBetweenSpaces)
{
    EXPECT_TRUE(PrepareMarkup("a & b").noPrefix);
    EXPECT_FALSE(PrepareMarkup("a&b").noPrefix);
    EXPECT_FALSE(PrepareMarkup("a &b").noPrefix);
    // The test runs on the text as given, before the entity sweeps double "&amp;".
    EXPECT_FALSE(PrepareMarkup("a &amp; b").noPrefix);
}

TEST(richlabel_MarkupText, EntitySweepsRepeatUntilNothingChanges)
{
    EXPECT_EQ(PrepareMarkup("a&amp;b").text, "a&&b");
    EXPECT_EQ(PrepareMarkup("&QUOT;x&quot;").text, "\"x\"");
    EXPECT_EQ(PrepareMarkup("&sect;&permil;&reg;&copy;&para;&trade;&euro;").text, "\xA7\x89\xAE\xA9\xB6\x99\x80");
    // The second "&" left by "&amp;" starts the next entity.
    EXPECT_EQ(PrepareMarkup("&amp;reg;").text, "&\xAE");
    EXPECT_EQ(PrepareMarkup("&amp;amp;").text, "&&&");
    // Run entities and unknown ones are left for later or for good.
    EXPECT_EQ(PrepareMarkup("&lt;&nbsp;&foo;&").text, "&lt;&nbsp;&foo;&");
}

TEST(richlabel_MarkupText, HashTagAndLineBreaks)
{
    EXPECT_EQ(PrepareMarkup("ab<#name>cd").text, "ab#namecd");
    EXPECT_EQ(PrepareMarkup("<#a><#b>").text, "#a<#b>"); // only the first
    EXPECT_EQ(PrepareMarkup("<#open").text, "#open");
    EXPECT_EQ(PrepareMarkup("one\r\ntwo\nthree\r").text, "one<BR>twothree<BR>");
}

TEST(richlabel_MarkupText, RunEntitiesAreDecodedOnce)
{
    EXPECT_EQ(DecodeRunEntities("&lt;b&gt;"), "<b>");
    EXPECT_EQ(DecodeRunEntities("a&NBSP;b"), "a b");
    EXPECT_EQ(DecodeRunEntities("&amp;lt;"), "&amp;lt;");
    EXPECT_EQ(DecodeRunEntities("&&lt;"), "&<");
    EXPECT_EQ(DecodeRunEntities("&lt"), "&lt");
}

TEST(richlabel_MarkupText, TagsAreRecognisedByLeadingLetters)
{
    struct Case {
        const char* tag;
        MarkupTag kind;
    };
    const Case cases[] = {
        { "<A HREF=\"X\">", MarkupTag::AnchorOpen },
        { "<ABBR>", MarkupTag::AnchorOpen },
        { "</A>", MarkupTag::AnchorClose },
        { "<B>", MarkupTag::BoldOn },
        { "<B >", MarkupTag::Unknown },
        { "<BLINK>", MarkupTag::Blink },
        { "<BODY>", MarkupTag::Body },
        { "<BR/>", MarkupTag::LineBreak },
        { "</B>", MarkupTag::BoldOff },
        { "</BLINK>", MarkupTag::ColorReset },
        { "<EM>", MarkupTag::ZigzagOn },
        { "<FONT>", MarkupTag::FontOpen },
        { "</FONT>", MarkupTag::FontClose },
        { "<HI>", MarkupTag::HighlightOn },
        { "<HR>", MarkupTag::Rule },
        { "<H1>", MarkupTag::Unknown },
        { "</HR>", MarkupTag::HighlightOff },
        { "<I>", MarkupTag::ItalicOn },
        { "<IMG>", MarkupTag::Image },
        { "<IND>", MarkupTag::Indent },
        { "<IX>", MarkupTag::Unknown },
        { "</ITALIC>", MarkupTag::ItalicOff },
        { "<LI>", MarkupTag::ListItem },
        { "</LI>", MarkupTag::ListItemClose },
        { "<OFS>", MarkupTag::OffsetOn },
        { "<OL>", MarkupTag::Unknown },
        { "</OL>", MarkupTag::OffsetOff },
        { "<PRE>", MarkupTag::ParagraphOpen },
        { "<ROT>", MarkupTag::RotateOn },
        { "<S>", MarkupTag::StrikeOn },
        { "<SHADOW>", MarkupTag::ShadowOn },
        { "<SUB>", MarkupTag::SubscriptOn },
        { "<SUP>", MarkupTag::SuperscriptOn },
        { "<SUBX>", MarkupTag::Unknown },
        { "</SUP>", MarkupTag::ScriptOff },
        { "</SH>", MarkupTag::ShadowOff },
        { "</STRIKE>", MarkupTag::StrikeOff },
        { "<U>", MarkupTag::UnderlineOn },
        { "<UL>", MarkupTag::ListOpen },
        { "</U>", MarkupTag::UnderlineOff },
        { "</UL>", MarkupTag::ListClose },
        { "<Z>", MarkupTag::HiddenOn },
        { "</Z>", MarkupTag::HiddenOff },
        // "</" needs two more characters; "</>" is an opening tag of no kind.
        { "</>", MarkupTag::Unknown },
        { "<>", MarkupTag::Unknown },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyTag(c.tag), c.kind) << c.tag;
    }
}

TEST(richlabel_MarkupText, AttributesTakeTheFirstQuotedValueAfterTheFirstOccurrence)
{
    EXPECT_EQ(AttributeValue("<IMG SRC=\"A.GIF\" ALIGN=\"TOP\">", "ALIGN"), "TOP");
    // An unquoted value is not a value.
    EXPECT_EQ(AttributeValue("<IMG ALIGN=TOP>", "ALIGN"), "");
    bool found = false;
    AttributeValue("<IMG ALIGN=TOP>", "ALIGN", &found);
    EXPECT_TRUE(found);
    AttributeValue("<IMG>", "ALIGN", &found);
    EXPECT_FALSE(found);
    // "BGCOLOR" is found inside "BGCOLORTO" when that comes first.
    EXPECT_EQ(AttributeValue("<P BGCOLORTO=\"#00FF00\" BGCOLOR=\"#FF0000\">", "BGCOLOR"), "#00FF00");
    // A name inside an earlier value is found there.
    EXPECT_EQ(AttributeValue("<IMG ALT=\"WIDTH\" WIDTH=\"5\">", "WIDTH"), " WIDTH=");
    // A missing closing quote runs to the end of the tag.
    EXPECT_EQ(AttributeValue("<A HREF=\"abc>", "HREF"), "abc");
    EXPECT_EQ(QuotedValue("<A \">", 0), "");
}

TEST(richlabel_MarkupText, NumbersReadAsFarAsTheyAreDigits)
{
    EXPECT_EQ(ParseMarkupNumber("  42").value, 42);
    EXPECT_TRUE(ParseMarkupNumber("  42").valid);
    EXPECT_EQ(ParseMarkupNumber("-7").value, -7);
    EXPECT_EQ(ParseMarkupNumber("+7").value, 7);
    EXPECT_EQ(ParseMarkupNumber("$1F").value, 31);
    EXPECT_EQ(ParseMarkupNumber("0x10").value, 16);
    EXPECT_EQ(ParseMarkupNumber("12px").value, 12);
    EXPECT_FALSE(ParseMarkupNumber("12px").valid);
    EXPECT_FALSE(ParseMarkupNumber("").valid);
    EXPECT_FALSE(ParseMarkupNumber("-").valid);
    EXPECT_EQ(ParseMarkupNumber("abc").value, 0);
    EXPECT_EQ(ParseMarkupNumber("99999999999999999999").value, kMarkupNumberLimit);
    EXPECT_EQ(ParseMarkupNumber("-99999999999999999999").value, -kMarkupNumberLimit);
}

TEST(richlabel_MarkupText, ColourValuesAndNames)
{
    EXPECT_EQ(ParseMarkupColor("#FF0000"), clRed);
    EXPECT_EQ(ParseMarkupColor("#ff8000"), MakeColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(ParseMarkupColor("#0000FF"), clBlue);
    EXPECT_EQ(ParseMarkupColor("#12"), MakeColor(0x12, 0, 0)); // missing pairs are 0
    EXPECT_EQ(ParseMarkupColor("#"), clBlack);
    EXPECT_EQ(ParseMarkupColor("clRed"), clRed);
    EXPECT_EQ(ParseMarkupColor("CLNAVY"), clNavy);
    EXPECT_EQ(ParseMarkupColor("clTeal"), clTeal);
    EXPECT_EQ(ParseMarkupColor("red"), clBlack);
    EXPECT_EQ(ParseMarkupColor(""), clBlack);
    EXPECT_EQ(ParseMarkupColor("clBtnFace"), 0xFF00000Fu);
    EXPECT_EQ(ParseMarkupColor("clInfoBk"), 0xFF000018u);
    EXPECT_EQ(ParseMarkupColor("cl3DDkShadow"), 0xFF000015u);
}

TEST(richlabel_MarkupText, FontSizeNumbersOneToFiveAreSteps)
{
    EXPECT_EQ(MarkupFontSize("<FONT SIZE=\"1\">", 9), 8);
    EXPECT_EQ(MarkupFontSize("<FONT SIZE=\"3\">", 9), 12);
    EXPECT_EQ(MarkupFontSize("<FONT SIZE=\"5\">", 9), 16);
    EXPECT_EQ(MarkupFontSize("<FONT SIZE=\"20\">", 9), 20);
    EXPECT_EQ(MarkupFontSize("<FONT SIZE=4>", 9), 14); // no quote: directly after "="
    EXPECT_EQ(MarkupFontSize("<FONT SIZE = \"2\">", 9), 10);
    EXPECT_EQ(MarkupFontSize("<FONT FACE=\"X\">", 9), 9);
    EXPECT_EQ(MarkupFontSize("<FONT SIZE>", 9), 9);
}

TEST(richlabel_MarkupText, PlainTextForTooltips)
{
    EXPECT_EQ(MarkupToPlainText("<b>Bold</b> text"), "Bold text");
    EXPECT_EQ(MarkupToPlainText("one<br>two<HR>three<Br>"), "one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(MarkupToPlainText("a<z>secret</z>b<Z>more</Z>c"), "abc");
    // Only the two exact spellings hide text; others are plain tags.
    EXPECT_EQ(MarkupToPlainText("a<z>x</Z>b"), "axb");
    EXPECT_EQ(MarkupToPlainText("&amp; stays"), "&amp; stays");
    // An open "<" without ">" keeps the rest.
    EXPECT_EQ(MarkupToPlainText("a < b"), "a < b");
    EXPECT_EQ(MarkupToPlainText(""), "");
    // Beyond the markup limit nothing counts.
    const std::string longest(kMaxMarkupLength, 'a');
    EXPECT_EQ(MarkupToPlainText(longest + "bc"), longest);
}

} // namespace
} // namespace folvane
