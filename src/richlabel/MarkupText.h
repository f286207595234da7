// Text-level pieces of the markup: the one-time preparation of the whole text, entity
// replacement inside text runs, tag recognition by leading letters, attribute search, numbers,
// colour values, and the conversion of markup to plain text for tooltips.
//
// Nothing here lays anything out or draws. The markup is forgiving by design: nothing in it is
// an error, so these functions return "not found" or zero rather than failing.
#pragma once

#include "toolkit/graphics/Color.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace folvane {

std::string UpperAscii(std::string_view text);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool ContainsNoCase(std::string_view text, std::string_view part);

// The longest markup a label lays out or turns into plain text; what follows is ignored, as
// text after a "<" that never closes is. Far beyond any caption or hint, and it bounds what
// one call may cost.
constexpr std::size_t kMaxMarkupLength = 1 << 20;

// The part of the markup that counts: its first kMaxMarkupLength bytes.
std::string_view LimitedMarkup(std::string_view markup);

struct PreparedMarkup {
    std::string text;
    bool noPrefix = false; // the text held " & ": "&" is shown as it is
};

// Prefix rule, entity sweeps, "<#name>" and line breaks, applied once before layout, to the
// limited markup.
PreparedMarkup PrepareMarkup(std::string_view markup);

// "&nbsp;", "&lt;" and "&gt;" inside one text run, after the run was cut out.
std::string DecodeRunEntities(std::string_view run);

enum class MarkupTag {
    Unknown,
    AnchorOpen,
    AnchorClose,
    BoldOn,
    BoldOff,
    Blink,
    ColorReset, // "</B..." other than "</B>"
    Body,
    LineBreak,
    ZigzagOn,
    ZigzagOff,
    FontOpen,
    FontClose,
    HighlightOn,
    HighlightOff,
    Rule,
    ItalicOn,
    ItalicOff,
    Image,
    Indent,
    ListItem,
    ListItemClose,
    OffsetOn,
    OffsetOff,
    ParagraphOpen,
    ParagraphClose,
    RotateOn,
    RotateOff,
    StrikeOn,
    StrikeOff,
    ShadowOn,
    ShadowOff,
    SubscriptOn,
    SuperscriptOn,
    ScriptOff,
    UnderlineOn,
    UnderlineOff,
    ListOpen,
    ListClose,
    HiddenOn,
    HiddenOff,
};

// upperTag runs from "<" to ">" inclusive and is upper-cased.
MarkupTag ClassifyTag(std::string_view upperTag);

// Position just after the first occurrence of name in the tag, or npos.
std::size_t FindAttribute(std::string_view upperTag, std::string_view name);
// The first double-quoted string that starts at or after from (without its quotes); empty when
// there is none. A value whose closing quote is missing runs to the end of the tag.
std::string_view QuotedValue(std::string_view tag, std::size_t from);
// FindAttribute then QuotedValue over the same tag; found tells whether the name occurs.
std::string_view AttributeValue(std::string_view upperTag, std::string_view name, bool* found = nullptr);

// Numbers as the markup writes them; values are clamped to +-kMarkupNumberLimit so that no
// geometry built from them can overflow.
constexpr int kMarkupNumberLimit = 1000000;
struct MarkupNumber {
    int value = 0;
    bool valid = false; // at least one digit and nothing after the digits
};
MarkupNumber ParseMarkupNumber(std::string_view text);

// "#RRGGBB" or a colour name; an unknown name is black.
TColor ParseMarkupColor(std::string_view value);

// Point size of a font tag's SIZE attribute, or current when the tag has none.
int MarkupFontSize(std::string_view upperTag, int current);

// Tooltip text of the limited markup: line breaks and rules become CR LF, hidden parts and
// tags disappear.
std::string MarkupToPlainText(std::string_view markup);

} // namespace folvane
