// Owning wrappers for GDI handles, and the scoped helpers built on them.
//
// TGdiObject<H> owns a pen, brush, font, bitmap or region and deletes it once;
// it moves but never copies. TGdiView<H> names a handle that someone else owns
// (a stock object, a handle borrowed from a message), so that the type says who
// frees what. The device-context helpers pair every Get/Create with its
// Release/Delete and every SelectObject with the re-selection of what was there;
// the window and paint DCs are in PaintDC.h.
#pragma once

#include "toolkit/graphics/PaintDC.h"

#include <windows.h>

#include <utility>

namespace folvane {

template <typename H> class TGdiObject {
public:
    TGdiObject() = default;
    explicit TGdiObject(H handle)
        : handle_(handle)
    {
    }
    ~TGdiObject() { Reset(); }

    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;
    TGdiObject(TGdiObject&& other) noexcept
        : handle_(other.Release())
    {
    }
    TGdiObject& operator=(TGdiObject&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    H Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Gives up ownership without deleting.
    H Release() { return std::exchange(handle_, nullptr); }
    void Reset(H handle = nullptr)
    {
        H old = std::exchange(handle_, handle);
        if (old)
            DeleteObject(old);
    }

private:
    H handle_ = nullptr;
};

using TOwnedBitmap = TGdiObject<HBITMAP>;
using TOwnedFont = TGdiObject<HFONT>;
using TOwnedBrush = TGdiObject<HBRUSH>;
using TOwnedPen = TGdiObject<HPEN>;
using TOwnedRegion = TGdiObject<HRGN>;

// A handle owned elsewhere; never deleted through this view.
template <typename H> class TGdiView {
public:
    TGdiView() = default;
    TGdiView(H handle)
        : handle_(handle)
    {
    }
    TGdiView(const TGdiObject<H>& owner)
        : handle_(owner.Get())
    {
    }
    H Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    H handle_ = nullptr;
};

// A memory device context (CreateCompatibleDC), deleted with DeleteDC.
class TMemoryDC {
public:
    TMemoryDC() = default;
    // Compatible with the given DC, or with the screen for nullptr.
    static TMemoryDC Create(HDC compatibleWith = nullptr)
    {
        TMemoryDC dc;
        dc.dc_ = CreateCompatibleDC(compatibleWith);
        return dc;
    }
    ~TMemoryDC()
    {
        if (dc_)
            DeleteDC(dc_);
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    TMemoryDC(TMemoryDC&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr))
    {
    }
    TMemoryDC& operator=(TMemoryDC&& other) noexcept
    {
        if (this != &other) {
            if (dc_)
                DeleteDC(dc_);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_ = nullptr;
};

// Selects an object into a DC and puts the previous one back at scope end.
class TSelectScope {
public:
    TSelectScope(HDC dc, HGDIOBJ object)
        : dc_(dc)
        , previous_(object ? SelectObject(dc, object) : nullptr)
    {
    }
    ~TSelectScope()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }
    TSelectScope(const TSelectScope&) = delete;
    TSelectScope& operator=(const TSelectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace folvane
