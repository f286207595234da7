// TExCheckItem and TExCheckBox: a check box whose box is an image of an image
// list (or, without one, the system's check mark).
//
// TExCheckItem owns the box, caption, layout, mouse and keyboard: a left press
// shows the pressed image while the pointer stays inside, a release inside
// toggles and raises OnClick (once the new state is in place), a release
// outside changes nothing. The space bar and Alt+accelerator toggle too.
// TExCheckBox adds the three states. Writing State or Checked in code never
// raises OnClick. Right-to-left mirroring is not supported.
#pragma once

#include "controls/ButtonGeometry.h"
#include "controls/ExButtonControl.h"
#include "toolkit/ComponentReference.h"
#include "toolkit/Controls.h"
#include "toolkit/PressTracker.h"

namespace folvane {

class TImageList;

class TExCheckItem : public TPressable<TExButtonControl> {
public:
    explicit TExCheckItem(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TExCheckItem"; }

    TImageList* Images() const { return images_.Get(); }
    void SetImages(TImageList* list);
    bool UseImageList() const { return useImageList_; }
    void SetUseImageList(bool value);
    int CheckMargin() const { return checkMargin_; }
    void SetCheckMargin(int value);
    // taRightJustify: the box at the left, the caption to its right.
    TAlignment CheckAlignment() const { return checkAlignment_; }
    void SetCheckAlignment(TAlignment value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    TTextDrawType TextDrawType() const { return textDrawType_; }
    void SetTextDrawType(TTextDrawType value);
    bool EndEllipsis() const { return endEllipsis_; }
    void SetEndEllipsis(bool value);

    // The index drawn from Images for the current look.
    virtual int ImageIndex() const = 0;
    // Pressed by the left button with the pointer inside.
    bool PressedInside() const { return PressState().PressedInside(); }

    // A user toggle: the state advances, then OnClick. Nothing with ReadOnly.
    void Click() override;
    bool DialogChar(char ch, TShiftState shift) override;
    void Loaded() override;

protected:
    // Advances the state; the subclass repaints.
    virtual void Toggle() = 0;
    // Runs after a user toggle, before OnClick.
    virtual void Changed() { }

    void Paint(TCanvas& target) override;
    // A release inside takes the focus.
    void ReleasedInside() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void FontChanged() override;
    void CaptionChanged() override;
    void HandleCreated() override;

    // Sizes the control to box plus caption when AutoSize is on and the
    // window exists.
    void AdjustSize();

private:
    bool BoxAtLeft() const { return checkAlignment_ == TAlignment::taRightJustify; }
    SIZE ImageSize() const;
    SIZE MeasureCaption(TCanvas& canvas) const;
    void DrawBox(TCanvas& canvas, int x, int y, SIZE size);
    void DrawCaption(TCanvas& canvas, const RECT& area);
    void ImagesChanged();

    TComponentReference<TImageList> images_ { this };
    bool useImageList_ = false;
    int checkMargin_ = 5;
    TAlignment checkAlignment_ = TAlignment::taRightJustify;
    bool autoSize_ = true;
    bool readOnly_ = false;
    TTextDrawType textDrawType_ = TTextDrawType::tdtNormal;
    bool endEllipsis_ = false;
};

class TExCheckBox : public TExCheckItem {
public:
    explicit TExCheckBox(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TExCheckBox"; }

    TCheckBoxState State() const { return state_; }
    // cbGrayed is ignored while AllowGrayed is off.
    void SetState(TCheckBoxState value);
    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    void SetChecked(bool value) { SetState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value);

    int ImageIndex() const override;

protected:
    void Toggle() override;

private:
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    bool allowGrayed_ = false;
};

} // namespace folvane
