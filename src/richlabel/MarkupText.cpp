// Text-level pieces of the markup; see MarkupText.h.
#include "richlabel/MarkupText.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace folvane {

namespace {

char UpperChar(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char LowerChar(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCaseAt(std::string_view text, std::size_t at, std::string_view part)
{
    if (at > text.size() || text.size() - at < part.size()) {
        return false;
    }
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (UpperChar(text[at + i]) != UpperChar(part[i])) {
            return false;
        }
    }
    return true;
}

std::size_t FindNoCase(std::string_view text, std::string_view part, std::size_t from = 0)
{
    if (part.empty()) {
        return from <= text.size() ? from : std::string_view::npos;
    }
    for (std::size_t i = from; i + part.size() <= text.size(); ++i) {
        if (EqualNoCaseAt(text, i, part)) {
            return i;
        }
    }
    return std::string_view::npos;
}

struct Entity {
    std::string_view name; // without the leading "&"
    std::string_view replacement;
};

// Windows-1252 bytes for the signs; "&amp;" doubles so that prefix processing shows one.
constexpr std::array<Entity, 9> kSweptEntities { {
    { "amp;", "&&" },
    { "quot;", "\"" },
    { "sect;", "\xA7" },
    { "permil;", "\x89" },
    { "reg;", "\xAE" },
    { "copy;", "\xA9" },
    { "para;", "\xB6" },
    { "trade;", "\x99" },
    { "euro;", "\x80" },
} };

// Repeated sweeps until nothing changes reach the same text as this single scan: every entity
// starts with the only "&" it contains, so two matches never overlap and replacements commute;
// only "&amp;" can make a new match, through the second "&" it leaves, which the scan then
// treats as pending.
std::string SweepEntities(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    bool ampersandPending = false;
    while (i < text.size() || ampersandPending) {
        if (!ampersandPending) {
            if (text[i] == '&') {
                ampersandPending = true;
            } else {
                out += text[i];
            }
            ++i;
            continue;
        }
        const Entity* match = nullptr;
        for (const Entity& entity : kSweptEntities) {
            if (EqualNoCaseAt(text, i, entity.name)) {
                match = &entity;
                break;
            }
        }
        if (match == nullptr) {
            out += '&';
            ampersandPending = false;
            continue;
        }
        i += match->name.size();
        if (match == &kSweptEntities[0]) {
            out += '&'; // the second "&" stays pending
        } else {
            out += match->replacement;
            ampersandPending = false;
        }
    }
    return out;
}

struct NamedColor {
    std::string_view name;
    TColor color;
};

constexpr std::array<NamedColor, 40> kColorNames { {
    { "clred", MakeColor(0xFF, 0x00, 0x00) },
    { "clblack", MakeColor(0x00, 0x00, 0x00) },
    { "clblue", MakeColor(0x00, 0x00, 0xFF) },
    { "clgreen", MakeColor(0x00, 0x80, 0x00) },
    { "claqua", MakeColor(0x00, 0xFF, 0xFF) },
    { "clyellow", MakeColor(0xFF, 0xFF, 0x00) },
    { "clfuchsia", MakeColor(0xFF, 0x00, 0xFF) },
    { "clwhite", MakeColor(0xFF, 0xFF, 0xFF) },
    { "cllime", MakeColor(0x00, 0xFF, 0x00) },
    { "clsilver", MakeColor(0xC0, 0xC0, 0xC0) },
    { "clgray", MakeColor(0x80, 0x80, 0x80) },
    { "clolive", MakeColor(0x80, 0x80, 0x00) },
    { "clnavy", MakeColor(0x00, 0x00, 0x80) },
    { "clpurple", MakeColor(0x80, 0x00, 0x80) },
    { "clteal", MakeColor(0x00, 0x80, 0x80) },
    { "clmaroon", MakeColor(0x80, 0x00, 0x00) },
    { "clbackground", clBackground },
    { "clactivecaption", clActiveCaption },
    { "clinactivecaption", clInactiveCaption },
    { "clmenu", clMenu },
    { "clwindow", clWindow },
    { "clwindowframe", clWindowFrame },
    { "clmenutext", clMenuText },
    { "clwindowtext", clWindowText },
    { "clcaptiontext", clCaptionText },
    { "clactiveborder", clActiveBorder },
    { "clinactiveborder", clInactiveBorder },
    { "clappworkspace", clAppWorkSpace },
    { "clhighlight", clHighlight },
    { "clhighlighttext", clHighlightText },
    { "clbtnface", clBtnFace },
    { "clbtnshadow", clBtnShadow },
    { "clgraytext", clGrayText },
    { "clbtntext", clBtnText },
    { "clinactivecaptiontext", clInactiveCaptionText },
    { "clbtnhighlight", clBtnHighlight },
    { "cl3ddkshadow", cl3DDkShadow },
    { "cl3dlight", cl3DLight },
    { "clinfotext", clInfoText },
    { "clinfobk", clInfoBk },
} };

int DigitValue(char c, bool hex)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char u = UpperChar(c);
    if (hex && u >= 'A' && u <= 'F') {
        return u - 'A' + 10;
    }
    return -1;
}

// Removes every part from open to close, tags included; an open without a close stays.
std::string RemoveHiddenParts(std::string_view text, std::string_view open, std::string_view close)
{
    std::string out;
    std::size_t from = 0;
    for (;;) {
        const std::size_t start = text.find(open, from);
        const std::size_t end = start == std::string_view::npos ? start : text.find(close, start + open.size());
        if (end == std::string_view::npos) {
            out.append(text.substr(from));
            return out;
        }
        out.append(text.substr(from, start - from));
        from = end + close.size();
    }
}

} // namespace

std::string UpperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        c = UpperChar(c);
    }
    return out;
}

std::string_view LimitedMarkup(std::string_view markup)
{
    return markup.substr(0, kMaxMarkupLength);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return EqualNoCaseAt(text, 0, prefix);
}

bool ContainsNoCase(std::string_view text, std::string_view part)
{
    return FindNoCase(text, part) != std::string_view::npos;
}

PreparedMarkup PrepareMarkup(std::string_view markup)
{
    markup = LimitedMarkup(markup);
    PreparedMarkup prepared;
    prepared.noPrefix = markup.find(" & ") != std::string_view::npos;
    std::string text = markup.find('&') != std::string_view::npos ? SweepEntities(markup) : std::string(markup);

    const std::size_t hash = text.find("<#");
    if (hash != std::string::npos) {
        text.erase(hash, 1);
        const std::size_t close = text.find('>', hash);
        if (close != std::string::npos) {
            text.erase(close, 1);
        }
    }

    prepared.text.reserve(text.size());
    for (char c : text) {
        if (c == '\r') {
            prepared.text += "<BR>";
        } else if (c != '\n') {
            prepared.text += c;
        }
    }
    return prepared;
}

std::string DecodeRunEntities(std::string_view run)
{
    if (run.find('&') == std::string_view::npos) {
        return std::string(run);
    }
    std::string out;
    out.reserve(run.size());
    for (std::size_t i = 0; i < run.size();) {
        if (run[i] == '&') {
            if (EqualNoCaseAt(run, i, "&nbsp;")) {
                out += ' ';
                i += 6;
                continue;
            }
            if (EqualNoCaseAt(run, i, "&lt;")) {
                out += '<';
                i += 4;
                continue;
            }
            if (EqualNoCaseAt(run, i, "&gt;")) {
                out += '>';
                i += 4;
                continue;
            }
        }
        out += run[i++];
    }
    return out;
}

MarkupTag ClassifyTag(std::string_view tag)
{
    auto at = [&](std::size_t i) { return i < tag.size() ? tag[i] : '\0'; };
    // "</" needs two more characters to count as a closing tag.
    if (at(1) == '/' && tag.size() >= 4) {
        const char second = at(3);
        switch (at(2)) {
        case 'A':
            return MarkupTag::AnchorClose;
        case 'B':
            return tag == "</B>" ? MarkupTag::BoldOff : MarkupTag::ColorReset;
        case 'E':
            return MarkupTag::ZigzagOff;
        case 'F':
            return MarkupTag::FontClose;
        case 'H':
            return MarkupTag::HighlightOff;
        case 'I':
            return MarkupTag::ItalicOff;
        case 'L':
            return MarkupTag::ListItemClose;
        case 'O':
            return MarkupTag::OffsetOff;
        case 'P':
            return MarkupTag::ParagraphClose;
        case 'R':
            return MarkupTag::RotateOff;
        case 'S':
            return second == 'U' ? MarkupTag::ScriptOff : second == 'H' ? MarkupTag::ShadowOff : MarkupTag::StrikeOff;
        case 'U':
            return tag == "</U>" ? MarkupTag::UnderlineOff : MarkupTag::ListClose;
        case 'Z':
            return MarkupTag::HiddenOff;
        default:
            return MarkupTag::Unknown;
        }
    }
    const char second = at(2);
    switch (at(1)) {
    case 'A':
        return MarkupTag::AnchorOpen;
    case 'B':
        if (tag == "<B>") {
            return MarkupTag::BoldOn;
        }
        return second == 'L' ? MarkupTag::Blink
            : second == 'O'  ? MarkupTag::Body
            : second == 'R'  ? MarkupTag::LineBreak
                             : MarkupTag::Unknown;
    case 'E':
        return MarkupTag::ZigzagOn;
    case 'F':
        return MarkupTag::FontOpen;
    case 'H':
        return second == 'I' ? MarkupTag::HighlightOn : second == 'R' ? MarkupTag::Rule : MarkupTag::Unknown;
    case 'I':
        if (tag == "<I>") {
            return MarkupTag::ItalicOn;
        }
        return second == 'M' ? MarkupTag::Image : second == 'N' ? MarkupTag::Indent : MarkupTag::Unknown;
    case 'L':
        return MarkupTag::ListItem;
    case 'O':
        return second == 'F' ? MarkupTag::OffsetOn : MarkupTag::Unknown;
    case 'P':
        return MarkupTag::ParagraphOpen;
    case 'R':
        return MarkupTag::RotateOn;
    case 'S':
        if (tag == "<S>") {
            return MarkupTag::StrikeOn;
        }
        if (tag == "<SUB>") {
            return MarkupTag::SubscriptOn;
        }
        if (tag == "<SUP>") {
            return MarkupTag::SuperscriptOn;
        }
        return second == 'H' ? MarkupTag::ShadowOn : MarkupTag::Unknown;
    case 'U':
        return tag == "<U>" ? MarkupTag::UnderlineOn : MarkupTag::ListOpen;
    case 'Z':
        return MarkupTag::HiddenOn;
    default:
        return MarkupTag::Unknown;
    }
}

std::size_t FindAttribute(std::string_view upperTag, std::string_view name)
{
    const std::size_t at = upperTag.find(name);
    return at == std::string_view::npos ? at : at + name.size();
}

std::string_view QuotedValue(std::string_view tag, std::size_t from)
{
    if (from >= tag.size()) {
        return {};
    }
    const std::size_t open = tag.find('"', from);
    if (open == std::string_view::npos) {
        return {};
    }
    std::size_t close = tag.find('"', open + 1);
    if (close == std::string_view::npos) {
        close = tag.back() == '>' ? tag.size() - 1 : tag.size();
        close = std::max(close, open + 1);
    }
    return tag.substr(open + 1, close - open - 1);
}

std::string_view AttributeValue(std::string_view upperTag, std::string_view name, bool* found)
{
    const std::size_t at = FindAttribute(upperTag, name);
    if (found != nullptr) {
        *found = at != std::string_view::npos;
    }
    return at == std::string_view::npos ? std::string_view {} : QuotedValue(upperTag, at);
}

MarkupNumber ParseMarkupNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && UpperChar(text[i + 1]) == 'X') {
        hex = true;
        i += 2;
    }
    std::int64_t value = 0;
    int digits = 0;
    for (; i < text.size(); ++i) {
        const int d = DigitValue(text[i], hex);
        if (d < 0) {
            break;
        }
        value = std::min<std::int64_t>(value * (hex ? 16 : 10) + d, kMarkupNumberLimit);
        ++digits;
    }
    MarkupNumber number;
    number.value = static_cast<int>(negative ? -value : value);
    number.valid = digits > 0 && i == text.size();
    return number;
}

TColor ParseMarkupColor(std::string_view value)
{
    if (!value.empty() && value[0] == '#') {
        const std::string upper = UpperAscii(value);
        auto pair = [&](std::size_t at) {
            if (at >= upper.size()) {
                return std::uint8_t { 0 };
            }
            int v = 0;
            for (std::size_t i = at; i < at + 2 && i < upper.size(); ++i) {
                const int d = DigitValue(upper[i], true);
                if (d < 0) {
                    break;
                }
                v = v * 16 + d;
            }
            return static_cast<std::uint8_t>(v);
        };
        return MakeColor(pair(1), pair(3), pair(5));
    }
    std::string lower(value);
    for (char& c : lower) {
        c = LowerChar(c);
    }
    for (const NamedColor& named : kColorNames) {
        if (named.name == lower) {
            return named.color;
        }
    }
    return clBlack;
}

int MarkupFontSize(std::string_view upperTag, int current)
{
    const std::size_t name = FindAttribute(upperTag, "SIZE");
    if (name == std::string_view::npos) {
        return current;
    }
    const std::size_t equals = upperTag.find('=', name);
    if (equals == std::string_view::npos) {
        return current;
    }
    const std::size_t quote = upperTag.find('"', equals);
    const std::size_t start = quote == std::string_view::npos ? equals + 1 : quote + 1;
    const int n = ParseMarkupNumber(upperTag.substr(start)).value;
    switch (n) {
    case 1:
        return 8;
    case 2:
        return 10;
    case 3:
        return 12;
    case 4:
        return 14;
    case 5:
        return 16;
    default:
        return n;
    }
}

std::string MarkupToPlainText(std::string_view markup)
{
    markup = LimitedMarkup(markup);
    std::string breaks;
    breaks.reserve(markup.size());
    for (std::size_t i = 0; i < markup.size();) {
        if (EqualNoCaseAt(markup, i, "<BR>") || EqualNoCaseAt(markup, i, "<HR>")) {
            breaks += "\r\n";
            i += 4;
        } else {
            breaks += markup[i++];
        }
    }
    const std::string visible = RemoveHiddenParts(RemoveHiddenParts(breaks, "<z>", "</z>"), "<Z>", "</Z>");

    std::string out;
    out.reserve(visible.size());
    for (std::size_t i = 0; i < visible.size();) {
        if (visible[i] == '<') {
            const std::size_t close = visible.find('>', i);
            if (close == std::string::npos) {
                // No later "<" closes either: the rest is text as it stands.
                out.append(visible, i);
                break;
            }
            i = close + 1;
            continue;
        }
        out += visible[i++];
    }
    return out;
}

} // namespace folvane
