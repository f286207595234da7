// Frame, layout, line, scroll, hit-test and menu rules of the text box.
#include "controls/EditGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace folvane {

namespace {

constexpr int kTabSpaces = 4;

bool HasFrame(const EditFrame& frame)
{
    return frame.borderStyle == TEditBorderStyle::bsSingle;
}

} // namespace

EditInsets NonClientInsets(const EditFrame& frame)
{
    if (!HasFrame(frame) || !(frame.ctl3D || frame.flat))
        return {};
    const int e = frame.edgeWidth;
    return EditInsets { frame.sides & ebsLeft ? e : 0, frame.sides & ebsTop ? e : 0, frame.sides & ebsRight ? e : 0,
        frame.sides & ebsBottom ? e : 0 };
}

int ClientInset(const EditFrame& frame)
{
    return HasFrame(frame) && !frame.ctl3D && !frame.flat ? frame.borderWidth : 0;
}

int AutoSizeHeight(const EditFrame& frame, int textHeight)
{
    if (!HasFrame(frame))
        return textHeight;
    if (frame.ctl3D)
        return textHeight + 4 * frame.edgeWidth;
    return textHeight + 6 * frame.borderWidth;
}

ButtonEditLayout LayoutButtonEdit(const ButtonEditLayoutInput& in)
{
    ButtonEditLayout out;
    const int top = in.inset;
    const int bottom = std::max(top, in.clientHeight - in.inset);
    int right = in.clientWidth - in.inset;
    int left = in.inset;
    if (in.buttonVisible) {
        out.button = PixelRect { right - in.buttonWidth, top, right, bottom };
        right -= in.buttonWidth;
    }
    if (in.altButtonVisible) {
        if (in.altButtonLeft) {
            out.altButton = PixelRect { left, top, left + in.altButtonWidth, bottom };
            left += in.altButtonWidth;
        } else {
            out.altButton = PixelRect { right - in.altButtonWidth, top, right, bottom };
            right -= in.altButtonWidth;
        }
    }
    out.text = PixelRect { left, top, std::max(left, right), bottom };
    return out;
}

int WidenedButtonWidth(int buttonWidth, int glyphWidth, int clientHeight)
{
    return buttonWidth < glyphWidth + 2 ? clientHeight : buttonWidth;
}

TShortCut MakeShortcut(std::uint16_t key, bool shift, bool ctrl, bool alt)
{
    unsigned value = key & 0xFFu;
    if (shift)
        value |= kShortcutShift;
    if (ctrl)
        value |= kShortcutCtrl;
    if (alt)
        value |= kShortcutAlt;
    return static_cast<TShortCut>(value);
}

bool ShortcutMatches(TShortCut shortcut, TShortCut pressed)
{
    return shortcut != 0 && shortcut == pressed;
}

std::wstring ExpandTabs(const std::wstring& text)
{
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t ch : text) {
        if (ch == L'\t')
            out.append(kTabSpaces, L' ');
        else
            out.push_back(ch);
    }
    return out;
}

std::size_t ExpandedIndex(const std::wstring& text, std::size_t index)
{
    index = std::min(index, text.size());
    const auto tabs
        = static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<long>(index), L'\t'));
    return index + tabs * (kTabSpaces - 1);
}

int LineHeight(int fontHeight)
{
    return std::abs(fontHeight) + 2;
}

int VisibleLineWidth(const LineLayoutInput& in)
{
    return std::max(0, in.area.Width() - in.leftMargin - in.rightMargin);
}

int LineOriginX(const LineLayoutInput& in)
{
    const int scrolled = in.area.left + in.leftMargin - in.scroll;
    const bool fits = in.textWidth <= VisibleLineWidth(in);
    switch (in.alignment) {
    case TEditAlignment::taLeftJustify:
        break;
    case TEditAlignment::taRightJustify:
        if (fits)
            return in.area.right - in.rightMargin - 2 - in.textWidth;
        break;
    case TEditAlignment::taCenter:
        if (fits)
            return in.area.left + (in.area.Width() - in.rightMargin) / 2 - in.textWidth / 2;
        break;
    }
    return scrolled;
}

int LineBaselineY(const LineLayoutInput& in)
{
    return in.area.top + in.topMargin + in.lineHeight;
}

int ScrollForCaret(int scroll, int caretX, int textWidth, int visibleWidth)
{
    // One pixel more than the text, so that the caret after the last
    // character shows too.
    const int maxScroll = textWidth + 1 - visibleWidth;
    if (maxScroll <= 0)
        return 0;
    if (caretX < scroll)
        scroll = caretX;
    else if (caretX >= scroll + visibleWidth)
        scroll = caretX - visibleWidth + 1;
    return std::clamp(scroll, 0, maxScroll);
}

std::size_t PositionAtX(const std::vector<int>& prefixWidths, int x)
{
    if (prefixWidths.size() < 2)
        return 0;
    const std::size_t length = prefixWidths.size() - 1;
    for (std::size_t i = 0; i < length; ++i) {
        // Left of a character's middle lands before it.
        const int middle = (prefixWidths[i] + prefixWidths[i + 1] + 1) / 2;
        if (x < middle)
            return i;
    }
    return length;
}

EditMenuState ContextMenuState(const EditModel& model, bool clipboardHasText)
{
    EditMenuState state;
    const bool selected = model.HasSelection();
    const bool writable = !model.ReadOnly();
    state.undo = model.CanUndo();
    state.cut = selected && writable;
    state.copy = selected;
    state.paste = clipboardHasText && writable;
    state.del = selected && writable;
    state.selectAll = !model.Text().empty() && !model.AllSelected();
    return state;
}

} // namespace folvane
