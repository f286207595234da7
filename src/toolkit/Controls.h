// Shared vocabulary of the control classes: mouse buttons, shift states, cursors, event types,
// alignment and the toolkit's private window messages. Kept apart from TControl so that small
// users (menus, the hint machinery) need not pull the whole control.
#pragma once

#include <cstdint>
#include <functional>

namespace folvane {

class TComponent;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using TShiftState = unsigned;

// Cursor identifiers; 0 is the default arrow.
using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeAll = -22,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
                  crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
// The handler may change the key; zero means consumed.
using TKeyEvent = std::function<void(TComponent* sender, std::uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TComponent* sender, char& key)>;

// Sent to the window that has the focus to ask whether a plain letter (without Alt) may work
// as an accelerator while it is focused; a window that agrees answers 1.
constexpr unsigned kWantPlainAcceleratorMessage = 0x8BB8;

} // namespace folvane
