// RenderMarkup: lays out, paints and hit-tests the label markup inside a rectangle.
//
// One call parses the whole text again; every line is laid out twice, first to decide what fits
// and how wide it is, then to paint (or measure and hit-test) exactly what the first pass took.
// There is no document tree and no error: unknown tags are consumed, text after a tag that never
// closes is dropped. Every loop consumes input, so no text can make a call run forever.
#pragma once

#include "richlabel/MarkupCanvas.h"

#include <string>
#include <string_view>

namespace folvane {

struct MarkupRenderRequest {
    MarkupCanvas* Canvas = nullptr; // its font at entry is the base font
    std::string_view Markup;
    MarkupRect LayoutRect;
    const MarkupImages* Images = nullptr; // "idx:" pictures
    int MouseX = -1;
    int MouseY = -1;
    int HoverAnchor = -1; // number (from 1, in text order) of the anchor under the mouse
    int ShadowOffset = 2;
    bool MeasureOnly = false;
    bool Hover = false; // anchor styling only on the hovered anchor
    bool WordWrap = true; // off: each run is cut with an end ellipsis
    TColor URLColor = clBlue;
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    MarkupPictureStore* PictureStore = nullptr; // pictures named without a colon
    MarkupPictureCache* PictureCache = nullptr; // pictures given by address
};

struct MarkupRenderResult {
    bool OverAnchor = false;
    std::string AnchorTarget;
    int TextWidth = 0; // widest line plus 2
    int TextHeight = 0; // the line heights plus 2
    int MouseAnchor = -1;
    // Box of the anchor under the mouse on its last line; all -1 when none is found.
    MarkupRect HoverRect { -1, -1, -1, -1 };
};

// Returns OverAnchor. On return the canvas font and background are those it had on entry.
bool RenderMarkup(const MarkupRenderRequest& request, MarkupRenderResult& result);

} // namespace folvane
