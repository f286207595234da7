// TMarkupLabel: a window-less label that shows markup (RenderMarkup): mixed fonts and colours,
// image-list and named pictures, anchors with hover styling, tooltips, an optional background
// gradient or line gradient, bevels and a border, vertical alignment and automatic sizing.
//
// The label does no layout of its own: it prepares the text rectangle and asks the renderer to
// measure, hit-test and paint. Measuring and automatic sizing are their own step (AdjustBounds,
// run when the text, the settings, the font or the size change); painting and hit-testing only
// read state, and both use the same text rectangle inside the frames. It opens "://" and "mailto:" targets with the
// shell and reports every other anchor click to OnAnchorClick.
#pragma once

#include "richlabel/MarkupRenderer.h"
#include "richlabel/PictureStore.h"
#include "toolkit/Label.h"
#include "toolkit/graphics/ImageList.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace folvane {

enum class TAutoSizeType { asVertical, asHorizontal, asBoth };
enum class TVAlignment { tvaTop, tvaCenter, tvaBottom };
enum class TGradientType { gtFullHorizontal, gtFullVertical, gtBottomLine, gtCenterLine, gtTopLine };
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBorderStyle { bsNone, bsSingle };
// Where the label is docked in its parent; the automatic sizing leaves a docked edge alone.
enum class TLabelAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

using TAnchorClick = std::function<void(TComponent* sender, const std::string& anchor)>;
using TAnchorHintEvent = std::function<void(TComponent* sender, std::string& anchor)>;

class TMarkupLabel : public TLabel {
public:
    explicit TMarkupLabel(TComponent* owner = nullptr);
    ~TMarkupLabel() override;
    const char* ClassName() const override { return "TMarkupLabel"; }

    const std::vector<std::string>& HTMLText() const { return htmlText_; }
    // Line breaks are removed: the list then holds the lines joined as one.
    void SetHTMLText(const std::vector<std::string>& lines);
    void SetHTMLText(const std::string& text) { SetHTMLText(std::vector<std::string> { text }); }

    TImageList* Images() const { return images_.Get(); }
    void SetImages(TImageList* images);
    TPictureStore* PictureStore() const { return pictureStore_.Get(); }
    void SetPictureStore(TPictureStore* store);

    TColor URLColor() const { return urlColor_; }
    void SetURLColor(TColor value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value) { SetAndRepaint(shadowColor_, value); }
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int value) { SetAndRepaint(shadowOffset_, value); }
    bool Hover() const { return hover_; }
    void SetHover(bool value) { SetAndRepaint(hover_, value); }
    TColor HoverColor() const { return hoverColor_; }
    void SetHoverColor(TColor value) { SetAndRepaint(hoverColor_, value); }
    TColor HoverFontColor() const { return hoverFontColor_; }
    void SetHoverFontColor(TColor value) { SetAndRepaint(hoverFontColor_, value); }
    bool AnchorHint() const { return anchorHint_; }
    void SetAnchorHint(bool value) { anchorHint_ = value; }
    bool HintShowFull() const { return hintShowFull_; }
    void SetHintShowFull(bool value) { hintShowFull_ = value; }
    bool HTMLHint() const { return htmlHint_; }
    void SetHTMLHint(bool value) { htmlHint_ = value; }
    bool AutoSizing() const { return autoSizing_; }
    void SetAutoSizing(bool value);
    TAutoSizeType AutoSizeType() const { return autoSizeType_; }
    void SetAutoSizeType(TAutoSizeType value);
    TVAlignment VAlignment() const { return vAlignment_; }
    void SetVAlignment(TVAlignment value);
    bool Ellipsis() const { return ellipsis_; }
    void SetEllipsis(bool value);
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor value) { SetAndRepaint(colorTo_, value); }
    TGradientType GradientType() const { return gradientType_; }
    void SetGradientType(TGradientType value) { SetAndRepaint(gradientType_, value); }
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value) { SetAndRepaint(bevelInner_, value); }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value) { SetAndRepaint(bevelOuter_, value); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value) { SetAndRepaint(bevelWidth_, value); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value) { SetAndRepaint(borderWidth_, value); }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value) { SetAndRepaint(borderStyle_, value); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { SetAndRepaint(borderColor_, value); }
    int LineWidth() const { return lineWidth_; }
    void SetLineWidth(int value) { SetAndRepaint(lineWidth_, value); }
    TLabelAlign Align() const { return align_; }
    void SetAlign(TLabelAlign value) { SetAndRepaint(align_, value); }
    std::string Version() const { return "1.7.5.4"; }
    void SetVersion(const std::string&) { }

    // The text size of the last measurement (TextWidth and TextHeight, each with its 2).
    int TextWidth() const { return textWidth_; }
    int TextHeight() const { return textHeight_; }
    TMarkupPictureCache& PictureCache() { return cache_; }

    // 1.7.5.4 packed as four bytes, major highest.
    virtual std::uint32_t VersionNumber() const;
    // The lines of HTMLText with nothing between them.
    virtual std::string DisplayText() const;

    TAnchorClick OnAnchorClick;
    TAnchorClick OnAnchorEnter;
    TAnchorClick OnAnchorExit;
    TAnchorHintEvent OnAnchorHint;

    void Loaded() override;
    bool HintShow(THintInfo& info) override;

protected:
    // Measures again, then repaints.
    virtual void MarkupChanged();
    // One render with the label's settings into `result`. Returns OverAnchor.
    virtual bool PaintMarkup(TCanvas& canvas, const std::string& text, const RECT& rect, POINT mouse, bool measureOnly,
        MarkupRenderResult& result) const;
    // The anchor target under a point (empty when none) and its hover rectangle (all -1 when
    // none).
    std::string AnchorAt(int x, int y, RECT& hoverRect) const;
    // Opens a "://" or "mailto:" target; the shell's "open" verb.
    virtual void OpenLink(const std::string& target);

    void Paint(TCanvas& canvas) override;
    // Stores the text size and, with AutoSizing, resizes the label to it.
    void AdjustBounds() override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseLeave() override;

private:
    template <typename T> void SetAndRepaint(T& field, T value)
    {
        field = value;
        MarkupChanged();
    }
    struct AnchorHit {
        std::string target;
        RECT hoverRect { -1, -1, -1, -1 };
        int anchor = -1; // number of the anchor under the point
    };
    AnchorHit HitTest(int x, int y) const;
    bool Render(TCanvas& canvas, const std::string& text, const RECT& rect, POINT mouse, bool measureOnly,
        int hoverAnchor, MarkupRenderResult& result) const;
    // The client rectangle inside the frames, then inside the bevel and single border widths.
    RECT TextRect() const;
    // The text rectangle as a render gets it: grown for automatic sizing, moved down for centre
    // and bottom alignment (a measuring render on `canvas`).
    RECT LayoutRect(TCanvas& canvas, const std::string& text, POINT mouse) const;
    void PaintBackground(TCanvas& canvas, RECT r, int steps);
    void PaintFrames(TCanvas& canvas, RECT r);
    void RepaintArea(const RECT& area);
    void RepaintHoverArea();
    bool SizesHorizontally() const;
    bool SizesVertically() const;

    std::vector<std::string> htmlText_;
    TComponentReference<TImageList> images_ { this };
    TComponentReference<TPictureStore> pictureStore_ { this };
    mutable TMarkupPictureCache cache_; // grows by the pictures that renders name
    TColor urlColor_ = clBlue;
    TColor shadowColor_ = clGray;
    int shadowOffset_ = 2;
    bool hover_ = false;
    TColor hoverColor_ = clNone;
    TColor hoverFontColor_ = clNone;
    bool anchorHint_ = false;
    bool hintShowFull_ = false;
    bool htmlHint_ = false;
    bool autoSizing_ = false;
    TAutoSizeType autoSizeType_ = TAutoSizeType::asVertical;
    TVAlignment vAlignment_ = TVAlignment::tvaTop;
    bool ellipsis_ = false;
    TColor colorTo_ = clNone;
    TGradientType gradientType_ = TGradientType::gtFullHorizontal;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBevelCut bevelOuter_ = TBevelCut::bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    TColor borderColor_ = clBlack;
    int lineWidth_ = 0;
    TLabelAlign align_ = TLabelAlign::alNone;

    int mouseAnchor_ = -1; // the anchor under the mouse
    int lastMoveAnchor_ = -1; // remembered at the last mouse move
    std::string lastAnchor_; // target of the last anchor entered
    RECT hoverRect_ { -1, -1, -1, -1 };
    POINT mouse_ { -1, -1 }; // where the mouse last moved over the label
    int textWidth_ = 0;
    int textHeight_ = 0;
    bool adjusting_ = false;
};

} // namespace folvane
