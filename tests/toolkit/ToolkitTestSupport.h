// Helpers of the toolkit's Windows tests: message pumping, code that runs from inside a modal
// loop (a thread timer, dispatched by whatever loop is running), pictures of a window tree in
// a memory bitmap, and object counts for leak checks.
#pragma once

#include "support/GuiObjectCount.h"
#include "support/MessagePump.h"
#include "support/Snapshot.h"
#include "toolkit/Application.h"
#include "toolkit/WinControl.h"
#include "toolkit/graphics/Bitmap.h"

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace folvane::testing {

// Runs `action` once, `delayMs` from now, from whichever message loop is running then
// (modal dialogs, menus and message boxes included).
inline void RunSoon(std::function<void()> action, UINT delayMs = 30)
{
    static std::map<UINT_PTR, std::function<void()>> pending;
    struct Proc {
        static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD)
        {
            KillTimer(nullptr, id);
            auto it = pending.find(id);
            if (it == pending.end())
                return;
            auto run = std::move(it->second);
            pending.erase(it);
            run();
        }
    };
    UINT_PTR id = SetTimer(nullptr, 0, delayMs, &Proc::Fire);
    pending[id] = std::move(action);
}

// Paints a window and, at their places, its windowed descendants, as the screen would show
// them, into a 32-bit bitmap of the window's client size.
inline void PaintTree(TWinControl& control, TCanvas& canvas)
{
    canvas.SaveState();
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(canvas.Handle()), 0);
    canvas.RestoreState();
    for (int i = 0; i < control.ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(control.Controls(i));
        if (!child || !child->Visible())
            continue;
        canvas.SaveState();
        canvas.MoveOrigin(child->Left(), child->Top());
        canvas.IntersectClipRect(RECT { 0, 0, child->Width(), child->Height() });
        PaintTree(*child, canvas);
        canvas.RestoreState();
    }
}

inline void Picture(TWinControl& control, TBitmap& out)
{
    out.SetPixelFormat(TPixelFormat::pf32bit);
    out.SetSize(control.ClientWidth(), control.ClientHeight());
    PaintTree(control, out.Canvas());
}

} // namespace folvane::testing
