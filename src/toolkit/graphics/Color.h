// Colour values as layouts and controls store them, and the standard names.
//
// A TColor is 0x00BBGGRR for an RGB colour (red in the low byte), 0xFF000000 + N
// for the platform's system colour N (resolved only when drawing, see
// ColorToRGB in GdiObjects.h), 0x1FFFFFFF for "no colour" and 0x20000000 for
// "the default colour of whoever draws". This header is portable: it knows
// nothing of the system palette itself.
#pragma once

#include <cstdint>

namespace folvane {

using TColor = std::uint32_t;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor kSystemColorFlag = 0xFF000000;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// System colours: the low byte is the platform's COLOR_* index.
constexpr TColor clScrollBar = kSystemColorFlag | 0;
constexpr TColor clBackground = kSystemColorFlag | 1;
constexpr TColor clActiveCaption = kSystemColorFlag | 2;
constexpr TColor clInactiveCaption = kSystemColorFlag | 3;
constexpr TColor clMenu = kSystemColorFlag | 4;
constexpr TColor clWindow = kSystemColorFlag | 5;
constexpr TColor clWindowFrame = kSystemColorFlag | 6;
constexpr TColor clMenuText = kSystemColorFlag | 7;
constexpr TColor clWindowText = kSystemColorFlag | 8;
constexpr TColor clCaptionText = kSystemColorFlag | 9;
constexpr TColor clActiveBorder = kSystemColorFlag | 10;
constexpr TColor clInactiveBorder = kSystemColorFlag | 11;
constexpr TColor clAppWorkSpace = kSystemColorFlag | 12;
constexpr TColor clHighlight = kSystemColorFlag | 13;
constexpr TColor clHighlightText = kSystemColorFlag | 14;
constexpr TColor clBtnFace = kSystemColorFlag | 15;
constexpr TColor clBtnShadow = kSystemColorFlag | 16;
constexpr TColor clGrayText = kSystemColorFlag | 17;
constexpr TColor clBtnText = kSystemColorFlag | 18;
constexpr TColor clInactiveCaptionText = kSystemColorFlag | 19;
constexpr TColor clBtnHighlight = kSystemColorFlag | 20;
constexpr TColor cl3DDkShadow = kSystemColorFlag | 21;
constexpr TColor cl3DLight = kSystemColorFlag | 22;
constexpr TColor clInfoText = kSystemColorFlag | 23;
constexpr TColor clInfoBk = kSystemColorFlag | 24;
constexpr TColor clHotLight = kSystemColorFlag | 26;
constexpr TColor clGradientActiveCaption = kSystemColorFlag | 27;
constexpr TColor clGradientInactiveCaption = kSystemColorFlag | 28;
constexpr TColor clMenuHighlight = kSystemColorFlag | 29;
constexpr TColor clMenuBar = kSystemColorFlag | 30;

// Named so as not to collide with the GetRValue family of <windows.h> macros.
constexpr std::uint8_t ColorRed(TColor c)
{
    return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t ColorGreen(TColor c)
{
    return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t ColorBlue(TColor c)
{
    return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

constexpr TColor MakeColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return static_cast<TColor>(red) | (static_cast<TColor>(green) << 8) | (static_cast<TColor>(blue) << 16);
}

constexpr bool IsSystemColor(TColor c)
{
    return (c & kSystemColorFlag) == kSystemColorFlag;
}
constexpr int SystemColorIndex(TColor c)
{
    return static_cast<int>(c & 0xFF);
}

// A plain RGB value: neither a system colour nor one of the special markers.
constexpr bool IsRgbColor(TColor c)
{
    return (c & 0xFF000000) == 0;
}

// Conversions to and from the 0x00RRGGBB order of DIB pixels and BmpImage.
constexpr std::uint32_t ColorToPixel(TColor c)
{
    return (static_cast<std::uint32_t>(ColorRed(c)) << 16) | (static_cast<std::uint32_t>(ColorGreen(c)) << 8)
        | ColorBlue(c);
}
constexpr TColor PixelToColor(std::uint32_t argb)
{
    return MakeColor(
        static_cast<std::uint8_t>(argb >> 16), static_cast<std::uint8_t>(argb >> 8), static_cast<std::uint8_t>(argb));
}

} // namespace folvane
