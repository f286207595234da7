// Scoped device contexts of a window: TPaintDC pairs BeginPaint with EndPaint and TWindowDC pairs
// GetDC with ReleaseDC, so that a paint or measurement that throws still gives the DC back.
// Neither copies nor moves.
#pragma once

#include <windows.h>

namespace folvane {

// BeginPaint for one WM_PAINT; Get() is nullptr when the system gave no DC.
class TPaintDC {
public:
    explicit TPaintDC(HWND window)
        : window_(window)
        , dc_(BeginPaint(window, &paint_))
    {
    }
    ~TPaintDC()
    {
        if (dc_)
            EndPaint(window_, &paint_);
    }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;

    HDC Get() const { return dc_; }
    // The area to repaint, in client coordinates.
    const RECT& PaintRect() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_ {};
    HDC dc_;
};

// A window's (or, with nullptr, the screen's) device context for one scope: its client area,
// or with kWholeWindow the whole window, non-client frame included.
class TWindowDC {
public:
    enum TArea { kClientArea, kWholeWindow };

    explicit TWindowDC(HWND window = nullptr, TArea area = kClientArea)
        : window_(window)
        , dc_(area == kWholeWindow ? GetWindowDC(window) : GetDC(window))
    {
    }
    ~TWindowDC()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

} // namespace folvane
