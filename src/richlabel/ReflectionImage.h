// TReflectionImage: a window-less image control that shows a picture (typically a PNG with
// alpha) and, below it, a mirrored copy fading out like a reflection on a glossy floor.
//
// The reflection is built pixel by pixel once per change of the picture or of Reflection and
// kept as a 32-bit ARGB bitmap; painting decodes the picture and draws two images. Nothing is
// scaled to the control's size. The control takes no single clicks (only double clicks), and
// keeps the rich tooltip description it is given without showing it.
#pragma once

#include "richlabel/EncodedPicture.h"
#include "toolkit/GraphicControl.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace folvane {

class TRichHintInfo {
public:
    TRichHintInfo();
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    const std::vector<std::string>& Notes() const { return notes_; }
    void SetNotes(const std::vector<std::string>& notes);
    TEncodedPicture& Picture() { return *picture_; }
    void SetPicture(const TEncodedPicture& picture) { picture_->Assign(&picture); }
    bool ShowHelp() const { return showHelp_; }
    void SetShowHelp(bool value) { showHelp_ = value; }
    const std::wstring& WideTitle() const { return wideTitle_; }
    const std::vector<std::wstring>& WideNotes() const { return wideNotes_; }
    void Assign(const TRichHintInfo& source);

private:
    std::string title_;
    std::vector<std::string> notes_;
    std::unique_ptr<TEncodedPicture> picture_;
    bool showHelp_ = false;
    std::wstring wideTitle_;
    std::vector<std::wstring> wideNotes_;
};

// Opacity of reflection row i of a picture h rows high: round(255 / h * (h - i)) - reflection,
// clamped to 0..255, rounding half to even.
int ReflectionStrength(int row, int height, int reflection);
// Alpha of a reflected pixel: round(strength / 255 * alpha), half to even.
std::uint8_t ReflectedAlpha(int strength, std::uint8_t alpha);

class TReflectionImage : public TGraphicControl {
public:
    explicit TReflectionImage(TComponent* owner = nullptr);
    ~TReflectionImage() override;
    const char* ClassName() const override { return "TReflectionImage"; }

    TEncodedPicture& Picture() { return picture_; }
    // Copies the picture's bytes.
    void SetPicture(const TEncodedPicture& picture);
    int Reflection() const { return reflection_; }
    void SetReflection(int value);
    int ReflectionAxis() const { return reflectionAxis_; }
    void SetReflectionAxis(int value);
    TRichHintInfo& RichHint() { return richHint_; }
    void SetRichHint(const TRichHintInfo& hint) { richHint_.Assign(hint); }
    std::string Version() const { return "1.0.0.0"; }
    void SetVersion(const std::string&) { }

    // 1.0.0.0 packed as four bytes, major highest.
    virtual std::uint32_t VersionNumber() const { return 1u << 24; }
    // Picture and reflection onto a canvas whose origin is the control's corner.
    virtual void DrawContent(TCanvas& canvas);

    // The reflection bitmap's size and pixels (0 when there is none), for whoever checks it.
    bool HasReflection() const { return reflectionImage_ != nullptr; }
    int ReflectionWidth() const { return reflectionWidth_; }
    int ReflectionHeight() const { return reflectionHeight_; }
    GpArgb ReflectionPixel(int x, int y) const;

    // Only double clicks: a single click fires nothing.
    void Click() override { }
    void Loaded() override;

protected:
    void Paint(TCanvas& canvas) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void PictureChanged();
    void BuildReflection();

    TEncodedPicture picture_;
    int reflection_ = 160;
    int reflectionAxis_ = 1;
    TRichHintInfo richHint_;
    std::unique_ptr<GdiPlusImage> reflectionImage_;
    int reflectionWidth_ = 0;
    int reflectionHeight_ = 0;
};

} // namespace folvane
