// TSkinCustomButton and TSkinButton.
#include "skin/SkinButton.h"

#include "skin/NinePartDraw.h"
#include "skin/SkinThemeRoutines.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/ParentBackground.h"
#include "toolkit/graphics/DisabledText.h"
#include "toolkit/graphics/ImageList.h"

#include <algorithm>

namespace folvane {
namespace {

constexpr UINT_PTR kRepeatTimerId = 1;
constexpr TColor kEmbossLight = 0x00FFFFFF;
constexpr TColor kEmbossShade = 0x00808080;

bool IsBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

} // namespace

// ===========================================================================
// TSkinCustomButton: properties

TSkinCustomButton::TSkinCustomButton(TComponent* owner)
    : TPressable(owner)
{
    SetTabStop(true);
    // The second press of a double click is a press like the first.
    SetAcceptsDoubleClicks(false);
}

TSkinCustomButton::~TSkinCustomButton()
{
    if (repeating_ && ExistingHandle())
        KillTimer(ExistingHandle(), kRepeatTimerId);
}

void TSkinCustomButton::SetDefault(bool value)
{
    default_ = value;
    if (!HandleAllocated())
        return;
    // Every skinned button of the form works out again which one Enter clicks.
    if (TForm* form = ParentForm())
        form->FocusChanged(form->ActiveControl());
}

void TSkinCustomButton::SetFocusedRectMargin(int value)
{
    if (value == focusedRectMargin_)
        return;
    focusedRectMargin_ = value;
    Invalidate();
}

void TSkinCustomButton::HandleCreated()
{
    TPressable::HandleCreated();
    actingDefault_ = default_;
}

// ===========================================================================
// State

void TSkinCustomButton::SetKeyPressed(bool value)
{
    if (value == keyPressed_)
        return;
    keyPressed_ = value;
    Invalidate();
}

void TSkinCustomButton::EndLooks()
{
    if (looksEnded_)
        return;
    looksEnded_ = true;
    Invalidate();
}

void TSkinCustomButton::StartRepeat()
{
    if (repeating_)
        return;
    // A window-message timer: the first tick comes one period after the press.
    SetTimer(Handle(), kRepeatTimerId, static_cast<UINT>(std::max(repeatInterval_, 0)), nullptr);
    repeating_ = true;
}

void TSkinCustomButton::StopRepeat()
{
    if (!repeating_)
        return;
    repeating_ = false;
    if (ExistingHandle())
        KillTimer(ExistingHandle(), kRepeatTimerId);
}

// ===========================================================================
// Mouse

void TSkinCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        looksEnded_ = false;
        StartRepeat();
        if (TabStop() && CanFocus()) {
            try {
                SetFocus();
            } catch (...) {
                // A press still presses when the focus cannot move here.
            }
        }
        Invalidate();
    }
    TPressable::MouseDown(button, shift, x, y);
}

void TSkinCustomButton::MouseMove(TShiftState shift, int x, int y)
{
    // Outside during a press: back to normal at once; the repeat timer goes on.
    if (MouseCapture() && (x < 0 || y < 0 || x > Width() || y > Height()))
        EndLooks();
    TPressable::MouseMove(shift, x, y);
}

void TSkinCustomButton::MouseEnter()
{
    looksEnded_ = false;
    TPressable::MouseEnter();
}

void TSkinCustomButton::MouseLeave()
{
    StopRepeat();
    TPressable::MouseLeave();
    Tracker().CancelMode();
    SetKeyPressed(false);
    if (OnMouseExit)
        OnMouseExit(this);
}

void TSkinCustomButton::CancelMode()
{
    StopRepeat();
    TPressable::CancelMode();
    SetKeyPressed(false);
    EndLooks();
}

void TSkinCustomButton::Click()
{
    // The repeat ends with every click, also one whose pressed look a move outside had ended:
    // otherwise it would go on firing with the button up until the pointer left.
    StopRepeat();
    if (PressState().Pressed())
        Tracker().EndPress(true);
    SetKeyPressed(false);
    if (Parent())
        if (TForm* form = ParentForm())
            form->SetModalResult(modalResult_);
    TPressable::Click();
}

// ===========================================================================
// Keyboard and focus

void TSkinCustomButton::KeyDown(std::uint16_t& key, TShiftState shift)
{
    if ((key == VK_SPACE || key == VK_RETURN) && Focused() && Enabled())
        SetKeyPressed(true);
    TPressable::KeyDown(key, shift);
}

void TSkinCustomButton::KeyUp(std::uint16_t& key, TShiftState shift)
{
    const bool release = (key == VK_SPACE || key == VK_RETURN) && Pressed();
    TPressable::KeyUp(key, shift);
    if (release)
        Click();
}

bool TSkinCustomButton::DialogKey(std::uint16_t key, TShiftState shift)
{
    const bool mine = (key == VK_RETURN && actingDefault_) || (key == VK_ESCAPE && cancel_);
    if (mine && (shift & (ssShift | ssCtrl | ssAlt)) == 0 && CanFocus()) {
        Click();
        return true;
    }
    return TPressable::DialogKey(key, shift);
}

bool TSkinCustomButton::DialogChar(char ch, TShiftState shift)
{
    if (!IsAccel(ch, Caption()))
        return false;
    // Without Alt only while the focused window agrees: every skinned button does.
    const bool plainLetterWorks
        = (shift & ssAlt) != 0 || SendMessageA(GetFocus(), kWantPlainAcceleratorMessage, 0, 0) == 1;
    if (!plainLetterWorks || !Parent() || !Parent()->Enabled() || !Enabled() || !Visible())
        return false;
    Click();
    return true;
}

void TSkinCustomButton::FocusChanged(TWinControl* focused)
{
    if (dynamic_cast<TSkinCustomButton*>(focused))
        actingDefault_ = focused == this;
    else
        actingDefault_ = default_;
    TPressable::FocusChanged(focused);
}

void TSkinCustomButton::DoExit()
{
    // A key held down while the focus leaves never comes up here.
    SetKeyPressed(false);
    TPressable::DoExit();
}

LRESULT TSkinCustomButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam != kRepeatTimerId)
            break;
        if (OnMouseContinuouslyDown)
            OnMouseContinuouslyDown(this);
        return 0;
    case WM_DESTROY:
        // The repeat timer goes with the window; a new window starts without one.
        repeating_ = false;
        break;
    case kWantPlainAcceleratorMessage:
        return 1;
    case WM_SETTEXT: {
        // Text set on the window from outside becomes the caption.
        LRESULT result = TPressable::WndProc(message, wParam, lParam);
        if (lParam)
            SetCaption(reinterpret_cast<const char*>(lParam));
        return result;
    }
    default:
        break;
    }
    return TPressable::WndProc(message, wParam, lParam);
}

// ===========================================================================
// TSkinButton: theme and properties

TSkinButton::TSkinButton(TComponent* owner)
    : TSkinCustomButton(owner)
{
    // Whoever changes the glyph, through SetGlyph or Glyph(), the image list is made again.
    glyph_.OnChange = [this] {
        glyphList_.reset();
        Invalidate();
    };
    SetBounds(Left(), Top(), 80, 27);
    SetUIStyle(FormUIStyle(owner));
}

void TSkinButton::SetFileTheme(TSkinFileTheme* theme)
{
    fileTheme_.Set(theme);
    SetUIStyle(uiStyle_);
}

void TSkinButton::SetUIStyle(TSkinUIStyle style)
{
    uiStyle_ = style;
    faces_.Drop();
    TSkinUIStyle effective;
    if (UsesFileTheme(fileTheme_.Get(), uiStyle_, effective)) {
        SetTransparent(fileTheme_->GetFlag(TSkinFlagElement::SKIN2_BUTTONTRANS));
        Font().SetColor(static_cast<TColor>(fileTheme_->GetColor(TSkinColorElement::SKIN2_BUTTONFONTCOLOR)));
    } else {
        SetTransparent(SkinStyleFlag(effective, 2) != 0);
        Font().SetColor(clBlack);
    }
    Invalidate();
}

void TSkinButton::SetTransparent(bool value)
{
    transparent_ = value;
    SetDrawTransparent(value);
    Invalidate();
}

void TSkinButton::SetAutoSize(bool value)
{
    autoSize_ = value;
    if (!value)
        return;
    TBitmap face;
    SkinBuiltInBitmap(uiStyle_, 1, face);
    const SkinButtonSize size = SkinButtonAutoSize(face.Width(), face.Height());
    SetHeight(size.height);
    SetWidth(size.width);
}

void TSkinButton::SetGlyph(const TBitmap& bitmap)
{
    glyph_.Assign(bitmap);
    Invalidate();
}

void TSkinButton::SetLayout(TSkinButtonLayout value)
{
    if (value == layout_)
        return;
    layout_ = value;
    Invalidate();
}

void TSkinButton::SetSpacing(int value)
{
    if (value == spacing_)
        return;
    spacing_ = value;
    Invalidate();
}

void TSkinButton::ActionChange(const std::string& caption, const TImageList* images, int imageIndex)
{
    SetCaption(caption);
    if (glyph_.Empty() && images && imageIndex >= 0 && imageIndex < images->Count()) {
        TBitmap image;
        if (images->GetBitmap(imageIndex, image))
            SetGlyph(image);
    }
}

void TSkinButton::FaceImage(int slice, TBitmap& target) const
{
    TSkinUIStyle effective;
    if (UsesFileTheme(fileTheme_.Get(), uiStyle_, effective)) {
        // An absent element is no failure: the face is simply empty.
        fileTheme_->GetBitmapSlice(TSkinBitmapElement::SKIN2_BUTTON, target, slice, 3);
        return;
    }
    if (SkinBuiltInBitmapSlice(effective, 1, target, slice, 3))
        return;
    // The blank face: a plain white picture of the usual size.
    target.SetSize(0, 0);
    target.SetSize(74, 21);
    target.Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(RECT { 0, 0, 74, 21 });
}

// ===========================================================================
// TSkinButton: painting

void TSkinButton::Paint(TCanvas& canvas)
{
    const RECT client = ClientRect();
    if (Transparent()) {
        DrawParentBackground(canvas, *this);
    } else {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(client);
    }

    // A theme that loaded another file since the faces were fetched.
    const unsigned revision = fileTheme_ ? fileTheme_->Revision() : 0;
    if (revision != facesRevision_) {
        faces_.Drop();
        facesRevision_ = revision;
    }
    faces_.Draw(canvas, SkinButtonFaceSlice(Enabled(), Pressed(), Hot()), Width(), Height(), DrawTransparent());

    canvas.SetFont(Font());
    SkinGlyphPlacement at;
    if (!glyph_.Empty()) {
        const SIZE text = canvas.TextExtent(Caption());
        at = PlaceSkinGlyph(layout_, Width(), Height(), glyph_.Width(), glyph_.Height(), text.cx, text.cy, spacing_);
        PaintGlyph(canvas, at);
    }

    // Two styles mark the focus with a bold caption instead of a dotted frame.
    bool bold = false;
    if (Focused() && TabStop()) {
        if (uiStyle_ == TSkinUIStyle::Pearl || uiStyle_ == TSkinUIStyle::Glass) {
            bold = true;
        } else {
            const int m = FocusedRectMargin();
            canvas.DrawFocusRect(RECT { m, m, Width() - m, Height() - m });
        }
    }

    canvas.SetFont(Font());
    if (IsBlank(Caption()))
        return;
    if (glyph_.Empty())
        PaintCaptionCentred(canvas, bold);
    else
        PaintCaptionAt(canvas, at.textX, at.textY);
}

void TSkinButton::PaintGlyph(TCanvas& canvas, const SkinGlyphPlacement& at)
{
    if (!glyphList_ || at.glyphWidth != glyphListWidth_) {
        glyphList_ = std::make_unique<TImageList>();
        glyphList_->SetSize(at.glyphWidth, glyph_.Height());
        glyphList_->AddMasked(glyph_, glyph_.Pixel(0, 0));
        glyphListWidth_ = at.glyphWidth;
    }
    const TImageList& list = *glyphList_;
    const int offset = Pressed() ? 1 : 0;
    if (at.twoImages)
        list.Draw(canvas, at.glyphX + offset, at.glyphY + offset, Enabled() ? 0 : 1);
    else
        list.Draw(canvas, at.glyphX + offset, at.glyphY + offset, 0, Enabled());
}

void TSkinButton::PaintCaptionAt(TCanvas& canvas, int x, int y) const
{
    if (Pressed()) {
        ++x;
        ++y;
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    RECT r { x, y, Width(), Height() };
    const UINT flags = DT_SINGLELINE | DT_LEFT;
    if (Enabled())
        canvas.DrawText(Caption(), r, flags);
    else
        DrawDisabledText(canvas, Caption(), r, flags, kEmbossLight, kEmbossShade);
}

void TSkinButton::PaintCaptionCentred(TCanvas& canvas, bool bold) const
{
    if (bold)
        canvas.Font().SetStyle(canvas.Font().Style() | fsBold);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    RECT area = ClientRect();
    if (Pressed())
        OffsetRect(&area, 1, 1);
    const UINT flags = DT_WORDBREAK | DT_EXPANDTABS;
    RECT measured = area;
    canvas.DrawText(Caption(), measured, flags | DT_CALCRECT);
    const int dx = ((area.right - area.left) - (measured.right - measured.left)) / 2;
    const int dy = ((area.bottom - area.top) - (measured.bottom - measured.top)) / 2;
    RECT block { area.left + dx, area.top + dy, area.left + dx + (measured.right - measured.left),
        area.top + dy + (measured.bottom - measured.top) };
    if (Enabled())
        canvas.DrawText(Caption(), block, flags | DT_CENTER);
    else
        DrawDisabledText(canvas, Caption(), block, flags | DT_CENTER, kEmbossLight, kEmbossShade);
}

} // namespace folvane
