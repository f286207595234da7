// TCustomExLabel and TExLabel: the effect label. A window-less label with a UTF-16 caption and
// hint, drawn through an off-screen bitmap of its size: the background (the themed parent's,
// the parent's picture under a transparent label, or Color), the text rectangle inside
// BorderWidth, the vertical layout, then the caption. TExLabel draws the caption with its
// effect layer (drop shadow or extrusion) and its style (embossed, recessed, outlined); a
// disabled label draws engraved text whatever its style.
//
// The toolkit's ANSI Caption and Hint are hidden by UTF-16 ones; the hint reaches the hint
// window in the ANSI code page.
#pragma once

#include "controls/ExLabelGeometry.h"
#include "toolkit/Label.h"

#include <string>

namespace folvane {

class TCanvas;
class TMemoryCanvas;

class TCustomExLabel : public TLabel {
public:
    explicit TCustomExLabel(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TCustomExLabel"; }

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& value);
    const std::wstring& Hint() const { return hint_; }
    void SetHint(const std::wstring& value);
    // Inner margin on every side.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    bool EndEllipsis() const { return endEllipsis_; }
    void SetEndEllipsis(bool value);
    // Take the background from a themed parent when a visual style is active.
    bool UseXPThemes() const { return useXPThemes_; }
    void SetUseXPThemes(bool value);

    // The DT_* flags the caption is drawn and measured with.
    unsigned PaintFlags() const;

protected:
    // Stores a changed property, re-measures when it affects the size, and repaints.
    template <typename T> void Store(T& field, T value, bool remeasure = false)
    {
        if (field == value)
            return;
        field = value;
        if (IsLoading())
            return;
        if (remeasure)
            AdjustBounds();
        Invalidate();
    }

    void Paint(TCanvas& canvas) override;
    void AdjustBounds() override;
    // Draws the caption in r; the default draws it in the font colour, engraved when disabled.
    virtual void DrawCaption(TCanvas& canvas, const RECT& r, unsigned flags);
    // The caption in `color` moved by (dx, dy).
    void DrawCaptionCopy(TCanvas& canvas, const RECT& r, unsigned flags, int dx, int dy, TColor color);
    void DrawDisabledCaption(TCanvas& canvas, const RECT& r, unsigned flags);

private:
    void PaintBackground(TMemoryCanvas& memory);

    std::wstring caption_;
    std::wstring hint_;
    int borderWidth_ = 0;
    bool endEllipsis_ = false;
    bool useXPThemes_ = true;
};

class TExLabel : public TCustomExLabel {
public:
    explicit TExLabel(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TExLabel"; }

    TExLabelStyle Style() const { return style_; }
    void SetStyle(TExLabelStyle value) { Store(style_, value); }
    TColor LightColor() const { return lightColor_; }
    void SetLightColor(TColor value) { Store(lightColor_, value); }
    TColor DarkColor() const { return darkColor_; }
    void SetDarkColor(TColor value) { Store(darkColor_, value); }
    TColor OutlineColor() const { return outlineColor_; }
    void SetOutlineColor(TColor value) { Store(outlineColor_, value); }

    TExLabelEffect Effect() const { return effect_; }
    void SetEffect(TExLabelEffect value) { Store(effect_, value); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value) { Store(shadowColor_, value); }
    int XOffset() const { return xOffset_; }
    void SetXOffset(int value) { Store(xOffset_, value); }
    int YOffset() const { return yOffset_; }
    void SetYOffset(int value) { Store(yOffset_, value); }
    int Depth() const { return extrude_.depth; }
    void SetDepth(int value) { Store(extrude_.depth, value); }
    TExExtrudePosition ExtrudePosition() const { return extrude_.position; }
    void SetExtrudePosition(TExExtrudePosition value) { Store(extrude_.position, value); }
    TColor FarColor() const { return extrude_.farColor; }
    void SetFarColor(TColor value) { Store(extrude_.farColor, value); }
    TColor NearColor() const { return extrude_.nearColor; }
    void SetNearColor(TColor value) { Store(extrude_.nearColor, value); }
    bool Striated() const { return extrude_.striated; }
    void SetStriated(bool value) { Store(extrude_.striated, value); }

protected:
    void DrawCaption(TCanvas& canvas, const RECT& r, unsigned flags) override;

private:
    TExLabelStyle style_ = TExLabelStyle::ltsNormal;
    TColor lightColor_ = clBtnHighlight;
    TColor darkColor_ = clBtnShadow;
    TColor outlineColor_ = clWhite;
    TExLabelEffect effect_ = TExLabelEffect::lesNone;
    TColor shadowColor_ = clBtnShadow;
    int xOffset_ = 2;
    int yOffset_ = 2;
    ExtrudeSettings extrude_;
};

} // namespace folvane
