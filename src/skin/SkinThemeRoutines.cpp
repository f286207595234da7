// Shared theme routines.
#include "skin/SkinThemeRoutines.h"

#include "toolkit/WinControl.h"

#include <windows.h>

namespace folvane {

bool UsesFileTheme(const TSkinFileTheme* theme, TSkinUIStyle style, TSkinUIStyle& effective)
{
    effective = style;
    if (style != TSkinUIStyle::FromThemeFile)
        return false;
    if (theme && theme->Ready())
        return true;
    effective = TSkinUIStyle::Marine;
    return false;
}

void SliceBitmap(const TBitmap* source, TBitmap& target, int count, int index)
{
    const TSliceColumns columns = SliceColumns(source ? source->Width() : 0, count, index);
    if (!source || source->Empty() || columns.width == 0) {
        target.SetSize(0, 0);
        return;
    }
    // Through the image form, so that palette indices, alpha and depth
    // survive the copy exactly.
    const BmpImage whole = source->ToImage();
    BmpImage slice;
    slice.width = columns.width;
    slice.height = whole.height;
    slice.bitsPerPixel = whole.bitsPerPixel;
    slice.palette = whole.palette;
    slice.pixels.reserve(static_cast<std::size_t>(slice.width) * slice.height);
    const bool indexed = !whole.indices.empty();
    if (indexed)
        slice.indices.reserve(slice.pixels.capacity());
    for (int y = 0; y < whole.height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * whole.width + columns.left;
        slice.pixels.insert(slice.pixels.end(), whole.pixels.begin() + row, whole.pixels.begin() + row + slice.width);
        if (indexed)
            slice.indices.insert(
                slice.indices.end(), whole.indices.begin() + row, whole.indices.begin() + row + slice.width);
    }
    if (!target.LoadFromImage(slice))
        target.SetSize(0, 0);
}

bool SkinBuiltInBitmap(TSkinUIStyle style, int position, TBitmap& target)
{
    if (SkinStyleLookup(style, position).kind != TSkinStyleValueKind::bitmap)
        return true;
    const std::string name = SkinStyleBitmapName(style, position);
    if (name.empty() || !target.LoadFromResourceName(GetModuleHandleA(nullptr), name.c_str())) {
        target.SetSize(0, 0);
        return false;
    }
    return true;
}

bool SkinBuiltInBitmapSlice(TSkinUIStyle style, int position, TBitmap& target, int index, int count)
{
    if (count == 0)
        return SkinBuiltInBitmap(style, position, target);
    TBitmap whole;
    const bool found = SkinBuiltInBitmap(style, position, whole);
    SliceBitmap(&whole, target, count, index);
    return found;
}

void PropagateTheme(TWinControl* container, TSkinUIStyle style, TSkinFileTheme* theme)
{
    if (!container)
        return;
    for (int i = 0; i < container->ControlCount(); ++i) {
        if (auto* themed = dynamic_cast<TSkinThemed*>(container->Controls(i))) {
            themed->SetFileTheme(theme);
            themed->SetUIStyle(style);
        }
    }
}

TSkinUIStyle FormUIStyle(const TComponent*)
{
    return TSkinUIStyle::Marine;
}

} // namespace folvane
