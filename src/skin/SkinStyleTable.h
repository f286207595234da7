// The theme vocabulary shared by every skinned control: the UI styles, the
// 84 element names in four groups, the built-in style table (48 positions by
// 5 styles) and the slice arithmetic of multi-state images. Portable: the
// bitmaps behind the built-in names are resources that the themes load.
#pragma once

#include <cstdint>
#include <string>

namespace folvane {

enum class TSkinUIStyle { FromThemeFile, Pearl, Frost, Marine, Coral, Glass };

// X-lists keep each enumeration and its names in step.
#define FOLVANE_SKIN_COLOR_ELEMENTS(X)                                                                                 \
    X(SKIN2_TRANSCOLOR)                                                                                                \
    X(SKIN2_TITLEFONTCOLOR)                                                                                            \
    X(SKIN2_FORMCOLOR)                                                                                                 \
    X(SKIN2_MENUBARSTARTCOLOR)                                                                                         \
    X(SKIN2_MENUBARENDCOLOR)                                                                                           \
    X(SKIN2_TOPSELECTEDMENUCOLOR)                                                                                      \
    X(SKIN2_TOPSELECTEDMENUBORDERCOLOR)                                                                                \
    X(SKIN2_TOPSELECTEDMENUFONTCOLOR)                                                                                  \
    X(SKIN2_TOPMENUFONTCOLOR)                                                                                          \
    X(SKIN2_LEFTBARSTARTCOLOR)                                                                                         \
    X(SKIN2_LEFTBARENDCOLOR)                                                                                           \
    X(SKIN2_MENUITEMCOLOR)                                                                                             \
    X(SKIN2_MENUITEMFONTCOLOR)                                                                                         \
    X(SKIN2_SELECTEDMENUCOLOR)                                                                                         \
    X(SKIN2_SELECTEDMENUBORDERCOLOR)                                                                                   \
    X(SKIN2_SELECTEDMENUFONTCOLOR)                                                                                     \
    X(SKIN2_TOOLBARSTARTCOLOR)                                                                                         \
    X(SKIN2_TOOLBARENDCOLOR)                                                                                           \
    X(SKIN2_TOOLBARONCOLOR)                                                                                            \
    X(SKIN2_TOOLBARBORDERCOLOR)                                                                                        \
    X(SKIN2_TOOLBARDOWNCOLOR)                                                                                          \
    X(SKIN2_CONTROLCOLOR)                                                                                              \
    X(SKIN2_CONTROLBORDERCOLOR)                                                                                        \
    X(SKIN2_CONTROLFONTCOLOR)                                                                                          \
    X(SKIN2_BUTTONFONTCOLOR)                                                                                           \
    X(SKIN2_SCROLLBARCOLOR)                                                                                            \
    X(SKIN2_TABCONTROLCOLOR)                                                                                           \
    X(SKIN2_TABCONTROLBORDERCOLOR)                                                                                     \
    X(SKIN2_TABCONTROLACTIVEFONTCOLOR)                                                                                 \
    X(SKIN2_TABCONTROLINACTIVEFONTCOLOR)                                                                               \
    X(SKIN2_SIDECHANNELCOLOR)                                                                                          \
    X(SKIN2_SIDECHANNELBORDERCOLOR)

#define FOLVANE_SKIN_BITMAP_ELEMENTS(X)                                                                                \
    X(SKIN2_TITLEBAR1)                                                                                                 \
    X(SKIN2_TITLEBAR2)                                                                                                 \
    X(SKIN2_TITLEBAR3)                                                                                                 \
    X(SKIN2_TITLEBAR4)                                                                                                 \
    X(SKIN2_TITLEBAR5)                                                                                                 \
    X(SKIN2_FORMLEFTBORDER)                                                                                            \
    X(SKIN2_FORMRIGHTBORDER)                                                                                           \
    X(SKIN2_FORMBOTTOMBORDER1)                                                                                         \
    X(SKIN2_FORMBOTTOMBORDER2)                                                                                         \
    X(SKIN2_FORMBOTTOMBORDER3)                                                                                         \
    X(SKIN2_MINIMIZEDTITLE)                                                                                            \
    X(SKIN2_TITLEBUTTONS)                                                                                              \
    X(SKIN2_CHECKEDMENUICON)                                                                                           \
    X(SKIN2_MENUBAR)                                                                                                   \
    X(SKIN2_TOOLBAR)                                                                                                   \
    X(SKIN2_BUTTON)                                                                                                    \
    X(SKIN2_CHECKBOX)                                                                                                  \
    X(SKIN2_CHECKBOXLIST)                                                                                              \
    X(SKIN2_RADIOBUTTON)                                                                                               \
    X(SKIN2_PROGRESSBAR1)                                                                                              \
    X(SKIN2_PROGRESSBAR2)                                                                                              \
    X(SKIN2_PROGRESSBAR3)                                                                                              \
    X(SKIN2_PROGRESSBAR4)                                                                                              \
    X(SKIN2_TRACKBAR)                                                                                                  \
    X(SKIN2_TRACKBARSLIDER)                                                                                            \
    X(SKIN2_TRACKBARVSLIDER)                                                                                           \
    X(SKIN2_SCROLLBARUPBUTTON)                                                                                         \
    X(SKIN2_SCROLLBAR)                                                                                                 \
    X(SKIN2_SCROLLBARDOWNBUTTON)                                                                                       \
    X(SKIN2_TABCONTROL)                                                                                                \
    X(SKIN2_TABCONTROLLINE)                                                                                            \
    X(SKIN2_SIDECHANNELBAR)                                                                                            \
    X(SKIN2_SIDECHANNELTITLE)                                                                                          \
    X(SKIN2_SCROLLBUTTON)

#define FOLVANE_SKIN_METRIC_ELEMENTS(X)                                                                                \
    X(SKIN2_TITLEBARICONPOSX)                                                                                          \
    X(SKIN2_TITLEBARICONPOSY)                                                                                          \
    X(SKIN2_TITLEBARCAPTIONTOP)                                                                                        \
    X(SKIN2_TITLEBARBUTTONPOSX)                                                                                        \
    X(SKIN2_TITLEBARBUTTONPOSY)                                                                                        \
    X(SKIN2_TITLEBARREGIONMINY)                                                                                        \
    X(SKIN2_TITLEBARREGIONMAXY)                                                                                        \
    X(SKIN2_BOTTOMREGIONMINY)                                                                                          \
    X(SKIN2_BOTTOMREGIONMAXY)

#define FOLVANE_SKIN_FLAG_ELEMENTS(X)                                                                                  \
    X(SKIN2_TITLEFIVESECT)                                                                                             \
    X(SKIN2_BOTTOMBORDERTHREESECT)                                                                                     \
    X(SKIN2_TITLEBARNEEDREGION)                                                                                        \
    X(SKIN2_BOTTOMBORDERNEEDREGION)                                                                                    \
    X(SKIN2_TITLEBTNTRANS)                                                                                             \
    X(SKIN2_BUTTONTRANS)                                                                                               \
    X(SKIN2_CHECKBOXTRANS)                                                                                             \
    X(SKIN2_RADIOBUTTONTRANS)                                                                                          \
    X(SKIN2_TABCONTROLTRANS)

#define FOLVANE_SKIN_ENUMERATOR(name) name,
// Enumerators carry the element names themselves.
enum class TSkinColorElement { FOLVANE_SKIN_COLOR_ELEMENTS(FOLVANE_SKIN_ENUMERATOR) };
enum class TSkinBitmapElement { FOLVANE_SKIN_BITMAP_ELEMENTS(FOLVANE_SKIN_ENUMERATOR) };
enum class TSkinMetricElement { FOLVANE_SKIN_METRIC_ELEMENTS(FOLVANE_SKIN_ENUMERATOR) };
enum class TSkinFlagElement { FOLVANE_SKIN_FLAG_ELEMENTS(FOLVANE_SKIN_ENUMERATOR) };
#undef FOLVANE_SKIN_ENUMERATOR

inline constexpr int kSkinColorElementCount = 32;
inline constexpr int kSkinBitmapElementCount = 34;
inline constexpr int kSkinMetricElementCount = 9;
inline constexpr int kSkinFlagElementCount = 9;

// The element's name in the element file; "" for an index out of range.
const char* SkinElementName(TSkinColorElement element);
const char* SkinElementName(TSkinBitmapElement element);
const char* SkinElementName(TSkinMetricElement element);
const char* SkinElementName(TSkinFlagElement element);

// Kinds of the built-in style table.
enum class TSkinStyleValueKind { metric = 0, color = 1, bitmap = 2, flag = 3 };

// Bitmap positions carry value 0; their resource names come from SkinStyleBitmapName.
struct TSkinStyleValue {
    std::int32_t value = -1; // metric, colour (0x00BBGGRR) or flag (0/1)
    TSkinStyleValueKind kind = TSkinStyleValueKind::metric;
};

inline constexpr int kSkinStylePositions = 48;

// Position p from 1 to 48. A style outside Pearl..Glass (FromThemeFile) or a
// position outside the table gives value -1, kind metric.
TSkinStyleValue SkinStyleLookup(TSkinUIStyle style, int position);
// The value for its kind, else the stated fallback.
std::int32_t SkinStyleColor(TSkinUIStyle style, int position); // 0 unless a colour
std::int32_t SkinStyleFlag(TSkinUIStyle style, int position); // 0 unless a flag
std::int32_t SkinStyleInteger(TSkinUIStyle style, int position); // -1 unless a metric
// The resource name when the position holds a bitmap, else "".
std::string SkinStyleBitmapName(TSkinUIStyle style, int position);

// Columns of slice index (1-based) out of count equal-width slices of an
// image width pixels wide. The last slice is the rightmost slice-width
// columns, so leftover columns of an uneven division drop out in the middle.
// Width 0 for no slice (count below 1, index outside 1..count).
struct TSliceColumns {
    int left = 0;
    int width = 0;
};
TSliceColumns SliceColumns(int imageWidth, int count, int index);

} // namespace folvane
