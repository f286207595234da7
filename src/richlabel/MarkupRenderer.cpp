// RenderMarkup; see MarkupRenderer.h.
#include "richlabel/MarkupRenderer.h"

#include "richlabel/GradientFill.h"
#include "richlabel/MarkupText.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace folvane {

namespace {

constexpr int kListStep = 12; // pixels per list level
constexpr int kMaxListLevel = kMarkupNumberLimit / kListStep;
constexpr int kBackgroundSteps = 64;

enum class Alignment { Left, Right, Center };

// The three kinds of pass over a line. Only Fit decides where the line ends.
enum class PassKind { Fit, Measure, Paint };

// Widths and positions saturate here: words that do not fit are placed anyway, so a line of
// huge runs would otherwise overflow. Far beyond any screen, far below int's range.
constexpr int kGeometryLimit = 1 << 28;

int Advance(int position, int by)
{
    return static_cast<int>(std::clamp<long long>(
        static_cast<long long>(position) + by, -static_cast<long long>(kGeometryLimit), kGeometryLimit));
}

int FloorDiv2(int v)
{
    return v >= 0 ? v / 2 : -((-v + 1) / 2);
}

// Everything that carries from line to line; saved before the first pass of a line and put back
// after it, so that the second pass starts from the same state.
struct FlowState {
    MarkupFont font;
    std::optional<MarkupFont> heldFont; // font before the last rotation
    TColor background = clNone;
    TColor anchorSavedBackground = clNone;
    TColor fontSavedBackground = clNone; // by font and body BGCOLOR
    TColor paragraphSavedBackground = clNone;
    bool highlightSaved = false;
    TColor highlightSavedColor = clNone;
    TColor highlightSavedBackground = clNone;
    Alignment alignment = Alignment::Left;
    int indent = 0;
    int xOffset = 0;
    int listLevel = 0;
    int anchorCount = 0;
    int pictureCount = 0;
    bool inAnchor = false;
    std::string anchorTarget;
    bool hidden = false;
    bool shadow = false;
    bool zigzag = false;
    bool paragraphBackground = false;
    bool subscript = false;
    bool superscript = false;
    bool recordingHover = false;
};

struct LineMetrics {
    int width = 0; // x position relative to the line start
    int height = 0;
    int drop = 0; // subscript
    int rise = 0; // superscript
    int raise = 0; // text raise from picture alignment
    int trailingSpace = 0;
};

struct ResolvedPicture {
    enum class Kind { None, ImageList, Icon, Picture } kind = Kind::None;
    int index = -1;
    bool large = false;
    MarkupPicture* picture = nullptr;
    int width = 0; // box size in device pixels
    int height = 0;
};

class Renderer {
public:
    Renderer(const MarkupRenderRequest& request, MarkupRenderResult& result)
        : req_(request)
        , canvas_(*request.Canvas)
        , result_(result)
    {
    }

    void Run();

private:
    // ---- canvas state
    void SyncFont();
    void SyncBackground();
    int GhHeight();
    unsigned TextFlags(bool measuring) const;
    int Scale(int v, bool horizontal) const;

    // ---- passes
    std::size_t RunPass(std::size_t pos, std::size_t end, const MarkupRect& rect, PassKind kind);
    void DrawParagraphBand();
    bool ProcessRun(std::string_view raw);
    void MeasureRun(const std::string& run);
    bool FitRun(int width);
    void PaintRun(const std::string& run);
    void DrawZigzag(int left, int right);
    void HitTestRun(int start, int end);
    bool ApplyTag(std::string_view tag);

    // ---- tags
    void AnchorOpen(std::string_view tag);
    void AnchorClose();
    void Body(std::string_view upper);
    void FontOpen(std::string_view upper);
    void FontClose();
    void HighlightOn();
    void HighlightOff();
    void Rule();
    void Indent(std::string_view upper);
    bool ListItem();
    void OffsetOn(std::string_view upper);
    void ParagraphOpen(std::string_view upper);
    void ParagraphClose();
    void RotateOn(std::string_view upper);
    void RotateOff();
    void ListClose();
    bool Image(std::string_view tag, std::string_view upper);

    // ---- pictures
    ResolvedPicture ResolveSource(std::string value);
    ResolvedPicture ResolveSized(std::string source, int width, int height);
    void DrawResolvedAt(const ResolvedPicture& picture, int x, int y);
    void TilePicture(MarkupPicture& picture, bool once, int x, int y);
    bool PictureFits(int width) const;
    void HitTestPicture(int width, int height);
    void AlignText(std::string_view upper);

    std::size_t NextTag(std::size_t pos);

    bool Painting() const { return kind_ == PassKind::Paint; }
    bool Measuring() const { return kind_ != PassKind::Paint; }
    void EndLine() { lineEnded_ = true; }

    const MarkupRenderRequest& req_;
    MarkupCanvas& canvas_;
    MarkupRenderResult& result_;

    std::string text_;
    std::size_t textEnd_ = 0; // the first pass drops the rest by moving this
    // No "<" lies from tagSearchFrom_ up to nextTag_ (a "<" or the end of the text).
    std::size_t tagSearchFrom_ = std::string::npos;
    std::size_t nextTag_ = 0;
    bool noPrefix_ = false;
    MarkupFont baseFont_;
    MarkupFont appliedFont_;
    TColor entryBackground_ = clNone;
    TColor appliedBackground_ = clNone;

    FlowState state_;
    LineMetrics line_;
    int pictureUnderMouse_ = -1;

    // ---- one pass
    PassKind kind_ = PassKind::Fit;
    MarkupRect rect_; // the line rectangle
    int bottom_ = 0; // rect bottom less the subscript drop
    int x_ = 0;
    std::size_t pos_ = 0;
    std::size_t runEnd_ = 0;
    bool lineEnded_ = false;
    bool gatheredText_ = false;
    bool gatheredEndsWithSpace_ = false;
    bool listItemMet_ = false;
    bool anchorStartedOnLine_ = false;
    int anchorStartWidth_ = 0;
    bool foundAnchorText_ = false;
};

// ---------------------------------------------------------------------------------------------
// Canvas state

void Renderer::SyncFont()
{
    if (!(appliedFont_ == state_.font)) {
        canvas_.SetFont(state_.font);
        appliedFont_ = state_.font;
    }
}

void Renderer::SyncBackground()
{
    if (appliedBackground_ != state_.background) {
        canvas_.SetBackground(state_.background);
        appliedBackground_ = state_.background;
    }
}

int Renderer::GhHeight()
{
    SyncFont();
    return canvas_.TextHeight("gh");
}

unsigned Renderer::TextFlags(bool measuring) const
{
    unsigned flags = 0;
    if (noPrefix_) {
        flags |= mtfNoPrefix;
    }
    if (!req_.WordWrap) {
        flags |= mtfEndEllipsis;
    }
    if (measuring) {
        flags |= mtfExternalLeading;
    }
    return flags;
}

int Renderer::Scale(int v, bool horizontal) const
{
    const long long ppi = horizontal ? canvas_.PixelsPerInchX() : canvas_.PixelsPerInchY();
    return static_cast<int>(std::clamp<long long>(v * ppi / 96, -kMarkupNumberLimit * 8LL, kMarkupNumberLimit * 8LL));
}

// ---------------------------------------------------------------------------------------------
// The call and its lines

void Renderer::Run()
{
    baseFont_ = canvas_.Font();
    appliedFont_ = baseFont_;
    entryBackground_ = canvas_.Background();
    canvas_.SetBackground(clNone);
    appliedBackground_ = clNone;
    state_.font = baseFont_;
    result_.OverAnchor = false;
    result_.AnchorTarget.clear();
    result_.TextWidth = 0;
    result_.TextHeight = 0;
    result_.MouseAnchor = -1;
    result_.HoverRect = { -1, -1, -1, -1 };

    PreparedMarkup prepared = PrepareMarkup(req_.Markup);
    text_ = std::move(prepared.text);
    noPrefix_ = prepared.noPrefix;
    textEnd_ = text_.size();

    MarkupRect work = req_.LayoutRect;
    work.left += 1;
    std::size_t pos = 0;
    while (pos < textEnd_) {
        state_.subscript = false;
        state_.superscript = false;
        line_ = LineMetrics {};
        const int lineStartGh = GhHeight();
        line_.height = lineStartGh;

        const FlowState saved = state_;
        const std::size_t consumed = RunPass(pos, textEnd_, work, PassKind::Fit);
        const Alignment alignment = state_.alignment;
        const int indent = state_.indent;
        state_ = saved;
        if (consumed == pos) {
            break; // cannot happen by the rules; never spin on it
        }

        MarkupRect lineRect = work;
        if (alignment == Alignment::Right && work.right - line_.width > work.left) {
            lineRect.left = work.right - line_.width;
        } else if (alignment == Alignment::Center && work.Width() - line_.width > 0) {
            lineRect.left = work.left + (work.Width() - line_.width) / 2;
        }
        lineRect.left += indent;
        lineRect.bottom = lineRect.top + line_.height + line_.drop + line_.rise;

        RunPass(pos, consumed, lineRect, req_.MeasureOnly ? PassKind::Measure : PassKind::Paint);
        if (foundAnchorText_) {
            const int textBottom = bottom_ - line_.raise;
            if (req_.MouseY > textBottom - GhHeight() && req_.MouseY < textBottom) {
                result_.OverAnchor = true;
            }
        }

        const int advance = line_.height + line_.drop + line_.rise;
        work.top += advance;
        result_.TextHeight += advance;
        pos = consumed;
        if (work.top + lineStartGh > work.bottom) {
            break; // lines that would not fit are not laid out
        }
    }

    state_.font = baseFont_;
    SyncFont();
    if (result_.TextHeight == 0) {
        result_.TextHeight = canvas_.TextHeight("gh");
    }
    result_.TextHeight += 2;
    canvas_.SetBackground(entryBackground_);
}

std::size_t Renderer::RunPass(std::size_t pos, std::size_t end, const MarkupRect& rect, PassKind kind)
{
    kind_ = kind;
    rect_ = rect;
    bottom_ = rect.bottom - line_.drop;
    line_.width = 0;
    line_.trailingSpace = 0;
    x_ = rect.left + state_.xOffset;
    pos_ = pos;
    lineEnded_ = false;
    gatheredText_ = false;
    gatheredEndsWithSpace_ = false;
    listItemMet_ = false;
    anchorStartedOnLine_ = false;
    anchorStartWidth_ = 0;
    foundAnchorText_ = false;

    if (Painting() && state_.paragraphBackground) {
        DrawParagraphBand();
    }

    while (pos_ < std::min(end, textEnd_) && !lineEnded_) {
        if (text_[pos_] != '<') {
            // Searches stay inside the pass's range, and the next tag is looked for once for
            // all the words before it, so that long plain text stays linear.
            const std::string_view range = std::string_view(text_).substr(0, std::min(end, textEnd_));
            std::size_t runEnd = std::min(NextTag(pos_), range.size());
            if (req_.WordWrap) {
                const std::size_t space = range.substr(0, runEnd).find(' ', pos_);
                if (space < runEnd) {
                    runEnd = space + 1;
                }
            }
            runEnd_ = runEnd;
            if (!ProcessRun(std::string_view(text_).substr(pos_, runEnd - pos_))) {
                break; // the run starts the next line
            }
            pos_ = runEnd;
            continue;
        }
        const std::size_t close = text_.find('>', pos_ + 1);
        if (pos_ + 2 >= text_.size() || close == std::string::npos || close >= end) {
            // A "<" that never closes ends the text.
            textEnd_ = std::min(textEnd_, pos_);
            pos_ = end;
            break;
        }
        if (!ApplyTag(std::string_view(text_).substr(pos_, close + 1 - pos_))) {
            break; // a deferred picture or list item starts the next line
        }
        pos_ = close + 1;
    }

    line_.width -= line_.trailingSpace;
    if (line_.width > 0 && result_.TextWidth < line_.width + 2) {
        result_.TextWidth = line_.width + 2;
    }
    return std::min(pos_, end);
}

std::size_t Renderer::NextTag(std::size_t pos)
{
    if (pos < tagSearchFrom_ || pos > nextTag_) {
        tagSearchFrom_ = pos;
        nextTag_ = std::min(text_.find('<', pos), text_.size());
    }
    return nextTag_;
}

void Renderer::DrawParagraphBand()
{
    const MarkupRect band { req_.LayoutRect.left, rect_.top, req_.LayoutRect.right, rect_.top + line_.height };
    if (state_.background == clNone) {
        canvas_.FrameRect(band, clWhite);
    } else {
        canvas_.FillRect(band, state_.background);
    }
}

// ---------------------------------------------------------------------------------------------
// Text runs

// Returns false when the run does not stay on this line.
bool Renderer::ProcessRun(std::string_view raw)
{
    const std::string run = DecodeRunEntities(raw);
    if (run.empty()) {
        return true;
    }
    SyncFont();
    const int height = canvas_.TextHeight(run);
    line_.height = std::max(line_.height, height);
    if (state_.subscript) {
        line_.drop = std::max(line_.drop, height / 4);
    }
    if (state_.superscript) {
        line_.rise = std::max(line_.rise, height / 4);
    }
    if (state_.hidden) {
        return true;
    }

    if (Measuring()) {
        const int before = line_.width;
        MeasureRun(run);
        if (kind_ == PassKind::Fit && !FitRun(line_.width - before)) {
            line_.width = before;
            EndLine();
            return false;
        }
    } else {
        PaintRun(run);
    }
    gatheredText_ = true;
    gatheredEndsWithSpace_ = run.back() == ' ';
    line_.trailingSpace = gatheredEndsWithSpace_ ? canvas_.MeasureText(" ", rect_, TextFlags(true)) : 0;
    return true;
}

void Renderer::MeasureRun(const std::string& run)
{
    const MarkupRect from { rect_.left, rect_.top, rect_.right, bottom_ };
    const int width = canvas_.MeasureText(run, from, TextFlags(true));
    HitTestRun(line_.width, Advance(line_.width, width));
    line_.width = Advance(line_.width, width);
}

// Fit rule: the run fits while the line stays shorter than the room, or when the run alone is
// at least as wide as the room; a run that does not fit is glued to a word before it that has
// no space after it. Without word wrap every run stays, but text after an overflowing run that
// is not the line's first is dropped.
bool Renderer::FitRun(int width)
{
    const int room = rect_.right - rect_.left - state_.xOffset;
    const bool fits = line_.width < room || width >= room;
    if (!req_.WordWrap) {
        if (!fits && gatheredText_) {
            textEnd_ = std::min(textEnd_, runEnd_);
        }
        return true;
    }
    return fits || !gatheredEndsWithSpace_;
}

void Renderer::PaintRun(const std::string& run)
{
    SyncBackground();
    MarkupRect box { x_, rect_.top, rect_.right, bottom_ - line_.raise };
    if (state_.superscript) {
        box.bottom -= line_.rise;
    }
    if (state_.subscript) {
        box.bottom += line_.drop;
    }
    const unsigned flags = TextFlags(false);
    if (state_.shadow) {
        MarkupFont shadowFont = state_.font;
        shadowFont.color = req_.ShadowColor;
        canvas_.SetFont(shadowFont);
        appliedFont_ = shadowFont;
        const int d = req_.ShadowOffset;
        canvas_.DrawTextRun(run, { box.left + d, box.top + d, box.right + d, box.bottom + d }, flags);
        SyncFont();
    }
    const int width = canvas_.DrawTextRun(run, box, flags);
    if (state_.zigzag) {
        DrawZigzag(x_, Advance(x_, width));
    }
    x_ = Advance(x_, width);
    line_.width = Advance(line_.width, width);
}

void Renderer::DrawZigzag(int left, int right)
{
    // Only the visible stretch is drawn, so a run wider than any screen costs no more than one.
    const MarkupRect visible = canvas_.ClipBounds();
    left = std::max(left, visible.left - 4);
    right = std::min(right, visible.right + 4);
    if (left >= right) {
        return;
    }
    int x = left / 2 * 2;
    int offset = x % 4 == 0 ? 2 : 0;
    std::vector<MarkupPoint> points { { x, bottom_ + offset - 1 } };
    while (x < right) {
        x += 2;
        offset = 2 - offset;
        points.push_back({ x, bottom_ + offset - 1 });
    }
    canvas_.Polyline(points, clRed);
}

// Hit tests belong to the pass that places the line: in the fitting pass aligned lines have
// not moved yet.
void Renderer::HitTestRun(int start, int end)
{
    if (!state_.inAnchor || kind_ == PassKind::Fit) {
        return;
    }
    const int mx = req_.MouseX - rect_.left;
    if (mx < start || mx > end) {
        return;
    }
    foundAnchorText_ = true;
    if (req_.MouseY > rect_.top) {
        result_.AnchorTarget = state_.anchorTarget;
        state_.recordingHover = true;
    }
}

// ---------------------------------------------------------------------------------------------
// Tags

// Returns false when the tag is deferred to the next line.
bool Renderer::ApplyTag(std::string_view tag)
{
    const std::string upper = UpperAscii(tag);
    switch (ClassifyTag(upper)) {
    case MarkupTag::Unknown:
        break;
    case MarkupTag::AnchorOpen:
        AnchorOpen(tag);
        break;
    case MarkupTag::AnchorClose:
        AnchorClose();
        break;
    case MarkupTag::BoldOn:
        state_.font.Set(mfsBold, true);
        break;
    case MarkupTag::BoldOff:
        state_.font.Set(mfsBold, false);
        break;
    case MarkupTag::Blink:
        state_.font.color = entryBackground_;
        break;
    case MarkupTag::ColorReset:
        state_.font.color = baseFont_.color;
        break;
    case MarkupTag::Body:
        if (Painting()) {
            Body(upper);
        }
        break;
    case MarkupTag::LineBreak:
    case MarkupTag::ListItemClose:
        EndLine();
        break;
    case MarkupTag::ZigzagOn:
    case MarkupTag::ZigzagOff:
        if (Painting()) {
            state_.zigzag = ClassifyTag(upper) == MarkupTag::ZigzagOn;
        }
        break;
    case MarkupTag::FontOpen:
        FontOpen(upper);
        break;
    case MarkupTag::FontClose:
        FontClose();
        break;
    case MarkupTag::HighlightOn:
        HighlightOn();
        break;
    case MarkupTag::HighlightOff:
        HighlightOff();
        break;
    case MarkupTag::Rule:
        Rule();
        break;
    case MarkupTag::ItalicOn:
        state_.font.Set(mfsItalic, true);
        break;
    case MarkupTag::ItalicOff:
        state_.font.Set(mfsItalic, false);
        break;
    case MarkupTag::Image:
        return Image(tag, upper);
    case MarkupTag::Indent:
        Indent(upper);
        break;
    case MarkupTag::ListItem:
        return ListItem();
    case MarkupTag::OffsetOn:
        OffsetOn(upper);
        break;
    case MarkupTag::OffsetOff:
        state_.xOffset = 0;
        break;
    case MarkupTag::ParagraphOpen:
        ParagraphOpen(upper);
        break;
    case MarkupTag::ParagraphClose:
        ParagraphClose();
        break;
    case MarkupTag::RotateOn:
        RotateOn(upper);
        break;
    case MarkupTag::RotateOff:
        RotateOff();
        break;
    case MarkupTag::StrikeOn:
        state_.font.Set(mfsStrikeOut, true);
        break;
    case MarkupTag::StrikeOff:
        state_.font.Set(mfsStrikeOut, false);
        break;
    case MarkupTag::ShadowOn:
        state_.shadow = true;
        break;
    case MarkupTag::ShadowOff:
        state_.shadow = false;
        break;
    case MarkupTag::SubscriptOn:
        state_.subscript = true;
        break;
    case MarkupTag::SuperscriptOn:
        state_.superscript = true;
        break;
    case MarkupTag::ScriptOff:
        state_.subscript = false;
        state_.superscript = false;
        break;
    case MarkupTag::UnderlineOn:
        state_.font.Set(mfsUnderline, true);
        break;
    case MarkupTag::UnderlineOff:
        state_.font.Set(mfsUnderline, false);
        break;
    case MarkupTag::ListOpen:
        state_.listLevel = std::min(state_.listLevel + 1, kMaxListLevel);
        EndLine();
        break;
    case MarkupTag::ListClose:
        ListClose();
        break;
    case MarkupTag::HiddenOn:
        state_.hidden = true;
        break;
    case MarkupTag::HiddenOff:
        state_.hidden = false;
        break;
    }
    return true;
}

void Renderer::AnchorOpen(std::string_view tag)
{
    ++state_.anchorCount;
    state_.anchorTarget = std::string(QuotedValue(tag, 0));
    state_.inAnchor = true;
    anchorStartedOnLine_ = true;
    anchorStartWidth_ = line_.width;

    const bool hovered = state_.anchorCount == req_.HoverAnchor;
    if (Painting() && (!req_.Hover || hovered)) {
        state_.font.Set(mfsUnderline, true);
        if (req_.HoverColor != clNone) {
            state_.anchorSavedBackground = state_.background;
            state_.background = req_.HoverColor;
        }
        if (req_.HoverFontColor != clNone) {
            state_.font.color = req_.HoverFontColor;
        }
    }
    if (!(req_.HoverFontColor != clNone && req_.Hover && hovered)) {
        state_.font.color = req_.URLColor;
    }
}

void Renderer::AnchorClose()
{
    if (Painting() && (!req_.Hover || state_.anchorCount == req_.HoverAnchor)) {
        state_.font.Set(mfsUnderline, false);
        if (req_.HoverColor != clNone) {
            state_.background = state_.anchorSavedBackground;
        }
    }
    state_.font.color = baseFont_.color;
    state_.inAnchor = false;
    if (state_.recordingHover) {
        const int startX = anchorStartedOnLine_ ? Advance(rect_.left, anchorStartWidth_) : rect_.left;
        result_.HoverRect = { startX, rect_.top, Advance(rect_.left, line_.width), bottom_ };
        result_.MouseAnchor = state_.anchorCount;
        state_.recordingHover = false;
    }
}

void Renderer::Body(std::string_view upper)
{
    const MarkupRect& layout = req_.LayoutRect;
    bool found = false;
    std::string_view value = AttributeValue(upper, "BACKGROUND", &found);
    if (found) {
        const ResolvedPicture picture = ResolveSource(std::string(value));
        if (picture.kind == ResolvedPicture::Kind::Picture) {
            TilePicture(*picture.picture, false, layout.left, layout.top);
        } else {
            DrawResolvedAt(picture, x_, rect_.top);
        }
    }
    value = AttributeValue(upper, "BGTOPLEFT", &found);
    if (found) {
        const ResolvedPicture picture = ResolveSource(std::string(value));
        if (picture.kind == ResolvedPicture::Kind::Picture) {
            TilePicture(*picture.picture, true, layout.left, layout.top);
        } else {
            DrawResolvedAt(picture, x_, rect_.top);
        }
    }
    value = AttributeValue(upper, "BGTOPRIGHT", &found);
    if (found) {
        const ResolvedPicture picture = ResolveSource(std::string(value));
        if (picture.kind == ResolvedPicture::Kind::Picture) {
            TilePicture(*picture.picture, true, layout.right - picture.picture->Width(), layout.top);
        } else {
            // An image-list picture by the list's own width; a shell icon by its box.
            const bool listed = picture.kind == ResolvedPicture::Kind::ImageList;
            DrawResolvedAt(picture, rect_.right - (listed ? req_.Images->Width() : picture.width), rect_.top);
        }
    }
    value = AttributeValue(upper, "BGCOLOR", &found);
    if (!found) {
        return;
    }
    const TColor color = ParseMarkupColor(value);
    bool gradient = false;
    const std::string_view to = AttributeValue(upper, "BGCOLORTO", &gradient);
    if (!gradient) {
        state_.fontSavedBackground = state_.background;
        state_.background = color;
        canvas_.FillRect({ layout.left - 2, layout.top, layout.right, layout.bottom }, color);
        return;
    }
    bool hasDir = false;
    const std::string_view dir = AttributeValue(upper, "DIR", &hasDir);
    GradientFill(canvas_, color, ParseMarkupColor(to), !hasDir || dir == "H", layout, kBackgroundSteps);
    state_.background = clNone;
}

void Renderer::FontOpen(std::string_view upper)
{
    bool found = false;
    std::string_view value = AttributeValue(upper, "FACE", &found);
    if (found) {
        state_.font.name = std::string(value);
    }
    value = AttributeValue(upper, " COLOR", &found);
    if (found) {
        state_.font.color = ParseMarkupColor(value);
    }
    value = AttributeValue(upper, "BGCOLOR", &found);
    if (found && Painting()) {
        state_.fontSavedBackground = state_.background;
        state_.background = ParseMarkupColor(value);
    }
    state_.font.size = MarkupFontSize(upper, state_.font.size);
}

void Renderer::FontClose()
{
    state_.font.name = baseFont_.name;
    state_.font.size = baseFont_.size;
    if (Painting()) {
        state_.font.color = baseFont_.color;
        state_.background = state_.fontSavedBackground;
    }
}

void Renderer::HighlightOn()
{
    if (!Painting()) {
        return;
    }
    state_.highlightSaved = true;
    state_.highlightSavedColor = state_.font.color;
    state_.highlightSavedBackground = state_.background;
    state_.background = clHighlight;
    state_.font.color = clHighlightText;
}

void Renderer::HighlightOff()
{
    if (!Painting()) {
        return;
    }
    // Before any highlight nothing was saved: clear the background, keep the text colour.
    state_.background = state_.highlightSaved ? state_.highlightSavedBackground : clNone;
    if (state_.highlightSaved) {
        state_.font.color = state_.highlightSavedColor;
    }
}

void Renderer::Rule()
{
    EndLine();
    if (Painting()) {
        const MarkupPoint points[] = { { rect_.left, bottom_ + 1 }, { rect_.right, bottom_ + 1 } };
        canvas_.Polyline(points, clBlack);
    }
}

void Renderer::Indent(std::string_view upper)
{
    const std::size_t x = upper.find('X');
    if (x == std::string_view::npos) {
        return;
    }
    const MarkupNumber value = ParseMarkupNumber(QuotedValue(upper, x + 1));
    if (value.valid && value.value > line_.width) {
        line_.width = value.value;
        x_ = req_.LayoutRect.left + value.value;
    }
}

// Returns false when a list item was already met on this line.
bool Renderer::ListItem()
{
    if (kind_ == PassKind::Fit && listItemMet_) {
        EndLine();
        return false;
    }
    listItemMet_ = true;
    const int level = state_.listLevel;
    line_.width += kListStep * level;
    x_ += kListStep * level - kListStep;
    if (Painting() && !state_.hidden) {
        MarkupFont bulletFont = state_.font;
        bulletFont.name = "Symbol";
        canvas_.SetFont(bulletFont);
        appliedFont_ = bulletFont;
        SyncBackground();
        canvas_.DrawTextAt(x_, rect_.top, level % 2 == 1 ? "\xB7" : "o");
        SyncFont();
    }
    x_ += kListStep;
    return true;
}

void Renderer::OffsetOn(std::string_view upper)
{
    const std::size_t x = upper.find('X');
    if (x == std::string_view::npos) {
        return;
    }
    const MarkupNumber value = ParseMarkupNumber(QuotedValue(upper, x + 1));
    if (value.valid) {
        state_.xOffset = value.value;
        x_ = value.value;
        line_.width = value.value;
    }
}

void Renderer::ParagraphOpen(std::string_view upper)
{
    bool found = false;
    std::string_view value = AttributeValue(upper, "ALIGN", &found);
    if (found) {
        if (value.find("RIGHT") != std::string_view::npos) {
            state_.alignment = Alignment::Right;
        }
        if (value.find("LEFT") != std::string_view::npos) {
            state_.alignment = Alignment::Left;
        }
        if (value.find("CENTER") != std::string_view::npos) {
            state_.alignment = Alignment::Center;
        }
    }
    value = AttributeValue(upper, "INDENT", &found);
    if (found) {
        state_.indent = ParseMarkupNumber(value).value;
    }
    value = AttributeValue(upper, "BGCOLOR", &found);
    if (!found || !Painting()) {
        return;
    }
    const TColor color = ParseMarkupColor(value);
    bool gradient = false;
    const std::string_view to = AttributeValue(upper, "BGCOLORTO", &gradient);
    state_.paragraphBackground = true;
    const MarkupRect& layout = req_.LayoutRect;
    if (!gradient) {
        state_.paragraphSavedBackground = state_.background;
        state_.background = color;
        canvas_.FillRect({ layout.left, rect_.top, layout.right, bottom_ }, color);
        return;
    }
    GradientFill(canvas_, color, ParseMarkupColor(to), true, { layout.left, rect_.top, layout.right, bottom_ + 2 },
        kBackgroundSteps);
    state_.background = clNone;
}

void Renderer::ParagraphClose()
{
    EndLine();
    if (Painting()) {
        state_.background = state_.paragraphSavedBackground;
        state_.paragraphBackground = false;
    }
}

void Renderer::RotateOn(std::string_view upper)
{
    const std::size_t a = upper.find('A');
    const int degrees = a == std::string_view::npos ? 0 : ParseMarkupNumber(QuotedValue(upper, a + 1)).value;
    state_.heldFont = state_.font;
    state_.font.orientation = degrees % 360 * 10;
}

void Renderer::RotateOff()
{
    if (state_.heldFont) {
        state_.font = *state_.heldFont;
        state_.heldFont.reset();
    }
}

void Renderer::ListClose()
{
    if (state_.listLevel > 0) {
        --state_.listLevel;
    } else {
        state_.font.Set(mfsUnderline, false);
    }
}

// ---------------------------------------------------------------------------------------------
// Pictures

// Later forms override earlier ones: "idx:3" is also looked up as the name "3".
ResolvedPicture Renderer::ResolveSource(std::string value)
{
    ResolvedPicture resolved;
    if (ContainsNoCase(value, "idx:")) {
        value.erase(0, std::min<std::size_t>(4, value.size()));
        const int n = ParseMarkupNumber(value).value;
        if (req_.Images != nullptr && n >= 0 && n < req_.Images->Count()) {
            resolved.kind = ResolvedPicture::Kind::ImageList;
            resolved.index = n;
            resolved.width = Scale(req_.Images->Width(), true);
            resolved.height = Scale(req_.Images->Height(), false);
        }
    }
    const bool small = ContainsNoCase(value, "ssys:");
    if (small || ContainsNoCase(value, "lsys:")) {
        value.erase(0, std::min<std::size_t>(5, value.size()));
        const MarkupNumber number = ParseMarkupNumber(value);
        const int index = number.valid ? number.value : canvas_.SystemIconIndex(value, !small);
        if (index >= 0) {
            resolved.kind = ResolvedPicture::Kind::Icon;
            resolved.index = index;
            resolved.large = !small;
            const int size = canvas_.SystemIconSize(!small);
            resolved.width = Scale(size, true);
            resolved.height = Scale(size, false);
        }
    }
    MarkupPicture* picture = nullptr;
    if (value.find(':') == std::string::npos && req_.PictureStore != nullptr) {
        picture = req_.PictureStore->PictureByName(value);
    }
    if (value.find("://") != std::string::npos && req_.PictureCache != nullptr) {
        picture = req_.PictureCache->PictureByAddress(value);
        if (picture == nullptr) {
            picture = req_.PictureCache->AddPictureFromAddress(value);
        }
    }
    if (picture != nullptr && !picture->Empty()) {
        resolved.kind = ResolvedPicture::Kind::Picture;
        resolved.picture = picture;
        resolved.width = Scale(picture->AnimationWidth(), true);
        resolved.height = Scale(picture->AnimationHeight(), false);
    }
    return resolved;
}

void Renderer::DrawResolvedAt(const ResolvedPicture& picture, int x, int y)
{
    switch (picture.kind) {
    case ResolvedPicture::Kind::ImageList:
        canvas_.DrawImage(*req_.Images, picture.index, x, y);
        break;
    case ResolvedPicture::Kind::Icon:
        canvas_.DrawSystemIcon(picture.large, picture.index, x, y);
        break;
    case ResolvedPicture::Kind::Picture:
        canvas_.DrawPicture(*picture.picture, { x, y, x + picture.width, y + picture.height });
        break;
    case ResolvedPicture::Kind::None:
        break;
    }
}

// Body pictures: once at (x, y), or tiled from there over the layout rectangle. Only the visible
// part is tiled, so a tiny picture under an auto-sized (very tall) rectangle stays cheap.
void Renderer::TilePicture(MarkupPicture& picture, bool once, int x, int y)
{
    const MarkupRect& layout = req_.LayoutRect;
    const int w = picture.Width();
    const int h = picture.Height();
    if (w <= 0 || h <= 0) {
        return;
    }
    canvas_.SetClip(layout);
    if (once) {
        canvas_.DrawPicture(picture, { x, y, x + w, y + h });
    } else {
        const MarkupRect visible = canvas_.ClipBounds();
        const int lastX = std::min(layout.right, visible.right);
        const int lastY = std::min(layout.bottom, visible.bottom);
        const int firstRow = std::max(0, (visible.top - y) / h);
        const int firstColumn = std::max(0, (visible.left - x) / w);
        for (long long ty = y + static_cast<long long>(firstRow) * h; ty < lastY; ty += h) {
            for (long long tx = x + static_cast<long long>(firstColumn) * w; tx < lastX; tx += w) {
                const int px = static_cast<int>(tx);
                const int py = static_cast<int>(ty);
                canvas_.DrawPicture(picture, { px, py, px + w, py + h });
            }
        }
    }
    canvas_.ClearClip();
}

bool Renderer::PictureFits(int width) const
{
    const int whole = rect_.right - rect_.left;
    return !(width > whole - line_.width && width < whole);
}

void Renderer::HitTestPicture(int width, int height)
{
    if (!state_.inAnchor || kind_ == PassKind::Fit) {
        return;
    }
    const long long mx = static_cast<long long>(req_.MouseX) - rect_.left;
    if (mx > line_.width && mx < static_cast<long long>(line_.width) + width && req_.MouseY > rect_.top
        && req_.MouseY < static_cast<long long>(rect_.top) + height) {
        result_.OverAnchor = true;
        result_.AnchorTarget = state_.anchorTarget;
        pictureUnderMouse_ = state_.pictureCount;
    }
}

void Renderer::AlignText(std::string_view upper)
{
    if (FindAttribute(upper, "ALIGN") != std::string_view::npos) {
        if (upper.find("\"TOP") != std::string_view::npos) {
            line_.raise = line_.height - GhHeight();
        } else if (upper.find("\"MIDDLE") != std::string_view::npos) {
            line_.raise = FloorDiv2(line_.height - GhHeight());
        }
    }
    if (FindAttribute(upper, "WRAP") != std::string_view::npos) {
        line_.height = GhHeight();
        line_.raise = 0;
    }
}

ResolvedPicture Renderer::ResolveSized(std::string source, int width, int height)
{
    ResolvedPicture picture = ResolveSource(std::move(source));
    if (picture.kind == ResolvedPicture::Kind::Picture && width >= 1 && height >= 1) {
        picture.width = Scale(width, true);
        picture.height = Scale(height, false);
    }
    return picture;
}

// Returns false when the picture is deferred to the next line.
bool Renderer::Image(std::string_view tag, std::string_view upper)
{
    ++state_.pictureCount;
    bool hasAlt = false;
    const std::string_view alt = AttributeValue(upper, "ALT", &hasAlt);
    const int width = ParseMarkupNumber(AttributeValue(upper, "WIDTH")).value;
    const int height = ParseMarkupNumber(AttributeValue(upper, "HEIGHT")).value;
    const bool stretched = width >= 1 && height >= 1;

    ResolvedPicture picture = ResolveSized(std::string(QuotedValue(tag, FindAttribute(upper, "SRC"))), width, height);
    // Hit-tested where the line is placed, before drawing, so that the alternative shows at once.
    HitTestPicture(picture.width, picture.height);
    if (hasAlt && pictureUnderMouse_ == state_.pictureCount) {
        picture = ResolveSized(std::string(alt), width, height);
    }
    if (picture.kind == ResolvedPicture::Kind::Picture) {
        if (Painting()) {
            if (stretched) {
                picture.picture->SetStretch(true);
                canvas_.DrawPicture(*picture.picture, { x_, rect_.top, x_ + width, rect_.top + height });
            } else {
                const int px = x_ + picture.picture->FrameX();
                const int py = rect_.top + picture.picture->FrameY();
                canvas_.DrawPicture(*picture.picture, { px, py, px + picture.width, py + picture.height });
            }
        }
    } else if (Painting()) {
        DrawResolvedAt(picture, x_, rect_.top);
    }

    if (kind_ == PassKind::Fit && !PictureFits(picture.width)) {
        EndLine();
        return false;
    }
    line_.width = Advance(line_.width, picture.width);
    x_ = Advance(x_, picture.width);
    line_.height = std::max(line_.height, picture.height);
    AlignText(upper);
    return true;
}

} // namespace

bool RenderMarkup(const MarkupRenderRequest& request, MarkupRenderResult& result)
{
    if (request.Canvas == nullptr) {
        return false;
    }
    Renderer renderer(request, result);
    renderer.Run();
    return result.OverAnchor;
}

} // namespace folvane
