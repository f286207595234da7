// DrawParentBackground: how a control looks transparent. The parent paints itself, its
// background and its graphic controls, into the control's canvas: the canvas state is saved,
// the origin moved by (-left, -top), drawing clipped to the parent's client area, the parent
// sent WM_ERASEBKGND and then WM_PAINT with the canvas's device context as wParam, and the
// state restored. For a graphic control only the graphic controls below it are painted.
#pragma once

namespace folvane {

class TCanvas;
class TControl;

void DrawParentBackground(TCanvas& canvas, const TControl& control);

} // namespace folvane
