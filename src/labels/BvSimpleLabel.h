// TBvCustomSimpleLabel and TBvSimpleLabel: the label without bevel, with a link mode. In
// jmInternet and jmApplication a click opens the jump target through the process's link shell
// instead of raising OnClick; in every link mode the caption takes the link colours and
// underline and the hand cursor, and a press turns it to ActiveColor. An internet jump the shell
// cannot open turns the label back into plain, disabled text.
#pragma once

#include "labels/BvBaseLabel.h"
#include "labels/BvFxCaption.h"
#include "labels/BvJump.h"

namespace folvane {

class Shell;

class TBvCustomSimpleLabel : public TBvBaseLabel {
public:
    explicit TBvCustomSimpleLabel(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TBvCustomSimpleLabel"; }

    TBvJumpMode JumpMode() const { return jumpMode_; }
    void SetJumpMode(TBvJumpMode value);
    // The target of a jump; blank means the caption.
    const std::string& Jump() const { return jump_; }
    void SetJump(const std::string& value) { jump_ = value; }
    TColor InActiveColor() const { return inActiveColor_; }
    void SetInActiveColor(TColor value);
    TColor ActiveColor() const { return activeColor_; }
    void SetActiveColor(TColor value) { activeColor_ = value; }
    bool JumpUnderline() const { return jumpUnderline_; }
    void SetJumpUnderline(bool value) { jumpUnderline_ = value; }
    using TBvBaseLabel::FontSmoothing;
    using TBvBaseLabel::SetFontSmoothing;
    TBv3DCaption& Font3D() { return font3D_; }
    const TBv3DCaption& Font3D() const { return font3D_; }
    // The twinkle may share one timer with other labels; kept as a setting.
    bool UseGlobalTimer() const { return useGlobalTimer_; }
    void SetUseGlobalTimer(bool value) { useGlobalTimer_ = value; }
    // The "UseAsJump" flag of older layouts: the label becomes an internet link when loaded.
    bool UseAsJump() const { return useAsJump_; }
    void SetUseAsJump(bool value) { useAsJump_ = value; }

    // Left presses in a link mode since the mode was last set.
    int PressCount() const { return pressCount_; }

    void Click() override;
    void Loaded() override;

    // The shell every simple label opens its jumps with; nullptr restores the system's.
    static void SetLinkShell(Shell* shell);
    static Shell& LinkShell();

protected:
    TextPlan PlanText() const override;
    int TextTracing() const override { return font3D_.Tracing(); }
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void OpenJump();

    TBvJumpMode jumpMode_ = TBvJumpMode::jmNone;
    std::string jump_;
    TColor inActiveColor_ = MakeColor(0x00, 0x00, 0xFF);
    TColor activeColor_ = MakeColor(0x80, 0x00, 0x80);
    bool jumpUnderline_ = true;
    bool useGlobalTimer_ = false;
    bool useAsJump_ = false;
    int pressCount_ = 0;
    TBv3DCaption font3D_;
};

class TBvSimpleLabel : public TBvCustomSimpleLabel {
public:
    explicit TBvSimpleLabel(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TBvSimpleLabel"; }
};

} // namespace folvane
