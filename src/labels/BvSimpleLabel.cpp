// TBvCustomSimpleLabel and TBvSimpleLabel: link mode, presses and jumps.
#include "labels/BvSimpleLabel.h"

#include "platform/Win32System.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/graphics/GdiObjects.h"

namespace folvane {

namespace {

Shell* linkShell = nullptr;

} // namespace

void TBvCustomSimpleLabel::SetLinkShell(Shell* shell)
{
    linkShell = shell;
}

Shell& TBvCustomSimpleLabel::LinkShell()
{
    static Win32Shell system;
    return linkShell ? *linkShell : system;
}

TBvCustomSimpleLabel::TBvCustomSimpleLabel(TComponent* owner)
    : TBvBaseLabel(owner)
{
    font3D_.OnChange = [this] {
        if (!IsLoading())
            LabelChanged();
    };
}

void TBvCustomSimpleLabel::SetJumpMode(TBvJumpMode value)
{
    if (value == jumpMode_)
        return;
    jumpMode_ = value;
    if (IsLinkMode(value)) {
        pressCount_ = 0;
        Font().SetColor(inActiveColor_);
        if (jumpUnderline_)
            Font().SetStyle(Font().Style() | fsUnderline);
        SetCursor(crHandPoint);
        return;
    }
    if (IsLoading())
        return;
    SetCursor(crDefault);
    Font().SetColor(clBlack);
    if (jumpUnderline_)
        Font().SetStyle(Font().Style() & ~fsUnderline);
}

void TBvCustomSimpleLabel::SetInActiveColor(TColor value)
{
    inActiveColor_ = value;
    if (useAsJump_)
        Font().SetColor(value);
}

void TBvCustomSimpleLabel::Loaded()
{
    TBvBaseLabel::Loaded();
    if (useAsJump_)
        SetJumpMode(TBvJumpMode::jmInternet);
}

TextPlan TBvCustomSimpleLabel::PlanText() const
{
    return SimpleLabelTextPlan(MultiLine(), Alignment());
}

void TBvCustomSimpleLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && IsLinkMode(jumpMode_)) {
        ++pressCount_;
        Font().SetColor(activeColor_);
    }
    TBvBaseLabel::MouseDown(button, shift, x, y);
}

void TBvCustomSimpleLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    // Only older layouts turn the link back; otherwise a followed link keeps ActiveColor.
    if (button == TMouseButton::mbLeft && useAsJump_)
        Font().SetColor(inActiveColor_);
    TBvBaseLabel::MouseUp(button, shift, x, y);
}

void TBvCustomSimpleLabel::Click()
{
    if (ClickRunsHandler(jumpMode_))
        TBvBaseLabel::Click();
    else
        OpenJump();
}

void TBvCustomSimpleLabel::OpenJump()
{
    const std::string target = JumpTarget(jumpMode_, jump_, Caption());
    std::uintptr_t owner = 0;
    if (TForm* main = Application().MainForm())
        owner = reinterpret_cast<std::uintptr_t>(main->Handle());
    const bool opened = LinkShell().OpenOwned(owner, target);
    if (!opened && jumpMode_ == TBvJumpMode::jmInternet) {
        SetJumpMode(TBvJumpMode::jmNone);
        SetEnabled(false);
    }
}

TBvSimpleLabel::TBvSimpleLabel(TComponent* owner)
    : TBvCustomSimpleLabel(owner)
{
}

} // namespace folvane
