// TMarkupPicture; see MarkupPicture.h.
#include "richlabel/MarkupPicture.h"

#include "richlabel/FileBytes.h"
#include "richlabel/MarkupText.h"
#include "toolkit/graphics/Canvas.h"

#include <cstring>
#include <iterator>
#include <thread>

namespace folvane {

namespace {

constexpr int kHimetricPerInch = 2540;

// The worker an asynchronous load by network address starts. Nothing is ever fetched: the
// thread holds the picture's address only for the length of a call that does no work.
void PictureFetchThread(TMarkupPicture* picture)
{
    (void)picture;
}

bool IsPng(std::span<const std::uint8_t> bytes)
{
    static constexpr std::uint8_t signature[] = { 0x89, 'P', 'N', 'G' };
    return bytes.size() >= sizeof signature && std::memcmp(bytes.data(), signature, sizeof signature) == 0;
}

class GlobalMemory {
public:
    explicit GlobalMemory(std::size_t size)
        : handle_(GlobalAlloc(GMEM_MOVEABLE, size))
    {
    }
    ~GlobalMemory()
    {
        if (handle_ != nullptr) {
            GlobalFree(handle_);
        }
    }
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    HGLOBAL Get() const { return handle_; }

private:
    HGLOBAL handle_;
};

} // namespace

TMarkupPicture::TMarkupPicture() = default;

TMarkupPicture::~TMarkupPicture()
{
    ReleasePicture();
}

void TMarkupPicture::ReleasePicture()
{
    if (picture_ != nullptr) {
        picture_->Release();
        picture_ = nullptr;
    }
}

int TMarkupPicture::Width() const
{
    if (picture_ == nullptr) {
        return 0;
    }
    OLE_XSIZE_HIMETRIC w = 0;
    picture_->get_Width(&w);
    return MulDiv(w, logicalX_, kHimetricPerInch);
}

int TMarkupPicture::Height() const
{
    if (picture_ == nullptr) {
        return 0;
    }
    OLE_YSIZE_HIMETRIC h = 0;
    picture_->get_Height(&h);
    return MulDiv(h, logicalY_, kHimetricPerInch);
}

int TMarkupPicture::AnimationWidth() const
{
    if (picture_ == nullptr) {
        return 0;
    }
    return frame_.animationWidth != 0 ? frame_.animationWidth : Width();
}

int TMarkupPicture::AnimationHeight() const
{
    if (picture_ == nullptr) {
        return 0;
    }
    return frame_.animationHeight != 0 ? frame_.animationHeight : Height();
}

void TMarkupPicture::Decode()
{
    GlobalMemory memory(data_.size());
    if (memory.Get() == nullptr) {
        throw EMarkupPictureError("Could not allocate memory for image");
    }
    frame_ = GifFrameInfo {};
    std::vector<std::uint8_t> filtered;
    std::span<const std::uint8_t> bytes = data_;
    if (IsGifData(data_) && CountFrames() > 0) {
        filtered = FilterGifFrames(data_, frameNumber_, frame_);
        bytes = filtered;
    }
    if (void* target = GlobalLock(memory.Get())) {
        if (!bytes.empty()) {
            std::memcpy(target, bytes.data(), bytes.size());
        }
        GlobalUnlock(memory.Get());
    }

    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory.Get(), FALSE, &stream))) {
        throw EMarkupPictureError("Could not create image stream");
    }
    if (stream == nullptr) {
        throw EMarkupPictureError("Empty image stream created");
    }
    ReleasePicture();
    IPicture* picture = nullptr;
    // Wine's loader also reads PNG; Windows' does not, and PNG is not one of this picture's
    // formats on either.
    const HRESULT hr = IsPng(bytes) ? E_FAIL
                                    : OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                        reinterpret_cast<void**>(&picture));
    stream->Release();
    if (FAILED(hr)) {
        throw EMarkupPictureError("Could not load image. Invalid format");
    }
    if (picture == nullptr) {
        throw EMarkupPictureError("Could not load image");
    }
    picture_ = picture;
}

void TMarkupPicture::LoadFromBytes(std::span<const std::uint8_t> bytes)
{
    data_.assign(bytes.begin(), bytes.end());
    empty_ = false;
    frameCount_ = -1;
    Decode();
    if (OnChange) {
        OnChange();
    }
}

void TMarkupPicture::LoadFromFile(const std::string& path)
{
    try {
        const auto bytes = ReadFileBytes(path);
        if (!bytes) {
            throw EMarkupPictureError("Cannot open file");
        }
        LoadFromBytes(*bytes);
    } catch (const std::exception&) {
        empty_ = true;
        ReleasePicture();
    }
}

void TMarkupPicture::LoadResourcePicture(HMODULE module, const std::string& name)
{
    HRSRC resource = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (resource == nullptr) {
        return;
    }
    HGLOBAL loaded = LoadResource(module, resource);
    const auto* bytes = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) {
        return;
    }
    LoadFromBytes(std::span<const std::uint8_t>(bytes, SizeofResource(module, resource)));
}

void TMarkupPicture::LoadFromAddress(const std::string& address)
{
    const std::string upper = UpperAscii(address);
    if (upper.starts_with("RES://")) {
        identity_ = address;
        if (address.size() > 6) {
            LoadResourcePicture(GetModuleHandleA(nullptr), address.substr(6));
        }
        return;
    }
    if (upper.starts_with("FILE://")) {
        identity_ = address;
        if (address.size() > 7) {
            LoadFromFile(address.substr(7));
        }
        return;
    }
    if (!asynchronous_) {
        downloadAddress_ = address;
        identity_ = address;
        return;
    }
    if (!threadBusy_) {
        downloadAddress_ = address;
        threadBusy_ = true;
        std::thread(PictureFetchThread, this).detach();
    }
}

void TMarkupPicture::ReadData(std::span<const std::uint8_t> bytes)
{
    data_.assign(bytes.begin(), bytes.end());
    empty_ = false;
    frameCount_ = -1;
    Decode();
}

void TMarkupPicture::Assign(const TMarkupPicture* source)
{
    empty_ = true;
    ReleasePicture();
    frameCount_ = -1;
    // Back to the first frame without decoding the old bytes again: they are being replaced,
    // and bytes that never decoded would make the assignment itself fail.
    frameNumber_ = 1;
    if (!data_.empty() && OnFrameChange) {
        OnFrameChange();
    }
    if (source == nullptr) {
        data_.clear();
        return;
    }
    data_ = source->data_;
    empty_ = false;
    Decode();
    if (OnChange) {
        OnChange();
    }
}

int TMarkupPicture::CountFrames()
{
    if (frameCount_ != -1) {
        return frameCount_;
    }
    if (!IsGifData(data_)) {
        return -1;
    }
    frameCount_ = CountGifFrames(data_);
    return frameCount_;
}

void TMarkupPicture::SetFrame(int frame)
{
    frameNumber_ = frame;
    if (!data_.empty()) {
        Decode();
        if (OnFrameChange) {
            OnFrameChange();
        }
    }
}

void TMarkupPicture::Draw(TCanvas& canvas, const RECT& rect) const
{
    if (empty_ || picture_ == nullptr) {
        return;
    }
    OLE_XSIZE_HIMETRIC hmWidth = 0;
    OLE_YSIZE_HIMETRIC hmHeight = 0;
    picture_->get_Width(&hmWidth);
    picture_->get_Height(&hmHeight);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    canvas.Refresh();
    HDC dc = canvas.Handle();
    if (!stretch_) {
        width = MulDiv(hmWidth, GetDeviceCaps(dc, LOGPIXELSX), kHimetricPerInch);
        height = MulDiv(hmHeight, GetDeviceCaps(dc, LOGPIXELSY), kHimetricPerInch);
    }
    // HIMETRIC runs bottom-up: start at the source's top and go down by a negative height.
    picture_->Render(dc, rect.left, rect.top, width, height, 0, hmHeight, hmWidth, -hmHeight, nullptr);
}

} // namespace folvane
