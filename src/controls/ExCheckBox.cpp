// TExCheckItem and TExCheckBox.
#include "controls/ExCheckBox.h"

#include "controls/ExTheme.h"
#include "toolkit/graphics/Canvas.h"
#include "toolkit/graphics/DisabledText.h"
#include "toolkit/graphics/ImageList.h"
#include "toolkit/graphics/MemoryCanvas.h"
#include "toolkit/graphics/PaintDC.h"

namespace folvane {

namespace {

// The classic check mark's size when no image list draws the box.
constexpr SIZE kSystemBoxSize { 13, 13 };

} // namespace

// ---------------------------------------------------------------------------
// TExCheckItem: properties
// ---------------------------------------------------------------------------

TExCheckItem::TExCheckItem(TComponent* owner)
    : TPressable(owner)
{
    SetBounds(Left(), Top(), 60, 17);
    SetTabStop(true);
    SetColor(clBtnFace);
    SetDefaultFontColor(clBtnText);
    // The press tracker remembers who held the capture before, so the toolkit
    // must not capture first; a fast second click is a click of its own.
    SetCapturesMouse(false);
    SetAcceptsDoubleClicks(false);
    images_.OnChange = [this] { ImagesChanged(); };
    images_.OnDrop = [this] {
        useImageList_ = false;
        ImagesChanged();
    };
}

void TExCheckItem::SetImages(TImageList* list)
{
    if (!images_.Set(list))
        return;
    if (!IsLoading())
        useImageList_ = images_.Get() != nullptr;
    ImagesChanged();
}

void TExCheckItem::SetUseImageList(bool value)
{
    if (value == useImageList_ || (value && !images_ && !IsLoading()))
        return;
    useImageList_ = value;
    ImagesChanged();
}

void TExCheckItem::ImagesChanged()
{
    AdjustSize();
    Invalidate();
}

void TExCheckItem::SetCheckMargin(int value)
{
    if (value < 0 || value == checkMargin_)
        return;
    checkMargin_ = value;
    AdjustSize();
    Invalidate();
}

void TExCheckItem::SetCheckAlignment(TAlignment value)
{
    if (value == checkAlignment_)
        return;
    checkAlignment_ = value;
    Invalidate();
}

void TExCheckItem::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustSize();
}

void TExCheckItem::SetTextDrawType(TTextDrawType value)
{
    if (value == textDrawType_)
        return;
    textDrawType_ = value;
    AdjustSize();
    Invalidate();
}

void TExCheckItem::SetEndEllipsis(bool value)
{
    if (value == endEllipsis_)
        return;
    endEllipsis_ = value;
    Invalidate();
}

void TExCheckItem::Loaded()
{
    TExButtonControl::Loaded();
    if (useImageList_ && !images_)
        useImageList_ = false;
    AdjustSize();
    Invalidate();
}

// ---------------------------------------------------------------------------
// Geometry and painting
// ---------------------------------------------------------------------------

SIZE TExCheckItem::ImageSize() const
{
    if (useImageList_ && images_)
        return SIZE { images_->Width(), images_->Height() };
    return kSystemBoxSize;
}

SIZE TExCheckItem::MeasureCaption(TCanvas& canvas) const
{
    SIZE size { 0, static_cast<int>(canvas.TextMetrics().tmHeight) };
    if (!Caption().empty()) {
        RECT r { 0, 0, 0, 0 };
        canvas.DrawText(Caption(), r, DT_CALCRECT | DT_SINGLELINE);
        size.cx = r.right - r.left;
    }
    return size;
}

void TExCheckItem::AdjustSize()
{
    if (!autoSize_ || IsLoading() || !HandleAllocated())
        return;
    SIZE text;
    {
        TWindowDC dc(ExistingHandle());
        TCanvas canvas(dc.Get());
        canvas.SetFont(Font());
        text = MeasureCaption(canvas);
    }
    const SIZE image = ImageSize();
    const CheckBoxSize size = CheckBoxAutoSize(image.cx, image.cy, checkMargin_, text.cx, text.cy, textDrawType_);
    if (size.width != Width() || size.height != Height())
        SetBounds(Left(), Top(), size.width, size.height);
}

void TExCheckItem::Paint(TCanvas& target)
{
    // Drawn off screen and copied in one step even when the window paints
    // straight to the screen (DoubleBuffered off); over its own off-screen
    // buffer it draws straight on that.
    TMemoryCanvas buffer(target, ClientRect(), TBuffering::bfUnlessTargetIsMemory);
    TCanvas& canvas = buffer.Canvas();
    canvas.SetFont(Font());
    PaintBackground(canvas);

    const SIZE image = ImageSize();
    const int x = CheckBoxImageLeft(ClientWidth(), image.cx, BoxAtLeft());
    const int y = CheckBoxImageTop(ClientHeight(), image.cy);
    DrawBox(canvas, x, y, image);

    const SIZE text = MeasureCaption(canvas);
    const LayoutRect r
        = CheckBoxCaptionRect(ClientWidth(), ClientHeight(), image.cx, checkMargin_, BoxAtLeft(), text.cy);
    const RECT area { r.left, r.top, r.right, r.bottom };
    if (Caption().empty())
        return;
    DrawCaption(canvas, area);
    if (Focused() && EnabledInParents()) {
        RECT focus { area.left, area.top, std::min(area.left + text.cx, area.right), area.top + text.cy };
        InflateRect(&focus, 1, 1);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Font().SetColor(Font().Color());
        canvas.DrawFocusRect(focus);
    }
}

void TExCheckItem::DrawBox(TCanvas& canvas, int x, int y, SIZE size)
{
    const int index = ImageIndex();
    if (useImageList_ && images_) {
        // Always the enabled form: the list holds its own disabled images.
        images_->Draw(canvas, x, y, index, true);
        return;
    }
    const int look = index / 2; // 0 unchecked, 1 checked, 2 grayed
    const bool disabled = !EnabledInParents();
    RECT box { x, y, x + size.cx, y + size.cy };
    if (ThemedDrawing() && HandleAllocated()) {
        const int state = 1 + 4 * look + (disabled ? 3 : PressedInside() ? 2 : MouseInside() ? 1 : 0);
        canvas.Refresh();
        if (DrawThemePart(ExistingHandle(), canvas.Handle(), L"BUTTON", kThemeCheckBox, state, box))
            return;
    }
    UINT flags = DFCS_BUTTONCHECK;
    if (look == 1)
        flags |= DFCS_CHECKED;
    else if (look == 2)
        flags = DFCS_BUTTON3STATE | DFCS_CHECKED;
    if (disabled)
        flags |= DFCS_INACTIVE;
    if (PressedInside())
        flags |= DFCS_PUSHED;
    canvas.Refresh();
    DrawFrameControl(canvas.Handle(), &box, DFC_BUTTON, flags);
}

void TExCheckItem::DrawCaption(TCanvas& canvas, const RECT& area)
{
    const UINT flags = DT_SINGLELINE | DT_LEFT | DT_TOP | (endEllipsis_ ? DT_END_ELLIPSIS : 0);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (!EnabledInParents()) {
        DrawDisabledText(canvas, Caption(), area, flags);
        return;
    }
    switch (textDrawType_) {
    case TTextDrawType::tdtNormal:
        break;
    case TTextDrawType::tdtShadowed:
        DrawShiftedText(canvas, Caption(), area, flags, 2, 2, clBtnShadow);
        break;
    case TTextDrawType::tdtRaised:
        DrawShiftedText(canvas, Caption(), area, flags, -1, -1, clBtnHighlight);
        break;
    }
    DrawShiftedText(canvas, Caption(), area, flags, 0, 0, Font().Color());
}

// ---------------------------------------------------------------------------
// Input
// ---------------------------------------------------------------------------

void TExCheckItem::Click()
{
    if (readOnly_)
        return;
    Toggle();
    Changed();
    TExButtonControl::Click();
}

void TExCheckItem::ReleasedInside()
{
    // The toolkit has already called Click().
    if (CanFocus())
        SetFocus();
}

void TExCheckItem::KeyDown(std::uint16_t& key, TShiftState shift)
{
    TExButtonControl::KeyDown(key, shift);
    if (key == VK_SPACE && (shift & (ssShift | ssAlt | ssCtrl)) == 0) {
        Click();
        key = 0;
    }
}

bool TExCheckItem::DialogChar(char ch, TShiftState shift)
{
    if ((shift & ssAlt) && IsAccelerator(ch) && CanFocus()) {
        SetFocus();
        Click();
        return true;
    }
    return TExButtonControl::DialogChar(ch, shift);
}

void TExCheckItem::FontChanged()
{
    TExButtonControl::FontChanged();
    AdjustSize();
    Invalidate();
}

void TExCheckItem::CaptionChanged()
{
    AdjustSize();
    Invalidate();
}

void TExCheckItem::HandleCreated()
{
    TExButtonControl::HandleCreated();
    AdjustSize();
}

// ---------------------------------------------------------------------------
// TExCheckBox
// ---------------------------------------------------------------------------

TExCheckBox::TExCheckBox(TComponent* owner)
    : TExCheckItem(owner)
{
}

void TExCheckBox::SetState(TCheckBoxState value)
{
    if (value == state_ || (value == TCheckBoxState::cbGrayed && !allowGrayed_))
        return;
    state_ = value;
    Invalidate();
}

void TExCheckBox::SetAllowGrayed(bool value)
{
    if (value == allowGrayed_)
        return;
    allowGrayed_ = value;
    if (!allowGrayed_ && state_ == TCheckBoxState::cbGrayed) {
        state_ = TCheckBoxState::cbUnchecked;
        Invalidate();
    }
}

int TExCheckBox::ImageIndex() const
{
    return CheckBoxImageIndex(state_, !EnabledInParents(), PressedInside());
}

void TExCheckBox::Toggle()
{
    state_ = NextCheckBoxState(state_, allowGrayed_);
    Invalidate();
}

} // namespace folvane
