// Pixel and key rules of the self-drawn text box and the button edit that do
// not touch the platform: the frame's widths, the auto-size height, where the
// buttons and the text area go, where the line starts for each alignment,
// the horizontal scroll that keeps the caret visible, which character a
// click lands on, tab expansion, the greying of the context menu and the
// shortcut values. The Win32 controls feed them measured sizes.
#pragma once

#include "controls/EditModel.h"
#include "toolkit/graphics/PixelRect.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace folvane {

enum class TEditBorderStyle { bsNone, bsSingle };

enum TEditBorderSide : unsigned { ebsLeft = 1, ebsRight = 2, ebsTop = 4, ebsBottom = 8 };
using TEditBorderSides = unsigned;
constexpr TEditBorderSides kAllEditBorderSides = ebsLeft | ebsRight | ebsTop | ebsBottom;

enum class TEditAlignment { taLeftJustify, taRightJustify, taCenter };

struct EditFrame {
    TEditBorderStyle borderStyle = TEditBorderStyle::bsSingle;
    bool ctl3D = true;
    bool flat = false;
    TEditBorderSides sides = kAllEditBorderSides;
    int edgeWidth = 2; // the system's 3-D edge
    int borderWidth = 1; // the system's single border
};

struct EditInsets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const EditInsets&) const = default;
};

// The frame outside the client area: the 3-D edge (or the flat frame, which
// takes its place) on every side that exists; nothing for a single line
// frame, which is drawn inside the client area, or without a frame.
EditInsets NonClientInsets(const EditFrame& frame);
// The inset of the buttons and the text area inside the client area: one
// border width for the single line frame, else 0.
int ClientInset(const EditFrame& frame);
// The auto-size height for a font whose text height is `textHeight`.
int AutoSizeHeight(const EditFrame& frame, int textHeight);

// ---------------------------------------------------------------------------
// Button edit
// ---------------------------------------------------------------------------

struct ButtonEditLayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    int inset = 0;
    bool buttonVisible = true;
    int buttonWidth = 15;
    bool altButtonVisible = false;
    int altButtonWidth = 15;
    bool altButtonLeft = false; // AltButtonPosition left; else just left of the main button
};

struct ButtonEditLayout {
    PixelRect button; // empty when hidden
    PixelRect altButton; // empty when hidden
    PixelRect text;
};

ButtonEditLayout LayoutButtonEdit(const ButtonEditLayoutInput& in);

// The main button's width when the window is made: as wide as the client
// height when the glyph (plus 2) does not fit, else unchanged.
int WidenedButtonWidth(int buttonWidth, int glyphWidth, int clientHeight);

// A key with its modifiers as a shortcut value: key + 0x2000 Shift,
// + 0x4000 Ctrl, + 0x8000 Alt.
using TShortCut = std::uint16_t;
constexpr TShortCut kShortcutShift = 0x2000, kShortcutCtrl = 0x4000, kShortcutAlt = 0x8000;
TShortCut MakeShortcut(std::uint16_t key, bool shift, bool ctrl, bool alt);
// A shortcut of 0 never matches.
bool ShortcutMatches(TShortCut shortcut, TShortCut pressed);

// ---------------------------------------------------------------------------
// The line of text
// ---------------------------------------------------------------------------

// Tab characters show as four spaces.
std::wstring ExpandTabs(const std::wstring& text);
// Index in the expanded text of the position `index` of `text`.
std::size_t ExpandedIndex(const std::wstring& text, std::size_t index);

// Line height: the absolute font height plus 2.
int LineHeight(int fontHeight);

struct LineLayoutInput {
    PixelRect area; // the text area
    int leftMargin = 1;
    int rightMargin = 1;
    int topMargin = 0;
    int lineHeight = 0;
    int textWidth = 0;
    TEditAlignment alignment = TEditAlignment::taLeftJustify;
    int scroll = 0; // pixels of the line scrolled out at the left
};

// x of the line's first character. Right and centred lines that do not fit
// scroll like left-aligned ones.
int LineOriginX(const LineLayoutInput& in);
// y of the baseline: TopMargin + line height below the area's top.
int LineBaselineY(const LineLayoutInput& in);
// Width between the margins in which the line can show.
int VisibleLineWidth(const LineLayoutInput& in);

// The scroll after the caret moved to `caretX` (pixels from the line's
// start): unchanged while the caret shows, else just enough to show it;
// 0 whenever the whole line fits.
int ScrollForCaret(int scroll, int caretX, int textWidth, int visibleWidth);

// The caret position nearest to `x` (pixels from the line's start), given
// the widths of every prefix: prefixWidths[i] is the width of the first i
// characters (prefixWidths.size() = length + 1).
std::size_t PositionAtX(const std::vector<int>& prefixWidths, int x);

// ---------------------------------------------------------------------------
// Context menu
// ---------------------------------------------------------------------------

struct EditMenuState {
    bool undo = false;
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool del = false;
    bool selectAll = false;
};

EditMenuState ContextMenuState(const EditModel& model, bool clipboardHasText);

} // namespace folvane
