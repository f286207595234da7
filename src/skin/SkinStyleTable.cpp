// The element names and the built-in style table.
#include "skin/SkinStyleTable.h"

#include <array>

namespace folvane {

namespace {

#define FOLVANE_SKIN_NAME(name) #name,
constexpr const char* kColorNames[] = { FOLVANE_SKIN_COLOR_ELEMENTS(FOLVANE_SKIN_NAME) };
constexpr const char* kBitmapNames[] = { FOLVANE_SKIN_BITMAP_ELEMENTS(FOLVANE_SKIN_NAME) };
constexpr const char* kMetricNames[] = { FOLVANE_SKIN_METRIC_ELEMENTS(FOLVANE_SKIN_NAME) };
constexpr const char* kFlagNames[] = { FOLVANE_SKIN_FLAG_ELEMENTS(FOLVANE_SKIN_NAME) };
#undef FOLVANE_SKIN_NAME
static_assert(std::size(kColorNames) == kSkinColorElementCount);
static_assert(std::size(kBitmapNames) == kSkinBitmapElementCount);
static_assert(std::size(kMetricNames) == kSkinMetricElementCount);
static_assert(std::size(kFlagNames) == kSkinFlagElementCount);
static_assert(kSkinColorElementCount + kSkinBitmapElementCount + kSkinMetricElementCount + kSkinFlagElementCount == 84);

template <std::size_t N> const char* NameAt(const char* const (&names)[N], int index)
{
    return index >= 0 && index < static_cast<int>(N) ? names[index] : "";
}

using Kind = TSkinStyleValueKind;
constexpr Kind M = Kind::metric, C = Kind::color, B = Kind::bitmap, F = Kind::flag;

// Kind of each position 1..48 (index 0 unused); the same for every style.
constexpr std::array<Kind, kSkinStylePositions + 1> kKinds = { M, // unused
    B, F, B, B, B, F, M, M, M, B, // 1-10
    B, B, M, M, C, C, M, C, C, C, // 11-20
    C, C, C, B, C, C, C, B, B, B, // 21-30
    C, B, B, B, C, C, C, B, B, B, // 31-40
    B, B, B, C, B, B, M, C }; // 41-48

// Resource name suffixes of the bitmap positions; the style prefix goes in front.
struct Suffix {
    int position;
    const char* name;
};
constexpr Suffix kSuffixes[] = { { 1, "BUTTON" }, { 3, "CHECKBOX" }, { 4, "RADIOBUTTON" }, { 5, "TITLEBTN" },
    { 10, "TITLE_LEFT" }, { 11, "TITLE_CLIENT" }, { 12, "TITLE_RIGHT" }, { 24, "PROGRESSBAR" }, { 28, "TRACKBAR_BAR" },
    { 29, "TRACKBAR_SLIDER" }, { 30, "TRACKBAR_SLIDER_V" }, { 32, "SCROLLBAR_BUTTON" }, { 33, "SCROLLBAR_TRACK" },
    { 34, "CHECKLIST" }, { 38, "SCROLLBUTTON" }, { 39, "TAB" }, { 40, "TAB_LINE" }, { 41, "SIDECHENNEL_HANDLE" },
    { 42, "SIDECHENNEL_BAR" } };

// Values by style (Pearl, Frost, Marine, Coral, Glass) of the positions that
// carry them; every other metric, colour and flag position holds 0.
struct Values {
    int position;
    std::int32_t style[5];
};
constexpr Values kValues[] = {
    { 2, { 1, 0, 0, 0, 1 } }, // button Transparent
    { 15, { 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7 } }, // flat popup-menu frame
    { 18, { 0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E } }, // menu selected border
    { 19, { 0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E } }, // menu selected fill
    { 20, { 0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF } }, // menu selected font
    { 21, { 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7 } }, // menu item fill
    { 22, { 0x000000, 0x000000, 0x000000, 0x000000, 0x000000 } }, // menu font
    { 23, { 0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6 } }, // menu bar, both ends
    { 25, { 0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000 } }, // page control border
    { 26, { 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7 } }, // page control and tab strip
};

constexpr const char* kPrefixes[] = { "PEARL_", "FROST_", "MARINE_", "CORAL_", "GLASS_" };

bool IsBuiltIn(TSkinUIStyle style)
{
    return style >= TSkinUIStyle::Pearl && style <= TSkinUIStyle::Glass;
}

} // namespace

const char* SkinElementName(TSkinColorElement element)
{
    return NameAt(kColorNames, static_cast<int>(element));
}
const char* SkinElementName(TSkinBitmapElement element)
{
    return NameAt(kBitmapNames, static_cast<int>(element));
}
const char* SkinElementName(TSkinMetricElement element)
{
    return NameAt(kMetricNames, static_cast<int>(element));
}
const char* SkinElementName(TSkinFlagElement element)
{
    return NameAt(kFlagNames, static_cast<int>(element));
}

TSkinStyleValue SkinStyleLookup(TSkinUIStyle style, int position)
{
    TSkinStyleValue result;
    if (!IsBuiltIn(style) || position < 1 || position > kSkinStylePositions)
        return result;
    const int s = static_cast<int>(style) - 1;
    result.kind = kKinds[position];
    result.value = 0;
    if (result.kind == Kind::bitmap)
        return result;
    for (const Values& v : kValues) {
        if (v.position == position)
            result.value = v.style[s];
    }
    return result;
}

std::string SkinStyleBitmapName(TSkinUIStyle style, int position)
{
    if (!IsBuiltIn(style) || position < 1 || position > kSkinStylePositions || kKinds[position] != Kind::bitmap)
        return {};
    // The last three styles share one set of tab scroll buttons.
    if (position == 38 && style >= TSkinUIStyle::Marine)
        return "MORE_SCROLLBUTTON";
    for (const Suffix& suffix : kSuffixes) {
        if (suffix.position == position)
            return std::string(kPrefixes[static_cast<int>(style) - 1]) + suffix.name;
    }
    return {}; // 43, 45 and 46 hold empty names
}

std::int32_t SkinStyleColor(TSkinUIStyle style, int position)
{
    const TSkinStyleValue v = SkinStyleLookup(style, position);
    return v.kind == Kind::color ? v.value : 0;
}

std::int32_t SkinStyleFlag(TSkinUIStyle style, int position)
{
    const TSkinStyleValue v = SkinStyleLookup(style, position);
    return v.kind == Kind::flag ? v.value : 0;
}

std::int32_t SkinStyleInteger(TSkinUIStyle style, int position)
{
    const TSkinStyleValue v = SkinStyleLookup(style, position);
    return v.kind == Kind::metric ? v.value : -1;
}

TSliceColumns SliceColumns(int imageWidth, int count, int index)
{
    if (count < 1 || index < 1 || index > count || imageWidth <= 0)
        return {};
    const int width = imageWidth / count;
    if (width == 0)
        return {};
    return { index == count ? imageWidth - width : width * (index - 1), width };
}

} // namespace folvane
