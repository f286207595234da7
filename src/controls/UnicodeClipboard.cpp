// Unicode text on the clipboard.
#include "controls/UnicodeClipboard.h"

#include <cstring>

namespace folvane {

namespace {

// Opens the clipboard for one scope.
class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner)
        : open_(OpenClipboard(owner) != FALSE)
    {
    }
    ~ClipboardScope()
    {
        if (open_)
            CloseClipboard();
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    bool Open() const { return open_; }

private:
    bool open_;
};

} // namespace

bool ClipboardHasText()
{
    // The system offers CF_UNICODETEXT for CF_TEXT and CF_OEMTEXT as well.
    return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
}

bool ReadClipboardText(HWND owner, std::wstring& out)
{
    ClipboardScope clipboard(owner);
    if (!clipboard.Open())
        return false;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data)
        return false;
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (!text)
        return false;
    const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < capacity && text[length] != L'\0')
        ++length;
    out.assign(text, length);
    GlobalUnlock(data);
    return true;
}

bool WriteClipboardText(HWND owner, const std::wstring& text)
{
    ClipboardScope clipboard(owner);
    if (!clipboard.Open() || !EmptyClipboard())
        return false;
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block)
        return false;
    void* target = GlobalLock(block);
    if (!target) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(block);
    if (!SetClipboardData(CF_UNICODETEXT, block)) {
        GlobalFree(block);
        return false;
    }
    return true; // the clipboard owns the block now
}

} // namespace folvane
