// TMarkupPicture: one picture of the markup label, kept as its encoded bytes and decoded by the
// platform's OLE picture loader (BMP, JPEG, GIF, icon, WMF, EMF; not PNG). It can show a chosen
// frame of an animated GIF (by cutting the frames before it out of the bytes) and knows the
// animation's full size. Pictures given by address load only from "res://" (RCDATA resources
// of the program) and "file://"; other addresses start a fetch thread that does nothing.
//
// The decoded size is in HIMETRIC units (2540 per inch); Width and Height convert it at the
// picture's logical resolution, drawing at natural size converts it at the canvas's.
#pragma once

#include "richlabel/GifFrames.h"
#include "richlabel/MarkupCanvas.h"

#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

#include <cstdint>
#include <functional>
#include <istream>
#include <iterator>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace folvane {

class TCanvas;

class EMarkupPictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TMarkupPicture : public MarkupPicture {
public:
    TMarkupPicture();
    ~TMarkupPicture() override;
    TMarkupPicture(const TMarkupPicture&) = delete;
    TMarkupPicture& operator=(const TMarkupPicture&) = delete;

    bool Empty() const override { return empty_; }
    int Width() const override;
    int Height() const override;
    int AnimationWidth() const override;
    int AnimationHeight() const override;
    int FrameX() const override { return frame_.x; }
    int FrameY() const override { return frame_.y; }
    int FrameWidth() const { return frame_.width; }
    int FrameHeight() const { return frame_.height; }
    bool Stretch() const override { return stretch_; }
    void SetStretch(bool stretch) override { stretch_ = stretch; }

    // The whole stream from its current position; decoding errors propagate. Nothing happens
    // for no stream. The stream functions are inline so that a program without
    // streams links none.
    void LoadFromStream(std::istream* stream)
    {
        if (stream == nullptr) {
            return;
        }
        const std::vector<std::uint8_t> bytes(
            (std::istreambuf_iterator<char>(*stream)), std::istreambuf_iterator<char>());
        LoadFromBytes(bytes);
    }
    void LoadFromBytes(std::span<const std::uint8_t> bytes);
    // Any failure leaves the picture empty and is not passed on.
    void LoadFromFile(const std::string& path);
    // A resource of type RCDATA; nothing happens when the module has none of that name.
    void LoadResourcePicture(HMODULE module, const std::string& name);
    void LoadFromAddress(const std::string& address);
    void SaveToStream(std::ostream& stream) const
    {
        stream.write(reinterpret_cast<const char*>(data_.data()), static_cast<std::streamsize>(data_.size()));
    }
    // The layout's "Data" property: the bytes unchanged; reading decodes without OnChange.
    void ReadData(std::span<const std::uint8_t> bytes);
    const std::vector<std::uint8_t>& Data() const { return data_; }
    // nullptr clears the picture.
    void Assign(const TMarkupPicture* source);

    // -1 when the data is not a GIF; counted once, then remembered.
    int CountFrames();
    int Frame() const { return frameNumber_; }
    void SetFrame(int frame);

    bool Asynchronous() const { return asynchronous_; }
    void SetAsynchronous(bool value) { asynchronous_ = value; }
    const std::string& Identity() const { return identity_; }
    const std::string& DownloadAddress() const { return downloadAddress_; }
    bool ThreadBusy() const { return threadBusy_; }
    int LogicalResolutionX() const { return logicalX_; }
    int LogicalResolutionY() const { return logicalY_; }

    // Natural size at rect's top-left corner, or scaled into rect with Stretch.
    void Draw(TCanvas& canvas, const RECT& rect) const;

    std::function<void()> OnChange;
    std::function<void()> OnFrameChange;
    // Download notifications; nothing ever fetches, so none fires.
    std::function<void()> OnDownLoadProgress;
    std::function<void()> OnDownLoadCancel;
    std::function<void()> OnDownLoadComplete;
    std::function<void()> OnDownLoadError;

private:
    void Decode();
    void ReleasePicture();

    std::vector<std::uint8_t> data_;
    bool empty_ = true;
    bool stretch_ = false;
    IPicture* picture_ = nullptr;
    int logicalX_ = 96;
    int logicalY_ = 96;
    std::string downloadAddress_;
    std::string identity_;
    bool asynchronous_ = true;
    bool threadBusy_ = false;
    int frameNumber_ = 1;
    int frameCount_ = -1;
    GifFrameInfo frame_;
};

} // namespace folvane
